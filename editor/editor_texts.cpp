// SPDX-License-Identifier: GPL-3.0-or-later
// The editor window's menus and every caption, list and grid header it
// takes from the text table; the pages' controls are built in
// editor_window.cpp.
#include "editor_window.h"

#include "accessible_names.h"
#include "call_log_grid.h"
#include "fixed_cell_grid.h"
#include "text_fit.h"
#include "text_table.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>

#include <tuple>

namespace ql310 {

namespace {

template <class Widget>
Widget* findControl(const QObject* root, const char* name, int index = -1)
{
    return root->findChild<Widget*>(controlName(name, index));
}

void setCaption(const QObject* root, const char* name, int id, int index = -1)
{
    if (auto* widget = findControl<QLabel>(root, name, index))
        widget->setText(captionDisplayText(text(id)));
    else if (auto* box = findControl<QCheckBox>(root, name, index))
        box->setText(text(id));
    else if (auto* frame = findControl<QGroupBox>(root, name, index))
        frame->setTitle(text(id));
}

// Fills a pick-only combo with the texts `ids` and shows entry `current`.
void fillList(QComboBox* combo, const QList<int>& ids, int current = -1)
{
    combo->clear();
    for (int id : ids)
        combo->addItem(text(id));
    combo->setCurrentIndex(current);
}

QList<int> idRange(int first, int last)
{
    QList<int> ids;
    for (int id = first; id <= last; ++id)
        ids.append(id);
    return ids;
}

} // namespace

void EditorWindow::buildMenus()
{
    struct Item {
        const char* name;  // nullptr: a separator
        const char* submenu = nullptr;
    };
    auto addMenu = [this](QMenu* parent, const char* name) {
        auto* menu = parent ? parent->addMenu(QString()) : new QMenu(this);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    auto addItems = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (!name) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString());
            action->setObjectName(QString::fromLatin1(name));
        }
    };

    QMenu* file = addMenu(nullptr, "mnuFile");
    // The address-book items join the file items; Exit stays last.
    addItems(file, {"mnuLoad", "mnuSave", nullptr, "mnuLoadLCR", "mnuSaveLCR", nullptr,
                    "mnuLoadPhoneBook", "mnuSavePhoneBook", nullptr, "mnuImportPhoneBook",
                    "mnuExportPhoneBook", nullptr, "mnuExit"});
    QMenu* command = addMenu(nullptr, "mnuCommand");
    addItems(command, {"mnuReset", "mnuResetToDefault", nullptr, "mnuWrite"});
    QMenu* callLogging = addMenu(nullptr, "mnuCallLogging");
    addItems(callLogging, {"mnuCLRead", "mnuCLClear"});
    QMenu* sort = addMenu(callLogging, "mnuCLSort");
    addItems(sort, {"mnuCLSIncrease", "mnuCLSDecrease"});
    QMenu* print = addMenu(nullptr, "mnuPrint");
    addItems(print, {"mnuPLCR", "mnuPPB", "mnuSD", "mnuPCL"});
    QMenu* help = addMenu(nullptr, "mnuHelp");
    addItems(help, {"mnuOnLineMenu", nullptr, "mnuAbout"});
    // The grid pop-up: never on the bar.
    QMenu* popup = addMenu(nullptr, "mnuR");
    addItems(popup, {"mnuRTD"});

    auto* bar = new QMenuBar(this);
    for (QMenu* menu : {file, command, callLogging, print, help})
        bar->addMenu(menu);
    setMenuBar(bar);
}

void EditorWindow::setupDdiFunction()
{
    setCaption(this, "DDILabel", 414);
    auto* combo = findControl<QComboBox>(this, "DDICombo");
    combo->clear();
    for (int id = 415; id <= 417; ++id)
        combo->addItem(text(id));
    combo->setCurrentIndex(-1);
}

void EditorWindow::setupEditorTexts()
{
    // "[*]": the desktop's marker of changes not yet written or saved.
    setWindowTitle(text(101) + QStringLiteral("[*]"));

    setupMenuTexts();

    // Tab pages.
    static const int kPages[] = {105, 106, 407, 107, 108, 109, 110, 372};
    for (int i = 0; i < 8; ++i)
        m_tabs->setTabText(i, text(kPages[i]));
    m_lcrTabs->setTabText(0, text(363));
    m_lcrTabs->setTabText(1, text(176));

    setupMsnPageTexts();
    setupPhonePageTexts();
    setupBodPageTexts();
    setupForwardingPageTexts();
    setupLcrPageTexts();
    setupGridHeaders();
    nameForAccessibility(*this);
}

