// CoverfetchCore loaded as a plugin and run against a real HTTP server on 127.0.0.1 that serves
// ItemSearch replies written for these tests.

#include "CoverfetchInterface.h"
#include "GTestSupport.h"
#include "LocalHttpServer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTcpServer>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using Coverfetch::AWSItem;
using Coverfetch::XMLParseError;
using Reply = LocalHttpServer::Reply;

namespace {


const QString ServiceNs = QStringLiteral("http://webservices.amazon.com/AWSECommerceService/2005-10-05");
const QString Subscription = QStringLiteral("7TQ3KX90ZPLR4BN2F8HV");

QString testData(const QString &name)
{
    return qEnvironmentVariable("CINELOG_TEST_DATA") + QStringLiteral("/coverlib/") + name;
}

// One result of a canned page.
struct Result
{
    QString asin;
    bool smallImage = true;
    QString smallHeight = QStringLiteral("75");
};

// A canned ItemSearch reply in the service's default namespace.
struct Page
{
    std::optional<QString> totalResults = QStringLiteral("30");
    std::optional<QString> totalPages = QStringLiteral("3");
    QList<Result> results;
    QString requestExtra; // XML placed inside <Request> after <IsValid>

    QByteArray xml() const
    {
        QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ItemSearchResponse xmlns=\"%1\">"
                                     "<OperationRequest><RequestId>R1</RequestId></OperationRequest><Items>"
                                     "<Request><IsValid>True</IsValid>%2</Request>")
                          .arg(ServiceNs, requestExtra);
        if (totalResults)
            out += QStringLiteral("<TotalResults>%1</TotalResults>").arg(*totalResults);
        if (totalPages)
            out += QStringLiteral("<TotalPages>%1</TotalPages>").arg(*totalPages);
        for (const Result &r : results) {
            out += QStringLiteral("<Item><ASIN>%1</ASIN>").arg(r.asin);
            if (r.smallImage)
                out += QStringLiteral("<SmallImage><URL>http://img.invalid/S/%1.jpg</URL><Height Units=\"pixels\">%2</Height>"
                                      "<Width Units=\"pixels\">53</Width></SmallImage>")
                           .arg(r.asin, r.smallHeight);
            out += QStringLiteral("<MediumImage><URL>http://img.invalid/M/%1.jpg</URL><Height>160</Height><Width>113</Width></MediumImage>"
                                  "<LargeImage><URL>http://img.invalid/L/%1.jpg</URL><Height>500</Height><Width>353</Width></LargeImage>"
                                  "<ItemAttributes><Artist>Artist %1</Artist><ProductGroup>DVD</ProductGroup>"
                                  "<Title>Title %1</Title></ItemAttributes></Item>")
                       .arg(r.asin);
        }
        out += QStringLiteral("</Items></ItemSearchResponse>");
        return out.toUtf8();
    }
};

Page makePage(std::optional<QString> totalResults = QStringLiteral("30"),
              std::optional<QString> totalPages = QStringLiteral("3"), QList<Result> results = {},
              QString requestExtra = {})
{
    Page page;
    page.totalResults = std::move(totalResults);
    page.totalPages = std::move(totalPages);
    page.results = std::move(results);
    page.requestExtra = std::move(requestExtra);
    return page;
}

// count results named "P<page>-<i>".
QList<Result> results(int page, int count, bool smallImage = true)
{
    QList<Result> list;
    for (int i = 0; i < count; ++i)
        list << Result{QStringLiteral("P%1-%2").arg(page).arg(i), smallImage, QStringLiteral("75")};
    return list;
}

class RecordingSink : public clsMainEvents
{
public:
    void WorkStarted() override { events << QStringLiteral("WorkStarted"); }
    void ProgressDataAvailable() override { events << QStringLiteral("ProgressDataAvailable"); }
    void Progress(qint32 page, qint32 total) override
    {
        events << QStringLiteral("Progress(%1,%2)").arg(page).arg(total);
        if (onProgress)
            onProgress(page, total);
    }
    void Done(qint32 status) override { events << QStringLiteral("Done(%1)").arg(status); }

