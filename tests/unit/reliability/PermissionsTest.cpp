// File permissions as an ordinary user meets them: compacting a catalogue the user may not write,
// one deleted underneath, and a settings file that can be written but not read. The tests run as
// root, who may do anything, so the program under test runs as a child under another user id.

#include "Catalogue.h"
#include "CatalogueMaintenance.h"
#include "CatalogueSession.h"
#include "GTestSupport.h"
#include "TestCatalogue.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;
constexpr gid_t NoGroup = 65534;

struct FileState {
    bool exists = false;
    ino_t inode = 0;
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    QByteArray bytes;
};

FileState stateOf(const QString &path)
{
    FileState s;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return s;
    s.exists = true;
    s.inode = st.st_ino;
    s.mode = st.st_mode & 07777;
    s.owner = st.st_uid;
    s.group = st.st_gid;
    QFile f(path);
    if (f.open(QIODevice::ReadOnly))
        s.bytes = f.readAll();
    return s;
}

class Permissions : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty())
            GTEST_SKIP() << "setpriv is not installed: these tests need it to run the program as an ordinary user";
        if (::geteuid() != 0)
            GTEST_SKIP() << "the tests must run as root to start the program under another user id";
        // A folder the other user may make files in.
        folder = t.path(QStringLiteral("shared"));
        ASSERT_EQ(::chmod(QFile::encodeName(t.folder()).constData(), 0755), 0);
        ASSERT_EQ(::mkdir(QFile::encodeName(folder).constData(), 0777), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    }

    // Runs the child as the other user; its standard output, line by line.
    QStringList runAsNobody(const QStringList &args, const std::function<void(QProcess &)> &between = {})
    {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), folder);
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        child.setProcessEnvironment(env);
        child.start(setpriv, QStringList{QStringLiteral("--reuid=%1").arg(Nobody), QStringLiteral("--regid=%1").arg(NoGroup),
                                         QStringLiteral("--clear-groups"), QStringLiteral(CINELOG_UNPRIVILEGED_CHILD)}
                                 + args);
        EXPECT_TRUE(child.waitForStarted(10000));
        if (between) {
            while (!child.canReadLine() && child.waitForReadyRead(20000)) {
            }
            between(child);
        }
        EXPECT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.exitCode(), 0);
        return QString::fromUtf8(child.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QString catalogue(const QString &name)
    {
        const QString path = folder + QLatin1Char('/') + name;
        EXPECT_TRUE(createCatalogue(path));
        Catalogue cat;
        EXPECT_TRUE(cat.open(path).opened());
        cat.transaction([&] {
            for (int i = 0; i < 200; ++i)
                cat.exec(QStringLiteral("INSERT INTO Movies (Title, CoverData) VALUES (?, randomblob(500))"), {QStringLiteral("M%1").arg(i)});
        });
        cat.exec(QStringLiteral("DELETE FROM Movies WHERE ID % 2 = 0"));
        return path;
    }

    void setOwnerAndMode(const QString &path, uid_t owner, gid_t group, mode_t mode)
    {
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), owner, group), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
    }

    GTestContext t;
    QString setpriv;
    QString folder;
};

// A catalogue the user may not write is left exactly as it is; one the user may write is
// compacted and keeps its mode and owner.
TEST_F(Permissions, CompactOnlyReplacesACatalogueTheUserMayWriteAndKeepsItsModeAndOwner)
{
    struct Case {
        const char *name;
        uid_t owner;
        mode_t mode;
        bool compacts;
    };
    const Case cases[] = {
        {"another user's, readable by all", 0, 0644, false},
        {"the user's own, read-only", Nobody, 0444, false},
        {"the user's own, group-readable", Nobody, 0640, true},
        {"the user's own, private", Nobody, 0600, true},
    };
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = catalogue(QStringLiteral("c%1.cnlg").arg(n++));
        setOwnerAndMode(path, c.owner, NoGroup, c.mode);
        const FileState before = stateOf(path);
        const QStringList out = runAsNobody({QStringLiteral("compact"), path});
        ASSERT_FALSE(out.isEmpty());
        const FileState after = stateOf(path);
        ASSERT_TRUE(after.exists);
        EXPECT_EQ(after.mode, c.mode);
        EXPECT_EQ(after.owner, c.owner);
        EXPECT_EQ(after.group, NoGroup);
        if (c.compacts) {
            EXPECT_EQ(out.last(), QStringLiteral("ok"));
            EXPECT_NE(after.inode, before.inode);
            EXPECT_LT(after.bytes.size(), before.bytes.size());
        } else {
            EXPECT_TRUE(out.last().startsWith(QStringLiteral("error %1 ").arg(ErrorNumber::PermissionDenied))) << qPrintable(out.last());
            EXPECT_TRUE(out.last().contains(QLatin1String("read-only"))) << qPrintable(out.last());
            EXPECT_EQ(after.inode, before.inode);
            EXPECT_EQ(after.bytes, before.bytes);
        }
    }
    // No working copy is left behind by the refusals.
    EXPECT_EQ(QDir(folder).entryList({QStringLiteral(".*compact*")}, QDir::Files | QDir::Hidden), QStringList());
}

