#include "TmdbMain.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <stdexcept>

using Coverfetch::AWSItem;
using Coverfetch::XMLParseError;

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

// An internal failure, caught by the routine it arose in.
struct Failure
{
    qint32 number;
    QString description;
    qint32 line;
};

constexpr qint32 ErrOverflow = 6;
constexpr qint32 ErrOutOfMemory = 7;
constexpr qint32 ErrTypeMismatch = 13;
constexpr qint32 ErrInternal = 51;

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

// Lets queued input (a Cancel button) run between results without blocking.
void letInputRun() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

} // namespace

TmdbMain::TmdbMain(const QUrl &imageBaseAddress)
    : m_network(std::make_unique<QNetworkAccessManager>())
    , m_imageBaseAddress(imageBaseAddress)
{
}

TmdbMain::~TmdbMain() = default;

void TmdbMain::Cancel()
{
    m_cancel = true;
    if (m_wait)
        m_wait->quit(); // the waiting query aborts its request (or its wait before a retry) at once
}

AWSItem TmdbMain::Item(qint32 lngItem, bool *ok) const
{
    auto answer = [ok](bool good, AWSItem item = {}) {
        if (ok)
            *ok = good;
        return item;
    };
    if (!m_slotsSized)
        return answer(false);
    if (lngItem == 0) {
        AWSItem count;
        count.lngLargeImageHeight = m_slotCount;
        return answer(true, count);
    }
    const qint64 slot = qAbs(qint64(lngItem)) - 1;
    if (slot >= m_slotCount)
        return answer(false);
    return answer(true, m_items.value(qint32(slot)));
}

