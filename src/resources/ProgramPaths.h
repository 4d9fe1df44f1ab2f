#pragma once

#include <string>

// The program folder holds every data file, picture and sound (config, lessons,
// pictures/<set>, sounds, help). An installed program finds it as ../share/tippwerk beside
// its executable's folder, the build's installation folder is the executable's folder
// itself, and the environment variable TIPPWERK_HOME names another one over both.
// The users' files live in users/ of the program folder, except for an installed program,
// whose program folder is not the user's to write: there they live in the XDG data folder.
class ProgramPaths
{
public:
    struct Folders
    {
        std::string program; // with a trailing '/', empty when unknown
        std::string users;   // with a trailing '/', empty when unknown
        bool installed = false;
    };

    // The folders of a program whose executable lies in `executableFolder`, for the
    // environment variables TIPPWERK_HOME, XDG_DATA_HOME and HOME as given (empty when unset).
    static Folders Resolve(const std::string& executableFolder, const std::string& tippwerkHome,
                           const std::string& xdgDataHome, const std::string& home);

    // The program folder with a trailing '/', or empty when it cannot be determined.
    static std::string ProgramFolder();

    // The users folder with a trailing '/', or empty when it cannot be determined. An
    // installed program's folder is created (mode 0700) when missing.
    static std::string UsersFolder();

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
