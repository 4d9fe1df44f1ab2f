#pragma once

#include <QColor>

// The colours of the keyboard view.
namespace ViewColours {

// Key faces and the gauge labels.
inline QColor KeyFace()
{
    return QColor(220, 220, 220);
}
// Keyboard surround, shifted and AltGr labels, a good gauge, typed text.
inline QColor Grey()
{
    return QColor(100, 100, 100);
}
// A bad gauge and the error marks.
inline QColor Red()
{
    return QColor(200, 20, 20);
}
inline QColor Black()
{
    return QColor(0, 0, 0);
}
inline QColor White()
{
    return QColor(255, 255, 255);
}

} // namespace ViewColours
