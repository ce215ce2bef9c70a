#include "TmdbMain.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QNetworkReply>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

using Coverfetch::AWSItem;
using Coverfetch::XMLParseError;
using namespace Coverlib;

namespace {

const QString LibrarySource = QStringLiteral("TMDbCovers");
const QString SearchPath = QStringLiteral("/3/search/movie");

struct PictureSize
{
    const char *name;
    qint32 width;
};
constexpr PictureSize Small{"w92", 92};
constexpr PictureSize Medium{"w342", 342};
constexpr PictureSize Large{"w780", 780};

// A whole count from a JSON value; anything else is a type mismatch.
qint64 toCount(const QJsonValue &value, qint32 line)
{
    if (!value.isDouble())
        throw Failure{ErrTypeMismatch, QStringLiteral("Type mismatch"), line};
    const double number = value.toDouble();
    if (!std::isfinite(number))
        throw Failure{ErrTypeMismatch, QStringLiteral("Type mismatch"), line};
    const double rounded = std::nearbyint(number);
    if (rounded < 0 || rounded > double(std::numeric_limits<qint32>::max()))
        throw Failure{ErrOverflow, QStringLiteral("Overflow"), line};
    return qint64(rounded);
}

// A credential with dots is an API read access token (sent as a bearer token); otherwise an API key.
bool isBearerToken(const QString &credential)
{
    return credential.contains(QLatin1Char('.'));
}

// The seconds a 429 reply asks to wait: a number of seconds or an HTTP date; 1 when it says nothing usable.
qint64 retryAfterSeconds(const QByteArray &header)
{
    const QString value = QString::fromLatin1(header).trimmed();
    if (value.isEmpty())
        return 1;
    bool ok = false;
    const qint64 seconds = value.toLongLong(&ok);
    if (ok)
        return qMax<qint64>(0, seconds);
    const QDateTime when = QDateTime::fromString(value, Qt::RFC2822Date);
    if (when.isValid())
        return qMax<qint64>(0, QDateTime::currentDateTimeUtc().secsTo(when));
    return 1;
}

} // namespace

TmdbMain::TmdbMain(const QUrl &imageBaseAddress)
    : CoverQuery(LibrarySource)
    , m_imageBaseAddress(imageBaseAddress)
{
}

TmdbMain::~TmdbMain() = default;

QString TmdbMain::serviceStatusText(qint32 code) const
{
    switch (code) {
    case 400: return QCoreApplication::translate("TmdbMain", "The reply reader was not instantiated correctly.");
    case 401: return QCoreApplication::translate("TmdbMain", "The reply reader was unable to load the requested document.");
    case 402: return QCoreApplication::translate("TmdbMain", "The Movie Database returned an error.");
    case 403: return QCoreApplication::translate("TmdbMain", "Unable to read the reply of The Movie Database.");
    case 500: return QCoreApplication::translate("TmdbMain", "A runtime error occurred while attempting to query The Movie Database.");
    case 501: return QCoreApplication::translate("TmdbMain", "A runtime error occurred while attempting to parse the reply of The Movie Database.");
    case 502: return QCoreApplication::translate("TmdbMain", "A runtime error occurred while attempting to validate the query of The Movie Database.");
    default: return {};
    }
}

QUrl TmdbMain::RequestAddress(qint32 lngPage, const QString &strQueryString, const QString &strSubscriptionID,
                              const QString &, const QString &) const
{
    QUrl address = m_baseAddress.isEmpty() ? QUrl(Tmdb::DefaultBaseAddress) : m_baseAddress;
    QString prefix = address.path();
    while (prefix.endsWith(QLatin1Char('/')))
        prefix.chop(1);
    address.setPath(prefix + SearchPath);
    // Every value is percent-encoded: a title with blanks, '&', '#' or '+' reaches the service as typed.
    auto encoded = [](const QString &value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); };
    QString query = QStringLiteral("query=") + encoded(strQueryString) + QStringLiteral("&page=")
        + QString::number(lngPage) + QStringLiteral("&include_adult=false");
    if (!strSubscriptionID.isEmpty() && !isBearerToken(strSubscriptionID))
        query += QStringLiteral("&api_key=") + encoded(strSubscriptionID);
    address.setQuery(query, QUrl::StrictMode);
    return address;
}

