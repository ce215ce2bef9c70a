#include "CoverfetchMain.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QXmlStreamReader>

#include <cmath>
#include <limits>
#include <new>
#include <stdexcept>

using Coverfetch::AWSItem;
using Coverfetch::XMLParseError;

namespace {

const QString ServiceNamespace = QStringLiteral("http://webservices.amazon.com/AWSECommerceService/2005-10-05");
const QString ServiceHostLabel = QStringLiteral("webservices.");
const QString LibrarySource = QStringLiteral("CoverfetchCore");

const QString PathIsValid = QStringLiteral("aws:ItemSearchResponse/aws:Items/aws:Request/aws:IsValid");
const QString PathError = QStringLiteral("aws:ItemSearchResponse/aws:Items/aws:Request/aws:Errors/aws:Error");
const QString PathErrorCode = PathError + QStringLiteral("/aws:Code");
const QString PathErrorMessage = PathError + QStringLiteral("/aws:Message");
const QString PathTotalResults = QStringLiteral("aws:ItemSearchResponse/aws:Items/aws:TotalResults");
const QString PathTotalPages = QStringLiteral("aws:ItemSearchResponse/aws:Items/aws:TotalPages");
const QString PathItems = QStringLiteral("aws:ItemSearchResponse/aws:Items/aws:Item");

constexpr qint32 ResultsPerPage = 10;

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

// The number in a node's text: a decimal number, optionally signed, with fraction or exponent.
double toNumber(const QString &text, qint32 line)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        throw Failure{ErrTypeMismatch, QStringLiteral("Type mismatch"), line};
    return value;
}

// A signed 32-bit integer; fractions round to the nearest integer, halves to the even one.
qint32 toLong(double value, qint32 line)
{
    const double rounded = std::nearbyint(value); // the default rounding mode rounds halves to even
    if (rounded < double(std::numeric_limits<qint32>::min()) || rounded > double(std::numeric_limits<qint32>::max()))
        throw Failure{ErrOverflow, QStringLiteral("Overflow"), line};
    return qint32(rounded);
}

qint32 toLong(const QString &text, qint32 line) { return toLong(toNumber(text, line), line); }

// Lets queued input (a Cancel button) run between results without blocking.
void letInputRun() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

} // namespace

CoverfetchMain::CoverfetchMain()
    : m_network(std::make_unique<QNetworkAccessManager>())
{
    m_paths.bind(QStringLiteral("aws"), ServiceNamespace);
}

CoverfetchMain::~CoverfetchMain() = default;

void CoverfetchMain::Cancel()
{
    m_cancel = true;
    if (m_wait)
        m_wait->quit(); // the waiting query aborts its request at once
}

AWSItem CoverfetchMain::Item(qint32 lngItem, bool *ok) const
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

QString CoverfetchMain::StatusCodeDescription(qint32 lngStatusCode) const
{
    switch (lngStatusCode) {
    case 200: return QStringLiteral("OK.");
    case 400: return QStringLiteral("The XML parser was not instantiated correctly.");
    case 401: return QStringLiteral("The XML parser was unable to load the requested document.");
    case 402: return QStringLiteral("Amazon Web Services returned an error.");
    case 403: return QStringLiteral("Unable to check the validity of the Amazon Web Services request.");
    case 404: return QStringLiteral("Unable to retrieve the total number of results.");
    case 405: return QStringLiteral("Unable to retrieve the item list.");
    case 406: return QStringLiteral("Matches were found, but none of them contained an image.");
    case 407: return QStringLiteral("Unable to retrieve the total number of pages.");
    case 500: return QStringLiteral("A runtime error occurred while attempting to query Amazon Web Services.");
    case 501: return QStringLiteral("A runtime error occurred while attempting to parse the Amazon Web Services response.");
    case 502: return QStringLiteral("A runtime error occurred while attempting to validate the Amazon Web Services query.");
    case 600: return QStringLiteral("User initialized stop.");
    default: return QStringLiteral("Unknown error.");
    }
}

QUrl CoverfetchMain::RequestAddress(qint32 lngPage, const QString &strQueryString,
                                    const QString &strSubscriptionID, const QString &strLocaleURL,
                                    const QString &strMediaType) const
{
    QUrl address;
    if (m_baseAddress.isEmpty()) {
        address.setScheme(QStringLiteral("http"));
        address.setHost(ServiceHostLabel + strLocaleURL, QUrl::StrictMode);
        address.setPath(QStringLiteral("/onca/xml"));
    } else {
        address = m_baseAddress;
        QString prefix = address.path();
        while (prefix.endsWith(QLatin1Char('/')))
            prefix.chop(1);
        address.setPath(prefix + QStringLiteral("/onca/xml"));
    }
    // Every value is percent-encoded: a keyword text with blanks, '&', '#' or '+' must reach the
    // service as the text the user typed, not break the address apart.
    auto encoded = [](const QString &value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); };
    const QString query = QStringLiteral("Service=AWSECommerceService&ItemPage=") + QString::number(lngPage)
        + QStringLiteral("&SearchIndex=") + encoded(strMediaType)
        + QStringLiteral("&SubscriptionId=") + encoded(strSubscriptionID)
        + QStringLiteral("&Keywords=") + encoded(strQueryString)
        + QStringLiteral("&Version=2005-10-05&ResponseGroup=Small,Images&Operation=ItemSearch");
    address.setQuery(query, QUrl::StrictMode);
    return address;
}

