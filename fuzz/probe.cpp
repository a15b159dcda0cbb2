// SPDX-License-Identifier: GPL-3.0-or-later
extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }
