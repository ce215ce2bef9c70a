#include "ExportTestSupport.h"

#include "TestCatalogue.h"

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace exporttest {

std::unique_ptr<Catalogue> newCatalogue(const QString &path)
{
    auto cat = std::make_unique<Catalogue>();
    EXPECT_TRUE(createCatalogue(path));
    EXPECT_TRUE(cat->open(path).opened());
    return cat;
}

namespace {

int addMovie(Catalogue &cat, const QVariantList &values)
{
    QSqlQuery q = cat.exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy, Director, Genre1, Genre2, Genre3, Medium, Format, "
                                          "Rating, ReleaseYear, RunningTime, NumDiscs, UserRating, URL, EpisodeDisc) "
                                          "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                           values);
    return q.lastInsertId().toInt();
}

int actor(Catalogue &cat, const QString &name)
{
    const QVariant id = cat.scalar(QStringLiteral("SELECT ID FROM Actors WHERE Actor = ?"), {name});
    if (id.isValid() && !id.isNull())
        return id.toInt();
    return cat.exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"), {name}).lastInsertId().toInt();
}

void cast(Catalogue &cat, int movie, const QString &name, const QVariant &role)
{
    cat.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"), {movie, actor(cat, name), role});
}

void episode(Catalogue &cat, int movie, const QVariant &disc, const QVariant &number, const QString &title)
{
    cat.exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, ?, ?, ?)"), {movie, title, number, disc});
}

} // namespace

void fillTrickyCatalogue(Catalogue &cat)
{
    const QVariant null;
    const QString long255 = QString(250, u'x') + QStringLiteral("éü東京🎬"); // 255 characters, 256 UTF-16 units
    QString emoji;
    for (int i = 0; i < 255; ++i)
        emoji += QStringLiteral("🎬");
    QStringList names;
    cat.transaction([&] {
        const int m1 = addMovie(cat, {QStringLiteral("The Matrix"), QStringLiteral("Matrix, The"), QStringLiteral("Wachowski, Lana"),
                                      QStringLiteral("Sci-Fi"), QStringLiteral("Action"), null, QStringLiteral("DVD"),
                                      QStringLiteral("Wide"), QStringLiteral("R"), QStringLiteral("1999"), QStringLiteral("136"),
                                      QStringLiteral("1"), 7, QStringLiteral("https://example.com/m?a=1&b=\"2\""), 0});
        cast(cat, m1, QStringLiteral("Reeves, Keanu"), QStringLiteral("Neo; The One"));
        cast(cat, m1, QStringLiteral("Carrie-Anne Moss"), QStringLiteral("Trinity"));
        cast(cat, m1, QStringLiteral("Hugo Weaving"), null);
        cat.exec(QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (?, ?, ?, ?)"),
                 {m1, QStringLiteral("The Matrix"), QStringLiteral("Jane"), QStringLiteral("2024-03-01")});

        const int m2 = addMovie(cat, {QStringLiteral("He said \"hi\", then; left"), null, QStringLiteral("O'Brien; \"Dir\""),
                                      QStringLiteral("Drama, Light"), null, null, QStringLiteral("Blu-ray"),
                                      QStringLiteral("  two  spaces "), null, QStringLiteral("2001"), null, null, 0, null, 0});
        cast(cat, m2, QStringLiteral("Amélie Poulain"), QStringLiteral("Herself as a child"));
        cast(cat, m2, QStringLiteral("A;B"), QStringLiteral(";"));

        const int m3 = addMovie(cat, {QStringLiteral("Line one\nLine two"), QStringLiteral("Line one"), long255, QStringLiteral("Ünïcödé"),
                                      QStringLiteral("東京物語"), QStringLiteral("Comedy"), null, null, emoji, null, null,
                                      QStringLiteral("3"), 3, QStringLiteral("http://"), 1});
        episode(cat, m3, 1, 1, QStringLiteral("Pilot"));
        episode(cat, m3, 1, 2, QStringLiteral("Part A/B; \"quoted\", with comma"));
        episode(cat, m3, 2, null, QStringLiteral("Bonus\nsecond line"));
        episode(cat, m3, null, 4, QStringLiteral(""));
        cast(cat, m3, long255, long255);

        // Two movies sharing a title, and one with every field empty.
        addMovie(cat, {QStringLiteral("Solaris"), null, QStringLiteral("Tarkovsky"), null, null, null, null, null, null,
                       QStringLiteral("1972"), null, null, 0, null, 0});
        addMovie(cat, {QStringLiteral("Solaris"), null, QStringLiteral("Soderbergh"), null, null, null, null, null, null,
                       QStringLiteral("2002"), null, null, 0, null, 0});
        addMovie(cat, {null, null, null, null, null, null, null, null, null, null, null, null, 0, null, 0});

        for (const QString &d : {QStringLiteral("Wachowski, Lana"), QStringLiteral("O'Brien; \"Dir\""), long255,
                                 QStringLiteral("Tarkovsky"), QStringLiteral("Soderbergh")})
            cat.exec(QStringLiteral("INSERT INTO Directors (Director) VALUES (?)"), {d});
        for (const QString &g : {QStringLiteral("Sci-Fi"), QStringLiteral("Action"), QStringLiteral("Drama, Light"),
                                 QStringLiteral("Ünïcödé"), QStringLiteral("東京物語"), QStringLiteral("Comedy")})
            cat.exec(QStringLiteral("INSERT INTO Genres (Genre) VALUES (?)"), {g});

        QImage cover(120, 180, QImage::Format_RGB32);
        cover.fill(Qt::darkCyan);
        QByteArray png;
        QBuffer b(&png);
        b.open(QIODevice::WriteOnly);
        cover.save(&b, "PNG");
        cat.exec(QStringLiteral("UPDATE Movies SET CoverData = ? WHERE ID = ?"), {png, m1});
    });
}

