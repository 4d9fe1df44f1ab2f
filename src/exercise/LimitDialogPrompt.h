#pragma once

#include "exercise/LimitValues.h"

// The free-text limit dialog as the text import sees it: the window in the program,
// a scripted answer in tests.
class LimitDialogPrompt
{
public:
    virtual ~LimitDialogPrompt() = default;

    // Shows `values` for editing. True when the user confirms; `values` then holds
    // the accepted entries (the dialog refuses values out of range and stays open).
    virtual bool Edit(LimitValues& values) = 0;
};
