// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a user reads it, at the scale and font resolution of the
// run (QT_SCALE_FACTOR, QT_FONT_DPI) on a screen of 1280x800 device-
// independent pixels: every text of every page, dialog and grid fits its
// widget, the header cells of every grid stay in view while it scrolls, and
// the window opens showing the tables whole. Screenshots of every page in a
// light and a dark palette go to $QL310_SCREENSHOT_DIR when it is set. The
// program's language follows the locale, as in the program: the German runs
// set QL310_LAYOUT_LANGUAGE=de to be sure the German texts are the ones read.
#include "about_box.h"
#include "call_log_commands.h"
#include "call_log_grid.h"
#include "clear_call_log_dialog.h"
#include "fixed_cell_grid.h"
#include "frozen_cells.h"
#include "help_window.h"
#include "language.h"
#include "library_binding.h"
#include "main_window.h"
#include "print_and_help_menus.h"
#include "text_table.h"
#include "window_geometry.h"
#include "window_test_base.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QtTest>

using ql310::FixedCellGrid;
using ql310::UserInteraction;

namespace {

constexpr QSize kScreen(1280, 800);
const char* const kGrids[] = {"ForwardGrid", "ShortDialGrid", "PhoneBookGrid", "PhoneBookGrid2",
                              "LCRGrid"};

QString where(const QWidget* widget)
{
    QStringList path;
    for (const QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget())
        if (!w->objectName().isEmpty())
            path.prepend(w->objectName());
    return path.join(u'/');
}

// The room a line edit leaves for its text: its frame and two pixels on
// either side.
int textRoom(const QLineEdit* box)
{
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    const QMargins margins = box->textMargins();
    return box->width() - 2 * frame - 4 - margins.left() - margins.right();
}

// The room the item delegate leaves for a cell's text.
int textRoom(const QAbstractItemView& view, const QRect& cell)
{
    return cell.width() - 2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1);
}

QPalette darkPalette()
{
    QPalette dark;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    // A dark desktop theme dims the placeholder text as it dims the rest.
    dark.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    return dark;
}

} // namespace

class LayoutTest : public ql310::test::WindowTestBase {
    Q_OBJECT

private:
    // Shows tab `page` of SSTab1 (and `inner` of the LCR page) laid out.
    void showPage(int page, int inner = 0)
    {
        window().tabs()->setCurrentIndex(page);
        control<QTabWidget>("SSTab3")->setCurrentIndex(inner);
        QCoreApplication::processEvents();
    }

