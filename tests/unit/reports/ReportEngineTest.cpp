#include "GTestSupport.h"
#include "ReportEngine.h"
#include "ReportTestSupport.h"

#include <QSet>

using namespace report;

namespace {

// Rows of (group key, text) fed to the report one by one; records the events it receives.
class RowsSource : public ReportDataSource
{
public:
    explicit RowsSource(QList<std::pair<QString, QString>> rows) : m_rows(std::move(rows)) {}

    void DataInitialize(ReportRun &run) override
    {
        events << QStringLiteral("DataInitialize");
        m_next = 0;
        run.addField(QStringLiteral("Key"));
        run.addField(QStringLiteral("Text"));
    }
    void ReportStart(ReportRun &) override { events << QStringLiteral("ReportStart"); }
    void FetchData(ReportRun &run, bool &eof) override
    {
        events << QStringLiteral("FetchData");
        if (m_next >= m_rows.size()) {
            eof = true;
            return;
        }
        const auto &row = m_rows[m_next++];
        if (row.second == QLatin1String("<fail>"))
            throw CinelogError(3021, QStringLiteral("broken row"));
        run.setField(QStringLiteral("Key"), row.first);
        run.setField(QStringLiteral("Text"), row.second);
    }
    void ReportEnd(ReportRun &) override { events << QStringLiteral("ReportEnd"); }

    QStringList events;

protected:
    QList<std::pair<QString, QString>> m_rows;
    qsizetype m_next = 0;
};

// The same rows, from a source that can go back to a row.
class SeekableRowsSource : public RowsSource
{
public:
    using RowsSource::RowsSource;
    QVariant position() const override { return qint64(m_next); }
    void seek(ReportRun &, const QVariant &position) override { m_next = position.toLongLong(); }
};

ReportDefinition listDefinition(bool growing = false)
{
    ReportDefinition d;
    d.name = QStringLiteral("arTest");
    d.page = PageSetup::letter();
    d.pageHeader = Section{QStringLiteral("PageHeader"), 1000, {}, {}};
    d.pageHeader.controls << Control::label(QStringLiteral("lblTitle"), QStringLiteral("Test Report"), 90, 90, 5000, 450, 18);
    d.detail = Section{QStringLiteral("Detail"), 300, {}, {}};
    Control text = Control::field(QStringLiteral("fldText"), QStringLiteral("Text"), 90, 0, 2000, 270);
    text.canGrow = growing;
    d.detail.controls << text << Control::label(QStringLiteral("lblBelow"), QStringLiteral("below"), 90, 280, 900, 20, 1)
                      << Control::label(QStringLiteral("lblBeside"), QStringLiteral("beside"), 3000, 0, 900, 270);
    d.pageFooter = Section{QStringLiteral("PageFooter"), 360, {}, {}};
    d.pageFooter.controls << Control::pageNumber(QStringLiteral("fldPageNum"), 540, 90, 360, 270)
                          << Control::pageCount(QStringLiteral("fldPageCnt"), 1170, 90, 540, 270);
    return d;
}

class ReportEngineTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ensureGuiApplication(); }
    GTestContext tc;
};

