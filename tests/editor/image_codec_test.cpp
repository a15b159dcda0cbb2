// SPDX-License-Identifier: GPL-3.0-or-later
// The image decoder and encoder against a real editor: what a known image
// shows, what the encoder stores back, and that a decode followed by an
// encode gives back the same images on a factory image and on rich random
// images.
#include "block_access.h"
#include "editor_window.h"
#include "encodings.h"
#include "fixed_cell_grid.h"
#include "image_decoder.h"
#include "image_encoder.h"
#include "image_test_helpers.h"
#include "line_params.h"
#include "line_record.h"
#include "ql310.h"
#include "time_set.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include <array>
#include <optional>
#include <random>

using namespace ql310;
using image::Block;
using image::BlockAccess;
using image::FieldId;

namespace {

struct Images {
    std::array<uint8_t, image::kSettingBlockSize> setting{};
    std::array<uint8_t, image::kTableBlockSize> table{};
    std::array<uint8_t, image::kLineParamsSize> line{};

    BlockAccess s() { return {Block::Setting, setting.data(), image::test::libraryPacking()}; }
    BlockAccess t() { return {Block::Table, table.data(), image::test::libraryPacking()}; }
    image::LineRecord record() { return image::LineRecord(line.data()); }
};

// The name of the field that covers `offset` of `block`, for failure messages.
QString fieldAt(std::optional<Block> block, int offset)
{
    if (!block)
        return QStringLiteral("LineParams");
    QString name = QStringLiteral("not interpreted");
    image::test::forEachSlot([&](const image::Field& f, const image::Slot& s) {
        if (s.block == block && offset >= s.offset && offset < s.offset + s.width)
            name = QString::fromLatin1(f.name.data(), static_cast<int>(f.name.size()));
    });
    return name;
}

template <size_t N>
QString firstDifference(std::optional<Block> block, const std::array<uint8_t, N>& want, const std::array<uint8_t, N>& got)
{
    for (size_t i = 0; i < N; ++i)
        if (want[i] != got[i])
            return QStringLiteral("byte %1 (%2): want 0x%3, got 0x%4")
                .arg(i)
                .arg(fieldAt(block, static_cast<int>(i)))
                .arg(want[i], 2, 16, QLatin1Char('0'))
                .arg(got[i], 2, 16, QLatin1Char('0'));
    return {};
}

// A configuration with every byte used: random bytes everywhere, each
// interpreted field a well-formed random value (or a value outside its list,
// which the editor must keep), the others left random.
class RichImage {
public:
    explicit RichImage(unsigned seed) : m_random(seed) {}

