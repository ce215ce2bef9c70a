#include "Catalogue.h"
#include "TestCatalogue.h"
#include "ReportPainter.h"
#include "ReportPreview.h"
#include "ReportViewer.h"
#include "WidgetTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QComboBox>
#include <QLabel>
#include <QToolButton>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSpinBox>
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
        // Titles for the movie list, 19 to a page.
        void addTitles(int count)
        {
            cat.transaction([&] {
                for (int i = 1; i <= count; ++i)
                    cat.exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy) VALUES (?, ?)"),
                             {QStringLiteral("Title %1").arg(i, 4, 10, QLatin1Char('0')),
                              QStringLiteral("Title %1").arg(i, 4, 10, QLatin1Char('0'))});
            });
        }
    };

    // A page of the whole report drawn as the preview draws it, for comparing.
    static QImage drawn(const report::Page &page, const QSize &size, double scale, double dpr)
    {
        QImage img(size * dpr, QImage::Format_ARGB32_Premultiplied);
        img.setDevicePixelRatio(dpr);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(scale, scale);
        report::paintPage(p, page);
        return img;
    }

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
                if (auto *p = qobject_cast<ReportPreview *>(w); p && p->isVisible()) {
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

    void previewDrawsOnlyThePagesShownAndKeepsAFew()
    {
        Fixture f;
        QVERIFY(f.open());
        f.addTitles(180); // with The Abyss: 10 pages of 19 titles
        report::ReportJob job = report::arMovieList(f.tc.ctx(), f.cat);
        const report::ReportDocument whole = job.run(f.tc.ctx());
        QCOMPARE(whole.pageCount(), 10);
        const report::ReportPlan plan = job.plan(f.tc.ctx());
        report::PageSource pages(f.tc.ctx(), job.definition, *job.source, plan, job.labels);
        ReportPreview preview(f.tc.ctx(), pages);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        preview.grab();

        auto *page = child<QSpinBox>(&preview, "spnPage");
        auto *count = child<QLabel>(&preview, "lblPageCount");
        QCOMPARE(count->text(), QStringLiteral("of 10"));
        QCOMPARE(preview.currentPage(), 1);
        QCOMPARE(pages.layouts(), 1);
        QCOMPARE(preview.cachedPages(), QList<int>{1});

        // Keys, buttons and the page box move through the pages; each new page is laid out once.
        auto *view = child<QScrollArea>(&preview, "scrPage");
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(preview.currentPage(), 2);
        QCOMPARE(page->value(), 2);
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(preview.currentPage(), 10);
        QVERIFY(!child<QToolButton>(&preview, "btnNext")->isEnabled());
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(preview.currentPage(), 10);
        QTest::keyClick(view, Qt::Key_Home);
        QCOMPARE(preview.currentPage(), 1);
        QVERIFY(!child<QToolButton>(&preview, "btnPrevious")->isEnabled());
        child<QToolButton>(&preview, "btnNext")->click();
        QCOMPARE(preview.currentPage(), 2);
        page->setValue(7);
        QCOMPARE(preview.currentPage(), 7);
        QTest::keyClick(view, Qt::Key_PageUp);
        QCOMPARE(preview.currentPage(), 6);
        preview.grab();
        // Drawn so far: 1, 2, 10, 7, 6 (page 1 and 2 again from the cache when still there).
        QVERIFY2(pages.layouts() <= 6, qPrintable(QString::number(pages.layouts())));

        // The drawn pages kept stay few, however many pages are visited; a kept page is not laid out again.
        for (int n = 1; n <= 10; ++n) {
            preview.setCurrentPage(n);
            preview.grab();
            QVERIFY(preview.cachedPages().size() <= ReportPreview::CachedPages);
            QCOMPARE(preview.cachedPages().value(0), n);
        }
        const int before = pages.layouts();
        preview.setCurrentPage(9);
        preview.grab();
        QCOMPARE(pages.layouts(), before);
        preview.setCurrentPage(1);
        preview.grab();
        QCOMPARE(pages.layouts(), before + 1);

        // What the preview draws is the page of the whole report.
        for (int n : {1, 5, 10}) {
            preview.setCurrentPage(n);
            QCOMPARE(preview.currentImage(),
                     drawn(whole.pages[n - 1], child<QWidget>(&preview, "pageView")->size(), preview.scale(),
                           preview.devicePixelRatioF()));
        }
    }

    void previewZoomsAndRemembersItsSize()
    {
        Fixture f;
        QVERIFY(f.open());
        report::ReportJob job = report::arMovieList(f.tc.ctx(), f.cat);
        const report::ReportPlan plan = job.plan(f.tc.ctx());
        report::PageSource pages(f.tc.ctx(), job.definition, *job.source, plan, job.labels);
        {
            ReportPreview preview(f.tc.ctx(), pages);
            preview.resize(700, 640);
            preview.show();
            QVERIFY(QTest::qWaitForWindowExposed(&preview));
            auto *view = child<QScrollArea>(&preview, "scrPage");
            auto *pageView = child<QWidget>(&preview, "pageView");
            auto *zoom = child<QComboBox>(&preview, "cmbZoom");

            QCOMPARE(preview.zoomMode(), ReportPreview::ZoomMode::FitWidth);
            QVERIFY(pageView->width() <= view->viewport()->width());
            QVERIFY(pageView->width() > view->viewport()->width() * 3 / 4);

            zoom->setCurrentIndex(zoom->findText(QStringLiteral("Fit page")));
            QCOMPARE(preview.zoomMode(), ReportPreview::ZoomMode::FitPage);
            QVERIFY(pageView->width() <= view->viewport()->width());
            QVERIFY(pageView->height() <= view->viewport()->height());

            zoom->setCurrentIndex(zoom->findText(QStringLiteral("100%")));
            const QSize paper = job.definition.page.paper;
            QCOMPARE(pageView->width(), qRound(paper.width() / 1440.0 * preview.logicalDpiX()));
            QVERIFY(pageView->height() > view->viewport()->height()); // scrolls

            QSignalSpy print(&preview, &ReportPreview::printRequested);
            QSignalSpy save(&preview, &ReportPreview::saveRequested);
            child<QPushButton>(&preview, "btnPrint")->click();
            child<QPushButton>(&preview, "btnSavePdf")->click();
            QCOMPARE(print.size(), 1);
            QCOMPARE(save.size(), 1);

            // Every control has a name for assistive tools.
            for (QWidget *w : preview.findChildren<QWidget *>())
                if (w->focusPolicy() & Qt::TabFocus && !w->objectName().startsWith(QLatin1String("qt_")))
                    QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));

            child<QPushButton>(&preview, "btnClose")->click();
        }
        ReportPreview again(f.tc.ctx(), pages);
        QCOMPARE(again.size(), QSize(700, 640));
    }

    void savingFromThePreviewWritesEveryPage()
    {
        Fixture f;
        QVERIFY(f.open());
        f.addTitles(50); // 3 pages
        const QString target = f.tc.path(QStringLiteral("from-preview.pdf"));
        QTimer::singleShot(0, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *p = qobject_cast<ReportPreview *>(w); p && p->isVisible()) {
                    child<QPushButton>(p, "btnSavePdf")->click();
                    p->accept();
                }
        });
        // The preview's button asks only for the file; closing it still asks the usual question.
        f.tc.prompts.answerText(target).answerNo();
        const ReportOutcome out = showMovieListReport(f.tc.ctx(), f.cat, nullptr, ReportShowOptions{true, false});
        QCOMPARE(out.pages, 3);
        QCOMPARE(out.savedPdf, target);
        const QString text = pdfText(target);
        for (const char *expected : {"Title 0001", "Title 0050", "Page", "3"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        QCOMPARE(text.count(QStringLiteral("\f")), 3);
    }
};

QTEST_MAIN(ReportViewerTest)
#include "ReportViewerTest.moc"
