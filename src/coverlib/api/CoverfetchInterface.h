#pragma once

// The public face of CoverfetchCore, the cover downloader plugin. This header is the only thing the
// program and the plugin share: the program never links the plugin, it loads it with QPluginLoader.
//
// Typical use (one clsMain per window):
//
//     QString why;
//     CoverfetchCoreFactory *factory = Coverfetch::findCoverfetchCore(pluginFolder, &why);
//     std::unique_ptr<clsMain> core = factory->createClsMain();
//     core->setEventSink(this);                 // this implements clsMainEvents
//     qint32 status = core->Query(keywords, Coverfetch::DefaultSubscriptionID,
//                                 Coverfetch::DefaultLocaleURL, QStringLiteral("DVD"), 50);
//     for (qint32 n = 1; n <= core->Item(0).lngLargeImageHeight; ++n) ... core->Item(n) ...
//
// The plugin must stay loaded while any clsMain it created lives (QPluginLoader keeps it loaded
// unless unload() is called).

#include <QDir>
#include <QJsonObject>
#include <QObject>
#include <QPluginLoader>
#include <QString>
#include <QUrl>
#include <QtGlobal>

#include <memory>

namespace Coverfetch {

// The identifier the plugin is known by (its Qt plugin IID).
inline constexpr char InterfaceId[] = "CoverfetchCore.clsMain";

inline const QString DefaultSubscriptionID = QStringLiteral("7TQ3KX90ZPLR4BN2F8HV");
// The US marketplace's domain; the service host is "webservices." followed by the domain.
inline const QString DefaultLocaleURL = QStringLiteral("amazon.com");
inline const QString DefaultMediaType = QStringLiteral("Music");

// The error the web service put in its reply (only the first one is kept).
struct AWSError
{
    QString strCode;
    QString strMessage;
};

// One result slot. A field the reply did not supply stays 0 or empty. Sizes are pixels.
struct AWSItem
{
    qint32 lngLargeImageHeight = 0;
    qint32 lngLargeImageWidth = 0;
    qint32 lngMediumImageHeight = 0;
    qint32 lngMediumImageWidth = 0;
    qint32 lngSmallImageHeight = 0;
    qint32 lngSmallImageWidth = 0;
    QString strArtist;
    QString strASIN;
    QString strLargeImageURL;
    QString strMediumImageURL;
    QString strProductGroup;
    QString strSmallImageURL;
    QString strTitle;

    friend bool operator==(const AWSItem &, const AWSItem &) = default;
};

// An internal failure of the last query. strSource reads "CoverfetchCore :: clsMain :: <routine>()"
// when the library itself failed. lngLine is the line in the library's source, 0 when unknown.
struct RuntimeError
{
    qint32 lngLine = 0;
    qint32 lngNumber = 0;
    QString strDescription;
    QString strSource;
};

// Why the last loaded reply could not be read (lets a caller explain status 403).
struct XMLParseError
{
    enum Code : qint32 {
        None = 0,          // the reply was read as XML
        NotWellFormed = 1, // not XML (line and linepos tell where)
        DtdRefused = 2,    // the reply carries a document type declaration or entity references
        TransferFailed = 3,// the connection or the HTTP transfer failed (reason has the details)
        TooLarge = 4,      // the reply was bigger than the reply size cap
        TimedOut = 5,      // no complete reply within the time-out
        Aborted = 6,       // the transfer was aborted because the query was cancelled
    };
    qint32 errorCode = None;
    QString reason;
    qint32 line = 0;
    qint32 linepos = 0;
};

} // namespace Coverfetch

// The events of a query. All of them are raised on the thread that called Query, from inside the
// Query call; Query continues only when the handler returns. A handler may call Cancel.
class clsMainEvents
{
public:
    virtual ~clsMainEvents() = default;
    // Once per query, before the first request.
    virtual void WorkStarted() = 0;
    // Once per query, when page 1 has been read and the number of pages to fetch is known.
    virtual void ProgressDataAvailable() = 0;
    // At the start of every page, and once more for page 1 right after ProgressDataAvailable.
    virtual void Progress(qint32 lngCurrentPage, qint32 lngTotalNumberOfPages) = 0;
    // Exactly once at the end of every Query call, with the code Query then returns.
    virtual void Done(qint32 lngStatusCode) = 0;
};

// Searches the product-search web service (ItemSearch, API version 2005-10-05) and collects the
// picture addresses and sizes of every result. Not thread-safe; use it on one thread.
class clsMain
{
public:
    virtual ~clsMain() = default;

    // Where the events go; nullptr for none. The sink must outlive every Query it sees.
    virtual void setEventSink(clsMainEvents *sink) = 0;

