#pragma once

#include <QString>

// Texts for labels: string-table entries and other stored texts carry Windows line ends.
class DialogText
{
public:
    // The string-table entry `id` ready for a label; empty for an unknown id.
    static QString FromTable(int id);

    // CR LF and lone CR become LF, the line end labels understand.
    static QString ForLabel(QString text);

    // A file-dialog filter of the string table ("text|patterns|...||") in Qt's syntax:
    // "text (patterns);;...", with "*.*" written as "*".
    static QString FileFilter(int id);
};
