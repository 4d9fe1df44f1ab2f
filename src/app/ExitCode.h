#pragma once

// What the program returns when it ends other than through "&Ende".
enum ExitCode : int
{
    // The start pictures cannot be loaded.
    kExitStartPictures = 1,
    // The welcome screen's pictures (the set "standard") cannot be loaded.
    kExitWelcomePictures = 2,
    // Neither the user's picture set nor "standard" can be loaded.
    kExitPictureSet = 3,
    // "En&de" in the login of a change of user.
    kExitLoginCancelled = 3,
};