TEST_F(ReportEngineTest, TwoHundredRowsAreEachPrintedOnceAndNeverRunIntoTheFooter)
{
    QList<std::pair<QString, QString>> rows;
    for (int i = 1; i <= 200; ++i)
        rows.append({QString(), QStringLiteral("Row %1").arg(i)});
    RowsSource source(rows);
    ReportDefinition def = listDefinition();
    const ReportDocument doc = runReport(tc.ctx(), def, source);

    ASSERT_GT(doc.pageCount(), 1);
    QStringList printed = doc.textsOf(QStringLiteral("fldText"));
    QStringList expected;
    for (const auto &r : rows)
        expected << r.second;
    EXPECT_EQ(printed, expected);

    const double footerTop = def.page.paper.height() - def.page.bottomMargin - def.pageFooter.height;
    for (int p = 0; p < doc.pageCount(); ++p) {
        const Page &page = doc.pages[p];
        SCOPED_TRACE(p + 1);
        EXPECT_EQ(page.textsOf(QStringLiteral("lblTitle")), QStringList{QStringLiteral("Test Report")});
        EXPECT_EQ(page.textsOf(QStringLiteral("fldPageNum")), QStringList{QString::number(p + 1)});
        EXPECT_EQ(page.textsOf(QStringLiteral("fldPageCnt")), QStringList{QString::number(doc.pageCount())});
        double lastBottom = 0;
        for (const PlacedItem &i : page.items) {
            if (i.section == QLatin1String("Detail")) {
                EXPECT_LE(i.rect.bottom(), footerTop) << i.text.toStdString();
                EXPECT_GE(i.rect.top(), def.page.topMargin + def.pageHeader.height);
                lastBottom = std::max(lastBottom, i.rect.bottom());
            }
            if (i.section == QLatin1String("PageFooter")) {
                EXPECT_GE(i.rect.top(), footerTop);
            }
        }
        // A page is only left when the next row would not fit on it.
        if (p + 1 < doc.pageCount()) {
            EXPECT_GT(lastBottom + def.detail.height, footerTop);
        }
    }
    EXPECT_EQ(source.events.first(), QStringLiteral("ReportStart"));
    EXPECT_EQ(source.events[1], QStringLiteral("DataInitialize"));
    EXPECT_EQ(source.events.count(QStringLiteral("FetchData")), 201);
    EXPECT_EQ(source.events.last(), QStringLiteral("ReportEnd"));
}

TEST_F(ReportEngineTest, AGrowingFieldPushesWhatLiesBelowItAndTheNextRow)
{
    const QString longText = QStringLiteral("Harrison Ford, Sean Young, Rutger Hauer, Edward James Olmos, "
                                            "Daryl Hannah, Joanna Cassidy, Brion James, M. Emmet Walsh");
    RowsSource source({{QString(), longText}, {QString(), QStringLiteral("short")}});
    ReportDefinition def = listDefinition(true);
    const ReportDocument doc = runReport(tc.ctx(), def, source);
    ASSERT_EQ(doc.pageCount(), 1);
    const Page &page = doc.pages[0];
    const auto texts = page.itemsOf(QStringLiteral("fldText"));
    const auto below = page.itemsOf(QStringLiteral("lblBelow"));
    const auto beside = page.itemsOf(QStringLiteral("lblBeside"));
    ASSERT_EQ(texts.size(), 2);
    ASSERT_EQ(below.size(), 2);
    ASSERT_EQ(beside.size(), 2);

    const QRectF grown = texts[0]->rect;
    EXPECT_GT(grown.height(), 3 * 270.0) << "the long text wraps onto several lines";
    EXPECT_GE(below[0]->rect.top(), grown.bottom()) << "the control under the field moves down";
    EXPECT_EQ(beside[0]->rect.top(), grown.top()) << "a control beside the field stays where it is";
    EXPECT_GE(texts[1]->rect.top(), below[0]->rect.bottom()) << "the next row starts after the grown one";

    EXPECT_EQ(texts[1]->rect.height(), 270.0) << "a short text keeps the designed height";
    EXPECT_EQ(below[1]->rect.top() - texts[1]->rect.top(), 280.0);
}

TEST_F(ReportEngineTest, AGroupHeaderStartsOnlyWhenItsFieldChanges)
{
    RowsSource source({{QStringLiteral("A"), QStringLiteral("1")},
                       {QStringLiteral("A"), QStringLiteral("2")},
                       {QStringLiteral("B"), QStringLiteral("3")},
                       {QStringLiteral("A"), QStringLiteral("4")}});
    ReportDefinition def = listDefinition();
    def.groupHeader = Section{QStringLiteral("GroupHeader"), 300, {}, QStringLiteral("Key")};
    def.groupHeader->controls << Control::field(QStringLiteral("fldKey"), QStringLiteral("Key"), 90, 0, 2000, 270);
    def.groupFooter = Section{QStringLiteral("GroupFooter"), 135, {}, {}};
    def.groupFooter->controls << Control::line(QStringLiteral("lnEnd"), 90, 90, 10000, 90);
    const ReportDocument doc = runReport(tc.ctx(), def, source);

    QStringList sequence;
    for (const auto &[page, item] : allItems(doc)) {
        if (item->control == QLatin1String("fldKey"))
            sequence << QStringLiteral("H:") + item->text;
        else if (item->control == QLatin1String("fldText"))
            sequence << item->text;
        else if (item->control == QLatin1String("lnEnd"))
            sequence << QStringLiteral("F");
    }
    EXPECT_EQ(sequence.join(QLatin1Char(' ')), QStringLiteral("H:A 1 2 F H:B 3 F H:A 4 F"));
}

