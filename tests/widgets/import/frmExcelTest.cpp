#include "AppContext.h"
#include "TestCatalogue.h"
#include "Catalogue.h"
#include "RecordingMainWindow.h"
#include "WidgetTestSupport.h"
#include "frmExcel.h"
#include "ImportPreviewModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <algorithm>
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

    // Opens the window on a workbook (which reads its first worksheet).
    frmExcel *openOn(const char *workbook) { return openOnFile(data(workbook)); }
    frmExcel *openOnFile(const QString &path)
    {
        t->prompts.answerText(path);
        return showImportWindow(t->ctx(), *main, link.events, nullptr);
    }

    // A CSV workbook the test writes.
    QString writeCsv(const QString &name, const QByteArray &text)
    {
        const QString path = t->path(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
            QTest::qFail("workbook not written", __FILE__, __LINE__);
        return path;
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
        QCOMPARE(w->cmbWorksheets->currentIndex(), 0); // the first worksheet is read at once
        QVERIFY(!w->chkNamesFirstLast->isChecked());      // names as written
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

    // A list exported from a movie website opens ready to import: the sheet read, the fields linked
    // from the headings and marked as guesses, the open catalogue as the target, and a preview of
    // the rows that the import then stores exactly.
    void websiteListOpensReadyToImportAsPreviewed()
    {
        main->exec(QStringLiteral("INSERT INTO Movies (Title, ReleaseYear) VALUES ('Heat', '1995')"));
        const QString csv = writeCsv(
            QStringLiteral("ratings.csv"),
            "Const,Your Rating,Date Rated,Title,URL,Title Type,IMDb Rating,Runtime (mins),Year,Genres,Num Votes,Release Date,Directors\n"
            "tt0000001,9,2020-01-05,The Example,https://example.org/title/tt0000001/,movie,8.7,136,1999,\"Action, Sci-Fi\",100,"
            "1999-03-31,\"Lana Example, Lilly Example\"\n"
            "tt0000002,8,2020-01-06,Heat,https://example.org/title/tt0000002/,movie,8.3,170,1995,\"Crime, Drama, Thriller\",90,"
            "1995-12-15,Michael Mann\n"
            "tt0000003,5,2020-01-07,,https://example.org/title/tt0000003/,movie,5.0,90,2001,Comedy,10,2001-01-01,Someone Else\n"
            "tt0000004,7,2020-01-08,\"Umbrellas of Cherbourg, The\",https://example.org/title/tt0000004/,movie,7.8,91,1964,"
            "\"Drama, Musical, Romance, Extra\",80,1964-02-19,Jacques Demy\n");
        frmExcel *w = openOnFile(csv);
        QVERIFY(w);
        QCOMPARE(w->cmbWorksheets->currentIndex(), 0);
        QCOMPARE(w->File1->text(), main->path());
        const std::pair<int, const char *> linked[] = {{ImportField::Title, "Title"},           {ImportField::Url, "URL"},
                                                       {ImportField::RunningTime, "Runtime (mins)"}, {ImportField::ReleaseYear, "Year"},
                                                       {ImportField::Genre1, "Genres"},         {ImportField::Director, "Directors"}};
        for (int f = 0; f < ImportField::AllCount; ++f) {
            const auto it = std::find_if(std::begin(linked), std::end(linked), [f](const auto &l) { return l.first == f; });
            const QString expected = it == std::end(linked) ? QString() : QString::fromLatin1(it->second);
            QCOMPARE(w->cmbFieldLink[f]->currentText(), expected);
            QCOMPARE(w->isGuessed(f), !expected.isEmpty());
        }
        QVERIFY(w->lblGuessNote->isVisibleTo(w));
        QVERIFY(w->cmdImport->isEnabled());

        // The preview: the title rule, the first director as "Last, First", genres spread, the
        // refused and the duplicate rows marked with why.
        ImportPreviewModel *preview = w->previewModel();
        QAbstractItemModelTester tester(preview, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(preview->rowCount(), 4);
        auto cell = [&](int row, int field) {
            for (int c = ImportPreviewModel::FirstFieldColumn; c < preview->columnCount(); ++c)
                if (preview->fieldAt(c) == field)
                    return preview->index(row, c).data().toString();
            return QStringLiteral("<no column>");
        };
        auto status = [&](int row) { return preview->index(row, ImportPreviewModel::StatusColumn).data().toString(); };
        QCOMPARE(status(0), QStringLiteral("Imported"));
        QCOMPARE(status(1), QStringLiteral("Already in the catalogue: skipped"));
        QCOMPARE(status(2), QStringLiteral("Refused: The title is empty."));
        QCOMPARE(cell(0, ImportField::Director), QStringLiteral("Example, Lana"));
        QCOMPARE(cell(0, ImportField::Genre1 + 1), QStringLiteral("Sci-Fi"));
        QCOMPARE(cell(3, ImportField::Title), QStringLiteral("The Umbrellas of Cherbourg"));
        QCOMPARE(cell(3, ImportField::SortKey), QStringLiteral("Umbrellas of Cherbourg"));
        QCOMPARE(cell(3, ImportField::Genre3), QStringLiteral("Romance"));
        QCOMPARE(cell(3, ImportField::Medium), QStringLiteral("<no column>")); // not linked, not shown
        QCOMPARE(w->lblPreviewSummary->text(),
                 QStringLiteral("4 rows below the headings, 2 to import, 1 already in the catalogue (skipped), 1 refused."));
        if (const QString out = qEnvironmentVariable("CINELOG_GRAB"); !out.isEmpty())
            w->grab().save(out);

        // The names' order was guessed from the headings too, and can be changed.
        QVERIFY(w->chkNamesFirstLast->isChecked());
        QVERIFY(w->lblNamesGuessed->isVisibleTo(w));
        w->chkNamesFirstLast->click();
        QVERIFY(!w->lblNamesGuessed->isVisibleTo(w));
        QCOMPARE(cell(0, ImportField::Director), QStringLiteral("Lana Example, Lilly Example"));
        w->chkNamesFirstLast->click();
        QCOMPARE(cell(0, ImportField::Director), QStringLiteral("Example, Lana"));

        // The duplicate can be imported after all; a box the user changes is no longer a guess.
        w->chkDuplicates->setChecked(true);
        QCOMPARE(status(1), QStringLiteral("Already in the catalogue: imported again"));
        w->chkDuplicates->setChecked(false);
        w->cmbFieldLink[ImportField::RunningTime]->setCurrentIndex(0);
        emit w->cmbFieldLink[ImportField::RunningTime]->activated(0);
        QVERIFY(!w->isGuessed(ImportField::RunningTime));
        QCOMPARE(cell(0, ImportField::RunningTime), QStringLiteral("<no column>"));

        // What the preview showed is what the catalogue holds.
        QStringList previewed;
        for (int r = 0; r < preview->rowCount(); ++r)
            if (preview->rows()[r].imported(w->importOptions()))
                previewed << QStringList{cell(r, ImportField::Title), cell(r, ImportField::SortKey), cell(r, ImportField::ReleaseYear),
                                         cell(r, ImportField::Director), cell(r, ImportField::Genre1), cell(r, ImportField::Genre1 + 1),
                                         cell(r, ImportField::Genre3), cell(r, ImportField::Url)}
                                 .join(u'|');
        QPointer<frmExcel> guard = w;
        QTest::mouseClick(w->cmdImport, Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
        QStringList stored;
        QSqlQuery q = main->exec(QStringLiteral("SELECT Title, OrderBy, ReleaseYear, Director, coalesce(Genre1, ''), coalesce(Genre2, ''), "
                                                "coalesce(Genre3, ''), URL, RunningTime FROM Movies WHERE ID > 1 ORDER BY ID"));
        while (q.next()) {
            QStringList f;
            for (int i = 0; i < 8; ++i)
                f << q.value(i).toString();
            stored << f.join(u'|');
            QVERIFY(q.value(8).isNull()); // the running time was unlinked
        }
        QCOMPARE(stored, previewed);
        QCOMPARE(stored.size(), 2);
        QCOMPARE(t->prompts.messages(), QStringList({"2 movies imported, 1 already in the catalogue and skipped, 1 row refused."}));
    }

    void importNeedsATitleAndATarget()
    {
        // With no catalogue open there is no target to default to.
        const QString other = newCatalogueFile(QStringLiteral("other.cnlg"));
        main->close();
        frmExcel *w = openOn("movies.xlsx");
        QVERIFY(w);
        QCOMPARE(w->File1->text(), QString());
        QCOMPARE(w->cmbFieldLink[ImportField::Title]->currentIndex(), 1); // linked from "Title"
        QVERIFY(!w->cmdImport->isEnabled());
        w->cmbFieldLink[ImportField::Title]->setCurrentIndex(0);
        t->prompts.answerText(other);
        QTest::mouseClick(w->cmdBrowseTarget, Qt::LeftButton);
        QCOMPARE(w->File1->text(), other);
        QVERIFY(!w->cmdImport->isEnabled());
        w->cmbFieldLink[ImportField::Title]->setCurrentIndex(1);
        QVERIFY(w->cmdImport->isEnabled());
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
        QCOMPARE(movieCount(other), 4); // the empty row has no title: refused, and the user told so
        QCOMPARE(t->prompts.messages(), QStringList({"4 movies imported, 1 row refused."}));
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
        QCOMPARE(main->scalar(QStringLiteral("SELECT count(*) FROM Movies")).toInt(), 4);
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
        QCOMPARE(main->scalar(QStringLiteral("SELECT count(*) FROM Movies")).toInt(), 4);
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
