#pragma once

// What every cover source shares: the settings, the result slots, the paging loop of a query with its
// events, the download of one page (time-out, size cap, cancel) and the record of internal failures.
// A source supplies the request address, how one page is fetched and read, and its status texts.
// This file is compiled into each cover plugin; the program never sees it.

#include "CoverfetchInterface.h"

#include <QByteArray>
#include <QHash>
#include <QNetworkRequest>
#include <QString>
#include <QUrl>

#include <memory>

class QEventLoop;
class QNetworkAccessManager;
class QNetworkReply;

namespace Coverlib {

// An internal failure, caught by the routine it arose in and reported by RuntimeError.
struct Failure
{
    qint32 number;
    QString description;
    qint32 line;
};

// The numbers of the internal failures (RuntimeError().lngNumber).
enum FailureNumber : qint32 { ErrOverflow = 6, ErrOutOfMemory = 7, ErrTypeMismatch = 13, ErrInternal = 51 };

} // namespace Coverlib

// One object runs one query at a time on its own thread.
class CoverQuery : public clsMain
{
public:
    ~CoverQuery() override;

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

    void setBaseAddress(const QUrl &base) override { m_baseAddress = base; }
    QUrl baseAddress() const override { return m_baseAddress; }
    void setTimeout(int milliseconds) override { m_timeoutMs = qMax(1, milliseconds); }
    int timeout() const override { return m_timeoutMs; }
    void setMaxReplySize(qint64 bytes) override { m_maxReplySize = qMax<qint64>(1, bytes); }
    qint64 maxReplySize() const override { return m_maxReplySize; }

protected:
    // librarySource: the library's name at the head of RuntimeError().strSource.
    explicit CoverQuery(const QString &librarySource);

    // The arguments of the query being run, as Query received them.
    struct QueryArguments
    {
        QString query;
        QString subscription;
        QString locale;
        QString mediaType;
    };

    // Called once a query has reset its state, before WorkStarted; may adjust the arguments.
    virtual void beginQuery(QueryArguments &arguments) { Q_UNUSED(arguments); }
    // Fetches page number page (from 1); 200 when it is in hand to be read, else the status to end with.
    virtual qint32 fetchPage(qint64 page, const QueryArguments &arguments) = 0;
    // Reads the totals of page 1: sizes the slots (setSlotCount) and sets totalPages, at most
    // pageLimit unless that is 0. Returns 200, or the status to end with; may throw Coverlib::Failure.
    virtual qint32 readTotals(qint64 pageLimit, qint32 &totalPages) = 0;
    // Stores the results of the page in hand (storeResults); may throw Coverlib::Failure.
    virtual qint32 readResults(qint64 page) = 0;
    // The text of a status code this source words its own way (400 to 403, 500 to 502); empty for
    // the codes every source words alike.
    virtual QString serviceStatusText(qint32 code) const = 0;
    // A text that may go into a message with any secret removed.
    virtual QString redacted(QString text) const { return text; }

    // "<library> :: clsMain :: <name>()", the source of a runtime error.
    QString routine(const char *name) const;
    // Records the exception being handled as the query's runtime error of routine source. Call it
    // only from a catch block; an exception of another kind than a Failure or a standard exception
    // goes on.
    void recordFailure(const QString &source);

    void setSlotCount(qint32 count);
    // Stores count results of page into that page's perPage slots: fill(index, slot) reads result
    // index into m_items[slot]. A result that would land in another page's slot or past the last
    // slot is not stored. Input runs before each result; returns 600 when the query was cancelled.
    template <typename Fill>
    qint32 storeResults(qint64 page, qint32 perPage, qsizetype count, Fill fill)
    {
        for (qsizetype i = 0; i < count; ++i) {
            letInputRun();
            const qint64 slot = (page - 1) * perPage + i;
            if (i < perPage && slot < m_slotCount)
                fill(i, qint32(slot));
            if (m_cancel)
                return 600;
        }
        return 200;
    }

    // A GET request of address that follows at most five redirects, none to a less safe scheme.
    static QNetworkRequest serviceRequest(const QUrl &address);
    // Whether address is an http or https address with a host; if not, XMLError says so (the
    // address written with shownAs) and the page counts as not loaded.
    bool acceptAddress(const QUrl &address, QUrl::FormattingOptions shownAs = QUrl::PrettyDecoded);

    enum class Download { Received, Failed, Cancelled };
    struct Downloaded
    {
        Download outcome = Download::Failed;
        std::unique_ptr<QNetworkReply> reply; // Received: the finished reply (status, headers)
        QByteArray body;                      // Received: the whole body, at most maxReplySize()
    };
    // Sends request and waits for its complete reply in a local event loop, so the caller's windows
    // stay alive and Cancel reaches the query. Received: a reply arrived, maybe an HTTP error.
    // Failed: the time-out passed, the reply was too large or the transfer failed; XMLError says
    // why. Cancelled: the query was cancelled and XMLError is Aborted.
    Downloaded download(const QNetworkRequest &request);
    // Runs loop until it quits or the query is cancelled.
    void waitIn(QEventLoop &loop);
    void noteCancelled();
    bool cancelled() const { return m_cancel; }
    // Clears the outcome of the call before and a Cancel that came after it, for a request made
    // outside Query.
    void beginRequest();

    // Lets queued input (a Cancel button) run between results without blocking.
    static void letInputRun();

    bool m_imageFound = false;
    Coverfetch::AWSError m_awsError;
    // Slots are kept sparsely: a reply may announce a huge number of results, while only the pages
    // actually fetched take memory.
    QHash<qint32, Coverfetch::AWSItem> m_items;
    Coverfetch::RuntimeError m_runtimeError;
    Coverfetch::XMLParseError m_xmlError;
    QUrl m_baseAddress;

private:
    qint32 runQuery(QueryArguments arguments, qint32 pagesToProcess);
    qint32 parsePage(qint64 page);

    const QString m_librarySource;
    std::unique_ptr<QNetworkAccessManager> m_network; // stands for the reply reader: it exists or not
    clsMainEvents *m_sink = nullptr;
    QEventLoop *m_wait = nullptr; // the loop a running query waits in, for Cancel

    bool m_cancel = false;
    bool m_slotsSized = false;
    qint32 m_slotCount = 0;

    int m_timeoutMs = 30000;
    qint64 m_maxReplySize = 4 * 1024 * 1024;
};
