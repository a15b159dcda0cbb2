// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's rules without widgets are the real editor's: the rules' pass
// over the images (what ql310ctl saves) leaves every byte as showing the
// images in the real editor and storing it back does, on images of random
// bytes in every field.
#include "editor_window.h"
#include "field_rules.h"
#include "image_decoder.h"
#include "image_encoder.h"
#include "image_test_helpers.h"
#include "line_record.h"
#include "ql310.h"

#include <QtTest>

#include <random>

using namespace ql310;

namespace {

using image::test::libraryPacking;

struct Configuration {
    std::array<uint8_t, image::kTableBlockSize> table{};
    std::array<uint8_t, image::kSettingBlockSize> setting{};
    std::array<uint8_t, image::kLineParamsSize> lineParams{};
};

void passThroughEditor(Configuration& config)
{
    image::passThroughEditor(config.setting.data(), config.table.data(), config.lineParams.data(),
                             libraryPacking());
}

template <size_t N>
QString firstDifference(const char* what, const std::array<uint8_t, N>& a, const std::array<uint8_t, N>& b)
{
    for (size_t i = 0; i < N; ++i)
        if (a[i] != b[i])
            return QString("%1 byte %2: editor %3, rules %4").arg(what).arg(i).arg(a[i]).arg(b[i]);
    return {};
}

} // namespace

class FieldRulesEditorTest : public QObject {
    Q_OBJECT

private:
    // The program's way: decode into a fresh editor, encode it back.
    Configuration throughTheEditor(Configuration config)
    {
        EditorWindow editor;
        editor.configureGrids({100, 600, 750, 1700, 1900, 1900, 1000});
        editor.setupDdiFunction();
        editor.setupEditorTexts();
        ImageDecoder(editor, libraryPacking())
            .decode(config.setting.data(), config.table.data(), config.lineParams.data());
        ImageEncoder(editor, libraryPacking(), {})
            .encode(config.setting.data(), config.table.data(), config.lineParams.data());
        return config;
    }

    void checkSame(const Configuration& before)
    {
        const Configuration editor = throughTheEditor(before);
        Configuration tool = before;
        passThroughEditor(tool);
        QVERIFY2(editor.setting == tool.setting, qPrintable(firstDifference("setting", editor.setting, tool.setting)));
        QVERIFY2(editor.table == tool.table, qPrintable(firstDifference("table", editor.table, tool.table)));
        QVERIFY2(editor.lineParams == tool.lineParams,
                 qPrintable(firstDifference("line parameters", editor.lineParams, tool.lineParams)));
    }

private slots:
    void aFactoryImageComesThroughUnchanged()
    {
        Configuration config;
        QL310_LoadDefault(config.table.data(), config.setting.data());
        Configuration tool = config;
        passThroughEditor(tool);
        QVERIFY(tool.setting == config.setting);
        QVERIFY(tool.table == config.table);
        checkSame(config);
    }

    void randomImagesComeThroughAsTheEditorStoresThem()
    {
        for (unsigned seed = 1; seed <= 20; ++seed) {
            std::mt19937 random(seed);
            std::uniform_int_distribution<int> byte(0, 255);
            Configuration config;
            for (auto& b : config.setting)
                b = static_cast<uint8_t>(byte(random));
            for (auto& b : config.table)
                b = static_cast<uint8_t>(byte(random));
            for (auto& b : config.lineParams)
                b = static_cast<uint8_t>(byte(random));
            checkSame(config);
            if (QTest::currentTestFailed())
                qWarning("seed %u", seed);
        }
    }
};

QTEST_MAIN(FieldRulesEditorTest)
#include "field_rules_editor_test.moc"
