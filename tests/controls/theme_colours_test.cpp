// SPDX-License-Identifier: GPL-3.0-or-later
// The program's colours in light and dark palettes: kept as they are in a
// light one, made readable (4.5:1 and more) in a dark one, header texts
// readable in both.
#include "theme_colours.h"

#include <QPalette>
#include <QtTest>

using namespace ql310::theme;

namespace {

// The call-log rows (outgoing, incoming, lost) and the time control's focus.
const QColor kRowColours[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 192, 192)};
const QColor kFocusColour(192, 255, 255);

QPalette palette(QColor base, QColor text, QColor button, QColor buttonText)
{
    QPalette p;
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, buttonText);
    return p;
}

QList<QPalette> lightPalettes()
{
    return {palette(Qt::white, Qt::black, QColor(239, 239, 239), Qt::black),
            palette(QColor(255, 255, 240), QColor(40, 40, 40), QColor(212, 208, 200), Qt::black)};
}

QList<QPalette> darkPalettes()
{
    return {palette(Qt::black, Qt::white, QColor(53, 53, 53), Qt::white),
            palette(QColor(42, 42, 42), QColor(224, 224, 224), QColor(60, 60, 60), QColor(230, 230, 230)),
            palette(QColor(30, 33, 40), QColor(200, 205, 210), QColor(49, 54, 59), QColor(120, 120, 120))};
}

} // namespace

class ThemeColoursTest : public QObject {
    Q_OBJECT

private slots:
    void contrastFollowsRelativeLuminance()
    {
        QCOMPARE(qRound(contrastRatio(Qt::white, Qt::black) * 100), 2100);
        QCOMPARE(qRound(contrastRatio(Qt::black, Qt::white) * 100), 2100);
        QCOMPARE(qRound(contrastRatio(QColor(255, 0, 0), Qt::white) * 100), 400);
        QCOMPARE(qRound(contrastRatio(QColor(0, 0, 255), Qt::black) * 100), 244);
        QCOMPARE(contrastRatio(QColor(90, 90, 90), QColor(90, 90, 90)), 1.0);
        for (const QPalette& p : lightPalettes())
            QVERIFY(!isDark(p));
        for (const QPalette& p : darkPalettes())
            QVERIFY(isDark(p));
    }

    void aLightPaletteKeepsTheProgramsOwnColours()
    {
        for (const QPalette& p : lightPalettes()) {
            for (const QColor& row : kRowColours)
                QCOMPARE(inPalette(row, p.color(QPalette::Base), p), row);
            QCOMPARE(inPalette(kFocusColour, p.color(QPalette::Text), p), kFocusColour);
            // What reads there: incoming calls, the digits on the focus colour.
            QVERIFY(contrastRatio(kRowColours[1], p.color(QPalette::Base)) >= kMinimumContrast);
            QVERIFY(contrastRatio(kFocusColour, p.color(QPalette::Text)) >= kMinimumContrast);
            const HeaderColours header = headerColours(p);
            QVERIFY(contrastRatio(header.text, header.background) >= kMinimumContrast);
        }
    }

    void aDarkPaletteMakesEveryColourReadableInItsHue()
    {
        for (const QPalette& p : darkPalettes()) {
            const HeaderColours header = headerColours(p);
            QVERIFY(contrastRatio(header.text, header.background) >= kMinimumContrast);
            for (const QColor& row : kRowColours) {
                // Rows are written on the cells and on the header-coloured
                // In/Out column.
                for (const QColor& background : {p.color(QPalette::Base), header.background}) {
                    const QColor shown = inPalette(row, background, p);
                    QVERIFY2(contrastRatio(shown, background) >= kMinimumContrast,
                             qPrintable(shown.name() + " on " + background.name()));
                    QVERIFY(qAbs(shown.hslHue() - row.hslHue()) <= 1);
                }
            }
            const QColor focus = inPalette(kFocusColour, p.color(QPalette::Text), p);
            QVERIFY(contrastRatio(focus, p.color(QPalette::Text)) >= kMinimumContrast);
            QVERIFY(qAbs(focus.hslHue() - kFocusColour.hslHue()) <= 1);
            QVERIFY(focus != p.color(QPalette::Base));
        }
        // Blue on black, unreadable as it is, becomes a lighter blue.
        const QColor blue = readableAgainst(QColor(0, 0, 255), Qt::black);
        QVERIFY(blue.lightness() > 128);
        QVERIFY(blue.blue() > blue.red());
    }

    void aColourThatReadsStaysAndAnUnreachableOneEndsInBlackOrWhite()
    {
        QCOMPARE(readableAgainst(QColor(0, 0, 255), Qt::white), QColor(0, 0, 255));
        QCOMPARE(readableAgainst(QColor(128, 128, 128), QColor(128, 128, 128), 21.0), QColor(Qt::black));
        QCOMPARE(readableAgainst(QColor(100, 100, 100), QColor(60, 60, 60), 21.0), QColor(Qt::white));
    }
};

QTEST_MAIN(ThemeColoursTest)
#include "theme_colours_test.moc"
