#include "Catalogue.h"
#include "TestCatalogue.h"
#include "ReportViewer.h"
#include "WidgetTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QTimer>

class ReportViewerTest : public QObject
{
    Q_OBJECT

private:
    struct Fixture {
        WidgetTestContext tc;
        Catalogue cat;
        bool open()
        {
            QString path = tc.path(QStringLiteral("Home.cnlg"));
            if (!createCatalogue(path))
                return false;
            if (!cat.open(path).opened())
                return false;
            cat.exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy) VALUES ('The Abyss', 'Abyss')"));
            return true;
        }
    };

    static QString pdfText(const QString &pdf)
    {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    static constexpr ReportShowOptions NoWindows{false, false};

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void answeringNoSavesNothing()
    {
        Fixture f;
        QVERIFY(f.open());
        f.tc.prompts.answerNo();
        const ReportOutcome out = showMovieListReport(f.tc.ctx(), f.cat, nullptr, NoWindows);
        QCOMPARE(out.savedPdf, QString());
        QCOMPARE(f.tc.prompts.shown().size(), 1);
        QCOMPARE(f.tc.prompts.shown()[0].text, QStringLiteral("Do you want to save this report?"));
        QCOMPARE(f.tc.prompts.shown()[0].title, QStringLiteral("Save Movie List Report"));
        QCOMPARE(QDir(f.tc.folder()).entryList({QStringLiteral("*.pdf")}), QStringList());
    }

    void cancellingTheSaveDialogSavesNothing()
    {
        Fixture f;
        QVERIFY(f.open());
        f.tc.prompts.answerYes().answerCancel();
        const ReportOutcome out = showLoansReport(f.tc.ctx(), f.cat, report::LoansReportParams{}, nullptr, NoWindows);
        QCOMPARE(out.savedPdf, QString());
        QCOMPARE(f.tc.prompts.shown().last().kind, QStringLiteral("saveFile"));
        QCOMPARE(f.tc.prompts.shown().last().title, QStringLiteral("Save Loan Report"));
        QCOMPARE(QDir(f.tc.folder()).entryList({QStringLiteral("*.pdf")}), QStringList());
    }

    void choosingAFileWritesThePdfThere_data()
    {
        QTest::addColumn<QString>("pdfFolder");
        QTest::addColumn<bool>("folderExists");
        QTest::newRow("no PDFFolder") << QString() << false;
        QTest::newRow("existing PDFFolder") << QStringLiteral("pdfs") << true;
        QTest::newRow("PDFFolder that is gone") << QStringLiteral("gone") << false;
    }

    void choosingAFileWritesThePdfThere()
    {
        QFETCH(QString, pdfFolder);
        QFETCH(bool, folderExists);
        Fixture f;
        QVERIFY(f.open());
        if (!pdfFolder.isEmpty()) {
            const QString folder = f.tc.path(pdfFolder);
            if (folderExists)
                QVERIFY(QDir().mkpath(folder));
            f.tc.ctx().WriteINI(QStringLiteral("Options"), QStringLiteral("PDFFolder"), folder);
        }
        const QString target = f.tc.path(QStringLiteral("titles"));
        f.tc.prompts.answerYes().answerText(target);
        const ReportOutcome out = showMovieListReport(f.tc.ctx(), f.cat, nullptr, NoWindows);
        QCOMPARE(out.savedPdf, target + QStringLiteral(".pdf"));
        // A missing or gone folder starts the dialog in the home folder.
        QCOMPARE(f.tc.prompts.lastDialogStart, folderExists ? f.tc.path(pdfFolder) : QDir::homePath());
        // The dialog itself asks before replacing a file: nothing else does.
        QCOMPARE(f.tc.prompts.lastSaveOverwrite, Prompts::Overwrite::DialogConfirms);
        QVERIFY(f.tc.prompts.lastDialogFilter.contains(QStringLiteral("*.pdf")));
        const QString text = pdfText(out.savedPdf);
        QVERIFY2(text.contains(QStringLiteral("[Ordered By: Abyss]")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Number of Movies: 1")));
    }

    void anUnwritableTargetIsReported()
    {
        Fixture f;
        QVERIFY(f.open());
        f.tc.prompts.answerYes().answerText(f.tc.path(QStringLiteral("no/such/folder/list.pdf")));
        const ReportOutcome out = showUsersListReport(f.tc.ctx(), f.cat, {QStringLiteral("Ann")}, nullptr, NoWindows);
        QCOMPARE(out.savedPdf, QString());
        QCOMPARE(f.tc.prompts.messages().size(), 1);
        QVERIFY(f.tc.logLines().value(0).contains(QStringLiteral("arUsersList - ActiveReport_ReportEnd")));
    }

    void previewShowsTheReportBeforeTheSaveQuestion()
    {
        Fixture f;
        QVERIFY(f.open());
        QString previewTitle;
        QString previewName;
        QTimer::singleShot(0, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *p = qobject_cast<QPrintPreviewDialog *>(w); p && p->isVisible()) {
                    previewTitle = p->windowTitle();
                    previewName = p->objectName();
                    p->reject();
                }
        });
        f.tc.prompts.answerNo();
        const ReportOutcome out = showMovieDetailsReport(f.tc.ctx(), f.cat, nullptr, ReportShowOptions{true, false});
        QCOMPARE(previewTitle, QStringLiteral("Movie Details"));
        QCOMPARE(previewName, QStringLiteral("arMovieDetailsALL"));
        QCOMPARE(out.pages, 1);
        QCOMPARE(f.tc.prompts.shown().size(), 1);
    }
};

QTEST_MAIN(ReportViewerTest)
#include "ReportViewerTest.moc"
