// SPDX-License-Identifier: GPL-3.0-or-later
// The settings editor's rules for what it stores: which fields it writes
// back, how many characters its number boxes take, how a switch and a typed
// number become stored values, and what showing a configuration in the
// editor and storing it back makes of the stored bytes. Plain C++, so that
// the editor's decoder and encoder and ql310ctl, which has no widgets,
// follow the same rules.
#pragma once

#include "layout.h"
#include "packing.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ql310::image {

// The editor's boxes for a number (an MSN, an own number, a forwarding
// number, a data MSN) take at most this many characters.
inline constexpr int kNumberBoxLength = 26;

// False for the adapter's own fields (the firmware version, the country,
// the line options, whether LCR is offered): the editor shows them and never
// stores them.
bool editorStores(FieldId id);

// A switch of the line parameters (accept all MSNs, prefer 1B): ticked for
// the stored value 1 alone, stored as 1 when ticked and 0 when not.
bool switchTicked(uint16_t stored);
uint16_t switchValue(bool ticked);

// A data MSN or the data own number as the editor's box shows it: the
// stored text cut to kNumberBoxLength characters.
std::u16string dataNumberShown(std::u16string_view stored);

// A number typed into a bandwidth-on-demand box: a whole number 0..65535,
// blanks around it allowed; nullopt for anything else, which keeps the
// stored value.
std::optional<uint16_t> sixteenBitsTyped(std::u16string_view typed);

// What showing the three images in a freshly built editor and storing them
// back makes of them: the values brought into range (morning-call hour and
// minute, no-answer delay), numbers stored with empty digits after their
// end, ring types and LCR days stored as the list entry they show, a
// forwarding mode no entry shows stored as "No Forward", the switches of
// the line parameters stored as 0 or 1, the data numbers cut to their
// boxes and the analog coding taken from the adapter's line option. Every
// other byte keeps its value. The images are the caller's (2048, 1792 and
// 673 bytes), borrowed.
void passThroughEditor(uint8_t* setting, uint8_t* table, uint8_t* lineParams, const Packing& packing);

} // namespace ql310::image
