#include "GTestSupport.h"
#include "IniFile.h"
#include "ProgramSettings.h"
#include "Setting.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class TypedSettingTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    IniFile ini{dir.filePath(QStringLiteral("reelbase.ini"))};

    QByteArray fileText() const
    {
        QFile f(ini.path());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    void putRaw(const char *value) { ASSERT_TRUE(ini.write("Window", "Value", QString::fromUtf8(value))); }
};

template <typename T>
std::string show(const std::optional<T> &v)
{
    if (!v)
        return "(none)";
    if constexpr (std::is_same_v<T, QString>)
        return v->toStdString();
    else
        return std::to_string(*v);
}

} // namespace

// What a value written by hand (or by an older build) reads as: the stored value when usable,
// nothing (so the fallback) when it is missing, does not parse or lies outside the range.
TEST_F(TypedSettingTest, StoredTextReadsAsItsTypeOrNotAtAll)
{
    const Setting<int> kept{"Window", "Value", 5, 0, 1000};
    const struct {
        const char *text;
        std::optional<int> expected;
    } ints[] = {
        {"12", 12},      {"  7 ", 7},   {"0", 0},           {"1000", 1000}, {"", std::nullopt},
        {"-1", std::nullopt}, {"1001", std::nullopt}, {"1.5", std::nullopt}, {"12abc", std::nullopt},
        {"99999999999", std::nullopt}, {"\"42\"", 42},
    };
    for (const auto &c : ints) {
        putRaw(c.text);
        EXPECT_EQ(kept.stored(ini), c.expected) << c.text << " read as " << show(kept.stored(ini));
        EXPECT_EQ(kept.read(ini), c.expected.value_or(5)) << c.text;
    }

    const Setting<double> twips{"Window", "Value", 0, 0, 1e7};
    const struct {
        const char *text;
        std::optional<double> expected;
    } doubles[] = {
        {"1440", 1440.0},        {"1234.5", 1234.5},      {"1e3", 1000.0},
        {"1e999", std::nullopt}, {"nan", std::nullopt},   {"inf", std::nullopt},
        {"-3", std::nullopt},    {"wide", std::nullopt},  {"10000001", std::nullopt},
    };
    for (const auto &c : doubles) {
        putRaw(c.text);
        EXPECT_EQ(twips.stored(ini), c.expected) << c.text << " read as " << show(twips.stored(ini));
    }

    const Setting<bool> flag{"Window", "Value", true};
    const struct {
        const char *text;
        std::optional<bool> expected;
    } bools[] = {{"1", true}, {" 0 ", false}, {"", std::nullopt}, {"yes", std::nullopt}, {"2", std::nullopt}};
    for (const auto &c : bools) {
        putRaw(c.text);
        EXPECT_EQ(flag.stored(ini), c.expected) << c.text;
        EXPECT_EQ(flag.read(ini), c.expected.value_or(true)) << c.text;
    }

    const Setting<QString> text{"Window", "Value", "fallback"};
    putRaw("  /films/home.cnlg ");
    EXPECT_EQ(text.read(ini), "/films/home.cnlg");
    putRaw("");
    EXPECT_FALSE(text.stored(ini).has_value());
    EXPECT_EQ(text.read(ini), "fallback");
}

TEST_F(TypedSettingTest, WrittenValuesAreTheFilesPlainTextAndReadBack)
{
    const Setting<int> keep{"Backups", "Keep", 5, 0};
    const Setting<bool> autoLoad{"Options", "AutoLoad"};
    const Setting<double> width{"Reelbase", "Width", 0, 0, 1e7};
    const Setting<QString> last{"Options", "LastDB"};
    ASSERT_TRUE(keep.write(ini, 12));
    ASSERT_TRUE(autoLoad.write(ini, true));
    ASSERT_TRUE(width.write(ini, 10000000));
    ASSERT_TRUE(last.write(ini, "/films/Ann's films.cnlg"));
    EXPECT_EQ(fileText(), "[Backups]\nKeep=12\n"
                          "[Options]\nAutoLoad=1\nLastDB=/films/Ann's films.cnlg\n"
                          "[Reelbase]\nWidth=10000000\n");
    EXPECT_EQ(keep.read(ini), 12);
    EXPECT_TRUE(autoLoad.read(ini));
    EXPECT_EQ(width.read(ini), 1e7);
    EXPECT_EQ(last.read(ini), "/films/Ann's films.cnlg");

    ASSERT_TRUE(width.write(ini, 1234.5));
    EXPECT_EQ(width.read(ini), 1234.5);
    ASSERT_TRUE(autoLoad.write(ini, false));
    EXPECT_EQ(autoLoad.stored(ini), false);
    ASSERT_TRUE(keep.clear(ini));
    EXPECT_FALSE(keep.isSet(ini));
    EXPECT_EQ(keep.read(ini), 5);
}

// A file written by hand or by an older build spells sections and keys its own way.
TEST_F(TypedSettingTest, SectionAndKeyMatchWithoutRegardToCase)
{
    QFile f(ini.path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[options]\r\nautoload=1\r\nLASTDB=/films/home.cnlg\r\n[dblists]\r\nDB2=/films/old.cnlg\r\n");
    f.close();
    EXPECT_TRUE(ProgramSettings::AutoLoad.read(ini));
    EXPECT_EQ(ProgramSettings::LastDB.read(ini), "/films/home.cnlg");
    EXPECT_EQ(ProgramSettings::recentCatalogue(2).read(ini), "/films/old.cnlg");
    EXPECT_FALSE(ProgramSettings::recentCatalogue(1).isSet(ini));

    // Writing keeps the spelling already in the file and adds no second line.
    ASSERT_TRUE(ProgramSettings::AutoLoad.write(ini, false));
    EXPECT_EQ(fileText(), "[options]\r\nautoload=0\r\nLASTDB=/films/home.cnlg\r\n[dblists]\r\nDB2=/films/old.cnlg\r\n");
}
