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

void setCaption(const QObject* root, const char* name, TextId id, int index = -1)
{
    if (auto* widget = findControl<QLabel>(root, name, index))
        widget->setText(captionDisplayText(text(id)));
    else if (auto* box = findControl<QCheckBox>(root, name, index))
        box->setText(text(id));
    else if (auto* frame = findControl<QGroupBox>(root, name, index))
        frame->setTitle(text(id));
}

// Fills a pick-only combo with the texts `ids` and shows entry `current`.
void fillList(QComboBox* combo, const QList<TextId>& ids, int current = -1)
{
    combo->clear();
    for (TextId id : ids)
        combo->addItem(text(id));
    combo->setCurrentIndex(current);
}

// The texts `first` .. `last`, which stand in a row.
QList<TextId> idRange(TextId first, TextId last)
{
    QList<TextId> ids;
    for (int offset = 0; offset <= textNumber(last) - textNumber(first); ++offset)
        ids.append(textAfter(first, offset));
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
    setCaption(this, "DDILabel", TextId::DdiFunction);
    auto* combo = findControl<QComboBox>(this, "DDICombo");
    combo->clear();
    for (TextId id : idRange(TextId::Disable, TextId::PointToMp))
        combo->addItem(text(id));
    combo->setCurrentIndex(-1);
}

void EditorWindow::setupEditorTexts()
{
    // "[*]": the desktop's marker of changes not yet written or saved.
    setWindowTitle(text(TextId::UsbIsdnTaConfiguration) + QStringLiteral("[*]"));

    setupMenuTexts();

    // Tab pages.
    static const TextId kPages[] = {TextId::Msn, TextId::PhoneAndDataFunction, TextId::Bod, TextId::Forwarding, TextId::Lcr, TextId::ShortDial, TextId::PhoneBook, TextId::CallLogging_372};
    for (int i = 0; i < 8; ++i)
        m_tabs->setTabText(i, text(kPages[i]));
    m_lcrTabs->setTabText(0, text(TextId::Table120));
    m_lcrTabs->setTabText(1, text(TextId::ExclusionTable));

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
    static const std::pair<const char*, TextId> kMenus[] = {
        {"mnuFile", TextId::File}, {"mnuCommand", TextId::Command}, {"mnuCallLogging", TextId::CallLogging_386}, {"mnuCLSort", TextId::Sort},
        {"mnuPrint", TextId::Print}, {"mnuHelp", TextId::Help}, {"mnuR", TextId::DeleteEntry}};
    for (const auto& [name, id] : kMenus)
        menu(name)->menuAction()->setText(text(id));
    static const std::pair<const char*, TextId> kItems[] = {
        {"mnuLoad", TextId::LoadSetting}, {"mnuSave", TextId::SaveSetting}, {"mnuLoadLCR", TextId::LoadLcr}, {"mnuSaveLCR", TextId::SaveLcr},
        {"mnuLoadPhoneBook", TextId::LoadPhoneBook}, {"mnuSavePhoneBook", TextId::SavePhoneBook}, {"mnuExit", TextId::Exit},
        {"mnuReset", TextId::ReadFromIsdnTa}, {"mnuResetToDefault", TextId::ResetToDefault}, {"mnuWrite", TextId::WriteToIsdnTa}, {"mnuCLRead", TextId::Read},
        {"mnuCLClear", TextId::Clear}, {"mnuCLSIncrease", TextId::Ascending}, {"mnuCLSDecrease", TextId::Descending},
        {"mnuPLCR", TextId::Lcr}, {"mnuPPB", TextId::PhoneBook}, {"mnuSD", TextId::ShortDial}, {"mnuPCL", TextId::CallLogging_372},
        {"mnuOnLineMenu", TextId::OnLineMenu}, {"mnuAbout", TextId::AboutIsdnTa}, {"mnuRTD", TextId::DeleteEntry}};
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
        setCaption(this, column.constData(), kPortHeaderTexts[i]);
    }
    setCaption(this, "MSNData", TextId::Data);
    setCaption(this, "MSNPortNumber", TextId::PortNumber);
    setCaption(this, "MSNName", TextId::Name);
    setCaption(this, "MSNIncomingMSN", TextId::IncomingMsnAndRingType);
    setCaption(this, "MSNOutgoingPN", TextId::OutgoingPhoneNumber);
    static const char* const kTypeCombos[] = {"PortMSNType1", "PortMSNType2", "PortMSNType3"};
    for (int i = 0; i < kPortCount; ++i) {
        setCaption(this, "AcceptAllMSN", TextId::AcceptAll, i);
        // Ring types of MSN rows 1, 2, 3 start as "Type 2", "Type 3", "Type 4".
        for (int row = 0; row < 3; ++row)
            fillList(findControl<QComboBox>(this, kTypeCombos[row], i), idRange(TextId::Type1, TextId::Type4), row + 1);
    }
    fillList(findControl<QComboBox>(this, "AnalogLaw"), {TextId::ALaw, TextId::ULaw});
    setCaption(this, "DataAcceptAllMSN", TextId::AcceptAll);
}