// A catalogue deleted while it is open is not brought back by compacting it.
TEST_F(Permissions, CompactNeverBringsBackADeletedCatalogue)
{
    const QString path = catalogue(QStringLiteral("gone.cnlg"));
    setOwnerAndMode(path, Nobody, NoGroup, 0600);
    const QStringList out = runAsNobody({QStringLiteral("compact"), path, QStringLiteral("wait")}, [&](QProcess &child) {
        EXPECT_TRUE(QFile::remove(path));
        child.write("go\n");
        child.closeWriteChannel();
    });
    ASSERT_EQ(out.size(), 2);
    EXPECT_EQ(out.first(), QStringLiteral("open"));
    EXPECT_TRUE(out.last().startsWith(QStringLiteral("error %1 ").arg(CatalogueError::Replaced))) << qPrintable(out.last());
    EXPECT_FALSE(QFile::exists(path));
}

// Root compacting another user's catalogue gives it back to that user.
TEST_F(Permissions, CompactByAnotherUserKeepsTheOwner)
{
    const QString path = catalogue(QStringLiteral("theirs.cnlg"));
    setOwnerAndMode(path, Nobody, NoGroup, 0640);
    Catalogue cat;
    ASSERT_TRUE(cat.open(path).opened());
    ASSERT_NO_THROW(compactCatalogue(cat));
    cat.close();
    const FileState after = stateOf(path);
    EXPECT_EQ(after.owner, Nobody);
    EXPECT_EQ(after.group, NoGroup);
    EXPECT_EQ(after.mode, mode_t(0640));
}

// A settings file the user may write but not read is never rewritten from the little the program
// knows of it.
TEST_F(Permissions, SettingsThatCouldNotBeReadAreNotWritten)
{
    const QString path = folder + QStringLiteral("/settings.ini");
    QByteArray content = "[Options]\nLastDB=/home/ann/films.cnlg\nLastFolder=/home/ann\n[Recent]\n";
    for (int i = 0; i < 20; ++i)
        content += "File" + QByteArray::number(i) + "=/home/ann/c" + QByteArray::number(i) + ".cnlg\n";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    setOwnerAndMode(path, Nobody, NoGroup, 0200);
    const QStringList out = runAsNobody({QStringLiteral("ini"), path, QStringLiteral("Options"), QStringLiteral("LastDB"),
                                         QStringLiteral("/elsewhere.cnlg")});
    EXPECT_EQ(out, QStringList({QStringLiteral("read "), QStringLiteral("write 0")}));
    EXPECT_EQ(stateOf(path).bytes, content);

    // Readable again, the same write goes in and keeps the rest.
    setOwnerAndMode(path, Nobody, NoGroup, 0600);
    const QStringList again = runAsNobody({QStringLiteral("ini"), path, QStringLiteral("Options"), QStringLiteral("LastDB"),
                                           QStringLiteral("/elsewhere.cnlg")});
    EXPECT_EQ(again, QStringList({QStringLiteral("read /home/ann/films.cnlg"), QStringLiteral("write 1")}));
    QByteArray expected = content;
    expected.replace("LastDB=/home/ann/films.cnlg", "LastDB=/elsewhere.cnlg");
    EXPECT_EQ(stateOf(path).bytes, expected);
}

} // namespace
