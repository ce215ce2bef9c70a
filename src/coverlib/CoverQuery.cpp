#include "CoverQuery.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

#include <new>
#include <stdexcept>

using Coverfetch::AWSItem;
using Coverfetch::XMLParseError;
using namespace Coverlib;

CoverQuery::CoverQuery(const QString &librarySource)
    : m_librarySource(librarySource)
    , m_network(std::make_unique<QNetworkAccessManager>())
{
}

CoverQuery::~CoverQuery() = default;

void CoverQuery::Cancel()
{
    m_cancel = true;
    if (m_wait)
        m_wait->quit(); // the waiting query aborts its request (or its wait before a retry) at once
}

AWSItem CoverQuery::Item(qint32 lngItem, bool *ok) const
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

QString CoverQuery::StatusCodeDescription(qint32 lngStatusCode) const
{
    switch (lngStatusCode) {
    case 200: return QCoreApplication::translate("CoverQuery", "OK.");
    case 404: return QCoreApplication::translate("CoverQuery", "Unable to retrieve the total number of results.");
    case 405: return QCoreApplication::translate("CoverQuery", "Unable to retrieve the item list.");
    case 406: return QCoreApplication::translate("CoverQuery", "Matches were found, but none of them contained an image.");
    case 407: return QCoreApplication::translate("CoverQuery", "Unable to retrieve the total number of pages.");
    case 600: return QCoreApplication::translate("CoverQuery", "User initialized stop.");
    default: break;
    }
    const QString text = serviceStatusText(lngStatusCode);
    return text.isEmpty() ? QCoreApplication::translate("CoverQuery", "Unknown error.") : text;
}

qint32 CoverQuery::Query(const QString &strQueryString, const QString &strSubscriptionID,
                         const QString &strLocaleURL, const QString &strMediaType,
                         qint32 lngNumberOfPagesToProcess)
{
    const qint32 status = runQuery({strQueryString, strSubscriptionID, strLocaleURL, strMediaType},
                                   lngNumberOfPagesToProcess);
    if (m_sink)
        m_sink->Done(status);
    return status;
}

qint32 CoverQuery::runQuery(QueryArguments arguments, qint32 pagesToProcess)
{
    const QString source = routine("Query");
    try {
        if (!m_network)
            return 400;

        m_cancel = false;
        m_imageFound = false;
        m_items.clear();
        m_slotsSized = false;
        m_slotCount = 0;
        m_awsError = {};
        m_runtimeError = {};
        m_xmlError = {};
        beginQuery(arguments);
        const qint64 pageLimit = qAbs(qint64(pagesToProcess));
        qint64 page = 1;
        qint32 totalPages = 1;
        if (m_sink)
            m_sink->WorkStarted();

        do {
            if (m_sink)
                m_sink->Progress(qint32(page), totalPages);
            letInputRun();

            const qint32 fetched = fetchPage(page, arguments);
            if (fetched != 200)
                return fetched;

            if (page == 1) {
                const qint32 totals = readTotals(pageLimit, totalPages);
                if (totals != 200)
                    return totals;
                if (m_sink) {
                    m_sink->ProgressDataAvailable();
                    m_sink->Progress(1, totalPages);
                }
                letInputRun();
            }

            const qint32 read = parsePage(page);
            if (read != 200)
                return read;
            if (m_cancel)
                return 600;
            ++page;
        } while (page <= totalPages);

        return m_imageFound ? 200 : 406;
    } catch (...) {
        recordFailure(source);
    }
    return 500;
}

qint32 CoverQuery::parsePage(qint64 page)
{
    try {
        return readResults(page);
    } catch (...) {
        recordFailure(routine("ParseResponse"));
    }
    return 501;
}

QString CoverQuery::routine(const char *name) const
{
    return m_librarySource + QStringLiteral(" :: clsMain :: ") + QLatin1String(name) + QStringLiteral("()");
}

void CoverQuery::recordFailure(const QString &source)
{
    try {
        throw;
    } catch (const Failure &f) {
        m_runtimeError = {f.line, f.number, f.description, source};
    } catch (const std::bad_alloc &) {
        m_runtimeError = {0, ErrOutOfMemory, QStringLiteral("Out of memory"), source};
    } catch (const std::exception &e) {
        m_runtimeError = {0, ErrInternal, QString::fromLocal8Bit(e.what()), source};
    }
}

void CoverQuery::setSlotCount(qint32 count)
{
    m_slotCount = count;
    m_slotsSized = true;
}

QNetworkRequest CoverQuery::serviceRequest(const QUrl &address)
{
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    return request;
}

bool CoverQuery::acceptAddress(const QUrl &address, QUrl::FormattingOptions shownAs)
{
    const QString scheme = address.scheme();
    if (address.isValid() && !address.host().isEmpty()
        && (scheme == QLatin1String("http") || scheme == QLatin1String("https")))
        return true;
    m_xmlError = {XMLParseError::TransferFailed,
                  QStringLiteral("The request address \"%1\" is not valid.").arg(address.toString(shownAs)), 0, 0};
    return false;
}

CoverQuery::Downloaded CoverQuery::download(const QNetworkRequest &request)
{
    Downloaded got;
    std::unique_ptr<QNetworkReply> reply(m_network->get(request));

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
    if (!m_cancel && !reply->isFinished())
        waitIn(wait);
    deadline.stop();

    if (m_cancel) {
        reply->abort();
        noteCancelled();
        got.outcome = Download::Cancelled;
        return got;
    }
    const QString tooLargeText = QStringLiteral("The reply is larger than %1 bytes.").arg(m_maxReplySize);
    if (timedOut || tooLarge) {
        reply->abort();
        if (timedOut)
            m_xmlError = {XMLParseError::TimedOut,
                          QStringLiteral("No complete reply arrived within %1 ms.").arg(m_timeoutMs), 0, 0};
        else
            m_xmlError = {XMLParseError::TooLarge, tooLargeText, 0, 0};
        return got;
    }
    if (reply->error() != QNetworkReply::NoError
        && !reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) {
        m_xmlError = {XMLParseError::TransferFailed, redacted(reply->errorString()), 0, 0};
        return got;
    }
    QByteArray body = reply->readAll();
    if (body.size() > m_maxReplySize) {
        m_xmlError = {XMLParseError::TooLarge, tooLargeText, 0, 0};
        return got;
    }
    got.outcome = Download::Received;
    got.reply = std::move(reply);
    got.body = std::move(body);
    return got;
}

void CoverQuery::waitIn(QEventLoop &loop)
{
    QEventLoop *outer = m_wait;
    m_wait = &loop;
    loop.exec();
    m_wait = outer;
}

void CoverQuery::beginRequest()
{
    m_cancel = false;
    m_awsError = {};
    m_runtimeError = {};
    m_xmlError = {};
}

void CoverQuery::noteCancelled()
{
    m_xmlError = {XMLParseError::Aborted, QStringLiteral("The request was cancelled."), 0, 0};
}

void CoverQuery::letInputRun()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
