// SPDX-License-Identifier: GPL-3.0-or-later
// A shown, active editor window with its editing behaviour, for tests that
// drive it with real mouse and key events.
#pragma once

#include "editor_behaviour.h"
#include "editor_window.h"
#include "fixed_cell_grid.h"
#include "interaction.h"

#include <QComboBox>
#include <QList>
#include <QString>

#include <memory>

namespace ql310::test {

// Records every message; questions are answered with Cancel.
class RecordingInteraction : public UserInteraction {
public:
    struct Message {
        QString text;
        QString title;
        Icon icon;
    };

    Button ask(const QString& text, const QString& title, Icon icon, Buttons buttons) override;
    void warn(const QString& text, const QString& title, Icon icon) override;
    QString chooseFile(const FileRequest& request) override;
    bool choosePrinter(QPrinter& printer) override;

    QList<Message> messages;
};

// A click on the page tab `page`, as the user changes pages.
void clickTab(EditorWindow& window, int page);
// Shows the page (and inner page) that holds `widget`, without a click.
void showPageOf(QWidget* widget);
// Shows the page of `grid` and clicks its cell with `button`.
void clickCell(FixedCellGrid* grid, int row, int column, Qt::MouseButton button = Qt::LeftButton);
// Picks `entry` from the combo's list with the keyboard: F4 opens the list,
// the arrow keys walk to the entry, Enter chooses it (one choice, no steps
// between).
void chooseFromList(QComboBox* combo, const QString& entry);
// Where `widget` lies inside `grid`'s viewport.
QRect placeIn(const FixedCellGrid* grid, const QWidget* widget);

class EditorFixture {
public:
    // Builds, sets up and shows the window; false when it did not become active.
    bool start();
    void stop();

    EditorWindow& window() { return *m_window; }
    EditorBehaviour& behaviour() { return *m_behaviour; }
    RecordingInteraction& interaction() { return m_interaction; }
    FixedCellGrid* grid(const char* name) { return m_window->grid(name); }
    QString help() const { return m_window->statusPanel(1); }

    template <class Widget>
    Widget* control(const char* name, int index = -1)
    {
        return m_window->findChild<Widget*>(controlName(name, index));
    }

    bool clearStatusOnTabFocus = false;

private:
    RecordingInteraction m_interaction;
    std::unique_ptr<EditorWindow> m_window;
    std::unique_ptr<EditorBehaviour> m_behaviour;
};

} // namespace ql310::test
