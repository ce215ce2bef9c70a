#include "Program.h"
#include "TestCatalogue.h"
#include "TestContext.h"
#include "MovieEditor.h"
#include "MovieListModel.h"
#include "WidgetTestSupport.h"
#include "frmOptions.h"
#include "frmSplash.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeView>
#include <memory>

// The program as its start-up routine composes it (the real main window with the program's own
// wiring), on a temporary configuration folder and home.
class ProgramTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void settingsLeftInTheDoubledFolderAreMovedUnchanged();
    void settingsAlreadyInPlaceAreNotReplaced();
    void firstRunWritesTheDocumentedPath();
    void editsAfterRefreshAreSavedToTheShownMovie();
    void editsAfterDeleteAreSavedAsANewMovie();
    void editsAfterTheShownMovieVanishedBecomeANewMovie();
    void clickingTheShownMovieOffersToSaveAndReloadsIt();
    void optionsOpensOnce();

private:
    QString config() const { return m_root->filePath(QStringLiteral("config")); }
    QString programFolder() const { return m_root->filePath(QStringLiteral("program")); }
    // Starts the program; prompts that nobody expected fail the test.
    std::unique_ptr<Program> start(bool reopenLast = false)
    {
        AppContext::Services services;
        services.prompts = &m_prompts;
        services.urlOpener = &m_urls;
        auto p = std::make_unique<Program>(programFolder(), services);
        p->start(reopenLast);
        if (frmSplash *s = frmSplash::instance())
            s->close();
        return p;
    }
    // A catalogue with these titles (IDs 1, 2, ... in that order), opened in the program.
    QString openCatalogue(Program &p, const QStringList &titles)
    {
        const QString path = m_root->filePath(QStringLiteral("films.cnlg"));
        {
            Catalogue c;
            if (!createCatalogue(path) || !c.open(path).opened())
                return {};
            for (const QString &t : titles)
                c.exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy) VALUES (?, ?)"), {t, t});
        }
        p.mainWindow.openCatalogueFile(path);
        return path;
    }
    static QStringList titles(Program &p)
    {
        QStringList out;
        QSqlQuery q = p.catalogue.exec(QStringLiteral("SELECT Title FROM Movies ORDER BY ID"));
        while (q.next())
            out << q.value(0).toString();
        return out;
    }
    static void select(Program &p, const QString &title)
    {
        MovieListModel *m = p.mainWindow.movieModel();
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->text(r, MovieListModel::ColTitle) == title)
                p.mainWindow.lvMovies->setCurrentIndex(m->index(r, 0));
    }
    static void typeTitle(Program &p, const QString &text)
    {
        p.mainWindow.editor()->txtTitle->selectAll();
        QTest::keyClicks(p.mainWindow.editor()->txtTitle, text);
    }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> m_root;
    QByteArray m_oldConfig, m_oldHome;
    ScriptedPrompts m_prompts{[](const QString &why) { QTest::qFail(qPrintable(why), __FILE__, __LINE__); }};
    RecordingUrlOpener m_urls;
};

void ProgramTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QDir().mkpath(programFolder());
    QDir().mkpath(m_root->filePath(QStringLiteral("home")));
    m_oldConfig = qgetenv("XDG_CONFIG_HOME");
    m_oldHome = qgetenv("HOME");
    qputenv("XDG_CONFIG_HOME", config().toLocal8Bit());
    qputenv("HOME", m_root->filePath(QStringLiteral("home")).toLocal8Bit());
    m_prompts.clear();
}

void ProgramTest::cleanup()
{
    qputenv("XDG_CONFIG_HOME", m_oldConfig);
    qputenv("HOME", m_oldHome);
    QVERIFY(!m_prompts.hasPendingAnswers());
    m_root.reset();
}

