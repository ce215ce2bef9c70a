#include "MovieListModel.h"

#include "Catalogue.h"
#include "CinelogError.h"
#include "MovieStore.h"
#include "Contrast.h"
#include "Schema.h"
#include "SqliteFunctions.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cstring>
#include <sqlite3.h>
#include <string>

namespace {

// Rows of texts kept at most; beyond this the held rows are dropped and read again when shown.
constexpr qsizetype MaxCachedRows = 64 * MovieListModel::PageRows;

// A prepared statement on the catalogue's engine handle, finalized when it goes out of scope.
class Statement
{
public:
    Statement(sqlite3 *db, const QString &sql) : m_db(db)
    {
        const QByteArray utf8 = sql.toUtf8();
        const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr);
        if (rc != SQLITE_OK)
            fail(rc);
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // True while there is a row; throws when the engine reports an error.
    bool next()
    {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            fail(rc);
        return false;
    }
    void bind(int index, int value) { sqlite3_bind_int(m_stmt, index, value); }
    int integer(int c) const { return sqlite3_column_int(m_stmt, c); }
    bool isNull(int c) const { return sqlite3_column_type(m_stmt, c) == SQLITE_NULL; }
    QString text(int c) const
    {
        const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, c));
        return t ? QString::fromUtf8(t, sqlite3_column_bytes(m_stmt, c)) : QString();
    }
    const char *raw(int c, int &len) const
    {
        const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, c));
        len = sqlite3_column_bytes(m_stmt, c);
        return t ? t : "";
    }

private:
    [[noreturn]] void fail(int rc) const
    {
        throw CinelogError(rc, QString::fromUtf8(sqlite3_errmsg(m_db)));
    }
    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

sqlite3 *handleOf(Catalogue &catalogue)
{
    return sqliteHandle(catalogue.MovieConn());
}

} // namespace

const QStringList &MovieListModel::headers()
{
    static const QStringList h = {
        QStringLiteral("ID"), QStringLiteral("Title"), QStringLiteral("Order By"), QStringLiteral("Director"),
        QStringLiteral("Genre1"), QStringLiteral("Genre2"), QStringLiteral("Genre3"), QStringLiteral("Medium"),
        QStringLiteral("Format"), QStringLiteral("Rating"), QStringLiteral("Release"), QStringLiteral("Time"),
        QStringLiteral("Num of Discs"), QStringLiteral("Stars"), QStringLiteral("URL")};
    return h;
}

MovieListModel::MovieListModel(QObject *parent) : QAbstractTableModel(parent) {}

QString MovieListModel::timeText(const QString &runningTime)
{
    return runningTime.isEmpty() ? QStringLiteral("NA") : runningTime + QStringLiteral(" min");
}

void MovieListModel::clear()
{
    beginResetModel();
    m_ids.clear();
    m_ids.shrink_to_fit();
    m_idWidth = 0;
    m_unpadded.clear();
    m_changed.clear();
    m_cache.clear();
    endResetModel();
}

void MovieListModel::fill(Catalogue &catalogue, const std::function<void(qint64, qint64)> &progress)
{
    // Only the IDs in Order By order, read along the index on its key; the texts follow
    // when the rows are shown.
    std::vector<int> ids;
    {
        qint64 total = 0;
        if (progress) {
            Statement count(handleOf(catalogue), QStringLiteral("SELECT count(*) FROM Movies"));
            if (count.next())
                total = count.integer(0);
            progress(0, total);
        }
        Statement q(handleOf(catalogue), QStringLiteral("SELECT ID FROM Movies ORDER BY OrderByKey, ID"));
        while (q.next()) {
            ids.push_back(q.integer(0));
            if (progress && (ids.size() & 0x3FF) == 0)
                progress(std::min(qint64(ids.size()), total), total);
        }
        if (progress)
            progress(total, total);
    }
    beginResetModel();
    m_catalogue = &catalogue;
    m_ids = std::move(ids);
    m_idWidth = m_ids.empty() ? 0 : int(QString::number(m_ids.back()).size());
    m_unpadded.clear();
    m_changed.clear();
    m_cache.clear();
    endResetModel();
}

