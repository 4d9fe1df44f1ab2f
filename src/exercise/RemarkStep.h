#pragma once

#include <string>

// One table visited while a remark is made (for the authors' checker).
struct RemarkStep
{
    int table = -1;
    // -1 when the table has no phrases.
    int phrase = -1;
    // The value that picked the phrase, after the cap at 99.
    int value = 0;
    // False when a key-list table met an empty list and added nothing.
    bool appended = false;
    // What this table added: phrase, blank and key list.
    std::string segment;
};
