#include "StoreTestSupport.h"
#include "CoverPictures.h"

#include "CatalogueGenerator.h"

#include <QCryptographicHash>

namespace {

// A digest of every table's rows, in ID order.
QByteArray contentDigest(const QString &path)
{
    RawDb db(path, true, true);
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const char *sql : {"SELECT * FROM Actors ORDER BY ID", "SELECT * FROM Directors ORDER BY ID",
                            "SELECT * FROM Genres ORDER BY rowid", "SELECT * FROM Movies ORDER BY ID",
                            "SELECT * FROM MovActLink ORDER BY rowid", "SELECT * FROM LoanOut ORDER BY ID",
                            "SELECT * FROM UserList ORDER BY ID", "SELECT * FROM Episodes ORDER BY episodeID"})
        for (const QStringList &row : db.rows(QString::fromLatin1(sql)))
            h.addData(row.join(QChar(0x1f)).toUtf8() + '\n');
    return h.result();
}

TEST_F(StoreTest, TheGeneratorWritesARealisticCatalogue)
{
    CatalogueGenerator::Options o;
    o.movies = 600;
    o.covers = 12;
    const CatalogueGenerator::Result r = CatalogueGenerator::generate(t.path("synthetic.cnlg"), o);
    EXPECT_EQ(r.path, t.path("synthetic.cnlg"));
    EXPECT_EQ(r.movies, 600);
    EXPECT_EQ(r.covers, 12);

    // It opens as any catalogue does, with nothing to add.
    ASSERT_TRUE(cat.open(r.path).opened());
    EXPECT_TRUE(t.prompts.shown().isEmpty());
    EXPECT_EQ(cat.scalar("PRAGMA integrity_check").toString(), "ok");
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Movies").toInt(), 600);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Actors").toLongLong(), r.actors);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Directors").toLongLong(), r.directors);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM MovActLink").toLongLong(), r.castLinks);
    EXPECT_EQ(cat.scalar("SELECT MIN(n) || '-' || MAX(n) FROM (SELECT COUNT(*) AS n FROM MovActLink GROUP BY MovID)").toString(), "3-10");
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM (SELECT MovID, ActID FROM MovActLink GROUP BY MovID, ActID HAVING COUNT(*) > 1)").toInt(), 0);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM MovActLink l LEFT JOIN Actors a ON a.ID = l.ActID WHERE a.ID IS NULL").toInt(), 0);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Movies m LEFT JOIN Directors d ON d.Director = m.Director WHERE d.ID IS NULL").toInt(), 0);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM LoanOut WHERE DateIn IS NULL").toLongLong(), r.openLoans);
    EXPECT_GT(r.openLoans, 600 * 2 / 100);
    EXPECT_LT(r.openLoans, 600 * 9 / 100);
    EXPECT_GT(r.returnedLoans, 0);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM LoanOut l JOIN Movies m ON m.ID = l.MovieID AND m.Title = l.MovieTitle").toLongLong(),
              r.openLoans + r.returnedLoans);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM LoanOut WHERE DateIn < DateOut").toInt(), 0);
    EXPECT_GT(r.userListEntries, 0);
    EXPECT_GT(r.episodeDiscs, 0);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Movies WHERE EpisodeDisc = 1").toLongLong(), r.episodeDiscs);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Episodes e JOIN Movies m ON m.ID = e.MovID AND m.EpisodeDisc = 1").toLongLong(), r.episodes);
    EXPECT_GT(cat.scalar("SELECT COUNT(*) FROM Movies WHERE Title LIKE 'The %'").toInt(), 0);
    EXPECT_GT(cat.scalar("SELECT COUNT(*) FROM Movies WHERE Title LIKE '%, The'").toInt(), 0);
    EXPECT_GT(cat.scalar("SELECT COUNT(*) FROM Actors WHERE Actor LIKE '%''%'").toInt(), 0);

    QSqlQuery q = cat.exec("SELECT Title, OrderBy FROM Movies");
    int checked = 0;
    while (q.next()) {
        EXPECT_EQ(q.value(1).toString(), titleOrderFor(q.value(0).toString()).orderBy) << q.value(0).toString().toStdString();
        ++checked;
    }
    EXPECT_EQ(checked, 600);

    q = cat.exec("SELECT ID FROM Movies WHERE CoverData IS NOT NULL");
    int covers = 0;
    while (q.next()) {
        QImage cover;
        EXPECT_TRUE(CoverPictures(cat, t.ctx()).LoadPictureFromDB(cover, q.value(0).toInt()));
        EXPECT_EQ(cover.size(), QSize(60, 90));
        ++covers;
    }
    EXPECT_EQ(covers, 12);
    EXPECT_TRUE(t.logLines().isEmpty()) << t.logLines().join('\n').toStdString();
}

TEST_F(StoreTest, TheGeneratorIsDeterministic)
{
    CatalogueGenerator::Options o;
    o.movies = 300;
    const QString a = CatalogueGenerator::generate(t.path("a.cnlg"), o).path;
    const QString b = CatalogueGenerator::generate(t.path("b.cnlg"), o).path;
    o.seed += 1;
    const QString c = CatalogueGenerator::generate(t.path("c.cnlg"), o).path;
    EXPECT_EQ(contentDigest(a), contentDigest(b));
    EXPECT_NE(contentDigest(a), contentDigest(c));
}

// --titles: one movie per line of a UTF-8 file, in order, with their keys; the stock library reads
// the result whole and finds each title.
TEST_F(StoreTest, TheGeneratorMakesOneMoviePerLineOfATitlesFile)
{
    const QString file = t.path("titles.txt");
    writeFile(file, QByteArray("\xEF\xBB\xBF\xC3\x89" "a\r\n\xC3\xA9" "b\n\n\xC3\x89" "c\nThe Abyss\n\xC3\x84" "RGER\r\n"));
    CatalogueGenerator::Options o;
    o.titles = CatalogueGenerator::readTitles(file);
    EXPECT_EQ(o.titles, QStringList({QString::fromUtf8("\u00C9a"), QString::fromUtf8("\u00E9b"), QString::fromUtf8("\u00C9c"), "The Abyss", QString::fromUtf8("\u00C4RGER")}));
    const CatalogueGenerator::Result r = CatalogueGenerator::generate(t.path("titled.cnlg"), o);
    EXPECT_EQ(r.movies, 5);

    RawDb stock(r.path, false, true);
    EXPECT_EQ(stock.value("PRAGMA integrity_check"), "ok");
    QStringList titles;
    for (const QStringList &row : stock.rows("SELECT Title FROM Movies ORDER BY ID"))
        titles << row[0];
    EXPECT_EQ(titles, o.titles);
    for (const QString &title : o.titles)
        EXPECT_EQ(stock.value("SELECT COUNT(*) FROM Movies WHERE Title = ?", {title}), "1") << title.toStdString();
    EXPECT_EQ(stock.value("SELECT TitleKey FROM Movies WHERE Title = ?", {QString::fromUtf8("\u00C4RGER")}), QString::fromUtf8("\u00E4rger"));
    EXPECT_EQ(stock.value("SELECT COUNT(*) FROM Movies WHERE TitleKey IS NULL OR OrderByKey IS NULL OR DirectorKey IS NULL"), "0");

    writeFile(file, QByteArray("ok\n\xFF\xFE broken\n"));
    EXPECT_THROW(CatalogueGenerator::readTitles(file), CinelogError);
    writeFile(file, QString(256, QLatin1Char('x')).toUtf8());
    EXPECT_THROW(CatalogueGenerator::readTitles(file), CinelogError);
}

} // namespace
