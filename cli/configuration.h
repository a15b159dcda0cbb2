// SPDX-License-Identifier: GPL-3.0-or-later
// The three images of one configuration (the table block, the setting block
// and the line parameters) and the ways ql310ctl gets and puts them: a
// settings file, standard input, or the adapter and the registry hive.
#pragma once

#include "exit_codes.h"
#include "text_id.h"
#include "packing.h"
#include "setting_files.h"

#include <array>
#include <cstdint>
#include <string>

namespace ql310::cli {

struct Configuration {
    std::array<uint8_t, files::kTableBlockSize> table{};
    std::array<uint8_t, files::kSettingBlockSize> setting{};
    std::array<uint8_t, files::kLineParamsSize> lineParams{};

    files::Images images();
};

// The system's text `textId` with the reason of a failed device operation.
std::string transferMessage(TextId textId, uint8_t result);

// The library's packing operations, for the image accessors.
image::Packing packing();

// Where a configuration comes from: a settings file, "-" for standard input,
// or the adapter when empty.
struct Source {
    std::string path;
    bool adapter() const { return path.empty(); }
    std::string name() const;
};

// Loads the configuration; on failure the reason is in `message` and the
// result is the exit status to end with.
ExitCode load(const Source& source, Configuration& into, std::string& message);

// The line parameters from the hive, then both blocks from the adapter, as
// the program's Read does.
ExitCode readAdapter(Configuration& into, std::string& message);

// What the program makes of the images between a load or read and the next
// save or write, when it shows them in the editor and stores the editor
// back: the editor's own rules (image/field_rules.h) applied to the bytes.
// So a file written by `read` is the file the program saves for the same
// state.
void passThroughEditor(Configuration& config);

} // namespace ql310::cli
