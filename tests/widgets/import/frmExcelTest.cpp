#include "AppContext.h"
#include "TestCatalogue.h"
#include "Catalogue.h"
#include "RecordingMainWindow.h"
#include "WidgetTestSupport.h"
#include "frmExcel.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <memory>

namespace {

// Records what the import window asks of the main window.

QString data(const char *name)
{
    return qEnvironmentVariable("CINELOG_TEST_DATA") + QStringLiteral("/import/") + QString::fromUtf8(name);
}

} // namespace

class frmExcelTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WidgetTestContext> t;
    std::unique_ptr<Catalogue> main;
    RecordingMainWindow link;

    QString newCatalogueFile(const QString &name)
    {
        Catalogue c;
        QString path = t->path(name);
        if (!createCatalogue(path) || !c.open(path).opened())
            QTest::qFail("catalogue not created", __FILE__, __LINE__);
        return path;
    }

    int movieCount(const QString &path)
    {
        Catalogue c;
        if (!c.open(path).opened())
            return -1;
        return c.scalar(QStringLiteral("SELECT count(*) FROM Movies")).toInt();
    }

    static frmExcel *findWindow()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *f = qobject_cast<frmExcel *>(w))
                return f;
        return nullptr;
    }

    // Opens the window on a workbook and picks its first worksheet.
    frmExcel *openOn(const char *workbook)
    {
        t->prompts.answerText(data(workbook));
        frmExcel *w = showImportWindow(t->ctx(), *main, link.events, nullptr);
        if (!w)
            return nullptr;
        w->cmbWorksheets->setCurrentIndex(0);
        w->cmbWorksheets_Click();
        return w;
    }

