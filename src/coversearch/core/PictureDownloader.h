#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QUrl>

#include <deque>
#include <utility>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// Downloads pictures from web addresses, several at a time, each with a time-out and a size cap.
// Only http and https addresses are fetched: the addresses come from a web service's reply and must
// not reach local files. Work runs on the event loop of the calling thread; waitForAll() lets it run.
class PictureDownloader : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        int id = 0;
        QUrl url;
        QByteArray bytes;
        QString error; // empty when the download succeeded
        bool ok() const { return error.isEmpty(); }
    };

    explicit PictureDownloader(QObject *parent = nullptr);
    ~PictureDownloader() override;

    // Longest time one picture may take, in milliseconds.
    void setTimeout(int ms) { m_timeoutMs = ms > 0 ? ms : 1; }
    int timeout() const { return m_timeoutMs; }
    // Largest picture accepted, in bytes.
    void setMaxBytes(qint64 bytes) { m_maxBytes = bytes > 0 ? bytes : 1; }
    qint64 maxBytes() const { return m_maxBytes; }
    // How many downloads run at the same time.
    void setMaxParallel(int n) { m_maxParallel = n > 0 ? n : 1; }

    // Queues a download; finished(result) reports it with the same id.
    void enqueue(int id, const QUrl &url);
    // Lets events run until every queued download has finished or abort() was called.
    void waitForAll();
    // Drops the queued downloads and stops the running ones; none of them is reported.
    void abort();
    bool isIdle() const { return m_queue.empty() && m_running.isEmpty(); }

    // Downloads one picture and waits for it.
    Result fetch(const QUrl &url);

signals:
    void finished(const PictureDownloader::Result &result);
    void allFinished();

private:
    struct Running
    {
        int id = 0;
        QUrl url;
        QString failure; // set before the reply is aborted on purpose
        bool dropped = false;
        QTimer *timer = nullptr;
    };

    void pump();
    void start(int id, const QUrl &url);
    void fail(QNetworkReply *reply, const QString &why);
    void onFinished(QNetworkReply *reply);
    void checkSize(QNetworkReply *reply);

    QNetworkAccessManager *m_nam;
    std::deque<std::pair<int, QUrl>> m_queue;
    QHash<QNetworkReply *, Running> m_running;
    int m_timeoutMs = 30000;
    qint64 m_maxBytes = 4 * 1024 * 1024;
    int m_maxParallel = 6;
};
