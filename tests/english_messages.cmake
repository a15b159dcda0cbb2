# SPDX-License-Identifier: GPL-3.0-or-later
# Read by ctest before it runs any test: the programs the tests start speak
# English whatever the machine's locale (LANGUAGE=en picks English before any
# translation and leaves the character set as it is). A test of another
# language sets LANGUAGE itself.
set(ENV{LANGUAGE} en)