void TmdbMain::beginQuery(QueryArguments &arguments)
{
    arguments.subscription = arguments.subscription.trimmed();
    m_credential = arguments.subscription;
    m_page = {};
}

qint32 TmdbMain::fetchPage(qint64 page, const QueryArguments &arguments)
{
    return fetchJson(RequestAddress(qint32(page), arguments.query, arguments.subscription, {}, {}),
                     arguments.subscription);
}

qint32 TmdbMain::readTotals(qint64 pageLimit, qint32 &totalPages)
{
    const QJsonValue totalResults = m_page.value(QStringLiteral("total_results"));
    if (totalResults.isUndefined() || totalResults.isNull())
        return 404;
    const qint64 fetchable = qint64(Tmdb::MaxPages) * Tmdb::ResultsPerPage;
    const qint64 slotTotal = pageLimit != 0 ? qMin(pageLimit, qint64(Tmdb::MaxPages)) * Tmdb::ResultsPerPage
                                            : qMin(toCount(totalResults, __LINE__), fetchable);
    setSlotCount(qint32(slotTotal));

    const QJsonValue pages = m_page.value(QStringLiteral("total_pages"));
    if (pages.isUndefined() || pages.isNull())
        return 407;
    qint64 reported = qMin(toCount(pages, __LINE__), qint64(Tmdb::MaxPages));
    if (pageLimit != 0 && reported >= pageLimit)
        reported = pageLimit;
    totalPages = qint32(qMax<qint64>(1, reported)); // a search without results still has its one page
    return 200;
}

QString TmdbMain::redacted(QString text) const
{
    if (!m_credential.isEmpty()) {
        text.replace(m_credential, QStringLiteral("***"));
        text.replace(QString::fromLatin1(QUrl::toPercentEncoding(m_credential)), QStringLiteral("***"));
    }
    return text;
}

bool TmdbMain::waitBeforeRetry(int milliseconds)
{
    if (cancelled())
        return false;
    if (milliseconds > 0) {
        QEventLoop wait;
        QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
        waitIn(wait);
    }
    return !cancelled();
}

qint32 TmdbMain::fetchJson(const QUrl &address, const QString &credential)
{
    m_page = {};
    QByteArray body;
    const qint32 status = fetchRaw(address, credential, body);
    if (status != 200)
        return status;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        m_xmlError = {XMLParseError::NotWellFormed,
                      QStringLiteral("The reply is not valid JSON: %1 (at byte %2).")
                          .arg(parseError.errorString())
                          .arg(parseError.offset),
                      1, qint32(qMin<qint64>(parseError.offset + 1, std::numeric_limits<qint32>::max()))};
        return 403;
    }
    if (!document.isObject()) {
        m_xmlError = {XMLParseError::NotWellFormed, QStringLiteral("The reply is not a JSON object."), 1, 1};
        return 403;
    }
    m_page = document.object();
    return 200;
}

qint32 TmdbMain::fetchRaw(const QUrl &address, const QString &credential, QByteArray &body)
{
    body.clear();
    m_lastHttpStatus = 0;
    m_xmlError = {};
    if (!acceptAddress(address, QUrl::RemoveQuery))
        return 401;

    for (int attempt = 0;; ++attempt) {
        QNetworkRequest request = serviceRequest(address);
        request.setRawHeader("Accept", "application/json");
        if (isBearerToken(credential))
            request.setRawHeader("Authorization", "Bearer " + credential.toUtf8());
        Downloaded got = download(request);
        if (got.outcome == Download::Cancelled)
            return 600;
        if (got.outcome == Download::Failed)
            return 403;

        const int http = got.reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        m_lastHttpStatus = http;

        if (http == 429 && attempt < Tmdb::RetryLimit) {
            const qint64 seconds = retryAfterSeconds(got.reply->rawHeader("Retry-After"));
            if (seconds <= Tmdb::MaxRetryWaitSeconds) {
                got.reply.reset();
                if (!waitBeforeRetry(int(seconds * 1000))) {
                    noteCancelled();
                    return 600;
                }
                continue;
            }
        }

        // An error reply of the service ({"status_code": 7, "status_message": "...", "success": false}),
        // or an HTTP failure without one.
        const bool httpFailed = http < 200 || http > 299;
        const QJsonDocument document = httpFailed || QByteArrayView(got.body).trimmed().startsWith('{') ? QJsonDocument::fromJson(got.body) : QJsonDocument();
        const QJsonObject json = document.isObject() ? document.object() : QJsonObject();
        const QJsonValue success = json.value(QStringLiteral("success"));
        if (httpFailed || (success.isBool() && !success.toBool())) {
            const QJsonValue code = json.value(QStringLiteral("status_code"));
            const QString message = json.value(QStringLiteral("status_message")).toString();
            m_awsError.strCode = code.isDouble() ? QString::number(qint64(code.toDouble())) : QString::number(http);
            m_awsError.strMessage = !message.isEmpty()
                ? redacted(message)
                : QStringLiteral("HTTP status %1: %2")
                      .arg(http)
                      .arg(QString::fromUtf8(got.reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray()));
            return 402;
        }
        body = std::move(got.body);
        return 200;
    }
}

