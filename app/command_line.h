// SPDX-License-Identifier: GPL-3.0-or-later
// The options ql310set answers itself, before any window system starts:
// --help and --version; every other option that is not one of the toolkit's
// own (-platform, -style, ...) is refused with the usage.
#pragma once

#include <string>

namespace ql310 {

enum class StartAction { Run, Help, Version, Unknown };

// What the command line asks for; `unknown` names the first option that is
// neither the program's nor the toolkit's.
StartAction startAction(int argc, const char* const argv[], std::string& unknown);

// The short usage text, ending with a line break.
const char* usageText();

} // namespace ql310
