#pragma once

#include <string>

// Passwords are kept as salted Argon2id hashes in libsodium's string form; data files
// of older installations hold the password itself, which is still accepted.
class PasswordHash
{
public:
    // The hash string of `password`, or empty when hashing fails (out of memory).
    static std::string Hash(const std::string& password);

    // True when `stored` is a hash string (any Argon2 form) rather than a plain password
    // of old.
    static bool IsHash(const std::string& stored);

    // True when `stored` is a hash in the form Hash() writes (Argon2id, version 19, one
    // lane) whose passes, memory and the two together are at most four times what Hash()
    // uses. Any other hash string is a damaged line: it is refused without being computed.
    static bool IsAcceptedHash(const std::string& stored);

    // Whether `password` matches `stored`: verified against an accepted hash, or compared
    // byte for byte (case-sensitive) with an old plain password. False for a hash that is
    // not accepted.
    static bool Matches(const std::string& stored, const std::string& password);
};
