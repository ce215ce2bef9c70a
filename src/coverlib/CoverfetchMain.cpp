#include "CoverfetchMain.h"

#include <QCoreApplication>
#include <QLocale>
#include <QNetworkReply>
#include <QXmlStreamReader>

#include <cmath>
#include <limits>
#include <stdexcept>

using Coverfetch::AWSItem;
using Coverfetch::XMLParseError;
using namespace Coverlib;

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

} // namespace

CoverfetchMain::CoverfetchMain()
    : CoverQuery(LibrarySource)
{
    m_paths.bind(QStringLiteral("aws"), ServiceNamespace);
}

CoverfetchMain::~CoverfetchMain() = default;

QString CoverfetchMain::serviceStatusText(qint32 code) const
{
    switch (code) {
    case 400: return QCoreApplication::translate("CoverfetchMain", "The XML parser was not instantiated correctly.");
    case 401: return QCoreApplication::translate("CoverfetchMain", "The XML parser was unable to load the requested document.");
    case 402: return QCoreApplication::translate("CoverfetchMain", "Amazon Web Services returned an error.");
    case 403: return QCoreApplication::translate("CoverfetchMain", "Unable to check the validity of the Amazon Web Services request.");
    case 500: return QCoreApplication::translate("CoverfetchMain", "A runtime error occurred while attempting to query Amazon Web Services.");
    case 501: return QCoreApplication::translate("CoverfetchMain", "A runtime error occurred while attempting to parse the Amazon Web Services response.");
    case 502: return QCoreApplication::translate("CoverfetchMain", "A runtime error occurred while attempting to validate the Amazon Web Services query.");
    default: return {};
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

qint32 CoverfetchMain::fetchPage(qint64 page, const QueryArguments &arguments)
{
    const Load load = loadDocument(RequestAddress(qint32(page), arguments.query, arguments.subscription,
                                                  arguments.locale, arguments.mediaType));
    if (load == Load::Refused)
        return 401;
    if (load == Load::Cancelled)
        return 600;
    return ValidateQuery();
}

qint32 CoverfetchMain::readTotals(qint64 pageLimit, qint32 &totalPages)
{
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
    setSlotCount(qint32(qMax<qint64>(0, slotTotal)));

    const QDomElement pages = m_paths.selectSingleNode(m_document, PathTotalPages);
    if (pages.isNull())
        return 407;
    totalPages = toLong(pages.text(), __LINE__);
    if (pageLimit != 0 && totalPages >= pageLimit)
        totalPages = qint32(pageLimit);
    return 200;
}

CoverfetchMain::Load CoverfetchMain::loadDocument(const QUrl &address)
{
    m_document.clear();
    m_xmlError = {};
    if (!acceptAddress(address))
        return Load::Refused;

    const Downloaded got = download(serviceRequest(address));
    if (got.outcome == Download::Cancelled)
        return Load::Cancelled;
    if (got.outcome == Download::Failed)
        return Load::Completed;
    QString httpNote;
    if (got.reply->error() != QNetworkReply::NoError)
        httpNote = QStringLiteral("HTTP status %1: ")
                       .arg(got.reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());
    readDocument(got.body, httpNote);
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
        m_runtimeError = {0, ErrInternal, QString::fromLocal8Bit(e.what()), routine("ValidateQuery")};
    }
    return 502;
}

qint32 CoverfetchMain::readResults(qint64 page)
{
    const QList<QDomElement> results = m_paths.selectNodes(m_document, PathItems);
    // Each page owns ten slots.
    return storeResults(page, ResultsPerPage, results.size(),
                        [&](qsizetype i, qint32 slot) { fillItem(results.at(i), m_items[slot]); });
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
