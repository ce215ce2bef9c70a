#pragma once

#include "CoverQuery.h"
#include "TmdbCoversInterface.h"

#include <QJsonObject>

// The clsMain of the TMDb cover source: searches The Movie Database, page by page.
class TmdbMain final : public CoverQuery
{
public:
    explicit TmdbMain(const QUrl &imageBaseAddress);
    ~TmdbMain() override;

    QUrl RequestAddress(qint32 lngPage, const QString &strQueryString, const QString &strSubscriptionID,
                        const QString &strLocaleURL, const QString &strMediaType) const override;

    // One request outside Query, for the movie-information source: the retries on 429, the error
    // replies and the limits are those of a search page. 200 when json (bytes) holds the reply,
    // else the status code a query would end with (402: AWSError, 403: XMLError, 600: cancelled).
    qint32 getJson(const QUrl &address, const QString &credential, QJsonObject &json);
    qint32 getBytes(const QUrl &address, QByteArray &bytes);
    // The HTTP status of the last reply, 0 when none arrived.
    int lastHttpStatus() const { return m_lastHttpStatus; }

private:
    void beginQuery(QueryArguments &arguments) override;
    qint32 fetchPage(qint64 page, const QueryArguments &arguments) override;
    qint32 readTotals(qint64 pageLimit, qint32 &totalPages) override;
    qint32 readResults(qint64 page) override;
    QString serviceStatusText(qint32 code) const override;
    QString redacted(QString text) const override;

    // Fetches one page into m_page; 200 when it holds the page, else the status to end the query with.
    qint32 fetchJson(const QUrl &address, const QString &credential);
    qint32 fetchRaw(const QUrl &address, const QString &credential, QByteArray &body);
    bool waitBeforeRetry(int milliseconds);
    void fillItem(const QJsonObject &result, Coverfetch::AWSItem &item);

    QJsonObject m_page; // the page in hand
    QString m_credential; // kept out of every message
    QUrl m_imageBaseAddress;
    int m_lastHttpStatus = 0;
};
