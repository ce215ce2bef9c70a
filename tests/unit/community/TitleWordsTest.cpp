#include "TitleWords.h"

#include "GTestSupport.h"

namespace {

struct Case {
    const char *title;
    QStringList words;
};

class TitleWordsTable : public ::testing::TestWithParam<Case> {};

TEST_P(TitleWordsTable, SplitsTheNormalisedTitle)
{
    EXPECT_EQ(TitleWords::words(QString::fromUtf8(GetParam().title)), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, TitleWordsTable,
    ::testing::Values(
        Case{"Monsters, Inc.", {QStringLiteral("Msters"), QStringLiteral("Inc")}},
        // The runs of blanks left by removed words vanish completely and join their neighbours.
        Case{"The Lord of the Rings: The Two Towers", {QString(), QStringLiteral("LordRingsTwo"), QStringLiteral("Towers")}},
        Case{"The", {}},
        Case{"", {}},
        // Case-sensitive: "THE" stays; "the" goes also inside words.
        Case{"Together THE other", {QStringLiteral("Toger"), QStringLiteral("THE"), QStringLiteral("or")}},
        // Removal order matters: "III" goes before "II", so "Rocky III" keeps no stray "I".
        Case{"Rocky III", {QStringLiteral("Rocky"), QString()}},
        Case{"Rocky IV", {QStringLiteral("Rocky"), QString()}},
        Case{"Alien vs. Predator", {QStringLiteral("AlienPredar")}},
        Case{"Tom & Jerry!", {QStringLiteral("TomJerry")}},
        Case{"2001: A Space Odyssey", {QString(), QStringLiteral("A"), QStringLiteral("Space"), QStringLiteral("Odyssey")}},
        Case{"It's a Wonderful Life", {QStringLiteral("Its"), QStringLiteral("Wderful"), QStringLiteral("Life")}},
        Case{"Day     Night", {QStringLiteral("Day"), QStringLiteral("Night")}}));

TEST(TitleWords, NormaliseRemovesQuotesAndKeepsOtherLetters)
{
    EXPECT_EQ(TitleWords::normalise(QStringLiteral("Schindler's List")), QStringLiteral("Schindlers List"));
    EXPECT_EQ(TitleWords::normalise(QStringLiteral("Amélie")), QStringLiteral("Amélie"));
}

}
