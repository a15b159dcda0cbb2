// SPDX-License-Identifier: GPL-3.0-or-later
// A file that ql310ctl saves is the file the program saves for the same
// state: the tool's pass over the images, without widgets, leaves every byte
// as showing the images in the real editor and storing it back does, on
// images of random bytes in every field.
#include "configuration.h"

#include "editor_window.h"
#include "image_decoder.h"
#include "image_encoder.h"
#include "packing.h"
#include "ql310.h"

#include <QtTest>

#include <random>

using namespace ql310;

namespace {

image::Packing libraryPacking()
{
    return cli::packing();
}

template <size_t N>
QString firstDifference(const char* what, const std::array<uint8_t, N>& a, const std::array<uint8_t, N>& b)
{
    for (size_t i = 0; i < N; ++i)
        if (a[i] != b[i])
            return QString("%1 byte %2: editor %3, tool %4").arg(what).arg(i).arg(a[i]).arg(b[i]);
    return {};
}

} // namespace

class EditorPassTest : public QObject {
    Q_OBJECT

private:
    // The program's way: decode into a fresh editor, encode it back.
    cli::Configuration throughTheEditor(cli::Configuration config)
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

    void checkSame(const cli::Configuration& before)
    {
        const cli::Configuration editor = throughTheEditor(before);
        cli::Configuration tool = before;
        cli::passThroughEditor(tool);
        QVERIFY2(editor.setting == tool.setting, qPrintable(firstDifference("setting", editor.setting, tool.setting)));
        QVERIFY2(editor.table == tool.table, qPrintable(firstDifference("table", editor.table, tool.table)));
        QVERIFY2(editor.lineParams == tool.lineParams,
                 qPrintable(firstDifference("line parameters", editor.lineParams, tool.lineParams)));
    }

private slots:
    void aFactoryImageComesThroughUnchanged()
    {
        cli::Configuration config;
        QL310_LoadDefault(config.table.data(), config.setting.data());
        cli::Configuration tool = config;
        cli::passThroughEditor(tool);
        QVERIFY(tool.setting == config.setting);
        QVERIFY(tool.table == config.table);
        checkSame(config);
    }

    void randomImagesComeThroughAsTheEditorStoresThem()
    {
        for (unsigned seed = 1; seed <= 20; ++seed) {
            std::mt19937 random(seed);
            std::uniform_int_distribution<int> byte(0, 255);
            cli::Configuration config;
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

QTEST_MAIN(EditorPassTest)
#include "editor_pass_test.moc"
