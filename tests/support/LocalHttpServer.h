#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QUrl>
#include <QUrlQuery>

#include <functional>
#include <optional>

class QTcpSocket;

// A small real HTTP/1.1 server for tests, listening on 127.0.0.1 on a free port. It serves canned
// replies chosen by path and query, can delay a reply or never send it, and records every request.
//
// It runs on the event loop of the thread that created it: the client under test must let events run
// while it waits (QNetworkAccessManager with a QEventLoop does; a blocking client would hang).
// Every reply closes its connection ("Connection: close").
//
//     LocalHttpServer server;                           // listening at once; check isListening()
//     server.addRoute("/onca/xml", {{"ItemPage", "2"}}, LocalHttpServer::Reply::xml(page2));
//     server.addRoute("/slow", LocalHttpServer::Reply::never());
//     QUrl base = server.baseUrl();                     // http://127.0.0.1:<port>
//     ... run the client against base ...
//     server.requests().size(); server.requests().first().query.queryItemValue("Keywords");
class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Reply
    {
        int status = 200;
        QByteArray reason;   // empty: the usual phrase for the status
        QList<QPair<QByteArray, QByteArray>> headers; // extra headers; Content-Length is added
        QByteArray body;
        int delayMs = 0;     // wait this long before answering
        bool neverAnswer = false; // accept the request and keep the connection open without a reply

        static Reply xml(const QByteArray &body, int status = 200);
        static Reply text(const QByteArray &body, int status = 200, const QByteArray &contentType = "text/plain");
        // The contents of a file (an empty 500 reply when it cannot be read).
        static Reply file(const QString &path, const QByteArray &contentType = "text/xml");
        static Reply never();
    };

    struct Request
    {
        QByteArray method;
        QByteArray target;   // the request target exactly as sent, still percent-encoded
        QString path;        // decoded path of the target
        QUrlQuery query;     // query of the target (queryItemValue(key, QUrl::FullyDecoded) to read values)
        QHash<QByteArray, QByteArray> headers; // names lower-cased
        QByteArray body;
    };

    explicit LocalHttpServer(QObject *parent = nullptr);
    ~LocalHttpServer() override;

    bool isListening() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }
    QUrl baseUrl() const;
    // baseUrl() with the given path and (already encoded) query, e.g. url("/a?b=c").
    QUrl url(const QString &pathAndQuery) const;

    // Replies for requests whose path equals path and whose query holds every given item (decoded
    // values compared). The first matching route, in the order added, answers.
    void addRoute(const QString &path, const Reply &reply);
    void addRoute(const QString &path, const QList<QPair<QString, QString>> &queryItems, const Reply &reply);
    void clearRoutes();
    // Answers a request before the routes are looked at (a reply that depends on time or on the
    // requests before, such as a rate limit); nullopt leaves it to the routes.
    using Responder = std::function<std::optional<Reply>(const Request &request)>;
    void setResponder(Responder responder) { m_responder = std::move(responder); }
    // The reply when no route matches (default: 404 with an empty body).
    void setFallback(const Reply &reply) { m_fallback = reply; }

    // Every request received so far, in order of arrival.
    QList<Request> requests() const { return m_requests; }
    // Requests whose client went away before their reply was sent (aborted or timed out).
    int abandonedRequests() const { return m_abandoned; }

    // Stops listening and drops every open connection.
    void close();

signals:
    // Emitted when a complete request has arrived, before it is answered.
    void requestReceived(const LocalHttpServer::Request &request);

private:
    struct Route
    {
        QString path;
        QList<QPair<QString, QString>> queryItems;
        Reply reply;
    };
    struct Connection
    {
        QByteArray buffer;
        bool answered = false;
        bool gotRequest = false;
    };

    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    const Reply &replyFor(const Request &request) const;
    void send(QTcpSocket *socket, const Reply &reply);

    QTcpServer m_server;
    QList<Route> m_routes;
    Responder m_responder;
    Reply m_fallback{404, {}, {}, {}, 0, false};
    QList<Request> m_requests;
    QHash<QTcpSocket *, Connection> m_connections;
    int m_abandoned = 0;
};