QString TmdbMain::StatusCodeDescription(qint32 lngStatusCode) const
{
    switch (lngStatusCode) {
    case 200: return QStringLiteral("OK.");
    case 400: return QStringLiteral("The reply reader was not instantiated correctly.");
    case 401: return QStringLiteral("The reply reader was unable to load the requested document.");
    case 402: return QStringLiteral("The Movie Database returned an error.");
    case 403: return QStringLiteral("Unable to read the reply of The Movie Database.");
    case 404: return QStringLiteral("Unable to retrieve the total number of results.");
    case 405: return QStringLiteral("Unable to retrieve the item list.");
    case 406: return QStringLiteral("Matches were found, but none of them contained an image.");
    case 407: return QStringLiteral("Unable to retrieve the total number of pages.");
    case 500: return QStringLiteral("A runtime error occurred while attempting to query The Movie Database.");
    case 501: return QStringLiteral("A runtime error occurred while attempting to parse the reply of The Movie Database.");
    case 502: return QStringLiteral("A runtime error occurred while attempting to validate the query of The Movie Database.");
    case 600: return QStringLiteral("User initialized stop.");
    default: return QStringLiteral("Unknown error.");
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

qint32 TmdbMain::Query(const QString &strQueryString, const QString &strSubscriptionID, const QString &,
                       const QString &, qint32 lngNumberOfPagesToProcess)
{
    const qint32 status = runQuery(strQueryString, strSubscriptionID.trimmed(), lngNumberOfPagesToProcess);
    if (m_sink)
        m_sink->Done(status);
    return status;
}

qint32 TmdbMain::runQuery(const QString &query, const QString &credential, qint32 pagesToProcess)
{
    const QString source = LibrarySource + QStringLiteral(" :: clsMain :: Query()");
    try {
        if (!m_network)
            return 400;

        m_cancel = false;
        m_imageFound = false;
        m_credential = credential;
        m_items.clear();
        m_slotsSized = false;
        m_slotCount = 0;
        m_awsError = {};
        m_runtimeError = {};
        m_xmlError = {};
        const qint64 pageLimit = qAbs(qint64(pagesToProcess));
        qint64 page = 1;
        qint32 totalPages = 1;
        if (m_sink)
            m_sink->WorkStarted();

        do {
            if (m_sink)
                m_sink->Progress(qint32(page), totalPages);
            letInputRun();

            const Page got = fetchPage(RequestAddress(qint32(page), query, credential, {}, {}), credential);
            if (got.status != 200)
                return got.status;

            if (page == 1) {
                const QJsonValue totalResults = got.json.value(QStringLiteral("total_results"));
                if (totalResults.isUndefined() || totalResults.isNull())
                    return 404;
                const qint64 fetchable = qint64(Tmdb::MaxPages) * Tmdb::ResultsPerPage;
                const qint64 slotTotal = pageLimit != 0 ? qMin(pageLimit, qint64(Tmdb::MaxPages)) * Tmdb::ResultsPerPage
                                                        : qMin(toCount(totalResults, __LINE__), fetchable);
                m_slotCount = qint32(slotTotal);
                m_slotsSized = true;

                const QJsonValue pages = got.json.value(QStringLiteral("total_pages"));
                if (pages.isUndefined() || pages.isNull())
                    return 407;
                qint64 reported = qMin(toCount(pages, __LINE__), qint64(Tmdb::MaxPages));
                if (pageLimit != 0 && reported >= pageLimit)
                    reported = pageLimit;
                totalPages = qint32(qMax<qint64>(1, reported)); // a search without results still has its one page

                if (m_sink) {
                    m_sink->ProgressDataAvailable();
                    m_sink->Progress(1, totalPages);
                }
                letInputRun();
            }

            const qint32 read = readResults(got.json, page);
            if (read != 200)
                return read;
            if (m_cancel)
                return 600;
            ++page;
        } while (page <= totalPages);

        return m_imageFound ? 200 : 406;
    } catch (const Failure &f) {
        m_runtimeError = {f.line, f.number, f.description, source};
    } catch (const std::bad_alloc &) {
        m_runtimeError = {0, ErrOutOfMemory, QStringLiteral("Out of memory"), source};
    } catch (const std::exception &e) {
        m_runtimeError = {0, ErrInternal, QString::fromLocal8Bit(e.what()), source};
    }
    return 500;
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
    if (m_cancel)
        return false;
    if (milliseconds > 0) {
        QEventLoop wait;
        QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
        QEventLoop *outer = m_wait;
        m_wait = &wait;
        wait.exec();
        m_wait = outer;
    }
    return !m_cancel;
}

TmdbMain::Page TmdbMain::fetchPage(const QUrl &address, const QString &credential)
{
    m_xmlError = {};
    const QString scheme = address.scheme();
    if (!address.isValid() || address.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        m_xmlError = {XMLParseError::TransferFailed,
                      QStringLiteral("The request address \"%1\" is not valid.").arg(address.toString(QUrl::RemoveQuery)), 0, 0};
        return {401, {}};
    }

    for (int attempt = 0;; ++attempt) {
        QNetworkRequest request(address);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        request.setMaximumRedirectsAllowed(5);
        request.setRawHeader("Accept", "application/json");
        if (isBearerToken(credential))
            request.setRawHeader("Authorization", "Bearer " + credential.toUtf8());
        std::unique_ptr<QNetworkReply> reply(m_network->get(request));

        // Wait in a local loop: the caller's windows stay alive, Cancel can reach us, nothing spins.
        QEventLoop wait;
        bool timedOut = false;
        bool tooLarge = false;
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &wait, [&] {
            timedOut = true;
            wait.quit();
        });
        QObject::connect(reply.get(), &QNetworkReply::finished, &wait, &QEventLoop::quit);
        QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &wait, [&](qint64 received, qint64 total) {
            if (received > m_maxReplySize || total > m_maxReplySize) {
                tooLarge = true;
                wait.quit();
            }
        });
        deadline.start(m_timeoutMs);

        QEventLoop *outer = m_wait;
        m_wait = &wait;
        if (!m_cancel && !reply->isFinished())
            wait.exec();
        m_wait = outer;
        deadline.stop();

        if (m_cancel) {
            reply->abort();
            m_xmlError = {XMLParseError::Aborted, QStringLiteral("The request was cancelled."), 0, 0};
            return {600, {}};
        }
        if (timedOut || tooLarge) {
            reply->abort();
            if (timedOut)
                m_xmlError = {XMLParseError::TimedOut,
                              QStringLiteral("No complete reply arrived within %1 ms.").arg(m_timeoutMs), 0, 0};
            else
                m_xmlError = {XMLParseError::TooLarge,
                              QStringLiteral("The reply is larger than %1 bytes.").arg(m_maxReplySize), 0, 0};
            return {403, {}};
        }

        const QVariant httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (reply->error() != QNetworkReply::NoError && !httpStatus.isValid()) {
            m_xmlError = {XMLParseError::TransferFailed, redacted(reply->errorString()), 0, 0};
            return {403, {}};
        }
        const int http = httpStatus.toInt();
        const QByteArray body = reply->readAll();
        if (body.size() > m_maxReplySize) {
            m_xmlError = {XMLParseError::TooLarge,
                          QStringLiteral("The reply is larger than %1 bytes.").arg(m_maxReplySize), 0, 0};
            return {403, {}};
        }

        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
        const QJsonObject json = document.isObject() ? document.object() : QJsonObject();

        if (http == 429 && attempt < Tmdb::RetryLimit) {
            const qint64 seconds = retryAfterSeconds(reply->rawHeader("Retry-After"));
            if (seconds <= Tmdb::MaxRetryWaitSeconds) {
                reply.reset();
                if (!waitBeforeRetry(int(seconds * 1000))) {
                    m_xmlError = {XMLParseError::Aborted, QStringLiteral("The request was cancelled."), 0, 0};
                    return {600, {}};
                }
                continue;
            }
        }

        // An error reply of the service ({"status_code": 7, "status_message": "...", "success": false}),
        // or an HTTP failure without one.
        const bool httpFailed = http < 200 || http > 299;
        const QJsonValue success = json.value(QStringLiteral("success"));
        if (httpFailed || (success.isBool() && !success.toBool())) {
            const QJsonValue code = json.value(QStringLiteral("status_code"));
            const QString message = json.value(QStringLiteral("status_message")).toString();
            m_awsError.strCode = code.isDouble() ? QString::number(qint64(code.toDouble())) : QString::number(http);
            m_awsError.strMessage = !message.isEmpty()
                ? redacted(message)
                : QStringLiteral("HTTP status %1: %2")
                      .arg(http)
                      .arg(QString::fromUtf8(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray()));
            return {402, {}};
        }

        if (parseError.error != QJsonParseError::NoError) {
            m_xmlError = {XMLParseError::NotWellFormed,
                          QStringLiteral("The reply is not valid JSON: %1 (at byte %2).")
                              .arg(parseError.errorString())
                              .arg(parseError.offset),
                          1, qint32(qMin<qint64>(parseError.offset + 1, std::numeric_limits<qint32>::max()))};
            return {403, {}};
        }
        if (!document.isObject()) {
            m_xmlError = {XMLParseError::NotWellFormed, QStringLiteral("The reply is not a JSON object."), 1, 1};
            return {403, {}};
        }
        return {200, json};
    }
}