private slots:
    void init()
    {
        t = std::make_unique<WidgetTestContext>();
        main = std::make_unique<Catalogue>();
        QVERIFY(main->open(newCatalogueFile(QStringLiteral("main.cnlg"))).opened());
        link.calls.clear();
    }

    void cleanup()
    {
        QList<QPointer<QWidget>> windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (!w->parentWidget())
                windows << w;
        for (const QPointer<QWidget> &w : windows)
            delete w.data();
        main.reset();
        t.reset();
    }

    void cancellingTheWorkbookDialogShowsNothing()
    {
        t->prompts.answerCancel();
        QCOMPARE(showImportWindow(t->ctx(), *main, link.events, nullptr), nullptr);
        QVERIFY(!QApplication::activeWindow() && findWindow() == nullptr);
        QCOMPARE(t->prompts.shown().size(), 1);
        const auto &dialog = t->prompts.shown().first();
        QCOMPARE(dialog.title, QStringLiteral("Select an Excel to Import From:"));
        for (const char *kind : {"*.xls", "*.xlsx", "*.ods", "*.csv"})
            QVERIFY2(t->prompts.lastDialogFilter.contains(QString::fromLatin1(kind)), kind);
    }

    void headingsFillEveryFieldUpToTheGap()
    {
        frmExcel *w = openOn("movies.ods");
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral(" Import from Excel"));
        QCOMPARE(w->cmbWorksheets->count(), 3);
        QCOMPARE(w->cmbWorksheets->itemText(2), QStringLiteral("Values"));
        // CINELOG_GRAB=<file.png> keeps a picture of the window for a look by eye.
        if (const QString out = qEnvironmentVariable("CINELOG_GRAB"); !out.isEmpty())
            w->grab().save(out);
        for (int i = 0; i < ImportField::Count; ++i) {
            auto *c = child<QComboBox>(w, qPrintable(QStringLiteral("cmbFieldLink_%1").arg(i)));
            QVERIFY(c->isEnabled());
            QCOMPARE(c->count(), 11); // "not linked" and ten headings: "Ignored" after the gap is not offered
            QCOMPARE(c->itemText(1), QStringLiteral("Title"));
            QCOMPARE(c->itemText(10), QStringLiteral("Bought"));
        }
        // Another worksheet rebuilds the lists.
        w->cmbWorksheets->setCurrentIndex(1);
        w->cmbWorksheets_Click();
        QCOMPARE(w->cmbFieldLink[0]->count(), 4);
    }

    void importNeedsATitleAndATarget()
    {
        frmExcel *w = openOn("movies.xlsx");
        QVERIFY(w);
        QVERIFY(!w->cmdImport->isEnabled());
        w->cmbFieldLink[ImportField::Director]->setCurrentIndex(2);
        QVERIFY(!w->cmdImport->isEnabled());
        w->cmbFieldLink[ImportField::Title]->setCurrentIndex(1);
        QVERIFY(!w->cmdImport->isEnabled());
        t->prompts.answerText(main->path());
        QTest::mouseClick(w->cmdBrowseTarget, Qt::LeftButton);
        QCOMPARE(w->File1->text(), main->path());
        QVERIFY(w->cmdImport->isEnabled());
        w->cmbFieldLink[ImportField::Title]->setCurrentIndex(0);
        QVERIFY(!w->cmdImport->isEnabled());
    }

    void importIntoAnotherCatalogueLeavesTheMainWindowAlone()
    {
        const QString other = newCatalogueFile(QStringLiteral("other.cnlg"));
        QPointer<frmExcel> w = openOn("movies.csv");
        QVERIFY(w);
        w->cmbFieldLink[ImportField::Title]->setCurrentIndex(1);
        w->cmbFieldLink[ImportField::Director]->setCurrentIndex(2);
        w->setTargetCatalogue(other);
        QTest::mouseClick(w->cmdImport, Qt::LeftButton);
        QTRY_VERIFY(w.isNull()); // closed and deleted after a good import
        QCOMPARE(movieCount(other), 5);
        QCOMPARE(main->scalar(QStringLiteral("SELECT count(*) FROM Movies")).toInt(), 0);
        QCOMPARE(link.calls, QStringList());
    }

    void importIntoTheOpenCatalogueRefreshesTheMainWindow()
    {
        QPointer<frmExcel> w = openOn("movies.xls");
        QVERIFY(w);
        w->cmbFieldLink[ImportField::Title]->setCurrentIndex(1);
        w->cmbFieldLink[ImportField::Actor1]->setCurrentIndex(3);
        w->setTargetCatalogue(main->path());
        QTest::mouseClick(w->cmdImport, Qt::LeftButton);
        QTRY_VERIFY(w.isNull());
        QCOMPARE(main->scalar(QStringLiteral("SELECT count(*) FROM Movies")).toInt(), 5);
        QCOMPARE(link.calls, QStringList({"ListMovies Updating Movie List...", "GetActors", "GetDirectors", "GetGenres"}));
    }

    // Progress lets events run; a click on Close or Import meanwhile must neither close the window
    // under the running import nor start a second one.
    void clicksDuringTheImportAreHeldOff()
    {
        QPointer<frmExcel> w = openOn("movies.xlsx");
        QVERIFY(w);
        w->cmbFieldLink[ImportField::Title]->setCurrentIndex(1);
        w->setTargetCatalogue(main->path());
        struct ClickingProgress : ProgressSink {
            QPointer<frmExcel> window;
            int tries = 0;
            void ShowProgress(const QString &, int, int) override {}
            void UpdateProgress(qint64) override {}
            void letEventsRun() override
            {
                if (!window)
                    return;
                ++tries;
                window->cmdImport_Click();
                window->close();
            }
        } progress;
        progress.window = w;
        t->ctx().setProgress(&progress);
        w->cmdImport_Click();
        t->ctx().setProgress(nullptr);
        QVERIFY(progress.tries > 0);
        QCOMPARE(main->scalar(QStringLiteral("SELECT count(*) FROM Movies")).toInt(), 5);
        QTRY_VERIFY(w.isNull()); // closed once the import is done
    }

    void failedImportIsLoggedAndKeepsTheWindow()
    {
        const QString notCatalogue = t->path(QStringLiteral("notes.cnlg"));
        {
            QFile f(notCatalogue);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("not a catalogue");
        }
        QPointer<frmExcel> w = openOn("movies.xlsx");
        QVERIFY(w);
        w->cmbFieldLink[ImportField::Title]->setCurrentIndex(1);
        w->setTargetCatalogue(notCatalogue);
        QTest::mouseClick(w->cmdImport, Qt::LeftButton);
        QVERIFY(!w.isNull());
        QVERIFY(w->isVisible());
        QCOMPARE(t->prompts.messages().size(), 1);
        const QStringList log = t->logLines();
        QVERIFY(!log.isEmpty());
        QVERIFY2(log.join(QLatin1Char('\n')).contains(QStringLiteral("frmExcel cmdImport_Click")), qPrintable(log.join('\n')));
        QCOMPARE(link.calls, QStringList());
    }

    void damagedWorkbookIsLoggedAndNotShown()
    {
        t->prompts.answerText(data("truncated.xlsx"));
        QCOMPARE(showImportWindow(t->ctx(), *main, link.events, nullptr), nullptr);
        QVERIFY(findWindow() == nullptr);
        QCOMPARE(t->prompts.messages().size(), 1);
        QVERIFY(t->prompts.messages().first().contains(QStringLiteral("truncated.xlsx")));
        QVERIFY(t->logLines().join(QLatin1Char('\n')).contains(QStringLiteral("frmExcel Form_Load")));
    }

    void damagedWorksheetIsLoggedAndOffersNoFields()
    {
        frmExcel *w = openOn("badxml.xlsx");
        QVERIFY(w);
        QCOMPARE(t->prompts.messages().size(), 1);
        QVERIFY(t->prompts.messages().first().contains(QStringLiteral("not valid XML")));
        QVERIFY(t->logLines().join(QLatin1Char('\n')).contains(QStringLiteral("frmExcel cmbWorksheets_Click")));
        QCOMPARE(w->cmbFieldLink[ImportField::Title]->count(), 0);
        QVERIFY(!w->cmbFieldLink[ImportField::Title]->isEnabled());
        w->setTargetCatalogue(main->path());
        QVERIFY(!w->cmdImport->isEnabled());
    }
};

QTEST_MAIN(frmExcelTest)
#include "frmExcelTest.moc"
