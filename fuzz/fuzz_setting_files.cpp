// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a settings, LCR or phone-book file: the loader reads
// what it accepts into the images, and a file saved from those images loads
// back byte for byte.
#include "setting_files.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

using namespace ql310::files;

namespace {

std::string scratchFile()
{
    static const std::string path = [] {
        char dir[] = "/tmp/ql310-fuzz-files-XXXXXX";
        if (!::mkdtemp(dir))
            std::abort();
        return std::string(dir) + "/file";
    }();
    return path;
}

void writeInput(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || (size && std::fwrite(data, 1, size, file) != size) || std::fclose(file) != 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = scratchFile();
    for (FileKind kind : {FileKind::Settings, FileKind::Lcr, FileKind::PhoneBook}) {
        writeInput(path, data, size);
        std::vector<uint8_t> content;
        std::string reason;
        const bool read = readFile(path, kind, content, reason);
        if (read != (size >= fileSize(kind)))
            std::abort(); // a long enough file loads, a short one never
        if (!read)
            continue;
        if (content.size() < fileSize(kind) || std::memcmp(content.data(), data, fileSize(kind)) != 0)
            std::abort();

        std::vector<uint8_t> table(kTableBlockSize), setting(kSettingBlockSize), line(kLineParamsSize);
        const Images images{table.data(), setting.data(), line.data()};
        if (kind == FileKind::Settings)
            splitSettings(content, images);
        else if (kind == FileKind::Lcr)
            std::memcpy(setting.data(), content.data(), kSettingBlockSize);
        else
            std::memcpy(table.data(), content.data(), kTableBlockSize);

        if (!saveFile(path, kind, images, reason))
            std::abort();
        std::vector<uint8_t> back;
        if (!readFile(path, kind, back, reason) || back.size() != fileSize(kind) ||
            std::memcmp(back.data(), data, fileSize(kind)) != 0)
            std::abort();
    }
    return 0;
}