    QStringList events;
    std::function<void(qint32, qint32)> onProgress;
};

class CoverfetchCoreTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        QString why;
        s_factory = Coverfetch::findCoverfetchCore(qEnvironmentVariable("CINELOG_PLUGIN_DIR"), &why);
        if (!s_factory)
            s_loadError = why;
    }

    void SetUp() override
    {
        ASSERT_NE(s_factory, nullptr) << s_loadError.toStdString();
        ASSERT_TRUE(server.isListening());
        core = s_factory->createClsMain();
        core->setBaseAddress(server.baseUrl());
        core->setTimeout(3000);
        core->setEventSink(&sink);
    }

    void serve(int page, const QByteArray &xml) { serve(page, Reply::xml(xml)); }
    void serve(int page, const Reply &reply)
    {
        server.addRoute(QStringLiteral("/onca/xml"), {{QStringLiteral("ItemPage"), QString::number(page)}}, reply);
    }

    // Runs a query and checks what every query must do: Done raised exactly once, last, with the
    // returned code.
    qint32 query(qint32 pages, const QString &keywords = QStringLiteral("Alien"))
    {
        const qint32 status = core->Query(keywords, Subscription, QStringLiteral("amazon.com"), QStringLiteral("DVD"), pages);
        EXPECT_EQ(sink.events.filter(QStringLiteral("Done(")).size(), 1) << sink.events.join(u' ').toStdString();
        EXPECT_EQ(sink.events.value(sink.events.size() - 1), QStringLiteral("Done(%1)").arg(status));
        return status;
    }

    QStringList requestedPages() const
    {
        QStringList pages;
        for (const auto &r : server.requests())
            pages << r.query.queryItemValue(QStringLiteral("ItemPage"));
        return pages;
    }

    qint32 slotCount(bool *ok = nullptr) const { return core->Item(0, ok).lngLargeImageHeight; }

    static inline CoverfetchCoreFactory *s_factory = nullptr;
    static inline QString s_loadError;
    LocalHttpServer server;
    RecordingSink sink;
    std::unique_ptr<clsMain> core;
};

TEST_F(CoverfetchCoreTest, PluginIsFoundByItsIdAndEveryObjectKeepsItsOwnResults)
{
    QPluginLoader loader;
    bool found = false;
    const QDir dir(qEnvironmentVariable("CINELOG_PLUGIN_DIR"));
    for (const QString &file : dir.entryList(QDir::Files)) {
        loader.setFileName(dir.filePath(file));
        if (loader.metaData().value(QStringLiteral("IID")).toString() == QLatin1String(Coverfetch::InterfaceId)) {
            found = true;
            EXPECT_EQ(loader.metaData().value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Description")).toString(),
                      QStringLiteral("Coverfetch - Core"));
        }
    }
    EXPECT_TRUE(found);

    serve(1, makePage(QStringLiteral("1"), QStringLiteral("1"), results(1, 1)).xml());
    std::unique_ptr<clsMain> other = s_factory->createClsMain();
    ASSERT_EQ(query(0), 200);
    bool ok = true;
    other->Item(0, &ok);
    EXPECT_FALSE(ok) << "a second object must not see the first one's slots";
    EXPECT_EQ(core->Item(1).strASIN, QStringLiteral("P1-0"));
}

