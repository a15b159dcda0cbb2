// The main window's life cycle: start-up, the offline state with its poll
// of the adapter, the close question and the remembered column widths.
// The window owns the configuration images for the whole run.
#pragma once

#include "editor_behaviour.h"
#include "editor_window.h"

#include <QByteArray>
#include <QTimer>

#include <memory>

namespace ql310 {

class LibraryBinding;
class UserInteraction;

// A window-state boolean: 16 bits, true = -1.
using WindowFlag = qint16;
constexpr WindowFlag kTrue = -1;
constexpr WindowFlag kFalse = 0;

class MainWindow : public EditorWindow {
    Q_OBJECT

public:
    enum class State { Starting, Normal, Offline, Closing };

    // Poll period of the offline state.
    static constexpr int kPollMs = 250;
    // Extra width of the morning-call time controls.
    static constexpr int kTimeControlExtraTwips = 30;

    MainWindow(LibraryBinding& library, UserInteraction& interaction, QWidget* parent = nullptr);

    // The start-up sequence, run before the window is first shown. False
    // when the user chose to end the program at the not-connected warning
    // (the window has been closed by then).
    bool formLoad();

    // Appends one progress dot to status panel 1.
    void writingDot();

    // The library's operations, for the code that works on the images.
    LibraryBinding& library() { return m_library; }

    State state() const { return m_state; }
    WindowFlag settingsRead() const { return m_settingsRead; }
    WindowFlag clearStatusOnTabFocus() const { return m_clearStatusOnTabFocus; }
    const QTimer& timer1() const { return m_timer1; }

    QByteArray& tableBlock() { return m_tableBlock; }
    QByteArray& settingBlock() { return m_settingBlock; }
    QByteArray& fileLoadArea() { return m_fileLoadArea; }
    QByteArray& lineParams() { return m_lineParams; }
    QByteArray& callHistoryBuffer() { return m_callHistoryBuffer; }

signals:
    // The Write command was started (by the close question's Yes).
    void writeCommandStarted();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void timer1Timer();
    void enterOffline();
    void setDeviceControlsEnabled(bool enabled);
    // A successful block read: status, enabled editor, decoded images.
    void blocksRead();
    // Form_QueryUnload: may write, never refuses.
    void queryUnload();
    // Form_Unload: stores the call-log column widths.
    void unload();

    // Where the decoder shows the images and LineParams in the editor.
    // Until it exists the editor keeps the contents of its set-up.
    void decodeImagesIntoEditor();
    // Where the call-log refresh runs after a successful history fetch:
    // load the history into the scratch log, merge it into the call log,
    // show the log. Until it exists the call-log page stays empty.
    void refreshCallLog();
    // Where the Write command runs (encode, save the blocks, store the line
    // parameters). Until it exists nothing is written and nothing is shown.
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
    QTimer m_timer1;
    // Grid editing, field help and the delete pop-up; gone before the controls.
    std::unique_ptr<EditorBehaviour> m_editorBehaviour;
};

} // namespace ql310
