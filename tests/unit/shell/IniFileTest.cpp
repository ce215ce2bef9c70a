#include "GTestSupport.h"
#include "IniFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeAll(const QString &path, const QByteArray &data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

class IniFileTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("reelbase.ini")); }
};

} // namespace

TEST_F(IniFileTest, HandWrittenFileReadsWithoutRegardToCase)
{
    writeAll(path(), "; settings written by hand\r\n"
                     "\r\n"
                     "[Options]\r\n"
                     "Autoload=1\r\n"
                     "  PDFFolder = /home/ann/pdf  \r\n"
                     "# another comment\r\n"
                     "\r\n"
                     "[reelbase]\r\n"
                     "Width=14000\r\n"
                     "NoEqualsSign\r\n");
    IniFile ini(path());
    EXPECT_EQ(ini.read("options", "AUTOLOAD"), "1");
    EXPECT_EQ(ini.read("Options", "AutoLoad"), "1");
    EXPECT_EQ(ini.read("OPTIONS", "pdffolder"), "/home/ann/pdf");
    EXPECT_EQ(ini.read("Reelbase", "width"), "14000");
    EXPECT_EQ(ini.read("Reelbase", "Height"), "");
    EXPECT_EQ(ini.read("Missing", "Width"), "");
    EXPECT_EQ(ini.read("Reelbase", "NoEqualsSign"), "");
}

TEST_F(IniFileTest, WriteChangesOnlyItsOwnLine)
{
    const QByteArray original = "; settings written by hand\r\n"
                                "\r\n"
                                "[Options]\r\n"
                                "Autoload=1\r\n"
                                "# keep me\r\n"
                                "\r\n"
                                "[Reelbase]\r\n"
                                "Width=14000\r\n";
    writeAll(path(), original);
    IniFile ini(path());
    ASSERT_TRUE(ini.write("OPTIONS", "AUTOLOAD", "0"));
    QByteArray expected = original;
    expected.replace("Autoload=1", "Autoload=0");
    EXPECT_EQ(readAll(path()), expected);

    // A new key goes to the end of its own section; a new section to the end of the file.
    ASSERT_TRUE(ini.write("Options", "LastDB", "/films/home.cnlg"));
    ASSERT_TRUE(ini.write("DBLists", "db1", "/films/home.cnlg"));
    expected.replace("Autoload=0\r\n", "Autoload=0\r\nLastDB=/films/home.cnlg\r\n");
    expected += "[DBLists]\r\ndb1=/films/home.cnlg\r\n";
    EXPECT_EQ(readAll(path()), expected);
    EXPECT_EQ(IniFile(path()).read("options", "lastdb"), "/films/home.cnlg");
}

TEST_F(IniFileTest, FileIsCreatedByTheFirstWrite)
{
    IniFile ini(path());
    EXPECT_FALSE(ini.exists());
    EXPECT_EQ(ini.read("Options", "Autoload"), "");
    EXPECT_FALSE(QFile::exists(path()));
    ASSERT_TRUE(ini.write("Options", "Autoload", "1"));
    EXPECT_EQ(readAll(path()), "[Options]\nAutoload=1\n");
}

TEST_F(IniFileTest, ValuesReadBackAtMost254Characters)
{
    IniFile ini(path());
    const QString longValue(300, QLatin1Char('x'));
    ini.write("Options", "LastDB", longValue);
    EXPECT_EQ(ini.read("Options", "LastDB"), QString(254, QLatin1Char('x')));
}

TEST_F(IniFileTest, ValuesCannotBreakTheFileApart)
{
    IniFile ini(path());
    ini.write("Options", "LastDB", QStringLiteral("a\nb\r[Evil]\nk=v"));
    EXPECT_EQ(ini.read("Evil", "k"), "");
    EXPECT_EQ(ini.read("Options", "LastDB"), "a b [Evil] k=v");
}

TEST_F(IniFileTest, ChangesMadeByAnotherWriterAreSeen)
{
    IniFile a(path()), b(path());
    a.write("Options", "LastDB", "one");
    EXPECT_EQ(b.read("Options", "LastDB"), "one");
    b.write("Options", "LastDB", "two-two");
    EXPECT_EQ(a.read("Options", "LastDB"), "two-two");
}

TEST_F(IniFileTest, BinaryGarbageAndUnwritableFilesDoNotFail)
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 131) % 256));
    writeAll(path(), garbage);
    IniFile ini(path());
    EXPECT_EQ(ini.read("Options", "Autoload"), "");
    EXPECT_TRUE(ini.write("Options", "Autoload", "1"));
    EXPECT_EQ(ini.read("Options", "Autoload"), "1");

    IniFile nowhere(dir.filePath("no/such/folder/reelbase.ini"));
    EXPECT_FALSE(nowhere.write("Options", "Autoload", "1"));
    EXPECT_EQ(nowhere.read("Options", "Autoload"), "");
}

TEST_F(IniFileTest, BatchWritesOnceAtTheEnd)
{
    IniFile ini(path());
    ini.beginBatch();
    ini.write("A", "1", "x");
    ini.write("A", "2", "y");
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_EQ(ini.read("A", "2"), "y");
    EXPECT_TRUE(ini.endBatch());
    EXPECT_EQ(readAll(path()), "[A]\n1=x\n2=y\n");
}