    // The web service's error of the last query (filled when it ended with 402).
    virtual Coverfetch::AWSError AWSError() const = 0;

    // Asks a running Query to stop: it aborts the pending request and ends with 600. Meant to be
    // called from input handled while Query runs (a Cancel button) or from an event handler.
    virtual void Cancel() = 0;

    // Item(0): a record whose lngLargeImageHeight is the number of slots. Item(n): a copy of slot
    // |n| (1-based; the sign is ignored). Before the slots of a query exist, or for an index past the
    // last slot, returns an empty record and sets *ok to false.
    virtual Coverfetch::AWSItem Item(qint32 lngItem, bool *ok = nullptr) const = 0;

    // Runs a whole search inside this call, raising the events meanwhile, and returns the final
    // status code (the one Done reports). lngNumberOfPagesToProcess: the most pages to fetch (its
    // sign is ignored), 0 for all. The caller's event loop keeps running while the query waits.
    // Do not destroy the object from inside the query; Cancel it and destroy it after Query returns.
    virtual qint32 Query(const QString &strQueryString,
                         const QString &strSubscriptionID = Coverfetch::DefaultSubscriptionID,
                         const QString &strLocaleURL = Coverfetch::DefaultLocaleURL,
                         const QString &strMediaType = Coverfetch::DefaultMediaType,
                         qint32 lngNumberOfPagesToProcess = 0) = 0;

    // The internal failure of the last query (empty when there was none).
    virtual Coverfetch::RuntimeError RuntimeError() const = 0;

    // The text of a status code; "Unknown error." for codes the library does not use.
    virtual QString StatusCodeDescription(qint32 lngStatusCode) const = 0;

    // Why the last loaded reply could not be read; errorCode None when it was read.
    virtual Coverfetch::XMLParseError XMLError() const = 0;

    // The address Query fetches for page lngPage with these arguments (every value percent-encoded).
    virtual QUrl RequestAddress(qint32 lngPage, const QString &strQueryString,
                                const QString &strSubscriptionID, const QString &strLocaleURL,
                                const QString &strMediaType) const = 0;

    // Settings. Base address: scheme, host, port and optional path prefix of the service; "/onca/xml"
    // is appended. Empty (the default) means "http://webservices." + the marketplace domain.
    virtual void setBaseAddress(const QUrl &base) = 0;
    virtual QUrl baseAddress() const = 0;
    // Longest wait for one page's complete reply, in milliseconds (default 30000). A page that does
    // not arrive in time is treated as a failed download (status 403, XMLError TimedOut).
    virtual void setTimeout(int milliseconds) = 0;
    virtual int timeout() const = 0;
    // Largest reply accepted, in bytes (default 4 MiB). A bigger one is a failed download.
    virtual void setMaxReplySize(qint64 bytes) = 0;
    virtual qint64 maxReplySize() const = 0;
};

// The plugin's root object (QPluginLoader::instance()) implements this factory.
class CoverfetchCoreFactory
{
public:
    virtual ~CoverfetchCoreFactory() = default;
    virtual std::unique_ptr<clsMain> createClsMain() = 0;
};

#define CoverfetchCoreFactory_iid "CoverfetchCore.clsMain"
Q_DECLARE_INTERFACE(CoverfetchCoreFactory, CoverfetchCoreFactory_iid)

namespace Coverfetch {

// Finds, among the plugins in folder, the one whose IID is iid, loads it and returns its root object
// as Factory, or nullptr with *error set. what names the plugin in messages. The plugin stays loaded
// for the rest of the program's life.
template <typename Factory>
Factory *findPluginFactory(const QString &folder, const char *iid, const QString &what, QString *error)
{
    QString lastError = QStringLiteral("No %1 plugin was found in \"%2\".").arg(what, folder);
    const QDir dir(folder);
    const QStringList files = dir.entryList(QDir::Files);
    for (const QString &file : files) {
        QPluginLoader loader(dir.filePath(file));
        if (loader.metaData().value(QStringLiteral("IID")).toString() != QLatin1String(iid))
            continue;
        if (auto *factory = qobject_cast<Factory *>(loader.instance()))
            return factory;
        lastError = QStringLiteral("The %1 plugin \"%2\" could not be loaded: %3").arg(what, loader.fileName(), loader.errorString());
    }
    if (error)
        *error = lastError;
    return nullptr;
}

inline CoverfetchCoreFactory *findCoverfetchCore(const QString &folder, QString *error = nullptr)
{
    return findPluginFactory<CoverfetchCoreFactory>(folder, InterfaceId, QStringLiteral("CoverfetchCore"), error);
}

} // namespace Coverfetch
