// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a desktop: its keys (Tab order, grid keys, the menu
// shortcuts), the caption's modified marker, readable colours in a dark
// palette, and the icon and name the desktop knows it by.
#include "call_log_grid.h"
#include "desktop_identity.h"
#include "device_commands.h"
#include "fixed_cell_grid.h"
#include "library_binding.h"
#include "text_table.h"
#include "theme_colours.h"
#include "time_set.h"
#include "window_test_base.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWindow>
#include <QAccessible>
#include <QtTest>

using ql310::MainWindow;
using ql310::UserInteraction;
using ql310::test::ScriptedInteraction;
using ql310::test::SimulatedAdapter;
using ql310::theme::contrastRatio;
using ql310::theme::kMinimumContrast;

namespace {

QPalette darkPalette()
{
    QPalette p(QColor(53, 53, 53), QColor(45, 45, 45));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setColor(role, QColor(230, 230, 230));
    return p;
}

} // namespace

class DesktopWindowTest : public ql310::test::WindowTestBase {
    Q_OBJECT

private:
    QAction* action(const char* name) { return window().findChild<QAction*>(QLatin1String(name)); }
    bool shownOnline()
    {
        if (!m_adapter->start() || !window().startUp() || window().state() != MainWindow::State::Normal)
            return false;
        window().show();
        window().activateWindow();
        return QTest::qWaitForWindowActive(&window());
    }
    // The tab of a page, also of one inside a scroll area.
    void showPage(const char* name)
    {
        const QWidget* page = window().findChild<QWidget*>(QLatin1String(name));
        QTabWidget* tabs = window().tabs();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i) == page || tabs->widget(i)->isAncestorOf(page))
                tabs->setCurrentIndex(i);
    }
    QString shownCaption() { return window().windowHandle()->title(); }
    void typeInto(QWidget* widget, const QString& text)
    {
        widget->setFocus();
        QTest::keyClicks(widget, text);
    }
    // The caption shows the marker, and only then.
    void checkModified(bool modified)
    {
        QCOMPARE(window().isWindowModified(), modified);
        QCOMPARE(shownCaption(), ql310::text(ql310::TextId::UsbIsdnTaConfiguration) + (modified ? QStringLiteral("*") : QString()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        ql310::test::useTemporaryHome(m_home);
    }
    void init()
    {
        newRun();
    }
    void cleanup()
    {
        endRun();
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    void theMenuCommandsHaveTheDesktopsKeysAndWriteHasNone()
    {
        QVERIFY(shownOnline());
        QCOMPARE(action("mnuLoad")->shortcut(), QKeySequence(QKeySequence::Open));
        QCOMPARE(action("mnuSave")->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(action("mnuExit")->shortcut(), QKeySequence(QKeySequence::Quit));
        QCOMPARE(action("mnuReset")->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(action("mnuOnLineMenu")->shortcut(), QKeySequence(Qt::Key_F1));
        const QStringList withKeys = {"mnuLoad", "mnuSave", "mnuExit", "mnuReset", "mnuOnLineMenu"};
        for (QAction* item : window().findChildren<QAction*>())
            if (!withKeys.contains(item->objectName()))
                QVERIFY2(item->shortcut().isEmpty(), qPrintable(item->objectName()));

        // F5 reads from the adapter.
        window().setStatusPanel(1, QString());
        QTest::keyClick(&window(), Qt::Key_F5);
        QTRY_COMPARE(window().statusPanel(1), ql310::text(ql310::TextId::OpenSuccess));
        // Ctrl+O asks for a settings file (cancelled here).
        QTest::keySequence(&window(), QKeySequence(QKeySequence::Open));
        QCOMPARE(m_interaction.fileRequests().size(), 1);
    }
    void theReadKeyDoesNothingWhileTheAdapterIsAway()
    {
        m_interaction.answer(UserInteraction::Ok);
        QVERIFY(window().startUp());
        QCOMPARE(window().state(), MainWindow::State::Offline);
        window().show();
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QSignalSpy status(&window(), &ql310::EditorWindow::statusPanelChanged);
        QTest::keyClick(&window(), Qt::Key_F5);
        QCoreApplication::processEvents();
        QCOMPARE(status.count(), 0);
    }

    void tabMovesThroughTheControlsInReadingOrder()
    {
        QVERIFY(shownOnline());
        const auto check = [](QWidget* from, Qt::KeyboardModifiers modifiers, QWidget* to) {
            from->setFocus();
            if (!from->hasFocus())
                return false;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            return to->hasFocus() || to->isAncestorOf(QApplication::focusWidget());
        };
        // Along the port-number row, to the data column, then the next row.
        QVERIFY(check(control<QLineEdit>("PortNumber", 0), {}, control<QLineEdit>("PortNumber", 1)));
        QVERIFY(check(control<QLineEdit>("PortNumber", 3), {}, control<QComboBox>("AnalogLaw")));
        QVERIFY(check(control<QComboBox>("AnalogLaw"), {}, control<QLineEdit>("PortName", 0)));
        QVERIFY(check(control<QLineEdit>("PortName", 0), Qt::ShiftModifier, control<QComboBox>("AnalogLaw")));
        QVERIFY(check(control<QLineEdit>("PortMSN1", 0), {}, control<QComboBox>("PortMSNType1", 0)));
        QVERIFY(check(control<QComboBox>("PortMSNType1", 0), {}, control<QLineEdit>("PortMSN1", 1)));

        // Tab leaves a grid instead of walking its cells.
        showPage("ForwardingPage");
        ql310::FixedCellGrid* forward = window().grid("ForwardGrid");
        QVERIFY(check(control<QLineEdit>("ForwardingNumber", 3), {}, control<QComboBox>("NoAnswerTime", 0)));
        forward->setFocus();
        QTRY_VERIFY(forward->hasFocus());
        const QModelIndex cell = forward->currentIndex();
        QTest::keyClick(forward, Qt::Key_Tab);
        QVERIFY(!forward->hasFocus());
        QCOMPARE(forward->currentIndex(), cell);

        // The call log: the filter bar row by row, then the grid.
        showPage("CallLogPage");
        QVERIFY(check(control<QLineEdit>("CallSearch"), {}, control<QComboBox>("CallDirection")));
        QVERIFY(check(control<QPushButton>("CallFilterReset"), {}, window().callLogGrid()));
        QVERIFY(check(window().callLogGrid(), Qt::ShiftModifier, control<QPushButton>("CallFilterReset")));
    }

    void deleteEmptiesAnEditableCellAndNothingElse()
    {
        QVERIFY(shownOnline());
        showPage("PhoneBookPage");
        ql310::FixedCellGrid* book = window().grid("PhoneBookGrid");
        book->setCellText(3, 1, QStringLiteral("0301234"));
        book->setFocus();
        book->setCurrentCell(3, 1);
        QTest::keyClick(book, Qt::Key_Delete);
        QCOMPARE(book->cellText(3, 1), QString());
        QVERIFY(window().isWindowModified());

        // A list cell keeps its value; so does a mirrored cell.
        showPage("ForwardingPage");
        ql310::FixedCellGrid* forward = window().grid("ForwardGrid");
        forward->setFocus();
        forward->setCurrentCell(2, 4);
        const QString active = forward->cellText(2, 4);
        QVERIFY(!active.isEmpty());
        QTest::keyClick(forward, Qt::Key_Delete);
        QCOMPARE(forward->cellText(2, 4), active);

        // The LCR table: a dial range empties, its hour keeps "--".
        showPage("LCRPage");
        ql310::FixedCellGrid* lcr = window().grid("LCRGrid");
        lcr->setCellText(2, 1, QStringLiteral("030"));
        lcr->setFocus();
        lcr->setCurrentCell(2, 1);
        QTest::keyClick(lcr, Qt::Key_Delete);
        QCOMPARE(lcr->cellText(2, 1), QString());
        const QString hour = lcr->cellText(2, 6);
        lcr->setCurrentCell(2, 6);
        QTest::keyClick(lcr, Qt::Key_Delete);
        QCOMPARE(lcr->cellText(2, 6), hour);

        // In an open editor Delete removes one character, as in any text box.
        lcr->setCellText(2, 3, QStringLiteral("0301"));
        lcr->setCurrentCell(2, 3);
        QTest::keyClick(lcr, Qt::Key_F2);
        auto* editor = window().findChild<QLineEdit*>(QStringLiteral("LCRBufText"));
        QTRY_VERIFY(editor->hasFocus());
        editor->setCursorPosition(0);
        QTest::keyClick(editor, Qt::Key_Delete);
        QCOMPARE(lcr->cellText(2, 3), QStringLiteral("301"));
    }

    void everyControlGridAndPanelIsNamedForScreenReaders()
    {
        QVERIFY(shownOnline());
        QStringList unnamed;
        auto name = [](QObject* object) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
            return face ? face->text(QAccessible::Name).trimmed() : QString();
        };
        QTabWidget* tabs = window().tabs();
        auto* inner = control<QTabWidget>("SSTab3");
        for (int page = 0; page < tabs->count(); ++page) {
            for (int sub = 0; sub < (tabs->widget(page)->isAncestorOf(inner) ? inner->count() : 1); ++sub) {
                tabs->setCurrentIndex(page);
                inner->setCurrentIndex(sub);
                QCoreApplication::processEvents();
                for (QWidget* widget : window().findChildren<QWidget*>())
                    if (widget->isVisible() && (widget->focusPolicy() & Qt::TabFocus) && name(widget).isEmpty())
                        unnamed << QStringLiteral("%1 on page %2").arg(widget->objectName().isEmpty()
                                                                           ? QString::fromLatin1(widget->metaObject()->className())
                                                                           : widget->objectName())
                                                       .arg(tabs->tabText(page));
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
        QCOMPARE(name(control<QWidget>("PortNumber", 2)), QStringLiteral("Port Number, Port 3"));
        for (const char* panel : {"StatusPanel1", "StatusPanel2", "StatusPanel3"})
            QVERIFY2(!name(window().findChild<QWidget*>(QLatin1String(panel))).isEmpty(), panel);

        // Every grid cell reports its column header.
        QList<std::pair<QAbstractItemView*, QPoint>> cells;
        for (const char* grid : {"ForwardGrid", "ShortDialGrid", "PhoneBookGrid", "PhoneBookGrid2", "LCRGrid"})
            cells.append({window().grid(grid), QPoint(window().grid(grid)->columnCount() - 1,
                                                      window().grid(grid)->fixedRows())});
        cells.append({window().callLogGrid(), QPoint(3, 0)});
        for (const auto& [view, cell] : cells) {
            QVERIFY2(!name(view).isEmpty(), qPrintable(view->objectName()));
            QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(view)->tableInterface();
            QVERIFY(table);
            QAccessibleInterface* at = table->cellAt(cell.y(), cell.x());
            QVERIFY2(at && at->tableCellInterface(), qPrintable(view->objectName()));
            // The header cells are made for the caller and kept by no one:
            // handed to the accessibility cache only to be deleted.
            const QList<QAccessibleInterface*> headers = at->tableCellInterface()->columnHeaderCells();
            const QString header = headers.isEmpty() ? QString() : headers.first()->text(QAccessible::Name);
            for (QAccessibleInterface* h : headers)
                QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(h));
            QVERIFY2(!header.isEmpty(), qPrintable(view->objectName()));
        }
    }
    void theCaptionMarksEditsUntilTheyAreWrittenOrSaved()
    {
        QVERIFY(shownOnline());
        checkModified(false);
        QCOMPARE(window().windowTitle(), ql310::text(ql310::TextId::UsbIsdnTaConfiguration) + QStringLiteral("[*]"));

        typeInto(control<QLineEdit>("PortName", 0), QStringLiteral("Hall"));
        checkModified(true);
        action("mnuWrite")->trigger();
        QCOMPARE(window().statusPanel(1), ql310::text(ql310::TextId::WriteToIsdnTaSuccess));
        checkModified(false);

        // A check box, then Read.
        // On its box: the check box may be wider than its box and text.
        QCheckBox* acceptAll = control<QCheckBox>("AcceptAllMSN", 1);
        QTest::mouseClick(acceptAll, Qt::LeftButton, {}, QPoint(acceptAll->height() / 2, acceptAll->height() / 2));
        checkModified(true);
        // Read asks first whether the edit may go.
        m_interaction.answer(UserInteraction::Yes);
        action("mnuReset")->trigger();
        checkModified(false);

        // A list choice, then Save Setting; Load Setting clears it too.
        const QString file = m_home.filePath(QStringLiteral("marker.310"));
        control<QComboBox>("ForwardingType", 0)->activated(2);
        checkModified(true);
        m_interaction.chooseFileAnswer(file);
        action("mnuSave")->trigger();
        QVERIFY(QFile::exists(file));
        checkModified(false);
        // The time control's Up key steps the hour.
        showPage("PhonePage");
        QLineEdit* hour = window().timeSet(0)->hourBox();
        hour->setFocus();
        QTRY_VERIFY(hour->hasFocus());
        const QString before = hour->text();
        QTest::keyClick(hour, Qt::Key_Up);
        QVERIFY(hour->text() != before);
        checkModified(true);
        m_interaction.answer(UserInteraction::Yes);
        m_interaction.chooseFileAnswer(file);
        action("mnuLoad")->trigger();
        checkModified(false);

        // A phone book loaded from a file is an edit; Reset to Default not
        // written leaves values the adapter does not have: still marked.
        m_interaction.chooseFileAnswer(file);
        action("mnuLoadPhoneBook")->trigger();
        checkModified(true);
        m_interaction.answer(UserInteraction::Yes);
        m_interaction.answer(UserInteraction::No);
        action("mnuResetToDefault")->trigger();
        checkModified(true);

        // A cancelled save and a failed write leave the edit marked.
        typeInto(control<QLineEdit>("DataMSN1"), QStringLiteral("12"));
        m_interaction.chooseFileAnswer(QString());
        action("mnuSave")->trigger();
        checkModified(true);
        m_adapter->stop();
        m_interaction.answer(UserInteraction::Ok);
        action("mnuWrite")->trigger();
        QCOMPARE(window().statusPanel(1), ql310::text(ql310::TextId::WriteToIsdnTaFail));
        checkModified(true);
    }

    void aDarkPaletteKeepsTheCallLogHeadersAndTimeControlReadable()
    {
        QVERIFY(shownOnline());
        QApplication::setPalette(darkPalette());
        QCoreApplication::processEvents();

        ql310::calllog::CallLogGrid* log = window().callLogGrid();
        QAbstractItemModel* model = log->model();
        QVERIFY(model->rowCount() >= 2);
        QSet<QRgb> rowColours;
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < ql310::calllog::CallLogModel::kIndexColumn; ++column) {
                const QModelIndex index = model->index(row, column);
                const QColor text = index.data(Qt::ForegroundRole).value<QBrush>().color();
                const QVariant cell = index.data(Qt::BackgroundRole);
                const QColor background =
                    cell.isValid() ? cell.value<QBrush>().color() : log->palette().color(QPalette::Base);
                QVERIFY2(contrastRatio(text, background) >= kMinimumContrast,
                         qPrintable(QStringLiteral("row %1 column %2").arg(row).arg(column)));
                rowColours.insert(text.rgb());
            }
        }
        // Incoming and outgoing calls still look different.
        QVERIFY(rowColours.size() >= 2);

        for (const char* name : {"ForwardGrid", "ShortDialGrid", "PhoneBookGrid", "PhoneBookGrid2", "LCRGrid"}) {
            ql310::FixedCellGrid* grid = window().grid(name);
            for (int row = 0; row < grid->rowCount(); ++row)
                for (int column = 0; column < grid->columnCount(); ++column) {
                    if (!grid->isFixedCell(row, column))
                        continue;
                    QTableWidgetItem* cell = grid->item(row, column);
                    QVERIFY2(contrastRatio(cell->foreground().color(), cell->background().color()) >=
                                 kMinimumContrast,
                             name);
                    QCOMPARE(cell->background().color(), darkPalette().color(QPalette::Button));
                }
        }

        showPage("PhonePage");
        QLineEdit* hour = window().timeSet(0)->hourBox();
        hour->setFocus();
        QTRY_VERIFY(hour->hasFocus());
        const QPalette focused = hour->palette();
        QVERIFY(focused.color(QPalette::Base) != darkPalette().color(QPalette::Base));
        QVERIFY(contrastRatio(focused.color(QPalette::Text), focused.color(QPalette::Base)) >= kMinimumContrast);
    }

    void theDesktopKnowsTheProgramByItsIdAndIcon()
    {
        ql310::applyDesktopIdentity();
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.ql310set.ql310set"));
        const QIcon icon = QGuiApplication::windowIcon();
        QVERIFY(!icon.isNull());
        for (int size : {16, 48, 128}) {
            const QImage image = icon.pixmap(size, size).toImage();
            QCOMPARE(image.width(), size);
            // The adapter's blue body in the middle, the corners left clear.
            const QColor middle = image.pixelColor(size / 2, size / 2 - size / 8);
            QVERIFY2(qAbs(middle.red() - 0x2f) < 24 && qAbs(middle.blue() - 0x8a) < 24,
                     qPrintable(middle.name()));
            QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        }

        QFile entry(QStringLiteral(QL310_DESKTOP_ENTRY));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        QMap<QString, QString> keys;
        for (const QString& line : QString::fromUtf8(entry.readAll()).split(u'\n')) {
            const qsizetype equals = line.indexOf(u'=');
            if (equals > 0)
                keys.insert(line.left(equals), line.mid(equals + 1));
        }
        QCOMPARE(keys.value(QStringLiteral("Name")), QStringLiteral("ISDN TA Configuration"));
        QVERIFY(!keys.value(QStringLiteral("GenericName")).isEmpty());
        QVERIFY(keys.value(QStringLiteral("Keywords")).split(u';', Qt::SkipEmptyParts).contains(QStringLiteral("ISDN")));
    }
};

QTEST_MAIN(DesktopWindowTest)
#include "desktop_window_test.moc"
