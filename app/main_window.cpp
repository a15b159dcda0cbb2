// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include "busy_pointer.h"
#include "call_log_commands.h"
#include "call_log_grid.h"
#include "call_log_widths.h"
#include "call_log_workbench.h"
#include "collection_lines.h"
#include "device_commands.h"
#include "edit_watch.h"
#include "file_commands.h"
#include "fixed_cell_grid.h"
#include "home_region.h"
#include "layout.h"
#include "interaction.h"
#include "library_binding.h"
#include "phone_book_commands.h"
#include "print_and_help_menus.h"
#include "text_table.h"
#include "window_geometry.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QSettings>
#include <QTabWidget>

#include <initializer_list>
#include <utility>

namespace ql310 {

namespace {

constexpr int kFileLoadAreaSize = QL310_TABLE_BLOCK_SIZE + QL310_SETTING_BLOCK_SIZE;

uint8_t* bytes(QByteArray& image)
{
    return reinterpret_cast<uint8_t*>(image.data());
}

// Runs `handler` of `commands` when the menu item of that name is chosen.
template <class Commands>
void connectMenuItems(QWidget& window, Commands& commands,
                      std::initializer_list<std::pair<const char*, void (Commands::*)()>> items)
{
    for (const auto& [name, handler] : items)
        QObject::connect(window.findChild<QAction*>(QLatin1String(name)), &QAction::triggered,
                         &window, [&commands, handler = handler] { (commands.*handler)(); });
}

} // namespace

MainWindow::MainWindow(LibraryBinding& library, UserInteraction& interaction, QWidget* parent)
    : EditorWindow(parent),
      m_library(library),
      m_interaction(interaction),
      m_tableBlock(QL310_TABLE_BLOCK_SIZE, '\0'),
      m_settingBlock(QL310_SETTING_BLOCK_SIZE, '\0'),
      m_fileLoadArea(kFileLoadAreaSize, '\0'),
      m_lineParams(QL310_LINE_PARAMS_SIZE, '\0'),
      m_callHistoryBuffer(QL310_CALL_HISTORY_SIZE, '\0')
{
    m_blockReadRetry.setObjectName(QStringLiteral("Timer1"));
    m_blockReadRetry.setInterval(kPollMs);
    connect(&m_blockReadRetry, &QTimer::timeout, this, &MainWindow::retryBlockRead);

    m_commands = std::make_unique<DeviceCommands>(*this, m_interaction);
    connectMenuItems(*this, *m_commands,
                     {{"mnuReset", &DeviceCommands::readFromAdapter},
                      {"mnuWrite", &DeviceCommands::writeToAdapter},
                      {"mnuExit", &DeviceCommands::exitProgram},
                      {"mnuResetToDefault", &DeviceCommands::resetToDefault}});

    m_printAndHelp = new PrintAndHelpMenus(*this, m_interaction);

    m_callLog = new CallLogCommands(*this, interaction);
    connect(findChild<QAction*>(QStringLiteral("mnuCLRead")), &QAction::triggered, this,
            &MainWindow::readCallLogFromAdapter);
    // Above the grid, before the workbench puts its bar there.
    m_collectionLines = new collection::CollectionLines(*callLogGrid(), m_callLog->store(),
                                                        [this] { m_callLog->showCallLog(); });
    m_workbench = new calllog::CallLogWorkbench(*this, m_callLog->store(), interaction, [this] {
        const image::Slot country = image::slot(image::FieldId::CountryCode);
        return numbers::regionForCountryCode(uint8_t(m_settingBlock[country.offset]));
    });
    // The call log's lines and filter bar above the grid join the Tab order.
    orderTabKey();

    m_files = std::make_unique<FileCommands>(*this, m_interaction);
    connectMenuItems(*this, *m_files,
                     {{"mnuLoad", &FileCommands::loadSettingFile},
                      {"mnuSave", &FileCommands::saveSettingFile},
                      {"mnuLoadLCR", &FileCommands::loadLcrFile},
                      {"mnuSaveLCR", &FileCommands::saveLcrFile},
                      {"mnuLoadPhoneBook", &FileCommands::loadPhoneBookFile},
                      {"mnuSavePhoneBook", &FileCommands::savePhoneBookFile}});
    m_phoneBook = std::make_unique<PhoneBookCommands>(*this, m_interaction);
    connectMenuItems(*this, *m_phoneBook,
                     {{"mnuImportPhoneBook", &PhoneBookCommands::importPhoneBook},
                      {"mnuExportPhoneBook", &PhoneBookCommands::exportPhoneBook}});
    m_editorBehaviour = std::make_unique<EditorBehaviour>(
        *this, m_interaction, [this] { return m_clearStatusOnTabFocus == kTrue; });
    // The caption's marker: edits not yet written to the adapter or saved.
    connect(new EditWatch(*this, *m_editorBehaviour, this), &EditWatch::edited, this,
            [this] { setWindowModified(true); });
}

void MainWindow::setClock(const Clock& clock)
{
    m_callLog->setClock(clock);
}

void MainWindow::readCallLogFromAdapter()
{
    BusyPointer busy;
    if (getCallHistory() != QL310_OK) {
        setStatusPanel(1, text(TextId::OpenFailIsdnTaMay));
        return;
    }
    setStatusPanel(1, text(TextId::OpenSuccess));
    m_clearStatusOnTabFocus = kTrue;
    refreshCallLog();
}

MainWindow::~MainWindow()
{
    // Before the grid goes: the workbench lets go of the grid's model, the
    // call log unbinds the grid from its store.
    delete m_workbench;
    delete m_collectionLines;
    delete m_callLog;
}

bool MainWindow::startUp()
{
    m_state = State::Starting;
    {
        QSettings settings(settingsApplication(), settingsApplication());
        configureGrids(readCallLogWidths(settings));
        callLogGrid()->setColumnWidthTwips(calllog::CallLogModel::kNameColumn,
                                           readCallLogNameWidth(settings));
    }
    setupDdiFunction();
    widenTimeControls(kTimeControlExtraTwips);
    setupEditorTexts();
    clearStatusPanels();
    {
        QSettings settings(settingsApplication(), settingsApplication());
        if (!restoreWindowGeometry(settings, *this))
            giveDefaultSize(*this);
    }

    // The library calls block until the driver answers: show the busy pointer.
    bool blocksOk = false;
    bool historyOk = false;
    {
        BusyPointer busy;
        // The registry read fills what it finds; its result is not examined.
        getLineParams();
        // A block read that fails here is retried by the poll (below).
        blocksOk = loadSetting() == QL310_OK;
        historyOk = getCallHistory() == QL310_OK;
    }

    if (historyOk) {
        m_state = State::Normal;
        if (blocksOk) {
            setStatusPanel(1, text(TextId::OpenSuccess));
            m_settingsRead = kTrue;
            decodeImagesIntoEditor();
        } else {
            // The history came but the blocks did not: the editor is not
            // filled from unread images, and nothing may be written back
            // over the adapter's configuration until a read succeeds.
            m_settingsRead = kFalse;
            m_blockReadRetry.start();
        }
        refreshCallLog();
        return true;
    }

    m_settingsRead = kFalse;
    const auto answer = m_interaction.ask(text(TextId::WaringIsdnTaIsNot), text(TextId::UsbIsdnTaConfiguration), UserInteraction::Icon::Question,
                                          UserInteraction::Ok | UserInteraction::Cancel);
    if (answer != UserInteraction::Ok) {
        close();
        return false;
    }
    enterOffline();
    return true;
}

void MainWindow::enterOffline()
{
    m_state = State::Offline;
    setStatusPanel(1, text(TextId::OpenFailIsdnTaMay));
    setDeviceControlsEnabled(false);
    m_blockReadRetry.start();
}

void MainWindow::setDeviceControlsEnabled(bool enabled)
{
    tabs()->setEnabled(enabled);
    for (const char* name : {"mnuCommand", "mnuCallLogging", "mnuPrint"})
        setMenuEnabled(menu(name), enabled);
}

void MainWindow::retryBlockRead()
{
    if (loadSetting() != QL310_OK)
        return;
    m_blockReadRetry.stop();
    m_state = State::Normal;
    setDeviceControlsEnabled(true);
    blocksRead();
}

void MainWindow::blocksRead()
{
    setStatusPanel(1, text(TextId::OpenSuccess));
    m_settingsRead = kTrue;
    decodeImagesIntoEditor();
}

bool MainWindow::mayDiscardEdits()
{
    if (!isWindowModified())
        return true;
    return m_interaction.askWithDefault(
               QCoreApplication::translate("ql310::MainWindow",
                                           "Discard the changes that are not written to the ISDN TA?"),
               text(TextId::UsbIsdnTaConfiguration), UserInteraction::Icon::Question, UserInteraction::Yes | UserInteraction::No,
               UserInteraction::No)
        == UserInteraction::Yes;
}

void MainWindow::writingDot()
{
    setStatusPanel(1, statusPanel(1) + u'.');
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_unloaded) {
        event->accept();
        return;
    }
    m_state = State::Closing;
    offerWriteBeforeClosing();
    storeWindowState();
    m_blockReadRetry.stop();
    m_unloaded = true;
    event->accept();
}

