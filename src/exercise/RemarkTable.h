#pragma once

#include "exercise/RemarkPhrase.h"

#include <string>
#include <vector>

// One table of the remark file: its header (the group name), how it picks a phrase and
// its phrases in file order.
struct RemarkTable
{
    std::string header;
    int mode = 0;
    // 0 for the first group of the file.
    int group = 0;
    // 1-based line of the header.
    int line = 0;
    std::vector<RemarkPhrase> phrases;
};
