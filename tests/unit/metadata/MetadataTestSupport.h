#pragma once

// Replies of a movie-information service written for the tests, a catalogue in a temporary folder
// and the TMDb plugin's source pointed at a local HTTP server.

#include "Catalogue.h"
#include "GTestSupport.h"
#include "LocalHttpServer.h"
#include "MovieDetails.h"
#include "MovieStore.h"
#include "TestCatalogue.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace metadata_test {

inline const QString ApiKey = QStringLiteral("0123456789abcdef0123456789abcdef");

inline LocalHttpServer::Reply json(const QJsonObject &o, int status = 200)
{
    return LocalHttpServer::Reply::text(QJsonDocument(o).toJson(QJsonDocument::Compact), status, "application/json;charset=utf-8");
}

inline QJsonObject result(int id, const QString &title, const QString &date, const QString &poster = {})
{
    QJsonObject o{{QStringLiteral("id"), id}, {QStringLiteral("title"), title}, {QStringLiteral("original_title"), title},
                  {QStringLiteral("release_date"), date}, {QStringLiteral("overview"), QStringLiteral("About ") + title}};
    o.insert(QStringLiteral("poster_path"), poster.isEmpty() ? QJsonValue() : QJsonValue(poster));
    return o;
}

inline QJsonObject searchReply(const QList<QJsonObject> &results)
{
    QJsonArray list;
    for (const QJsonObject &r : results)
        list.append(r);
    return {{QStringLiteral("page"), 1}, {QStringLiteral("results"), list},
            {QStringLiteral("total_pages"), 1}, {QStringLiteral("total_results"), int(results.size())}};
}

struct Person
{
    QString name;
    QString character;
};

// A details reply with credits, release dates and external IDs appended.
inline QJsonObject detailsReply(int id, const QString &title, const QString &date, int runtime, const QStringList &genres,
                                const QString &director, const QList<Person> &cast,
                                const QList<std::pair<QString, QString>> &certifications, const QString &imdb,
                                const QString &poster = QStringLiteral("/poster.jpg"))
{
    QJsonArray g;
    for (int i = 0; i < genres.size(); ++i)
        g.append(QJsonObject{{QStringLiteral("id"), 100 + i}, {QStringLiteral("name"), genres[i]}});
    QJsonArray castList;
    // Listed out of billing order: the order field counts.
    for (int i = int(cast.size()) - 1; i >= 0; --i)
        castList.append(QJsonObject{{QStringLiteral("name"), cast[i].name}, {QStringLiteral("character"), cast[i].character},
                                    {QStringLiteral("order"), i}});
    QJsonArray crew{QJsonObject{{QStringLiteral("name"), QStringLiteral("Some Producer")}, {QStringLiteral("job"), QStringLiteral("Producer")}}};
    if (!director.isEmpty())
        crew.append(QJsonObject{{QStringLiteral("name"), director}, {QStringLiteral("job"), QStringLiteral("Director")}});
    QJsonArray countries;
    for (const auto &[country, cert] : certifications)
        countries.append(QJsonObject{
            {QStringLiteral("iso_3166_1"), country},
            {QStringLiteral("release_dates"),
             QJsonArray{QJsonObject{{QStringLiteral("certification"), QString()}, {QStringLiteral("type"), 1}},
                        QJsonObject{{QStringLiteral("certification"), cert}, {QStringLiteral("type"), 3}}}}});
    return {{QStringLiteral("id"), id},
            {QStringLiteral("title"), title},
            {QStringLiteral("original_title"), title},
            {QStringLiteral("release_date"), date},
            {QStringLiteral("runtime"), runtime},
            {QStringLiteral("genres"), g},
            {QStringLiteral("poster_path"), poster.isEmpty() ? QJsonValue() : QJsonValue(poster)},
            {QStringLiteral("credits"), QJsonObject{{QStringLiteral("cast"), castList}, {QStringLiteral("crew"), crew}}},
            {QStringLiteral("release_dates"), QJsonObject{{QStringLiteral("results"), countries}}},
            {QStringLiteral("external_ids"), QJsonObject{{QStringLiteral("imdb_id"), imdb.isEmpty() ? QJsonValue() : QJsonValue(imdb)}}}};
}

inline QByteArray pngBytes(QColor color = Qt::red)
{
    QImage image(20, 30, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A catalogue, a local server and a configured source.
class MetadataTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(server.isListening());
        path = dir.filePath(QStringLiteral("movies.cnlg"));
        ASSERT_TRUE(createCatalogue(path));
        ASSERT_TRUE(cat.open(path).opened());
        settings.credential = ApiKey;
        settings.apiBaseAddress = server.baseUrl();
        settings.imageBaseAddress = server.url(QStringLiteral("/t/p/"));
        settings.country = QStringLiteral("US");
        settings.language = QStringLiteral("en-US");
        settings.timeoutMs = 3000;
        makeSource();
    }

    void makeSource()
    {
        QString why;
        source = MovieDetails::createSource({qEnvironmentVariable("CINELOG_PLUGIN_DIR")}, settings, &why);
        ASSERT_TRUE(source) << why.toStdString();
    }

    int addMovie(const QString &title, const QString &year = {}, const QString &director = {})
    {
        MovieRecord r;
        r.title = title;
        r.releaseYear = year;
        r.director = director;
        r.medium = QStringLiteral("DVD");
        r.format = QStringLiteral("Widescreen");
        r.numDiscs = QStringLiteral("2");
        r.userRating = 5;
        r.url = QStringLiteral("http://");
        return MovieStore(cat).save(r);
    }

    void serveSearch(const QString &query, const QList<QJsonObject> &results)
    {
        server.addRoute(QStringLiteral("/3/search/movie"), {{QStringLiteral("query"), query}}, json(searchReply(results)));
    }
    void serveDetails(int id, const QJsonObject &reply)
    {
        server.addRoute(QStringLiteral("/3/movie/%1").arg(id), json(reply));
    }
    void servePoster(const QString &size, const QString &file, const QByteArray &bytes)
    {
        server.addRoute(QStringLiteral("/t/p/%1/%2").arg(size, file), LocalHttpServer::Reply::text(bytes, 200, "image/png"));
    }

    QString field(int movieId, const QString &column)
    {
        // sql-identifiers: column names the tests choose
        return cat.scalar(QStringLiteral("SELECT %1 FROM Movies WHERE ID = ?").arg(column), {movieId}).toString();
    }
    int count(const QString &sql, std::initializer_list<QVariant> values = {})
    {
        return cat.scalar(sql, values).toInt();
    }

    QTemporaryDir dir;
    QString path;
    Catalogue cat;
    LocalHttpServer server;
    MovieDetailsSettings settings;
    std::unique_ptr<MovieInfoSource> source;
};

} // namespace metadata_test
