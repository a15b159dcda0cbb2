// SPDX-License-Identifier: GPL-3.0-or-later
// The library's packing operations, borrowed by the accessors. The caller
// supplies them: the program from its run-time lookups, tests from the
// linked library.
#pragma once

#include "ql310.h"

namespace ql310::image {

struct Packing {
    decltype(&QL_Xcopy) xcopy = nullptr;
    decltype(&QL_Ycopy) ycopy = nullptr;
    decltype(&QL_AndB) andB = nullptr;
    decltype(&QL_AndB_Value) andBValue = nullptr;

    bool complete() const { return xcopy && ycopy && andB && andBValue; }
};

} // namespace ql310::image
