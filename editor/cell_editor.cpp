// SPDX-License-Identifier: GPL-3.0-or-later
#include "cell_editor.h"

#include "dial_symbols.h"
#include "editor_controls.h"
#include "fixed_cell_grid.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QLineEdit>
#include <QScrollBar>

namespace ql310 {

namespace {

bool isEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Asks for the editor of a cell on a left click (opened on the release, over
// the cell pressed, which the press made current even when the grid then
// scrolled it into full view), and on F2 or Enter for the current cell, so
// that every editable cell can be reached from the keyboard too.
class OpenRequestFilter : public QObject {
public:
    OpenRequestFilter(FixedCellGrid* grid, QObject* context, std::function<void(int, int)> open)
        : QObject(context), m_grid(grid), m_open(std::move(open))
    {
        grid->installEventFilter(this);
        grid->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_grid && event->type() == QEvent::KeyPress)
            return keyPressed(static_cast<QKeyEvent*>(event));
        if (watched != m_grid->viewport())
            return false;
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            m_pressed = mouse->button() == Qt::LeftButton
                            ? QPersistentModelIndex(m_grid->indexAt(mouse->position().toPoint()))
                            : QPersistentModelIndex();
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            const QPersistentModelIndex pressed = m_pressed;
            m_pressed = QPersistentModelIndex();
            // A header cell never becomes current, but its click still runs
            // the grid's click: the open editor hides and panel 1 empties.
            if (pressed.isValid())
                m_open(pressed.row(), pressed.column());
        }
        return false;
    }

private:
    bool keyPressed(const QKeyEvent* key)
    {
        const bool typed = startsText(key);
        if (key->key() != Qt::Key_F2 && !isEnterKey(key) && !typed)
            return false;
        const int row = m_grid->currentRow();
        const int column = m_grid->currentColumn();
        if (row < 0 || column < 0)
            return false;
        m_open(row, column);
        if (!typed)
            return true;
        // A printable key opens the cell's editor as a click does and starts
        // its text; a cell that opens nothing takes nothing.
        QWidget* editor = m_grid->window()->focusWidget();
        if (!editor || editor == m_grid || !editor->isVisible())
            return false;
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->selectAll();
        QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                       ushort(key->count()));
        QCoreApplication::sendEvent(editor, &copy);
        return true;
    }

    static bool startsText(const QKeyEvent* key)
    {
        const QString text = key->text();
        return !text.isEmpty() && text.at(0).isPrint() &&
               !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    }

    FixedCellGrid* m_grid;
    std::function<void(int, int)> m_open;
    QPersistentModelIndex m_pressed;
};

// Delete on the grid itself asks to empty the current cell.
class DeleteRequestFilter : public QObject {
public:
    DeleteRequestFilter(FixedCellGrid* grid, QObject* context, std::function<void(int, int)> empty)
        : QObject(context), m_grid(grid), m_empty(std::move(empty))
    {
        grid->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_grid || event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Delete)
            return false;
        const int row = m_grid->currentRow();
        const int column = m_grid->currentColumn();
        if (row < 0 || column < 0 || m_grid->isFixedCell(row, column))
            return false;
        m_empty(row, column);
        return true;
    }

private:
    FixedCellGrid* m_grid;
    std::function<void(int, int)> m_empty;
};

} // namespace

CellEditor::CellEditor(QWidget* editor, QObject* parent)
    : QObject(parent),
      m_widget(editor),
      m_line(qobject_cast<QLineEdit*>(editor)),
      m_combo(qobject_cast<QComboBox*>(editor))
{
    Q_ASSERT(m_line || m_combo);
    if (m_line)
        connect(m_line, &QLineEdit::textEdited, this, &CellEditor::userEdit);
    if (m_combo)
        connect(m_combo, &QComboBox::activated, this,
                [this](int index) { userEdit(m_combo->itemText(index)); });
    m_widget->installEventFilter(this);
}

bool CellEditor::isOpen() const
{
    return m_grid && !m_widget->isHidden();
}