TEST_F(ReportEngineTest, AFailedFetchIsLoggedAndItsRowLeftOut)
{
    RowsSource source({{QString(), QStringLiteral("first")},
                       {QString(), QStringLiteral("<fail>")},
                       {QString(), QStringLiteral("third")}});
    ReportDefinition def = listDefinition();
    const ReportDocument doc = runReport(tc.ctx(), def, source);
    EXPECT_EQ(doc.textsOf(QStringLiteral("fldText")), (QStringList{QStringLiteral("first"), QStringLiteral("third")}));
    const QStringList log = tc.logLines();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].contains(QStringLiteral("arTest - ActiveReport_FetchData: broken row"))) << log[0].toStdString();
}

TEST_F(ReportEngineTest, ASourceThatNeverEndsButAlwaysFailsStillEnds)
{
    class Broken : public ReportDataSource
    {
    public:
        void DataInitialize(ReportRun &) override {}
        void ReportStart(ReportRun &) override {}
        void FetchData(ReportRun &, bool &) override { throw CinelogError(5, QStringLiteral("always")); }
    } source;
    ReportDefinition def = listDefinition();
    const ReportDocument doc = runReport(tc.ctx(), def, source);
    EXPECT_EQ(doc.pageCount(), 1);
    EXPECT_TRUE(doc.textsOf(QStringLiteral("fldText")).isEmpty());
    EXPECT_FALSE(tc.logLines().isEmpty());
}

TEST_F(ReportEngineTest, PaperFollowsTheLocaleAndSectionsStartInsideTheMargins)
{
    const struct {
        QLocale::Language language;
        QLocale::Territory territory;
        bool a4;
    } cases[] = {
        {QLocale::English, QLocale::UnitedStates, false},
        {QLocale::French, QLocale::Canada, false},
        {QLocale::German, QLocale::Germany, true},
        {QLocale::English, QLocale::UnitedKingdom, true},
    };
    const QLocale saved;
    for (const auto &c : cases) {
        QLocale::setDefault(QLocale(c.language, c.territory));
        const PageSetup page = PageSetup::forLocale();
        EXPECT_EQ(page.a4, c.a4) << QLocale().name().toStdString();
        EXPECT_EQ(page.paper, c.a4 ? QSize(11906, 16838) : QSize(12240, 15840));
    }
    QLocale::setDefault(saved);

    RowsSource source({{QString(), QStringLiteral("only")}});
    ReportDefinition def = listDefinition();
    def.page = PageSetup::isoA4();
    const ReportDocument doc = runReport(tc.ctx(), def, source);
    ASSERT_EQ(doc.pageCount(), 1);
    const Page &page = doc.pages[0];
    EXPECT_EQ(page.itemsOf(QStringLiteral("lblTitle")).value(0)->rect.topLeft(), QPointF(360 + 90, 720 + 90));
    EXPECT_EQ(page.itemsOf(QStringLiteral("fldText")).value(0)->rect.top(), 720 + 1000);
    EXPECT_EQ(page.itemsOf(QStringLiteral("fldPageNum")).value(0)->rect.top(), 16838 - 360 - 360 + 90);
}