    Images make()
    {
        Images im;
        fill(im.setting.data(), im.setting.size());
        fill(im.table.data(), im.table.size());
        fill(im.line.data(), im.line.size());
        BlockAccess s = im.s();
        BlockAccess t = im.t();

        for (int p = 0; p < image::kPorts; ++p) {
            const image::PortSlots port = image::portSlots(p);
            s.writeDigits(port.extensionNumber, digits(image::kShortNumberDigits));
            text(s, port.extensionName, 18);
            for (int k = 0; k < image::kMsnSlots; ++k) {
                s.writeDigits(port.msnNumber[k], digits(image::kLongNumberDigits));
                s.writeByte(port.ringType[k], ringType());
            }
            s.writeDigits(port.outgoingNumber, digits(image::kLongNumberDigits));
            s.writeDigits(port.forwardToNumber, digits(image::kLongNumberDigits));
            uint8_t& flagsB = im.setting[port.flagsB.offset];
            flagsB = image::withForwardMode(flagsB, static_cast<image::ForwardMode>(below(4)));
            s.writeByte(port.noAnswerDelay, static_cast<uint8_t>(below(61)));
            s.writeByte(port.morningCallHour, static_cast<uint8_t>(below(25)));
            s.writeByte(port.morningCallMinute, static_cast<uint8_t>(below(60)));
            for (int i = 0; i < image::kShortDialEntries; ++i)
                s.writeDigits(image::shortDialSlot(p, i), digits(image::kLongNumberDigits));
        }
        for (int n = 1; n <= image::kLcrEntries; ++n) {
            const image::LcrEntrySlots e = image::lcrEntrySlots(n);
            s.writeDigits(e.rangeFrom, digits(image::kMediumNumberDigits));
            s.writeDigits(e.rangeTo, digits(image::kMediumNumberDigits));
            s.writeDigits(e.prefix, digits(image::kMediumNumberDigits));
            s.writeByte(e.startHour, hour());
            s.writeByte(e.endHour, hour());
            // The system never stores "all days" and "weekend" together.
            uint8_t& flags = im.setting[e.flags.offset];
            if ((flags & image::kLcrAllDays) && (flags & image::kLcrWeekend))
                flags &= static_cast<uint8_t>(~image::kLcrWeekend);
        }
        for (int i = 0; i < image::kExclusionEntries; ++i) {
            const image::ExclusionSlots e = image::exclusionSlots(i);
            s.writeDigits(e.rangeFrom, digits(image::kMediumNumberDigits));
            s.writeDigits(e.rangeTo, digits(image::kMediumNumberDigits));
        }
        for (int i = 0; i < image::kPhoneBookRecords; ++i) {
            const image::PhoneBookSlots r = image::phoneBookSlots(i);
            t.writeDigits(r.peerNumber, digits(image::kLongNumberDigits));
            text(t, r.peerName, 18);
            t.writeDigits(r.forwardTo, digits(image::kLongNumberDigits));
        }

        using N = image::LineRecord::Number;
        image::LineRecord record = im.record();
        record.setNumber(N::AcceptAllMsn, static_cast<uint16_t>(below(2)));
        record.setNumber(N::Prefer1B, static_cast<uint16_t>(below(2)));
        // A DDI mode outside the list now and then.
        record.setNumber(N::DdiFunction, static_cast<uint16_t>(below(4) == 0 ? 3 + below(253) : below(3)));
        const bool uLaw = image::analogULaw(im.setting[image::slot(FieldId::LineOptions).offset]);
        record.setNumber(N::AnalogCoding, uLaw ? 1 : 0);
        for (int k : {0, 1, 2, 3, 4, image::LineRecord::kOwnNumber})
            lineText(im.line.data() + line::kTexts[k].offset);
        return im;
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    void fill(uint8_t* bytes, size_t size)
    {
        for (size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<uint8_t>(below(256));
    }
    std::u16string digits(int capacity)
    {
        static const char16_t kSymbols[] = u"1234567890*#";
        std::u16string out(static_cast<size_t>(below(capacity + 1)), u'1');
        for (char16_t& c : out)
            c = kSymbols[below(12)];
        return out;
    }
    // Printable Latin-1, as a user types it.
    std::u16string printable(int longest)
    {
        std::u16string out(static_cast<size_t>(below(longest + 1)), u'a');
        for (char16_t& c : out) {
            const int code = 0x20 + below(0x5F + 0x60);
            c = static_cast<char16_t>(code < 0x7F ? code : code + 0x21);
        }
        return out;
    }
    void text(BlockAccess& block, const image::Slot& s, int width)
    {
        block.writeText(s, printable(width));
    }
    uint8_t ringType()
    {
        // Mostly a type of the list, now and then a byte beyond it.
        return below(4) == 0 ? static_cast<uint8_t>(0x38 + below(0xC8)) : static_cast<uint8_t>(16 * below(4));
    }
    uint8_t hour()
    {
        return below(5) == 0 ? static_cast<uint8_t>(25 + below(231)) : static_cast<uint8_t>(below(25));
    }
    // The editor shows up to 26 characters of a line-parameter text.
    void lineText(uint8_t* slot)
    {
        const std::u16string chars = printable(26);
        if (chars.empty()) {
            std::memset(slot, 0, image::LineRecord::kEditorTextLength);
            return;
        }
        for (size_t i = 0; i < chars.size(); ++i)
            slot[i] = static_cast<uint8_t>(chars[i]);
        slot[chars.size()] = 0;
    }

    std::mt19937 m_random;
};

} // namespace

class ImageCodecTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EditorWindow> m_editor;
    Images m_im;

    template <class Widget>
    Widget* control(const char* name, int index = -1)
    {
        auto* widget = m_editor->findChild<Widget*>(controlName(name, index));
        if (!widget)
            qFatal("missing control %s", qPrintable(controlName(name, index)));
        return widget;
    }
    QString comboShows(const char* name, int index = -1)
    {
        auto* combo = control<QComboBox>(name, index);
        return combo->currentIndex() < 0 ? combo->placeholderText() : combo->currentText();
    }
    bool checked(const char* name, int index = -1) { return control<QCheckBox>(name, index)->isChecked(); }
    QString cell(const char* grid, int row, int column) { return m_editor->grid(grid)->cellText(row, column); }

