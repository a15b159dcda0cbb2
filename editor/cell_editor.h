// SPDX-License-Identifier: GPL-3.0-or-later
// One of the grids' hidden in-place editors: a text box or a pick-only combo
// that is laid over one cell at a time, shows that cell's text and writes
// every change by the user straight back into the cell. Enter hides it and
// makes the cell below current; Escape hides it and gives the row back the
// texts it had when the editor opened.
//
// The editor stays bound to the cell it was opened over until it is opened
// again, so a later change of the grid's current cell never makes it write
// into a cell it does not show. When something else changes that cell (a
// read from the adapter, a loaded file, a deleted entry) the open editor
// shows the new text.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QComboBox;
class QModelIndex;
class QLineEdit;
class QWidget;

namespace ql310 {

class FixedCellGrid;

class CellEditor : public QObject {
    Q_OBJECT

public:
    // `editor` is a QLineEdit or a QComboBox; it keeps its parent.
    explicit CellEditor(QWidget* editor, QObject* parent = nullptr);

    QWidget* widget() const { return m_widget; }
    bool isOpen() const;
    // The cell the editor was last opened over (null grid: never opened).
    FixedCellGrid* grid() const { return m_grid; }
    int row() const { return m_row; }
    int column() const { return m_column; }

    // Lays the editor over the cell, copies the cell's text into it, shows
    // it and gives it the keyboard focus.
    void open(FixedCellGrid* grid, int row, int column);
    // Hides the editor; the cell keeps what was written. The focus, if the
    // editor had it, goes back to the grid.
    void hide();

    QString text() const;
    // Sets the editor's text without writing into any cell. A combo shows a
    // text that is not in its list with no entry chosen.
    void setText(const QString& text);

    // Empties the cell as the user's edit (the Delete key on the grid); an
    // editor open over that cell shows the empty text.
    void emptyCell(FixedCellGrid* grid, int row, int column);

    // True while the cell the text box is open over holds packed dial
    // digits: the user's changes are cut to dial symbols first.
    bool takesDialSymbolsOnly() const { return m_dialSymbolsOnly; }

    // By default a change by the user is written into the cell; an owner
    // with its own rule turns that off and handles edited() itself.
    void setWritesBack(bool writesBack) { m_writesBack = writesBack; }

signals:
    // The user typed into the text box or chose a list entry.
    void edited(const QString& text);
    // The user emptied a cell that this editor edits.
    void emptied();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void userEdit(const QString& text);
    void commitAndMoveDown();
    void cancel();
    void cellsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);

    QWidget* m_widget;
    QLineEdit* m_line = nullptr;
    QComboBox* m_combo = nullptr;
    FixedCellGrid* m_grid = nullptr;
    int m_row = -1;
    int m_column = -1;
    bool m_writesBack = true;
    bool m_dialSymbolsOnly = false;
    QMetaObject::Connection m_cellWatch;
    QStringList m_rowBefore;
};

// Runs `open(row, column)` when the user clicks a cell of `grid` with the
// left button (on the release, for the cell pressed; header cells too, so
// that the grid's click hides its editors), or presses F2, Enter or a
// printable key on the grid's current cell. `open` decides which cells get
// an editor; a printable key then goes to the editor that opened, starting
// its text.
void onCellOpenRequest(FixedCellGrid* grid, QObject* context,
                       std::function<void(int row, int column)> open);

// Runs `empty(row, column)` when the user presses Delete on the grid's
// current cell (not on an open editor, which deletes in its own text).
// Header cells never ask.
void onCellDeleteRequest(FixedCellGrid* grid, QObject* context,
                         std::function<void(int row, int column)> empty);

// Runs `scrolled()` whenever either scroll bar of `grid` moves.
void onGridScrolled(FixedCellGrid* grid, QObject* context, std::function<void()> scrolled);

} // namespace ql310
