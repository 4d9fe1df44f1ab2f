#pragma once

#include "results/GraphModel.h"

#include <cstdint>
#include <string>

// One graph of the evaluation, ready for a graph control.
struct ResultGraph
{
    GraphModel model;
    // 0xRRGGBB.
    std::uint32_t lineColour = 0x646464;
    std::string horizontalLabel;
    std::string verticalLabel;
};