QString MovieListModel::idText(int id) const
{
    if (m_unpadded.contains(id))
        return QString::number(id);
    return QString::number(id).rightJustified(m_idWidth, QLatin1Char('0'));
}

void MovieListModel::fetchPage(int row) const
{
    if (!m_catalogue || !m_catalogue->isOpen())
        return;
    if (m_cache.size() + PageRows > MaxCachedRows)
        m_cache.clear();
    const int first = row - row % PageRows;
    const int last = std::min(int(m_ids.size()), first + PageRows);
    std::vector<int> wanted;
    wanted.reserve(PageRows);
    for (int r = first; r < last; ++r) {
        const int id = m_ids[size_t(r)];
        if (!m_cache.contains(id) && !m_changed.contains(id))
            wanted.push_back(id);
    }
    if (wanted.empty())
        return;
    QString placeholders(qsizetype(wanted.size()) * 2 - 1, QLatin1Char('?'));
    for (qsizetype i = 1; i < placeholders.size(); i += 2)
        placeholders[i] = QLatin1Char(',');
    // Each movie with the borrower of its first open loan, found through the index on LoanOut.MovieID.
    // sql-identifiers: one "?" placeholder per ID, the IDs are bound
    Statement q(handleOf(*m_catalogue),
                QStringLiteral("SELECT m.ID, m.Title, m.OrderBy, m.Director, m.Genre1, m.Genre2, m.Genre3, m.Medium, "
                               "m.Format, m.Rating, m.ReleaseYear, m.RunningTime, m.NumDiscs, m.UserRating, m.URL, "
                               "(SELECT ifnull(LoanedTo, '') FROM LoanOut WHERE MovieID = m.ID AND "
                               "(DateIn IS NULL OR DateIn = '') ORDER BY ID LIMIT 1) "
                               "FROM Movies m WHERE m.ID IN (")
                    + placeholders + QLatin1Char(')'));
    for (size_t i = 0; i < wanted.size(); ++i)
        q.bind(int(i) + 1, wanted[i]);
    while (q.next()) {
        const int id = q.integer(0);
        Row r;
        r.text[ColID] = idText(id);
        for (int c = ColTitle; c < ColumnCount; ++c)
            r.text[size_t(c)] = q.text(c);
        r.text[ColTime] = timeText(r.text[ColTime]);
        // The borrower of the movie's first open loan; Null when it is not lent.
        r.loaned = !q.isNull(15);
        if (r.loaned)
            r.loanedTo = q.text(15);
        m_cache.insert(id, std::move(r));
    }
}

const MovieListModel::Row &MovieListModel::rowAt(int row) const
{
    const int id = m_ids[size_t(row)];
    auto changed = m_changed.constFind(id);
    if (changed != m_changed.constEnd())
        return *changed;
    auto it = m_cache.constFind(id);
    if (it != m_cache.constEnd())
        return *it;
    try {
        fetchPage(row);
    } catch (const CinelogError &) {
        // The catalogue went away under the list: its rows show empty until it is filled again.
        return m_empty;
    }
    it = m_cache.constFind(id);
    return it != m_cache.constEnd() ? *it : m_empty;
}

int MovieListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_ids.size());
}

int MovieListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

// Red, made as light or dark as the colour scheme needs for the text to stay readable.
QColor MovieListModel::loanedColour()
{
    const QPalette palette = qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::palette() : QPalette();
    return Contrast::readable(QColor(255, 0, 0), {palette.color(QPalette::Base), palette.color(QPalette::AlternateBase)});
}

QVariant MovieListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_ids.size()) || index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return rowAt(index.row()).text[size_t(index.column())];
    case Qt::ForegroundRole:
        if (rowAt(index.row()).loaned)
            return QBrush(loanedColour());
        break;
    case Qt::ToolTipRole: {
        const Row &r = rowAt(index.row());
        if (r.loaned && index.column() > 0)
            return QStringLiteral("Loaned To ") + r.loanedTo;
        break;
    }
    case MovieIdRole:
        return m_ids[size_t(index.row())];
    case LoanedToRole: {
        const Row &r = rowAt(index.row());
        if (r.loaned)
            return r.loanedTo;
        break;
    }
    default:
        break;
    }
    return {};
}

