// SPDX-License-Identifier: GPL-3.0-or-later
#include "setting_files.h"

#include "atomic_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ql310::files {

namespace {

std::string systemReason() { return std::strerror(errno); }

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

    // A name that is a symbolic link saves into the file it points to, and
    // the link stays.
    std::string target = path;
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
        if (!error)
            target = resolved.string();
    }
    // A new file gets the usual mode; one saved over keeps its own.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return replaceFileAtomically(target, content.data(), content.size(), 0666 & ~mask, reason);
}

bool readFile(const std::string& path, FileKind kind, std::vector<uint8_t>& content,
              std::string& reason)
{
    // Not blocking in the open: a named pipe or a terminal would wait for a
    // writer for ever. Only regular files are read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        reason = systemReason();
        return false;
    }
    struct stat status {};
    const char* refusal = nullptr;
    if (::fstat(fd, &status) != 0)
        refusal = std::strerror(errno);
    else if (S_ISDIR(status.st_mode))
        refusal = std::strerror(EISDIR);
    else if (!S_ISREG(status.st_mode))
        refusal = "it is not a regular file";
    if (refusal) {
        reason = refusal;
        ::close(fd);
        return false;
    }
    const size_t wanted = fileSize(kind);
    std::vector<uint8_t> buffer(wanted);
    size_t done = 0;
    while (done < wanted) {
        const ssize_t n = ::read(fd, buffer.data() + done, wanted - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            reason = systemReason();
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    if (done < wanted) {
        reason = "the file holds " + std::to_string(done) + " bytes, " + std::to_string(wanted) +
                 " are needed";
        return false;
    }
    content = std::move(buffer);
    return true;
}

void splitSettings(const std::vector<uint8_t>& content, const Images& images)
{
    std::memcpy(images.table, content.data() + kSettingsTableOffset, kTableBlockSize);
    std::memcpy(images.setting, content.data() + kSettingsSettingOffset, kSettingBlockSize);
    std::memcpy(images.lineParams, content.data() + kSettingsLineParamsOffset, kLineParamsSize);
}

} // namespace ql310::files
