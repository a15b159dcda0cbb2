// SPDX-License-Identifier: GPL-3.0-or-later
// ImageDecoder: shows the SettingBlock, the TableBlock and the LineParams
// record in the editor's controls, refilling every one of them. It reads the
// images only through the image module's accessors. Three kinds of value
// are brought into range and stored back into the SettingBlock: the
// morning-call hour and minute and the no-answer delay.
//
// A stored value outside its list (a DDI mode of 9, an LCR hour of 30, a
// country code with a nibble above 9, a ring-type byte of 0x40) is shown as
// the decimal number of the stored byte rather than as whatever text its
// number would pick; the encoder then finds no match and keeps the value.
#pragma once

#include "editor_controls.h"
#include "block_access.h"

#include <cstdint>

namespace ql310 {

class EditorWindow;

class ImageDecoder {
public:
    ImageDecoder(EditorWindow& editor, const image::Packing& packing);

    // The whole configuration. The images are the caller's (2048, 1792 and
    // 673 bytes), borrowed for the call; `setting` receives the reductions.
    void decode(uint8_t* setting, uint8_t* table, uint8_t* lineParams);

    // Only the LCR editor (LCRGrid rows 2..21 and the exclusion table) from
    // a SettingBlock image.
    void decodeLcrEditor(uint8_t* setting);
    // Only the phone book (both phone-book grids and columns 1 and 2 of
    // ForwardGrid) from a TableBlock image.
    void decodePhoneBook(uint8_t* table);

private:
    void lineParamsSwitches(uint8_t* lineParams);
    void analogLaw(const image::BlockAccess& setting);
    void dataNumbers(uint8_t* lineParams);
    void statusPanels(const image::BlockAccess& setting);
    void lcrVisibility(const image::BlockAccess& setting);
    void portNumbers(const image::BlockAccess& setting);
    void phoneFunctions(image::BlockAccess& setting);
    void callerIdOption(const image::BlockAccess& setting);
    void bandwidthOnDemand(uint8_t* lineParams);
    void phoneBookGrids(const image::BlockAccess& table);
    void shortDial(const image::BlockAccess& setting);
    void forwarding(image::BlockAccess& setting);
    void forwardByCaller(const image::BlockAccess& table);
    void copyPhoneBookIntoForwardGrid(int record);
    void exclusionTable(const image::BlockAccess& setting);
    void lcrTable(const image::BlockAccess& setting);

    EditorWindow& m_editor;
    EditorControls m_controls;
    image::Packing m_packing;
};

} // namespace ql310
