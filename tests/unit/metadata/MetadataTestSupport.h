#pragma once

// A catalogue in a temporary folder and the TMDb plugin's source pointed at a local HTTP server.

#include "Catalogue.h"
#include "GTestSupport.h"
#include "MetadataReplies.h"
#include "MovieDetails.h"
#include "MovieStore.h"
#include "TestCatalogue.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace metadata_test {

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
