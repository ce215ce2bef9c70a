#pragma once

#include "CoverfetchInterface.h"
#include "XmlPath.h"

#include <QDomDocument>
#include <QHash>
#include <memory>

class QEventLoop;
class QNetworkAccessManager;

// The clsMain the plugin hands out. One object runs one query at a time on its own thread.
class CoverfetchMain final : public clsMain
{
public:
    CoverfetchMain();
    ~CoverfetchMain() override;

    void setEventSink(clsMainEvents *sink) override { m_sink = sink; }
    Coverfetch::AWSError AWSError() const override { return m_awsError; }
    void Cancel() override;
    Coverfetch::AWSItem Item(qint32 lngItem, bool *ok = nullptr) const override;
    qint32 Query(const QString &strQueryString, const QString &strSubscriptionID,
                 const QString &strLocaleURL, const QString &strMediaType,
                 qint32 lngNumberOfPagesToProcess) override;
    Coverfetch::RuntimeError RuntimeError() const override { return m_runtimeError; }
    QString StatusCodeDescription(qint32 lngStatusCode) const override;
    Coverfetch::XMLParseError XMLError() const override { return m_xmlError; }
    QUrl RequestAddress(qint32 lngPage, const QString &strQueryString, const QString &strSubscriptionID,
                        const QString &strLocaleURL, const QString &strMediaType) const override;

    void setBaseAddress(const QUrl &base) override { m_baseAddress = base; }
    QUrl baseAddress() const override { return m_baseAddress; }
    void setTimeout(int milliseconds) override { m_timeoutMs = qMax(1, milliseconds); }
    int timeout() const override { return m_timeoutMs; }
    void setMaxReplySize(qint64 bytes) override { m_maxReplySize = qMax<qint64>(1, bytes); }
    qint64 maxReplySize() const override { return m_maxReplySize; }

private:
    enum class Load { Completed, Refused, Cancelled };

    qint32 runQuery(const QString &query, const QString &subscription, const QString &locale,
                    const QString &mediaType, qint32 pagesToProcess);
    Load loadDocument(const QUrl &address);
    void readDocument(const QByteArray &body, const QString &httpNote);
    qint32 ValidateQuery();
    qint32 ParseResponse(qint64 page);
    void fillItem(const QDomElement &result, Coverfetch::AWSItem &item);

    std::unique_ptr<QNetworkAccessManager> m_network; // stands for the XML loader: it exists or not
    QDomDocument m_document;
    XmlPath m_paths;
    clsMainEvents *m_sink = nullptr;
    QEventLoop *m_wait = nullptr; // the loop a running query waits in, for Cancel

    bool m_cancel = false;
    bool m_imageFound = false;
    Coverfetch::AWSError m_awsError;
    // Slots are kept sparsely: a reply may announce a huge number of results, while only the pages
    // actually fetched take memory.
    bool m_slotsSized = false;
    qint32 m_slotCount = 0;
    QHash<qint32, Coverfetch::AWSItem> m_items;
    Coverfetch::RuntimeError m_runtimeError;
    Coverfetch::XMLParseError m_xmlError;

    QUrl m_baseAddress;
    int m_timeoutMs = 30000;
    qint64 m_maxReplySize = 4 * 1024 * 1024;
};
