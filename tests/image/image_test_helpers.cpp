// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_test_helpers.h"

namespace ql310::image::test {

Packing libraryPacking()
{
    Packing packing;
    packing.xcopy = &QL_Xcopy;
    packing.ycopy = &QL_Ycopy;
    packing.andB = &QL_AndB;
    packing.andBValue = &QL_AndB_Value;
    return packing;
}

void forEachSlot(const std::function<void(const Field&, const Slot&)>& visit)
{
    for (const Field& f : kFields) {
        if (f.id == FieldId::ForwardActive) {
            for (int i = 0; i < kPhoneBookRecords; ++i)
                visit(f, phoneBookSlots(i).forwardActive);
            continue;
        }
        for (int a = 0; a < f.outerCount; ++a)
            for (int b = 0; b < f.innerCount; ++b)
                visit(f, slot(f.id, a, b));
    }
}

} // namespace ql310::image::test
