#pragma once

class QIcon;

// The program's icon: a key cap with a "T", drawn at the sizes window systems ask for.
class ProgramIcon
{
public:
    static QIcon Create();
};
