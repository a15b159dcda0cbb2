// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether two telephone numbers name the same line.

#include <string>
#include <string_view>

namespace ql310::numbers {

// The dial symbols 0-9, * and # of a text, in order; everything else dropped.
std::string dialSymbols(std::string_view text);

// True when a and b name the same line for an adapter in region: libphonenumber
// finds an exact or a national-number match ("030 1234567", "+49 30 1234567"
// and "0049301234567" in "DE"); a match of the local part alone does not
// count. With no region, or where a number cannot be parsed, only equal dial
// symbols count. A text without a digit (the adapter's "*****" for a hidden
// number, an empty cell) never matches.
bool sameLine(std::string_view a, std::string_view b, const std::string& region);

} // namespace ql310::numbers
