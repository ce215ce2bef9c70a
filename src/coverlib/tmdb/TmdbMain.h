#pragma once

#include "TmdbCoversInterface.h"

#include <QHash>
#include <QJsonObject>
#include <memory>

class QEventLoop;
class QNetworkAccessManager;

// The clsMain of the TMDb cover source. One object runs one query at a time on its own thread.
class TmdbMain final : public clsMain
{
public:
    explicit TmdbMain(const QUrl &imageBaseAddress);
    ~TmdbMain() override;

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
    // What fetching one page gave: a JSON object to read, or the status to end the query with.
    struct Page
    {
        qint32 status = 200;
        QJsonObject json;
    };

    qint32 runQuery(const QString &query, const QString &credential, qint32 pagesToProcess);
    Page fetchPage(const QUrl &address, const QString &credential);
    bool waitBeforeRetry(int milliseconds);
    qint32 readResults(const QJsonObject &page, qint64 pageNumber);
    void fillItem(const QJsonObject &result, Coverfetch::AWSItem &item);
    QString redacted(QString text) const;

    std::unique_ptr<QNetworkAccessManager> m_network;
    clsMainEvents *m_sink = nullptr;
    QEventLoop *m_wait = nullptr; // the loop a running query waits in, for Cancel

    bool m_cancel = false;
    bool m_imageFound = false;
    QString m_credential; // kept out of every message
    Coverfetch::AWSError m_awsError;
    bool m_slotsSized = false;
    qint32 m_slotCount = 0;
    QHash<qint32, Coverfetch::AWSItem> m_items;
    Coverfetch::RuntimeError m_runtimeError;
    Coverfetch::XMLParseError m_xmlError;

    QUrl m_baseAddress;
    QUrl m_imageBaseAddress;
    int m_timeoutMs = 30000;
    qint64 m_maxReplySize = 4 * 1024 * 1024;
};
