#include "GTestSupport.h"
#include "Loans.h"
#include "TestCatalogue.h"
#include "UserLists.h"

using namespace Loans;

TEST(LoanDate, ReadsMonthDayYear)
{
    struct Case {
        const char *text;
        QDate expected; // invalid = unreadable
    } cases[] = {
        {"12/09/2025", QDate(2025, 12, 9)},
        {"1/2/2025", QDate(2025, 1, 2)},
        {" 03/04/25 ", QDate(2025, 3, 4)},
        {"02/29/2024", QDate(2024, 2, 29)},
        {"02/29/2025", QDate()},
        {"13/01/2025", QDate()},
        {"2025-12-09", QDate()},
        {"next tuesday", QDate()},
        {"", QDate()},
        {"12/09/2025; DROP TABLE LoanOut", QDate()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseLoanDate(QString::fromLatin1(c.text)), c.expected);
    }
    EXPECT_EQ(formatLoanDate(QDate(2025, 1, 2)), QStringLiteral("01/02/2025"));
    EXPECT_EQ(parseLoanDate(formatLoanDate(QDate(2031, 7, 30))), QDate(2031, 7, 30));
}

class LoansCatalogue : public ::testing::Test
{
protected:
    GTestContext t;
    std::unique_ptr<Catalogue> cat = openTempCatalogue(t.ctx(), t.folder());
};

TEST_F(LoansCatalogue, StoresDatesAsIsoAndFiltersByStatusAndBorrower)
{
    const int abyss = addMovie(*cat, QStringLiteral("The Abyss"));
    const int heat = addMovie(*cat, QStringLiteral("Heat"));
    const int open1 = recordLoan(*cat, abyss, QStringLiteral("The Abyss"), QStringLiteral("Pat O'Brien"), QDate(2025, 11, 2));
    const int back = recordLoan(*cat, heat, QStringLiteral("Heat"), QStringLiteral("Pat O'Brien"), QDate(2025, 10, 1));
    const int open2 = recordLoan(*cat, heat, QStringLiteral("Heat"), QStringLiteral("Ann"), QDate(2025, 12, 1));
    setReturned(*cat, back, QDate(2025, 10, 20));

    EXPECT_EQ(cat->scalar(QStringLiteral("SELECT DateOut FROM LoanOut WHERE ID = ?"), {open1}).toString(),
              QStringLiteral("2025-11-02"));
    EXPECT_TRUE(cat->scalar(QStringLiteral("SELECT DateIn FROM LoanOut WHERE ID = ?"), {open1}).isNull());

    auto ids = [](const QList<LoanRow> &rows) {
        QList<int> out;
        for (const LoanRow &r : rows)
            out << r.id;
        return out;
    };
    struct Case {
        Filter filter;
        QString borrower;
        QList<int> expected;
    } cases[] = {
        {Filter::All, QString(), {open1, back, open2}},
        {Filter::LoanedOut, QString(), {open1, open2}},
        {Filter::Returned, QString(), {back}},
        // A quote in the name is a value like any other; the comparison ignores letter case.
        {Filter::All, QStringLiteral("pat o'brien"), {open1, back}},
        {Filter::LoanedOut, QStringLiteral("Pat O'Brien"), {open1}},
        {Filter::Returned, QStringLiteral("Ann"), {}},
        {Filter::All, QStringLiteral("' OR '1'='1"), {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE((filterText(c.filter) + QLatin1Char('/') + c.borrower).toStdString());
        EXPECT_EQ(ids(loans(*cat, c.filter, c.borrower)), c.expected);
    }

    const QList<LoanRow> returned = loans(*cat, Filter::Returned);
    ASSERT_EQ(returned.size(), 1);
    EXPECT_EQ(returned[0].dateIn, QDate(2025, 10, 20));
    EXPECT_EQ(returned[0].dateOut, QDate(2025, 10, 1));
    EXPECT_EQ(borrowers(*cat), (QStringList{QStringLiteral("Ann"), QStringLiteral("Pat O'Brien")}));

    setReturned(*cat, back, QDate());
    EXPECT_EQ(openBorrowers(*cat, heat), (QStringList{QStringLiteral("Pat O'Brien"), QStringLiteral("Ann")}));
}

TEST_F(LoansCatalogue, RefusesAnUnreadableDate)
{
    const int abyss = addMovie(*cat, QStringLiteral("The Abyss"));
    EXPECT_THROW(recordLoan(*cat, abyss, QStringLiteral("The Abyss"), QStringLiteral("Ann"), QDate()), CinelogError);
    EXPECT_EQ(cat->scalar(QStringLiteral("SELECT COUNT(*) FROM LoanOut")).toInt(), 0);
}

TEST_F(LoansCatalogue, UserListsProposeAddListAndRemove)
{
    EXPECT_EQ(UserLists::proposedName(*cat, QStringLiteral("tester")), QString());
    UserLists::addEntry(*cat, 7, QStringLiteral("Heat"), QStringLiteral("tester"), QStringLiteral("Kim's list"));
    UserLists::addEntry(*cat, 8, QStringLiteral("Alien"), QStringLiteral("other"), QStringLiteral("Bob"));
    UserLists::addEntry(*cat, 9, QStringLiteral("Ran"), QStringLiteral("tester"), QStringLiteral("Later"));
    UserLists::addEntry(*cat, 7, QStringLiteral("Heat"), QStringLiteral("tester"), QStringLiteral("Kim's list"));
    UserLists::addEntry(*cat, 10, QStringLiteral("Ran"), QStringLiteral("tester"), QStringLiteral("Kim's list"));

    EXPECT_EQ(UserLists::proposedName(*cat, QStringLiteral("tester")), QStringLiteral("Kim's list"));
    EXPECT_EQ(UserLists::names(*cat), (QStringList{QStringLiteral("Bob"), QStringLiteral("Kim's list"), QStringLiteral("Later")}));
    EXPECT_EQ(UserLists::entries(*cat, QStringLiteral("Kim's list")).size(), 3);

    // Every entry of the movie in that list goes; other lists keep theirs.
    UserLists::addEntry(*cat, 7, QStringLiteral("Heat"), QStringLiteral("tester"), QStringLiteral("Later"));
    UserLists::removeMovie(*cat, QStringLiteral("kim's list"), 7);
    const QList<UserListEntry> left = UserLists::entries(*cat, QStringLiteral("Kim's list"));
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0].movieId, 10);
    EXPECT_EQ(UserLists::entries(*cat, QStringLiteral("Later")).size(), 2);
}