    void decode()
    {
        ImageDecoder(*m_editor, image::test::libraryPacking())
            .decode(m_im.setting.data(), m_im.table.data(), m_im.line.data());
    }
    int encode()
    {
        int dots = 0;
        ImageEncoder(*m_editor, image::test::libraryPacking(), [&dots] { ++dots; })
            .encode(m_im.setting.data(), m_im.table.data(), m_im.line.data());
        return dots;
    }
    // The factory image of an adapter with firmware "V2.10b", German, A-law.
    void factory()
    {
        m_im = Images();
        std::memcpy(m_im.setting.data(), "V2.10b", 6);
        m_im.setting[image::slot(FieldId::CountryCode).offset] = 0x02;
        QL310_LoadDefault(m_im.table.data(), m_im.setting.data());
        m_im.record().resetToFactory();
    }
    // Decodes `before` and encodes the editor at once: every byte of the
    // three images must come back as it was.
    void checkDecodeThenEncodeKeeps(const Images& before)
    {
        m_im = before;
        decode();
        QCOMPARE(encode(), ImageEncoder::kProgressPoints);
        QVERIFY2(m_im.setting == before.setting, qPrintable(firstDifference(Block::Setting, before.setting, m_im.setting)));
        QVERIFY2(m_im.table == before.table, qPrintable(firstDifference(Block::Table, before.table, m_im.table)));
        QVERIFY2(m_im.line == before.line, qPrintable(firstDifference(std::nullopt, before.line, m_im.line)));
    }

private slots:
    void init()
    {
        m_editor = std::make_unique<EditorWindow>();
        m_editor->configureGrids({100, 600, 750, 1700, 1900, 1900, 1000});
        m_editor->setupDdiFunction();
        m_editor->setupEditorTexts();
        factory();
    }