QStringList dump(Catalogue &cat)
{
    QStringList out;
    auto text = [](const QVariant &v) { return v.isNull() ? QString() : v.toString(); };
    QSqlQuery m = cat.exec(QStringLiteral("SELECT ID, Title, OrderBy, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, "
                                          "ReleaseYear, RunningTime, NumDiscs, COALESCE(UserRating, 0), URL, COALESCE(EpisodeDisc, 0) "
                                          "FROM Movies ORDER BY ID"));
    while (m.next()) {
        QStringList fields;
        for (int c = 1; c < 16; ++c)
            fields << text(m.value(c));
        out << QStringLiteral("movie: ") + fields.join(u'|');
        QSqlQuery c = cat.exec(QStringLiteral("SELECT a.Actor, l.PlayingAs FROM MovActLink l JOIN Actors a ON a.ID = l.ActID "
                                              "WHERE l.MovID = ? ORDER BY l.rowid"),
                               {m.value(0)});
        while (c.next())
            out << QStringLiteral("  cast: %1 as %2").arg(text(c.value(0)), text(c.value(1)));
        QSqlQuery e = cat.exec(QStringLiteral("SELECT discNum, epsNum, Title FROM Episodes WHERE MovID = ? ORDER BY discNum, epsNum, episodeID"), {m.value(0)});
        while (e.next())
            out << QStringLiteral("  episode: %1/%2/%3").arg(text(e.value(0)), text(e.value(1)), text(e.value(2)));
    }
    for (const char *sql : {"SELECT Director FROM Directors ORDER BY Director", "SELECT Genre FROM Genres ORDER BY Genre",
                            "SELECT Actor FROM Actors ORDER BY Actor"}) {
        QSqlQuery q = cat.exec(QString::fromLatin1(sql));
        while (q.next())
            out << QStringLiteral("name: ") + text(q.value(0));
    }
    return out;
}

QString python(const QString &script, const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-c"), script} + args);
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return QStringLiteral("FAILED: python did not finish");
    }
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("FAILED: ") + out + QString::fromUtf8(p.readAllStandardError());
    return out;
}

} // namespace exporttest
