#pragma once

#include <Qt>

// The movie list's sort bookkeeping: the column and direction the list is in now, and the ones
// remembered from the user's last header click, which a save puts back.
class MovieListSort
{
public:
    explicit MovieListSort(int defaultColumn) : m_default(defaultColumn), m_column(defaultColumn), m_lastColumn(0) {}

    int column() const { return m_column; }
    Qt::SortOrder order() const { return m_order; }
    // Whether the user sorted by a header click since the last refill.
    bool lastSorted() const { return m_lastSorted; }

    // A click on a column header: a second click on the column sorted last turns its direction
    // round; another column keeps the direction. Returns the order to sort by.
    Qt::SortOrder headerClicked(int column)
    {
        m_column = column;
        if (column == m_lastColumn)
            m_order = m_order == Qt::DescendingOrder ? Qt::AscendingOrder : Qt::DescendingOrder;
        m_lastColumn = m_column;
        m_lastOrder = m_order;
        m_lastSorted = true;
        return m_order;
    }

    // The list was refilled in its default order; the last column and direction stay remembered.
    void refilled()
    {
        m_lastColumn = m_column;
        m_lastOrder = m_order;
        m_lastSorted = false;
        m_column = m_default;
        m_order = Qt::AscendingOrder;
    }

    // After a save: true when the list is to be sorted again by the user's last header click, whose
    // column and direction become the list's again.
    bool resortAfterSave(int &column, Qt::SortOrder &order)
    {
        if (!m_lastSorted)
            return false;
        m_column = column = m_lastColumn;
        m_order = order = m_lastOrder;
        return true;
    }

private:
    int m_default;
    int m_column;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    int m_lastColumn;
    Qt::SortOrder m_lastOrder = Qt::AscendingOrder;
    bool m_lastSorted = false;
};