    // What a known image shows
    void aFactoryImageShowsTheFactorySwitchesTypesAndNumbers()
    {
        decode();
        for (int p = 0; p < 4; ++p) {
            QCOMPARE(control<QLineEdit>("PortNumber", p)->text(), QString::number(10 * (p + 1)));
            QVERIFY(checked("PortCallWait", p));
            QVERIFY(checked("AcceptAllMSN", p));
            QVERIFY(checked("PortShowInID", p));
            QVERIFY(checked("PortShowOutID", p));
            QVERIFY(!checked("PortToOutside", p));
            QVERIFY(!checked("PortNeedMCall", p));
            QVERIFY(!checked("PortTakeOver", p));
            QVERIFY(!checked("PortStopMusicOnHold", p));
            QCOMPARE(comboShows("ForwardingType", p), QStringLiteral("No Forward"));
            QCOMPARE(comboShows("NoAnswerTime", p), QStringLiteral("10"));
            QCOMPARE(comboShows("PortMSNType1", p), QStringLiteral("Type 2"));
            QCOMPARE(comboShows("PortMSNType2", p), QStringLiteral("Type 3"));
            QCOMPARE(comboShows("PortMSNType3", p), QStringLiteral("Type 4"));
            QCOMPARE(m_editor->timeSet(p)->hour(), QString());
            QCOMPARE(m_editor->timeSet(p)->minute(), QStringLiteral("00"));
        }
        QCOMPARE(comboShows("PortCallIDOption"), QStringLiteral("DTMF aft-first ring"));
        QCOMPARE(comboShows("AnalogLaw"), QStringLiteral("A-law"));
        QCOMPARE(comboShows("DDICombo"), QStringLiteral("Disable"));
        QCOMPARE(comboShows("Min2BCombo"), QStringLiteral("120"));
        QCOMPARE(comboShows("OpenCPSCombo"), QStringLiteral("7200"));
        QCOMPARE(comboShows("CloseCPSCombo"), QStringLiteral("4000"));
        QCOMPARE(m_editor->statusPanel(2), QStringLiteral("Firmware :V2.10b"));
        QCOMPARE(m_editor->statusPanel(3), QStringLiteral("Germany"));
        for (int row = 1; row <= 40; ++row) {
            QCOMPARE(cell("ForwardGrid", row, 4), QStringLiteral("No"));
            for (int column = 1; column <= 3; ++column)
                QCOMPARE(cell("ForwardGrid", row, column), QString());
        }
        QCOMPARE(cell("LCRGrid", 2, 6), QStringLiteral("--"));
        QCOMPARE(cell("LCRGrid", 21, 9), QStringLiteral("Mon-Fri"));
        QCOMPARE(cell("LCRGrid", 21, 4), QStringLiteral("replace"));
        QCOMPARE(cell("LCRGrid", 21, 10), QStringLiteral("No"));
    }
    void storedValuesPickTheirTexts()
    {
        BlockAccess s = m_im.s();
        const image::PortSlots port = image::portSlots(2);
        s.writeByte(port.ringType[0], 0x00);
        s.writeByte(port.ringType[1], 0x18);  // rounds to the even neighbour
        s.writeByte(port.ringType[2], 0x30);
        m_im.setting[port.flagsB.offset] = 0x20 | 0x08;
        m_im.setting[image::slot(FieldId::CallerIdOption).offset] = 0xFE;
        m_im.setting[image::slot(FieldId::LineOptions).offset] = 0x40;
        m_im.setting[image::slot(FieldId::CountryCode).offset] = 0x09;
        s.writeByte(port.morningCallHour, 7);
        s.writeByte(port.morningCallMinute, 5);
        m_im.record().setNumber(image::LineRecord::Number::DdiFunction, 2);
        decode();
        QCOMPARE(comboShows("PortMSNType1", 2), QStringLiteral("Type 1"));
        QCOMPARE(comboShows("PortMSNType2", 2), QStringLiteral("Type 3"));
        QCOMPARE(comboShows("PortMSNType3", 2), QStringLiteral("Type 4"));
        QCOMPARE(comboShows("ForwardingType", 2), QStringLiteral("No Answer"));
        QCOMPARE(comboShows("PortCallIDOption"), QStringLiteral("DTMF pre-first ring"));
        QCOMPARE(comboShows("AnalogLaw"), QStringLiteral("u-law"));
        QCOMPARE(comboShows("DDICombo"), QStringLiteral("Point to MP"));
        QCOMPARE(m_editor->statusPanel(3), QStringLiteral("United Kingdom"));
        QCOMPARE(m_editor->timeSet(2)->hour(), QStringLiteral("07"));
        QCOMPARE(m_editor->timeSet(2)->minute(), QStringLiteral("05"));
    }
    void lcrRowsShowHoursPrefixModeDaysAndActive()
    {
        BlockAccess s = m_im.s();
        const auto set = [&](int n, uint8_t start, uint8_t end, uint8_t flags) {
            const image::LcrEntrySlots e = image::lcrEntrySlots(n);
            s.writeByte(e.startHour, start);
            s.writeByte(e.endHour, end);
            m_im.setting[e.flags.offset] = flags;
        };
        set(1, 24, 24, 0x10 | 0x40);
        set(2, 24, 0, 0x40 | 0x20 | 0x80);
        set(20, 1, 23, 0x0F);
        s.writeDigits(image::lcrEntrySlots(20).prefix, u"0*#9");
        decode();
        QCOMPARE(cell("LCRGrid", 2, 6), QStringLiteral("All"));
        QCOMPARE(cell("LCRGrid", 2, 8), QStringLiteral("All"));
        QCOMPARE(cell("LCRGrid", 2, 9), QStringLiteral("Mon-Sun"));
        QCOMPARE(cell("LCRGrid", 3, 6), QStringLiteral("24"));
        QCOMPARE(cell("LCRGrid", 3, 8), QStringLiteral("--"));
        QCOMPARE(cell("LCRGrid", 3, 9), QStringLiteral("Sat-Sun"));
        QCOMPARE(cell("LCRGrid", 3, 4), QStringLiteral("add"));
        QCOMPARE(cell("LCRGrid", 3, 10), QStringLiteral("Yes"));
        QCOMPARE(cell("LCRGrid", 21, 6), QStringLiteral("01"));
        QCOMPARE(cell("LCRGrid", 21, 8), QStringLiteral("23"));
        QCOMPARE(cell("LCRGrid", 21, 9), QStringLiteral("Mon-Fri"));
        QCOMPARE(cell("LCRGrid", 21, 5), QStringLiteral("0*#9"));
    }
    void outOfRangeTimesAreReducedAndStoredBack()
    {
        BlockAccess s = m_im.s();
        const image::PortSlots p0 = image::portSlots(0), p1 = image::portSlots(1), p3 = image::portSlots(3);
        s.writeByte(p0.morningCallHour, 30);
        s.writeByte(p0.morningCallMinute, 75);
        s.writeByte(p0.noAnswerDelay, 75);
        s.writeByte(p1.morningCallHour, 25);
        s.writeByte(p1.morningCallMinute, 59);
        s.writeByte(p1.noAnswerDelay, 60);
        s.writeByte(p3.morningCallHour, 24);
        decode();
        QCOMPARE(m_editor->timeSet(0)->hour(), QStringLiteral("05"));
        QCOMPARE(s.readByte(p0.morningCallHour), 5);
        QCOMPARE(m_editor->timeSet(0)->minute(), QStringLiteral("15"));
        QCOMPARE(s.readByte(p0.morningCallMinute), 15);
        QCOMPARE(comboShows("NoAnswerTime", 0), QStringLiteral("15"));
        QCOMPARE(s.readByte(p0.noAnswerDelay), 15);
        QCOMPARE(m_editor->timeSet(1)->hour(), QString());
        QCOMPARE(s.readByte(p1.morningCallHour), 0);
        QCOMPARE(m_editor->timeSet(1)->minute(), QStringLiteral("59"));
        QCOMPARE(comboShows("NoAnswerTime", 1), QStringLiteral("60"));
        QCOMPARE(s.readByte(p1.noAnswerDelay), 60);
        QCOMPARE(m_editor->timeSet(3)->hour(), QStringLiteral("24"));
    }
    void valuesOutsideTheirListsShowAsNumbersAndSurviveAnEncode()
    {
        BlockAccess s = m_im.s();
        m_im.record().setNumber(image::LineRecord::Number::DdiFunction, 9);
        m_im.setting[image::slot(FieldId::CountryCode).offset] = 0x1A;
        s.writeByte(image::portSlots(1).ringType[2], 0x40);
        const image::LcrEntrySlots e = image::lcrEntrySlots(5);
        s.writeByte(e.startHour, 30);
        s.writeByte(e.endHour, 255);
        decode();
        QCOMPARE(comboShows("DDICombo"), QStringLiteral("9"));
        QCOMPARE(m_editor->statusPanel(3), QStringLiteral("26"));
        QCOMPARE(comboShows("PortMSNType3", 1), QStringLiteral("64"));
        QCOMPARE(cell("LCRGrid", 6, 6), QStringLiteral("30"));
        QCOMPARE(cell("LCRGrid", 6, 8), QStringLiteral("255"));
        encode();
        QCOMPARE(m_im.record().number(image::LineRecord::Number::DdiFunction), 9);
        QCOMPARE(s.readByte(image::portSlots(1).ringType[2]), 0x40);
        QCOMPARE(s.readByte(e.startHour), 30);
        QCOMPARE(s.readByte(e.endHour), 255);

        // An in-range value afterwards shows its text again.
        m_im.record().setNumber(image::LineRecord::Number::DdiFunction, 1);
        decode();
        QCOMPARE(comboShows("DDICombo"), QStringLiteral("Point to Point"));
        QCOMPARE(control<QComboBox>("DDICombo")->placeholderText(), QString());
    }
    void aDisabledLcrHidesItsPageAndMenusForTheRestOfTheRun()
    {
        const int lcrDisabled = image::slot(FieldId::LcrDisabled).offset;
        m_im.setting[lcrDisabled] = 2;
        decode();
        QVERIFY(m_editor->tabs()->isTabVisible(4));
        m_im.setting[lcrDisabled] = 1;
        decode();
        QVERIFY(!m_editor->tabs()->isTabVisible(4));
        for (const char* name : {"mnuPLCR", "mnuLoadLCR", "mnuSaveLCR"})
            QVERIFY(!m_editor->findChild<QAction*>(QLatin1String(name))->isVisible());
        m_im.setting[lcrDisabled] = 0;
        decode();
        QVERIFY(!m_editor->tabs()->isTabVisible(4));
        QVERIFY(!m_editor->findChild<QAction*>(QStringLiteral("mnuSaveLCR"))->isVisible());
        QVERIFY(m_editor->findChild<QAction*>(QStringLiteral("mnuSavePhoneBook"))->isVisible());
    }
    void severalForwardingBitsKeepTheShownModeWhichTheEncoderThenStores()
    {
        const image::PortSlots port = image::portSlots(1);
        m_im.setting[port.flagsB.offset] = 0x20 | 0x10;
        decode();
        QCOMPARE(comboShows("ForwardingType", 1), QStringLiteral("Busy"));
        m_im.setting[port.flagsB.offset] = 0x20 | 0x0C | 0x41;
        decode();
        QCOMPARE(comboShows("ForwardingType", 1), QStringLiteral("Busy"));
        encode();
        QCOMPARE(m_im.setting[port.flagsB.offset], uint8_t(0x20 | 0x10 | 0x41));
    }
    void thePhoneBookIsCopiedIntoTheForwardingGrid()
    {
        BlockAccess t = m_im.t();
        const image::PhoneBookSlots r0 = image::phoneBookSlots(0), r39 = image::phoneBookSlots(39);
        t.writeDigits(r0.peerNumber, u"0221345");
        t.writeText(r0.peerName, u"Ana Orsolic");
        t.writeDigits(r39.peerNumber, u"0897");
        t.writeText(r39.peerName, u"exactly eighteen c");
        t.writeDigits(r39.forwardTo, u"55*");
        t.writeFlag(r39.forwardActive, true);
        decode();
        QCOMPARE(cell("PhoneBookGrid", 1, 1), QStringLiteral("0221345"));
        QCOMPARE(cell("PhoneBookGrid", 1, 2), QStringLiteral("Ana Orsolic"));
        QCOMPARE(cell("PhoneBookGrid2", 20, 2), QStringLiteral("exactly eighteen c"));
        QCOMPARE(cell("ForwardGrid", 1, 1), QStringLiteral("0221345"));
        QCOMPARE(cell("ForwardGrid", 1, 2), QStringLiteral("Ana Orsolic"));
        QCOMPARE(cell("ForwardGrid", 40, 1), QStringLiteral("0897"));
        QCOMPARE(cell("ForwardGrid", 40, 3), QStringLiteral("55*"));
        QCOMPARE(cell("ForwardGrid", 40, 4), QStringLiteral("Yes"));
        QCOMPARE(cell("ForwardGrid", 39, 4), QStringLiteral("No"));
    }

