#include "StoreTestSupport.h"
#include "CoverPictures.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>

namespace {

// Qt reads GIF files but does not write them: a 2 x 2 GIF made by hand.
const unsigned char TinyGif[] = {
    'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, ',', 0, 0, 0, 0, 2, 0, 2, 0, 0,
    2, 3, 0x44, 0x34, 0x05, 0, ';'};

QByteArray pictureBytes(const char *format, int w = 40, int h = 30)
{
    if (QByteArray(format) == "GIF")
        return QByteArray(reinterpret_cast<const char *>(TinyGif), sizeof TinyGif);
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x * 6, y * 8, (x * y) % 256));
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    EXPECT_TRUE(img.save(&buf, format)) << format;
    return out;
}

class PicturesTest : public StoreTest
{
protected:
    void SetUp() override
    {
        opened();
        movieId = cat.exec("INSERT INTO Movies (Title) VALUES (?)", {QStringLiteral("Alien")}).lastInsertId().toInt();
    }
    QString file(const char *name, const QByteArray &bytes)
    {
        const QString p = t.path(QString::fromLatin1(name));
        writeFile(p, bytes);
        return p;
    }
    int movieId = 0;
};

TEST_F(PicturesTest, ACoverIsStoredByteForByteAndLoadsBack)
{
    for (const char *format : {"BMP", "PNG", "JPG", "GIF"}) {
        const QByteArray bytes = pictureBytes(format);
        ASSERT_FALSE(bytes.isEmpty()) << format;
        ASSERT_TRUE(CoverPictures(cat, t.ctx()).SavePictureToDB(movieId, file("cover.pic", bytes))) << format;
        EXPECT_EQ(CoverPictures(cat, t.ctx()).coverBytes(movieId), bytes) << format;
        EXPECT_TRUE(CoverPictures(cat, t.ctx()).hasCover(movieId));
        QImage shown;
        ASSERT_TRUE(CoverPictures(cat, t.ctx()).LoadPictureFromDB(shown, movieId)) << format;
        EXPECT_EQ(shown.size(), QByteArray(format) == "GIF" ? QSize(2, 2) : QSize(40, 30)) << format;
        if (QByteArray(format) != "JPG") { // JPEG decoders may differ in the last bit
            EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32));
        }
    }
    EXPECT_TRUE(t.logLines().isEmpty()) << t.logLines().join('\n').toStdString();
    EXPECT_TRUE(t.prompts.shown().isEmpty());
}

TEST_F(PicturesTest, AThousandByteBitmapGivesAThousandBytes)
{
    QByteArray bmp = pictureBytes("BMP", 16, 15); // 54-byte header + 15 rows of 48 bytes = 774 bytes
    bmp.append(QByteArray(1000 - bmp.size(), '\0'));
    ASSERT_EQ(bmp.size(), 1000);
    ASSERT_TRUE(CoverPictures(cat, t.ctx()).SavePictureToDB(movieId, file("cover.bmp", bmp)));
    EXPECT_EQ(cat.scalar("SELECT length(CoverData) FROM Movies WHERE ID = ?", {movieId}).toInt(), 1000);
    EXPECT_EQ(cat.scalar("SELECT typeof(CoverData) FROM Movies WHERE ID = ?", {movieId}).toString(), "blob");
    EXPECT_EQ(CoverPictures(cat, t.ctx()).coverBytes(movieId), bmp);
}

TEST_F(PicturesTest, ASecondPictureReplacesTheFirst)
{
    ASSERT_TRUE(CoverPictures(cat, t.ctx()).SavePictureToDB(movieId, file("a.png", pictureBytes("PNG", 10, 10))));
    const QByteArray second = pictureBytes("PNG", 20, 5);
    ASSERT_TRUE(CoverPictures(cat, t.ctx()).SavePictureToDB(movieId, file("b.png", second)));
    EXPECT_EQ(CoverPictures(cat, t.ctx()).coverBytes(movieId), second);
    QImage shown;
    ASSERT_TRUE(CoverPictures(cat, t.ctx()).LoadPictureFromDB(shown, movieId));
    EXPECT_EQ(shown.size(), QSize(20, 5));
}

