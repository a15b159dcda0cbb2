// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's life cycle: start-up, the offline state with its poll
// of the adapter, the close question, the remembered column widths and the
// window's remembered size and place.
// The window owns the configuration images for the whole run.
#pragma once

#include "editor_behaviour.h"
#include "editor_window.h"
#include "line_params_check.h"

#include <QByteArray>
#include <QTimer>

#include <memory>

namespace ql310::calllog {
class CallLogWorkbench;
}
namespace ql310::collection {
class CollectionLines;
}

namespace ql310 {

class DeviceCommands;
class CallLogCommands;
class Clock;
class FileCommands;
class LibraryBinding;
class PhoneBookCommands;
class PrintAndHelpMenus;
class UserInteraction;

// A window-state boolean: 16 bits, true = -1.
using WindowFlag = qint16;
constexpr WindowFlag kTrue = -1;
constexpr WindowFlag kFalse = 0;

class MainWindow : public EditorWindow {
    Q_OBJECT
    // The commands call the library on the window's images as start-up does.
    friend class DeviceCommands;

public:
    enum class State { Starting, Normal, Offline, Closing };

    // Poll period of the offline state.
    static constexpr int kPollMs = 250;
    // Extra width of the morning-call time controls.
    static constexpr int kTimeControlExtraTwips = 30;

    MainWindow(LibraryBinding& library, UserInteraction& interaction, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence, run before the window is first shown. False
    // when the user chose to end the program at the not-connected warning
    // (the window has been closed by then).
    bool startUp();

    // True when nothing unwritten would be lost, or the user agreed to
    // discard it: while the caption shows the modified marker, asks
    // "Discard the changes that are not written to the ISDN TA?" (No first).
    bool mayDiscardEdits();

    // Appends one progress dot to status panel 1.
    void writingDot();

    // The call log's refresh and commands.
    CallLogCommands& callLog() { return *m_callLog; }
    // The clock the call log reads "today" and "now" from.
    void setClock(const Clock& clock);
    // mnuCLRead: fetch the call history and refresh the call log.
    void readCallLogFromAdapter();

    // The library's operations, for the code that works on the images.
    LibraryBinding& library() { return m_library; }

    State state() const { return m_state; }
    WindowFlag settingsRead() const { return m_settingsRead; }
    WindowFlag clearStatusOnTabFocus() const { return m_clearStatusOnTabFocus; }
    void setSettingsRead(WindowFlag value) { m_settingsRead = value; }
    void setClearStatusOnTabFocus(WindowFlag value) { m_clearStatusOnTabFocus = value; }
    // Read, Write, Exit, Reset to Default, and the decoder and encoder on
    // the window's images.
    DeviceCommands& commands() { return *m_commands; }
    // The File menu's settings, LCR and phone-book files.
    FileCommands& files() { return *m_files; }
    // The File menu's phone-book import and export.
    PhoneBookCommands& phoneBookCommands() { return *m_phoneBook; }
    const QTimer& timer1() const { return m_blockReadRetry; }

    QByteArray& tableBlock() { return m_tableBlock; }
    QByteArray& settingBlock() { return m_settingBlock; }
    QByteArray& fileLoadArea() { return m_fileLoadArea; }
    QByteArray& lineParams() { return m_lineParams; }
    QByteArray& callHistoryBuffer() { return m_callHistoryBuffer; }

    // The call log's filter bar, names, Export and Statistics.
    calllog::CallLogWorkbench& callLogWorkbench() { return *m_workbench; }
    collection::CollectionLines& collectionLines() { return *m_collectionLines; }

    // The table printing, on-line help and About items.
    PrintAndHelpMenus& printAndHelpMenus() { return *m_printAndHelp; }
    // Grid editing, the LCR editor, the field help and the delete pop-up.
    EditorBehaviour& editorBehaviour() { return *m_editorBehaviour; }

signals:
    // The Write command was started (by the close question's Yes).
    void writeCommandStarted();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void retryBlockRead();
    void enterOffline();
    void setDeviceControlsEnabled(bool enabled);
    // A successful block read: status, enabled editor, decoded images.
    void blocksRead();
    // Before the window closes: may write, never refuses.
    void offerWriteBeforeClosing();
    // As the window closes: stores the call-log column widths and the window's geometry.
    void storeWindowState();

    // The decoder shows the images and LineParams in the editor.
    void decodeImagesIntoEditor();
    // The call-log refresh after a successful history fetch: load the
    // history into the scratch log, merge it into the call log, show the log.
    void refreshCallLog();
    // The Write command (encode, save the blocks, store the line parameters).
    void runWriteCommand();

    quint8 loadSetting();
    quint8 getCallHistory();
    quint8 getLineParams();

    LibraryBinding& m_library;
    UserInteraction& m_interaction;

    QByteArray m_tableBlock;
    QByteArray m_settingBlock;
    QByteArray m_fileLoadArea;
    QByteArray m_lineParams;
    QByteArray m_callHistoryBuffer;

    State m_state = State::Starting;
    WindowFlag m_settingsRead = kFalse;
    WindowFlag m_clearStatusOnTabFocus = kFalse;
    bool m_unloaded = false;
    // What the last registry read found (the library does not say).
    line::HiveState m_lineParamsRead = line::HiveState::Ok;
    QTimer m_blockReadRetry;
    std::unique_ptr<DeviceCommands> m_commands;
    PrintAndHelpMenus* m_printAndHelp = nullptr;
    CallLogCommands* m_callLog = nullptr;
    calllog::CallLogWorkbench* m_workbench = nullptr;
    collection::CollectionLines* m_collectionLines = nullptr;
    std::unique_ptr<FileCommands> m_files;
    std::unique_ptr<PhoneBookCommands> m_phoneBook;
    // Grid editing, field help and the delete pop-up; gone before the controls.
    std::unique_ptr<EditorBehaviour> m_editorBehaviour;
};

} // namespace ql310