    // Partial decodes for loaded files
    void theLcrDecodeFillsOnlyTheLcrRowsAndTheExclusionTable()
    {
        decode();
        control<QLineEdit>("PortName", 0)->setText(QStringLiteral("edited"));
        m_editor->grid("ShortDialGrid")->setCellText(3, 1, QStringLiteral("77"));
        Images file;
        BlockAccess s = file.s();
        s.writeDigits(image::lcrEntrySlots(11).rangeFrom, u"0049");
        file.setting[image::lcrEntrySlots(11).flags.offset] = 0x80;
        s.writeDigits(image::exclusionSlots(4).rangeTo, u"0190");
        file.setting[image::exclusionSlots(4).flags.offset] = 0x60;
        s.writeText(image::portSlots(0).extensionName, u"from file");
        ImageDecoder(*m_editor, image::test::libraryPacking()).decodeLcrEditor(file.setting.data());
        QCOMPARE(cell("LCRGrid", 12, 1), QStringLiteral("0049"));
        QCOMPARE(cell("LCRGrid", 12, 10), QStringLiteral("Yes"));
        QCOMPARE(control<QLineEdit>("LCRETDialB", 4)->text(), QStringLiteral("0190"));
        QVERIFY(checked("LCRETWeek", 4) && checked("LCRETWeekend", 4) && !checked("LCRETAct", 4));
        QCOMPARE(control<QLineEdit>("PortName", 0)->text(), QStringLiteral("edited"));
        QCOMPARE(cell("ShortDialGrid", 3, 1), QStringLiteral("77"));
        // The header rows stay.
        QCOMPARE(cell("LCRGrid", 12, 0), QStringLiteral("11"));
    }
    void thePhoneBookDecodeFillsOnlyTheBookAndItsCopyInTheForwardingGrid()
    {
        decode();
        m_editor->grid("ForwardGrid")->setCellText(5, 3, QStringLiteral("123"));
        m_editor->grid("ForwardGrid")->setCellText(5, 4, QStringLiteral("Yes"));
        Images file;
        BlockAccess t = file.t();
        t.writeDigits(image::phoneBookSlots(4).peerNumber, u"0301");
        t.writeText(image::phoneBookSlots(4).peerName, u"Berlin");
        t.writeDigits(image::phoneBookSlots(4).forwardTo, u"999");
        ImageDecoder(*m_editor, image::test::libraryPacking()).decodePhoneBook(file.table.data());
        QCOMPARE(cell("PhoneBookGrid", 5, 1), QStringLiteral("0301"));
        QCOMPARE(cell("ForwardGrid", 5, 1), QStringLiteral("0301"));
        QCOMPARE(cell("ForwardGrid", 5, 2), QStringLiteral("Berlin"));
        QCOMPARE(cell("ForwardGrid", 5, 3), QStringLiteral("123"));
        QCOMPARE(cell("ForwardGrid", 5, 4), QStringLiteral("Yes"));
    }