TEST_F(PicturesTest, ATrailingZeroByteIsAcceptedOnLoad)
{
    for (const char *format : {"BMP", "PNG", "JPG", "GIF"}) {
        const QByteArray stored = pictureBytes(format) + QByteArray(1, '\0');
        ASSERT_TRUE(CoverPictures(cat, t.ctx()).savePictureBytes(movieId, stored));
        EXPECT_EQ(CoverPictures(cat, t.ctx()).coverBytes(movieId), stored);
        QImage shown;
        EXPECT_TRUE(CoverPictures(cat, t.ctx()).LoadPictureFromDB(shown, movieId)) << format;
        EXPECT_EQ(shown.size(), QByteArray(format) == "GIF" ? QSize(2, 2) : QSize(40, 30)) << format;
    }
    EXPECT_TRUE(t.logLines().isEmpty()) << t.logLines().join('\n').toStdString();
}

TEST_F(PicturesTest, ANonPictureIsStoredButDoesNotLoad)
{
    const QByteArray text("These are the liner notes, not a picture.\n");
    ASSERT_TRUE(CoverPictures(cat, t.ctx()).SavePictureToDB(movieId, file("notes.txt", text)));
    EXPECT_EQ(CoverPictures(cat, t.ctx()).coverBytes(movieId), text);

    QImage shown(3, 3, QImage::Format_RGB32);
    shown.fill(Qt::red);
    const QImage before = shown;
    EXPECT_FALSE(CoverPictures(cat, t.ctx()).LoadPictureFromDB(shown, movieId));
    EXPECT_EQ(shown, before);
    const QStringList lines = logLinesFor("LoadPictureFromDB");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines.first().contains("Err.Number: 481")) << lines.first().toStdString();
    ASSERT_EQ(t.prompts.messages().size(), 1);
    EXPECT_EQ(t.prompts.titles().first(), "Error 481 LoadPictureFromDB");
}

TEST_F(PicturesTest, ATruncatedPictureDoesNotLoad)
{
    const QByteArray png = pictureBytes("PNG", 64, 64);
    ASSERT_TRUE(CoverPictures(cat, t.ctx()).savePictureBytes(movieId, png.left(png.size() / 2)));
    QImage shown;
    EXPECT_FALSE(CoverPictures(cat, t.ctx()).LoadPictureFromDB(shown, movieId));
    EXPECT_EQ(logLinesFor("LoadPictureFromDB").size(), 1);
}

TEST_F(PicturesTest, NoCoverOrNoMovieIsALoggedFailure)
{
    QImage shown;
    EXPECT_FALSE(CoverPictures(cat, t.ctx()).hasCover(movieId));
    EXPECT_FALSE(CoverPictures(cat, t.ctx()).LoadPictureFromDB(shown, movieId));
    EXPECT_FALSE(CoverPictures(cat, t.ctx()).LoadPictureFromDB(shown, movieId + 100));
    EXPECT_EQ(logLinesFor("LoadPictureFromDB").size(), 2);
    EXPECT_TRUE(shown.isNull());
}

TEST_F(PicturesTest, AMissingFileReturnsFalseAndShowsNothing)
{
    EXPECT_FALSE(CoverPictures(cat, t.ctx()).SavePictureToDB(movieId, QString()));
    EXPECT_FALSE(CoverPictures(cat, t.ctx()).SavePictureToDB(movieId, t.path("gone.png")));
    EXPECT_FALSE(CoverPictures(cat, t.ctx()).SavePictureToDB(movieId, t.folder()));
    EXPECT_TRUE(t.prompts.shown().isEmpty());
    EXPECT_TRUE(t.logLines().isEmpty());
    EXPECT_FALSE(CoverPictures(cat, t.ctx()).hasCover(movieId));
}

TEST_F(PicturesTest, StoringForAMissingMovieIsALoggedFailure)
{
    EXPECT_FALSE(CoverPictures(cat, t.ctx()).SavePictureToDB(movieId + 100, file("a.png", pictureBytes("PNG"))));
    EXPECT_EQ(logLinesFor("SavePictureToDB").size(), 1);
}

} // namespace
