#pragma once

#include <string>

// Passwords are kept as salted Argon2id hashes in libsodium's string form; data files
// of older installations hold the password itself, which is still accepted.
class PasswordHash
{
public:
    // The hash string of `password`, or empty when hashing fails (out of memory).
    static std::string Hash(const std::string& password);

    // True when `stored` is a hash string rather than a plain password of old.
    static bool IsHash(const std::string& stored);

    // Whether `password` matches `stored`: verified against the hash, or compared byte
    // for byte (case-sensitive) with an old plain password.
    static bool Matches(const std::string& stored, const std::string& password);
};
