#include "AppWiring.h"
#include "TestCatalogue.h"
#include "CatalogueSession.h"
#include "Catalogue.h"
#include "MovieListModel.h"
#include "SingleInstance.h"
#include "StatusReport.h"
#include "WidgetTestSupport.h"
#include "CatalogueEvents.h"
#include "MovieEditor.h"
#include "frmMain.h"
#include "frmProgBar.h"
#include "WiredMainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeView>

// The program's own wiring of open requests (its command line's file, files handed over by later
// starts) around the real main window, on a temporary settings folder and catalogues.
class OpenRequestsTest : public QObject
{
    Q_OBJECT
private slots:
    void requestOpensTheCatalogue();
    void unusableFileGivesTheSameMessagesAsFileOpen();
    void changedMovieIsOfferedForSavingFirst();
    void requestWaitsWhileTheProgressWindowIsUp();
};

namespace {

struct App : WiredMainWindow {
    QTemporaryDir socketDir;
    SingleInstance instance{socketDir.filePath(QStringLiteral("s"))};

    App()
    {
        w.Form_Load(false);
        w.show();
        wireOpenRequests(instance, catalogue, w, progress, false);
    }

    QString catalogueWith(const QString &name, const QStringList &titles)
    {
        QString path = t.path(name);
        Catalogue c;
        if (!createCatalogue(path) || !c.open(path).opened())
            return {};
        for (const QString &title : titles)
            c.exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy) VALUES (?, ?)"), {title, title});
        c.close();
        t.prompts.clear();
        return path;
    }

    void deliver(const QString &path)
    {
        instance.request(path);
        QElapsedTimer clock;
        clock.start();
        while (instance.pendingCount() > 0 && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
};

QString junkFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

// A SQLite database of another program: no application id and no movie table.
QString otherDatabase(const QString &path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE notes (t TEXT)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    return path;
}

} // namespace

void OpenRequestsTest::requestOpensTheCatalogue()
{
    App app;
    const QString films = app.catalogueWith(QStringLiteral("films.cnlg"), {QStringLiteral("Brazil"), QStringLiteral("Heat")});
    app.deliver(films);
    QCOMPARE(app.catalogue.path(), films);
    QVERIFY(app.catalogue.isOpen());
    QCOMPARE(app.w.movieModel()->rowCount(), 2);
    QCOMPARE(app.w.windowTitle(), films + QStringLiteral(" | Cinelog Version 2.0"));
    QCOMPARE(app.t.ctx().ReadINI(QStringLiteral("DBLists"), QStringLiteral("db1")), films);
    QVERIFY(app.t.prompts.shown().isEmpty());
    const QJsonObject report = statusReport(app.catalogue, app.w);
    QCOMPARE(report.value(QStringLiteral("catalogue")).toString(), films);
    QCOMPARE(report.value(QStringLiteral("movies")).toInt(), 2);

    // An empty request (a second start without a file) only brings the window forward.
    app.deliver(QString());
    QCOMPARE(app.catalogue.path(), films);
    QVERIFY(app.catalogue.isOpen());
}

void OpenRequestsTest::unusableFileGivesTheSameMessagesAsFileOpen()
{
    struct Case {
        const char *name;
        std::function<QString(const QString &)> make;
        const char *says;
    };
    const Case cases[] = {
        {"missing", [](const QString &p) { return p; }, "Could not find file"},
        {"text file", [](const QString &p) { return junkFile(p, "not a catalogue at all\n"); }, "Unrecognized database format"},
        {"other SQLite database", otherDatabase, "not a Cinelog catalogue"},
        {"folder", [](const QString &p) { QDir().mkpath(p); return p; }, "is not a file"},
    };
    for (const Case &c : cases) {
        App viaMenu, viaRequest;
        const QString name = QString::fromLatin1(c.name).replace(QLatin1Char(' '), QLatin1Char('_')) + QStringLiteral(".cnlg");
        const QString p1 = c.make(viaMenu.t.path(name));
        const QString p2 = c.make(viaRequest.t.path(name));
        // Both windows first show a good catalogue, which the failed open closes.
        const QString good1 = viaMenu.catalogueWith(QStringLiteral("good.cnlg"), {QStringLiteral("Heat")});
        const QString good2 = viaRequest.catalogueWith(QStringLiteral("good.cnlg"), {QStringLiteral("Heat")});
        viaMenu.deliver(good1);
        viaRequest.deliver(good2);

        viaMenu.t.prompts.answerText(p1);
        viaMenu.w.mnuOpenDB_Click();
        viaRequest.deliver(p2);

        const QStringList menuSaid = viaMenu.t.prompts.messages();
        const QStringList requestSaid = viaRequest.t.prompts.messages().replaceInStrings(viaRequest.t.folder(), viaMenu.t.folder());
        QVERIFY2(menuSaid.size() == 1, c.name);
        QCOMPARE(requestSaid, menuSaid);
        QVERIFY2(menuSaid.first().contains(QString::fromLatin1(c.says)), qPrintable(menuSaid.first()));
        QVERIFY2(menuSaid.first().contains(QStringLiteral("This error has been logged.")), qPrintable(menuSaid.first()));
        QVERIFY(!viaRequest.catalogue.isOpen());
        QCOMPARE(viaRequest.w.movieModel()->rowCount(), 0);
        QCOMPARE(viaRequest.w.windowTitle(), QStringLiteral("Cinelog Version 2.0"));
        QCOMPARE(viaRequest.t.logLines().size(), 1);
    }
}

void OpenRequestsTest::changedMovieIsOfferedForSavingFirst()
{
    App app;
    const QString first = app.catalogueWith(QStringLiteral("first.cnlg"), {QStringLiteral("Brazil")});
    const QString second = app.catalogueWith(QStringLiteral("second.cnlg"), {QStringLiteral("Heat"), QStringLiteral("Ran")});
    app.deliver(first);
    app.w.lvMovies->setCurrentIndex(app.w.movieModel()->index(0, 0));
    QCOMPARE(app.w.editor()->txtTitle->text(), QStringLiteral("Brazil"));
    app.w.editor()->txtTitle->setFocus();
    QTest::keyClicks(app.w.editor()->txtTitle, QStringLiteral(" II"));
    QVERIFY(!app.w.IsSaved());

    app.t.prompts.answerYes();
    app.deliver(second);
    QCOMPARE(app.t.prompts.shown().first().title, QStringLiteral("Save Record?"));
    QCOMPARE(app.catalogue.path(), second);
    QCOMPARE(app.w.movieModel()->rowCount(), 2);
    // The edit went into the first catalogue before it was closed.
    Catalogue check;
    QVERIFY(check.open(first).opened());
    QCOMPARE(check.scalar(QStringLiteral("SELECT Title FROM Movies")).toString(), QStringLiteral("Brazil II"));
}

void OpenRequestsTest::requestWaitsWhileTheProgressWindowIsUp()
{
    App app;
    const QString films = app.catalogueWith(QStringLiteral("films.cnlg"), {QStringLiteral("Heat")});
    app.progress.ShowProgress(QStringLiteral("Cleaning the Database..."), 0, 10);
    app.instance.request(films);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 400)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCOMPARE(app.instance.pendingCount(), 1);
    QVERIFY(!app.catalogue.isOpen());
    app.progress.UpdateProgress(10);
    app.deliver(QString());
    QCOMPARE(app.catalogue.path(), films);
    QVERIFY(app.catalogue.isOpen());
}

QTEST_MAIN(OpenRequestsTest)
#include "OpenRequestsTest.moc"