void EditorWindow::setupPhonePageTexts()
{
    // Page 1: phone functions.
    for (int i = 0; i < kPortCount; ++i) {
        const QByteArray column = "PhonePort" + QByteArray::number(i + 1);
        setCaption(this, column.constData(), kPortHeaderTexts[i]);
    }
    static const std::pair<const char*, TextId> kPhoneRows[] = {
        {"PhoneNeedMCall", TextId::NeedMorningCall}, {"PhoneMTime", TextId::MorningCallTime}, {"PhoneDToIn", TextId::DirectToOutsideLine},
        {"PhoneInCID", TextId::ShowIncomingCallerId},     {"PhoneOutCID", TextId::EnableOutgoingCallerId}, {"PhoneCallWait", TextId::EnableCallWaiting},
        {"PhoneTakeOver", TextId::EnableTakeOver},  {"PhoneStopMusic", TextId::StopMusicOnHold}, {"PhoneCID", TextId::CallerIdOption}};
    for (const auto& [name, id] : kPhoneRows)
        setCaption(this, name, id);
    fillList(findControl<QComboBox>(this, "PortCallIDOption"), idRange(TextId::DtmfAftFirstRing, TextId::FskPreFirstRing), 0);
    setCaption(this, "Prefer1B", TextId::Prefer1BChannelFirst);
}

void EditorWindow::setupBodPageTexts()
{
    // Page 2: bandwidth on demand.
    static const std::pair<const char*, TextId> kBodLabels[] = {
        {"Min2BLabel", TextId::T1Minimum2ndBChannel},      {"Delay2BLabel", TextId::T2DelayFor2ndB},    {"OpenCPSLabel", TextId::T3Open2ndBChannel},
        {"CloseCPSLabel", TextId::T4Close2ndBChannel},   {"Min2BSecLabel", TextId::Sec},   {"Delay2BSecLabel", TextId::Sec},
        {"OpenCPScpsLabel", TextId::Cps}, {"CloseCPScpsLabel", TextId::Cps}};
    for (const auto& [name, id] : kBodLabels)
        setCaption(this, name, id);
}

void EditorWindow::setupForwardingPageTexts()
{
    // Page 3: forwarding.
    setCaption(this, "FWBy", TextId::CallForwarding);
    for (int i = 0; i < kPortCount; ++i) {
        const QByteArray column = "ForwardPort" + QByteArray::number(i + 1);
        setCaption(this, column.constData(), kPortHeaderTexts[i]);
        fillList(findControl<QComboBox>(this, "ForwardingType", i), idRange(TextId::NoForward, TextId::Immediately), 0);
        fillList(findControl<QComboBox>(this, "NoAnswerTime", i), idRange(TextId::Count00, TextId::Count60));
        setCaption(this, "FWSec", TextId::Sec, i);
    }
    setCaption(this, "FWTo", TextId::ForwardTo);
    setCaption(this, "FWNoAnswer", TextId::DelayBeforeForwardingOnNo);
    setCaption(this, "FWBook", TextId::ForwardAccordingToPhoneBook);
    fillList(findControl<QComboBox>(this, "FWActive"), {TextId::Yes_361, TextId::No});
}

