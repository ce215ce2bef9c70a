#include "TmdbMovieInfo.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

using MovieInfo::Status;

namespace {

const QString SizeNames[] = {QStringLiteral("w92"), QStringLiteral("w154"), QStringLiteral("w185"),
                             QStringLiteral("w342"), QStringLiteral("w500"), QStringLiteral("w780"),
                             QStringLiteral("original")};

QString text(const QJsonObject &o, const char *key)
{
    const QJsonValue v = o.value(QLatin1String(key));
    return v.isString() ? v.toString().trimmed() : QString();
}

QString idText(const QJsonValue &v)
{
    if (v.isDouble() && std::isfinite(v.toDouble()) && v.toDouble() >= 0 && v.toDouble() < 1e15)
        return QString::number(qint64(v.toDouble()));
    if (v.isString())
        return v.toString().trimmed();
    return {};
}

QString yearOf(const QString &date)
{
    const QString year = date.left(4);
    if (year.size() == 4 && std::all_of(year.begin(), year.end(), [](QChar c) { return c.isDigit(); }))
        return year;
    return {};
}

QJsonArray arrayOf(const QJsonObject &o, const char *key)
{
    const QJsonValue v = o.value(QLatin1String(key));
    return v.isArray() ? v.toArray() : QJsonArray();
}

// A poster is a file name on the image server ("/abc.jpg"); anything else is not followed.
QString posterOf(const QJsonObject &o)
{
    QString poster = text(o, "poster_path");
    if (poster.startsWith(QLatin1Char('/')))
        poster.remove(0, 1);
    if (poster.isEmpty() || poster.contains(QLatin1Char('/')) || poster.contains(QLatin1Char('\\'))
        || poster == QLatin1String(".") || poster == QLatin1String(".."))
        return {};
    return poster;
}

// An ID is put into a path: only digits are accepted.
bool isMovieId(const QString &id)
{
    return !id.isEmpty() && id.size() <= 12 && std::all_of(id.begin(), id.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

TmdbMovieInfo::TmdbMovieInfo()
    : m_http(QUrl())
{
}

QString TmdbMovieInfo::name() const
{
    return QStringLiteral("The Movie Database (TMDb)");
}

QString TmdbMovieInfo::attribution() const
{
    return QCoreApplication::translate("TmdbMovieInfo", "This product uses the TMDB API but is not endorsed or certified by TMDB.");
}

QStringList TmdbMovieInfo::pictureSizes() const
{
    return QStringList(std::begin(SizeNames), std::end(SizeNames));
}

void TmdbMovieInfo::configure(const MovieInfo::Settings &settings)
{
    m_settings = settings;
    m_settings.credential = settings.credential.trimmed();
    m_http.setBaseAddress(settings.apiBaseAddress);
    m_http.setTimeout(settings.timeoutMs);
}

QUrl TmdbMovieInfo::apiAddress(const QString &path, QList<QPair<QString, QString>> items) const
{
    QUrl address = m_settings.apiBaseAddress.isEmpty() ? QUrl(Tmdb::DefaultBaseAddress) : m_settings.apiBaseAddress;
    QString prefix = address.path();
    while (prefix.endsWith(QLatin1Char('/')))
        prefix.chop(1);
    address.setPath(prefix + path);
    if (!m_settings.language.isEmpty())
        items << qMakePair(QStringLiteral("language"), m_settings.language);
    // A v3 key travels as a parameter; a v4 token (with dots) as a header, added by TmdbMain.
    if (!m_settings.credential.contains(QLatin1Char('.')))
        items << qMakePair(QStringLiteral("api_key"), m_settings.credential);
    QString query;
    for (const auto &[key, value] : items) {
        if (!query.isEmpty())
            query += QLatin1Char('&');
        query += key + QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(value));
    }
    address.setQuery(query, QUrl::StrictMode);
    return address;
}

Status TmdbMovieInfo::fail(Status status, const QString &message, int http)
{
    m_error = {status, http, message};
    return status;
}

Status TmdbMovieInfo::outcome(qint32 status)
{
    const int http = m_http.lastHttpStatus();
    switch (status) {
    case 200:
        m_error = {};
        return Status::Ok;
    case 600:
        return fail(Status::Cancelled, QStringLiteral("The request was cancelled."), http);
    case 402: {
        const QString message = m_http.AWSError().strMessage;
        if (http == 401)
            return fail(Status::KeyRefused, message, http);
        if (http == 404)
            return fail(Status::NotFound, message, http);
        if (http == 429)
            return fail(Status::RateLimited, message, http);
        return fail(Status::ServiceError, message, http);
    }
    default: {
        const Coverfetch::XMLParseError why = m_http.XMLError();
        switch (why.errorCode) {
        case Coverfetch::XMLParseError::TimedOut: return fail(Status::TimedOut, why.reason);
        case Coverfetch::XMLParseError::TooLarge: return fail(Status::TooLarge, why.reason);
        case Coverfetch::XMLParseError::NotWellFormed: return fail(Status::BadReply, why.reason, http);
        case Coverfetch::XMLParseError::Aborted: return fail(Status::Cancelled, why.reason);
        default: return fail(Status::NoNetwork, why.reason);
        }
    }
    }
}

Status TmdbMovieInfo::fetch(const QUrl &address, QJsonObject &json)
{
    if (m_settings.credential.isEmpty())
        return fail(Status::NoKey, QStringLiteral("No TMDb API key is set."));
    m_http.setMaxReplySize(m_settings.maxReplySize);
    return outcome(m_http.getJson(address, m_settings.credential, json));
}

Status TmdbMovieInfo::search(const QString &title, const QString &year, QList<MovieInfo::SearchResult> &results)
{
    results.clear();
    QList<QPair<QString, QString>> items = {{QStringLiteral("query"), title},
                                            {QStringLiteral("page"), QStringLiteral("1")},
                                            {QStringLiteral("include_adult"), QStringLiteral("false")}};
    if (!yearOf(year).isEmpty())
        items << qMakePair(QStringLiteral("year"), yearOf(year));
    QJsonObject json;
    const Status status = fetch(apiAddress(QStringLiteral("/3/search/movie"), items), json);
    if (status != Status::Ok)
        return status;
    if (!json.value(QStringLiteral("results")).isArray())
        return fail(Status::BadReply, QStringLiteral("The reply has no list of results."), m_http.lastHttpStatus());
    results = readSearch(json);
    return Status::Ok;
}

Status TmdbMovieInfo::details(const QString &id, MovieInfo::Details &details)
{
    details = {};
    if (!isMovieId(id))
        return fail(Status::NotFound, QStringLiteral("\"%1\" is not a TMDb movie ID.").arg(id));
    QJsonObject json;
    const Status status = fetch(apiAddress(QStringLiteral("/3/movie/") + id,
                                           {{QStringLiteral("append_to_response"),
                                             QStringLiteral("credits,release_dates,external_ids")}}),
                                json);
    if (status != Status::Ok)
        return status;
    details = readDetails(json);
    if (details.id.isEmpty())
        return fail(Status::BadReply, QStringLiteral("The reply names no movie."), m_http.lastHttpStatus());
    return Status::Ok;
}

QUrl TmdbMovieInfo::pictureAddress(const QString &posterPath, const QString &size) const
{
    QJsonObject o{{QStringLiteral("poster_path"), posterPath}};
    const QString poster = posterOf(o);
    if (poster.isEmpty() || !pictureSizes().contains(size))
        return {};
    QString base = (m_settings.imageBaseAddress.isEmpty() ? QUrl(Tmdb::DefaultImageBaseAddress) : m_settings.imageBaseAddress)
                       .toString(QUrl::FullyEncoded | QUrl::RemoveQuery | QUrl::RemoveFragment);
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return QUrl(base + QLatin1Char('/') + size + QLatin1Char('/') + QString::fromLatin1(QUrl::toPercentEncoding(poster)),
                QUrl::StrictMode);
}

Status TmdbMovieInfo::picture(const QString &posterPath, const QString &size, QByteArray &bytes)
{
    bytes.clear();
    const QUrl address = pictureAddress(posterPath, size);
    if (!address.isValid())
        return fail(Status::NotFound, QStringLiteral("The movie has no poster of that size."));
    m_http.setMaxReplySize(m_settings.maxPictureSize);
    return outcome(m_http.getBytes(address, bytes));
}

QList<MovieInfo::SearchResult> TmdbMovieInfo::readSearch(const QJsonObject &reply)
{
    QList<MovieInfo::SearchResult> out;
    for (const QJsonValue &v : arrayOf(reply, "results")) {
        if (!v.isObject())
            continue;
        const QJsonObject o = v.toObject();
        MovieInfo::SearchResult r;
        r.id = idText(o.value(QStringLiteral("id")));
        if (!isMovieId(r.id))
            continue;
        r.title = text(o, "title");
        r.originalTitle = text(o, "original_title");
        if (r.title.isEmpty())
            r.title = r.originalTitle;
        r.year = yearOf(text(o, "release_date"));
        r.overview = text(o, "overview");
        r.posterPath = posterOf(o);
        out << r;
    }
    return out;
}

MovieInfo::Details TmdbMovieInfo::readDetails(const QJsonObject &reply)
{
    MovieInfo::Details d;
    d.id = idText(reply.value(QStringLiteral("id")));
    if (!isMovieId(d.id)) {
        d.id.clear();
        return d;
    }
    d.title = text(reply, "title");
    d.originalTitle = text(reply, "original_title");
    if (d.title.isEmpty())
        d.title = d.originalTitle;
    const QString date = text(reply, "release_date");
    d.releaseDate = yearOf(date).isEmpty() ? QString() : date;
    const QJsonValue runtime = reply.value(QStringLiteral("runtime"));
    if (runtime.isDouble() && std::isfinite(runtime.toDouble()) && runtime.toDouble() > 0 && runtime.toDouble() < 100000)
        d.runtimeMinutes = int(std::lround(runtime.toDouble()));
    for (const QJsonValue &g : arrayOf(reply, "genres"))
        if (const QString name = text(g.toObject(), "name"); !name.isEmpty())
            d.genres << name;
    const QJsonObject credits = reply.value(QStringLiteral("credits")).toObject();
    QList<std::pair<double, MovieInfo::CastMember>> cast;
    for (const QJsonValue &c : arrayOf(credits, "cast")) {
        const QJsonObject o = c.toObject();
        const QString name = text(o, "name");
        if (name.isEmpty())
            continue;
        const QJsonValue order = o.value(QStringLiteral("order"));
        cast.append({order.isDouble() ? order.toDouble() : 1e9 + cast.size(), {name, text(o, "character")}});
    }
    // Billing order; the reply's own order among equals.
    std::stable_sort(cast.begin(), cast.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &c : cast)
        d.cast << c.second;
    for (const QJsonValue &c : arrayOf(credits, "crew")) {
        const QJsonObject o = c.toObject();
        const QString name = text(o, "name");
        if (text(o, "job") == QLatin1String("Director") && !name.isEmpty() && !d.directors.contains(name))
            d.directors << name;
    }
    // Per country the theatrical release's certification, else the first one given.
    const QJsonObject releases = reply.value(QStringLiteral("release_dates")).toObject();
    for (const QJsonValue &r : arrayOf(releases, "results")) {
        const QJsonObject country = r.toObject();
        const QString code = text(country, "iso_3166_1").toUpper();
        if (code.isEmpty())
            continue;
        QString first, theatrical;
        for (const QJsonValue &rd : arrayOf(country, "release_dates")) {
            const QJsonObject o = rd.toObject();
            const QString cert = text(o, "certification");
            if (cert.isEmpty())
                continue;
            if (first.isEmpty())
                first = cert;
            if (theatrical.isEmpty() && o.value(QStringLiteral("type")).toDouble() == 3)
                theatrical = cert;
        }
        const QString chosen = theatrical.isEmpty() ? first : theatrical;
        if (!chosen.isEmpty())
            d.certifications.append({code, chosen});
    }
    const QString imdb = text(reply.value(QStringLiteral("external_ids")).toObject(), "imdb_id");
    QString fallbackImdb = text(reply, "imdb_id");
    const QString chosenImdb = imdb.isEmpty() ? fallbackImdb : imdb;
    if (chosenImdb.startsWith(QLatin1String("tt"))
        && std::all_of(chosenImdb.begin() + 2, chosenImdb.end(), [](QChar c) { return c.isDigit(); }) && chosenImdb.size() > 2)
        d.imdbId = chosenImdb;
    d.pageAddress = QUrl(QStringLiteral("https://www.themoviedb.org/movie/") + d.id);
    d.posterPath = posterOf(reply);
    d.overview = text(reply, "overview");
    return d;
}
