#include "KeyboardCharacters.h"

#include "resources/TextCodec.h"

namespace {

std::string PrintableAscii()
{
    std::string s;
    for (char c = 0x20; c < 0x7F; ++c) {
        s += c;
    }
    return s;
}

} // namespace

std::string KeyboardCharacters::For(const std::string& keyboardName)
{
    const std::string enter = "\xA4";
    if (keyboardName == "00000407") {
        // Besides ASCII: the umlaut and top-row keys, AltGr's € and µ, and what the dead
        // keys ^ and ´ compose that Windows-1250 holds (it lacks ê û and every grave).
        return PrintableAscii() + enter + TextCodec::FromUtf8("äöüÄÖÜß§°´€µâîôÂÎÔáéíóúýÁÉÍÓÚÝ");
    }
    if (keyboardName == "00000409") {
        // Its keyboard file writes the colon as '~' in the Shift field, so the tilde
        // above the backtick cannot be described.
        std::string ascii = PrintableAscii();
        ascii.erase(ascii.find('~'), 1);
        return ascii + enter;
    }
    if (keyboardName == "NUM") {
        return "0123456789,+-*/" + enter;
    }
    return {};
}

std::string KeyboardCharacters::Implicit(const std::string& keyboardName)
{
    return keyboardName == "NUM" ? std::string("\xA4") : std::string(" \xA4");
}
