// SPDX-License-Identifier: GPL-3.0-or-later
// ctlTimeSet: a time of day as hour (01..24) and minute (00..59), with a
// keystroke check, zero padding and a spinner that steps the focused box.
#pragma once

#include <QColor>
#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace ql310 {

class CtlTimeSet : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Hour READ hour WRITE setHour)
    Q_PROPERTY(QString Minute READ minute WRITE setMinute)

public:
    enum class Box { None, Hour, Minute };

    // Back colour of the box that has the focus (light cyan).
    static constexpr QRgb kFocusColour = qRgb(192, 255, 255);
    // Pause between two steps while a spinner arrow is held.
    static constexpr int kRepeatMs = 1000;

    explicit CtlTimeSet(QWidget* parent = nullptr);

    QString hour() const;
    void setHour(const QString& text);
    QString minute() const;
    void setMinute(const QString& text);

    Box activeBox() const { return m_active; }
    // True while a held arrow is waiting for its next step.
    bool isRepeating() const { return m_repeat.isActive(); }
    // Widens the control by `twips` (the editor makes room for the spinner).
    void widenByTwips(int twips);

    QLineEdit* hourBox() const { return m_hrText; }
    QLineEdit* minuteBox() const { return m_minText; }
    QToolButton* upArrow() const { return m_up; }
    QToolButton* downArrow() const { return m_down; }
    QWidget* spinner() const { return m_upDown; }

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Direction { Up, Down };

    void layOut();
    double fontScale() const;
    int scaled(int twips) const;
    int scaledHeight(int twips) const;
    void checkChange(QLineEdit* box);
    void focusIn(QLineEdit* box);
    void focusOut(QLineEdit* box);
    void arrowPressed(Direction direction);
    void arrowReleased();
    void repeatStep();
    // One spinner step; false when the step ends the spinner action.
    bool step(Direction direction);
    QString& savedText(QLineEdit* box);

    QLineEdit* m_hrText;
    QLabel* m_label1;
    QLineEdit* m_minText;
    QWidget* m_upDown;
    QToolButton* m_up;
    QToolButton* m_down;

    Box m_active = Box::None;
    QString m_savedHour;
    QString m_savedMinute;
    QColor m_savedColour;
    bool m_buttonHeld = false;
    Direction m_heldDirection = Direction::Up;
    QTimer m_repeat;
    bool m_checking = false;
    int m_extraTwips = 0;
};

// The padding rule: a number below 10 is written as "0" and its value.
QString padTimeText(const QString& text);

} // namespace ql310
