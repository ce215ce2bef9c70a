#include "Contrast.h"

#include <gtest/gtest.h>

TEST(Contrast, RatiosOfKnownPairs)
{
    EXPECT_NEAR(Contrast::ratio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(Contrast::ratio(Qt::white, Qt::black), 21.0, 1e-9);
    EXPECT_NEAR(Contrast::ratio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
    EXPECT_NEAR(Contrast::ratio(QColor(255, 0, 0), Qt::white), 4.0, 0.01);
    EXPECT_NEAR(Contrast::ratio(QColor(0x33, 0x66, 0x99), QColor(0x33, 0x66, 0x99)), 1.0, 1e-9);
}

TEST(Contrast, ReadableKeepsTheHueAndMovesAsLittleAsNeeded)
{
    struct Case {
        QColor wanted, background;
    };
    const Case cases[] = {
        {QColor(255, 0, 0), Qt::white},              // too light: darker red
        {QColor(255, 0, 0), QColor(0x2a, 0x2a, 0x2a)}, // too dark: lighter red
        {QColor(0xff, 0xc8, 0x00), QColor(0xef, 0xef, 0xef)},
        {QColor(0x80, 0x80, 0x80), QColor(0x80, 0x80, 0x80)},
    };
    for (const Case &c : cases) {
        const QColor r = Contrast::readable(c.wanted, {c.background});
        SCOPED_TRACE(r.name().toStdString());
        EXPECT_GE(Contrast::ratio(r, c.background), 4.5);
        // Nearest: one step less would not be enough.
        EXPECT_LT(Contrast::ratio(r, c.background), 4.7);
        if (c.wanted.hslSaturation() > 0)
            EXPECT_NEAR(r.hslHue(), c.wanted.hslHue(), 2);
    }
    // Already readable: unchanged.
    EXPECT_EQ(Contrast::readable(QColor(0xff, 0xc8, 0x00), {QColor(0x20, 0x20, 0x20)}), QColor(0xff, 0xc8, 0x00));
    // Two backgrounds: readable on both.
    const QColor both = Contrast::readable(QColor(255, 0, 0), {Qt::white, QColor(0xe0, 0xe0, 0xe0)});
    EXPECT_GE(Contrast::ratio(both, Qt::white), 4.5);
    EXPECT_GE(Contrast::ratio(both, QColor(0xe0, 0xe0, 0xe0)), 4.5);
}
