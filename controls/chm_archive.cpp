// SPDX-License-Identifier: GPL-3.0-or-later
#include "chm_archive.h"

#include <chm_lib.h>

namespace ql310 {

namespace {

// Entry codes of the #SYSTEM file: a 32-bit version, then entries of a
// 16-bit code, a 16-bit length and that many bytes (little-endian).
constexpr std::uint16_t kSystemContentsFile = 0;
constexpr std::uint16_t kSystemDefaultTopic = 2;
constexpr std::uint16_t kSystemTitle = 3;
constexpr std::size_t kSystemHeaderSize = 4;
constexpr std::size_t kSystemEntryHeaderSize = 4;

std::uint16_t le16(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

// A text entry ends at its first zero byte or at its length.
std::string entryText(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t length)
{
    std::string text;
    for (std::size_t i = at; i < at + length && bytes[i] != 0; ++i)
        text.push_back(static_cast<char>(bytes[i]));
    return text;
}

int collectFile(chmFile*, chmUnitInfo* unit, void* context)
{
    auto& paths = *static_cast<std::vector<std::string>*>(context);
    const std::string path = unit->path;
    const bool internal = path.size() > 1 && (path[1] == '#' || path[1] == '$');
    if (!internal && path != "/" && path.back() != '/')
        paths.push_back(path);
    return CHM_ENUMERATOR_CONTINUE;
}

} // namespace

ChmArchive::~ChmArchive()
{
    close();
}

bool ChmArchive::open(const std::string& path)
{
    close();
    m_file = chm_open(path.c_str());
    if (!m_file)
        return false;
    readSystemFile();
    return true;
}

void ChmArchive::close()
{
    if (m_file)
        chm_close(m_file);
    m_file = nullptr;
    m_title.clear();
    m_defaultTopic.clear();
    m_contentsFile.clear();
}

std::vector<std::string> ChmArchive::files() const
{
    std::vector<std::string> paths;
    if (m_file)
        chm_enumerate(m_file, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, collectFile, &paths);
    return paths;
}

std::optional<std::vector<std::uint8_t>> ChmArchive::read(const std::string& path) const
{
    if (!m_file || path.empty())
        return std::nullopt;
    const std::string absolute = path.front() == '/' ? path : '/' + path;
    chmUnitInfo unit{};
    if (chm_resolve_object(m_file, absolute.c_str(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(unit.length));
    if (!bytes.empty()) {
        const LONGINT64 got = chm_retrieve_object(m_file, &unit, bytes.data(), 0, unit.length);
        if (got != static_cast<LONGINT64>(unit.length))
            return std::nullopt;
    }
    return bytes;
}

void ChmArchive::readSystemFile()
{
    const auto bytes = read("/#SYSTEM");
    if (!bytes || bytes->size() < kSystemHeaderSize)
        return;
    std::size_t at = kSystemHeaderSize;
    while (at + kSystemEntryHeaderSize <= bytes->size()) {
        const std::uint16_t code = le16(*bytes, at);
        const std::size_t length = le16(*bytes, at + 2);
        at += kSystemEntryHeaderSize;
        if (at + length > bytes->size())
            break;
        if (code == kSystemTitle)
            m_title = entryText(*bytes, at, length);
        else if (code == kSystemDefaultTopic)
            m_defaultTopic = entryText(*bytes, at, length);
        else if (code == kSystemContentsFile)
            m_contentsFile = entryText(*bytes, at, length);
        at += length;
    }
}

} // namespace ql310
