#pragma once

#include "keyboard/KeyboardLayoutSwitcher.h"
#include "keyboard/ProgramRunner.h"

#include <memory>
#include <string>

// Switches the X server's keyboard layout with setxkbmap and brings the user's own
// layout back at the end. Where no switch is possible (no X display, no setxkbmap,
// a server that does not answer) the program works with the user's layout, so a
// known identifier still succeeds; an unknown identifier always fails.
class XkbLayoutSwitcher : public KeyboardLayoutSwitcher
{
public:
    // `display` is the X display of this process (DISPLAY); empty when there is none.
    XkbLayoutSwitcher(std::unique_ptr<ProgramRunner> runner, std::string display);
    // Restores the previous layout if Restore() was not called.
    ~XkbLayoutSwitcher() override;

    XkbLayoutSwitcher(const XkbLayoutSwitcher&) = delete;
    XkbLayoutSwitcher& operator=(const XkbLayoutSwitcher&) = delete;

    bool ActivateLayout(const std::string& layoutId) override;
    bool Restore() override;

    // The XKB layout for a layout identifier ("00000407" gives "de"); empty when the
    // program does not know the identifier.
    static std::string XkbLayoutFor(const std::string& layoutId);

private:
    struct XkbState
    {
        std::string layout;
        std::string variant;
    };

    // Asks the server for its layout. False when that is not possible.
    bool QueryState(XkbState& state);

    std::unique_ptr<ProgramRunner> m_runner;
    bool m_canSwitch;
    bool m_haveOriginal = false;
    XkbState m_original;
    bool m_switched = false;
};