qint32 CoverfetchMain::Query(const QString &strQueryString, const QString &strSubscriptionID,
                             const QString &strLocaleURL, const QString &strMediaType,
                             qint32 lngNumberOfPagesToProcess)
{
    const qint32 status = runQuery(strQueryString, strSubscriptionID, strLocaleURL, strMediaType,
                                   lngNumberOfPagesToProcess);
    if (m_sink)
        m_sink->Done(status);
    return status;
}

qint32 CoverfetchMain::runQuery(const QString &query, const QString &subscription, const QString &locale,
                                const QString &mediaType, qint32 pagesToProcess)
{
    const QString source = LibrarySource + QStringLiteral(" :: clsMain :: Query()");
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
        const qint64 pageLimit = qAbs(qint64(pagesToProcess));
        qint64 page = 1;
        qint32 totalPages = 1;
        if (m_sink)
            m_sink->WorkStarted();

        do {
            if (m_sink)
                m_sink->Progress(qint32(page), totalPages);
            letInputRun();

            const Load load = loadDocument(RequestAddress(qint32(page), query, subscription, locale, mediaType));
            if (load == Load::Refused)
                return 401;
            if (load == Load::Cancelled)
                return 600;

            const qint32 valid = ValidateQuery();
            if (valid != 200)
                return valid;

            if (page == 1) {
                const QDomElement totalResults = m_paths.selectSingleNode(m_document, PathTotalResults);
                if (totalResults.isNull())
                    return 404;
                qint64 slotTotal = 0;
                if (pageLimit != 0) {
                    slotTotal = pageLimit * ResultsPerPage;
                    if (slotTotal > std::numeric_limits<qint32>::max())
                        throw Failure{ErrOverflow, QStringLiteral("Overflow"), __LINE__};
                } else {
                    // The text gives the upper bound of the slotTotal as (number - 1), rounded.
                    slotTotal = qint64(toLong(toNumber(totalResults.text(), __LINE__) - 1.0, __LINE__)) + 1;
                }
                m_slotCount = qint32(qMax<qint64>(0, slotTotal));
                m_slotsSized = true;

                const QDomElement pages = m_paths.selectSingleNode(m_document, PathTotalPages);
                if (pages.isNull())
                    return 407;
                totalPages = toLong(pages.text(), __LINE__);
                if (pageLimit != 0 && totalPages >= pageLimit)
                    totalPages = qint32(pageLimit);

                if (m_sink) {
                    m_sink->ProgressDataAvailable();
                    m_sink->Progress(1, totalPages);
                }
                letInputRun();
            }

            const qint32 parsed = ParseResponse(page);
            if (parsed != 200)
                return parsed;
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

CoverfetchMain::Load CoverfetchMain::loadDocument(const QUrl &address)
{
    m_document.clear();
    m_xmlError = {};
    const QString scheme = address.scheme();
    if (!address.isValid() || address.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        m_xmlError = {XMLParseError::TransferFailed,
                      QStringLiteral("The request address \"%1\" is not valid.").arg(address.toString()), 0, 0};
        return Load::Refused;
    }

    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
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
        return Load::Cancelled;
    }
    if (timedOut || tooLarge) {
        reply->abort();
        if (timedOut)
            m_xmlError = {XMLParseError::TimedOut,
                          QStringLiteral("No complete reply arrived within %1 ms.").arg(m_timeoutMs), 0, 0};
        else
            m_xmlError = {XMLParseError::TooLarge,
                          QStringLiteral("The reply is larger than %1 bytes.").arg(m_maxReplySize), 0, 0};
        return Load::Completed;
    }

    const QVariant httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (reply->error() != QNetworkReply::NoError && !httpStatus.isValid()) {
        m_xmlError = {XMLParseError::TransferFailed, reply->errorString(), 0, 0};
        return Load::Completed;
    }
    const QByteArray body = reply->readAll();
    if (body.size() > m_maxReplySize) {
        m_xmlError = {XMLParseError::TooLarge,
                      QStringLiteral("The reply is larger than %1 bytes.").arg(m_maxReplySize), 0, 0};
        return Load::Completed;
    }
    QString httpNote;
    if (reply->error() != QNetworkReply::NoError)
        httpNote = QStringLiteral("HTTP status %1: ").arg(httpStatus.toInt());
    readDocument(body, httpNote);
    return Load::Completed;
}

void CoverfetchMain::readDocument(const QByteArray &body, const QString &httpNote)
{
    // A first pass refuses document type declarations before anything could expand an entity.
    // It also refuses absurd nesting: building the document tree takes time that grows with the
    // square of the depth, so a small reply of nested elements would hold the program for minutes.
    // The service's replies nest a handful of levels.
    constexpr int MaxDepth = 256;
    int depth = 0;
    QXmlStreamReader scan(body);
    while (!scan.atEnd()) {
        const QXmlStreamReader::TokenType token = scan.readNext();
        if (token == QXmlStreamReader::DTD || token == QXmlStreamReader::EntityReference) {
            m_xmlError = {XMLParseError::DtdRefused,
                          httpNote + QStringLiteral("The reply contains a document type declaration, which is not accepted."),
                          qint32(scan.lineNumber()), qint32(scan.columnNumber())};
            return;
        }
        if (token == QXmlStreamReader::StartElement && ++depth > MaxDepth) {
            m_xmlError = {XMLParseError::NotWellFormed,
                          httpNote + QStringLiteral("The reply nests elements more than %1 levels deep.").arg(MaxDepth),
                          qint32(scan.lineNumber()), qint32(scan.columnNumber())};
            return;
        }
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    if (scan.hasError()) {
        m_xmlError = {XMLParseError::NotWellFormed, httpNote + scan.errorString(), qint32(scan.lineNumber()),
                      qint32(scan.columnNumber())};
        return;
    }
    QString message;
    int line = 0;
    int column = 0;
    if (!m_document.setContent(body, true, &message, &line, &column)) {
        m_document.clear();
        m_xmlError = {XMLParseError::NotWellFormed, httpNote + message, line, column};
    }
}

qint32 CoverfetchMain::ValidateQuery()
{
    try {
        if (m_paths.selectSingleNode(m_document, PathIsValid).isNull())
            return 403;
        if (m_paths.selectSingleNode(m_document, PathError).isNull()) {
            letInputRun();
            return 200;
        }
        const QDomElement code = m_paths.selectSingleNode(m_document, PathErrorCode);
        if (!code.isNull())
            m_awsError.strCode = code.text();
        const QDomElement message = m_paths.selectSingleNode(m_document, PathErrorMessage);
        if (!message.isNull())
            m_awsError.strMessage = message.text();
        return 402;
    } catch (const std::exception &e) {
        m_runtimeError = {0, ErrInternal, QString::fromLocal8Bit(e.what()),
                          LibrarySource + QStringLiteral(" :: clsMain :: ValidateQuery()")};
    }
    return 502;
}

qint32 CoverfetchMain::ParseResponse(qint64 page)
{
    const QString source = LibrarySource + QStringLiteral(" :: clsMain :: ParseResponse()");
    try {
        const QList<QDomElement> results = m_paths.selectNodes(m_document, PathItems);
        for (qsizetype i = 0; i < results.size(); ++i) {
            letInputRun();
            // Each page owns ten slots; a result that would land in another page's slot or past the
            // last slot is not stored.
            const qint64 slot = (page - 1) * ResultsPerPage + i;
            if (i < ResultsPerPage && slot < m_slotCount) {
                fillItem(results.at(i), m_items[qint32(slot)]);
            }
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

// Fills the fields one by one, so that a failure leaves the fields read before it in the slot.
void CoverfetchMain::fillItem(const QDomElement &result, AWSItem &item)
{
    auto text = [&](const char *path, QString &field) {
        const QDomElement node = m_paths.selectSingleNode(result, QString::fromLatin1(path));
        if (node.isNull())
            return false;
        field = node.text();
        return true;
    };
    auto number = [&](const char *path, qint32 &field, qint32 line) {
        const QDomElement node = m_paths.selectSingleNode(result, QString::fromLatin1(path));
        if (!node.isNull())
            field = toLong(node.text(), line);
    };
    text("aws:ASIN", item.strASIN);
    if (text("aws:SmallImage/aws:URL", item.strSmallImageURL))
        m_imageFound = true;
    number("aws:SmallImage/aws:Height", item.lngSmallImageHeight, __LINE__);
    number("aws:SmallImage/aws:Width", item.lngSmallImageWidth, __LINE__);
    text("aws:MediumImage/aws:URL", item.strMediumImageURL);
    number("aws:MediumImage/aws:Height", item.lngMediumImageHeight, __LINE__);
    number("aws:MediumImage/aws:Width", item.lngMediumImageWidth, __LINE__);
    text("aws:LargeImage/aws:URL", item.strLargeImageURL);
    number("aws:LargeImage/aws:Height", item.lngLargeImageHeight, __LINE__);
    number("aws:LargeImage/aws:Width", item.lngLargeImageWidth, __LINE__);
    text("aws:ItemAttributes/aws:Artist", item.strArtist);
    text("aws:ItemAttributes/aws:ProductGroup", item.strProductGroup);
    text("aws:ItemAttributes/aws:Title", item.strTitle);
}
