#pragma once

#include <string>

// One phrase line of a remark table and the table it leads on to.
struct RemarkPhrase
{
    std::string text;
    int link = -1; // index into all tables, -1 when the chain ends here
    int line = 0;  // 1-based line of the source, for messages
};
