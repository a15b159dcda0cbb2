// SPDX-License-Identifier: GPL-3.0-or-later
// The local-machine registry hive: one text file in the REGEDIT4 export
// format, $QL310_REGISTRY when set, else /var/lib/ql310/hklm.reg.
//
//     REGEDIT4
//
//     [HKEY_LOCAL_MACHINE\Software\hemlor\Ririv\Settings]
//     "MSN1"="123"
//     "Analog Coding"=dword:00000000
//
// Key paths and value names match without regard to case. Values are strings
// ("..." with \\ and \" escaped), 32-bit numbers (dword: and hex digits) or
// any hex:/hex(n): data, which is kept and can be read as bytes. Every line
// the hive does not change (other keys, other values, comments) is written
// back as it was. A file that cannot be parsed is never written.
//
// Writes are atomic (a temporary file beside the hive, then a rename) and
// serialised between processes by an advisory lock on "<hive>.lock", held
// from opening a key with full access until it is closed; the wait for it
// ends after $QL310_TIMEOUT_MS. Readers take no lock: they always see
// either the old file or the new one. Storing takes time in proportion to
// the hive's size.
//
// Plain C++ and libc; no exception leaves this module.
#pragma once

#include "atomic_file.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ql310::registry {

// $QL310_REGISTRY when set and not empty, else /var/lib/ql310/hklm.reg.
std::string hivePath();

enum class Access { Read, Full };

// Why a key could not be opened.
enum class OpenStatus {
    Ok,
    NoFile,      // the hive file does not exist or cannot be read
    NoKey,       // the hive has no such key
    Malformed,   // the hive file cannot be parsed
    NotWritable, // full access asked for, but this user cannot write the hive
    Busy,        // full access asked for, but another process held the hive's
                 // lock for longer than the library waits ($QL310_TIMEOUT_MS)
};

enum class ValueType { String, Dword, Binary };

struct Value {
    ValueType type = ValueType::String;
    std::string text;        // String
    uint32_t number = 0;     // Dword
    std::vector<uint8_t> bytes; // Binary (hex: and hex(n): data)

    // The value's data as the platform hands it out: a string as its text
    // and terminator, a number as 4 little-endian bytes, binary as it is.
    std::vector<uint8_t> data() const;
};

// The parsed text of a hive: its lines, grouped by key, kept verbatim except
// for the value lines that are set.
class HiveDocument {
public:
    HiveDocument();
    ~HiveDocument();
    HiveDocument(const HiveDocument&) = delete;
    HiveDocument& operator=(const HiveDocument&) = delete;

    // False when the text is not a REGEDIT4 hive; the document is then empty.
    bool parse(const std::string& text);
    std::string text() const;

    // `key` is the full path, e.g. "HKEY_LOCAL_MACHINE\Software\...".
    bool hasKey(const std::string& key) const;
    void addKey(const std::string& key);
    bool value(const std::string& key, const std::string& name, Value& out) const;
    // False when the value cannot be written into the file (a text with a
    // line break) or the key does not exist.
    bool setValue(const std::string& key, const std::string& name, const Value& value);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The line parameters take a few kilobytes; a larger file is not a hive
// this system wrote (a link to /dev/zero would never end).
inline constexpr size_t kMaxHiveSize = 16u << 20;

// One open key of the local-machine hive, as a program sees it.
class RegistryKey {
public:
    RegistryKey();
    ~RegistryKey(); // closes
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Opens `subKey` (below HKEY_LOCAL_MACHINE) of the hive at `path`. A hive
    // that is not a regular file, or is larger than 16 MB, is Malformed (not
    // a hive). Full access through a symbolic link stores into its file.
    OpenStatus open(const std::string& subKey, Access access, const std::string& path = hivePath());
    // Opens `subKey` with full access, first creating the hive file (and its
    // directory) and the key when they are missing. `created` tells whether
    // the key is new.
    OpenStatus create(const std::string& subKey, bool& created,
                      const std::string& path = hivePath());
    bool isOpen() const { return m_document != nullptr; }
    // How long an open with full access waits for the hive's lock; a
    // negative value (the default) stands for QL310_TIMEOUT_MS.
    void setLockWait(int milliseconds) { m_lockWaitMs = milliseconds; }

    bool query(const std::string& name, Value& out) const;
    // Only with full access; written to the file when the key is closed.
    bool set(const std::string& name, const Value& value);
    bool setDword(const std::string& name, uint32_t number);
    bool setString(const std::string& name, const std::string& text);

    // With full access: writes the changes, if any, atomically, then
    // releases the lock. False when the changes could not be written.
    bool close();

private:
    OpenStatus openLocked(const std::string& subKey, bool create, bool* created,
                          const std::string& path);

    std::unique_ptr<HiveDocument> m_document;
    std::string m_path;
    std::string m_key;
    bool m_full = false;
    bool m_dirty = false;
    UniqueFd m_lockFd;
    int m_lockWaitMs = -1;
};

} // namespace ql310::registry