void EditorWindow::setupLcrPageTexts()
{
    // Page 4: LCR editors and the exclusion table.
    fillList(findControl<QComboBox>(this, "LCRAdd"), {TextId::Replace, TextId::Add});
    QList<TextId> hours = idRange(TextId::Hour01, TextId::Hour24);
    hours.append(TextId::All_364);
    auto* lcrTime = findControl<QComboBox>(this, "LCRTime");
    fillList(lcrTime, hours);
    lcrTime->addItem(QStringLiteral("--"));
    fillList(findControl<QComboBox>(this, "LCRWeek"), {TextId::MonFri, TextId::SatSun, TextId::MonSun});
    fillList(findControl<QComboBox>(this, "LCRActive"), {TextId::Yes_361, TextId::No});
    setCaption(this, "LCREDRange", TextId::DialRange);
    setCaption(this, "LCREMF", TextId::MonFri);
    setCaption(this, "LCRESS", TextId::SatSun);
    setCaption(this, "LCREActive", TextId::Active);
}

void EditorWindow::setupGridHeaders()
{
    m_callLogGrid->callLogModel()->setTexts([](TextId id) { return text(id); });

    FixedCellGrid* forward = grid("ForwardGrid");
    forward->setCellText(0, 1, text(TextId::PeerPhoneNumber));
    forward->setCellText(0, 2, text(TextId::PeerName));
    forward->setCellText(0, 3, text(TextId::ForwardTo));
    forward->setCellText(0, 4, text(TextId::Active));
    for (int row = 1; row < forward->rowCount(); ++row)
        forward->setCellText(row, 0, QString::number(row + 800));

    FixedCellGrid* shortDial = grid("ShortDialGrid");
    for (int column = 1; column <= kPortCount; ++column)
        shortDial->setCellText(0, column, text(kPortHeaderTexts[column - 1]));
    shortDial->setCellText(1, 0, text(TextId::PortNumber));
    shortDial->setCellText(2, 0, text(TextId::Name));
    for (int row = 3; row < shortDial->rowCount(); ++row)
        shortDial->setCellText(row, 0, QString::number(row - 3 + 700));

    const std::pair<const char*, int> books[] = {{"PhoneBookGrid", 800}, {"PhoneBookGrid2", 820}};
    for (const auto& [name, first] : books) {
        FixedCellGrid* book = grid(name);
        book->setCellText(0, 1, text(TextId::PeerPhoneNumber));
        book->setCellText(0, 2, text(TextId::PeerName));
        for (int row = 1; row < book->rowCount(); ++row)
            book->setCellText(row, 0, QString::number(row + first));
    }

    FixedCellGrid* lcr = grid("LCRGrid");
    const std::tuple<int, int, TextId> merged[] = {{1, 3, TextId::DialRange}, {4, 5, TextId::Prefix}, {6, 9, TextId::ActiveTimeRange}, {10, 10, TextId::Active}};
    for (const auto& [first, last, id] : merged) {
        for (int column = first; column <= last; ++column)
            lcr->setCellText(0, column, text(id));
        if (last > first)
            lcr->mergeCells(0, first, last - first + 1);
    }
    const std::pair<int, TextId> second[] = {{1, TextId::Start}, {3, TextId::End}, {4, TextId::AddReplace}, {5, TextId::Number},
                                          {6, TextId::Hour}, {8, TextId::Hour}, {9, TextId::Period}, {10, TextId::YesNo}};
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
