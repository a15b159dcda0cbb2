// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's six file commands: Load Setting (mnuLoad), Save Setting
// (mnuSave), Load LCR (mnuLoadLCR), Save LCR (mnuSaveLCR), Load Phone Book
// (mnuLoadPhoneBook) and Save Phone Book (mnuSavePhoneBook).
//
// A save encodes the editor into the window's images and writes the images
// of the file kind; a settings load replaces the three images and decodes
// them all. An LCR or phone-book file goes into the window's FileLoadArea and
// only the LCR editor or the phone book is filled from there; the images
// keep their values until the next encode. A file that cannot be read or
// written is named in a message box with the system's reason, and nothing
// in the editor, the images or the file changes.
#pragma once

#include "setting_files.h"

#include <QString>

#include <functional>
#include <vector>

namespace ql310 {

class ImageDecoder;
class MainWindow;
class UserInteraction;

class FileCommands {
public:
    FileCommands(MainWindow& window, UserInteraction& interaction);

    void loadSettingFile();
    void saveSettingFile();
    void loadLcrFile();
    void saveLcrFile();
    void loadPhoneBookFile();
    void savePhoneBookFile();

private:
    // The file dialog of the kind; "" when the user cancelled. A chosen name
    // is shown on status panel 1.
    QString chooseFile(files::FileKind kind, bool forSaving);
    void save(files::FileKind kind);
    // Receives the first fileSize(kind) bytes of a loaded file.
    using Apply = std::function<void(const std::vector<uint8_t>& content)>;
    // The dialog, the checked read under the hourglass, then `apply`; a file
    // that cannot be read is named in a message box and applies nothing.
    void load(files::FileKind kind, const Apply& apply);
    // Runs `part` with a decoder over the window; nothing while the library
    // is not bound.
    void decodePart(const std::function<void(ImageDecoder&)>& part);
    // The images of the window, as the file module takes them.
    files::Images images();

    MainWindow& m_window;
    UserInteraction& m_interaction;
};

} // namespace ql310
