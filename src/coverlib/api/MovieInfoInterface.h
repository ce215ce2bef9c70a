#pragma once

// The public face of a movie-information source: a plugin that searches an online database for a
// title and hands back one movie's details (cast, crew, certifications, poster). Like the cover
// sources it is a Qt plugin; the program includes only this header and finds every plugin whose
// root object implements MovieInfoFactory, so another source sits behind the same windows.
//
//     MovieInfoFactory *factory = MovieInfo::findSources(pluginFolder).value(0);
//     std::unique_ptr<MovieInfoSource> source = factory->createMovieInfoSource();
//     MovieInfo::Settings s; s.credential = key; s.language = "de-DE"; source->configure(s);
//     QList<MovieInfo::SearchResult> found;
//     if (source->search(title, year, found) != MovieInfo::Status::Ok) ... source->lastError() ...
//     MovieInfo::Details d; source->details(found[0].id, d);
//     QByteArray poster; source->picture(d.posterPath, QStringLiteral("w780"), poster);
//
// Every call runs to its end inside the call, letting the caller's event loop run meanwhile (the
// windows stay alive and a Cancel button reaches cancel()). Not thread-safe: use one object on one
// thread.

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QObject>
#include <QPluginLoader>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

namespace MovieInfo {

enum class Status {
    Ok,
    Cancelled,    // cancel() was called
    NoKey,        // no credential is set
    KeyRefused,   // the service refused the credential (HTTP 401)
    NotFound,     // the service has no such movie (HTTP 404)
    RateLimited,  // the service kept answering 429 beyond the retries
    NoNetwork,    // the connection failed (no network, host not found, refused)
    TimedOut,     // no complete reply within the time-out
    TooLarge,     // the reply was larger than the size cap
    BadReply,     // the reply was not the JSON expected
    ServiceError, // any other error answer of the service
};

struct Error
{
    Status status = Status::Ok;
    int httpStatus = 0;   // 0 when no HTTP answer arrived
    QString message;      // the service's or the transfer's own words; never holds the credential
};

struct Settings
{
    QString credential;     // API key (v3) or API read access token (v4, a token with dots)
    QString language;       // e.g. "en-US"; empty: the service's default
    QUrl apiBaseAddress;    // empty: the service's own
    QUrl imageBaseAddress;  // empty: the service's own
    int timeoutMs = 30000;  // per request
    qint64 maxReplySize = 4 * 1024 * 1024;      // a JSON reply
    qint64 maxPictureSize = 16 * 1024 * 1024;   // a picture
};

struct SearchResult
{
    QString id;             // the source's own ID of the movie
    QString title;
    QString originalTitle;
    QString year;           // four digits or empty
    QString overview;
    QString posterPath;     // for picture(); empty when the movie has none
};

struct CastMember
{
    QString name;           // as the source writes it ("Keanu Reeves")
    QString character;
};

struct Certification
{
    QString country;        // ISO 3166-1 code, upper case
    QString certification;  // e.g. "PG-13"
};

struct Details
{
    QString id;
    QString title;
    QString originalTitle;
    QString releaseDate;    // yyyy-MM-dd as the source gives it, or empty
    int runtimeMinutes = 0; // 0 when unknown
    QStringList genres;     // in the source's order
    QStringList directors;  // crew with the job Director, in the source's order
    QList<CastMember> cast; // in billing order
    QList<Certification> certifications; // one per country that has one
    QString imdbId;         // e.g. "tt0133093", or empty
    QUrl pageAddress;       // the movie's page on the source's site
    QString posterPath;     // for picture(); empty when the movie has none
    QString overview;
};

} // namespace MovieInfo

class MovieInfoSource
{
public:
    virtual ~MovieInfoSource() = default;

    // The source's name as users know it ("The Movie Database (TMDb)") and the attribution its
    // terms ask the program to show.
    virtual QString name() const = 0;
    virtual QString attribution() const = 0;
    // The picture sizes picture() takes, smallest first ("w92", ..., "original").
    virtual QStringList pictureSizes() const = 0;

    virtual void configure(const MovieInfo::Settings &settings) = 0;

    // Searches for title (year: four digits, or empty for any year); the first page of results.
    virtual MovieInfo::Status search(const QString &title, const QString &year,
                                     QList<MovieInfo::SearchResult> &results) = 0;
    virtual MovieInfo::Status details(const QString &id, MovieInfo::Details &details) = 0;
    // Downloads the picture posterPath at size (one of pictureSizes()).
    virtual MovieInfo::Status picture(const QString &posterPath, const QString &size, QByteArray &bytes) = 0;
    // The address picture() would fetch (for a thumbnail shown by address); invalid when none.
    virtual QUrl pictureAddress(const QString &posterPath, const QString &size) const = 0;

    // Why the last call did not end with Ok.
    virtual MovieInfo::Error lastError() const = 0;
    // Ends the running call (and any wait before a retry) at once; it returns Cancelled.
    virtual void cancel() = 0;
};

class MovieInfoFactory
{
public:
    virtual ~MovieInfoFactory() = default;
    virtual std::unique_ptr<MovieInfoSource> createMovieInfoSource() = 0;
};

#define MovieInfoFactory_iid "Cinelog.MovieInfoSource"
Q_DECLARE_INTERFACE(MovieInfoFactory, MovieInfoFactory_iid)

namespace MovieInfo {

// Every plugin in folder whose root object implements MovieInfoFactory, loaded; the plugins stay
// loaded for the rest of the program's life.
inline QList<MovieInfoFactory *> findSources(const QString &folder)
{
    QList<MovieInfoFactory *> out;
    const QDir dir(folder);
    for (const QString &file : dir.entryList(QDir::Files)) {
        QPluginLoader loader(dir.filePath(file));
        if (loader.metaData().isEmpty())
            continue;
        if (auto *factory = qobject_cast<MovieInfoFactory *>(loader.instance()))
            out << factory;
    }
    return out;
}

} // namespace MovieInfo
