// The movie list on real catalogue files larger than one page of rows: texts read a page at a time,
// loan marks on rows far from the first page, column sorts done by the engine (case-blind, equal
// texts keeping their previous order, non-ASCII letters folded), and the rows changed in memory.

#include "Catalogue.h"
#include "TestCatalogue.h"
#include "GTestSupport.h"
#include "MovieListModel.h"
#include "MovieStore.h"

#include <QAbstractItemModelTester>
#include <QBrush>

namespace {

struct Fixture {
    GTestContext t;
    Catalogue catalogue;
    MovieListModel model;

    explicit Fixture(int movies)
    {
        QString path = t.path(QStringLiteral("list.cnlg"));
        createCatalogue(path);
        EXPECT_TRUE(catalogue.open(path).opened());
        catalogue.transaction([&] {
            for (int i = 1; i <= movies; ++i) {
                // Titles in mixed case with many equal ones; Order By in reverse of the ID.
                const QString title = (i % 2 ? QStringLiteral("title %1") : QStringLiteral("TITLE %1")).arg(i % 7);
                catalogue.exec(QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy, Director, RunningTime, UserRating) "
                                              "VALUES (?, ?, ?, ?, ?, ?)"),
                               {i, title, QStringLiteral("%1").arg(100000 - i), i % 3 ? QVariant(QStringLiteral("Dir")) : QVariant(),
                                i % 5 ? QVariant(QString::number(80 + i % 50)) : QVariant(), i % 8});
            }
        });
    }
    QStringList column(int c) const
    {
        QStringList out;
        for (int r = 0; r < model.rowCount(); ++r)
            out << model.text(r, c);
        return out;
    }
    QList<int> ids() const
    {
        QList<int> out;
        for (int r = 0; r < model.rowCount(); ++r)
            out << model.movieId(r);
        return out;
    }
};

} // namespace

TEST(MovieListModel, readsRowsAPageAtATimeWithPaddedIdsAndLoans)
{
    const int n = 3 * MovieListModel::PageRows + 10;
    Fixture f(n);
    f.catalogue.exec(QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (5, 't', 'Zed', '2025-01-01')"));
    f.catalogue.exec(QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut, DateIn) VALUES (6, 't', 'Ann', '2025-01-01', '2025-02-01')"));
    f.model.fill(f.catalogue);
    ASSERT_EQ(f.model.rowCount(), n);
    EXPECT_EQ(f.model.cachedRows(), 0);
    // Order By descends with the ID: the last row is movie 1, so IDs pad to one digit.
    EXPECT_EQ(f.model.movieId(0), n);
    EXPECT_EQ(f.model.text(0, MovieListModel::ColID), QString::number(n));
    EXPECT_EQ(f.model.cachedRows(), MovieListModel::PageRows);
    const int row5 = f.model.rowOfMovie(5);
    EXPECT_EQ(row5, n - 5);
    EXPECT_TRUE(f.model.isLoaned(row5));
    EXPECT_FALSE(f.model.isLoaned(f.model.rowOfMovie(6)));
    EXPECT_EQ(f.model.data(f.model.index(row5, 2), Qt::ToolTipRole).toString(), QStringLiteral("Loaned To Zed"));
    // Red, readable on the list's background.
    const QColor loaned = f.model.data(f.model.index(row5, 0), Qt::ForegroundRole).value<QBrush>().color();
    EXPECT_EQ(loaned, MovieListModel::loanedColour());
    EXPECT_TRUE(loaned.red() >= 200 && loaned.green() == 0 && loaned.blue() == 0) << loaned.name().toStdString();
    EXPECT_EQ(f.model.text(f.model.rowOfMovie(10), MovieListModel::ColTime), QStringLiteral("NA"));
    EXPECT_EQ(f.model.text(f.model.rowOfMovie(11), MovieListModel::ColTime), QStringLiteral("91 min"));
    EXPECT_EQ(f.model.text(f.model.rowOfMovie(3), MovieListModel::ColDirector), QString());
    QAbstractItemModelTester tester(&f.model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(f.column(MovieListModel::ColTitle).size(), n);
}

TEST(MovieListModel, sortsInTheEngineAsTextIgnoringCaseAndKeepsTiesInTheirOrder)
{
    const int n = 2 * MovieListModel::PageRows + 3;
    Fixture f(n);
    f.catalogue.exec(QStringLiteral("UPDATE Movies SET Title = 'éclair' WHERE ID = 1"));
    f.catalogue.exec(QStringLiteral("UPDATE Movies SET Title = 'ÉCLAIR' WHERE ID = 2"));
    f.model.fill(f.catalogue);
    QAbstractItemModelTester tester(&f.model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const QPersistentModelIndex kept = f.model.index(f.model.rowOfMovie(42), 3);

    // The reference: a stable sort of the current rows by their texts without regard to case.
    auto expected = [&](int column, Qt::SortOrder order) {
        QList<int> ids = f.ids();
        QStringList texts = f.column(column);
        QList<int> idx;
        for (int i = 0; i < ids.size(); ++i)
            idx << i;
        std::stable_sort(idx.begin(), idx.end(), [&](int a, int b) {
            const int c = texts[a].compare(texts[b], Qt::CaseInsensitive);
            return order == Qt::AscendingOrder ? c < 0 : c > 0;
        });
        QList<int> out;
        for (int i : idx)
            out << ids[i];
        return out;
    };
    for (auto [column, order] : {std::pair{int(MovieListModel::ColTitle), Qt::AscendingOrder},
                                 std::pair{int(MovieListModel::ColDirector), Qt::DescendingOrder},
                                 std::pair{int(MovieListModel::ColTime), Qt::AscendingOrder},
                                 std::pair{int(MovieListModel::ColStars), Qt::DescendingOrder},
                                 std::pair{int(MovieListModel::ColID), Qt::AscendingOrder},
                                 std::pair{int(MovieListModel::ColTitle), Qt::DescendingOrder}}) {
        const QList<int> want = expected(column, order);
        f.model.sort(column, order);
        EXPECT_EQ(f.ids(), want) << "column " << column;
        EXPECT_EQ(kept.row(), f.model.rowOfMovie(42));
    }
}

TEST(MovieListModel, rowsChangedInMemoryKeepTheirTextsAndSortWithTheRest)
{
    Fixture f(MovieListModel::PageRows + 5);
    f.model.fill(f.catalogue);
    MovieStore store(f.catalogue);
    MovieRecord m;
    m.title = QStringLiteral("aaa first");
    m.orderBy = m.title;
    m.runningTime = QStringLiteral("120");
    m.userRating = 4;
    m.id = store.save(m);
    const int row = f.model.appendMovie(m);
    EXPECT_EQ(row, f.model.rowCount() - 1);
    EXPECT_EQ(f.model.text(row, MovieListModel::ColID), QString::number(m.id));
    EXPECT_EQ(f.model.text(row, MovieListModel::ColTime), QStringLiteral("120 min"));
    f.model.setStars(0, 7);
    EXPECT_EQ(f.model.text(0, MovieListModel::ColStars), QStringLiteral("7"));
    const int first = f.model.movieId(0);
    f.model.sort(MovieListModel::ColTitle, Qt::AscendingOrder);
    EXPECT_EQ(f.model.movieId(0), m.id);
    EXPECT_EQ(f.model.text(f.model.rowOfMovie(first), MovieListModel::ColStars), QStringLiteral("7"));
    f.model.removeMovieRow(0);
    EXPECT_EQ(f.model.rowOfMovie(m.id), -1);
    EXPECT_EQ(f.model.rowCount(), MovieListModel::PageRows + 5);
}