    // Every text of the visible widgets under `root` that does not fit.
    static QStringList cutTexts(QWidget* root)
    {
        QStringList cut;
        auto check = [&cut](const QWidget* widget, int needed, int has, const QString& text) {
            if (needed > has)
                cut << QStringLiteral("%1 \"%2\" needs %3 has %4").arg(where(widget), text).arg(needed).arg(has);
        };
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        for (QWidget* widget : widgets) {
            if (!widget->isVisible())
                continue;
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                if (!label->text().isEmpty() && !label->wordWrap() && label->pixmap().isNull())
                    check(label, label->sizeHint().width(), label->width(), label->text());
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                if (!button->text().isEmpty() && !qobject_cast<QTabBar*>(widget->parentWidget()))
                    check(button, button->sizeHint().width(), button->width(), button->text());
            } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                // The widest entry.
                check(combo, combo->sizeHint().width(), combo->width(), combo->currentText());
            } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
                check(group, group->fontMetrics().horizontalAdvance(group->title()), group->width(),
                      group->title());
            } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
                check(tabs, tabs->sizeHint().width(), tabs->width(), tabs->tabText(0));
            } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
                check(box, box->fontMetrics().horizontalAdvance(box->text()), textRoom(box), box->text());
            }
        }
        return cut;
    }

    // The cells of `view` whose texts do not fit, header row included.
    static QStringList cutCells(QTableView* view)
    {
        QStringList cut;
        const QAbstractItemModel* model = view->model();
        const QFontMetrics metrics(view->font(), view);
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                if (view->isColumnHidden(column))
                    continue;
                // A merged cell is measured once, at its first cell.
                if (column > 0 && view->columnSpan(row, column - 1) > 1 &&
                    model->index(row, column).data() == model->index(row, column - 1).data())
                    continue;
                const QString text = model->index(row, column).data().toString();
                int width = 0;
                for (int c = column; c < column + view->columnSpan(row, column); ++c)
                    width += view->isColumnHidden(c) ? 0 : view->columnWidth(c);
                const int room = textRoom(*view, QRect(0, 0, width - 1, 1));
                if (metrics.horizontalAdvance(text) > room)
                    cut << QStringLiteral("%1 (%2,%3) \"%4\" needs %5 has %6")
                               .arg(view->objectName()).arg(row).arg(column).arg(text)
                               .arg(metrics.horizontalAdvance(text)).arg(room);
            }
        }
        const QHeaderView* header = view->horizontalHeader();
        if (!header->isHidden()) {
            const int margin = view->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int column = 0; column < model->columnCount(); ++column) {
                const QString text = model->headerData(column, Qt::Horizontal).toString();
                if (!header->isSectionHidden(column) &&
                    header->fontMetrics().horizontalAdvance(text) + 2 * margin > header->sectionSize(column))
                    cut << QStringLiteral("%1 header %2 \"%3\"").arg(view->objectName()).arg(column).arg(text);
            }
        }
        return cut;
    }

    void saveShot(QWidget* widget, const QString& name)
    {
        const QString dir = qEnvironmentVariable("QL310_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        QDir().mkpath(dir);
        QVERIFY2(widget->grab().save(QDir(dir).filePath(name + QStringLiteral(".png"))), qPrintable(name));
    }

    // The picture of `rect` of `grid` (with what lies over its viewport).
    static QImage picture(QAbstractScrollArea* grid, const QRect& rect)
    {
        return grid->grab(rect.translated(grid->viewport()->pos())).toImage();
    }

private slots:
    void initTestCase()
    {
        const QString language = qEnvironmentVariable("QL310_LAYOUT_LANGUAGE");
        QCOMPARE(ql310::uiLanguage(), language);
        QVERIFY(m_home.isValid());
        ql310::test::useTemporaryHome(m_home);
        qputenv("QL310_REGISTRY", m_home.filePath("hklm.reg").toLocal8Bit());
        m_adapter = std::make_unique<ql310::test::SimulatedAdapter>(QL310_ADAPTER_PATH);
        QVERIFY(m_adapter->start());
        m_library = ql310::test::boundTestLibrary();
        QVERIFY(window().startUp());
        window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }
    void cleanupTestCase()
    {
        m_interaction.answer(UserInteraction::No);
        endRun();
    }

    // Room to grow
    void theWindowOpensOnTheScreenShowingTheTablesWhole()
    {
        const QRect screen = window().screen()->availableGeometry();
        QCOMPARE(screen.size(), kScreen);
        // Its wish, not cut down to the screen, fits with a frame around it.
        const QSize wanted = window().sizeHint();
        QVERIFY2(wanted.width() + 16 <= kScreen.width() && wanted.height() + 48 <= kScreen.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(wanted.width()).arg(wanted.height())));
        QVERIFY(screen.contains(window().frameGeometry()));

        const std::pair<const char*, int> pages[] = {{"ForwardGrid", 3}, {"LCRGrid", 4},
                                                     {"ShortDialGrid", 5}, {"PhoneBookGrid", 6}};
        for (const auto& [name, page] : pages) {
            showPage(page);
            FixedCellGrid* grid = window().grid(name);
            const int shown = name == QLatin1String("ForwardGrid") ? 21 : grid->rowCount();
            int height = 0;
            for (int row = 0; row < shown; ++row)
                height += grid->rowHeight(row);
            QVERIFY2(grid->viewport()->height() >= height, name);
            int width = 0;
            for (int column = 0; column < grid->columnCount(); ++column)
                width += grid->columnWidth(column);
            QVERIFY2(grid->viewport()->width() >= width, name);
        }
        QCOMPARE(window().grid("PhoneBookGrid2")->verticalScrollBar()->maximum(), 0);

        // At least 10 digits of every number box, all 18 letters of a port name.
        showPage(0);
        const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
        for (QLineEdit* box : window().findChildren<QLineEdit*>()) {
            const QString name = box->objectName();
            int needed = 0;
            if (name.contains(QLatin1String("MSN")) || name.contains(QLatin1String("OwnNumber")))
                needed = box->fontMetrics().horizontalAdvance(QString(10, u'0'));
            else if (name.startsWith(QLatin1String("PortName")))
                needed = box->fontMetrics().horizontalAdvance(letters) * 18 / letters.size();
            if (needed > 0)
                QVERIFY2(textRoom(box) >= needed,
                         qPrintable(QStringLiteral("%1 %2 < %3").arg(name).arg(textRoom(box)).arg(needed)));
        }
        // The boxes widen with the window.
        const int before = control<QLineEdit>("PortMSN1", 0)->width();
        window().resize(window().width() + 100, window().height());
        QCoreApplication::processEvents();
        QVERIFY(control<QLineEdit>("PortMSN1", 0)->width() > before);
        window().resize(window().width() - 100, window().height());
        QCoreApplication::processEvents();
    }

    void theMsnPageFitsASmallScreenAndEveryGridItsRoom()
    {
        const QSize before = window().size();
        // 1366x768 device pixels at a scale of 1.5 (at the fonts' own size;
        // the scale changes no size in device-independent pixels).
        if (qEnvironmentVariableIntValue("QT_FONT_DPI") <= 96) {
            window().resize(1366 * 2 / 3, 768 * 2 / 3);
            showPage(0);
            QCoreApplication::processEvents();
            auto* msn = control<QScrollArea>("MSNPageScroll");
            QCOMPARE(msn->horizontalScrollBar()->maximum(), 0);
        }
        // Number boxes no wider than their longest content.
        for (const char* name : {"PortNumber", "PortMSN1", "DataMSN1", "LCRETDialA"})
            for (QLineEdit* box : window().findChildren<QLineEdit*>(QRegularExpression(QLatin1String(name))))
                QVERIFY2(textRoom(box) <= box->fontMetrics().horizontalAdvance(QString(box->maxLength(), u'0')) + 2,
                         qPrintable(box->objectName()));

        // A short window: the rows scroll, the columns do not.
        window().resize(before.width(), 400);
        for (const auto& [name, page] : {std::pair{"ForwardGrid", 3}, std::pair{"LCRGrid", 4},
                                         std::pair{"PhoneBookGrid", 6}}) {
            showPage(page);
            QCoreApplication::processEvents();
            FixedCellGrid* grid = window().grid(name);
            QVERIFY2(grid->verticalScrollBar()->maximum() > 0, name);
            QTRY_COMPARE(grid->horizontalScrollBar()->maximum(), 0);
        }

        // A maximised call log: the columns fill the width, Name takes the rest.
        window().resize(window().screen()->availableGeometry().size());
        showPage(7);
        QCoreApplication::processEvents();
        ql310::calllog::CallLogGrid* log = window().callLogGrid();
        QCOMPARE(log->horizontalScrollBar()->maximum(), 0);
        int used = 0;
        for (int column = 0; column < log->model()->columnCount(); ++column)
            used += log->isColumnHidden(column) ? 0 : log->columnWidth(column);
        QCOMPARE(used, log->viewport()->width());
        QVERIFY(log->columnWidth(ql310::calllog::CallLogModel::kNameColumn) > log->columnWidth(3));
        window().resize(before);
        QCoreApplication::processEvents();
    }

    // Texts
    void everyTextFitsOnEveryPage()
    {
        // A port name of the greatest length in the short-dial grid.
        control<QLineEdit>("PortName", 0)->setText(QStringLiteral("Reception desk 2nd"));
        QStringList cut;
        for (int page = 0; page < window().tabs()->count(); ++page) {
            for (int inner = 0; inner < (page == 4 ? 2 : 1); ++inner) {
                showPage(page, inner);
                // The tabs' focus refreshes the mirrored cells.
                window().tabs()->tabBar()->setFocus(Qt::TabFocusReason);
                cut << cutTexts(window().tabs()->currentWidget());
            }
        }
        cut << cutTexts(window().menuWidget()) << cutTexts(window().tabs()->tabBar());
        for (const char* name : kGrids)
            cut << cutCells(window().grid(name));
        cut << cutCells(window().callLogGrid());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }
    void everyMenuHasEachAccessKeyOnce()
    {
        // The bar and every menu on it, sub-menus too, in the run's language.
        QList<QList<QAction*>> menus{window().menuBar()->actions()};
        for (QMenu* menu : window().menuBar()->findChildren<QMenu*>())
            menus << menu->actions();
        for (QMenu* menu : window().findChildren<QMenu*>())
            menus << menu->actions();
        QStringList twice;
        for (const QList<QAction*>& actions : menus) {
            QMap<QChar, QString> keys;
            for (const QAction* action : actions) {
                const QChar key = ql310::captionAccessKey(action->text()).toLower();
                if (key.isNull() || action->isSeparator())
                    continue;
                if (keys.contains(key) && keys[key] != action->text())
                    twice << keys[key] + QStringLiteral(" / ") + action->text();
                keys[key] = action->text();
            }
        }
        QVERIFY2(twice.isEmpty(), qPrintable(twice.join(u'\n')));
    }
    void aNameLongerThanItsCellShowsWholeAsItsToolTip()
    {
        showPage(6);
        FixedCellGrid* book = window().grid("PhoneBookGrid");
        const QString name = QString(18, u'W');
        book->setCellText(3, 2, name);
        QCoreApplication::processEvents();
        const QRect cell = book->visualRect(book->model()->index(3, 2));
        QVERIFY(book->fontMetrics().horizontalAdvance(name) > textRoom(*book, cell));
        QHelpEvent help(QEvent::ToolTip, cell.center(), book->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(book->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), name);
        book->setCellText(3, 2, QString());
    }
    void theGridsEditorsShowTheirEntriesWhole()
    {
        showPage(4);
        FixedCellGrid* lcr = window().grid("LCRGrid");
        QStringList cut;
        for (int column : {4, 6, 8, 9, 10}) {
            QTest::mouseClick(lcr->viewport(), Qt::LeftButton, {}, lcr->visualRect(lcr->model()->index(2, column)).center());
            for (QComboBox* combo : lcr->viewport()->findChildren<QComboBox*>())
                if (combo->isVisible() && combo->sizeHint().width() > combo->width())
                    cut << QStringLiteral("%1 over column %2").arg(combo->objectName()).arg(column);
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }
    void theDialogsFitTheirTextsAndTheScreen()
    {
        const QRect screen = window().screen()->availableGeometry();
        ql310::calllog::ClearCallLogDialog clear(window().callLog().store(), [](ql310::TextId id) { return ql310::text(id); }, &window());
        clear.show();
        QVERIFY(QTest::qWaitForWindowExposed(&clear));
        clear.findChild<QAbstractButton*>("RangeOption")->click();
        QStringList cut = cutTexts(&clear);
        QVERIFY(clear.width() <= screen.width() && clear.height() <= screen.height());
        saveShot(&clear, QStringLiteral("dialog-clear"));
        clear.close();

        ql310::AboutBox about(&window());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        cut << cutTexts(&about);
        QVERIFY(about.width() <= screen.width() && about.height() <= screen.height());
        saveShot(&about, QStringLiteral("dialog-about"));
        // Escape closes it.
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());

        ql310::HelpWindow help(&window());
        QVERIFY(help.width() <= screen.width() && help.height() <= screen.height());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }

    // Headers that stay
    void everyGridsHeadersStayInViewWhileItScrolls()
    {
        QStringList lost;
        const std::pair<const char*, int> grids[] = {{"ForwardGrid", 3}, {"LCRGrid", 4},
                                                     {"ShortDialGrid", 5}, {"PhoneBookGrid", 6},
                                                     {"PhoneBookGrid2", 6}, {"CallHistoryGrid", 7}};
        for (const auto& [name, page] : grids) {
            auto* grid = window().findChild<QTableView*>(QLatin1String(name));
            // Too small for its table: the grid scrolls both ways.
            grid->setMaximumSize(240, 160);
            showPage(page);
            ql310::FrozenCells* frozen = qobject_cast<FixedCellGrid*>(grid)
                                             ? qobject_cast<FixedCellGrid*>(grid)->frozenCells()
                                             : window().callLogGrid()->frozenCells();
            QScrollBar* down = grid->verticalScrollBar();
            QScrollBar* across = grid->horizontalScrollBar();
            down->setValue(0);
            across->setValue(0);
            const QRect viewport = grid->viewport()->rect();
            // The header row: the grid's own header for the call log.
            const bool ownHeader = !grid->horizontalHeader()->isHidden();
            const QRect rows = ownHeader ? QRect(0, -grid->horizontalHeader()->height(), viewport.width(),
                                                 grid->horizontalHeader()->height())
                                         : QRect(0, 0, viewport.width(), frozen->frozenHeight());
            const QRect columns(0, 0, frozen->frozenWidth(), viewport.height());
            const QImage rowsBefore = picture(grid, rows);
            const QImage columnsBefore = picture(grid, columns);

            // To the last row, then to the last column.
            const QModelIndex last =
                grid->model()->index(grid->model()->rowCount() - 1, frozen->columns());
            grid->scrollTo(last);
            QCoreApplication::processEvents();
            if (down->maximum() > 0 && down->value() == 0)
                lost << QStringLiteral("%1 did not scroll down").arg(name);
            if (picture(grid, rows) != rowsBefore)
                lost << QStringLiteral("%1 header rows after scrolling down").arg(name);
            const QRect lastCell = grid->visualRect(last);
            if (lastCell.bottom() > viewport.bottom() ||
                lastCell.top() < (ownHeader ? 0 : frozen->frozenHeight()))
                lost << QStringLiteral("%1 last row not in view").arg(name);
            down->setValue(0);
            across->setValue(across->maximum());
            QCoreApplication::processEvents();
            if (across->maximum() == 0)
                lost << QStringLiteral("%1 did not scroll sideways").arg(name);
            if (picture(grid, columns) != columnsBefore)
                lost << QStringLiteral("%1 header columns after scrolling sideways").arg(name);
            across->setValue(0);
            grid->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        // Entry 20 of the LCR table in view, "Dial Range" still above it.
        FixedCellGrid* lcr = window().grid("LCRGrid");
        lcr->setMaximumSize(240, 160);
        showPage(4);
        lcr->setCurrentCell(21, 1);
        QCoreApplication::processEvents();
        QVERIFY(lcr->verticalScrollBar()->value() > 0);
        const QModelIndex top = lcr->indexAt(QPoint(lcr->visualRect(lcr->model()->index(21, 1)).center().x(), 1));
        QCOMPARE(top.row(), 0);
        QCOMPARE(top.data().toString(), ql310::text(ql310::TextId::DialRange)); // "Dial Range"
        lcr->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        QVERIFY2(lost.isEmpty(), qPrintable(lost.join(u'\n')));
    }

    // Pictures
    void screenshotsOfEveryPage()
    {
        // A call in progress that the next fetch no longer holds: lost.
        const QString empty = m_home.filePath(QStringLiteral("no-calls.bin"));
        QVERIFY(ql310::test::writeAll(empty, QByteArray(QL310_CALL_HISTORY_SIZE, '\0')));
        QCOMPARE(m_adapter->command("history " + empty.toStdString()), std::string("ok"));
        window().readCallLogFromAdapter();
        const QPalette light = QApplication::palette();
        for (const auto& [palette, look] : {std::pair{light, QStringLiteral("light")},
                                            std::pair{darkPalette(), QStringLiteral("dark")}}) {
            QApplication::setPalette(palette);
            for (int page = 0; page < window().tabs()->count(); ++page) {
                for (int inner = 0; inner < (page == 4 ? 2 : 1); ++inner) {
                    showPage(page, inner);
                    saveShot(&window(), QStringLiteral("page%1%2-%3-%4")
                                            .arg(page)
                                            .arg(page == 4 ? QString(QChar(u'a' + inner)) : QString())
                                            .arg(window().tabs()->currentWidget()->objectName(), look));
                }
            }
            // The MSN page on a screen of 1366x768 device pixels, the call
            // log (with its lost call) across the whole screen, and the
            // Clear dialog with its date boxes.
            const QSize before = window().size();
            const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                     ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                     : 1.0;
            window().resize(QSize(qRound(1366 / scale), qRound(768 / scale)));
            showPage(0);
            saveShot(&window(), QStringLiteral("msn-1366x768-") + look);
            window().resize(window().screen()->availableGeometry().size());
            showPage(7);
            saveShot(&window(), QStringLiteral("calllog-whole-screen-") + look);
            window().resize(before);
            ql310::calllog::ClearCallLogDialog clear(window().callLog().store(),
                                                     [](ql310::TextId id) { return ql310::text(id); }, &window());
            clear.show();
            QVERIFY(QTest::qWaitForWindowExposed(&clear));
            clear.findChild<QAbstractButton*>("RangeOption")->click();
            saveShot(&clear, QStringLiteral("dialog-clear-") + look);
        }
        QApplication::setPalette(light);
        showPage(0);
    }
};

// The screen: 1280x800 device-independent pixels at the scale and the
// font resolution of this run.
int main(int argc, char* argv[])
{
    double ratio = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                       ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                       : 1.0;
    if (qEnvironmentVariableIsSet("QT_FONT_DPI"))
        ratio *= qEnvironmentVariable("QT_FONT_DPI").toDouble() / 96.0;
    QTemporaryDir config;
    const QString path = config.filePath(QStringLiteral("screen.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(QStringLiteral(R"({"windowFrameMargins": true, "screens": [{"name": "Screen",
        "x": 0, "y": 0, "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96,
        "dpr": 1}]})")
                   .arg(qRound(kScreen.width() * ratio))
                   .arg(qRound(kScreen.height() * ratio))
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
    QApplication app(argc, argv);
    ql310::installTranslations(app);
    LayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "layout_test.moc"
