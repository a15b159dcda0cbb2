// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_fixture.h"

#include <QAbstractItemView>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

namespace ql310::test {

UserInteraction::Button RecordingInteraction::ask(const QString& text, const QString& title,
                                                  Icon icon, Buttons)
{
    messages.append({text, title, icon});
    return Cancel;
}

void RecordingInteraction::warn(const QString& text, const QString& title, Icon icon)
{
    messages.append({text, title, icon});
}

QString RecordingInteraction::chooseFile(const FileRequest&)
{
    return {};
}

bool RecordingInteraction::choosePrinter(QPrinter&)
{
    return false;
}

bool EditorFixture::start()
{
    m_interaction.messages.clear();
    m_window = std::make_unique<EditorWindow>();
    m_window->configureGrids({100, 600, 750, 1700, 1900, 1900, 1000});
    m_window->setupDdiFunction();
    m_window->setupEditorTexts();
    m_window->clearStatusPanels();
    m_behaviour = std::make_unique<EditorBehaviour>(*m_window, m_interaction,
                                                    [this] { return clearStatusOnTabFocus; });
    m_window->resize(1100, 800);
    m_window->show();
    return QTest::qWaitForWindowActive(m_window.get());
}

void EditorFixture::stop()
{
    m_behaviour.reset();
    m_window.reset();
}

void clickTab(EditorWindow& window, int page)
{
    QTabBar* bar = window.tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

void showPageOf(QWidget* widget)
{
    // A page's parent is the tab control's page stack.
    for (QWidget* w = widget; w && w->parentWidget(); w = w->parentWidget()) {
        auto* tabs = qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget());
        if (tabs && tabs->indexOf(w) >= 0 && tabs->currentWidget() != w)
            tabs->setCurrentWidget(w);
    }
}

void clickCell(FixedCellGrid* grid, int row, int column, Qt::MouseButton button)
{
    showPageOf(grid);
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), button, {}, grid->visualRect(index).center());
}

void chooseFromList(QComboBox* combo, const QString& entry)
{
    QTest::keyClick(combo, Qt::Key_F4);
    QAbstractItemView* list = combo->view();
    QTRY_VERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < combo->count() && list->currentIndex().data().toString() != entry; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentIndex().data().toString(), entry);
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!list->isVisible());
}

QRect placeIn(const FixedCellGrid* grid, const QWidget* widget)
{
    const QPoint topLeft = grid->viewport()->mapFromGlobal(widget->mapToGlobal(QPoint(0, 0)));
    return QRect(topLeft, widget->size());
}

} // namespace ql310::test