TEST_F(CoverfetchCoreTest, PageLimitAboveReportedPagesFetchesReportedPagesInEventOrder)
{
    const Page page1 = makePage(QStringLiteral("27"), QStringLiteral("3"), results(1, 10));
    serve(1, page1.xml());
    serve(2, makePage(QStringLiteral("27"), QStringLiteral("3"), results(2, 10)).xml());
    serve(3, makePage(QStringLiteral("27"), QStringLiteral("3"), results(3, 7)).xml());

    EXPECT_EQ(query(25), 200);
    EXPECT_EQ(sink.events, (QStringList{"WorkStarted", "Progress(1,1)", "ProgressDataAvailable", "Progress(1,3)",
                                        "Progress(2,3)", "Progress(3,3)", "Done(200)"}));
    EXPECT_EQ(requestedPages(), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(slotCount(), 250);

    const AWSItem first = core->Item(1);
    EXPECT_EQ(first.strASIN, QStringLiteral("P1-0"));
    EXPECT_EQ(first.strSmallImageURL, QStringLiteral("http://img.invalid/S/P1-0.jpg"));
    EXPECT_EQ(first.lngSmallImageHeight, 75);
    EXPECT_EQ(first.lngSmallImageWidth, 53);
    EXPECT_EQ(first.strMediumImageURL, QStringLiteral("http://img.invalid/M/P1-0.jpg"));
    EXPECT_EQ(first.lngMediumImageHeight, 160);
    EXPECT_EQ(first.lngMediumImageWidth, 113);
    EXPECT_EQ(first.strLargeImageURL, QStringLiteral("http://img.invalid/L/P1-0.jpg"));
    EXPECT_EQ(first.lngLargeImageHeight, 500);
    EXPECT_EQ(first.lngLargeImageWidth, 353);
    EXPECT_EQ(first.strArtist, QStringLiteral("Artist P1-0"));
    EXPECT_EQ(first.strProductGroup, QStringLiteral("DVD"));
    EXPECT_EQ(first.strTitle, QStringLiteral("Title P1-0"));
    EXPECT_EQ(core->Item(27).strASIN, QStringLiteral("P3-6"));
    EXPECT_EQ(core->Item(28), AWSItem{});

    // Every request carries the search exactly.
    const LocalHttpServer::Request r = server.requests().value(0);
    EXPECT_EQ(r.path, QStringLiteral("/onca/xml"));
    auto value = [&](const char *key) { return r.query.queryItemValue(QString::fromLatin1(key), QUrl::FullyDecoded); };
    EXPECT_EQ(value("Service"), QStringLiteral("AWSECommerceService"));
    EXPECT_EQ(value("SearchIndex"), QStringLiteral("DVD"));
    EXPECT_EQ(value("SubscriptionId"), Subscription);
    EXPECT_EQ(value("Keywords"), QStringLiteral("Alien"));
    EXPECT_EQ(value("Version"), QStringLiteral("2005-10-05"));
    EXPECT_EQ(value("ResponseGroup"), QStringLiteral("Small,Images"));
    EXPECT_EQ(value("Operation"), QStringLiteral("ItemSearch"));
}

struct PagingCase
{
    qint32 limit;
    const char *totalResults;
    qint32 expectedSlots;
    QStringList expectedPages;
};

class PagingTest : public CoverfetchCoreTest, public ::testing::WithParamInterface<PagingCase>
{
};

TEST_P(PagingTest, SlotsAndPagesFollowTheLimit)
{
    const PagingCase c = GetParam();
    const QString total = QString::fromLatin1(c.totalResults);
    serve(1, makePage(total, QStringLiteral("3"), results(1, 10)).xml());
    serve(2, makePage(total, QStringLiteral("3"), results(2, 10)).xml());
    serve(3, makePage(total, QStringLiteral("3"), results(3, 3)).xml());

    EXPECT_EQ(query(c.limit), 200);
    EXPECT_EQ(slotCount(), c.expectedSlots);
    EXPECT_EQ(requestedPages(), c.expectedPages);
    const qint32 fetched = qint32(c.expectedPages.size());
    EXPECT_EQ(sink.events.value(sink.events.size() - 2), QStringLiteral("Progress(%1,%1)").arg(fetched));
    // The last result fetched that fits in the slots is stored where its page puts it.
    const qint32 lastSlot = qMin(c.expectedSlots, (fetched - 1) * 10 + (fetched == 3 ? 3 : 10));
    EXPECT_FALSE(core->Item(lastSlot).strASIN.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Limits, PagingTest,
                         ::testing::Values(PagingCase{0, "23", 23, {"1", "2", "3"}},    // all pages, slots = total results
                                           PagingCase{0, "23.5", 23, {"1", "2", "3"}},  // 22.5 rounds to the even 22
                                           PagingCase{0, "15", 15, {"1", "2", "3"}},    // results past the slots are dropped
                                           PagingCase{2, "23", 20, {"1", "2"}},
                                           PagingCase{-2, "23", 20, {"1", "2"}},       // the sign is ignored
                                           PagingCase{3, "23", 30, {"1", "2", "3"}},
                                           PagingCase{50, "23", 500, {"1", "2", "3"}}));

TEST_F(CoverfetchCoreTest, EveryPageOwnsTenSlots)
{
    // Page 1 sends twenty results: the extra ten must not land in page 2's slots.
    serve(1, makePage(QStringLiteral("19"), QStringLiteral("2"), results(1, 20)).xml());
    serve(2, makePage(QStringLiteral("19"), QStringLiteral("2"), results(2, 7)).xml());

    EXPECT_EQ(query(25), 200);
    EXPECT_EQ(core->Item(10).strASIN, QStringLiteral("P1-9"));
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(core->Item(11 + i).strASIN, QStringLiteral("P2-%1").arg(i)) << "slot " << 10 + i;
    for (int n = 18; n <= 20; ++n)
        EXPECT_EQ(core->Item(n), AWSItem{}) << "Item " << n;
    EXPECT_EQ(core->Item(-13), core->Item(13));

    bool ok = true;
    core->Item(251, &ok);
    EXPECT_FALSE(ok);
    core->Item(250, &ok);
    EXPECT_TRUE(ok);
}

TEST_F(CoverfetchCoreTest, ResultsWithoutSmallPictureKeepTheirOtherFields)
{
    QList<Result> mixed = results(1, 2);
    mixed[0].smallImage = false;
    serve(1, makePage(QStringLiteral("2"), QStringLiteral("1"), mixed).xml());
    EXPECT_EQ(query(0), 200);
    const AWSItem noSmall = core->Item(1);
    EXPECT_TRUE(noSmall.strSmallImageURL.isEmpty());
    EXPECT_EQ(noSmall.lngSmallImageHeight, 0);
    EXPECT_EQ(noSmall.strASIN, QStringLiteral("P1-0"));
    EXPECT_EQ(noSmall.strTitle, QStringLiteral("Title P1-0"));
    EXPECT_EQ(noSmall.strLargeImageURL, QStringLiteral("http://img.invalid/L/P1-0.jpg"));
}

TEST_F(CoverfetchCoreTest, NoSmallPictureAnywhereEndsWith406AfterAllPages)
{
    serve(1, makePage(QStringLiteral("13"), QStringLiteral("2"), results(1, 10, false)).xml());
    serve(2, makePage(QStringLiteral("13"), QStringLiteral("2"), results(2, 3, false)).xml());
    EXPECT_EQ(query(0), 406);
    EXPECT_EQ(requestedPages(), (QStringList{"1", "2"}));
    EXPECT_EQ(core->Item(12).strTitle, QStringLiteral("Title P2-1"));
    EXPECT_EQ(core->Item(12).lngLargeImageWidth, 353);
}

struct FailureCase
{
    const char *name;
    std::function<Reply()> page1;
    qint32 status;
    qint32 xmlError;
    bool slotsSized;
};

class FailureTest : public CoverfetchCoreTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(FailureTest, EndsWithItsStatus)
{
    const FailureCase c = GetParam();
    serve(1, c.page1());
    serve(2, makePage().xml());
    serve(3, makePage().xml());
    EXPECT_EQ(query(0), c.status);
    EXPECT_EQ(core->XMLError().errorCode, c.xmlError) << core->XMLError().reason.toStdString();
    if (c.xmlError != XMLParseError::None) {
        EXPECT_FALSE(core->XMLError().reason.isEmpty());
    }
    bool sized = false;
    core->Item(0, &sized);
    EXPECT_EQ(sized, c.slotsSized);
    EXPECT_EQ(requestedPages(), QStringList{"1"}) << "a failed page ends the query";
    EXPECT_EQ(core->RuntimeError().lngNumber, 0);
}

QString unknownNamespace(QByteArray xml)
{
    return QString::fromUtf8(xml.replace("2005-10-05", "2005-09-15"));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, FailureTest,
    ::testing::Values(
        FailureCase{"MissingTotalResults", [] { return Reply::xml(makePage(std::nullopt, QStringLiteral("1"), results(1, 1)).xml()); }, 404, 0, false},
        FailureCase{"MissingTotalPages", [] { return Reply::xml(makePage(QStringLiteral("1"), std::nullopt, results(1, 1)).xml()); }, 407, 0, true},
        FailureCase{"NotXml", [] { return Reply::text("<html><body>Service Unavailable</body>", 200, "text/html"); }, 403, XMLParseError::NotWellFormed, false},
        FailureCase{"EmptyBody", [] { return Reply::xml(QByteArray()); }, 403, XMLParseError::NotWellFormed, false},
        FailureCase{"ServerError", [] { return Reply::text("oops", 500); }, 403, XMLParseError::NotWellFormed, false},
        FailureCase{"Doctype", [] { return Reply::file(testData(QStringLiteral("itemsearch-doctype.xml"))); }, 403, XMLParseError::DtdRefused, false},
        FailureCase{"OtherApiVersion", [] { return Reply::xml(unknownNamespace(makePage().xml()).toUtf8()); }, 403, 0, false},
        FailureCase{"NoValidityNode", [] { return Reply::xml(makePage().xml().replace("<IsValid>True</IsValid>", "")); }, 403, 0, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(CoverfetchCoreTest, ServiceErrorIsReportedEvenBesideTheValidityNode)
{
    serve(1, Reply::file(testData(QStringLiteral("itemsearch-error.xml"))));
    EXPECT_EQ(query(25), 402);
    EXPECT_EQ(core->AWSError().strCode, QStringLiteral("AWS.ECommerceService.NoExactMatches"));
    EXPECT_EQ(core->AWSError().strMessage, QStringLiteral("We did not find any matches for your request."));
    bool ok = true;
    core->Item(0, &ok);
    EXPECT_FALSE(ok);

    // The next query starts clean.
    server.clearRoutes();
    sink.events.clear();
    serve(1, makePage(QStringLiteral("1"), QStringLiteral("1"), results(1, 1)).xml());
    EXPECT_EQ(query(25), 200);
    EXPECT_TRUE(core->AWSError().strCode.isEmpty());
    EXPECT_TRUE(core->AWSError().strMessage.isEmpty());
}

TEST_F(CoverfetchCoreTest, ErrorWithoutCodeOrMessageStillEnds402)
{
    serve(1, makePage(QStringLiteral("0"), QStringLiteral("0"), {}, QStringLiteral("<Errors><Error/></Errors>")).xml());
    EXPECT_EQ(query(0), 402);
    EXPECT_TRUE(core->AWSError().strCode.isEmpty());
}

TEST_F(CoverfetchCoreTest, ServiceNamespaceIsMatchedByUriNotByPrefix)
{
    serve(1, Reply::file(testData(QStringLiteral("itemsearch-prefixed.xml"))));
    EXPECT_EQ(query(0), 200);
    EXPECT_EQ(slotCount(), 1);
    EXPECT_EQ(core->Item(1).strASIN, QStringLiteral("B00005JNOG"));
    EXPECT_EQ(core->Item(1).strTitle, QStringLiteral("Alien & Aliens (Special Edition)"));
    EXPECT_EQ(core->Item(1).lngLargeImageWidth, 347);
}

TEST_F(CoverfetchCoreTest, NonNumericPictureSizeEnds501AndKeepsWhatWasRead)
{
    QList<Result> list = results(1, 4);
    list[2].smallHeight = QStringLiteral("75px");
    serve(1, makePage(QStringLiteral("4"), QStringLiteral("1"), list).xml());

    EXPECT_EQ(query(0), 501);
    const Coverfetch::RuntimeError e = core->RuntimeError();
    EXPECT_EQ(e.strSource, QStringLiteral("CoverfetchCore :: clsMain :: ParseResponse()"));
    EXPECT_EQ(e.lngNumber, 13);
    EXPECT_EQ(e.strDescription, QStringLiteral("Type mismatch"));
    EXPECT_GT(e.lngLine, 0);
    EXPECT_EQ(core->Item(2).strTitle, QStringLiteral("Title P1-1"));
    // The failing result keeps the fields read before its size.
    EXPECT_EQ(core->Item(3).strASIN, QStringLiteral("P1-2"));
    EXPECT_EQ(core->Item(3).lngSmallImageHeight, 0);
    EXPECT_TRUE(core->Item(4).strASIN.isEmpty());
}

TEST_F(CoverfetchCoreTest, NonNumericPageCountEnds500)
{
    serve(1, makePage(QStringLiteral("4"), QStringLiteral("three"), results(1, 4)).xml());
    EXPECT_EQ(query(0), 500);
    EXPECT_EQ(core->RuntimeError().strSource, QStringLiteral("CoverfetchCore :: clsMain :: Query()"));
    EXPECT_EQ(core->RuntimeError().lngNumber, 13);
}

TEST_F(CoverfetchCoreTest, CancelWhilePageTwoIsPendingAbortsTheRequest)
{
    // Far beyond the test's own time limit: only Cancel can end this wait.
    core->setTimeout(600000);
    serve(1, makePage(QStringLiteral("30"), QStringLiteral("3"), results(1, 10)).xml());
    serve(2, Reply::never());
    QObject::connect(&server, &LocalHttpServer::requestReceived, &server, [&](const LocalHttpServer::Request &r) {
        if (r.query.queryItemValue(QStringLiteral("ItemPage")) == QLatin1String("2"))
            core->Cancel();
    });

    EXPECT_EQ(query(25), 600);
    EXPECT_EQ(sink.events.value(sink.events.size() - 2), QStringLiteral("Progress(2,3)"));
    EXPECT_EQ(requestedPages(), (QStringList{"1", "2"}));
    EXPECT_EQ(core->Item(10).strASIN, QStringLiteral("P1-9"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.abandonedRequests() == 1; }, 3000))
        << "the pending request must be aborted";

    // A new query clears the cancellation.
    server.clearRoutes();
    sink.events.clear();
    serve(1, makePage(QStringLiteral("1"), QStringLiteral("1"), results(1, 1)).xml());
    EXPECT_EQ(query(25), 200);
}

TEST_F(CoverfetchCoreTest, CancelFromAnEventHandlerStopsAfterTheResultInHand)
{
    serve(1, makePage(QStringLiteral("30"), QStringLiteral("3"), results(1, 10)).xml());
    sink.onProgress = [&](qint32 page, qint32 total) {
        if (page == 1 && total == 3)
            core->Cancel();
    };
    EXPECT_EQ(query(25), 600);
    EXPECT_EQ(core->Item(1).strASIN, QStringLiteral("P1-0"));
    EXPECT_TRUE(core->Item(2).strASIN.isEmpty());
    EXPECT_EQ(requestedPages(), QStringList{"1"});
}

TEST_F(CoverfetchCoreTest, ServerThatNeverAnswersTimesOut)
{
    core->setTimeout(300);
    serve(1, Reply::never());
    EXPECT_EQ(query(25), 403);
    EXPECT_EQ(core->XMLError().errorCode, XMLParseError::TimedOut);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.abandonedRequests() == 1; }, 3000));
}

TEST_F(CoverfetchCoreTest, SlowReplyWithinTheTimeOutIsRead)
{
    Reply slow = Reply::xml(makePage(QStringLiteral("1"), QStringLiteral("1"), results(1, 1)).xml());
    slow.delayMs = 150;
    serve(1, slow);
    EXPECT_EQ(query(25), 200);
}

TEST_F(CoverfetchCoreTest, OversizedReplyIsRefused)
{
    core->setMaxReplySize(2000);
    serve(1, makePage(QStringLiteral("10"), QStringLiteral("1"), results(1, 10)).xml());
    EXPECT_EQ(query(0), 403);
    EXPECT_EQ(core->XMLError().errorCode, XMLParseError::TooLarge);
}

TEST_F(CoverfetchCoreTest, RefusedConnectionEnds403WithTheReason)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    QUrl base = server.baseUrl();
    base.setPort(closed.serverPort());
    closed.close();
    core->setBaseAddress(base);

    EXPECT_EQ(query(25), 403);
    EXPECT_EQ(core->XMLError().errorCode, XMLParseError::TransferFailed);
    EXPECT_FALSE(core->XMLError().reason.isEmpty());
}

