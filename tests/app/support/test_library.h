// Where the tests find the device library and the program.
#pragma once

#include <QString>

namespace ql310::test {

// The built device library when it carries every export, else the library
// that adds what it still lacks (see pending_exports.cpp).
QString windowTestLibrary();
// True when the built device library alone carries every export.
bool libraryComplete();

} // namespace ql310::test