void ProgramTest::settingsLeftInTheDoubledFolderAreMovedUnchanged()
{
    // Bytes an INI reader would rewrite: a BOM-less Latin-1 letter, CR LF and LF line ends, a
    // section in odd case, trailing blanks.
    const QByteArray ini = "[options]\r\nLastDB = /nowhere/films.cnlg  \r\nPDFFolder=/tmp/caf\xe9\n[Reelbase]\r\n1=630\r\n";
    const QByteArray log = "12/09/2025 3:42:00 PM\tann\t5\tInvalid procedure call\tfrmMain Form_Load\r\n";
    const QString doubled = config() + QStringLiteral("/Cinelog/Cinelog");
    writeFile(doubled + QStringLiteral("/reelbase.ini"), ini);
    writeFile(doubled + QStringLiteral("/examErr.log"), log);

    auto p = start();
    const QString folder = config() + QStringLiteral("/Cinelog");
    QCOMPARE(p->ctx.INIPath, folder + QStringLiteral("/reelbase.ini"));
    QCOMPARE(readFile(folder + QStringLiteral("/reelbase.ini")), ini);
    QCOMPARE(readFile(folder + QStringLiteral("/examErr.log")), log);
    QVERIFY(!QFileInfo::exists(doubled));
    // The moved file is the one the program reads: no first-run defaults were written over it.
    QCOMPARE(p->ctx.ReadINI(QStringLiteral("Options"), QStringLiteral("LastDB")), QStringLiteral("/nowhere/films.cnlg"));
    QCOMPARE(p->ctx.ReadINI(QStringLiteral("SearchList"), QStringLiteral("1")), QString());
}

void ProgramTest::settingsAlreadyInPlaceAreNotReplaced()
{
    const QString folder = config() + QStringLiteral("/Cinelog");
    writeFile(folder + QStringLiteral("/reelbase.ini"), "[Options]\r\nAutoLoad=0\r\n");
    writeFile(folder + QStringLiteral("/Cinelog/reelbase.ini"), "[Options]\r\nAutoLoad=1\r\n");
    writeFile(folder + QStringLiteral("/Cinelog/examErr.log"), "old line\r\n");

    auto p = start();
    QCOMPARE(readFile(folder + QStringLiteral("/reelbase.ini")), QByteArray("[Options]\r\nAutoLoad=0\r\n"));
    // The log had no newer copy, so it moved; the older settings stay where they were.
    QCOMPARE(readFile(folder + QStringLiteral("/examErr.log")), QByteArray("old line\r\n"));
    QCOMPARE(readFile(folder + QStringLiteral("/Cinelog/reelbase.ini")), QByteArray("[Options]\r\nAutoLoad=1\r\n"));
}

void ProgramTest::firstRunWritesTheDocumentedPath()
{
    auto p = start();
    QVERIFY(QFileInfo(config() + QStringLiteral("/Cinelog/reelbase.ini")).isFile());
    QVERIFY(!QFileInfo::exists(config() + QStringLiteral("/Cinelog/Cinelog")));
    // No documents folder in this home: reports are offered in the home folder itself.
    QCOMPARE(p->ctx.ReadINI(QStringLiteral("Options"), QStringLiteral("PDFFolder")),
             m_root->filePath(QStringLiteral("home")) + QLatin1Char('/'));
}

void ProgramTest::editsAfterRefreshAreSavedToTheShownMovie()
{
    auto p = start();
    QVERIFY(!openCatalogue(*p, {QStringLiteral("Brazil"), QStringLiteral("Heat")}).isEmpty());
    select(*p, QStringLiteral("Heat"));
    QCOMPARE(p->mainWindow.editor()->txtTitle->text(), QStringLiteral("Heat"));

    p->mainWindow.action(QStringLiteral("Refresh"))->trigger();
    QCOMPARE(p->mainWindow.CurrentMovieID(), 2);
    QCOMPARE(p->mainWindow.lvMovies->currentIndex().row(), p->mainWindow.movieModel()->rowOfMovie(2));

    typeTitle(*p, QStringLiteral("Heat 2"));
    m_prompts.answerYes();
    p->mainWindow.action(QStringLiteral("mnuNew"))->trigger();
    QCOMPARE(m_prompts.shown().last().text, QStringLiteral("Do you want to save the current movie"));
    QCOMPARE(titles(*p), (QStringList{QStringLiteral("Brazil"), QStringLiteral("Heat 2")}));
}