TEST_F(ReportEngineTest, PagesStreamedOrLaidOutAloneEqualTheWholeReport)
{
    const QString longText = QStringLiteral("Harrison Ford, Sean Young, Rutger Hauer, Edward James Olmos, "
                                            "Daryl Hannah, Joanna Cassidy, Brion James, M. Emmet Walsh");
    struct Case {
        const char *name;
        QList<std::pair<QString, QString>> rows;
        bool growing = false;
        bool groups = false;
        int footerHeight = 135;
    };
    QList<Case> cases;
    {
        Case c{"plain rows", {}};
        for (int i = 1; i <= 200; ++i)
            c.rows.append({QString(), QStringLiteral("Row %1").arg(i)});
        cases << c;
    }
    {
        Case c{"growing rows", {}, true};
        for (int i = 1; i <= 120; ++i)
            c.rows.append({QString(), i % 3 ? QStringLiteral("Row %1").arg(i) : longText.left(20 + i % 70)});
        cases << c;
    }
    {
        // Groups of changing sizes, so that pages begin with a group header, a detail and a footer.
        Case c{"groups", {}, true, true};
        for (int i = 1; i <= 260; ++i)
            c.rows.append({QStringLiteral("G%1").arg(i / (3 + i % 5)), i % 11 ? QStringLiteral("Row %1").arg(i) : longText});
        cases << c;
    }
    {
        // One group whose rows just fill the first page: its closing footer opens the second.
        Case c{"footer opens the last page", {}, false, true, 300};
        for (int i = 1; i <= 43; ++i)
            c.rows.append({QStringLiteral("A"), QStringLiteral("Row %1").arg(i)});
        cases << c;
    }
    {
        Case c{"a failing row", {{QString(), QStringLiteral("first")}, {QString(), QStringLiteral("<fail>")}}};
        for (int i = 1; i <= 60; ++i)
            c.rows.append({QString(), QStringLiteral("Row %1").arg(i)});
        cases << c;
    }
    {
        Case c{"no rows", {}};
        cases << c;
    }

    for (const Case &c : cases) {
        for (const bool seekable : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (seekable ? ", source that seeks" : ", source that cannot seek"));
            ReportDefinition def = listDefinition(c.growing);
            if (c.groups) {
                def.groupHeader = Section{QStringLiteral("GroupHeader"), 300, {}, QStringLiteral("Key")};
                def.groupHeader->controls << Control::field(QStringLiteral("fldKey"), QStringLiteral("Key"), 90, 0, 2000, 270);
                def.groupFooter = Section{QStringLiteral("GroupFooter"), c.footerHeight, {}, {}};
                def.groupFooter->controls << Control::line(QStringLiteral("lnEnd"), 90, 90, 10000, 90);
            }
            std::unique_ptr<RowsSource> source = seekable ? std::make_unique<SeekableRowsSource>(c.rows)
                                                          : std::make_unique<RowsSource>(c.rows);
            const ReportDocument whole = runReport(tc.ctx(), def, *source);
            expectSamePagesAllWays(tc.ctx(), whole, def, *source);
            if (QLatin1String(c.name) == QLatin1String("footer opens the last page")) {
                ASSERT_EQ(whole.pageCount(), 2);
                EXPECT_EQ(whole.pages[1].textsOf(QStringLiteral("fldText")), QStringList());
                EXPECT_EQ(whole.pages[1].itemsOf(QStringLiteral("lnEnd")).size(), 1);
            }
        }
    }
}

TEST_F(ReportEngineTest, StreamingStopsAfterTheLastPageAskedFor)
{
    QList<std::pair<QString, QString>> rows;
    for (int i = 1; i <= 400; ++i)
        rows.append({QString(), QStringLiteral("Row %1").arg(i)});
    RowsSource source(rows);
    ReportDefinition def = listDefinition();
    const ReportDocument whole = runReport(tc.ctx(), def, source);
    const ReportPlan plan = planReport(tc.ctx(), def, source);
    ASSERT_GT(plan.pageCount, 5);
    source.events.clear();
    QList<int> numbers;
    QStringList counts;
    streamReport(tc.ctx(), def, source, plan, [&](const Page &page, int number) {
        numbers << number;
        counts << page.textsOf(QStringLiteral("fldPageCnt"));
    }, 3);
    EXPECT_EQ(numbers, (QList<int>{1, 2, 3}));
    EXPECT_EQ(counts, QStringList(3, QString::number(plan.pageCount)));
    // Only the rows of those pages, and the one that did not fit on the third, were read.
    qsizetype rowsOnThree = 0;
    for (int p = 0; p < 3; ++p)
        rowsOnThree += whole.pages[p].textsOf(QStringLiteral("fldText")).size();
    EXPECT_EQ(source.events.count(QStringLiteral("FetchData")), rowsOnThree + 1);
    EXPECT_EQ(source.events.last(), QStringLiteral("ReportEnd"));
}

} // namespace
