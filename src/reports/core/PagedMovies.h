#pragma once

#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

class Catalogue;

namespace report {

// The movies in sort-key order (OrderByKey, then ID; movies without a key first), read a page at a
// time. Each page is one statement read to its end and finished at once, so the catalogue is only
// locked for that short read: another program can save between two pages of a long report instead
// of waiting for the whole report. A movie another program adds or removes meanwhile is met or
// missed as its place in the order says.
class PagedMovies
{
public:
    static constexpr int DefaultPageSize = 1000;

    // columns: a fixed list of Movies columns (it is put into the statement as it is).
    PagedMovies(Catalogue &cat, QString columns, int pageSize = DefaultPageSize);

    // Back to the first movie.
    void restart();
    // Moves to the next movie; false after the last.
    bool next();
    // The current movie's columns.
    const QSqlRecord &row() const { return m_row; }

    // Where the reader stands: just after the current movie. seek() goes back there, so that next()
    // gives the movie after it.
    QVariant position() const;
    void seek(const QVariant &position);

    // How many pages were read so far (for tests).
    int reads() const { return m_reads; }

private:
    void load();

    Catalogue &m_cat;
    QString m_columns;
    int m_pageSize;
    QList<QSqlRecord> m_buffer;
    qsizetype m_next = 0;
    QSqlRecord m_row;
    // The next read starts after this movie: among the movies without a key while m_inNulls.
    bool m_inNulls = true;
    QVariant m_key;
    qint64 m_id = 0;
    bool m_fromStart = true;
    bool m_atEnd = false;
    // Rows asked for by the next read: few right after a seek (a preview lays out one page), more
    // while reading on.
    int m_chunk = 0;
    int m_reads = 0;
    QVariant m_position;
};

} // namespace report