void EditorWindow::setupMenuTexts()
{
    // Menus and their items.
    static const std::pair<const char*, int> kMenus[] = {
        {"mnuFile", 102}, {"mnuCommand", 103}, {"mnuCallLogging", 386}, {"mnuCLSort", 397},
        {"mnuPrint", 418}, {"mnuHelp", 104}, {"mnuR", 419}};
    for (const auto& [name, id] : kMenus)
        menu(name)->menuAction()->setText(text(id));
    static const std::pair<const char*, int> kItems[] = {
        {"mnuLoad", 159}, {"mnuSave", 160}, {"mnuLoadLCR", 161}, {"mnuSaveLCR", 162},
        {"mnuLoadPhoneBook", 163}, {"mnuSavePhoneBook", 359}, {"mnuExit", 164},
        {"mnuReset", 165}, {"mnuResetToDefault", 166}, {"mnuWrite", 167}, {"mnuCLRead", 396},
        {"mnuCLClear", 387}, {"mnuCLSIncrease", 398}, {"mnuCLSDecrease", 399},
        {"mnuPLCR", 108}, {"mnuPPB", 110}, {"mnuSD", 109}, {"mnuPCL", 372},
        {"mnuOnLineMenu", 168}, {"mnuAbout", 169}, {"mnuRTD", 419}};
    for (const auto& [name, id] : kItems)
        findChild<QAction*>(QString::fromLatin1(name))->setText(text(id));
    // The address-book items have no text of the table.
    findChild<QAction*>(QStringLiteral("mnuImportPhoneBook"))
        ->setText(QCoreApplication::translate("ql310::EditorWindow", "&Import Phone Book…"));
    findChild<QAction*>(QStringLiteral("mnuExportPhoneBook"))
        ->setText(QCoreApplication::translate("ql310::EditorWindow", "Expor&t Phone Book…"));
}

void EditorWindow::setupMsnPageTexts()
{
    // Page 0: numbers and MSNs.
    for (int i = 0; i < kPortCount; ++i) {
        const QByteArray column = "MSNPort" + QByteArray::number(i + 1);
        setCaption(this, column.constData(), 111 + i);
    }
    setCaption(this, "MSNData", 115);
    setCaption(this, "MSNPortNumber", 116);
    setCaption(this, "MSNName", 117);
    setCaption(this, "MSNIncomingMSN", 118);
    setCaption(this, "MSNOutgoingPN", 124);
    static const char* const kTypeCombos[] = {"PortMSNType1", "PortMSNType2", "PortMSNType3"};
    for (int i = 0; i < kPortCount; ++i) {
        setCaption(this, "AcceptAllMSN", 119, i);
        // Ring types of MSN rows 1, 2, 3 start as "Type 2", "Type 3", "Type 4".
        for (int row = 0; row < 3; ++row)
            fillList(findControl<QComboBox>(this, kTypeCombos[row], i), idRange(120, 123), row + 1);
    }
    fillList(findControl<QComboBox>(this, "AnalogLaw"), {125, 126});
    setCaption(this, "DataAcceptAllMSN", 119);
}

void EditorWindow::setupPhonePageTexts()
{
    // Page 1: phone functions.
    for (int i = 0; i < kPortCount; ++i) {
        const QByteArray column = "PhonePort" + QByteArray::number(i + 1);
        setCaption(this, column.constData(), 111 + i);
    }
    static const std::pair<const char*, int> kPhoneRows[] = {
        {"PhoneNeedMCall", 127}, {"PhoneMTime", 175}, {"PhoneDToIn", 128},
        {"PhoneInCID", 129},     {"PhoneOutCID", 130}, {"PhoneCallWait", 131},
        {"PhoneTakeOver", 132},  {"PhoneStopMusic", 133}, {"PhoneCID", 134}};
    for (const auto& [name, id] : kPhoneRows)
        setCaption(this, name, id);
    fillList(findControl<QComboBox>(this, "PortCallIDOption"), idRange(135, 138), 0);
    setCaption(this, "Prefer1B", 158);
}

