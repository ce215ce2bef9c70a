#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QLocalServer;
class QLocalSocket;
class QTimer;

// One running program per user. The first start listens on a local socket; a later start hands its
// catalogue path to it and ends. Requests, handed over or local, are delivered one at a time through
// fileRequested, and only while the program is idle (see setIdleCheck), never from inside another
// request or a dialog.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Role {
        Primary,    // listening: later starts hand their files to this one
        HandedOver, // a running program took the request; this start should end
        Standalone, // neither (the socket could not be set up): run on its own
    };

    // serverName: a name for QLocalServer or a full socket path; see defaultServerName().
    explicit SingleInstance(const QString &serverName, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The user's own socket in the runtime folder ($XDG_RUNTIME_DIR), so another user's program
    // cannot take the name. CINELOG_INSTANCE_NAME overrides it (tests give each run its own).
    static QString defaultServerName();

    // Hands path (empty: just bring the running window forward) to a running program, or starts
    // listening. Waits at most timeoutMs for each step. *error says why on Standalone.
    Role start(const QString &path, int timeoutMs = 3000, QString *error = nullptr);
    QString serverName() const { return m_name; }

    // Queues a request of this program itself (the file of its own command line).
    void request(const QString &path);
    // Returns true when a request may be delivered now. Without one, any time outside a nested
    // event loop (a dialog) is idle.
    void setIdleCheck(std::function<bool()> idle) { m_idle = std::move(idle); }
    int pendingCount() const { return int(m_pending.size()); }

    // The largest request accepted, in bytes.
    static constexpr int MaxRequestBytes = 64 * 1024;

signals:
    // path is absolute, or empty for "come to the front".
    void fileRequested(const QString &path);

private:
    void acceptConnections();
    void readRequest(QLocalSocket *socket);
    void deliverWhenIdle();
    bool isIdle() const;

    QString m_name;
    QLocalServer *m_server = nullptr;
    QTimer *m_poll = nullptr;
    QStringList m_pending;
    std::function<bool()> m_idle;
    bool m_delivering = false;
};
