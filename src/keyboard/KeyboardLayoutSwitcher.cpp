#include "keyboard/KeyboardLayoutSwitcher.h"

#include "keyboard/PosixProgramRunner.h"
#include "keyboard/XkbLayoutSwitcher.h"

#include <cstdlib>

KeyboardLayoutSwitcher::~KeyboardLayoutSwitcher() = default;

std::unique_ptr<KeyboardLayoutSwitcher> KeyboardLayoutSwitcher::ForThisSession()
{
    // Without an X display (a Wayland session without Xwayland, a console) there is
    // nothing setxkbmap could switch.
    const char* display = std::getenv("DISPLAY");
    return std::make_unique<XkbLayoutSwitcher>(std::make_unique<PosixProgramRunner>(),
                                               display ? std::string(display) : std::string());
}
