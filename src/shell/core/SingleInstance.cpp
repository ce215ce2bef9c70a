#include "SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

// A request on the wire: a 32-bit big-endian byte count, then the path in UTF-8. The answer is one
// byte, Ack, once the request is queued.
namespace {

constexpr char Ack = 'A';
constexpr int IdlePollMs = 100;
constexpr int StalledClientMs = 5000;

QByteArray encode(const QString &path)
{
    const QByteArray utf8 = path.toUtf8();
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::BigEndian);
    s << quint32(utf8.size());
    out.append(utf8);
    return out;
}

// Runs a local event loop until done() or timeoutMs: the program's own server (in a test, in the
// same thread) keeps working meanwhile.
bool waitFor(QObject *source, const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            return false;
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        auto *socket = qobject_cast<QLocalSocket *>(source);
        QMetaObject::Connection c1, c2, c3;
        if (socket) {
            c1 = QObject::connect(socket, &QLocalSocket::connected, &loop, &QEventLoop::quit);
            c2 = QObject::connect(socket, &QLocalSocket::readyRead, &loop, &QEventLoop::quit);
            c3 = QObject::connect(socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
        }
        timer.start(int(std::min<qint64>(left, 50)));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        QObject::disconnect(c1);
        QObject::disconnect(c2);
        QObject::disconnect(c3);
    }
    return true;
}

QString lockPathFor(const QString &name)
{
    if (QDir::isAbsolutePath(name))
        return name + QStringLiteral(".lock");
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)).filePath(name + QStringLiteral(".lock"));
}

} // namespace

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent), m_name(serverName), m_poll(new QTimer(this))
{
    m_poll->setInterval(IdlePollMs);
    connect(m_poll, &QTimer::timeout, this, &SingleInstance::deliverWhenIdle);
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::defaultServerName()
{
    const QString fromEnv = qEnvironmentVariable("CINELOG_INSTANCE_NAME");
    if (!fromEnv.isEmpty())
        return fromEnv;
    // QStandardPaths makes the runtime folder (mode 0700) when $XDG_RUNTIME_DIR is not set.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::home().filePath(QStringLiteral(".cache"));
    return QDir(folder).filePath(QStringLiteral("org.cinelog.Cinelog.instance"));
}

SingleInstance::Role SingleInstance::start(const QString &path, int timeoutMs, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return Role::Standalone;
    };
    // Two programs started together must not both decide they are the first: the lock makes the
    // check-then-listen one step.
    QLockFile lock(lockPathFor(m_name));
    lock.setStaleLockTime(timeoutMs * 4);
    if (!lock.tryLock(timeoutMs))
        return fail(tr("Another start of the program did not finish in time."));

    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (waitFor(&socket, [&socket] { return socket.state() == QLocalSocket::ConnectedState
                                             || socket.state() == QLocalSocket::UnconnectedState; },
                timeoutMs)
        && socket.state() == QLocalSocket::ConnectedState) {
        socket.write(encode(path));
        const bool answered = waitFor(&socket, [&socket] {
            return socket.bytesAvailable() > 0 || socket.state() != QLocalSocket::ConnectedState;
        }, timeoutMs);
        if (answered && socket.bytesAvailable() > 0 && socket.read(1) == QByteArray(1, Ack))
            return Role::HandedOver;
        return fail(tr("The running program did not answer."));
    }

    // No one answers: a socket file left by a program that crashed is removed before listening.
    QLocalServer::removeServer(m_name);
    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_name)) {
        const QString why = server->errorString();
        delete server;
        return fail(why);
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return Role::Primary;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        // A client that connects and never finishes its request is dropped.
        QTimer::singleShot(StalledClientMs, socket, [socket] { socket->abort(); });
        readRequest(socket);
    }
}

void SingleInstance::readRequest(QLocalSocket *socket)
{
    if (socket->property("answered").toBool())
        return;
    if (socket->bytesAvailable() < 4)
        return;
    QDataStream s(socket->peek(4));
    s.setByteOrder(QDataStream::BigEndian);
    quint32 size = 0;
    s >> size;
    if (size > quint32(MaxRequestBytes)) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < qint64(4 + size))
        return;
    socket->read(4);
    const QByteArray utf8 = socket->read(size);
    socket->setProperty("answered", true);
    // Only absolute paths: a relative one would be read against this program's folder, not the
    // sender's.
    QString path = QString::fromUtf8(utf8);
    if (!path.isEmpty() && !QDir::isAbsolutePath(path)) {
        socket->abort();
        return;
    }
    request(path);
    socket->write(&Ack, 1);
    socket->flush();
    socket->disconnectFromServer();
}

void SingleInstance::request(const QString &path)
{
    m_pending.append(path);
    if (!m_poll->isActive())
        m_poll->start();
    QTimer::singleShot(0, this, &SingleInstance::deliverWhenIdle);
}

bool SingleInstance::isIdle() const
{
    if (m_delivering)
        return false;
    if (m_idle)
        return m_idle();
    return QThread::currentThread()->loopLevel() <= 1;
}

void SingleInstance::deliverWhenIdle()
{
    while (!m_pending.isEmpty() && isIdle()) {
        const QString path = m_pending.takeFirst();
        struct Busy {
            bool &flag;
            explicit Busy(bool &f) : flag(f) { flag = true; }
            ~Busy() { flag = false; }
        } busy(m_delivering);
        emit fileRequested(path);
    }
    if (m_pending.isEmpty())
        m_poll->stop();
}
