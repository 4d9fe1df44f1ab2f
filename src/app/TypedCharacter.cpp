#include "app/TypedCharacter.h"

#include "resources/TextCodec.h"

#include <QString>

int TypedCharacter::FromKey(int key, const QString& text)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return 13;
    if (text.size() != 1)
        return -1; // nothing, or a character beyond the basic plane
    const char16_t unit = text.at(0).unicode();
    if (unit < 0x20 || unit == 0x7F)
        return -1;
    return TextCodec::ByteForCodePoint(unit);
}
