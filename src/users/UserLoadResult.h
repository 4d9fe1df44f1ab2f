#pragma once

#include <string>

// What became of loading a user. Reads as a bool (true: loaded) wherever only that matters.
struct UserLoadResult
{
    bool loaded = false;
    // The user's data file is there but cannot be read as this user's (damaged, or another
    // user's data): the name must not become a new account that would replace it.
    bool damaged = false;
    // The data file that was read, when the name is a known user's.
    std::string path;

    operator bool() const { return loaded; }
};