    // What the encoder stores
    void theEncoderStoresWhatTheControlsShow()
    {
        decode();
        const Images before = m_im;
        control<QCheckBox>("DataAcceptAllMSN")->setChecked(true);
        control<QComboBox>("AnalogLaw")->setCurrentIndex(1);
        control<QLineEdit>("DataMSN3")->setText(QStringLiteral("4711"));
        control<QLineEdit>("PortName", 3)->setText(QStringLiteral("Fax"));
        control<QComboBox>("PortMSNType2", 3)->setCurrentIndex(0);
        control<QCheckBox>("PortNeedMCall", 3)->setChecked(true);
        control<QCheckBox>("PortToOutside", 3)->setChecked(true);
        control<QCheckBox>("PortShowOutID", 3)->setChecked(false);
        control<QComboBox>("PortCallIDOption")->setCurrentIndex(3);
        control<QComboBox>("ForwardingType", 3)->setCurrentIndex(3);
        control<QComboBox>("NoAnswerTime", 3)->setCurrentIndex(60);
        control<QCheckBox>("LCRETWeek", 2)->setChecked(true);
        control<QCheckBox>("LCRETWeekend", 2)->setChecked(true);
        control<QCheckBox>("LCRETAct", 2)->setChecked(true);
        m_editor->grid("ForwardGrid")->setCellText(9, 4, QStringLiteral("Yes"));
        m_editor->grid("ForwardGrid")->setCellText(10, 4, QStringLiteral("yes"));
        m_editor->grid("ShortDialGrid")->setCellText(12, 4, QStringLiteral("0815"));
        encode();

        BlockAccess s = m_im.s();
        const image::PortSlots port = image::portSlots(3);
        QCOMPARE(m_im.record().number(image::LineRecord::Number::AcceptAllMsn), 1);
        QCOMPARE(m_im.record().number(image::LineRecord::Number::AnalogCoding), 1);
        const int lineOptions = image::slot(FieldId::LineOptions).offset;
        QCOMPARE(m_im.setting[lineOptions], before.setting[lineOptions]);
        QCOMPARE(m_im.record().text(2), std::u16string(u"4711"));
        QCOMPARE(s.readText(port.extensionName), std::u16string(u"Fax"));
        QCOMPARE(s.readByte(port.ringType[1]), 0x00);
        QCOMPARE(m_im.setting[port.flagsA.offset], uint8_t((0x2A & ~0x20) | 0x04));
        QCOMPARE(m_im.setting[port.flagsB.offset], uint8_t(0x20 | 0x80 | 0x04));
        // An empty hour stores no time even with the morning call wanted.
        QCOMPARE(s.readByte(port.morningCallHour), 0);
        QCOMPARE(s.readByte(image::slot(FieldId::CallerIdOption)), 3);
        QCOMPARE(s.readByte(port.noAnswerDelay), 60);
        QCOMPARE(m_im.setting[image::exclusionSlots(2).flags.offset], uint8_t(0xE0));
        // Entry 809 is bit 0x01 of the map's second byte; entry 810's "yes" is no "Yes".
        QCOMPARE(m_im.table[image::phoneBookSlots(8).forwardActive.offset], uint8_t(0x01));
        QCOMPARE(s.readDigits(image::shortDialSlot(3, 9)), std::u16string(u"0815"));
    }
    void lcrCellsAreStoredByTheirFirstMatch()
    {
        decode();
        const image::LcrEntrySlots e1 = image::lcrEntrySlots(1), e2 = image::lcrEntrySlots(2),
                                   e3 = image::lcrEntrySlots(3);
        m_im.setting[e1.startHour.offset + 1] = 0x5C;
        m_im.setting[e3.startHour.offset] = 9;
        m_im.setting[e3.flags.offset] = 0x07;
        FixedCellGrid* lcr = m_editor->grid("LCRGrid");
        lcr->setCellText(2, 6, QStringLiteral("All"));
        lcr->setCellText(2, 8, QStringLiteral("03"));
        lcr->setCellText(2, 9, QStringLiteral("Sat-Sun"));
        lcr->setCellText(2, 4, QStringLiteral("add"));
        lcr->setCellText(3, 6, QStringLiteral("12"));
        lcr->setCellText(3, 8, QStringLiteral("--"));
        lcr->setCellText(3, 9, QStringLiteral("whenever"));
        lcr->setCellText(3, 4, QStringLiteral("junk"));
        lcr->setCellText(3, 10, QStringLiteral("Yes"));
        lcr->setCellText(3, 1, QStringLiteral("012345678901"));
        lcr->setCellText(4, 6, QStringLiteral("7"));
        encode();
        BlockAccess s = m_im.s();
        QCOMPARE(s.readByte(e1.startHour), 24);
        QCOMPARE(s.readByte(e1.endHour), 24);
        // Only the first byte of an hour slot is the editor's.
        QCOMPARE(m_im.setting[e1.startHour.offset + 1], uint8_t(0x5C));
        QCOMPARE(m_im.setting[e1.flags.offset], uint8_t(0x40 | 0x20));
        QCOMPARE(s.readByte(e2.startHour), 12);
        QCOMPARE(s.readByte(e2.endHour), 0);
        QCOMPARE(m_im.setting[e2.flags.offset], uint8_t(0x10 | 0x20 | 0x80));
        QCOMPARE(s.readDigits(e2.rangeFrom), std::u16string(u"0123456789"));
        // "7" matches no hour text: the stored hour stays; the other bits too.
        QCOMPARE(s.readByte(e3.startHour), 9);
        QCOMPARE(m_im.setting[e3.flags.offset], uint8_t(0x07));
    }
    void unreadableBandwidthTextsKeepTheRecordsValues()
    {
        decode();
        control<QComboBox>("Min2BCombo")->setEditText(QStringLiteral("90"));
        control<QComboBox>("Delay2BCombo")->setEditText(QStringLiteral("fast"));
        control<QComboBox>("OpenCPSCombo")->setEditText(QStringLiteral("65536"));
        control<QComboBox>("CloseCPSCombo")->setEditText(QStringLiteral("-1"));
        encode();
        using N = image::LineRecord::Number;
        QCOMPARE(m_im.record().number(N::MinTime), 90);
        QCOMPARE(m_im.record().number(N::DelayTime), 120);
        QCOMPARE(m_im.record().number(N::OpenCps), 7200);
        QCOMPARE(m_im.record().number(N::CloseCps), 4000);
        control<QComboBox>("OpenCPSCombo")->setEditText(QStringLiteral("65535"));
        encode();
        QCOMPARE(m_im.record().number(N::OpenCps), 65535);
    }

