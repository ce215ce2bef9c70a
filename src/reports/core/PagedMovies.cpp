#include "PagedMovies.h"

#include "Catalogue.h"

#include <QSqlQuery>
#include <algorithm>
#include <limits>

namespace report {

namespace {

constexpr int FirstChunkAfterSeek = 16;

} // namespace

PagedMovies::PagedMovies(Catalogue &cat, QString columns, int pageSize)
    : m_cat(cat), m_columns(std::move(columns)), m_pageSize(std::max(pageSize, 1))
{
    restart();
}

void PagedMovies::restart()
{
    m_buffer.clear();
    m_next = 0;
    m_row = QSqlRecord();
    m_inNulls = true;
    m_key = QVariant();
    m_id = 0;
    m_fromStart = true;
    m_atEnd = false;
    m_chunk = m_pageSize;
    m_position = QVariantList{QStringLiteral("start")};
}

QVariant PagedMovies::position() const
{
    return m_position;
}

void PagedMovies::seek(const QVariant &position)
{
    const QVariantList p = position.toList();
    restart();
    if (p.value(0).toString() != QLatin1String("start")) {
        m_fromStart = false;
        m_inNulls = p.value(0).toString() == QLatin1String("nulls");
        m_key = p.value(1);
        m_id = p.value(2).toLongLong();
    }
    m_chunk = std::min(FirstChunkAfterSeek, m_pageSize);
    m_position = position;
}

void PagedMovies::load()
{
    m_buffer.clear();
    m_next = 0;
    const int wanted = m_chunk;
    m_chunk = std::min(m_chunk * 4, m_pageSize);
    QSqlQuery q;
    // The key's index gives the order: movies without a key come first, in ID order, then the others
    // by key and ID. Each read goes on after the last movie of the one before.
    // sql-identifiers: the caller's fixed list of Movies columns
    const QString select = QStringLiteral("SELECT ID AS PageID, OrderByKey AS PageKey, ") + m_columns
        + QStringLiteral(" FROM Movies ");
    if (m_inNulls) {
        // sql-identifiers: the fixed statement head above
        q = m_cat.exec(select + QStringLiteral("WHERE OrderByKey IS NULL AND ID > ? ORDER BY OrderByKey, ID LIMIT ?"),
                       {m_fromStart ? std::numeric_limits<qint64>::min() : m_id, wanted});
    } else if (m_fromStart || m_key.isNull()) {
        // sql-identifiers: the fixed statement head above
        q = m_cat.exec(select + QStringLiteral("WHERE OrderByKey IS NOT NULL ORDER BY OrderByKey, ID LIMIT ?"), {wanted});
    } else {
        // sql-identifiers: the fixed statement head above
        q = m_cat.exec(select + QStringLiteral("WHERE (OrderByKey, ID) > (?, ?) ORDER BY OrderByKey, ID LIMIT ?"),
                       {m_key, m_id, wanted});
    }
    while (q.next())
        m_buffer << q.record();
    // Finished here, so the read lock goes now and not when the query object goes.
    q.finish();
    ++m_reads;

    if (!m_buffer.isEmpty()) {
        const QSqlRecord &last = m_buffer.last();
        m_key = last.value(QStringLiteral("PageKey"));
        m_id = last.value(QStringLiteral("PageID")).toLongLong();
        m_fromStart = false;
    }
    if (m_buffer.size() < wanted) {
        if (m_inNulls) {
            // On to the movies with a key, from the first of them.
            m_inNulls = false;
            m_fromStart = true;
            m_key = QVariant();
        } else {
            m_atEnd = true;
        }
    }
}

bool PagedMovies::next()
{
    while (m_next >= m_buffer.size()) {
        if (m_atEnd)
            return false;
        load();
    }
    m_row = m_buffer[m_next++];
    const QVariant key = m_row.value(QStringLiteral("PageKey"));
    m_position = QVariantList{key.isNull() ? QStringLiteral("nulls") : QStringLiteral("keys"), key,
                              m_row.value(QStringLiteral("PageID")).toLongLong()};
    return true;
}

} // namespace report
