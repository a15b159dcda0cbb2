// SPDX-License-Identifier: GPL-3.0-or-later
// ImageEncoder: stores what the editor's controls show into the
// SettingBlock, the TableBlock and the LineParams record, through the image
// module's accessors. It only reads the controls, checks nothing and shows
// nothing. A list text is turned back into its value by the first equal
// text of the list; a text that equals none leaves the stored value as it
// was. Every byte it does not write keeps its value.
#pragma once

#include "block_access.h"
#include "editor_controls.h"

#include <cstdint>
#include <functional>

namespace ql310 {

class EditorWindow;

class ImageEncoder {
public:
    // Called at each of the encoder's eleven progress points.
    using Progress = std::function<void()>;
    static constexpr int kProgressPoints = 11;

    ImageEncoder(const EditorWindow& editor, const image::Packing& packing, Progress progress = {});

    // The images are the caller's (2048, 1792 and 673 bytes), borrowed.
    void encode(uint8_t* setting, uint8_t* table, uint8_t* lineParams);

private:
    void progress();
    void lineParamsSwitches(uint8_t* lineParams);
    void lineModes(uint8_t* lineParams);
    void dataMsns(uint8_t* lineParams);
    void dataOwnNumber(uint8_t* lineParams);
    void portNumbers(image::BlockAccess& setting);
    void phoneFunctions(image::BlockAccess& setting);
    void callerIdOption(image::BlockAccess& setting);
    void bandwidthOnDemand(uint8_t* lineParams);
    void phoneBook(image::BlockAccess& table);
    void shortDial(image::BlockAccess& setting);
    void forwarding(image::BlockAccess& setting);
    void forwardByCaller(image::BlockAccess& table);
    void exclusionTable(image::BlockAccess& setting);
    void lcrTable(image::BlockAccess& setting);

    EditorControls m_controls;
    image::Packing m_packing;
    Progress m_progress;
};

} // namespace ql310