void CellEditor::open(FixedCellGrid* grid, int row, int column)
{
    if (grid != m_grid) {
        disconnect(m_cellWatch);
        m_cellWatch = connect(grid->model(), &QAbstractItemModel::dataChanged, this,
                              &CellEditor::cellsChanged);
    }
    m_grid = grid;
    m_row = row;
    m_column = column;
    m_dialSymbolsOnly = m_line && holdsDialDigits(*grid, column);

    // A half-hidden cell comes into view first: the grid would otherwise
    // scroll it there a moment after the click and close the editor.
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    const QRect cell = grid->visualRect(index);
    QWidget* viewport = grid->viewport();
    QWidget* parent = m_widget->parentWidget();
    const QPoint topLeft =
        parent == viewport ? cell.topLeft() : parent->mapFromGlobal(viewport->mapToGlobal(cell.topLeft()));
    // A text box covers the cell; a combo keeps its own height.
    const int height = m_line ? cell.height() : m_widget->sizeHint().height();
    m_widget->setGeometry(topLeft.x(), topLeft.y(), cell.width(), height);

    setText(grid->cellText(row, column));
    // A screen reader names the editor by the cell's column.
    m_widget->setAccessibleName(grid->model()->headerData(column, Qt::Horizontal).toString());
    // What Escape brings back: the row as it was (a choice may change more
    // than its own cell).
    m_rowBefore.clear();
    for (int c = 0; c < grid->columnCount(); ++c)
        m_rowBefore.append(grid->cellText(row, c));
    m_widget->show();
    m_widget->raise();
    m_widget->setFocus(Qt::OtherFocusReason);
}

void CellEditor::hide()
{
    if (m_widget->isHidden())
        return;
    if (m_widget->hasFocus() && m_grid)
        m_grid->setFocus(Qt::OtherFocusReason);
    m_widget->hide();
}

QString CellEditor::text() const
{
    return m_line ? m_line->text() : m_combo->currentText();
}

void CellEditor::setText(const QString& text)
{
    if (m_line)
        m_line->setText(text);
    else
        showInCombo(m_combo, text);
}

void CellEditor::userEdit(const QString& typed)
{
    if (!isOpen())
        return;
    const QString text = m_dialSymbolsOnly ? cutToDialSymbols(m_line, typed) : typed;
    if (m_writesBack)
        m_grid->setCellText(m_row, m_column, text);
    emit edited(text);
}

void CellEditor::emptyCell(FixedCellGrid* grid, int row, int column)
{
    if (grid->cellText(row, column).isEmpty())
        return;
    grid->setCellText(row, column, QString());
    emit emptied();
}

void CellEditor::cellsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    if (!isOpen() || m_row < topLeft.row() || m_row > bottomRight.row() ||
        m_column < topLeft.column() || m_column > bottomRight.column())
        return;
    const QString cell = m_grid->cellText(m_row, m_column);
    if (cell != text())
        setText(cell);
}

void CellEditor::commitAndMoveDown()
{
    hide();
    // The next row's cell of the same column becomes current, as in a
    // spreadsheet; the grid keeps the focus.
    if (m_grid && m_row + 1 < m_grid->rowCount())
        m_grid->setCurrentCell(m_row + 1, m_column);
}

void CellEditor::cancel()
{
    if (m_grid && m_rowBefore.size() == m_grid->columnCount())
        for (int c = 0; c < m_rowBefore.size(); ++c)
            if (m_grid->cellText(m_row, c) != m_rowBefore[c])
                m_grid->setCellText(m_row, c, m_rowBefore[c]);
    hide();
}

bool CellEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_widget || event->type() != QEvent::KeyPress)
        return false;
    if (isEnterKey(event)) {
        commitAndMoveDown();
        return true;
    }
    if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        cancel();
        return true;
    }
    return false;
}

void onCellOpenRequest(FixedCellGrid* grid, QObject* context, std::function<void(int, int)> open)
{
    new OpenRequestFilter(grid, context, std::move(open));
}

void onCellDeleteRequest(FixedCellGrid* grid, QObject* context, std::function<void(int, int)> empty)
{
    new DeleteRequestFilter(grid, context, std::move(empty));
}

void onGridScrolled(FixedCellGrid* grid, QObject* context, std::function<void()> scrolled)
{
    for (QScrollBar* bar : {grid->horizontalScrollBar(), grid->verticalScrollBar()})
        QObject::connect(bar, &QScrollBar::valueChanged, context, [scrolled] { scrolled(); });
}

} // namespace ql310
