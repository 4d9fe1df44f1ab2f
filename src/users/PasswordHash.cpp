#include "users/PasswordHash.h"

#include <charconv>
#include <cstdint>
#include <sodium.h>
#include <string_view>

namespace {

// Every Argon2 string counts as a hash; only the form Hash() writes is ever verified.
constexpr char kArgon2Prefix[] = "$argon2";
constexpr char kOwnPrefix[] = "$argon2id$v=19$m=";

// The costs Hash() uses, with room for a later, stronger setting. The costs come from the
// user file, so they bound what a login attempt may take: beyond them a damaged or
// hostile line could keep the login busy for hours or claim gigabytes of memory.
constexpr std::uint64_t kCostFactor = 4;
constexpr std::uint64_t kMaxPasses = kCostFactor * crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr std::uint64_t kMaxMemoryKiB = kCostFactor * crypto_pwhash_MEMLIMIT_INTERACTIVE / 1024;
// Time grows with passes times memory: both at their bound would cost sixteen logins.
constexpr std::uint64_t kMaxWork =
    kCostFactor * crypto_pwhash_OPSLIMIT_INTERACTIVE * (crypto_pwhash_MEMLIMIT_INTERACTIVE / 1024);

bool SodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

bool Skip(std::string_view& text, std::string_view expected)
{
    if (!text.starts_with(expected))
        return false;
    text.remove_prefix(expected.size());
    return true;
}

// A decimal number as Hash() writes it: 1 to 10 digits, no sign, no leading zero.
bool TakeNumber(std::string_view& text, std::uint64_t& value)
{
    size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    if (digits == 0 || digits > 10 || (digits > 1 && text[0] == '0'))
        return false;
    std::from_chars(text.data(), text.data() + digits, value);
    text.remove_prefix(digits);
    return true;
}

// Unpadded base64 as Hash() writes salt and hash; true when at least one character.
bool TakeBase64(std::string_view& text)
{
    size_t length = 0;
    while (length < text.size()) {
        const char c = text[length];
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                             c == '+' || c == '/';
        if (!allowed)
            break;
        ++length;
    }
    text.remove_prefix(length);
    return length > 0;
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
    return stored.starts_with(kArgon2Prefix);
}

bool PasswordHash::IsAcceptedHash(const std::string& stored)
{
    // The size bound also keeps out a NUL, which would cut the text short for libsodium.
    if (stored.size() >= crypto_pwhash_STRBYTES || stored.find('\0') != std::string::npos)
        return false;
    std::string_view text = stored;
    std::uint64_t memoryKiB = 0, passes = 0, lanes = 0;
    if (!Skip(text, kOwnPrefix) || !TakeNumber(text, memoryKiB) || !Skip(text, ",t=") ||
        !TakeNumber(text, passes) || !Skip(text, ",p=") || !TakeNumber(text, lanes) || !Skip(text, "$") ||
        !TakeBase64(text) || !Skip(text, "$") || !TakeBase64(text) || !text.empty())
        return false;
    return memoryKiB <= kMaxMemoryKiB && passes <= kMaxPasses && passes * memoryKiB <= kMaxWork && lanes == 1;
}

bool PasswordHash::Matches(const std::string& stored, const std::string& password)
{
    if (!IsHash(stored))
        return stored == password;
    if (!IsAcceptedHash(stored) || !SodiumReady())
        return false;
    return crypto_pwhash_argon2id_str_verify(stored.c_str(), password.data(), password.size()) == 0;
}
