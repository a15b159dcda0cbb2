// SPDX-License-Identifier: GPL-3.0-or-later
// The device commands of the main window: Read (mnuReset), Write
// (mnuWrite), Exit (mnuExit) and Reset to Default (mnuResetToDefault), and
// the image decoder and encoder run on the window's images. Each command
// fixes the order of its library calls, what status panel 1 shows and when
// the user is asked or warned.
#pragma once

#include "image_decoder.h"
#include "image_encoder.h"
#include "line_params_check.h"

#include <QString>

namespace ql310 {

class MainWindow;
class UserInteraction;

class DeviceCommands {
public:
    DeviceCommands(MainWindow& window, UserInteraction& interaction);

    // Read from ISDN TA: the line parameters from the registry, both blocks
    // from the adapter; the editor is refilled only when the blocks came.
    // Line parameters that could not be read are said on panel 1.
    void readFromAdapter();
    // Write to ISDN TA: encode, save both blocks, and only after they were
    // saved store and send the line parameters. Line parameters that the
    // hive did not take are said on panel 1 and in a message box.
    void writeToAdapter();
    // Exit: offers the Write once when the configuration was read, then
    // closes the window.
    void exitProgram();
    // Reset to Default: factory line parameters and images in memory, shown
    // in the editor, then the offer to write them.
    void resetToDefault();

    // The decoder over the window's images; nothing happens while the
    // library is not bound.
    void decodeImages();
    // The encoder into the window's images, with `progress` at each of its
    // progress points.
    void encodeImages(const ImageEncoder::Progress& progress = {});

    // The accessors' packing, from the bound library; empty when unbound.
    image::Packing packing();

private:
    // Shown while a command blocks on the library; at most one command runs.
    class Busy;

    void write();
    void showWriteFailure();

    MainWindow& m_window;
    UserInteraction& m_interaction;
    bool m_running = false;
};

// What panel 1 says when the hive did not take the line parameters, or
// could not give them.
QString lineParamsNotStoredText(line::HiveState state);
QString lineParamsNotReadText(line::HiveState state);

} // namespace ql310
