#include "users/PasswordHash.h"

#include <sodium.h>

namespace {

constexpr char kPrefix[] = "$argon2id$";

bool SodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

} // namespace

std::string PasswordHash::Hash(const std::string& password)
{
    if (!SodiumReady())
        return {};
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        return {};
    return out;
}

bool PasswordHash::IsHash(const std::string& stored)
{
    return stored.starts_with(kPrefix);
}

bool PasswordHash::Matches(const std::string& stored, const std::string& password)
{
    if (!IsHash(stored))
        return stored == password;
    // A NUL inside the stored text would cut it short; such a line is damaged anyway.
    if (!SodiumReady() || stored.find('\0') != std::string::npos)
        return false;
    return crypto_pwhash_str_verify(stored.c_str(), password.data(), password.size()) == 0;
}