void EditorWindow::setupBodPageTexts()
{
    // Page 2: bandwidth on demand.
    static const std::pair<const char*, int> kBodLabels[] = {
        {"Min2BLabel", 408},      {"Delay2BLabel", 409},    {"OpenCPSLabel", 410},
        {"CloseCPSLabel", 411},   {"Min2BSecLabel", 145},   {"Delay2BSecLabel", 145},
        {"OpenCPScpsLabel", 412}, {"CloseCPScpsLabel", 412}};
    for (const auto& [name, id] : kBodLabels)
        setCaption(this, name, id);
}

void EditorWindow::setupForwardingPageTexts()
{
    // Page 3: forwarding.
    setCaption(this, "FWBy", 283);
    for (int i = 0; i < kPortCount; ++i) {
        const QByteArray column = "ForwardPort" + QByteArray::number(i + 1);
        setCaption(this, column.constData(), 111 + i);
        fillList(findControl<QComboBox>(this, "ForwardingType", i), idRange(139, 142), 0);
        fillList(findControl<QComboBox>(this, "NoAnswerTime", i), idRange(284, 344));
        setCaption(this, "FWSec", 145, i);
    }
    setCaption(this, "FWTo", 143);
    setCaption(this, "FWNoAnswer", 144);
    setCaption(this, "FWBook", 146);
    fillList(findControl<QComboBox>(this, "FWActive"), {361, 362});
}

void EditorWindow::setupLcrPageTexts()
{
    // Page 4: LCR editors and the exclusion table.
    fillList(findControl<QComboBox>(this, "LCRAdd"), {154, 155});
    QList<int> hours = idRange(186, 209);
    hours.append(364);
    auto* lcrTime = findControl<QComboBox>(this, "LCRTime");
    fillList(lcrTime, hours);
    lcrTime->addItem(QStringLiteral("--"));
    fillList(findControl<QComboBox>(this, "LCRWeek"), {156, 157, 360});
    fillList(findControl<QComboBox>(this, "LCRActive"), {361, 362});
    setCaption(this, "LCREDRange", 151);
    setCaption(this, "LCREMF", 156);
    setCaption(this, "LCRESS", 157);
    setCaption(this, "LCREActive", 149);
}

void EditorWindow::setupGridHeaders()
{
    m_callLogGrid->callLogModel()->setTexts([](int id) { return text(id); });

    FixedCellGrid* forward = grid("ForwardGrid");
    forward->setCellText(0, 1, text(147));
    forward->setCellText(0, 2, text(148));
    forward->setCellText(0, 3, text(143));
    forward->setCellText(0, 4, text(149));
    for (int row = 1; row < forward->rowCount(); ++row)
        forward->setCellText(row, 0, QString::number(row + 800));

    FixedCellGrid* shortDial = grid("ShortDialGrid");
    for (int column = 1; column <= kPortCount; ++column)
        shortDial->setCellText(0, column, text(110 + column));
    shortDial->setCellText(1, 0, text(116));
    shortDial->setCellText(2, 0, text(117));
    for (int row = 3; row < shortDial->rowCount(); ++row)
        shortDial->setCellText(row, 0, QString::number(row - 3 + 700));

    const std::pair<const char*, int> books[] = {{"PhoneBookGrid", 800}, {"PhoneBookGrid2", 820}};
    for (const auto& [name, first] : books) {
        FixedCellGrid* book = grid(name);
        book->setCellText(0, 1, text(147));
        book->setCellText(0, 2, text(148));
        for (int row = 1; row < book->rowCount(); ++row)
            book->setCellText(row, 0, QString::number(row + first));
    }

    FixedCellGrid* lcr = grid("LCRGrid");
    const std::tuple<int, int, int> merged[] = {{1, 3, 151}, {4, 5, 152}, {6, 9, 153}, {10, 10, 149}};
    for (const auto& [first, last, id] : merged) {
        for (int column = first; column <= last; ++column)
            lcr->setCellText(0, column, text(id));
        if (last > first)
            lcr->mergeCells(0, first, last - first + 1);
    }
    const std::pair<int, int> second[] = {{1, 365}, {3, 366}, {4, 367}, {5, 368},
                                          {6, 369}, {8, 369}, {9, 370}, {10, 371}};
    for (const auto& [column, id] : second)
        lcr->setCellText(1, column, text(id));
    for (int row = 1; row < lcr->rowCount(); ++row) {
        lcr->setCellText(row, 2, QStringLiteral("--->"));
        lcr->setCellText(row, 7, QStringLiteral("--->"));
    }
    for (int row = 2; row < lcr->rowCount(); ++row)
        lcr->setCellText(row, 0, QString::number(row - 1));
}

} // namespace ql310