TEST_F(CoverfetchCoreTest, KeywordsReachTheServiceUnchanged)
{
    const QString keywords = QStringLiteral("Star Wars & Co #1 + Amélie=100%");
    serve(1, makePage(QStringLiteral("1"), QStringLiteral("1"), results(1, 1)).xml());
    EXPECT_EQ(query(25, keywords), 200);
    ASSERT_EQ(server.requests().size(), 1);
    const LocalHttpServer::Request r = server.requests().first();
    EXPECT_EQ(r.query.queryItemValue(QStringLiteral("Keywords"), QUrl::FullyDecoded), keywords);
    EXPECT_FALSE(r.target.contains(' '));
    EXPECT_EQ(r.query.queryItemValue(QStringLiteral("Operation")), QStringLiteral("ItemSearch"));
}

TEST_F(CoverfetchCoreTest, DefaultAddressIsFormedFromTheMarketplaceDomain)
{
    std::unique_ptr<clsMain> plain = s_factory->createClsMain();
    EXPECT_TRUE(plain->baseAddress().isEmpty());
    EXPECT_EQ(plain->RequestAddress(2, QStringLiteral("Blade Runner"), Subscription, QStringLiteral("amazon.co.uk"), QStringLiteral("DVD"))
                  .toEncoded(),
              QByteArray("http://webservices.amazon.co.uk/onca/xml?Service=AWSECommerceService&ItemPage=2&SearchIndex=DVD"
                         "&SubscriptionId=7TQ3KX90ZPLR4BN2F8HV&Keywords=Blade%20Runner&Version=2005-10-05"
                         "&ResponseGroup=Small,Images&Operation=ItemSearch"));

    // A domain that cannot form a host is refused before anything is sent.
    RecordingSink events;
    plain->setEventSink(&events);
    EXPECT_EQ(plain->Query(QStringLiteral("x"), Subscription, QStringLiteral("amazon.com/x?y"), QStringLiteral("DVD"), 1), 401);
    EXPECT_EQ(events.events, (QStringList{"WorkStarted", "Progress(1,1)", "Done(401)"}));
}