qint32 TmdbMain::readResults(const QJsonObject &page, qint64 pageNumber)
{
    const QString source = LibrarySource + QStringLiteral(" :: clsMain :: ParseResponse()");
    try {
        const QJsonValue list = page.value(QStringLiteral("results"));
        if (!list.isArray())
            return 405;
        const QJsonArray results = list.toArray();
        for (qsizetype i = 0; i < results.size(); ++i) {
            letInputRun();
            // Each page owns its twenty slots; a result that would land in another page's slot or past
            // the last slot is not stored.
            const qint64 slot = (pageNumber - 1) * Tmdb::ResultsPerPage + i;
            if (i < Tmdb::ResultsPerPage && slot < m_slotCount && results.at(i).isObject())
                fillItem(results.at(i).toObject(), m_items[qint32(slot)]);
            if (m_cancel)
                return 600;
        }
        return 200;
    } catch (const Failure &f) {
        m_runtimeError = {f.line, f.number, f.description, source};
    } catch (const std::bad_alloc &) {
        m_runtimeError = {0, ErrOutOfMemory, QStringLiteral("Out of memory"), source};
    } catch (const std::exception &e) {
        m_runtimeError = {0, ErrInternal, QString::fromLocal8Bit(e.what()), source};
    }
    return 501;
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
