#pragma once

class QIcon;

// The program's icon: a key cap with a "T".
class ProgramIcon
{
public:
    // Drawn at the sizes window systems ask for; the icon generator makes the shipped
    // PNG files from it.
    static QIcon Create();
    // The shipped PNG files built into the program, 16 to 128 pixels, read when a size is
    // first asked for.
    static QIcon Load();
};
