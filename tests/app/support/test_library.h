// SPDX-License-Identifier: GPL-3.0-or-later
// Where the tests find the device library and the program.
#pragma once

#include "editor_window.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QTemporaryDir;

namespace ql310 {
class LibraryBinding;
}

namespace ql310::test {

// Puts the user settings, the call-log data directory and the runtime
// directory of a window test into `home`, and bounds the wait for the
// adapter to 2 s.
void useTemporaryHome(const QTemporaryDir& home);
// The device library for a window test; a failure to bind it fails the
// running test.
std::unique_ptr<LibraryBinding> boundTestLibrary();

// The whole content of the file at `path`; empty when it cannot be read.
QByteArray readAll(const QString& path);
// Replaces the file at `path` by `bytes`; false when that failed.
bool writeAll(const QString& path, const QByteArray& bytes);

// The control `name` (element `index` of an array) of `window`; a missing
// control ends the test program.
template <class Widget>
Widget* controlOf(const QObject& window, const char* name, int index = -1)
{
    auto* widget = window.findChild<Widget*>(controlName(name, index));
    if (!widget)
        qFatal("missing control %s", qPrintable(controlName(name, index)));
    return widget;
}

// The built device library when it carries every export, else the library
// that adds what it still lacks (see pending_exports.cpp).
QString windowTestLibrary();
// True when the built device library alone carries every export.
bool libraryComplete();

} // namespace ql310::test
