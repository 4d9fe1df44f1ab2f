#pragma once

#include <string>

// The folder that stands in for the diskette: the environment variable
// TIPPWERK_DISKETTE when set, else the folder "Tippwerk" on the first removable medium
// the desktop mounted for the user (/media/<user>/... or /run/media/<user>/...).
class DisketteFolder
{
public:
    // The folder with a trailing '/', or empty when there is no medium (an empty drive).
    static std::string Path();

    // The same choice from a mount table in the form of /proc/self/mounts.
    static std::string FromMountTable(const std::string& mounts, const std::string& user);
};
