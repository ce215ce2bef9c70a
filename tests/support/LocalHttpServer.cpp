#include "LocalHttpServer.h"

#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr qsizetype MaxHeaderBytes = 64 * 1024;

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

} // namespace

LocalHttpServer::Reply LocalHttpServer::Reply::xml(const QByteArray &body, int status)
{
    return text(body, status, "text/xml; charset=UTF-8");
}

LocalHttpServer::Reply LocalHttpServer::Reply::text(const QByteArray &body, int status, const QByteArray &contentType)
{
    Reply reply;
    reply.status = status;
    reply.headers << qMakePair(QByteArray("Content-Type"), contentType);
    reply.body = body;
    return reply;
}

LocalHttpServer::Reply LocalHttpServer::Reply::file(const QString &path, const QByteArray &contentType)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return text(QByteArray(), 500);
    return text(f.readAll(), 200, contentType);
}

LocalHttpServer::Reply LocalHttpServer::Reply::never()
{
    Reply reply;
    reply.neverAnswer = true;
    return reply;
}

LocalHttpServer::LocalHttpServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::onNewConnection);
    m_server.listen(QHostAddress::LocalHost, 0);
}

LocalHttpServer::~LocalHttpServer()
{
    close();
}

QUrl LocalHttpServer::baseUrl() const
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(port());
    return url;
}

QUrl LocalHttpServer::url(const QString &pathAndQuery) const
{
    return baseUrl().resolved(QUrl(pathAndQuery, QUrl::StrictMode));
}

void LocalHttpServer::addRoute(const QString &path, const Reply &reply)
{
    m_routes << Route{path, {}, reply};
}

void LocalHttpServer::addRoute(const QString &path, const QList<QPair<QString, QString>> &queryItems, const Reply &reply)
{
    m_routes << Route{path, queryItems, reply};
}

void LocalHttpServer::clearRoutes()
{
    m_routes.clear();
}

void LocalHttpServer::close()
{
    m_server.close();
    const QList<QTcpSocket *> sockets = m_connections.keys();
    for (QTcpSocket *socket : sockets) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    m_connections.clear();
}

void LocalHttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        m_connections.insert(socket, Connection{});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            const auto it = m_connections.constFind(socket);
            if (it != m_connections.constEnd()) {
                if (it->gotRequest && !it->answered)
                    ++m_abandoned;
                m_connections.erase(it);
            }
            socket->deleteLater();
        });
    }
}

void LocalHttpServer::onReadyRead(QTcpSocket *socket)
{
    auto it = m_connections.find(socket);
    if (it == m_connections.end())
        return;
    Connection &conn = *it;
    conn.buffer += socket->readAll();
    if (conn.gotRequest)
        return; // one request per connection; anything after it is ignored
    const qsizetype headerEnd = conn.buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        if (conn.buffer.size() > MaxHeaderBytes)
            socket->abort();
        return;
    }

    Request request;
    const QList<QByteArray> lines = conn.buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    const qsizetype length = request.headers.value("content-length").toLongLong();
    const qsizetype bodyStart = headerEnd + 4;
    if (conn.buffer.size() - bodyStart < length)
        return; // wait for the rest of the body
    request.body = conn.buffer.mid(bodyStart, length);

    const QUrl target = QUrl::fromEncoded(request.target, QUrl::TolerantMode);
    request.path = target.path(QUrl::FullyDecoded);
    request.query = QUrlQuery(target.query(QUrl::FullyEncoded));
    conn.gotRequest = true;

    m_requests << request;
    QPointer<QTcpSocket> guard(socket);
    emit requestReceived(request);
    if (!guard || !m_connections.contains(socket))
        return;

    std::optional<Reply> answered = m_responder ? m_responder(request) : std::nullopt;
    const Reply reply = answered ? *answered : replyFor(request);
    if (reply.neverAnswer)
        return;
    if (reply.delayMs > 0) {
        QTimer::singleShot(reply.delayMs, socket, [this, guard, reply] {
            if (guard && m_connections.contains(guard.data()))
                send(guard.data(), reply);
        });
        return;
    }
    send(socket, reply);
}

const LocalHttpServer::Reply &LocalHttpServer::replyFor(const Request &request) const
{
    for (const Route &route : m_routes) {
        if (route.path != request.path)
            continue;
        bool matches = true;
        for (const auto &[key, value] : route.queryItems) {
            if (!request.query.hasQueryItem(key) || request.query.queryItemValue(key, QUrl::FullyDecoded) != value) {
                matches = false;
                break;
            }
        }
        if (matches)
            return route.reply;
    }
    return m_fallback;
}

void LocalHttpServer::send(QTcpSocket *socket, const Reply &reply)
{
    m_connections[socket].answered = true;
    QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + ' '
        + (reply.reason.isEmpty() ? reasonPhrase(reply.status) : reply.reason) + "\r\n";
    for (const auto &[name, value] : reply.headers)
        out += name + ": " + value + "\r\n";
    out += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    out += "Connection: close\r\n\r\n";
    out += reply.body;
    socket->write(out);
    socket->disconnectFromHost(); // flushes what was written, then closes
}
