// SPDX-License-Identifier: GPL-3.0-or-later
// Places where a crash would hurt most: between the halves of a file being
// written, just before a rename, inside an open transaction. Built normally
// they are nothing at all. A build with QL310_CRASH_POINTS defined (only the
// crash tests' helper) ends the process there with SIGKILL when
// $QL310_CRASH_AT names the point, as "name" or "name#N" for its N-th pass.
#pragma once

#ifdef QL310_CRASH_POINTS
namespace ql310 {
void crashPoint(const char* name);
}
#define QL310_CRASH_POINT(name) ::ql310::crashPoint(name)
#else
#define QL310_CRASH_POINT(name) ((void)0)
#endif
