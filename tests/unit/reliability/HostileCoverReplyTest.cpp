// Cover-service replies a hostile or broken server could send, served from 127.0.0.1 to the cover
// plugin: every one ends the query with a failure the caller can show, and none crashes it.

#include "CoverfetchInterface.h"
#include "GTestSupport.h"
#include "LocalHttpServer.h"

#include <functional>

using Coverfetch::XMLParseError;
using Reply = LocalHttpServer::Reply;

namespace {

const QByteArray ServiceNs = "http://webservices.amazon.com/AWSECommerceService/2005-10-05";

QByteArray page(const QByteArray &items = "<Item><ASIN>B0001</ASIN><SmallImage><URL>http://127.0.0.1/s.jpg</URL>"
                                          "<Height>75</Height><Width>50</Width></SmallImage></Item>")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ItemSearchResponse xmlns=\"" + ServiceNs
           + "\"><Items><Request><IsValid>True</IsValid></Request><TotalResults>1</TotalResults>"
             "<TotalPages>1</TotalPages>"
           + items + "</Items></ItemSearchResponse>";
}

QByteArray withDoctype(const QByteArray &doctype)
{
    QByteArray p = page();
    return p.insert(p.indexOf('\n') + 1, doctype + "\n");
}

class Sink : public clsMainEvents
{
public:
    void WorkStarted() override {}
    void ProgressDataAvailable() override {}
    void Progress(qint32, qint32) override {}
    void Done(qint32) override { ++done; }
    int done = 0;
};

TEST(HostileCoverReply, EveryBadReplyEndsInAReportedFailure)
{
    QString why;
    CoverfetchCoreFactory *factory = Coverfetch::findCoverfetchCore(qEnvironmentVariable("CINELOG_PLUGIN_DIR"), &why);
    ASSERT_NE(factory, nullptr) << why.toStdString();

    QByteArray laughs = "<!DOCTYPE lolz [<!ENTITY lol \"lol\">";
    for (int i = 1; i < 10; ++i)
        laughs += "<!ENTITY lol" + QByteArray::number(i) + " \"" + QByteArray("&lol" + (i > 1 ? QByteArray::number(i - 1) : QByteArray()) + ";").repeated(10) + "\">";
    laughs += "]>";
    const QByteArray nested = QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(100000);
    Reply slow = Reply::xml(page());
    slow.delayMs = 2000;

    const struct {
        const char *name;
        Reply reply;
        qint32 expected;
    } cases[] = {
        {"entity bomb", Reply::xml(withDoctype(laughs)), XMLParseError::DtdRefused},
        {"external entity", Reply::xml(withDoctype("<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>")), XMLParseError::DtdRefused},
        {"external document type", Reply::xml(withDoctype("<!DOCTYPE r SYSTEM \"http://127.0.0.1:9/evil.dtd\">")), XMLParseError::DtdRefused},
        {"undeclared entity", Reply::xml(page("<Item><ASIN>&evil;</ASIN></Item>")), XMLParseError::NotWellFormed},
        {"truncated", Reply::xml(page().left(page().size() / 2)), XMLParseError::NotWellFormed},
        {"binary", Reply::text(QByteArray("\x00\xFF\xFE<\x01", 5), 200, "application/octet-stream"), XMLParseError::NotWellFormed},
        {"deeply nested", Reply::xml(nested), XMLParseError::NotWellFormed},
        {"over the size cap", Reply::xml(page(QByteArray("<Item><ASIN>x</ASIN></Item>").repeated(200000))), XMLParseError::TooLarge},
        {"slower than the time-out", slow, XMLParseError::TimedOut},
    };
    for (const auto &c : cases) {
        LocalHttpServer server;
        ASSERT_TRUE(server.isListening());
        server.setFallback(c.reply);
        std::unique_ptr<clsMain> core = factory->createClsMain();
        Sink sink;
        core->setEventSink(&sink);
        core->setBaseAddress(server.baseUrl());
        core->setTimeout(500);
        core->setMaxReplySize(1 << 20);
        const qint32 status = core->Query(QStringLiteral("Alien"), QStringLiteral("KEY"), QStringLiteral("amazon.com"),
                                          QStringLiteral("DVD"), 1);
        EXPECT_NE(status, 200) << c.name;
        EXPECT_EQ(sink.done, 1) << c.name;
        EXPECT_EQ(core->XMLError().errorCode, c.expected) << c.name << ": " << core->XMLError().reason.toStdString();
        EXPECT_FALSE(core->StatusCodeDescription(status).isEmpty()) << c.name;
    }
}

} // namespace
