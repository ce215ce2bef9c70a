// The cover search and preview windows with the real CoverfetchCore and TMDb plugins, a real
// catalogue file and a real HTTP server on 127.0.0.1 serving canned search replies and generated
// pictures.

#include "Catalogue.h"
#include "CoverPictures.h"
#include "TestCatalogue.h"
#include "LocalHttpServer.h"
#include "RecordingMainWindow.h"
#include "WidgetTestSupport.h"
#include "WindowUtil.h"
#include "clsToolTip.h"
#include "frmOptions.h"
#include "frmCoverSearch.h"
#include "frmPreview.h"
#include "frmProgress.h"
#include "frmSplash.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTimer>
#include <QtTest>

using Reply = LocalHttpServer::Reply;

namespace {

using FakeMainWindow = RecordingMainWindow;

QByteArray png(int width, int height, QColor colour = Qt::darkRed)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Runs f on the next modal dialog once it is up.
void whenModal(std::function<void(QWidget *)> f)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, f] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            f(w);
        }
    });
    timer->start();
}

} // namespace

class CoverSearchWidgetsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WidgetTestContext> t;
    std::unique_ptr<Catalogue> cat;
    std::unique_ptr<LocalHttpServer> server;
    FakeMainWindow main;
    QPointer<frmCoverSearch> window;
    QString tempFolder;

    QStringList pluginFolders() const { return {qEnvironmentVariable("CINELOG_PLUGIN_DIR")}; }

    QByteArray canned(const QString &name) const
    {
        QFile f(qEnvironmentVariable("CINELOG_TEST_DATA") + QStringLiteral("/coversearch/") + name);
        if (!f.open(QIODevice::ReadOnly))
            qFatal("missing test data %s", qPrintable(name));
        return f.readAll().replace("@BASE@", server->baseUrl().toString().toUtf8());
    }
    void serveSearch(const QString &keywords, const QString &file, int page = 1)
    {
        server->addRoute(QStringLiteral("/onca/xml"),
                         {{QStringLiteral("Keywords"), keywords}, {QStringLiteral("ItemPage"), QString::number(page)}},
                         Reply::xml(canned(file)));
    }
    void servePicture(const QString &path, const QByteArray &bytes)
    {
        server->addRoute(path, Reply::text(bytes, 200, "image/png"));
    }
    // The gaps search for "Alien" with both small pictures.
    void serveAlien()
    {
        serveSearch(QStringLiteral("Alien"), QStringLiteral("itemsearch-gaps.xml"));
        servePicture(QStringLiteral("/images/S/B0001ALIEN.png"), png(53, 75));
        servePicture(QStringLiteral("/images/S/B0004ALIEN.png"), png(52, 75, Qt::darkBlue));
    }
    frmCoverSearch *search(const QString &title)
    {
        main.setTitle(title);
        window = showCoverSearch(t->ctx(), *cat, main.edited, main.events, pluginFolders(), title, nullptr);
        return window;
    }
    QStringList searchRequests(const char *key) const
    {
        QStringList out;
        for (const auto &r : server->requests())
            if (r.path == QLatin1String("/onca/xml"))
                out << r.query.queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
        return out;
    }
    QStringList picturePaths() const
    {
        QStringList out;
        for (const auto &r : server->requests())
            if (r.path.startsWith(QLatin1String("/images/")))
                out << r.path;
        return out;
    }
    void openCatalogueWithAMovie()
    {
        QString path = t->path(QStringLiteral("covers.cnlg"));
        QVERIFY(createCatalogue(path));
        QVERIFY(cat->open(path).opened());
        main.edited.setId(cat->exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy) VALUES (?, ?)"),
                                 {QStringLiteral("Alien"), QStringLiteral("Alien")})
                           .lastInsertId()
                           .toInt());
    }
    static bool controlsEnabled(frmCoverSearch *w)
    {
        return w->lvwThumbnails->isEnabled() && w->cmdClose->isEnabled() && w->cmdNewSearch->isEnabled()
            && w->cmdPreview->isEnabled() && w->cmdSave->isEnabled();
    }
    static void select(frmCoverSearch *w, const QString &key)
    {
        const int row = int(w->keys().indexOf(key));
        QVERIFY(row >= 0);
        w->lvwThumbnails->setCurrentIndex(w->imlThumbnails->index(row, 0));
    }

