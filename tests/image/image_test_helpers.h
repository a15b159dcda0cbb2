// SPDX-License-Identifier: GPL-3.0-or-later
// What the image tests share: the linked library's packing and a walk over
// every element of every field.
#pragma once

#include "layout.h"
#include "packing.h"

#include <functional>

namespace ql310::image::test {

// The packing exports of the linked libql310.so.
Packing libraryPacking();

// Calls visit for every element of every field, the ForwardActive bit map
// as one element per record.
void forEachSlot(const std::function<void(const Field&, const Slot&)>& visit);

} // namespace ql310::image::test
