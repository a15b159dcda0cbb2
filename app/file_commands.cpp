// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_commands.h"

#include "busy_pointer.h"
#include "device_commands.h"
#include "image_decoder.h"
#include "interaction.h"
#include "main_window.h"
#include "text_table.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstring>

namespace ql310 {

namespace {


uint8_t* bytes(QByteArray& image)
{
    return reinterpret_cast<uint8_t*>(image.data());
}

std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

FileCommands::FileCommands(MainWindow& window, UserInteraction& interaction)
    : m_window(window), m_interaction(interaction)
{
}

files::Images FileCommands::images()
{
    return {bytes(m_window.tableBlock()), bytes(m_window.settingBlock()), bytes(m_window.lineParams())};
}

QString FileCommands::chooseFile(files::FileKind kind, bool forSaving)
{
    // Every dialog starts with an empty file name.
    UserInteraction::FileRequest request;
    request.filter = QString::fromLatin1(files::fileFilter(kind));
    // Only a save adds the kind's extension to a name typed without one.
    if (forSaving)
        request.defaultSuffix = QString::fromLatin1(files::fileExtension(kind));
    const QString path = forSaving ? m_interaction.chooseFileToSave(request, text(kTitleText))
                                   : m_interaction.chooseFile(request);
    if (!path.isEmpty())
        m_window.setStatusPanel(1, path);
    return path;
}

void FileCommands::save(files::FileKind kind)
{
    const QString path = chooseFile(kind, true);
    if (path.isEmpty())
        return;
    // The file holds what the editor shows; the encoder's dots follow the name.
    m_window.commands().encodeImages([this] { m_window.writingDot(); });
    std::string reason;
    if (files::saveFile(localPath(path), kind, images(), reason)) {
        // A settings file holds every edit; an LCR or phone-book file only a part.
        if (kind == files::FileKind::Settings)
            m_window.setWindowModified(false);
        return;
    }
    m_interaction.warn(QCoreApplication::translate(
                           "ql310::FileCommands", "The file \"%1\" cannot be saved: %2. The file was not changed.")
                           .arg(path, QString::fromLocal8Bit(reason)),
                       text(kTitleText), UserInteraction::Icon::Exclamation);
}

void FileCommands::load(files::FileKind kind, const Apply& apply)
{
    const QString path = chooseFile(kind, false);
    if (path.isEmpty())
        return;
    std::vector<uint8_t> content;
    std::string reason;
    bool loaded = false;
    {
        BusyPointer busy;
        loaded = files::readFile(localPath(path), kind, content, reason);
        if (loaded)
            apply(content);
    }
    if (!loaded)
        m_interaction.warn(QCoreApplication::translate(
                               "ql310::FileCommands", "The file \"%1\" cannot be loaded: %2. Nothing was changed.")
                               .arg(path, QString::fromLocal8Bit(reason)),
                           text(kTitleText), UserInteraction::Icon::Exclamation);
}

void FileCommands::decodePart(const std::function<void(ImageDecoder&)>& part)
{
    const image::Packing packing = m_window.commands().packing();
    if (!packing.complete())
        return;
    ImageDecoder decoder(m_window, packing);
    part(decoder);
}

void FileCommands::saveSettingFile()
{
    save(files::FileKind::Settings);
}

void FileCommands::saveLcrFile()
{
    save(files::FileKind::Lcr);
}

void FileCommands::savePhoneBookFile()
{
    save(files::FileKind::PhoneBook);
}

void FileCommands::loadSettingFile()
{
    if (!m_window.mayDiscardEdits())
        return;
    load(files::FileKind::Settings, [this](const std::vector<uint8_t>& content) {
        // The line parameters reach the registry and the driver only with
        // the next successful Write.
        files::splitSettings(content, images());
        m_window.commands().decodeImages();
    });
}

void FileCommands::loadLcrFile()
{
    load(files::FileKind::Lcr, [this](const std::vector<uint8_t>& content) {
        // The setting block goes into the last bytes of the load area.
        QByteArray& area = m_window.fileLoadArea();
        uint8_t* setting = bytes(area) + (area.size() - files::kSettingBlockSize);
        std::memcpy(setting, content.data(), files::kSettingBlockSize);
        decodePart([setting](ImageDecoder& decoder) { decoder.decodeLcrEditor(setting); });
        // Merged into the editor, not yet written or saved.
        m_window.setWindowModified(true);
    });
}

void FileCommands::loadPhoneBookFile()
{
    load(files::FileKind::PhoneBook, [this](const std::vector<uint8_t>& content) {
        // The table block goes into the first bytes of the load area.
        uint8_t* table = bytes(m_window.fileLoadArea());
        std::memcpy(table, content.data(), files::kTableBlockSize);
        decodePart([table](ImageDecoder& decoder) { decoder.decodePhoneBook(table); });
        m_window.setWindowModified(true);
    });
}

} // namespace ql310
