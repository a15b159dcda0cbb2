// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Telephone numbers as people read them.

#include <string>
#include <string_view>

namespace ql310::numbers {

// `number` in the national form of `region` ("0301234567" in "DE" gives
// "030 1234567"), a number of another country in its international form;
// the dial symbols unchanged where there is no region or libphonenumber
// finds no valid number.
std::string readableNumber(std::string_view number, const std::string& region);

} // namespace ql310::numbers
