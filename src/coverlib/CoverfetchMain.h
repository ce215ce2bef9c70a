#pragma once

#include "CoverQuery.h"
#include "XmlPath.h"

#include <QDomDocument>

// The clsMain the plugin hands out: searches the product-search web service, page by page.
class CoverfetchMain final : public CoverQuery
{
public:
    CoverfetchMain();
    ~CoverfetchMain() override;

    QUrl RequestAddress(qint32 lngPage, const QString &strQueryString, const QString &strSubscriptionID,
                        const QString &strLocaleURL, const QString &strMediaType) const override;

private:
    enum class Load { Completed, Refused, Cancelled };

    qint32 fetchPage(qint64 page, const QueryArguments &arguments) override;
    qint32 readTotals(qint64 pageLimit, qint32 &totalPages) override;
    qint32 readResults(qint64 page) override;
    QString serviceStatusText(qint32 code) const override;

    Load loadDocument(const QUrl &address);
    void readDocument(const QByteArray &body, const QString &httpNote);
    qint32 ValidateQuery();
    void fillItem(const QDomElement &result, Coverfetch::AWSItem &item);

    QDomDocument m_document;
    XmlPath m_paths;
};
