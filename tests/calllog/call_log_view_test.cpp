// SPDX-License-Identifier: GPL-3.0-or-later
// The call-log grid (colours, direction texts, calls in progress, sorting,
// printing) and the clear dialog's box rules, over a real store.
#include "call_log_grid.h"
#include "call_log_printing.h"
#include "call_log_store.h"
#include "clear_call_log_dialog.h"
#include "frozen_cells.h"
#include "theme_colours.h"

#include <QBrush>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace ql310::calllog;

namespace {

QString texts(ql310::TextId id)
{
    switch (ql310::textNumber(id)) {
    case 384: return QStringLiteral(" IN");
    case 385: return QStringLiteral("OUT");
    case 387: return QStringLiteral("&Clear");
    case 390: return QStringLiteral("  Month  / Day  /  Year      -->   Month  /  Day   / Year");
    default: return QStringLiteral("text %1").arg(ql310::textNumber(id));
    }
}

LogRow call(const QString& number, const QDate& day, const QTime& start, bool out = false)
{
    LogRow row;
    row.port = QStringLiteral("Port1");
    row.inOut = out;
    row.phoneNumber = number;
    row.startDate = day;
    row.startTime = start;
    row.endDate = day;
    row.endTime = start.addSecs(60);
    return row;
}

int pdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}

} // namespace

class CallLogViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CallLogStore> m_store;
    std::unique_ptr<CallLogGrid> m_grid;

    CallLogModel& model() { return *m_grid->callLogModel(); }
    void show() { model().bind(m_store.get()); }
    QStringList column(int c)
    {
        QStringList cells;
        for (int row = 0; row < model().rowCount(); ++row)
            cells << model().cellText(row, c);
        return cells;
    }
    int printedPages(int calls)
    {
        for (int i = 0; i < calls; ++i)
            m_store->insertLog(call(QString::number(i), QDate(2026, 1, 1), QTime(0, 0).addSecs(i)));
        show();
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = m_dir->filePath(QStringLiteral("log%1.pdf").arg(calls));
        printer.setOutputFileName(path);
        const int printed = printCallLog(*m_grid, printer);
        const int inFile = pdfPages(path);
        return printed == inFile ? printed : -1;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = std::make_unique<CallLogStore>(m_dir->path());
        QVERIFY(m_store->ensureFiles());
        m_grid = std::make_unique<CallLogGrid>();
        model().setTexts(texts);
    }
    void cleanup()
    {
        m_grid.reset();
        m_store.reset();
    }

    // The grid's rows
    void rowsShowDirectionColourAndCallsInProgress()
    {
        LogRow out = call(QStringLiteral("1"), QDate(2026, 3, 1), QTime(9, 0), true);
        LogRow in = call(QStringLiteral("2"), QDate(2026, 3, 1), QTime(10, 0));
        LogRow open = call(QStringLiteral("3"), QDate(2026, 3, 1), QTime(11, 0), true);
        open.recording = true;
        LogRow lost = call(QStringLiteral("4"), QDate(2026, 3, 1), QTime(12, 0), true);
        for (const LogRow& row : {out, in, open, lost})
            QVERIFY(m_store->insertLog(row));
        const qint64 lostIndex = m_store->callFlags().last().index;
        QVERIFY(m_store->markLost(lostIndex));
        show();
        QCOMPARE(model().rowCount(), 4);
        QCOMPARE(column(1), (QStringList{"OUT", " IN", "OUT", "OUT"}));
        auto colour = [&](int row) {
            return model().index(row, 3).data(Qt::ForegroundRole).value<QBrush>().color();
        };
        QCOMPARE(colour(0), QColor(255, 0, 0));
        QCOMPARE(colour(1), QColor(0, 0, 255));
        QCOMPARE(colour(3), QColor(255, 192, 192));
        QCOMPARE(model().index(0, 1).data(Qt::BackgroundRole), model().index(0, 0).data(Qt::BackgroundRole));
        QVERIFY(!model().index(0, 2).data(Qt::BackgroundRole).isValid());
        // In progress: no start or end shown, the duration up to the fetch.
        QCOMPARE(model().cellText(2, 4), QStringLiteral("-----"));
        QCOMPARE(model().cellText(2, 5), QStringLiteral("-----"));
        QCOMPARE(model().cellText(2, 6), QStringLiteral("00:01:00"));
        QCOMPARE(model().cellText(1, 4), QStringLiteral(" 10:00:00  03 / 01 / 2026 "));
        QCOMPARE(model().headerData(1, Qt::Horizontal).toString(), QStringLiteral("text 406"));
        QCOMPARE(model().headerData(6, Qt::Horizontal).toString(), QStringLiteral("text 383"));
        QVERIFY(m_grid->isColumnHidden(CallLogModel::kIndexColumn));
    }
    void lostCallsCarryAnIconAndAreTheFaintestReadableRowsInADarkPalette()
    {
        LogRow out = call(QStringLiteral("1"), QDate(2026, 3, 1), QTime(9, 0), true);
        LogRow in = call(QStringLiteral("2"), QDate(2026, 3, 1), QTime(10, 0));
        LogRow lost = call(QStringLiteral("3"), QDate(2026, 3, 1), QTime(11, 0));
        for (const LogRow& row : {out, in, lost})
            QVERIFY(m_store->insertLog(row));
        QVERIFY(m_store->markLost(m_store->callFlags().last().index));
        show();
        // Without colour: an icon and the tool tip "Lost" in the In/Out cell.
        for (int row = 0; row < 3; ++row) {
            const bool isLost = row == 2;
            QCOMPARE(model().index(row, CallLogModel::kInOutColumn).data(Qt::DecorationRole).isValid(), isLost);
            QCOMPARE(model().index(row, CallLogModel::kInOutColumn).data(Qt::ToolTipRole).toString(),
                     isLost ? QStringLiteral("Lost") : QString());
            QVERIFY(!model().index(row, 3).data(Qt::DecorationRole).isValid());
        }
        QVERIFY(!model().index(2, 1).data(Qt::DecorationRole).value<QIcon>().isNull());

        QPalette dark;
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            dark.setColor(group, QPalette::Base, QColor(30, 30, 30));
            dark.setColor(group, QPalette::Text, QColor(230, 230, 230));
            dark.setColor(group, QPalette::Button, QColor(50, 50, 50));
            dark.setColor(group, QPalette::ButtonText, QColor(230, 230, 230));
        }
        m_grid->setPalette(dark);
        for (int column : {1, 3}) {
            const QColor background = column == 1 ? QColor(50, 50, 50) : QColor(30, 30, 30);
            auto contrast = [&](int row) {
                const QColor text = model().index(row, column).data(Qt::ForegroundRole).value<QBrush>().color();
                return ql310::theme::contrastRatio(text, background);
            };
            QVERIFY(contrast(2) >= ql310::theme::kMinimumContrast);
            QVERIFY2(contrast(2) < contrast(0) && contrast(2) < contrast(1),
                     qPrintable(QStringLiteral("%1 %2 %3").arg(contrast(0)).arg(contrast(1)).arg(contrast(2))));
        }
        QVERIFY(!model().index(2, 1).data(Qt::DecorationRole).value<QIcon>().isNull());
    }
    void anEmptyLogHasOnlyTheHeaderRow()
    {
        show();
        QCOMPARE(model().rowCount(), 0);
        QCOMPARE(printedPages(0), 1);
    }
    void rowsBeyondTheFirstBlocksAreFormattedWhenAskedFor()
    {
        const int calls = 3 * CallLogModel::kBlockRows + 5;
        for (int i = 0; i < calls; ++i)
            m_store->insertLog(call(QString::number(i), QDate(2026, 1, 1), QTime(0, 0).addSecs(i)));
        show();
        QCOMPARE(model().rowCount(), calls);
        QCOMPARE(model().cellText(calls - 1, 3), QString::number(calls - 1));
        QCOMPARE(model().cellText(CallLogModel::kBlockRows, 3), QString::number(CallLogModel::kBlockRows));
        QCOMPARE(model().cellText(0, 3), QStringLiteral("0"));
    }

    void theRowHeaderColumnHoldsOnlyTheRowsInViewWhereverTheGridScrolls()
    {
        const int calls = 2000;
        QVERIFY(m_store->beginLogTransaction());
        for (int i = 0; i < calls; ++i)
            m_store->insertLog(call(QString::number(i), QDate(2026, 1, 1), QTime(0, 0).addSecs(i)));
        QVERIFY(m_store->commitLogTransaction());
        m_grid->resize(400, 300);
        m_grid->show();
        show();
        QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
        ql310::FrozenCells* frozen = m_grid->frozenCells();
        QTRY_VERIFY(frozen->columnsView() != nullptr);
        QScrollBar* down = m_grid->verticalScrollBar();
        const int x = frozen->frozenWidth() / 2;
        QVERIFY(x > 0 && down->maximum() > 0);
        for (int value : {0, 7, down->maximum() / 2 + 5, down->maximum() - 3, down->maximum()}) {
            down->setValue(value);
            QCoreApplication::processEvents();
            QVERIFY(frozen->columnsView()->model()->rowCount() < 40);
            QCOMPARE(m_grid->topRow(), value);
            // The cell drawn at each height is the grid's row there (below
            // the last call, none).
            for (int y = 0; y < m_grid->viewport()->height(); y += 3) {
                const QModelIndex cell = m_grid->indexAt(QPoint(x, y));
                QCOMPARE(cell.row(), m_grid->rowAt(y));
                QCOMPARE(cell.column(), cell.isValid() ? 0 : -1);
                QVERIFY(cell.isValid() || value == down->maximum());
            }
        }
    }

    // The grid holds a window of the log: the current cell, the keys and
    // the selection work on the log's rows wherever it scrolled.
    void theCurrentCellAndSelectionAreTheLogsWhereverTheGridScrolls()
    {
        const int calls = 2000;
        QVERIFY(m_store->beginLogTransaction());
        for (int i = 0; i < calls; ++i)
            m_store->insertLog(call(QString::number(i), QDate(2026, 1, 1), QTime(0, 0).addSecs(i)));
        QVERIFY(m_store->commitLogTransaction());
        m_grid->resize(400, 300);
        m_grid->show();
        show();
        QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
        QScrollBar* down = m_grid->verticalScrollBar();
        const int whole = down->pageStep();
        QCOMPARE(down->maximum(), calls - whole);
        QVERIFY(m_grid->model()->rowCount() <= whole + 1);

        // Reached without a current cell, the first key makes the top call
        // current, and the cursor never goes under the row-header column.
        m_grid->selectionModel()->clearCurrentIndex();
        QVERIFY(!m_grid->currentCall().isValid());
        down->setValue(500);
        QTest::keyClick(m_grid.get(), Qt::Key_Down);
        QCOMPARE(m_grid->currentCall(), model().index(500, 1));
        QTest::keyClick(m_grid.get(), Qt::Key_Left);
        QTest::keyClick(m_grid.get(), Qt::Key_Home);
        QCOMPARE(m_grid->currentCall(), model().index(500, 1));
        down->setValue(0);

        // A click on the third row, then the bar far down: the cell stays current.
        const QModelIndex third = m_grid->model()->index(2, 3);
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, m_grid->visualRect(third).center());
        QCOMPARE(m_grid->currentCall(), model().index(2, 3));
        down->setValue(1000);
        QCOMPARE(m_grid->topRow(), 1000);
        QCOMPARE(m_grid->accessibleDescription(), QStringLiteral("Calls %L1 to %L2 of %L3")
                                                       .arg(1001).arg(1000 + whole).arg(calls));
        QCOMPARE(m_grid->model()->index(0, 3).data().toString(), QStringLiteral("1000"));
        QVERIFY(!m_grid->currentIndex().isValid());
        QVERIFY(!m_grid->selectionModel()->hasSelection());
        QCOMPARE(m_grid->currentCall(), model().index(2, 3));
        // A key moves on from that cell and brings it into view.
        QTest::keyClick(m_grid.get(), Qt::Key_Down);
        QCOMPARE(m_grid->currentCall(), model().index(3, 3));
        QVERIFY(m_grid->topRow() <= 3);
        QCOMPARE(m_grid->currentIndex().data().toString(), QStringLiteral("3"));
        QTest::keyClick(m_grid.get(), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(m_grid->currentCall().row(), calls - 1);
        QCOMPARE(m_grid->topRow(), down->maximum());
        QTest::keyClick(m_grid.get(), Qt::Key_PageUp);
        QCOMPARE(m_grid->currentCall().row(), calls - 1 - whole);
        QCOMPARE(m_grid->callIndex(m_grid->currentIndex()), m_grid->currentCall());
        // Shift+click far up extends from there, over rows never in view.
        const int from = calls - 1 - whole;
        const int column = m_grid->currentCall().column();
        down->setValue(0);
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          m_grid->visualRect(m_grid->model()->index(1, 3)).center());
        QCOMPARE(m_grid->selectedCalls(), (QList<QRect>{QRect(QPoint(3, 1), QPoint(column, from))}));
        QTest::keyClick(m_grid.get(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(m_grid->selectedCalls(), (QList<QRect>{QRect(QPoint(3, 2), QPoint(column, from))}));
        down->setValue(900);
        QVERIFY(m_grid->selectionModel()->isSelected(m_grid->model()->index(0, 3)));
        QVERIFY(!m_grid->selectionModel()->isSelected(m_grid->model()->index(0, 2)));
        down->setValue(from);
        QVERIFY(m_grid->selectionModel()->isSelected(m_grid->model()->index(0, 3)));
        QVERIFY(!m_grid->selectionModel()->isSelected(m_grid->model()->index(1, 3)));

        // A press on the header row selects the column in the whole log;
        // a sort then goes by it, wherever the grid stands.
        const QHeaderView* header = m_grid->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(6) + 4, header->height() / 2));
        QCOMPARE(m_grid->selectedCalls(), (QList<QRect>{QRect(6, 0, 1, calls)}));
        down->setValue(0);
        QVERIFY(m_grid->selectionModel()->isSelected(m_grid->model()->index(0, 6)));
        QCOMPARE(m_grid->sortColumns(), QVector<int>{6});
        m_grid->selectAll();
        QCOMPARE(m_grid->selectedCalls().value(0).height(), calls);

        // Other calls (a filter) are shown from their first, nothing selected.
        down->setValue(700);
        model().setCondition({QStringLiteral("PhoneNumber < ?"), {QStringLiteral("2")}});
        QVERIFY(m_grid->selectedCalls().isEmpty());
        QCOMPARE(m_grid->topRow(), 0);
        QCOMPARE(down->maximum(), qMax(model().rowCount() - whole, 0));
    }

    // A filter and new calls tell the grid only the rows that came or went
    // at the end (a reset would rebuild a header section per row of a log
    // of millions); a filter's rows are other calls: nothing stays selected.
    void aFilterOrNewCallsChangeOnlyTheRowsAtTheEnd()
    {
        const int calls = 600;
        QVERIFY(m_store->beginLogTransaction());
        for (int i = 0; i < calls; ++i)
            m_store->insertLog(call(QString::number(i), QDate(2026, 1, 1), QTime(0, 0).addSecs(i), i % 3 == 0));
        QVERIFY(m_store->commitLogTransaction());
        m_grid->resize(400, 300);
        m_grid->show();
        show();
        QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
        QSignalSpy resets(&model(), &QAbstractItemModel::modelAboutToBeReset);
        QSignalSpy removed(&model(), &QAbstractItemModel::rowsRemoved);
        QSignalSpy inserted(&model(), &QAbstractItemModel::rowsInserted);
        const auto rowSpan = [](const QSignalSpy& spy) {
            return spy.isEmpty() ? qMakePair(-1, -1)
                                 : qMakePair(spy.last().at(1).toInt(), spy.last().at(2).toInt());
        };
        m_grid->selectRow(3);
        QCOMPARE(m_grid->selectedCalls().size(), 1);
        model().setCondition({QStringLiteral("InOut = ?"), {1}});
        QCOMPARE(model().rowCount(), calls / 3);
        QCOMPARE(rowSpan(removed), qMakePair(calls / 3, calls - 1));
        QCOMPARE(model().cellText(1, 3), QStringLiteral("3"));
        QVERIFY(!m_grid->selectionModel()->hasSelection());
        QVERIFY(m_grid->selectedCalls().isEmpty());
        QVERIFY(!m_grid->currentIndex().isValid());

        model().setCondition({});
        QCOMPARE(rowSpan(inserted), qMakePair(calls / 3, calls - 1));
        QCOMPARE(model().cellText(calls - 1, 3), QString::number(calls - 1));
        // The grid itself holds the rows in view only.
        QVERIFY(m_grid->verticalHeader()->count() < 40);

        // Two new calls shown again: the selection and the place in the log stay.
        m_grid->scrollTo(model().index(400, 3));
        m_grid->selectRow(m_grid->shownIndex(model().index(400, 3)).row());
        const int scrolled = m_grid->verticalScrollBar()->value();
        QVERIFY(scrolled > 0);
        m_store->insertLog(call(QStringLiteral("600"), QDate(2026, 1, 2), QTime(0, 0)));
        m_store->insertLog(call(QStringLiteral("601"), QDate(2026, 1, 2), QTime(0, 1)));
        show();
        QCOMPARE(rowSpan(inserted), qMakePair(calls, calls + 1));
        QCOMPARE(model().cellText(calls + 1, 3), QStringLiteral("601"));
        QCOMPARE(m_grid->callIndex(m_grid->selectionModel()->selectedIndexes().value(0)).row(), 400);
        QCOMPARE(m_grid->verticalScrollBar()->value(), scrolled);
        QCOMPARE(resets.size(), 0);
    }

    // Sorting
    void sortingComparesNumbersAsNumbersAndTextAsText()
    {
        const QStringList numbers = {"100", "9", "*****", "0301", "25"};
        for (int i = 0; i < numbers.size(); ++i)
            m_store->insertLog(call(numbers[i], QDate(2026, 1, 1), QTime(8, i), i == 1));
        show();
        model().sort(3, Qt::AscendingOrder);
        QCOMPARE(column(3), (QStringList{"*****", "9", "25", "100", "0301"}));
        model().sort(3, Qt::DescendingOrder);
        QCOMPARE(column(3), (QStringList{"0301", "100", "25", "9", "*****"}));
        model().sort(1, Qt::AscendingOrder); // " IN" before "OUT", equal cells in start order
        QCOMPARE(column(3), (QStringList{"100", "*****", "0301", "25", "9"}));
        // The store is untouched: a fresh view is in start order again.
        show();
        QCOMPARE(column(3), numbers);
    }
    void theGridSortsByItsCurrentColumn()
    {
        m_store->insertLog(call(QStringLiteral("2"), QDate(2026, 1, 2), QTime(8, 0)));
        m_store->insertLog(call(QStringLiteral("1"), QDate(2026, 1, 3), QTime(7, 0)));
        show();
        m_grid->setCurrentIndex(m_grid->shownIndex(model().index(0, 4)));
        m_grid->sortByCurrentColumn(Qt::AscendingOrder); // by day, then time of day
        QCOMPARE(column(3), (QStringList{"2", "1"}));
        m_grid->setCurrentIndex(m_grid->shownIndex(model().index(0, 3)));
        m_grid->sortByCurrentColumn(Qt::AscendingOrder);
        QCOMPARE(column(3), (QStringList{"1", "2"}));
        m_grid->sortByCurrentColumn(Qt::DescendingOrder);
        QCOMPARE(column(3), (QStringList{"2", "1"}));
    }

    void timesSortByDateAndTimeAndDurationsByLength()
    {
        auto add = [&](const char* number, const QDateTime& start, qint64 seconds, bool open = false) {
            LogRow row = call(QString::fromLatin1(number), start.date(), start.time());
            const QDateTime end = start.addSecs(seconds);
            row.endDate = end.date();
            row.endTime = end.time();
            row.recording = open;
            QVERIFY(m_store->insertLog(row));
        };
        add("A", QDateTime(QDate(2026, 12, 5), QTime(10, 26, 34)), 49);
        add("B", QDateTime(QDate(2026, 5, 12), QTime(10, 26, 35)), 3600);
        add("C", QDateTime(QDate(2025, 12, 31), QTime(23, 0)), 5, true);
        add("D", QDateTime(QDate(2026, 5, 12), QTime(9, 0)), 2 * 86400);
        add("E", QDateTime(QDate(2026, 1, 1), QTime(12, 0, 49)), -49);
        show();
        // Before any cell was chosen, Sort goes by Start Time; the call in
        // progress sorts where its "-----" does: after every date.
        m_grid->sortByCurrentColumn(Qt::AscendingOrder);
        QCOMPARE(column(3), (QStringList{"E", "D", "B", "A", "C"}));
        model().sort(CallLogModel::kStartColumn, Qt::DescendingOrder);
        QCOMPARE(column(3), (QStringList{"C", "A", "B", "D", "E"}));
        model().sort(CallLogModel::kEndColumn, Qt::AscendingOrder);
        QCOMPARE(column(3), (QStringList{"E", "B", "D", "A", "C"}));
        model().sort(6, Qt::AscendingOrder);
        QCOMPARE(column(3), (QStringList{"E", "C", "A", "B", "D"}));
        QCOMPARE(column(5).first(), QStringLiteral(" 12:00:00  01 / 01 / 2026 "));
    }
    void aRangeOfColumnsInTheHeaderRowSortsByThemFromLeftToRight()
    {
        const struct {
            const char* port;
            const char* number;
            int hour;
        } calls[] = {{"Port2", "5", 8}, {"Port1", "7", 9}, {"Port2", "3", 10}, {"Port1", "7", 11},
                     {"Port1", "2", 12}};
        for (const auto& c : calls) {
            LogRow row = call(QString::fromLatin1(c.number), QDate(2026, 1, 1), QTime(c.hour, 0));
            row.port = QString::fromLatin1(c.port);
            QVERIFY(m_store->insertLog(row));
        }
        show();
        m_grid->resize(900, 300);
        m_grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
        QHeaderView* header = m_grid->horizontalHeader();
        auto sectionAt = [&](int column) {
            return QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                          header->height() / 2);
        };
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sectionAt(2));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::ShiftModifier, sectionAt(3));
        QCOMPARE(m_grid->sortColumns(), (QVector<int>{2, 3}));
        auto hours = [&] {
            QStringList out;
            for (const QString& start : column(4))
                out << start.mid(1, 2);
            return out;
        };
        // Port, then number as a number, then start for equal cells.
        m_grid->sortByCurrentColumn(Qt::AscendingOrder);
        QCOMPARE(hours(), (QStringList{"12", "09", "11", "10", "08"}));
        m_grid->sortByCurrentColumn(Qt::DescendingOrder);
        QCOMPARE(hours(), (QStringList{"08", "10", "11", "09", "12"}));
        // One column: equal cells in start order.
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sectionAt(2));
        QCOMPARE(m_grid->sortColumns(), (QVector<int>{2}));
        m_grid->sortByCurrentColumn(Qt::AscendingOrder);
        QCOMPARE(hours(), (QStringList{"09", "11", "12", "08", "10"}));
    }
    void aSortReadsOnlyTheBlocksShown()
    {
        const int calls = 2 * CallLogModel::kBlockRows + 3;
        QVERIFY(m_store->beginLogTransaction());
        for (int i = 0; i < calls; ++i)
            m_store->insertLog(call(QString::number(i), QDate(2026, 1, 1).addDays(i % 7), QTime(0, 0).addSecs(i)));
        QVERIFY(m_store->commitLogTransaction());
        show();
        model().sort(3, Qt::DescendingOrder);
        QCOMPARE(model().rowCount(), calls);
        QCOMPARE(model().cellText(0, 3), QString::number(calls - 1));
        QCOMPARE(model().cellText(calls - 1, 3), QStringLiteral("0"));
        QCOMPARE(model().cellText(CallLogModel::kBlockRows, 3), QString::number(calls - 1 - CallLogModel::kBlockRows));
    }

    // Printing
    void pagesHoldTheHeaderAndSixtyOneCalls()
    {
        QCOMPARE(printedPageTopRows(0), (QList<int>{1}));
        QCOMPARE(printedPageTopRows(61), (QList<int>{1}));
        QCOMPARE(printedPageTopRows(62), (QList<int>{1, 62}));
        QCOMPARE(printedPageTopRows(123), (QList<int>{1, 62, 123}));
    }
    void sixtyOneCallsPrintOnePage() { QCOMPARE(printedPages(61), 1); }
    void sixtyTwoCallsPrintTwoPages() { QCOMPARE(printedPages(62), 2); }

    // The clear dialog
    void typingIntoTheBoxesFollowsTheirRules()
    {
        ClearCallLogDialog form(*m_store, texts);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* range = form.findChild<QRadioButton*>(QStringLiteral("RangeOption"));
        auto* yes = form.findChild<QPushButton*>(QStringLiteral("YesCommand"));
        QVERIFY(!form.box(ClearCallLogDialog::StartMonth)->isEnabled());
        QVERIFY(!yes->isEnabled());
        range->click();
        QVERIFY(form.box(ClearCallLogDialog::StartMonth)->hasFocus());
        QTest::keyClicks(form.box(ClearCallLogDialog::StartMonth), QStringLiteral("1"));
        QCOMPARE(form.box(ClearCallLogDialog::StartMonth)->text(), QStringLiteral("1"));
        QVERIFY(form.box(ClearCallLogDialog::StartMonth)->hasFocus());
        QTest::keyClicks(form.box(ClearCallLogDialog::StartMonth), QStringLiteral("3"));
        QCOMPARE(form.box(ClearCallLogDialog::StartMonth)->text(), QString());
        QTest::keyClicks(form.box(ClearCallLogDialog::StartMonth), QStringLiteral("0"));
        QCOMPARE(form.box(ClearCallLogDialog::StartMonth)->text(), QString()); // no leading zero
        QTest::keyClicks(form.box(ClearCallLogDialog::StartMonth), QStringLiteral("12"));
        QVERIFY(form.box(ClearCallLogDialog::StartDay)->hasFocus());
        form.box(ClearCallLogDialog::StartDay)->setText(QStringLiteral("7.5"));
        QCOMPARE(form.box(ClearCallLogDialog::StartDay)->text(), QStringLiteral("7"));
        QVERIFY(form.box(ClearCallLogDialog::StartDay)->hasFocus());
        form.box(ClearCallLogDialog::StartDay)->setText(QStringLiteral("32"));
        QCOMPARE(form.box(ClearCallLogDialog::StartDay)->text(), QString());
        form.box(ClearCallLogDialog::StartDay)->setText(QStringLiteral(" 07 "));
        QCOMPARE(form.box(ClearCallLogDialog::StartDay)->text(), QStringLiteral("7"));
        form.box(ClearCallLogDialog::StartYear)->setFocus();
        QTest::keyClicks(form.box(ClearCallLogDialog::StartYear), QStringLiteral("2001"));
        QVERIFY(form.box(ClearCallLogDialog::EndMonth)->hasFocus());
        form.box(ClearCallLogDialog::StartYear)->setText(QStringLiteral("abc"));
        QCOMPARE(form.box(ClearCallLogDialog::StartYear)->text(), QString());
        form.box(ClearCallLogDialog::StartYear)->setText(QStringLiteral("2001"));
        form.box(ClearCallLogDialog::EndMonth)->setText(QStringLiteral("4"));
        form.box(ClearCallLogDialog::EndDay)->setText(QStringLiteral("31"));
        QVERIFY(!yes->isEnabled());
        form.box(ClearCallLogDialog::EndYear)->setFocus();
        QTest::keyClicks(form.box(ClearCallLogDialog::EndYear), QStringLiteral("20011"));
        QVERIFY(form.box(ClearCallLogDialog::EndYear)->hasFocus());
        QVERIFY(!yes->isEnabled()); // a year beyond 9999
        QCOMPARE(form.firstDay(), QDate(2001, 12, 7));
        form.box(ClearCallLogDialog::EndYear)->setText(QStringLiteral("0")); // no such year
        QVERIFY(!yes->isEnabled());
        form.box(ClearCallLogDialog::EndYear)->setText(QStringLiteral("2002"));
        QCOMPARE(form.lastDay(), QDate(2002, 4, 30)); // 31 April: up to the month's end
        QVERIFY(yes->isEnabled());
        // Emptying a box takes Yes away again.
        form.box(ClearCallLogDialog::EndDay)->clear();
        QVERIFY(!yes->isEnabled());
    }
    void eachDateBoxStandsUnderItsWordAtEveryFontSize()
    {
        const QStringList words = {"Month", "Day", "Year", "Month", "Day", "Year"};
        for (const int points : {7, 10, 16, 24}) {
            ClearCallLogDialog form(*m_store, texts);
            QFont font = form.font();
            font.setPointSize(points);
            form.setFont(font);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            const auto* label = form.findChild<QLabel*>(QStringLiteral("PointLabel"));
            const QFontMetrics metrics(label->font());
            const QString caption = label->text();
            qsizetype from = 0;
            int previousRight = -1;
            for (int i = 0; i < ClearCallLogDialog::kBoxCount; ++i) {
                const qsizetype at = caption.indexOf(words[i], from);
                QVERIFY(at >= 0);
                from = at + words[i].size();
                const int wordCentre = label->mapToGlobal(label->contentsRect().topLeft()).x() +
                                       metrics.horizontalAdvance(caption.left(at)) +
                                       metrics.horizontalAdvance(words[i]) / 2;
                const QLineEdit* box = form.box(ClearCallLogDialog::Box(i));
                const QRect place(box->mapToGlobal(QPoint()), box->size());
                QVERIFY2(qAbs(place.center().x() - wordCentre) <= 2,
                         qPrintable(QStringLiteral("%1 pt, box %2: %3 under %4")
                                        .arg(points).arg(i).arg(place.center().x()).arg(wordCentre)));
                QVERIFY(place.left() > previousRight);
                previousRight = place.right();
            }
        }
    }
    void aYearBeyond9999NeverEnablesYesNorDeletesOutsideTheRange()
    {
        m_store->insertLog(call(QStringLiteral("1"), QDate(2025, 11, 5), QTime(9, 0)));
        m_store->insertLog(call(QStringLiteral("2"), QDate(2026, 10, 2), QTime(9, 0)));
        ClearCallLogDialog form(*m_store, texts);
        QCOMPARE(form.windowTitle(), QStringLiteral("Clear"));
        auto* yes = form.findChild<QPushButton*>(QStringLiteral("YesCommand"));
        form.findChild<QRadioButton*>(QStringLiteral("RangeOption"))->click();
        const QStringList values = {"10", "1", "2026", "12", "31", "2026"};
        for (int i = 0; i < ClearCallLogDialog::kBoxCount; ++i)
            form.box(ClearCallLogDialog::Box(i))->setText(values[i]);
        QVERIFY(yes->isEnabled());
        // A digit inserted into the first year: 20026.
        form.box(ClearCallLogDialog::StartYear)->setText(QStringLiteral("20026"));
        QVERIFY(!yes->isEnabled());
        QVERIFY(!form.firstDay().isValid());
        form.box(ClearCallLogDialog::StartYear)->setText(QStringLiteral("99999999999999999999"));
        QVERIFY(!yes->isEnabled());
        yes->click(); // disabled: nothing happens
        QCOMPARE(m_store->viewRowCount(), 2);

        // Choosing Range again takes Yes away though the boxes are full.
        form.box(ClearCallLogDialog::StartYear)->setText(QStringLiteral("2026"));
        QVERIFY(yes->isEnabled());
        form.findChild<QRadioButton*>(QStringLiteral("AllOption"))->click();
        form.findChild<QRadioButton*>(QStringLiteral("RangeOption"))->click();
        QVERIFY(!yes->isEnabled());
        form.box(ClearCallLogDialog::EndDay)->setText(QStringLiteral("30"));
        QVERIFY(yes->isEnabled());
        yes->click();
        show();
        QCOMPARE(column(3), (QStringList{"1"}));
    }
    void aPastTheEndFirstDayStartsWithTheNextMonth()
    {
        ClearCallLogDialog form(*m_store, texts);
        form.findChild<QRadioButton*>(QStringLiteral("RangeOption"))->click();
        const QStringList values = {"2", "30", "2001", "3", "1", "2001"};
        for (int i = 0; i < ClearCallLogDialog::kBoxCount; ++i)
            form.box(ClearCallLogDialog::Box(i))->setText(values[i]);
        QCOMPARE(form.firstDay(), QDate(2001, 3, 1));
        QCOMPARE(form.lastDay(), QDate(2001, 3, 1));
    }
    void yesWithARangeDeletesTheCallsOfThoseDays()
    {
        for (int day = 25; day <= 27; ++day)
            for (int hour : {0, 23})
                m_store->insertLog(call(QString::number(day), QDate(2001, 3, day), QTime(hour, 59, 59)));
        ClearCallLogDialog form(*m_store, texts);
        form.findChild<QRadioButton*>(QStringLiteral("RangeOption"))->click();
        const QStringList values = {"3", "26", "2001", "3", "26", "2001"};
        for (int i = 0; i < ClearCallLogDialog::kBoxCount; ++i)
            form.box(ClearCallLogDialog::Box(i))->setText(values[i]);
        form.findChild<QPushButton*>(QStringLiteral("YesCommand"))->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        show();
        QCOMPARE(column(3), (QStringList{"25", "25", "27", "27"}));
    }
    void allEmptiesTheLogWhateverTheBoxesHoldAndCancelChangesNothing()
    {
        m_store->insertLog(call(QStringLiteral("1"), QDate(2001, 3, 26), QTime(9, 0)));
        {
            ClearCallLogDialog form(*m_store, texts);
            form.findChild<QRadioButton*>(QStringLiteral("AllOption"))->click();
            QVERIFY(!form.box(ClearCallLogDialog::StartMonth)->isEnabled());
            QVERIFY(form.findChild<QPushButton*>(QStringLiteral("YesCommand"))->isEnabled());
            form.findChild<QPushButton*>(QStringLiteral("CanelCommand"))->click();
            QCOMPARE(form.result(), int(QDialog::Rejected));
            QCOMPARE(m_store->viewRowCount(), 1);
        }
        ClearCallLogDialog form(*m_store, texts);
        form.findChild<QRadioButton*>(QStringLiteral("RangeOption"))->click();
        form.box(ClearCallLogDialog::StartMonth)->setText(QStringLiteral("5"));
        form.findChild<QRadioButton*>(QStringLiteral("AllOption"))->click();
        form.findChild<QPushButton*>(QStringLiteral("YesCommand"))->click();
        QCOMPARE(m_store->viewRowCount(), 0);
    }
};

QTEST_MAIN(CallLogViewTest)
#include "call_log_view_test.moc"