    // Decode then encode
    void aFreshlyDecodedFactoryImageEncodesToItself()
    {
        checkDecodeThenEncodeKeeps(m_im);
    }
    void richRandomImagesComeBackFieldByField()
    {
        for (unsigned seed = 1; seed <= 6; ++seed) {
            const Images rich = RichImage(seed).make();
            checkDecodeThenEncodeKeeps(rich);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("seed %1").arg(seed)));
        }
    }
    void theListedExceptionsOfARoundTrip()
    {
        BlockAccess s = m_im.s();
        const image::PortSlots port = image::portSlots(0);
        // 26 digits in a 13-byte field: all shown, 25 stored.
        std::memset(m_im.setting.data() + port.outgoingNumber.offset, 0x12, 13);
        s.writeByte(port.ringType[0], 0x18);
        m_im.setting[image::slot(FieldId::LineOptions).offset] = 0x40;
        decode();
        QCOMPARE(control<QLineEdit>("PortOwnNumber", 0)->text().size(), 26);
        encode();
        QCOMPARE(s.readDigits(port.outgoingNumber).size(), size_t(25));
        QCOMPARE(m_im.setting[port.outgoingNumber.offset + 12], uint8_t(0x10));
        QCOMPARE(s.readByte(port.ringType[0]), 0x20);
        QCOMPARE(m_im.record().number(image::LineRecord::Number::AnalogCoding), 1);
    }
};

QTEST_MAIN(ImageCodecTest)
#include "image_codec_test.moc"
