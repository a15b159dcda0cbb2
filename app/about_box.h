// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: the program's name, version and rights notice, shown
// without blocking the main window.
#pragma once

#include <QDialog>

namespace ql310 {

// The program's own version, "major.minor.revision".
QString programVersion();

class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

private:
    // Fills every caption from the text table.
    void showTexts();
};

} // namespace ql310