void MainWindow::offerWriteBeforeClosing()
{
    if (m_settingsRead != kTrue)
        return;
    const auto answer = m_interaction.ask(text(TextId::WritingToIsdnTaNow), text(TextId::UsbIsdnTaConfiguration), UserInteraction::Icon::Question,
                                          UserInteraction::Yes | UserInteraction::No);
    if (answer == UserInteraction::Yes)
        runWriteCommand();
}

void MainWindow::storeWindowState()
{
    calllog::CallLogGrid* callLog = callLogGrid();
    QList<int> widths;
    for (int column = 0; column < callLog->columnCount(); ++column)
        widths.append(callLog->columnWidthTwips(column));
    QSettings settings(settingsApplication(), settingsApplication());
    storeCallLogWidths(settings, widths);
    storeWindowGeometry(settings, *this);
}

void MainWindow::decodeImagesIntoEditor()
{
    m_commands->decodeImages();
}

void MainWindow::refreshCallLog()
{
    m_callLog->refresh(m_callHistoryBuffer);
}

void MainWindow::runWriteCommand()
{
    emit writeCommandStarted();
    m_commands->writeToAdapter();
}

quint8 MainWindow::loadSetting()
{
    const LibraryFunctions* library = m_library.functions();
    if (!library)
        return QL310_NO_DEVICE;
    return library->QL310_LoadSetting(bytes(m_tableBlock), bytes(m_settingBlock));
}

quint8 MainWindow::getCallHistory()
{
    const LibraryFunctions* library = m_library.functions();
    if (!library)
        return QL310_NO_DEVICE;
    return library->QL_GetCallHistoryData(bytes(m_callHistoryBuffer));
}

quint8 MainWindow::getLineParams()
{
    const LibraryFunctions* library = m_library.functions();
    if (!library)
        return QL310_NO_DEVICE;
    const quint8 result = library->QL_GetDataFromRegistry(bytes(m_lineParams));
    m_lineParamsRead = line::checkReadable();
    // The status line keeps its own texts; the sign beside it tells why the
    // line parameters could not be read.
    setStatusWarning(m_lineParamsRead == line::HiveState::Ok ? QString()
                                                             : lineParamsNotReadText(m_lineParamsRead));
    return result;
}

} // namespace ql310
