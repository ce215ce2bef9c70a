#include "CommandLine.h"
#include "GTestSupport.h"
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

CommandLine parse(std::initializer_list<const char *> args, const QString &cwd = QStringLiteral("/home/u/films"))
{
    QStringList list{QStringLiteral("cinelog")};
    for (const char *a : args)
        list << QString::fromUtf8(a);
    return CommandLine::parse(list, cwd);
}

} // namespace

TEST(CommandLine, FileArgumentsAndOptions)
{
    struct Case {
        std::initializer_list<const char *> args;
        CommandLine::Action action;
        const char *file;
        bool report;
    };
    const Case cases[] = {
        {{}, CommandLine::Action::Run, "", false},
        {{"home.cnlg"}, CommandLine::Action::Run, "/home/u/films/home.cnlg", false},
        {{"../old/./a b.cnlg"}, CommandLine::Action::Run, "/home/u/old/a b.cnlg", false},
        {{"/srv/x.cnlg"}, CommandLine::Action::Run, "/srv/x.cnlg", false},
        // A file whose name starts with a dash, after the end of the options.
        {{"--", "-odd.cnlg"}, CommandLine::Action::Run, "/home/u/films/-odd.cnlg", false},
        {{"--status-report", "x.cnlg"}, CommandLine::Action::Run, "/home/u/films/x.cnlg", true},
        {{"--help"}, CommandLine::Action::ShowHelp, "", false},
        {{"-h", "x.cnlg"}, CommandLine::Action::ShowHelp, "", false},
        {{"--version"}, CommandLine::Action::ShowVersion, "", false},
        {{"--bogus"}, CommandLine::Action::Error, "", false},
        {{"a.cnlg", "b.cnlg"}, CommandLine::Action::Error, "", false},
    };
    for (const Case &c : cases) {
        const CommandLine cl = parse(c.args);
        SCOPED_TRACE(QStringList([&] { QStringList l; for (auto *a : c.args) l << QString::fromUtf8(a); return l; }()).join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(cl.action, c.action);
        EXPECT_EQ(cl.file, QString::fromUtf8(c.file));
        EXPECT_EQ(cl.statusReport, c.report);
        if (c.action == CommandLine::Action::Error) {
            EXPECT_FALSE(cl.text.isEmpty());
        }
    }
}

TEST(CommandLine, HelpNamesTheFileButNotTheHiddenOption)
{
    const CommandLine cl = parse({"--help"});
    EXPECT_TRUE(cl.text.contains(QStringLiteral("FILE.cnlg"))) << cl.text.toStdString();
    EXPECT_TRUE(cl.text.contains(QStringLiteral("--version")));
    EXPECT_FALSE(cl.text.contains(QStringLiteral("status-report")));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));
    QCoreApplication::setApplicationName(QStringLiteral("Cinelog"));
    EXPECT_EQ(parse({"--version"}).text, QStringLiteral("Cinelog 2.0\n"));
}

namespace {

// Each test has its own socket in its own folder, so test programs running at once do not meet.
struct Instances {
    QTemporaryDir dir;
    QString name() const { return dir.filePath(QStringLiteral("instance")); }
};

void processUntil(const std::function<bool()> &done, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

TEST(SingleInstance, SecondStartHandsItsFileToTheFirst)
{
    Instances in;
    SingleInstance first(in.name());
    ASSERT_EQ(first.start(QStringLiteral("/a/first.cnlg")), SingleInstance::Role::Primary);
    QSignalSpy requested(&first, &SingleInstance::fileRequested);

    SingleInstance second(in.name());
    EXPECT_EQ(second.start(QStringLiteral("/films/second one.cnlg")), SingleInstance::Role::HandedOver);
    SingleInstance third(in.name());
    EXPECT_EQ(third.start(QString()), SingleInstance::Role::HandedOver);

    processUntil([&] { return requested.size() == 2; });
    ASSERT_EQ(requested.size(), 2);
    EXPECT_EQ(requested.at(0).at(0).toString(), QStringLiteral("/films/second one.cnlg"));
    EXPECT_EQ(requested.at(1).at(0).toString(), QString()); // "come to the front"
}

TEST(SingleInstance, SocketLeftByACrashedProgramIsTakenOver)
{
    Instances in;
    // A socket file nobody listens on, as a killed program leaves it.
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(in.name());
        ASSERT_LT(size_t(path.size()), sizeof(addr.sun_path));
        std::memcpy(addr.sun_path, path.constData(), size_t(path.size()));
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof(addr)), 0);
        ::close(fd);
    }
    ASSERT_TRUE(QFileInfo::exists(in.name()));
    SingleInstance first(in.name());
    EXPECT_EQ(first.start(QStringLiteral("/a.cnlg")), SingleInstance::Role::Primary);
    SingleInstance second(in.name());
    EXPECT_EQ(second.start(QStringLiteral("/b.cnlg"), 2000), SingleInstance::Role::HandedOver);
}

