#pragma once

#include "keyboard/HandPoint.h"

#include <vector>

// The outline of one finger, drawn point after point.
using FingerOutline = std::vector<HandPoint>;
