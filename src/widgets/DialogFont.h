#pragma once

#include <QFont>

class QWidget;

// The font of every dialog's controls: a 12-pixel sans face, made once on first use.
class DialogFont
{
public:
    static const QFont& Font();

    // Gives the dialog and every control it holds the dialog font.
    static void Apply(QWidget* dialog);
};
