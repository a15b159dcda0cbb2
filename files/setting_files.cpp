// SPDX-License-Identifier: GPL-3.0-or-later
#include "setting_files.h"

#include "atomic_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ql310::files {

namespace {

std::string systemReason() { return std::strerror(errno); }

// Appends to `content` the bytes of the regular file `path` beyond its size;
// nothing when the file is missing or not longer.
bool appendRest(const std::string& path, std::vector<uint8_t>& content, std::string& reason)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT)
            return true;
        reason = systemReason();
        return false;
    }
    struct stat status {};
    bool ok = ::fstat(fd, &status) == 0;
    if (!ok)
        reason = systemReason();
    else if (!S_ISREG(status.st_mode)) {
        reason = "it is not a regular file";
        ok = false;
    } else if (static_cast<unsigned long long>(status.st_size) > kMaxKeptFileSize) {
        reason = "the file is larger than 16 MB";
        ok = false;
    }
    const off_t start = static_cast<off_t>(content.size());
    if (ok && status.st_size > start) {
        const size_t rest = static_cast<size_t>(status.st_size - start);
        content.resize(content.size() + rest);
        size_t done = 0;
        while (ok && done < rest) {
            const ssize_t n = ::pread(fd, content.data() + start + done, rest - done,
                                      start + static_cast<off_t>(done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                // A file that shrank meanwhile keeps what it still had.
                if (n < 0) {
                    reason = systemReason();
                    ok = false;
                }
                break;
            }
            done += static_cast<size_t>(n);
        }
        content.resize(static_cast<size_t>(start) + done);
    }
    ::close(fd);
    return ok;
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
