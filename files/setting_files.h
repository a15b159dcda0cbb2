// SPDX-License-Identifier: GPL-3.0-or-later
// Settings, LCR and phone-book files: raw copies of the images, with no
// header. A settings file is the table block, the setting block and the line
// parameters back to back; an LCR file the setting block; a phone-book file
// the table block. Plain C++, no Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ql310::files {

enum class FileKind { Settings, Lcr, PhoneBook };

inline constexpr size_t kTableBlockSize = 1792;
inline constexpr size_t kSettingBlockSize = 2048;
inline constexpr size_t kLineParamsSize = 673;

// Size of a file of the kind, and where each image sits in a settings file.
size_t fileSize(FileKind kind);
inline constexpr size_t kSettingsTableOffset = 0;
inline constexpr size_t kSettingsSettingOffset = kTableBlockSize;
inline constexpr size_t kSettingsLineParamsOffset = kTableBlockSize + kSettingBlockSize;

// The file dialog's filter list of the kind, exactly as the program shows it.
const char* fileFilter(FileKind kind);
// The kind's extension without the dot: "310", "lcr", "pb".
const char* fileExtension(FileKind kind);

// The images a file is made of; the pointers of the parts a kind does not
// hold may be null.
struct Images {
    uint8_t* table = nullptr;       // kTableBlockSize bytes
    uint8_t* setting = nullptr;     // kSettingBlockSize bytes
    uint8_t* lineParams = nullptr;  // kLineParamsSize bytes
};

// The one way every file the user names is written: `size` bytes become the
// whole file, through a temporary file beside it and a rename, so the file
// holds exactly the new bytes or, after any failure, what it held before.
// Saved only over a regular file the user may write or under a new name; a
// symbolic link is kept and its file replaced; anything else (a read-only
// file, a named pipe, a device, a directory, a dangling link) is refused.
// False with the reason in `reason`.
bool saveBytes(const std::string& path, const uint8_t* data, size_t size, std::string& reason);

// A file saved over keeps what lies beyond the new images, up to this size.
inline constexpr size_t kMaxKeptFileSize = 16u << 20;

// Writes the images of `kind` from `images` over the start of the file by
// the rule of saveBytes(); an existing longer file keeps the rest of its
// bytes (a phone book saved over a settings file leaves a settings file with
// a new phone book). A file over kMaxKeptFileSize is refused.
bool saveFile(const std::string& path, FileKind kind, const Images& images, std::string& reason);

// Reads the first fileSize(kind) bytes of the file into `content`. False,
// with `content` untouched and the reason in `reason`, when the file cannot
// be read, is not a regular file (a named pipe would never end) or is
// shorter than that. A longer file is accepted.
bool readFile(const std::string& path, FileKind kind, std::vector<uint8_t>& content,
              std::string& reason);

// Copies a settings file's content into the three images.
void splitSettings(const std::vector<uint8_t>& content, const Images& images);

} // namespace ql310::files