qint32 TmdbMain::getJson(const QUrl &address, const QString &credential, QJsonObject &json)
{
    beginRequest();
    m_credential = credential.trimmed();
    const qint32 status = fetchJson(address, m_credential);
    json = m_page;
    m_page = {};
    return status;
}

qint32 TmdbMain::getBytes(const QUrl &address, QByteArray &bytes)
{
    beginRequest();
    return fetchRaw(address, QString(), bytes);
}

qint32 TmdbMain::readResults(qint64 page)
{
    const QJsonValue list = m_page.value(QStringLiteral("results"));
    if (!list.isArray())
        return 405;
    const QJsonArray results = list.toArray();
    // Each page owns its twenty slots.
    return storeResults(page, Tmdb::ResultsPerPage, results.size(), [&](qsizetype i, qint32 slot) {
        if (results.at(i).isObject())
            fillItem(results.at(i).toObject(), m_items[slot]);
    });
}

void TmdbMain::fillItem(const QJsonObject &result, AWSItem &item)
{
    const QJsonValue id = result.value(QStringLiteral("id"));
    if (id.isDouble() && std::isfinite(id.toDouble()))
        item.strASIN = QString::number(qint64(id.toDouble()));
    else if (id.isString())
        item.strASIN = id.toString();

    item.strTitle = result.value(QStringLiteral("title")).toString();
    if (item.strTitle.isEmpty())
        item.strTitle = result.value(QStringLiteral("original_title")).toString();

    const QString released = result.value(QStringLiteral("release_date")).toString();
    const QString year = released.left(4);
    if (year.size() == 4 && std::all_of(year.begin(), year.end(), [](QChar c) { return c.isDigit(); }))
        item.strArtist = year;

    item.strProductGroup = QStringLiteral("Movie");

    // The poster is a file name on the image server ("/abc.jpg"); anything else is not followed.
    QString poster = result.value(QStringLiteral("poster_path")).toString();
    if (poster.startsWith(QLatin1Char('/')))
        poster.remove(0, 1);
    if (poster.isEmpty() || poster.contains(QLatin1Char('/')) || poster == QLatin1String(".") || poster == QLatin1String(".."))
        return;
    QString base = (m_imageBaseAddress.isEmpty() ? QUrl(Tmdb::DefaultImageBaseAddress) : m_imageBaseAddress)
                       .toString(QUrl::FullyEncoded | QUrl::RemoveQuery | QUrl::RemoveFragment);
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    const QString file = QString::fromLatin1(QUrl::toPercentEncoding(poster));
    auto address = [&](const PictureSize &size) {
        return base + QLatin1Char('/') + QLatin1String(size.name) + QLatin1Char('/') + file;
    };
    item.strSmallImageURL = address(Small);
    item.lngSmallImageWidth = Small.width;
    item.lngSmallImageHeight = Small.width * 3 / 2;
    item.strMediumImageURL = address(Medium);
    item.lngMediumImageWidth = Medium.width;
    item.lngMediumImageHeight = Medium.width * 3 / 2;
    item.strLargeImageURL = address(Large);
    item.lngLargeImageWidth = Large.width;
    item.lngLargeImageHeight = Large.width * 3 / 2;
    m_imageFound = true;
}
