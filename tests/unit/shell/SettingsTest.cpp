#include "AppContext.h"
#include "GTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QStringList sectionsOf(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    QStringList out;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith('['))
            out << QString::fromUtf8(line.trimmed());
    return out;
}

} // namespace

TEST(DoDefaults, FirstRunWritesEverySectionButNoRecentList)
{
    GTestContext t;
    DoDefaults(t.ctx());
    EXPECT_EQ(sectionsOf(t.ctx().INIPath),
              (QStringList{"[Reelbase]", "[SearchList]", "[MovieLoans]", "[Options]", "[frmLoans]"}));
    AppContext &c = t.ctx();
    EXPECT_EQ(c.ReadINI("Reelbase", "1"), "630");
    EXPECT_EQ(c.ReadINI("Reelbase", "15"), "5280");
    EXPECT_EQ(c.ReadINI("Reelbase", "16"), "1440");
    EXPECT_EQ(c.ReadINI("Reelbase", "Width"), "12045");
    EXPECT_EQ(c.ReadINI("Reelbase", "Height"), "9435");
    EXPECT_EQ(c.ReadINI("SearchList", "2"), "3210");
    EXPECT_EQ(c.ReadINI("SearchList", "16"), "1500");
    EXPECT_EQ(c.ReadINI("MovieLoans", "6"), "1440");
    EXPECT_EQ(c.ReadINI("MovieLoans", "7"), "");
    EXPECT_EQ(c.ReadINI("Options", "AutoLoad"), "1");
    EXPECT_TRUE(c.ReadINI("Options", "PDFFolder").endsWith('/'));
    EXPECT_EQ(c.ReadINI("frmLoans", "Show"), "Movies Loaned Out");
    EXPECT_EQ(c.ReadINI("Options", "LastDB"), "");
    EXPECT_EQ(c.ReadINI("Options", "LastFolder"), "");
    EXPECT_TRUE(t.logLines().isEmpty());
}

TEST(DoDefaults, UnwritableSettingsAreLoggedNotThrown)
{
    GTestContext t;
    t.ctx().ini().setPath(t.path("missing-folder/reelbase.ini"));
    DoDefaults(t.ctx());
    ASSERT_EQ(t.logLines().size(), 1);
    EXPECT_TRUE(t.logLines().first().contains("| DoDefaults: "));
    EXPECT_EQ(t.prompts.messages().size(), 1);
}

// The recent list: where the shift starts depends only on the first entry that still exists
// (an unset one counts as existing) and differs from the new path.
TEST(WriteDBList, Shifts)
{
    struct Case {
        const char *name;
        QStringList before; // db1..db5; "!" prefix: a path whose file does not exist
        QString theDB;
        QStringList after;
    };
    GTestContext t;
    const QString a = t.path("a.cnlg"), b = t.path("b.cnlg"), c = t.path("c.cnlg"), d = t.path("d.cnlg"),
                  e = t.path("e.cnlg"), n = t.path("new.cnlg"), gone = t.path("gone.cnlg");
    for (const QString &p : {a, b, c, d, e, n}) {
        QFile f(p);
        f.open(QIODevice::WriteOnly);
    }
    const std::vector<Case> cases = {
        {"new path pushes everything down, db5 drops out", {a, b, c, d, e}, n, {n, a, b, c, d}},
        {"same path as db1 again", {a, b, c, d, e}, a, {a, b, c, d, ""}},
        {"same path again, only db1 set", {a, "", "", "", ""}, a, {a, "", "", "", ""}},
        {"empty list", {"", "", "", "", ""}, n, {n, "", "", "", ""}},
        {"empty new path", {a, b, "", "", ""}, "", {"", a, b, "", ""}},
        {"a missing db1 is skipped", {gone, b, c, d, e}, n, {n, b, c, d, ""}},
        {"only db4 qualifies", {gone, gone, gone, d, e}, n, {n, d, "", "", ""}},
        {"nothing qualifies: db2 to db5 stay", {gone, gone, gone, gone, e}, n, {n, gone, gone, gone, e}},
        {"same path later in the list is not tested", {a, n, c, d, e}, n, {n, a, n, c, d}},
    };
    for (const Case &cs : cases) {
        for (int i = 0; i < 5; ++i)
            t.ctx().WriteINI("DBLists", QStringLiteral("db%1").arg(i + 1), cs.before[i]);
        RecentList::WriteDBList(t.ctx(), cs.theDB);
        EXPECT_EQ(RecentList::read(t.ctx()), cs.after) << cs.name;
    }
}

TEST(Guard, LogsTheLabelAndShowsTheMessage)
{
    GTestContext t;
    EXPECT_FALSE(t.ctx().guard("frmMain - mnuCleanDB_Click", [] { throw CinelogError(424, "Object required"); }));
    EXPECT_TRUE(t.ctx().guard("frmMain - mnuSave_Click", [] {}));
    ASSERT_EQ(t.logLines().size(), 1);
    EXPECT_EQ(t.logLines().first(),
              "Dec 09, 2025 | 03:42 PM User: tester | frmMain - mnuCleanDB_Click: Object required, Err.Number: 424");
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown().first().text, "Object required\rThis error has been logged.");
    EXPECT_EQ(t.prompts.shown().first().title, "Error 424 frmMain - mnuCleanDB_Click");
}

namespace {

// Points HOME and XDG_CONFIG_HOME at a temporary folder while it lives.
struct TemporaryHome {
    QTemporaryDir dir;
    QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    TemporaryHome()
    {
        qputenv("HOME", dir.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral(".config")).toLocal8Bit());
    }
    ~TemporaryHome()
    {
        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
    }
};

} // namespace

TEST(DoDefaults, PdfFolderIsTheDocumentsFolderOnlyWhenItExists)
{
    TemporaryHome home;
    {
        GTestContext t;
        DoDefaults(t.ctx());
        EXPECT_EQ(t.ctx().ReadINI("Options", "PDFFolder"), home.dir.path() + '/');
    }
    ASSERT_TRUE(QDir(home.dir.path()).mkdir(QStringLiteral("Documents")));
    GTestContext t;
    DoDefaults(t.ctx());
    EXPECT_EQ(t.ctx().ReadINI("Options", "PDFFolder"), home.dir.filePath(QStringLiteral("Documents")) + '/');
}

TEST(Settings, FolderIsCinelogInTheConfigurationFolderUnlessPortable)
{
    TemporaryHome home;
    QTemporaryDir program;
    EXPECT_EQ(AppContext::defaultSettingsFolder(program.path()), home.dir.filePath(QStringLiteral(".config/Cinelog")));
    QFile ini(QDir(program.path()).filePath(QStringLiteral("reelbase.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.close();
    EXPECT_EQ(AppContext::defaultSettingsFolder(program.path()), program.path());
}

TEST(Settings, ExistingFolderOrHome)
{
    TemporaryHome home;
    const QString sub = home.dir.filePath(QStringLiteral("films"));
    ASSERT_TRUE(QDir().mkpath(sub));
    QFile file(home.dir.filePath(QStringLiteral("a.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const struct {
        QString folder, expected;
    } cases[] = {
        {sub, sub},
        {home.dir.filePath(QStringLiteral("gone")), home.dir.path()},
        {home.dir.filePath(QStringLiteral("gone/deeper")), home.dir.path()},
        {file.fileName(), home.dir.path()}, // a file is not a folder
        {QString(), home.dir.path()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(existingFolderOrHome(c.folder), c.expected) << c.folder.toStdString();
}
