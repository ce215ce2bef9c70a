// Settings files and cover picture files that are not what they claim to be.

#include "CatalogueFile.h"
#include "Catalogue.h"
#include "CoverPictures.h"
#include "TestCatalogue.h"
#include "GTestSupport.h"
#include "IniFile.h"
#include "MovieStore.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <random>

namespace {

QByteArray randomBytes(int n, unsigned seed)
{
    std::mt19937 rng(seed);
    QByteArray out(n, '\0');
    for (char &c : out)
        c = char(rng() & 0xFF);
    return out;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(HostileSettings, DamagedFilesReadSafelyAndTakeNewValues)
{
    GTestContext t;
    const struct {
        const char *name;
        QByteArray content;
        QString lastDb;       // what LastDB of [Main] reads as
        QByteArray keptLine;  // a line a write must leave in place
    } cases[] = {
        {"binary garbage", randomBytes(4096, 7), QString(), QByteArray()},
        {"garbage around a good section", randomBytes(512, 8) + "\n[Main]\nLastDB=/films/a.cnlg\n" + randomBytes(512, 9),
         QStringLiteral("/films/a.cnlg"), QByteArray()},
        {"lines without an equals sign", "[Main]\nthis line has no equals sign\nLastDB=/films/b.cnlg\n;comment\n",
         QStringLiteral("/films/b.cnlg"), "this line has no equals sign"},
        {"NUL inside a value", QByteArray("[Main]\r\nLastDB=/films/c\0tail\r\n", 27), QStringLiteral("/films/c"), QByteArray()},
        {"brackets and equals only", "[\n[Main\n]\n=\n==\n[]\n", QString(), QByteArray()},
        {"one long line", QByteArray(1 << 20, 'x'), QString(), QByteArray()},
        {"section header without a line break", "[Main]", QString(), QByteArray()},
        {"keys after a header without a line break", "[Other]\nA=1\n[Main]", QString(), "A=1"},
        {"value far over the read length", "[Main]\nLastDB=" + QByteArray(100000, 'v') + "\n", QString(254, QLatin1Char('v')), QByteArray()},
    };
    for (const auto &c : cases) {
        const QString path = t.path(QStringLiteral("settings.ini"));
        writeFile(path, c.content);
        IniFile ini(path);
        EXPECT_EQ(ini.read(QStringLiteral("Main"), QStringLiteral("LastDB")), c.lastDb) << c.name;
        EXPECT_TRUE(ini.read(QStringLiteral("Window"), QStringLiteral("Left")).isEmpty()) << c.name;
        ASSERT_TRUE(ini.write(QStringLiteral("Main"), QStringLiteral("LastDB"), QStringLiteral("/films/new.cnlg"))) << c.name;
        EXPECT_EQ(IniFile(path).read(QStringLiteral("main"), QStringLiteral("lastdb")), QStringLiteral("/films/new.cnlg")) << c.name;
        if (!c.keptLine.isEmpty()) {
            EXPECT_TRUE(fileBytes(path).contains(c.keptLine)) << c.name;
        }
    }
}

TEST(HostileSettings, AFileOverTheSizeLimitIsNeitherReadNorOverwritten)
{
    GTestContext t;
    const QString path = t.path(QStringLiteral("huge.ini"));
    const QByteArray content = "[Main]\nLastDB=/films/a.cnlg\n" + QByteArray(IniFile::MaxFileSize, ';');
    writeFile(path, content);
    IniFile ini(path);
    EXPECT_TRUE(ini.read(QStringLiteral("Main"), QStringLiteral("LastDB")).isEmpty());
    // Writing would mean replacing everything that was not read with one line: refused instead.
    EXPECT_FALSE(ini.write(QStringLiteral("Main"), QStringLiteral("LastDB"), QStringLiteral("/films/b.cnlg")));
    EXPECT_EQ(fileBytes(path), content);
}

class HostileCovers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString p = t.path(QStringLiteral("covers.cnlg"));
        ASSERT_TRUE(createCatalogue(p));
        ASSERT_TRUE(cat.isOpen() || cat.open(p).opened());
        MovieRecord m;
        m.title = QStringLiteral("Covered");
        movieId = MovieStore(cat).save(m);
    }

    GTestContext t;
    Catalogue cat;
    int movieId = 0;
};

QByteArray png()
{
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::darkCyan);
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG");
    return b.data();
}

TEST_F(HostileCovers, FilesThatAreNoPictureNeverBecomeACoverThatShows)
{
    const struct {
        const char *name;
        QByteArray bytes;
        qint64 sparseSize; // > 0: a file of this size with nothing written (a huge file costs no disk)
        bool stored;       // kept byte for byte, to be refused when shown
        const char *message;
    } cases[] = {
        {"empty file", QByteArray(), 0, false, "empty"},
        {"over the size cap", QByteArray(), CoverPictures::MaxCoverBytes + 1, false, "too large"},
        {"truncated picture", png().left(60), 0, true, "Invalid picture"},
        {"text file", "This is not a picture.\n", 0, true, "Invalid picture"},
        {"picture header with garbage", png().left(16) + randomBytes(4000, 3), 0, true, "Invalid picture"},
    };
    for (const auto &c : cases) {
        const QString path = t.path(QStringLiteral("cover.png"));
        writeFile(path, c.bytes);
        if (c.sparseSize > 0) {
            ASSERT_TRUE(QFile::resize(path, c.sparseSize));
        }
        cat.exec(QStringLiteral("UPDATE Movies SET CoverData = NULL"));
        const int messagesBefore = int(t.prompts.messages().size());
        EXPECT_EQ(CoverPictures(cat, t.ctx()).SavePictureToDB(movieId, path), c.stored) << c.name;
        EXPECT_EQ(CoverPictures(cat, t.ctx()).hasCover(movieId), c.stored) << c.name;
        if (c.stored) {
            EXPECT_EQ(CoverPictures(cat, t.ctx()).coverBytes(movieId), c.bytes) << c.name;
            QImage shown;
            EXPECT_FALSE(CoverPictures(cat, t.ctx()).LoadPictureFromDB(shown, movieId)) << c.name;
            EXPECT_TRUE(shown.isNull()) << c.name;
        }
        ASSERT_EQ(t.prompts.messages().size(), messagesBefore + 1) << c.name << ": the user was not told";
        EXPECT_TRUE(t.prompts.messages().last().contains(QLatin1String(c.message)))
            << c.name << ": " << t.prompts.messages().last().toStdString();
    }
}

} // namespace
