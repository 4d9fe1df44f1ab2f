#pragma once

#include <memory>
#include <string>

// Switches the system's keyboard layout to the one a user's keyboard stands for.
// Keyboard names of more than three characters are layout identifiers, such as
// "00000407"; the keypad keyboard "NUM" is no system layout.
class KeyboardLayoutSwitcher
{
public:
    virtual ~KeyboardLayoutSwitcher();

    // Makes the layout with this identifier the active one. False when the system
    // cannot provide it (the caller tells the user and carries on with the current one).
    virtual bool ActivateLayout(const std::string& layoutId) = 0;

    // Brings back the layout that was active before the first switch. True when there
    // was nothing to bring back. The program calls it as it ends.
    virtual bool Restore() = 0;

    // The switcher for the session this process runs in.
    static std::unique_ptr<KeyboardLayoutSwitcher> ForThisSession();
};
