// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry_hive.h"

#include "atomic_file.h"
#include "device_protocol.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ql310::registry {

namespace {

constexpr const char* kDefaultHivePath = "/var/lib/ql310/hklm.reg";
constexpr const char* kSignature = "REGEDIT4";
constexpr const char* kRootKey = "HKEY_LOCAL_MACHINE\\";
constexpr const char* kLockSuffix = ".lock";
constexpr mode_t kNewFileMode = 0644;
// A new folder of the hive: never writable by others, whatever the umask.
constexpr mode_t kNewFolderMode = 0775;

std::string lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool startsWithNoCase(const std::string& text, size_t at, const char* prefix)
{
    const size_t n = std::strlen(prefix);
    return text.size() >= at + n && lower(text.substr(at, n)) == lower(prefix);
}

std::string trim(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.substr(begin, end - begin);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A quoted text starting at text[at] == '"'; `at` ends past the closing quote.
bool parseQuoted(const std::string& text, size_t& at, std::string& out)
{
    if (at >= text.size() || text[at] != '"')
        return false;
    ++at;
    out.clear();
    while (at < text.size()) {
        const char c = text[at++];
        if (c == '"')
            return true;
        if (c == '\\') {
            if (at >= text.size() || (text[at] != '\\' && text[at] != '"'))
                return false;
            out.push_back(text[at++]);
            continue;
        }
        out.push_back(c);
    }
    return false; // no closing quote
}

bool quotable(const std::string& text)
{
    return text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

std::string quote(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

// The data part of a value line (after "="): a quoted string, dword:, hex:.
bool parseData(const std::string& data, Value& out)
{
    if (!data.empty() && data[0] == '"') {
        size_t at = 0;
        out.type = ValueType::String;
        return parseQuoted(data, at, out.text) && trim(data.substr(at)).empty();
    }
    if (startsWithNoCase(data, 0, "dword:")) {
        const std::string digits = trim(data.substr(6));
        if (digits.empty() || digits.size() > 8)
            return false;
        uint32_t number = 0;
        for (char c : digits) {
            const int d = hexDigit(c);
            if (d < 0)
                return false;
            number = number << 4 | static_cast<uint32_t>(d);
        }
        out.type = ValueType::Dword;
        out.number = number;
        return true;
    }
    if (startsWithNoCase(data, 0, "hex")) {
        size_t at = 3;
        if (at < data.size() && data[at] == '(') {
            const size_t close = data.find(')', at);
            if (close == std::string::npos || close == at + 1)
                return false;
            for (size_t i = at + 1; i < close; ++i)
                if (hexDigit(data[i]) < 0)
                    return false;
            at = close + 1;
        }
        if (at >= data.size() || data[at] != ':')
            return false;
        ++at;
        out.type = ValueType::Binary;
        out.bytes.clear();
        std::string item;
        const std::string list = data.substr(at) + ",";
        for (char c : list) {
            if (c == ' ' || c == '\t' || c == '\\')
                continue;
            if (c != ',') {
                item.push_back(c);
                continue;
            }
            if (item.empty())
                continue; // "hex:" with no bytes, or a trailing comma
            if (item.size() > 2 || hexDigit(item[0]) < 0 ||
                (item.size() == 2 && hexDigit(item[1]) < 0))
                return false;
            int byte = hexDigit(item[0]);
            if (item.size() == 2)
                byte = byte * 16 + hexDigit(item[1]);
            out.bytes.push_back(static_cast<uint8_t>(byte));
            item.clear();
        }
        return true;
    }
    return false;
}

std::string formatData(const Value& value)
{
    switch (value.type) {
    case ValueType::String:
        return quote(value.text);
    case ValueType::Dword: {
        char buffer[16];
        std::snprintf(buffer, sizeof(buffer), "dword:%08x", value.number);
        return buffer;
    }
    case ValueType::Binary: {
        std::string out = "hex:";
        char buffer[4];
        for (size_t i = 0; i < value.bytes.size(); ++i) {
            std::snprintf(buffer, sizeof(buffer), i ? ",%02x" : "%02x", value.bytes[i]);
            out += buffer;
        }
        return out;
    }
    }
    return {};
}

enum class ReadResult { Ok, Missing, Unreadable, NotAHive };

// Reads the hive without blocking: only a regular file of at most
// kMaxHiveSize bytes is a hive (a named pipe would wait for a writer for
// ever, a device would never end).
ReadResult readFile(const std::string& path, std::string& out)
{
    const FileContent file = readRegularFile(path, kMaxHiveSize);
    switch (file.error) {
    case ReadError::None:
        out.assign(file.bytes.begin(), file.bytes.end());
        return ReadResult::Ok;
    case ReadError::Missing:
        return ReadResult::Missing;
    case ReadError::CannotOpen:
    case ReadError::CannotRead:
        return ReadResult::Unreadable;
    case ReadError::CannotStat:
    case ReadError::Directory:
    case ReadError::NotRegular:
    case ReadError::TooLarge:
        break;
    }
    return ReadResult::NotAHive;
}

std::string directoryOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// Creates the folders of `directory` that are missing, never writable by
// others. An existing folder of this user that others may write loses that
// right, unless it is a shared one with the sticky bit (as /tmp).
void makeHiveFolder(const std::string& directory)
{
    // A folder that cannot be made shows when the hive is stored.
    makeDirectories(directory, kNewFolderMode, kNewFolderMode);
    struct stat status {};
    if (::stat(directory.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
        status.st_uid == ::geteuid() && (status.st_mode & S_IWOTH) && !(status.st_mode & S_ISVTX))
        ::chmod(directory.c_str(), status.st_mode & 07777 & ~S_IWOTH);
}

// Replaces the file at `path` by `text` in one rename. The hive holds the
// driver's line parameters: a hive that others could write is stored back
// without that permission.
bool replaceFile(const std::string& path, const std::string& text)
{
    std::string reason;
    return replaceFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size(),
                                 kNewFileMode, reason, S_IWOTH);
}

} // namespace

std::string hivePath()
{
    if (const char* path = std::getenv("QL310_REGISTRY"); path && *path)
        return path;
    return kDefaultHivePath;
}

std::vector<uint8_t> Value::data() const
{
    switch (type) {
    case ValueType::String: {
        std::vector<uint8_t> out(text.begin(), text.end());
        out.push_back(0);
        return out;
    }
    case ValueType::Dword:
        return {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
                static_cast<uint8_t>(number >> 16), static_cast<uint8_t>(number >> 24)};
    case ValueType::Binary:
        return bytes;
    }
    return {};
}

// ---------------------------------------------------------------------------

struct HiveDocument::Impl {
    enum class Kind { Other, Header, Value };
    // One logical line: a value with continuation lines spans several
    // physical ones.
    struct Entry {
        Kind kind = Kind::Other;
        std::vector<std::string> lines;
        std::string key;  // Header: the key path in lower case
        std::string name; // Value: the value name in lower case
        Value value;
    };
    std::vector<Entry> entries;
    bool crlf = false;

    void clear()
    {
        entries.clear();
        Entry signature;
        signature.lines.push_back(kSignature);
        entries.push_back(signature);
        crlf = false;
    }

    // The physical lines of `input`, past a byte order mark; one that ends
    // in CR LF makes the hive keep that ending.
    std::vector<std::string> splitLines(const std::string& input);
    // The value line lines[i], trimmed in `logical`, into `entry`, with the
    // lines that continue its hex data (`i` ends on the last of them).
    // False when it is no value of a key.
    static bool parseValue(const std::vector<std::string>& lines, size_t& i, std::string logical,
                           bool inSection, Entry& entry);
};

HiveDocument::HiveDocument() : m_impl(std::make_unique<Impl>()) { m_impl->clear(); }

HiveDocument::~HiveDocument() = default;

std::vector<std::string> HiveDocument::Impl::splitLines(const std::string& input)
{
    std::vector<std::string> lines;
    size_t start = input.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (start < input.size()) {
        size_t end = input.find('\n', start);
        if (end == std::string::npos)
            end = input.size();
        std::string line = input.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
            crlf = true;
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

bool HiveDocument::Impl::parseValue(const std::vector<std::string>& lines, size_t& i,
                                    std::string logical, bool inSection, Entry& entry)
{
    // A value line, possibly continued with a trailing backslash.
    const bool hexData = startsWithNoCase(logical, logical.find('=') + 1, "hex");
    while (hexData && !logical.empty() && logical.back() == '\\' && i + 1 < lines.size()) {
        logical.pop_back();
        entry.lines.push_back(lines[++i]);
        logical += trim(lines[i]);
    }
    // Data continued past the end of the file is a cut-off hive: taken as
    // it is, whatever the hive appended next would become part of it.
    if (hexData && !logical.empty() && logical.back() == '\\' && i + 1 >= lines.size())
        return false;
    size_t at = 0;
    std::string name;
    if (logical[0] == '@')
        at = 1;
    else if (!parseQuoted(logical, at, name))
        return false;
    while (at < logical.size() && (logical[at] == ' ' || logical[at] == '\t'))
        ++at;
    if (!inSection || at >= logical.size() || logical[at] != '=' ||
        !parseData(trim(logical.substr(at + 1)), entry.value))
        return false;
    entry.kind = Kind::Value;
    entry.name = lower(name);
    return true;
}

bool HiveDocument::parse(const std::string& input)
{
    Impl& d = *m_impl;
    d.entries.clear();
    d.crlf = false;
    std::vector<std::string> lines = d.splitLines(input);
    d.entries.reserve(lines.size() + 1);

    bool signed_ = false;
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        Impl::Entry entry;
        entry.lines.push_back(std::move(lines[i]));
        const std::string line = trim(entry.lines.front());
        if (line.empty() || line[0] == ';') {
            d.entries.push_back(std::move(entry));
            continue;
        }
        if (!signed_) {
            if (line != kSignature) {
                d.clear();
                return false;
            }
            signed_ = true;
            d.entries.push_back(std::move(entry));
            continue;
        }
        if (line[0] == '[') {
            if (line.back() != ']' || line.size() < 3 || line[1] == '-') {
                d.clear();
                return false;
            }
            entry.kind = Impl::Kind::Header;
            entry.key = lower(line.substr(1, line.size() - 2));
            inSection = true;
            d.entries.push_back(std::move(entry));
            continue;
        }
        if (!Impl::parseValue(lines, i, line, inSection, entry)) {
            d.clear();
            return false;
        }
        d.entries.push_back(std::move(entry));
    }
    if (!signed_) {
        // An empty file is an empty hive.
        d.clear();
    }
    return true;
}

std::string HiveDocument::text() const
{
    const char* eol = m_impl->crlf ? "\r\n" : "\n";
    std::string out;
    size_t size = 0;
    for (const Impl::Entry& entry : m_impl->entries)
        for (const std::string& line : entry.lines)
            size += line.size() + 2;
    out.reserve(size);
    for (const Impl::Entry& entry : m_impl->entries)
        for (const std::string& line : entry.lines) {
            out += line;
            out += eol;
        }
    return out;
}

bool HiveDocument::hasKey(const std::string& key) const
{
    const std::string wanted = lower(key);
    for (const Impl::Entry& entry : m_impl->entries)
        if (entry.kind == Impl::Kind::Header && entry.key == wanted)
            return true;
    return false;
}

void HiveDocument::addKey(const std::string& key)
{
    if (hasKey(key))
        return;
    Impl& d = *m_impl;
    if (!d.entries.empty() && !trim(d.entries.back().lines.back()).empty()) {
        Impl::Entry blank;
        blank.lines.push_back("");
        d.entries.push_back(blank);
    }
    Impl::Entry header;
    header.kind = Impl::Kind::Header;
    header.key = lower(key);
    header.lines.push_back("[" + key + "]");
    d.entries.push_back(header);
}

bool HiveDocument::value(const std::string& key, const std::string& name, Value& out) const
{
    const std::string wantedKey = lower(key);
    const std::string wantedName = lower(name);
    bool found = false;
    bool inKey = false;
    // A value given twice counts as its last definition, as on import.
    for (const Impl::Entry& entry : m_impl->entries) {
        if (entry.kind == Impl::Kind::Header)
            inKey = entry.key == wantedKey;
        else if (inKey && entry.kind == Impl::Kind::Value && entry.name == wantedName) {
            out = entry.value;
            found = true;
        }
    }
    return found;
}

bool HiveDocument::setValue(const std::string& key, const std::string& name, const Value& value)
{
    if (!quotable(name) || (value.type == ValueType::String && !quotable(value.text)))
        return false;
    Impl& d = *m_impl;
    const std::string wantedKey = lower(key);
    const std::string wantedName = lower(name);
    const std::string line = quote(name) + "=" + formatData(value);
    bool replaced = false;
    bool inKey = false;
    long lastOfKey = -1;
    // One pass over the hive, whatever its size.
    for (size_t i = 0; i < d.entries.size(); ++i) {
        Impl::Entry& entry = d.entries[i];
        if (entry.kind == Impl::Kind::Header)
            inKey = entry.key == wantedKey;
        if (entry.kind == Impl::Kind::Other || !inKey)
            continue;
        lastOfKey = static_cast<long>(i);
        if (entry.kind == Impl::Kind::Value && entry.name == wantedName) {
            // Only the value's data changes; its name keeps its spelling.
            const std::string kept = trim(entry.lines.front());
            size_t at = 0;
            std::string spelled;
            const std::string prefix = kept[0] == '@'                   ? std::string("@")
                                       : parseQuoted(kept, at, spelled) ? kept.substr(0, at)
                                                                        : quote(name);
            entry.lines.assign(1, prefix + "=" + formatData(value));
            entry.value = value;
            replaced = true;
        }
    }
    if (replaced)
        return true;
    if (lastOfKey < 0)
        return false;
    Impl::Entry entry;
    entry.kind = Impl::Kind::Value;
    entry.name = wantedName;
    entry.value = value;
    entry.lines.push_back(line);
    d.entries.insert(d.entries.begin() + lastOfKey + 1, entry);
    return true;
}

// ---------------------------------------------------------------------------

RegistryKey::RegistryKey() = default;

RegistryKey::~RegistryKey() { close(); }

OpenStatus RegistryKey::open(const std::string& subKey, Access access, const std::string& path)
{
    close();
    m_full = access == Access::Full;
    return openLocked(subKey, false, nullptr, path);
}

OpenStatus RegistryKey::create(const std::string& subKey, bool& created, const std::string& path)
{
    close();
    m_full = true;
    created = false;
    makeHiveFolder(directoryOf(path));
    return openLocked(subKey, true, &created, path);
}

OpenStatus RegistryKey::openLocked(const std::string& subKey, bool create, bool* created,
                                   const std::string& path)
{
    try {
        // stat() follows a link and never blocks, whatever the file is.
        struct stat info {};
        const bool exists = ::stat(path.c_str(), &info) == 0;
        if (!exists && !create)
            return OpenStatus::NoFile;
        if (exists && (!S_ISREG(info.st_mode) ||
                       static_cast<unsigned long long>(info.st_size) > kMaxHiveSize))
            return OpenStatus::Malformed;
        std::string target = path;
        if (m_full) {
            // Writing means a temporary file and a lock file beside the
            // hive; a symbolic link is kept and the file it names stored.
            std::string reason;
            if (!saveTarget(path, target, reason))
                return OpenStatus::NotWritable;
            m_lockFd.reset(::open((target + kLockSuffix).c_str(),
                                  O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW,
                                  kNewFileMode));
            if (!m_lockFd)
                return OpenStatus::NotWritable;
            const LockResult lock =
                lockWithin(m_lockFd.get(), m_lockWaitMs < 0 ? device::timeoutMs() : m_lockWaitMs);
            if (lock != LockResult::Locked) {
                close();
                return lock == LockResult::TimedOut ? OpenStatus::Busy : OpenStatus::NotWritable;
            }
        }
        auto fail = [this](OpenStatus status) {
            close();
            return status;
        };
        auto document = std::make_unique<HiveDocument>();
        std::string text;
        switch (readFile(target, text)) {
        case ReadResult::Ok:
            if (!document->parse(text))
                return fail(OpenStatus::Malformed);
            break;
        case ReadResult::NotAHive:
            return fail(OpenStatus::Malformed);
        case ReadResult::Missing:
            if (!create)
                return fail(OpenStatus::NoFile);
            break;
        case ReadResult::Unreadable:
            return fail(OpenStatus::NoFile);
        }
        const std::string key = kRootKey + subKey;
        if (!document->hasKey(key)) {
            if (!create)
                return fail(OpenStatus::NoKey);
            document->addKey(key);
            m_dirty = true;
            *created = true;
        }
        m_document = std::move(document);
        m_path = target;
        m_key = key;
        return OpenStatus::Ok;
    } catch (...) {
        close();
        return OpenStatus::NoFile;
    }
}

bool RegistryKey::query(const std::string& name, Value& out) const
{
    try {
        return m_document && m_document->value(m_key, name, out);
    } catch (...) {
        return false;
    }
}

bool RegistryKey::set(const std::string& name, const Value& value)
{
    if (!m_document || !m_full)
        return false;
    try {
        Value old;
        if (m_document->value(m_key, name, old) && old.type == value.type &&
            old.text == value.text && old.number == value.number && old.bytes == value.bytes)
            return true;
        if (!m_document->setValue(m_key, name, value))
            return false;
        m_dirty = true;
        return true;
    } catch (...) {
        return false;
    }
}

bool RegistryKey::setDword(const std::string& name, uint32_t number)
{
    Value value;
    value.type = ValueType::Dword;
    value.number = number;
    return set(name, value);
}

bool RegistryKey::setString(const std::string& name, const std::string& text)
{
    try {
        Value value;
        value.type = ValueType::String;
        value.text = text;
        return set(name, value);
    } catch (...) {
        return false;
    }
}

bool RegistryKey::close()
{
    bool ok = true;
    if (m_document && m_full && m_dirty) {
        try {
            // What stores killed before their rename left behind.
            removeStaleTemporaries(m_path);
            ok = replaceFile(m_path, m_document->text());
        } catch (...) {
            ok = false;
        }
    }
    if (m_lockFd)
        ::flock(m_lockFd.get(), LOCK_UN);
    m_lockFd.reset();
    m_document.reset();
    m_dirty = false;
    return ok;
}

} // namespace ql310::registry
