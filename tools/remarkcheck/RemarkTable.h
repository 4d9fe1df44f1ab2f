#pragma once

#include "RemarkPhrase.h"

#include <string>
#include <vector>

// One table of the remark file: header, selection mode and its phrases in file order.
struct RemarkTable
{
    std::string header;
    int mode = 0;
    int group = 0; // 0 for the first group of the file
    int line = 0;  // 1-based line of the header
    std::vector<RemarkPhrase> phrases;
};
