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

// The images a file is made of; the pointers of the parts a kind does not
// hold may be null.
struct Images {
    uint8_t* table = nullptr;       // kTableBlockSize bytes
    uint8_t* setting = nullptr;     // kSettingBlockSize bytes
    uint8_t* lineParams = nullptr;  // kLineParamsSize bytes
};

// Writes the file of `kind` from `images`: a temporary file beside it, then
// a rename, so the file holds exactly the new images or, after any failure,
// what it held before; a symbolic link is kept and its file replaced. False
// with the system's reason in `reason`.
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
