#pragma once

#include <QString>
#include <string>

// The program's Windows-1250 text as Qt strings and back, for every window.
class ProgramText
{
public:
    static QString ToQString(const std::string& windows1250);
    // Characters without a Windows-1250 form are dropped.
    static std::string FromQString(const QString& text);
};
