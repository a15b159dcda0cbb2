// SPDX-License-Identifier: GPL-3.0-or-later
#include "setting_files.h"

#include "atomic_file.h"

#include <cstring>

#include <sys/stat.h>

namespace ql310::files {

namespace {

// Appends to `content` the bytes of the regular file `path` beyond its size;
// nothing when the file is missing or not longer.
bool appendRest(const std::string& path, std::vector<uint8_t>& content, std::string& reason)
{
    const FileContent file = readRegularFile(path, kMaxKeptFileSize);
    switch (file.error) {
    case ReadError::None:
        break;
    case ReadError::Missing:
        return true;
    case ReadError::Directory:
    case ReadError::NotRegular:
        reason = "it is not a regular file";
        return false;
    case ReadError::TooLarge:
        reason = "the file is larger than 16 MB";
        return false;
    case ReadError::CannotOpen:
    case ReadError::CannotStat:
    case ReadError::CannotRead:
        reason = std::strerror(file.systemError);
        return false;
    }
    if (file.bytes.size() > content.size())
        content.insert(content.end(), file.bytes.begin() + static_cast<long>(content.size()),
                       file.bytes.end());
    return true;
}

} // namespace

size_t fileSize(FileKind kind)
{
    switch (kind) {
    case FileKind::Settings: return kTableBlockSize + kSettingBlockSize + kLineParamsSize;
    case FileKind::Lcr: return kSettingBlockSize;
    case FileKind::PhoneBook: return kTableBlockSize;
    }
    return 0;
}

const char* fileFilter(FileKind kind)
{
    switch (kind) {
    case FileKind::Settings: return "310 Files (*.310) | *.310|All Files (*.*) | *.*";
    case FileKind::Lcr: return "LCR Files (*.lcr) | *.lcr|All Files (*.*) | *.*";
    case FileKind::PhoneBook: return "PhoneBook Files (*.pb) | *.pb|All Files (*.*) | *.*";
    }
    return "";
}

const char* fileExtension(FileKind kind)
{
    switch (kind) {
    case FileKind::Settings: return "310";
    case FileKind::Lcr: return "lcr";
    case FileKind::PhoneBook: return "pb";
    }
    return "";
}

bool saveFile(const std::string& path, FileKind kind, const Images& images, std::string& reason)
{
    std::vector<uint8_t> content;
    content.reserve(fileSize(kind));
    auto append = [&](const uint8_t* image, size_t size) {
        content.insert(content.end(), image, image + size);
    };
    if (kind == FileKind::Settings || kind == FileKind::PhoneBook)
        append(images.table, kTableBlockSize);
    if (kind == FileKind::Settings || kind == FileKind::Lcr)
        append(images.setting, kSettingBlockSize);
    if (kind == FileKind::Settings)
        append(images.lineParams, kLineParamsSize);

    std::string target;
    if (!saveTarget(path, target, reason))
        return false;
    // What lies beyond the new images in a longer file stays.
    if (!appendRest(target, content, reason))
        return false;
    return saveBytes(target, content.data(), content.size(), reason);
}

bool saveBytes(const std::string& path, const uint8_t* data, size_t size, std::string& reason)
{
    std::string target;
    if (!saveTarget(path, target, reason))
        return false;
    // A new file gets the usual mode; one saved over keeps its own.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return replaceFileAtomically(target, data, size, 0666 & ~mask, reason);
}

bool readFile(const std::string& path, FileKind kind, std::vector<uint8_t>& content,
              std::string& reason)
{
    // What follows the images in a longer file is not read.
    const size_t wanted = fileSize(kind);
    FileContent file = readRegularFile(path, wanted, OverLimit::ReadFirst);
    if (file.error == ReadError::NotRegular) {
        reason = "it is not a regular file";
        return false;
    }
    if (!file.ok()) {
        reason = std::strerror(file.systemError);
        return false;
    }
    if (file.bytes.size() < wanted) {
        reason = "the file holds " + std::to_string(file.bytes.size()) + " bytes, " +
                 std::to_string(wanted) + " are needed";
        return false;
    }
    content = std::move(file.bytes);
    return true;
}

void splitSettings(const std::vector<uint8_t>& content, const Images& images)
{
    std::memcpy(images.table, content.data() + kSettingsTableOffset, kTableBlockSize);
    std::memcpy(images.setting, content.data() + kSettingsSettingOffset, kSettingBlockSize);
    std::memcpy(images.lineParams, content.data() + kSettingsLineParamsOffset, kLineParamsSize);
}

} // namespace ql310::files
