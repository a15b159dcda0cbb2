// SPDX-License-Identifier: GPL-3.0-or-later
#include "device_commands.h"

#include "busy_pointer.h"
#include "editor_behaviour.h"
#include "editor_controls.h"
#include "interaction.h"
#include "library_binding.h"
#include "line_params_check.h"
#include "line_record.h"
#include "main_window.h"
#include "text_table.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>

namespace ql310 {

namespace {

constexpr TextId kWritingText = TextId::Writing;
constexpr TextId kWriteQuestionText = TextId::WritingToIsdnTaNow;
constexpr TextId kOpenSuccessText = TextId::OpenSuccess;
constexpr TextId kOpenFailText = TextId::OpenFailIsdnTaMay;
constexpr TextId kWriteSuccessText = TextId::WriteToIsdnTaSuccess;
constexpr TextId kWriteFailText = TextId::WriteToIsdnTaFail;
constexpr TextId kReplaceText = TextId::Replace;
constexpr TextId kMonFriText = TextId::MonFri;
constexpr TextId kNoText = TextId::No;

uint8_t* bytes(QByteArray& image)
{
    return reinterpret_cast<uint8_t*>(image.data());
}

} // namespace

// The hourglass, shown after pending window events have run so that the
// window repaints before the blocking calls, and restored when the command's
// last step (a message box included) has ended.
class DeviceCommands::Busy {
public:
    explicit Busy(bool& running) : m_running(running)
    {
        m_running = true;
        QCoreApplication::processEvents();
    }
    ~Busy() { m_running = false; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    bool& m_running;
    BusyPointer m_pointer;
};

DeviceCommands::DeviceCommands(MainWindow& window, UserInteraction& interaction)
    : m_window(window), m_interaction(interaction)
{
}

image::Packing DeviceCommands::packing()
{
    image::Packing packing;
    if (const LibraryFunctions* library = m_window.library().functions()) {
        packing.xcopy = library->QL_Xcopy;
        packing.ycopy = library->QL_Ycopy;
        packing.andB = library->QL_AndB;
        packing.andBValue = library->QL_AndB_Value;
    }
    return packing;
}

void DeviceCommands::decodeImages()
{
    const image::Packing accessors = packing();
    if (!accessors.complete())
        return;
    ImageDecoder(m_window, accessors)
        .decode(bytes(m_window.settingBlock()), bytes(m_window.tableBlock()), bytes(m_window.lineParams()));
    // The short-dial grid's port rows show the decoded ports at once, not
    // only after the tabs have had the focus.
    m_window.editorBehaviour().grids().copyMirroredCells();
    // The editor shows the images again: nothing is left unwritten.
    m_window.setWindowModified(false);
}

void DeviceCommands::encodeImages(const ImageEncoder::Progress& progress)
{
    const image::Packing accessors = packing();
    if (!accessors.complete())
        return;
    ImageEncoder(m_window, accessors, progress)
        .encode(bytes(m_window.settingBlock()), bytes(m_window.tableBlock()), bytes(m_window.lineParams()));
}

void DeviceCommands::readFromAdapter()
{
    if (m_running)
        return;
    if (!m_window.mayDiscardEdits())
        return;
    Busy busy(m_running);
    m_window.clearStatusPanels();
    m_window.paintStatusPanels();
    m_window.getLineParams();
    if (m_window.loadSetting() != QL310_OK) {
        // The editor keeps what the user has not written yet.
        m_window.setStatusPanel(1, text(kOpenFailText));
        return;
    }
    m_window.setStatusPanel(1, text(kOpenSuccessText));
    m_window.setClearStatusOnTabFocus(kTrue);
    decodeImages();
}

void DeviceCommands::writeToAdapter()
{
    if (m_running)
        return;
    write();
}

void DeviceCommands::write()
{
    Busy busy(m_running);
    m_window.setStatusPanel(1, text(kWritingText));
    m_window.paintStatusPanels();
    encodeImages([this] {
        m_window.writingDot();
        m_window.paintStatusPanels();
    });

    const LibraryFunctions* library = m_window.library().functions();
    uint8_t result = QL310_NO_DEVICE;
    if (library)
        result = library->QL310_SaveSetting(bytes(m_window.tableBlock()), bytes(m_window.settingBlock()));
    // The line parameters follow only blocks that the adapter took.
    line::HiveState stored = line::HiveState::Ok;
    if (result == QL310_OK) {
        // The store reports nothing: look at the hive after it.
        result = library->QL_PutDataToRegistry(bytes(m_window.lineParams()));
        stored = line::checkStoredAfterPut(bytes(m_window.lineParams()));
    }
    if (result != QL310_OK) {
        showWriteFailure();
        return;
    }
    if (stored != line::HiveState::Ok) {
        const QString message = lineParamsNotStoredText(stored);
        m_window.setStatusPanel(1, message);
        m_window.setStatusWarning(message);
        m_interaction.warn(
            message + QCoreApplication::translate("ql310::DeviceCommands", ". The rest was written to ISDN TA."),
            text(kTitleText), UserInteraction::Icon::Exclamation);
        return;
    }
    m_window.setStatusPanel(1, text(kWriteSuccessText));
    m_window.setStatusWarning(QString());
    m_window.setWindowModified(false);
}

QString lineParamsNotStoredText(line::HiveState state)
{
    return QCoreApplication::translate("ql310::DeviceCommands", "Line parameters not stored in \"%1\": %2")
        .arg(QString::fromStdString(registry::hivePath()), QString::fromLatin1(line::describe(state)));
}

QString lineParamsNotReadText(line::HiveState state)
{
    return QCoreApplication::translate("ql310::DeviceCommands", "Line parameters not read from \"%1\": %2")
        .arg(QString::fromStdString(registry::hivePath()), QString::fromLatin1(line::describe(state)));
}

void DeviceCommands::showWriteFailure()
{
    m_window.setStatusPanel(1, text(kWriteFailText));
    m_interaction.warn(text(kWriteFailText), text(kTitleText), UserInteraction::Icon::Exclamation);
}

void DeviceCommands::exitProgram()
{
    if (m_running)
        return;
    if (m_window.settingsRead() == kTrue) {
        const auto answer = m_interaction.ask(text(kWriteQuestionText), text(kTitleText),
                                              UserInteraction::Icon::Question,
                                              UserInteraction::Yes | UserInteraction::No);
        if (answer == UserInteraction::Yes)
            write();
        // The close request does not ask again.
        m_window.setSettingsRead(kFalse);
    }
    m_window.close();
}

void DeviceCommands::resetToDefault()
{
    if (m_running)
        return;
    if (!m_window.mayDiscardEdits())
        return;
    {
        Busy busy(m_running);
        image::LineRecord(bytes(m_window.lineParams())).resetToFactory();
        m_window.clearStatusPanels();

        // The in-place editors of the LCR and grid pages.
        auto combo = [this](const char* name) { return m_window.findChild<QComboBox*>(QLatin1String(name)); };
        const std::pair<const char*, QString> shown[] = {{"LCRAdd", text(kReplaceText)},
                                                         {"LCRWeek", text(kMonFriText)},
                                                         {"LCRActive", text(kNoText)},
                                                         {"LCRTime", QStringLiteral("--")}};
        for (const auto& [name, value] : shown)
            if (QComboBox* editor = combo(name))
                showInCombo(editor, value);
        for (const char* name : {"LCRBufText", "SDBufText", "PBBufText", "FWBufText"})
            if (auto* box = m_window.findChild<QLineEdit*>(QLatin1String(name)))
                box->clear();
        if (QComboBox* editor = combo("FWActive"))
            showInCombo(editor, text(kNoText));

        if (const LibraryFunctions* library = m_window.library().functions())
            library->QL310_LoadDefault(bytes(m_window.tableBlock()), bytes(m_window.settingBlock()));
        decodeImages();
        // The editor holds values the adapter does not have until the
        // write below succeeds.
        m_window.setWindowModified(true);
        m_window.setStatusPanel(1, text(kOpenSuccessText));
    }
    const auto answer = m_interaction.ask(text(kWriteQuestionText), text(kTitleText),
                                          UserInteraction::Icon::Question,
                                          UserInteraction::Yes | UserInteraction::No);
    if (answer == UserInteraction::Yes)
        write();
}

} // namespace ql310
