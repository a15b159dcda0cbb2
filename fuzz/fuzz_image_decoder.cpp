// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary images through the editor's decoder and encoder, on an offscreen
// QApplication: an input is a SettingBlock, a TableBlock and a LineParams
// record back to back (a short input is padded with zeros). Whatever the
// adapter holds, the decoder shows it without reading outside the images,
// and once shown and stored, showing and storing it again changes nothing.
#include "editor_window.h"
#include "image_decoder.h"
#include "image_encoder.h"
#include "ql310.h"

#include <QApplication>

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct Images {
    std::array<uint8_t, QL310_SETTING_BLOCK_SIZE> setting{};
    std::array<uint8_t, QL310_TABLE_BLOCK_SIZE> table{};
    std::array<uint8_t, QL310_LINE_PARAMS_SIZE> line{};
    bool operator==(const Images&) const = default;
};

ql310::image::Packing packing()
{
    ql310::image::Packing p;
    p.xcopy = &QL_Xcopy;
    p.ycopy = &QL_Ycopy;
    p.andB = &QL_AndB;
    p.andBValue = &QL_AndB_Value;
    return p;
}

ql310::EditorWindow& editor()
{
    static int argc = 1;
    static char name[] = "fuzz_image_decoder";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QApplication> app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }();
    static ql310::EditorWindow window;
    return window;
}

void showAndStore(Images& images)
{
    ql310::ImageDecoder(editor(), packing())
        .decode(images.setting.data(), images.table.data(), images.line.data());
    ql310::ImageEncoder(editor(), packing())
        .encode(images.setting.data(), images.table.data(), images.line.data());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Images images;
    uint8_t* parts[] = {images.setting.data(), images.table.data(), images.line.data()};
    const size_t sizes[] = {images.setting.size(), images.table.size(), images.line.size()};
    for (int i = 0; i < 3 && size > 0; ++i) {
        const size_t n = size < sizes[i] ? size : sizes[i];
        std::memcpy(parts[i], data, n);
        data += n;
        size -= n;
    }
    showAndStore(images);
    Images again = images;
    showAndStore(again);
    if (!(again == images))
        std::abort();
    return 0;
}
