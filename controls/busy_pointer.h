// SPDX-License-Identifier: GPL-3.0-or-later
// The busy pointer for as long as the guard lives.
#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace ql310 {

class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace ql310