QVariant MovieListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return headers().at(section);
    return {};
}

// The text a column shows, as an expression on Movies for the engine to order by.
QString MovieListModel::sortKey(int column) const
{
    switch (column) {
    case ColID: {
        QString padded = QStringLiteral("printf('%0%1d', ID)").arg(m_idWidth);
        if (m_unpadded.isEmpty())
            return padded;
        QStringList ids;
        for (int id : m_unpadded)
            ids << QString::number(id);
        return QStringLiteral("CASE WHEN ID IN (%1) THEN CAST(ID AS TEXT) ELSE %2 END").arg(ids.join(QLatin1Char(',')), padded);
    }
    case ColTime:
        return QStringLiteral("cinelog_fold(CASE WHEN ifnull(RunningTime, '') = '' THEN 'NA' ELSE RunningTime || ' min' END)");
    case ColStars:
        return QStringLiteral("ifnull(CAST(UserRating AS TEXT), '')");
    default: {
        static const char *const names[ColumnCount] = {"ID", "Title", "OrderBy", "Director", "Genre1", "Genre2",
                                                        "Genre3", "Medium", "Format", "Rating", "ReleaseYear",
                                                        "RunningTime", "NumDiscs", "UserRating", "URL"};
        // Texts sort by their case-folded form: the key where the column has one.
        if (const Schema::TextKey *key = Schema::textKeyOf(QStringLiteral("Movies"), QLatin1String(names[column])))
            return QStringLiteral("ifnull(%1, '')").arg(QLatin1String(key->key));
        return QStringLiteral("ifnull(cinelog_fold(%1), '')").arg(QLatin1String(names[column]));
    }
    }
}

void MovieListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount || m_ids.empty() || !m_catalogue || !m_catalogue->isOpen())
        return;
    // Where each movie stands now, for the order of movies whose texts are equal.
    int maxId = 0;
    bool dense = true;
    for (int id : m_ids) {
        if (id < 0)
            dense = false;
        maxId = std::max(maxId, id);
    }
    dense = dense && qint64(maxId) <= 8 * qint64(m_ids.size()) + 65536;
    std::vector<int> posById;
    QHash<int, int> posHash;
    if (dense) {
        posById.assign(size_t(maxId) + 1, -1);
        for (size_t i = 0; i < m_ids.size(); ++i)
            posById[size_t(m_ids[i])] = int(i);
    } else {
        posHash.reserve(qsizetype(m_ids.size()));
        for (size_t i = 0; i < m_ids.size(); ++i)
            posHash.insert(m_ids[i], int(i));
    }
    auto posOf = [&](int id) -> int {
        if (dense)
            return id >= 0 && id <= maxId ? posById[size_t(id)] : -1;
        return posHash.value(id, -1);
    };

    // The engine orders by the column's case-folded text in its plain binary order; runs of equal
    // texts keep the previous order.
    std::vector<int> sorted;
    sorted.reserve(m_ids.size());
    std::vector<char> seen(m_ids.size(), 0);
    {
        // sql-identifiers: a fixed column name of the list and the sort direction
        Statement q(handleOf(*m_catalogue), QStringLiteral("SELECT ID, %1 FROM Movies ORDER BY 2 %2")
                                                .arg(sortKey(column), order == Qt::AscendingOrder ? QStringLiteral("ASC")
                                                                                                 : QStringLiteral("DESC")));
        std::string previous;
        bool first = true;
        size_t runStart = 0;
        auto closeRun = [&] {
            if (sorted.size() - runStart > 1)
                std::sort(sorted.begin() + std::ptrdiff_t(runStart), sorted.end(),
                          [&](int a, int b) { return posOf(a) < posOf(b); });
            runStart = sorted.size();
        };
        while (q.next()) {
            const int id = q.integer(0);
            const int pos = posOf(id);
            if (pos < 0 || seen[size_t(pos)])
                continue; // a movie stored since the list was filled
            int len = 0;
            const char *key = q.raw(1, len);
            if (first || previous.size() != size_t(len) || std::memcmp(previous.data(), key, size_t(len)) != 0) {
                closeRun();
                previous.assign(key, size_t(len));
                first = false;
            }
            seen[size_t(pos)] = 1;
            sorted.push_back(id);
        }
        closeRun();
    }
    // Movies of the list the catalogue no longer holds stay at the end.
    for (size_t i = 0; i < m_ids.size(); ++i)
        if (!seen[i])
            sorted.push_back(m_ids[i]);

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> ids;
    ids.reserve(size_t(before.size()));
    for (const QModelIndex &i : before)
        ids.push_back(m_ids[size_t(i.row())]);
    m_ids = std::move(sorted);
    if (!before.isEmpty()) {
        QHash<int, int> rowById;
        for (int id : ids)
            rowById.insert(id, -1);
        for (size_t r = 0; r < m_ids.size(); ++r) {
            auto it = rowById.find(m_ids[r]);
            if (it != rowById.end())
                *it = int(r);
        }
        QModelIndexList after;
        for (qsizetype k = 0; k < before.size(); ++k)
            after << index(rowById.value(ids[size_t(k)]), before[k].column());
        changePersistentIndexList(before, after);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int MovieListModel::movieId(int row) const
{
    return row >= 0 && row < int(m_ids.size()) ? m_ids[size_t(row)] : 0;
}

int MovieListModel::rowOfMovie(int id) const
{
    const auto it = std::find(m_ids.begin(), m_ids.end(), id);
    return it == m_ids.end() ? -1 : int(it - m_ids.begin());
}

QString MovieListModel::text(int row, int column) const
{
    if (row < 0 || row >= int(m_ids.size()) || column < 0 || column >= ColumnCount)
        return QString();
    return rowAt(row).text[size_t(column)];
}

bool MovieListModel::isLoaned(int row) const
{
    return row >= 0 && row < int(m_ids.size()) && rowAt(row).loaned;
}

void MovieListModel::setTexts(Row &r, const MovieRecord &m, bool includeStars)
{
    r.text[ColTitle] = m.title;
    r.text[ColOrderBy] = m.orderBy;
    r.text[ColDirector] = m.director;
    r.text[ColGenre1] = m.genre1;
    r.text[ColGenre2] = m.genre2;
    r.text[ColGenre3] = m.genre3;
    r.text[ColMedium] = m.medium;
    r.text[ColFormat] = m.format;
    r.text[ColRating] = m.rating;
    r.text[ColRelease] = m.releaseYear;
    r.text[ColTime] = timeText(m.runningTime);
    r.text[ColNumDiscs] = m.numDiscs;
    if (includeStars)
        r.text[ColStars] = QString::number(m.userRating);
    r.text[ColURL] = m.url;
}

int MovieListModel::appendMovie(const MovieRecord &m, const QString &loanedTo)
{
    Row r;
    r.text[ColID] = QString::number(m.id);
    setTexts(r, m, true);
    r.loaned = !loanedTo.isNull();
    r.loanedTo = loanedTo;
    const int row = int(m_ids.size());
    beginInsertRows(QModelIndex(), row, row);
    m_ids.push_back(m.id);
    m_unpadded.insert(m.id);
    m_cache.remove(m.id);
    m_changed.insert(m.id, std::move(r));
    endInsertRows();
    return row;
}

void MovieListModel::updateMovie(int row, const MovieRecord &m)
{
    if (row < 0 || row >= int(m_ids.size()))
        return;
    Row r = rowAt(row);
    setTexts(r, m, false);
    m_changed.insert(m_ids[size_t(row)], std::move(r));
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void MovieListModel::setStars(int row, int stars)
{
    if (row < 0 || row >= int(m_ids.size()))
        return;
    Row r = rowAt(row);
    r.text[ColStars] = QString::number(stars);
    m_changed.insert(m_ids[size_t(row)], std::move(r));
    emit dataChanged(index(row, ColStars), index(row, ColStars));
}

void MovieListModel::removeMovieRow(int row)
{
    if (row < 0 || row >= int(m_ids.size()))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    const int id = m_ids[size_t(row)];
    m_ids.erase(m_ids.begin() + row);
    m_changed.remove(id);
    m_cache.remove(id);
    m_unpadded.remove(id);
    endRemoveRows();
}
