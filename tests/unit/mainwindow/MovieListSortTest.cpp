#include "MovieListSort.h"

#include <gtest/gtest.h>

namespace {
constexpr int OrderBy = 2;
}

TEST(MovieListSort, HeaderClicksTurnTheDirectionOfTheLastColumnOnly)
{
    MovieListSort s(OrderBy);
    EXPECT_EQ(s.column(), OrderBy);
    EXPECT_FALSE(s.lastSorted());
    struct Step {
        int column;
        Qt::SortOrder expected;
    };
    // Column 0 is the one remembered at the start, so its first click turns round at once.
    const Step steps[] = {{3, Qt::AscendingOrder}, {3, Qt::DescendingOrder}, {5, Qt::DescendingOrder},
                          {5, Qt::AscendingOrder}, {0, Qt::AscendingOrder},  {0, Qt::DescendingOrder}};
    for (const Step &st : steps) {
        EXPECT_EQ(s.headerClicked(st.column), st.expected) << st.column;
        EXPECT_EQ(s.column(), st.column);
        EXPECT_EQ(s.order(), st.expected);
        EXPECT_TRUE(s.lastSorted());
    }
    MovieListSort fresh(OrderBy);
    EXPECT_EQ(fresh.headerClicked(0), Qt::DescendingOrder);
}

TEST(MovieListSort, RefillForgetsTheSortButASaveNeedsAClickToResort)
{
    MovieListSort s(OrderBy);
    int column = -1;
    Qt::SortOrder order = Qt::AscendingOrder;
    EXPECT_FALSE(s.resortAfterSave(column, order));
    EXPECT_EQ(column, -1);

    s.headerClicked(4);
    s.headerClicked(4); // descending
    EXPECT_TRUE(s.resortAfterSave(column, order));
    EXPECT_EQ(column, 4);
    EXPECT_EQ(order, Qt::DescendingOrder);

    s.refilled();
    EXPECT_EQ(s.column(), OrderBy);
    EXPECT_EQ(s.order(), Qt::AscendingOrder);
    EXPECT_FALSE(s.lastSorted());
    column = -1;
    EXPECT_FALSE(s.resortAfterSave(column, order));
    // The column clicked before the refill is still the remembered one: clicking it turns the
    // list's present (ascending) direction round.
    EXPECT_EQ(s.headerClicked(4), Qt::DescendingOrder);
    EXPECT_EQ(s.headerClicked(1), Qt::DescendingOrder);
}
