// SPDX-License-Identifier: GPL-3.0-or-later
// How the desktop knows the program: its application id, which names the
// desktop entry and ties the windows to it in the task bar, and its icon,
// the scalable picture of the desktop entry built into the program.
#pragma once

#include <QIcon>

namespace ql310 {

// The reverse-DNS application id: the desktop entry is "<id>.desktop".
inline constexpr const char* kDesktopFileName = "org.ql310set.ql310set";

// The program's icon, drawn from its scalable picture at the sizes a
// desktop asks for; null only when the picture cannot be read.
QIcon programIcon();

// Gives the running application its desktop file name and window icon.
void applyDesktopIdentity();

} // namespace ql310