TEST(SingleInstance, RequestsWaitUntilTheProgramIsIdleAndComeOneAtATime)
{
    Instances in;
    SingleInstance first(in.name());
    ASSERT_EQ(first.start(QString()), SingleInstance::Role::Primary);
    bool idle = false;
    first.setIdleCheck([&idle] { return idle; });
    QStringList delivered;
    int depth = 0, deepest = 0;
    QObject::connect(&first, &SingleInstance::fileRequested, [&](const QString &path) {
        ++depth;
        deepest = std::max(deepest, depth);
        delivered << path;
        // A handler that lets events run (as long commands do) must not receive the next request.
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 250)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        --depth;
    });
    first.request(QStringLiteral("/own.cnlg"));
    SingleInstance second(in.name());
    ASSERT_EQ(second.start(QStringLiteral("/handed.cnlg")), SingleInstance::Role::HandedOver);

    processUntil([] { return false; }, 300);
    EXPECT_TRUE(delivered.isEmpty()) << "delivered while busy";
    EXPECT_EQ(first.pendingCount(), 2);

    idle = true;
    processUntil([&] { return delivered.size() == 2; });
    EXPECT_EQ(delivered, (QStringList{QStringLiteral("/own.cnlg"), QStringLiteral("/handed.cnlg")}));
    EXPECT_EQ(deepest, 1);
}

TEST(SingleInstance, MalformedRequestsAreDroppedAndTheServerKeepsWorking)
{
    Instances in;
    SingleInstance first(in.name());
    ASSERT_EQ(first.start(QString()), SingleInstance::Role::Primary);
    QSignalSpy requested(&first, &SingleInstance::fileRequested);

    auto send = [&](const QByteArray &bytes) {
        QLocalSocket s;
        s.connectToServer(in.name());
        bool connected = false;
        processUntil([&] { return (connected = s.state() == QLocalSocket::ConnectedState); }, 2000);
        EXPECT_TRUE(connected);
        s.write(bytes);
        s.flush();
        QByteArray answer;
        processUntil([&] { answer += s.readAll(); return !answer.isEmpty() || s.state() == QLocalSocket::UnconnectedState; }, 2000);
        return answer;
    };
    auto frame = [](quint32 size, const QByteArray &body) {
        QByteArray out;
        QDataStream d(&out, QIODevice::WriteOnly);
        d.setByteOrder(QDataStream::BigEndian);
        d << size;
        return out + body;
    };
    // Larger than allowed, a relative path: no answer, nothing delivered.
    EXPECT_TRUE(send(frame(SingleInstance::MaxRequestBytes + 1, QByteArray(16, 'x'))).isEmpty());
    EXPECT_TRUE(send(frame(6, "a.cnlg")).isEmpty());
    processUntil([] { return false; }, 200);
    EXPECT_EQ(requested.size(), 0);

    SingleInstance second(in.name());
    EXPECT_EQ(second.start(QStringLiteral("/ok.cnlg")), SingleInstance::Role::HandedOver);
    processUntil([&] { return requested.size() == 1; });
    ASSERT_EQ(requested.size(), 1);
    EXPECT_EQ(requested.at(0).at(0).toString(), QStringLiteral("/ok.cnlg"));
}

TEST(SingleInstance, DefaultNameIsInTheUsersOwnFolderUnlessOverridden)
{
    const QByteArray saved = qgetenv("CINELOG_INSTANCE_NAME");
    qunsetenv("CINELOG_INSTANCE_NAME");
    const QString name = SingleInstance::defaultServerName();
    EXPECT_TRUE(QDir::isAbsolutePath(name)) << name.toStdString();
    EXPECT_FALSE(QFileInfo(name).absolutePath() == QDir::tempPath()) << "a fixed name in the shared temporary folder";
    qputenv("CINELOG_INSTANCE_NAME", "/x/y");
    EXPECT_EQ(SingleInstance::defaultServerName(), QStringLiteral("/x/y"));
    if (saved.isEmpty())
        qunsetenv("CINELOG_INSTANCE_NAME");
    else
        qputenv("CINELOG_INSTANCE_NAME", saved);
}