void ProgramTest::editsAfterDeleteAreSavedAsANewMovie()
{
    auto p = start();
    QVERIFY(!openCatalogue(*p, {QStringLiteral("Brazil"), QStringLiteral("Heat")}).isEmpty());
    select(*p, QStringLiteral("Heat"));
    m_prompts.answerYes(); // delete it
    p->mainWindow.action(QStringLiteral("mnuDelete"))->trigger();
    QCOMPARE(titles(*p), QStringList{QStringLiteral("Brazil")});
    QVERIFY(p->mainWindow.IsNewMovie());

    typeTitle(*p, QStringLiteral("Ronin"));
    m_prompts.answerYes(); // save the current movie
    p->mainWindow.action(QStringLiteral("mnuNew"))->trigger();
    QCOMPARE(titles(*p), (QStringList{QStringLiteral("Brazil"), QStringLiteral("Ronin")}));
    QCOMPARE(p->mainWindow.movieModel()->rowCount(), 2);
}

void ProgramTest::editsAfterTheShownMovieVanishedBecomeANewMovie()
{
    auto p = start();
    QVERIFY(!openCatalogue(*p, {QStringLiteral("Brazil"), QStringLiteral("Heat")}).isEmpty());
    select(*p, QStringLiteral("Heat"));
    // Another window (or program) deletes the movie shown; the list is refreshed.
    p->catalogue.exec(QStringLiteral("DELETE FROM Movies WHERE ID = 2"));
    p->mainWindow.action(QStringLiteral("Refresh"))->trigger();
    QVERIFY(p->mainWindow.IsNewMovie());
    QCOMPARE(p->mainWindow.CurrentMovieID(), 0);

    typeTitle(*p, QStringLiteral("Heat again"));
    m_prompts.answerYes();
    p->mainWindow.action(QStringLiteral("mnuNew"))->trigger();
    QCOMPARE(titles(*p), (QStringList{QStringLiteral("Brazil"), QStringLiteral("Heat again")}));
}

void ProgramTest::clickingTheShownMovieOffersToSaveAndReloadsIt()
{
    auto p = start();
    QVERIFY(!openCatalogue(*p, {QStringLiteral("Brazil"), QStringLiteral("Heat")}).isEmpty());
    frmMain &w = p->mainWindow;
    QTreeView *list = w.lvMovies;
    auto clickRow = [&](int movieId) {
        const QRect r = list->visualRect(w.movieModel()->index(w.movieModel()->rowOfMovie(movieId), 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    };
    clickRow(1);
    QCOMPARE(w.CurrentMovieID(), 1);
    QVERIFY(m_prompts.shown().isEmpty() || m_prompts.shown().last().kind != QLatin1String("question"));

    // No: the typed text goes and the catalogue's title comes back.
    typeTitle(*p, QStringLiteral("Brazil (1985)"));
    m_prompts.answerNo();
    clickRow(1);
    QCOMPARE(m_prompts.shown().last().text, QStringLiteral("Do you want to save the current movie"));
    QCOMPARE(w.editor()->txtTitle->text(), QStringLiteral("Brazil"));

    // Yes: saved, and shown as stored.
    typeTitle(*p, QStringLiteral("Brazil (1985)"));
    m_prompts.answerYes();
    clickRow(1);
    QCOMPARE(titles(*p).first(), QStringLiteral("Brazil (1985)"));
    QCOMPARE(w.editor()->txtTitle->text(), QStringLiteral("Brazil (1985)"));
    QCOMPARE(w.CurrentMovieID(), 1);

    // A plain click on it asks nothing.
    const qsizetype asked = m_prompts.shown().size();
    clickRow(1);
    QCOMPARE(m_prompts.shown().size(), asked);
}

void ProgramTest::optionsOpensOnce()
{
    auto p = start();
    QAction *options = p->mainWindow.action(QStringLiteral("mnuOptions"));
    options->trigger();
    options->trigger();
    QList<frmOptions *> open = p->mainWindow.findChildren<frmOptions *>();
    QCOMPARE(open.size(), 1);
    QVERIFY(open.first()->isVisible());
    // Closed, it is opened anew by the next click.
    open.first()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(p->mainWindow.findChildren<frmOptions *>().size(), 0);
    options->trigger();
    open = p->mainWindow.findChildren<frmOptions *>();
    QCOMPARE(open.size(), 1);
    QVERIFY(open.first()->isVisible());
}

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
