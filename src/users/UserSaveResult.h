#pragma once

#include <string>

// What became of saving a user's files. Reads as a bool (true: saved or nothing to save)
// wherever only that matters.
struct UserSaveResult
{
    bool saved = true;
    // The file that could not be written, and why, in the system's words.
    std::string path;
    std::string reason;
    // The previous save to the same place failed as well and nothing was saved there since:
    // the user has been told already.
    bool repeated = false;

    operator bool() const { return saved; }
};
