// SPDX-License-Identifier: GPL-3.0-or-later
#include "configuration.h"

#include "field_rules.h"
#include "ql310.h"
#include "text_table.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace ql310::cli {

namespace {

constexpr TextId kOpenFailText = TextId::OpenFailIsdnTaMay;

const char* transferReason(uint8_t result)
{
    switch (result) {
    case QL310_NO_DEVICE: return "the adapter's driver cannot be opened";
    case QL310_BUSY: return "the adapter is busy";
    case QL310_READ_EMPTY: return "the adapter sent nothing";
    case QL310_WRITE_EMPTY: return "the adapter took nothing";
    default: return "unexpected result";
    }
}

// Standard input holds a settings file; what is longer than one by more
// than this is something else (/dev/zero would never end).
constexpr size_t kStandardInputMargin = 64 * 1024;

bool readStandardInput(std::vector<uint8_t>& content, std::string& message)
{
    struct stat status {};
    if (::fstat(STDIN_FILENO, &status) == 0 && S_ISDIR(status.st_mode)) {
        message = "standard input: is a directory";
        return false;
    }
    const size_t limit = files::fileSize(files::FileKind::Settings) + kStandardInputMargin;
    content.clear();
    uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            message = std::string("standard input: ") + std::strerror(errno);
            return false;
        }
        if (n == 0)
            return true;
        content.insert(content.end(), buffer, buffer + n);
        if (content.size() > limit) {
            message = "standard input: too long (a settings file holds " +
                      std::to_string(files::fileSize(files::FileKind::Settings)) + " bytes)";
            return false;
        }
    }
}

} // namespace

ExitCode exitCodeOfTransfer(uint8_t result)
{
    switch (result) {
    case QL310_OK: return kSuccess;
    case QL310_NO_DEVICE: return kAdapterAbsent;
    case QL310_BUSY: return kAdapterBusy;
    default: return kTransferFailed;
    }
}

std::string transferMessage(TextId textId, uint8_t result)
{
    return text(textId).toStdString() + " (" + transferReason(result) + ")";
}

files::Images Configuration::images()
{
    return {table.data(), setting.data(), lineParams.data()};
}

image::Packing packing()
{
    image::Packing p;
    p.xcopy = &QL_Xcopy;
    p.ycopy = &QL_Ycopy;
    p.andB = &QL_AndB;
    p.andBValue = &QL_AndB_Value;
    return p;
}

std::string Source::name() const
{
    if (adapter())
        return "the adapter";
    return path == "-" ? "standard input" : path;
}

ExitCode load(const Source& source, Configuration& into, std::string& message)
{
    if (source.adapter())
        return readAdapter(into, message);
    std::vector<uint8_t> content;
    std::string reason;
    if (source.path == "-") {
        if (!readStandardInput(content, message))
            return kFileUnreadable;
        if (content.size() < files::fileSize(files::FileKind::Settings)) {
            message = "standard input: " + std::to_string(content.size()) +
                      " bytes, a settings file holds " +
                      std::to_string(files::fileSize(files::FileKind::Settings));
            return kFileUnreadable;
        }
    } else if (!files::readFile(source.path, files::FileKind::Settings, content, reason)) {
        message = source.path + ": " + reason;
        return kFileUnreadable;
    }
    files::splitSettings(content, into.images());
    return kSuccess;
}

ExitCode readAdapter(Configuration& into, std::string& message)
{
    QL_GetDataFromRegistry(into.lineParams.data());
    const uint8_t result = QL310_LoadSetting(into.table.data(), into.setting.data());
    if (result != QL310_OK)
        message = transferMessage(kOpenFailText, result);
    return exitCodeOfTransfer(result);
}

void passThroughEditor(Configuration& config)
{
    image::passThroughEditor(config.setting.data(), config.table.data(), config.lineParams.data(), packing());
}

} // namespace ql310::cli
