// The cover search's non-window logic: the cover file name, the thumbnail tip texts and the picture
// downloader against a real HTTP server on 127.0.0.1.

#include "CoverFileName.h"
#include "LocalHttpServer.h"
#include "PictureDownloader.h"
#include "ThumbnailTip.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using Reply = LocalHttpServer::Reply;

namespace {


struct FileNameCase
{
    const char *title;
    const char *expected;
};

class CoverFileNameTest : public ::testing::TestWithParam<FileNameCase>
{
};

TEST_P(CoverFileNameTest, TitleBecomesFileName)
{
    EXPECT_EQ(coverFileName(QString::fromUtf8(GetParam().title)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Titles, CoverFileNameTest,
                         ::testing::Values(FileNameCase{"Tom & Jerry: The Movie", "Tom__Jerry_The_Movie.jpg"},
                                           FileNameCase{"Dr. Strangelove", "Dr_Strangelove.jpg"},
                                           FileNameCase{"Who? What, Where/When\\<Why>*|", "Who_What_WhereWhenWhy.jpg"},
                                           FileNameCase{"The \"Thing\"", "The_'Thing'.jpg"},
                                           FileNameCase{"Amélie", "Amélie.jpg"},
                                           FileNameCase{"", ".jpg"}));

TEST(ThumbnailTipTest, TextsNameTheResultItsProductAndPictureSize)
{
    Coverfetch::AWSItem item;
    item.strASIN = QStringLiteral("B00005JNOG");
    item.strTitle = QStringLiteral("Alien & Aliens");
    item.lngLargeImageWidth = 347;
    item.lngLargeImageHeight = 500;
    EXPECT_EQ(thumbnailTipTitle(QStringLiteral("Result #12"), item), QStringLiteral("Information about Result #12 (B00005JNOG)"));
    EXPECT_EQ(thumbnailTipText(item), QStringLiteral("General Information:\r\n     Title: Alien & Aliens\r\n"
                                                     "Image Dimensions:\r\n     347x500"));
    EXPECT_EQ(slotOfKey(keyOfSlot(250)), 250);
    EXPECT_EQ(slotOfKey(QStringLiteral("Result #")), 0);
}

class PictureDownloaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.isListening());
        dl.setTimeout(400);
        dl.setMaxBytes(1000);
        QObject::connect(&dl, &PictureDownloader::finished, [this](const PictureDownloader::Result &r) { results[r.id] = r; });
    }

    LocalHttpServer server;
    PictureDownloader dl;
    QMap<int, PictureDownloader::Result> results;
};

TEST_F(PictureDownloaderTest, ReportsEachPictureWithItsOwnOutcome)
{
    QTemporaryDir dir;
    const QString local = dir.filePath(QStringLiteral("secret.png"));
    QFile f(local);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("local bytes");
    f.close();

    server.addRoute(QStringLiteral("/ok"), Reply::text("picture", 200, "image/png"));
    server.addRoute(QStringLiteral("/missing"), Reply::text("not here", 404));
    server.addRoute(QStringLiteral("/big"), Reply::text(QByteArray(5000, 'x'), 200, "image/png"));
    server.addRoute(QStringLiteral("/silent"), Reply::never());
    dl.enqueue(1, server.url(QStringLiteral("/ok")));
    dl.enqueue(2, server.url(QStringLiteral("/missing")));
    dl.enqueue(3, server.url(QStringLiteral("/big")));
    dl.enqueue(4, server.url(QStringLiteral("/silent")));
    dl.enqueue(5, QUrl::fromLocalFile(local));
    dl.enqueue(6, QUrl(QStringLiteral("not an address")));
    dl.waitForAll();

    ASSERT_EQ(results.size(), 6);
    EXPECT_TRUE(results[1].ok());
    EXPECT_EQ(results[1].bytes, QByteArray("picture"));
    for (int id : {2, 3, 4, 5, 6}) {
        EXPECT_FALSE(results[id].ok()) << id;
        EXPECT_TRUE(results[id].bytes.isEmpty()) << id;
    }
    EXPECT_TRUE(results[3].error.contains(QStringLiteral("larger"))) << results[3].error.toStdString();
    EXPECT_TRUE(results[4].error.contains(QStringLiteral("timed out"))) << results[4].error.toStdString();
    EXPECT_TRUE(dl.isIdle());
}

TEST_F(PictureDownloaderTest, RunsSeveralAtATime)
{
    // Each reply waits 300 ms; with four at a time eight pictures take two rounds, not eight.
    dl.setTimeout(5000);
    dl.setMaxParallel(4);
    Reply slow = Reply::text("p", 200, "image/png");
    slow.delayMs = 300;
    server.addRoute(QStringLiteral("/slow"), slow);
    int mostWaiting = 0;
    QObject::connect(&server, &LocalHttpServer::requestReceived, [&] {
        mostWaiting = qMax(mostWaiting, int(server.requests().size()) - int(results.size()));
    });
    for (int i = 1; i <= 8; ++i)
        dl.enqueue(i, server.url(QStringLiteral("/slow?n=%1").arg(i)));
    dl.waitForAll();
    EXPECT_EQ(results.size(), 8);
    EXPECT_EQ(mostWaiting, 4);
}

TEST_F(PictureDownloaderTest, AbortEndsTheWaitAndReportsNothingMore)
{
    server.addRoute(QStringLiteral("/ok"), Reply::text("picture", 200, "image/png"));
    server.addRoute(QStringLiteral("/silent"), Reply::never());
    dl.setTimeout(60000);
    dl.setMaxParallel(2);
    dl.enqueue(1, server.url(QStringLiteral("/ok")));
    dl.enqueue(2, server.url(QStringLiteral("/silent")));
    dl.enqueue(3, server.url(QStringLiteral("/silent?again")));
    dl.enqueue(4, server.url(QStringLiteral("/ok?late")));
    QObject::connect(&dl, &PictureDownloader::finished, &dl, [this](const PictureDownloader::Result &r) {
        if (r.id == 1)
            QTimer::singleShot(50, &dl, [this] { dl.abort(); });
    });
    dl.waitForAll();
    EXPECT_EQ(results.keys(), QList<int>{1});
    EXPECT_TRUE(dl.isIdle());
}

} // namespace
