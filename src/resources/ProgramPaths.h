#pragma once

#include <string>

// The program folder holds every data file, picture and sound (config, lessons,
// pictures/<set>, sounds, users). It is the running executable's folder unless the
// environment variable TIPPWERK_HOME names another one (tests and system installs).
class ProgramPaths
{
public:
    // The program folder with a trailing '/', or empty when it cannot be determined.
    static std::string ProgramFolder();

    // Overrides the program folder for this process (tests); empty restores the default.
    static void SetProgramFolderForTesting(const std::string& folder);
};

// Full path of `file` inside `folder` of the program folder; an empty folder gives the
// file directly in the program folder. Empty when the program folder is unknown.
std::string ProgramFilePath(const std::string& folder, const std::string& file);

// Whether `name`, taken from a file, may become a file or folder name inside a folder of
// the program folder: no '/' or '\\', no control character, not "." or "..", so that it
// can never lead out of that folder. The empty name passes; callers treat it as unset.
bool IsSafeFileName(const std::string& name);
