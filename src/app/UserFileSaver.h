#pragma once

#include <QString>

class UserProfile;
struct UserSaveResult;
class QWidget;

// Saves the logged-in user into the users folder and says so when that fails: once per
// failure, and again only after a save there has succeeded in between. The changes stay
// marked, so the next save tries again.
class UserFileSaver
{
public:
    // Saves the profile if it changed; a failure is shown over `parent` (no parent: a box
    // of its own). False when the user's files could not be written.
    static bool SaveCurrentUser(UserProfile& profile, QWidget* parent);

    // The note for a failed save: the file and the system's reason.
    static QString FailureText(const UserSaveResult& result);
};
