#include "PictureDownloader.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

PictureDownloader::PictureDownloader(QObject *parent)
    : QObject(parent)
    , m_nam(new QNetworkAccessManager(this))
{
}

PictureDownloader::~PictureDownloader()
{
    m_queue.clear();
    const auto replies = m_running.keys();
    for (QNetworkReply *reply : replies) {
        m_running[reply].dropped = true;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_running.clear();
}

void PictureDownloader::enqueue(int id, const QUrl &url)
{
    m_queue.emplace_back(id, url);
    // Started from the event loop, so a caller can queue everything before the first one finishes.
    QTimer::singleShot(0, this, &PictureDownloader::pump);
}

void PictureDownloader::pump()
{
    while (m_running.size() < m_maxParallel && !m_queue.empty()) {
        auto [id, url] = m_queue.front();
        m_queue.pop_front();
        const QString scheme = url.scheme().toLower();
        if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty()) {
            emit finished(Result{id, url, {}, tr("Not a web address.")});
            continue;
        }
        start(id, url);
    }
    if (isIdle())
        emit allFinished();
}

void PictureDownloader::start(int id, const QUrl &url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    QNetworkReply *reply = m_nam->get(request);
    Running running;
    running.id = id;
    running.url = url;
    running.timer = new QTimer(reply);
    running.timer->setSingleShot(true);
    connect(running.timer, &QTimer::timeout, this, [this, reply] { fail(reply, tr("The download timed out.")); });
    running.timer->start(m_timeoutMs);
    m_running.insert(reply, running);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] { checkSize(reply); });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { checkSize(reply); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onFinished(reply); });
}

void PictureDownloader::checkSize(QNetworkReply *reply)
{
    const auto it = m_running.constFind(reply);
    if (it == m_running.constEnd() || !it->failure.isEmpty())
        return;
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if ((length.isValid() && length.toLongLong() > m_maxBytes) || reply->bytesAvailable() > m_maxBytes)
        fail(reply, tr("The picture is larger than %1 bytes.").arg(m_maxBytes));
}

void PictureDownloader::fail(QNetworkReply *reply, const QString &why)
{
    auto it = m_running.find(reply);
    if (it == m_running.end() || !it->failure.isEmpty())
        return;
    it->failure = why;
    reply->abort(); // finishes the reply, which reports the failure
}

void PictureDownloader::onFinished(QNetworkReply *reply)
{
    const auto it = m_running.constFind(reply);
    if (it == m_running.constEnd())
        return;
    const Running running = *it;
    m_running.erase(it);
    running.timer->stop();
    Result result{running.id, running.url, {}, running.failure};
    if (result.error.isEmpty()) {
        if (reply->error() != QNetworkReply::NoError)
            result.error = reply->errorString();
        else if (reply->bytesAvailable() > m_maxBytes)
            result.error = tr("The picture is larger than %1 bytes.").arg(m_maxBytes);
        else
            result.bytes = reply->readAll();
    }
    reply->deleteLater();
    if (!running.dropped)
        emit finished(result);
    pump();
}

void PictureDownloader::waitForAll()
{
    if (isIdle())
        return;
    QEventLoop loop;
    connect(this, &PictureDownloader::allFinished, &loop, &QEventLoop::quit);
    loop.exec();
}

void PictureDownloader::abort()
{
    m_queue.clear();
    const auto replies = m_running.keys();
    for (QNetworkReply *reply : replies) {
        auto it = m_running.find(reply);
        if (it == m_running.end())
            continue;
        it->dropped = true;
        if (it->failure.isEmpty())
            it->failure = tr("Cancelled.");
        reply->abort();
    }
    if (isIdle())
        emit allFinished();
}

PictureDownloader::Result PictureDownloader::fetch(const QUrl &url)
{
    Result out{-1, url, {}, tr("Cancelled.")};
    const auto c = connect(this, &PictureDownloader::finished, this, [&out](const Result &r) {
        if (r.id == -1)
            out = r;
    });
    enqueue(-1, url);
    waitForAll();
    disconnect(c);
    return out;
}