TEST_F(CoverfetchCoreTest, BaseAddressPathPrefixIsKept)
{
    core->setBaseAddress(server.url(QStringLiteral("/proxy/")));
    server.addRoute(QStringLiteral("/proxy/onca/xml"), Reply::xml(makePage(QStringLiteral("1"), QStringLiteral("1"), results(1, 1)).xml()));
    EXPECT_EQ(query(1), 200);
}

TEST_F(CoverfetchCoreTest, StatusCodeDescriptions)
{
    const QList<QPair<qint32, QString>> table{
        {200, "OK."},
        {400, "The XML parser was not instantiated correctly."},
        {401, "The XML parser was unable to load the requested document."},
        {402, "Amazon Web Services returned an error."},
        {403, "Unable to check the validity of the Amazon Web Services request."},
        {404, "Unable to retrieve the total number of results."},
        {405, "Unable to retrieve the item list."},
        {406, "Matches were found, but none of them contained an image."},
        {407, "Unable to retrieve the total number of pages."},
        {500, "A runtime error occurred while attempting to query Amazon Web Services."},
        {501, "A runtime error occurred while attempting to parse the Amazon Web Services response."},
        {502, "A runtime error occurred while attempting to validate the Amazon Web Services query."},
        {600, "User initialized stop."},
        {0, "Unknown error."},
        {201, "Unknown error."},
        {-200, "Unknown error."},
    };
    for (const auto &[code, text] : table)
        EXPECT_EQ(core->StatusCodeDescription(code), text) << code;
}

TEST_F(CoverfetchCoreTest, ItemBeforeAnyQueryReportsNoSlots)
{
    bool ok = true;
    EXPECT_EQ(core->Item(0, &ok), AWSItem{});
    EXPECT_FALSE(ok);
    core->Item(1, &ok);
    EXPECT_FALSE(ok);
}

} // namespace
