#pragma once

#include <string>

// One phrase of a remark table and the table the remark goes on with.
struct RemarkPhrase
{
    std::string text;
    // Index into all tables; -1 when the remark ends here.
    int link = -1;
    // 1-based line in the file, for authors' messages.
    int line = 0;
};
