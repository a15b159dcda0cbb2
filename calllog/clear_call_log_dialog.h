// SPDX-License-Identifier: GPL-3.0-or-later
// ClearCallLogDialog, the dialog that deletes the whole call log (All) or the
// calls that started within a range of days (Range, six boxes: month, day
// and year of the first and of the last day).
#pragma once

#include "text_id.h"

#include <QDate>
#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ql310::calllog {

class CallLogStore;

class ClearCallLogDialog : public QDialog {
    Q_OBJECT

public:
    // The boxes in tab order.
    enum Box { StartMonth, StartDay, StartYear, EndMonth, EndDay, EndYear, kBoxCount };

    ClearCallLogDialog(CallLogStore& store, std::function<QString(TextId)> text, QWidget* parent = nullptr);

    QLineEdit* box(Box which) const { return m_boxes[which]; }

    // Yes is usable with All chosen, or with Range chosen while every box
    // holds a number and both years lie in 1..9999. Choosing Range takes
    // Yes away until a box changes.
    void enableYesCommand();

    // The first and the last day of the range: a day past the month's end
    // reads as the next month's first day for the first day and as the
    // month's last day for the last day. Invalid when a box is empty or the
    // year is outside 1..9999.
    QDate firstDay() const;
    QDate lastDay() const;

private:
    void chooseAll();
    void chooseRange();
    void boxChanged(Box which);
    void yes();

    CallLogStore& m_store;
    QRadioButton* m_all;
    QRadioButton* m_range;
    QLabel* m_pointLabel;
    std::array<QLineEdit*, kBoxCount> m_boxes{};
    QPushButton* m_yes;
    QPushButton* m_cancel;
    bool m_normalising = false;
};

// The number a box's text reads as: digits, optionally a sign and a decimal
// point, blanks around; false when it is no number.
bool readNumber(const QString& text, double* value);

} // namespace ql310::calllog