private slots:
    void init()
    {
        t = std::make_unique<WidgetTestContext>();
        // Only the tests that store a cover open the catalogue.
        cat = std::make_unique<Catalogue>();
        main.reset();
        server = std::make_unique<LocalHttpServer>();
        QVERIFY(server->isListening());
        t->ctx().WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("BaseAddress"), server->baseUrl().toString());
        t->ctx().WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("TimeoutMs"), QStringLiteral("3000"));
        tempFolder = t->path(QStringLiteral("tmp"));
        QDir().mkpath(tempFolder);
        qputenv("TMPDIR", QFile::encodeName(tempFolder));
    }
    void cleanup()
    {
        delete window.data();
        qunsetenv("TMPDIR");
        server.reset();
        cat.reset();
        t.reset();
    }

    void searchShowsThumbnailsOnlyForResultsWithASmallPicture()
    {
        serveAlien();
        frmCoverSearch *w = search(QStringLiteral("Alien"));
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral(" Cover Search"));
        QCOMPARE(w->keys(), (QStringList{QStringLiteral("Result #1"), QStringLiteral("Result #4")}));
        QCOMPARE(searchRequests("Keywords"), QStringList{QStringLiteral("Alien")});
        QCOMPARE(searchRequests("SearchIndex"), QStringList{QStringLiteral("DVD")});
        QCOMPARE(server->requests().first().headers.value("host").startsWith("127.0.0.1"), true);
        QCOMPARE(picturePaths().size(), 2);
        QVERIFY(t->prompts.shown().isEmpty());
        QVERIFY(controlsEnabled(w));
        QVERIFY(!w->progressWindow()->isVisible());
        QCOMPARE(w->progressWindow()->pgbProgress->value(), 100);
        QVERIFY(!w->isSearching());
        const QIcon icon = w->imlThumbnails->item(1)->icon();
        QCOMPARE(icon.availableSizes().value(0), QSize(64, 64));

        // The balloon over a thumbnail names the result; empty space takes it away.
        w->resize(600, 420);
        QApplication::processEvents();
        QWidget *viewport = w->lvwThumbnails->viewport();
        const QRect second = w->lvwThumbnails->visualRect(w->imlThumbnails->index(1, 0));
        QTest::mouseMove(viewport, second.center());
        QVERIFY(w->objToolTip->exists());
        QCOMPARE(w->objToolTip->Title(), QStringLiteral("Information about Result #4 (B0004ALIEN)"));
        QCOMPARE(w->objToolTip->ToolTip(), QStringLiteral("General Information:\r\n     Title: Alien & Aliens\r\n"
                                                          "Image Dimensions:\r\n     500x700"));
        QCOMPARE(w->objToolTip->Style(), int(clsToolTip::Balloon));
        QTRY_VERIFY(w->objToolTip->window() && w->objToolTip->window()->isVisible());
        QTest::mouseMove(viewport, QPoint(viewport->width() - 5, viewport->height() - 5));
        QVERIFY(!w->objToolTip->exists());
    }

    void failedThumbnailsGiveOneMessageAndTheSummary()
    {
        serveSearch(QStringLiteral("Alien"), QStringLiteral("itemsearch-gaps.xml"));
        server->addRoute(QStringLiteral("/images/S/B0001ALIEN.png"), Reply::text("gone", 404));
        servePicture(QStringLiteral("/images/S/B0004ALIEN.png"), "this is not a picture");
        frmCoverSearch *w = search(QStringLiteral("Alien"));
        QVERIFY(w);
        QVERIFY(w->keys().isEmpty());
        const QStringList messages = t->prompts.messages();
        QCOMPARE(messages.size(), 2);
        QVERIFY2(messages[0].startsWith(QStringLiteral("Failed to load the thumbnail \"") + server->baseUrl().toString()
                                        + QStringLiteral("/images/S/B000")),
                 qPrintable(messages[0]));
        QVERIFY(messages[0].endsWith(QStringLiteral(".png\".")));
        QCOMPARE(messages[1], QStringLiteral("Some thumbnails could not be downloaded successfully and were therefore ignored."));
        QCOMPARE(t->prompts.shown()[1].title, QStringLiteral("Warning"));
        QVERIFY(controlsEnabled(w));
    }

    void emptyTitleWarnsAndSearchesNothing()
    {
        frmCoverSearch *w = search(QString());
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(w->keys().isEmpty());
        QCOMPARE(t->prompts.messages(),
                 QStringList{QStringLiteral("You did not enter any keywords for the query. Please rectify this problem and try again.")});
        QCOMPARE(t->prompts.shown().first().title, QStringLiteral("Warning"));
        QCOMPARE(t->prompts.shown().first().icon, Prompts::Icon::Warning);
        QVERIFY(server->requests().isEmpty());
    }

    void noCoversFound_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("searchAgain");
        QTest::newRow("no pictures, No closes the window") << QStringLiteral("itemsearch-no-pictures.xml") << false;
        QTest::newRow("no pictures, Yes searches for the new title") << QStringLiteral("itemsearch-no-pictures.xml") << true;
        QTest::newRow("service error") << QStringLiteral("itemsearch-aws-error.xml") << false;
    }
    void noCoversFound()
    {
        QFETCH(QString, reply);
        QFETCH(bool, searchAgain);
        serveSearch(QStringLiteral("Zardoz"), reply);
        serveAlien();
        if (searchAgain)
            t->prompts.answerYes().answerText(QStringLiteral("Alien"));
        else
            t->prompts.answerNo();
        frmCoverSearch *w = search(QStringLiteral("Zardoz"));
        QVERIFY(w);
        const auto &shown = t->prompts.shown();
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown[0].kind, QStringLiteral("question"));
        QCOMPARE(shown[0].title, QStringLiteral("No Covers Found"));
        QCOMPARE(shown[0].text, QStringLiteral("Couldn't find any covers for Zardoz.\r\rDo you want to enter a new title to search by?"));
        QCOMPARE(w->isVisible(), searchAgain);
        if (searchAgain) {
            QCOMPARE(shown[1].kind, QStringLiteral("input"));
            QCOMPARE(shown[1].text, QStringLiteral("Enter a new Movie Title to search for:"));
            QCOMPARE(searchRequests("Keywords"), (QStringList{QStringLiteral("Zardoz"), QStringLiteral("Alien")}));
            QCOMPARE(w->keys(), (QStringList{QStringLiteral("Result #1"), QStringLiteral("Result #4")}));
        } else {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(searchRequests("Keywords"), QStringList{QStringLiteral("Zardoz")});
        }
    }

    // A server that fails is not taken for one that found nothing: the user is told the search did
    // not work and why, and the window stays for another try.
    void aFailingCoverServerIsSaidToHaveFailed_data()
    {
        QTest::addColumn<int>("httpStatus");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("why");
        QTest::newRow("server error") << 500 << QByteArray("Internal error")
                                      << QStringLiteral("Unable to check the validity of the Amazon Web Services request.");
        QTest::newRow("service refuses the request")
            << 200
            << QByteArray("<ItemSearchResponse xmlns=\"http://webservices.amazon.com/AWSECommerceService/2005-10-05\">"
                          "<Items><Request><IsValid>True</IsValid><Errors><Error><Code>AWS.InvalidParameterValue</Code>"
                          "<Message>The subscription is not valid.</Message></Error></Errors></Request></Items>"
                          "</ItemSearchResponse>")
            << QStringLiteral("Amazon Web Services returned an error. The subscription is not valid.");
    }
    void aFailingCoverServerIsSaidToHaveFailed()
    {
        QFETCH(int, httpStatus);
        QFETCH(QByteArray, body);
        QFETCH(QString, why);
        server->addRoute(QStringLiteral("/onca/xml"), {{QStringLiteral("Keywords"), QStringLiteral("Zardoz")}},
                         Reply::xml(body, httpStatus));
        frmCoverSearch *w = search(QStringLiteral("Zardoz"));
        QVERIFY(w);
        const auto &shown = t->prompts.shown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, QStringLiteral("message"));
        QCOMPARE(shown[0].title, QStringLiteral("Cover Search Failed"));
        QCOMPARE(shown[0].icon, Prompts::Icon::Warning);
        QCOMPARE(shown[0].text, QStringLiteral("The search for covers of Zardoz did not work: the cover server could not be "
                                               "reached or did not answer as expected (%1).\r\rCheck your internet "
                                               "connection and the cover source in the Options window, then search again.")
                                    .arg(why));
        QVERIFY(!shown[0].text.contains(QLatin1String("Couldn't find any covers")));
        QVERIFY(w->isVisible());
    }

    void cancelWhilePagesLoadEndsQuietly_data()
    {
        QTest::addColumn<bool>("byClosingTheWindow");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("closing the window") << true;
    }
    void cancelWhilePagesLoadEndsQuietly()
    {
        QFETCH(bool, byClosingTheWindow);
        serveSearch(QStringLiteral("Alien"), QStringLiteral("itemsearch-page1-of-3.xml"));
        server->addRoute(QStringLiteral("/onca/xml"), {{QStringLiteral("ItemPage"), QStringLiteral("2")}}, Reply::never());
        bool wasBusy = false;
        bool marqueeOff = false;
        connect(server.get(), &LocalHttpServer::requestReceived, this, [&](const LocalHttpServer::Request &r) {
            if (r.query.queryItemValue(QStringLiteral("ItemPage")) != QLatin1String("2"))
                return;
            QTimer::singleShot(20, this, [&] {
                frmCoverSearch *w = window;
                wasBusy = w->progressWindow()->isVisible() && !controlsEnabled(w) && w->isSearching();
                marqueeOff = !w->progressWindow()->marquee() && w->progressWindow()->pgbProgress->value() == 33; // page 2 of 3 has begun
                if (byClosingTheWindow)
                    w->close();
                else
                    QTest::mouseClick(w->progressWindow()->cmdCancel, Qt::LeftButton);
            });
        });
        main.setTitle(QStringLiteral("Alien"));
        window = new frmCoverSearch(t->ctx(), *cat, main.edited, main.events, *Coverfetch::findCoverfetchCore(pluginFolders().first()), nullptr);
        window->show();
        window->Query(QStringLiteral("Alien"), Coverfetch::DefaultLocaleURL, QStringLiteral("DVD"), 25);
        QVERIFY(wasBusy);
        QVERIFY(marqueeOff);
        QVERIFY(t->prompts.shown().isEmpty());
        QVERIFY(window->keys().isEmpty());
        QVERIFY(picturePaths().isEmpty());
        QVERIFY(controlsEnabled(window));
        QVERIFY(!window->progressWindow()->isVisible());
        QCOMPARE(window->isVisible(), !byClosingTheWindow);
        QCOMPARE(window->lngCancel, 1);
        QCOMPARE(searchRequests("ItemPage"), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    }

    void reopeningDuringASearchStartsNoSecondSearch()
    {
        serveSearch(QStringLiteral("Alien"), QStringLiteral("itemsearch-page1-of-3.xml"));
        server->addRoute(QStringLiteral("/onca/xml"), {{QStringLiteral("ItemPage"), QStringLiteral("2")}}, Reply::never());
        frmCoverSearch *reopened = nullptr;
        connect(server.get(), &LocalHttpServer::requestReceived, this, [&](const LocalHttpServer::Request &r) {
            if (r.query.queryItemValue(QStringLiteral("ItemPage")) != QLatin1String("2"))
                return;
            QTimer::singleShot(20, this, [&] {
                reopened = showCoverSearch(t->ctx(), *cat, main.edited, main.events, pluginFolders(), QStringLiteral("Aliens"), nullptr);
                if (reopened)
                    QTest::mouseClick(reopened->progressWindow()->cmdCancel, Qt::LeftButton);
            });
        });
        QVERIFY(search(QStringLiteral("Alien")));
        QCOMPARE(reopened, window.data());
        QCOMPARE(searchRequests("Keywords"), (QStringList{QStringLiteral("Alien"), QStringLiteral("Alien")}));
        QVERIFY(t->prompts.shown().isEmpty());
    }

    void cancelWhileThumbnailsLoadKeepsThoseLoaded()
    {
        serveSearch(QStringLiteral("Alien"), QStringLiteral("itemsearch-gaps.xml"));
        servePicture(QStringLiteral("/images/S/B0001ALIEN.png"), png(53, 75));
        server->addRoute(QStringLiteral("/images/S/B0004ALIEN.png"), Reply::never());
        main.setTitle(QStringLiteral("Alien"));
        window = new frmCoverSearch(t->ctx(), *cat, main.edited, main.events, *Coverfetch::findCoverfetchCore(pluginFolders().first()), nullptr);
        connect(window, &frmCoverSearch::thumbnailAdded, this, [this] {
            QTimer::singleShot(20, this, [this] { QTest::mouseClick(window->progressWindow()->cmdCancel, Qt::LeftButton); });
        });
        window->show();
        window->Query(QStringLiteral("Alien"), Coverfetch::DefaultLocaleURL, QStringLiteral("DVD"), 25);
        QCOMPARE(window->keys(), QStringList{QStringLiteral("Result #1")});
        QVERIFY(t->prompts.shown().isEmpty());
        QVERIFY(controlsEnabled(window));
    }

    void useSelected_data()
    {
        QTest::addColumn<QString>("selectKey");
        QTest::addColumn<bool>("largePictureServed");
        QTest::addColumn<bool>("stored");
        QTest::newRow("selected picture is stored") << QStringLiteral("Result #4") << true << true;
        QTest::newRow("nothing selected stores nothing") << QString() << true << false;
        QTest::newRow("failed download stores nothing and says so") << QStringLiteral("Result #4") << false << false;
    }
    void useSelected()
    {
        QFETCH(QString, selectKey);
        QFETCH(bool, largePictureServed);
        QFETCH(bool, stored);
        openCatalogueWithAMovie();
        serveAlien();
        const QByteArray large = png(500, 700, Qt::darkGreen);
        if (largePictureServed)
            servePicture(QStringLiteral("/images/L/B0004ALIEN.png"), large);
        const QByteArray before = QByteArray("old cover");
        CoverPictures(*cat, t->ctx()).savePictureBytes(main.movieId(), before);
        frmCoverSearch *w = search(QStringLiteral("Alien"));
        QVERIFY(w);
        main.setTitle(QStringLiteral("Tom & Jerry: The Movie"));
        QCOMPARE(w->keys().size(), 2);
        if (!selectKey.isEmpty())
            select(w, selectKey);
        QTest::mouseClick(w->cmdSave, Qt::LeftButton);

        QVERIFY(!w->isVisible());
        QCOMPARE(CoverPictures(*cat, t->ctx()).coverBytes(main.movieId()), stored ? large : before);
        QCOMPARE(main.count(QStringLiteral("reloadCover")), stored ? 1 : 0);
        QCOMPARE(picturePaths().contains(QStringLiteral("/images/L/B0004ALIEN.png")), !selectKey.isEmpty());
        if (selectKey.isEmpty() || stored) {
            QVERIFY(t->prompts.shown().isEmpty());
        } else {
            QCOMPARE(t->prompts.messages().size(), 1);
            QVERIFY(t->prompts.messages().first().startsWith(QStringLiteral("The cover could not be downloaded from \"")));
        }
        // The downloaded file does not outlive the command.
        QCOMPARE(QDir(tempFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    // TMDb as the cover source: the window searches with the key from the settings, shows the
    // posters and stores the chosen one's large picture as the cover.
    void tmdbSourceSearchesAndStoresACover()
    {
        openCatalogueWithAMovie();
        const QString key = QStringLiteral("0123456789abcdef0123456789abcdef");
        t->ctx().WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("Source"), QStringLiteral("TMDb"));
        t->ctx().WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("TMDbKey"), key);
        t->ctx().WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("TMDbBaseAddress"), server->baseUrl().toString());
        t->ctx().WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("TMDbImageBaseAddress"),
                          server->url(QStringLiteral("/t/p/")).toString());
        QFile canned(qEnvironmentVariable("CINELOG_TEST_DATA") + QStringLiteral("/tmdb/search_one_page.json"));
        QVERIFY(canned.open(QIODevice::ReadOnly));
        server->addRoute(QStringLiteral("/3/search/movie"), {{QStringLiteral("query"), QStringLiteral("Alien")}},
                         Reply::text(canned.readAll(), 200, "application/json"));
        servePicture(QStringLiteral("/t/p/w92/vfrQk5IPloGg1v9Rzbh2Eg3VGyM.jpg"), png(92, 138));
        servePicture(QStringLiteral("/t/p/w92/r1x5JGpyqZU8PYhbs4UcrO1Xb6x.jpg"), png(92, 138, Qt::darkBlue));
        const QByteArray large = png(780, 1170, Qt::darkGreen);
        servePicture(QStringLiteral("/t/p/w780/r1x5JGpyqZU8PYhbs4UcrO1Xb6x.jpg"), large);

        frmCoverSearch *w = search(QStringLiteral("Alien"));
        QVERIFY(w);
        QCOMPARE(w->source(), CoverSource::Tmdb);
        QVERIFY(t->prompts.shown().isEmpty());
        // The results without a usable poster have no thumbnail.
        QCOMPARE(w->keys(), (QStringList{QStringLiteral("Result #1"), QStringLiteral("Result #3")}));
        const LocalHttpServer::Request first = server->requests().first();
        QCOMPARE(first.path, QStringLiteral("/3/search/movie"));
        QCOMPARE(first.query.queryItemValue(QStringLiteral("api_key")), key);

        select(w, QStringLiteral("Result #3"));
        QTest::mouseClick(w->cmdSave, Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QCOMPARE(CoverPictures(*cat, t->ctx()).coverBytes(main.movieId()), large);
        QCOMPARE(main.count(QStringLiteral("reloadCover")), 1);
        QVERIFY(t->prompts.shown().isEmpty());
    }

    void tmdbSourceWithoutAKeyAsksForOne()
    {
        t->ctx().WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("Source"), QStringLiteral("TMDb"));
        t->ctx().WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("TMDbBaseAddress"), server->baseUrl().toString());
        frmCoverSearch *w = search(QStringLiteral("Alien"));
        QVERIFY(w);
        QCOMPARE(t->prompts.messages().size(), 1);
        QVERIFY(t->prompts.messages().first().contains(QStringLiteral("no TMDb API key is set")));
        QVERIFY(server->requests().isEmpty());

        // Changing the source in the options gives a window of the new source on the next search.
        t->ctx().WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("Source"), QStringLiteral("CoverfetchCore"));
        serveAlien();
        frmCoverSearch *classic = search(QStringLiteral("Alien"));
        QVERIFY(classic);
        QCOMPARE(classic->source(), CoverSource::CoverfetchCore);
        QCOMPARE(searchRequests("Keywords"), QStringList{QStringLiteral("Alien")});
    }

    void optionsOfferTheCoverSourceAndTheKey()
    {
        t->ctx().WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("TMDbKey"), QStringLiteral("old-key"));
        {
            frmOptions dlg(t->ctx());
            addCoverSearchOptions(dlg);
            auto *source = dlg.findChild<QComboBox *>(QStringLiteral("cboCoverSource"));
            auto *key = dlg.findChild<QLineEdit *>(QStringLiteral("txtTMDbKey"));
            QVERIFY(source && key);
            QCOMPARE(source->currentData().toInt(), int(CoverSource::CoverfetchCore));
            QCOMPARE(key->text(), QStringLiteral("old-key"));
            QVERIFY(key->isEnabled()); // Get Movie Details uses the key whatever the cover source
            source->setCurrentIndex(source->findData(int(CoverSource::Tmdb)));
            QVERIFY(key->isEnabled());
            key->setText(QStringLiteral("  new-key "));
            dlg.cmdOK_Click();
        }
        QCOMPARE(t->ctx().ReadINI(QStringLiteral("CoverSearch"), QStringLiteral("Source")), QStringLiteral("TMDb"));
        QCOMPARE(t->ctx().ReadINI(QStringLiteral("CoverSearch"), QStringLiteral("TMDbKey")), QStringLiteral("new-key"));
        QCOMPARE(CoverSourceSettings::source(t->ctx()), CoverSource::Tmdb);

        // Reopened, the dialog shows what was stored; Cancel keeps it.
        frmOptions again(t->ctx());
        addCoverSearchOptions(again);
        auto *source = again.findChild<QComboBox *>(QStringLiteral("cboCoverSource"));
        QCOMPARE(source->currentData().toInt(), int(CoverSource::Tmdb));
        source->setCurrentIndex(source->findData(int(CoverSource::CoverfetchCore)));
        again.cmdCancel_Click();
        QCOMPARE(CoverSourceSettings::source(t->ctx()), CoverSource::Tmdb);
    }

    // The start-up splash stays as it is; the About box (every later one) credits TMDb.
    void aboutBoxCreditsTmdbAndTheSplashDoesNot()
    {
        const QString credit = QStringLiteral("This product uses the TMDB API but is not endorsed or certified by TMDB.");
        frmSplash startup(t->ctx());
        QVERIFY(!startup.isAboutBox());
        startup.show();
        QVERIFY(!startup.lblAttribution->isVisible());
        startup.hide();

        frmSplash about(t->ctx());
        QVERIFY(about.isAboutBox());
        about.show();
        QVERIFY(about.lblAttribution->isVisible());
        QCOMPARE(about.lblAttribution->text(), credit);
        // The line fits the box.
        QVERIFY(about.rect().contains(about.lblAttribution->geometry()));
        about.hide();
    }

    void newSearchAsksForATitle_data()
    {
        QTest::addColumn<bool>("answered");
        QTest::newRow("a title searches for it") << true;
        QTest::newRow("cancelling searches nothing") << false;
    }
    void newSearchAsksForATitle()
    {
        QFETCH(bool, answered);
        serveAlien();
        main.setTitle(QStringLiteral("Alien"));
        window = new frmCoverSearch(t->ctx(), *cat, main.edited, main.events, *Coverfetch::findCoverfetchCore(pluginFolders().first()), nullptr);
        window->show();
        if (answered)
            t->prompts.answerText(QStringLiteral("Alien"));
        else
            t->prompts.answerCancel();
        QTest::mouseClick(window->cmdNewSearch, Qt::LeftButton);
        QCOMPARE(t->prompts.shown().first().text, QStringLiteral("Enter a Movie title to search for:"));
        QCOMPARE(t->prompts.shown().first().title, QStringLiteral("Cover Search"));
        QCOMPARE(t->prompts.shown().size(), 1);
        QCOMPARE(searchRequests("Keywords"), answered ? QStringList{QStringLiteral("Alien")} : QStringList());
        QCOMPARE(window->keys().size(), answered ? 2 : 0);
    }

    void windowKeepsItsPlaceAndSizeAndOffersAbout()
    {
        FakeMainWindow other;
        auto *factory = Coverfetch::findCoverfetchCore(pluginFolders().first());
        QVERIFY(factory);
        {
            frmCoverSearch first(t->ctx(), *cat, main.edited, main.events, *factory, nullptr);
            first.show();
            first.resize(100, 100);
            QCOMPARE(first.size(), QSize(twipsToPixels(6150), twipsToPixels(4575)));
            first.resize(640, 480);
            first.close();
        }
        QCOMPARE(t->ctx().ReadINI(QStringLiteral("frmCoverSearch"), QStringLiteral("Height")), QString::number(pixelsToTwips(480)));
        frmCoverSearch again(t->ctx(), *cat, other.edited, other.events, *factory, nullptr);
        QCOMPARE(again.size(), QSize(640, 480));

        auto *about = again.findChild<QAction *>(QStringLiteral("mnuAbout"));
        QVERIFY(about);
        QCOMPARE(about->text(), QStringLiteral("&About"));
        QVERIFY(again.actions().contains(about));
        about->trigger();
        QCOMPARE(t->prompts.shown().size(), 1);
        QVERIFY(t->prompts.messages().first().contains(t->ctx().VersionText));
    }

    void missingPluginIsExplained()
    {
        QTemporaryDir empty;
        window = showCoverSearch(t->ctx(), *cat, main.edited, main.events, {empty.path()}, QStringLiteral("Alien"), nullptr);
        QVERIFY(!window);
        QCOMPARE(t->prompts.shown().size(), 1);
        QCOMPARE(t->prompts.shown().first().icon, Prompts::Icon::Critical);
        QVERIFY(t->prompts.messages().first().startsWith(
            QStringLiteral("The cover search is not available: its plug-in, CoverfetchCore, could not be loaded.")));
        QVERIFY(t->prompts.messages().first().contains(empty.path()));
    }

    void previewShowsTheLargePictureWithItsSize()
    {
        serveAlien();
        servePicture(QStringLiteral("/images/L/B0004ALIEN.png"), png(500, 700));
        frmCoverSearch *w = search(QStringLiteral("Alien"));
        QVERIFY(w);
        select(w, QStringLiteral("Result #4"));
        QString caption;
        QSize picture;
        whenModal([&](QWidget *dialog) {
            auto *preview = qobject_cast<frmPreview *>(dialog);
            QVERIFY(preview);
            caption = preview->fraPreview->title();
            picture = preview->imgPreview->size();
            QTest::keyClick(preview, Qt::Key_Escape);
        });
        QTest::mouseClick(w->cmdPreview, Qt::LeftButton);
        QCOMPARE(caption, QStringLiteral("&Preview (500x700)"));
        QCOMPARE(picture, QSize(500, 700));
        QVERIFY(t->prompts.shown().isEmpty());
        QVERIFY(w->isVisible());
    }

    void previewScrollRanges()
    {
        QCOMPARE(twipsToPixels(15), 1); // the numbers below assume 15 twips per pixel
        frmPreview preview(t->ctx(), nullptr);
        preview.show();
        QCOMPARE(preview.size(), frmPreview::designSize());
        QCOMPARE(preview.picContainer->size(), QSize(305, 305));

        preview.setPicture(QImage(200, 150, QImage::Format_RGB32));
        QVERIFY(!preview.vsbVScroll->isEnabled());
        QVERIFY(!preview.hsbHScroll->isEnabled());
        QCOMPARE(preview.imgPreview->pos(), QPoint(0, 0));

        preview.setPicture(QImage(500, 700, QImage::Format_RGB32));
        QVERIFY(preview.vsbVScroll->isEnabled());
        QVERIFY(preview.hsbHScroll->isEnabled());
        QCOMPARE(preview.vsbVScroll->minimum(), 0);
        QCOMPARE(preview.vsbVScroll->maximum(), 5925);
        QCOMPARE(preview.hsbHScroll->maximum(), 2925);
        for (QScrollBar *bar : {preview.vsbVScroll, preview.hsbHScroll}) {
            QCOMPARE(bar->singleStep(), 100);
            QCOMPARE(bar->pageStep(), 500);
        }
        preview.vsbVScroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
        preview.hsbHScroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(preview.imgPreview->pos(), QPoint(-twipsToPixels(100), -twipsToPixels(500)));
    }

    void previewWheel_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("startV");
        QTest::addColumn<int>("startH");
        QTest::addColumn<int>("delta");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<int>("endV");
        QTest::addColumn<int>("endH");
        QTest::newRow("down moves one small step") << QSize(500, 700) << 0 << 0 << -120 << false << 100 << 0;
        QTest::newRow("a big turn is still one step") << QSize(500, 700) << 0 << 0 << -720 << false << 100 << 0;
        QTest::newRow("down at the bottom stays") << QSize(500, 700) << 5925 << 0 << -120 << false << 5925 << 0;
        QTest::newRow("up at the top stays") << QSize(500, 700) << 0 << 0 << 120 << false << 0 << 0;
        QTest::newRow("up near the top stops at it") << QSize(500, 700) << 50 << 0 << 120 << false << 0 << 0;
        QTest::newRow("shift scrolls sideways") << QSize(500, 700) << 300 << 0 << -120 << true << 300 << 100;
        QTest::newRow("shift on a tall picture moves nothing") << QSize(200, 700) << 300 << 0 << -120 << true << 300 << 0;
    }
    void previewWheel()
    {
        QFETCH(QSize, picture);
        QFETCH(int, startV);
        QFETCH(int, startH);
        QFETCH(int, delta);
        QFETCH(bool, shift);
        QFETCH(int, endV);
        QFETCH(int, endH);
        frmPreview preview(t->ctx(), nullptr);
        preview.show();
        preview.setPicture(QImage(picture, QImage::Format_RGB32));
        preview.vsbVScroll->setValue(startV);
        preview.hsbHScroll->setValue(startH);
        const QPointF at(50, 50);
        QWheelEvent wheel(at, preview.picContainer->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          shift ? Qt::ShiftModifier : Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(preview.picContainer, &wheel);
        QCOMPARE(preview.vsbVScroll->value(), endV);
        QCOMPARE(preview.hsbHScroll->value(), endH);
        QCOMPARE(preview.imgPreview->pos(), QPoint(-twipsToPixels(endH), -twipsToPixels(endV)));
    }

    void previewClosesWithEnterAndEscAndKeepsItsSize_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void previewClosesWithEnterAndEscAndKeepsItsSize()
    {
        QFETCH(int, key);
        {
            frmPreview preview(t->ctx(), nullptr);
            preview.setPicture(QImage(500, 700, QImage::Format_RGB32));
            preview.show();
            QVERIFY(QTest::qWaitForWindowExposed(&preview));
            preview.resize(480, 520);
            QTest::keyClick(&preview, Qt::Key(key));
            QVERIFY(!preview.isVisible());
        }
        QCOMPARE(t->ctx().ReadINI(QStringLiteral("frmPreview"), QStringLiteral("Width")), QString::number(pixelsToTwips(480)));
        frmPreview again(t->ctx(), nullptr);
        QCOMPARE(again.size(), QSize(480, 520));
        again.resize(100, 100);
        QCOMPARE(again.size(), frmPreview::designSize()); // never smaller than its design size
    }
};

QTEST_MAIN(CoverSearchWidgetsTest)
#include "CoverSearchWidgetsTest.moc"
