#include "MovieListModel.h"

#include "Catalogue.h"
#include "CinelogError.h"
#include "MovieStore.h"
#include "Contrast.h"
#include "MovieTextIndex.h"
#include "PagedRows.h"
#include "ReadConnection.h"
#include "Schema.h"
#include "SqliteFunctions.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <map>
#include <cstring>
#include <sqlite3.h>
#include <string>

namespace {

using Statement = ReadConnection::Statement;

// Rows of texts kept at most; beyond this the held rows are dropped and read again when shown.
constexpr qsizetype MaxCachedRows = 64 * MovieListModel::PageRows;

sqlite3 *handleOf(Catalogue &catalogue)
{
    return sqliteHandle(catalogue.MovieConn());
}

// Movie IDs read at a time while a short text's matches are found in the background.
constexpr qint64 ScanSlice = 65536;
// How long the first page of a short text is looked for, along the list, before the rest is left to
// the slices; and how many movies are looked at per statement.
constexpr qint64 FirstPageMilliseconds = 8;
constexpr int FirstPageBatch = 256;

// Where the folded texts are read from for words the index cannot look up: the index's own copy of
// the keys (narrow rows) where the catalogue has it, else the movies' key columns.
struct KeySource {
    QString table, id, title, orderBy, director;
};
KeySource keySource(bool textIndex)
{
    if (textIndex)
        return {QStringLiteral("MovieText_content"), QStringLiteral("id"), QStringLiteral("c0"), QStringLiteral("c1"), QStringLiteral("c2")};
    return {QStringLiteral("Movies"), QStringLiteral("ID"), QStringLiteral("TitleKey"), QStringLiteral("OrderByKey"), QStringLiteral("DirectorKey")};
}

// The condition that each of the words (bound as ?1, ?2, ...) is in one of the keys; with castOf (the
// movie's ID, qualified), in the name of one of the movie's actors as well.
QString containsEvery(int words, const KeySource &k = keySource(false), const QString &castOf = QString())
{
    QStringList each;
    for (int i = 1; i <= words; ++i) {
        QString one = QStringLiteral("instr(%2, ?%1) > 0 OR instr(%3, ?%1) > 0 OR instr(%4, ?%1) > 0").arg(i).arg(k.title, k.orderBy, k.director);
        if (!castOf.isEmpty())
            // sql-identifiers: the fixed qualified ID column, the word bound
            one += QStringLiteral(" OR EXISTS (SELECT 1 FROM MovActLink l JOIN Actors a ON a.ID = l.ActID "
                                  "WHERE l.MovID = %2 AND instr(a.ActorKey, ?%1) > 0)").arg(i).arg(castOf);
        each << QLatin1Char('(') + one + QLatin1Char(')');
    }
    return each.join(QStringLiteral(" AND "));
}

// The movies with the word bound as ?n in their title, sort key or director (the text index) or in
// the name of one of their actors (the actors' index, through the cast links).
QString castOrTextMatches(int n)
{
    // sql-identifiers: fixed names, the word bound
    // The actors first, then each one's links along the links' index by actor (which holds the movie).
    return QStringLiteral("SELECT rowid AS id FROM MovieText WHERE MovieText MATCH ?%1 UNION "
                          "SELECT l.MovID FROM (SELECT rowid AS actor FROM ActorText WHERE ActorText MATCH ?%1) AS a "
                          "CROSS JOIN MovActLink l ON l.ActID = a.actor")
        .arg(n);
}

// The case-folded form of a column's text as it sorts, from its stored value (UTF-8).
void foldInto(std::string &out, const char *text, int len)
{
    out.assign(text, size_t(len));
    bool ascii = true;
    for (char &c : out) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    if (!ascii)
        out = foldedText(QString::fromUtf8(text, len)).toStdString();
}

} // namespace

QStringList MovieListModel::headers()
{
    return {tr("ID"), tr("Title"), tr("Order By"), tr("Director"), tr("Genre1"), tr("Genre2"), tr("Genre3"), tr("Medium"),
            tr("Format"), tr("Rating"), tr("Release"), tr("Time"), tr("Num of Discs"), tr("Stars"), tr("URL")};
}

MovieListModel::MovieListModel(QObject *parent) : QAbstractTableModel(parent) {}

QString MovieListModel::timeText(const QString &runningTime)
{
    return runningTime.isEmpty() ? tr("NA") : tr("%1 min").arg(runningTime);
}

void MovieListModel::clear()
{
    beginResetModel();
    m_ids.clear();
    m_ids.shrink_to_fit();
    m_allIds.clear();
    m_allIds.shrink_to_fit();
    m_match.clear();
    m_scan.active = false;
    m_texts.clear();
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
    m_allIds = std::move(ids);
    m_idWidth = m_allIds.empty() ? 0 : int(QString::number(m_allIds.back()).size());
    m_unpadded.clear();
    m_changed.clear();
    m_cache.clear();
    m_scan.active = false;
    if (filterActive()) {
        // The filter holds through a refill: its rows are found again in the new list.
        m_ids.clear();
        endResetModel();
        applyFilter();
        return;
    }
    m_ids = m_allIds;
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
    return pagedRow(m_cache, id, m_empty, [&] { fetchPage(row); });
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
            return tr("Loaned To %1").arg(r.loanedTo);
        break;
    }
    case Qt::AccessibleTextRole: {
        // A screen reader hears the loan that the list shows in colour.
        const Row &r = rowAt(index.row());
        if (r.loaned && index.column() == ColTitle)
            return tr("%1 (on loan to %2)").arg(r.text[size_t(index.column())], r.loanedTo);
        break;
    }
    case Qt::AccessibleDescriptionRole: {
        const Row &r = rowAt(index.row());
        if (r.loaned)
            return tr("On loan to %1").arg(r.loanedTo);
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

// The movies of the catalogue in the order of a column's text as the list shows it, folded, in the
// given direction; movies with equal texts keep their order in m_allIds, and movies of the list the
// catalogue no longer holds come last. Each column is read along an index: the folded key where the
// column has one, else the stored text (and the few runs of equal texts whose folded form sorts
// differently are put in place).
std::vector<int> MovieListModel::sortedIds(int column, Qt::SortOrder order) const
{
    const std::vector<int> &list = m_allIds;
    const bool ascending = order == Qt::AscendingOrder;
    if (column == ColID)
        return sortedByIdText(ascending);
    // A value per movie ID: an array where the IDs are dense (the usual case), else a hash.
    int maxId = 0;
    bool dense = true;
    for (int id : list) {
        if (id < 0)
            dense = false;
        maxId = std::max(maxId, id);
    }
    dense = dense && qint64(maxId) <= 8 * qint64(list.size()) + 65536;
    struct IdMap {
        bool dense;
        std::vector<int> byId;
        QHash<int, int> hash;
        IdMap(bool d, int maxId) : dense(d) { if (d) byId.assign(size_t(maxId) + 1, -1); }
        void set(int id, int v) { if (dense) byId[size_t(id)] = v; else hash.insert(id, v); }
        int get(int id) const
        {
            if (dense)
                return id >= 0 && size_t(id) < byId.size() ? byId[size_t(id)] : -1;
            return hash.value(id, -1);
        }
    };
    // Which movies the list holds: one bit per ID where dense, small enough to stay in the cache.
    std::vector<bool> listedBits;
    QSet<int> listedSet;
    if (dense) {
        listedBits.assign(size_t(maxId) + 1, false);
        for (int id : list)
            listedBits[size_t(id)] = true;
    } else {
        listedSet = QSet<int>(list.begin(), list.end());
    }
    auto listed = [&](int id) {
        return dense ? id >= 0 && id <= maxId && listedBits[size_t(id)] : listedSet.contains(id);
    };

    static const char *const names[ColumnCount] = {"ID", "Title", "OrderBy", "Director", "Genre1", "Genre2",
                                                    "Genre3", "Medium", "Format", "Rating", "ReleaseYear",
                                                    "RunningTime", "NumDiscs", "UserRating", "URL"};
    QString sortColumn = QLatin1String(names[column]);
    bool keyed = false;
    if (const Schema::TextKey *key = Schema::textKeyOf(QStringLiteral("Movies"), sortColumn)) {
        sortColumn = QLatin1String(key->key);
        keyed = true;
    }
    // The sort text of a stored value, as the list shows the column.
    std::string scratch;
    const QString minutes = timeText(QStringLiteral("%1"));
    const std::string minutesBefore = minutes.left(std::max<qsizetype>(0, minutes.indexOf(QLatin1String("%1")))).toStdString();
    const std::string minutesAfter = minutes.mid(minutes.indexOf(QLatin1String("%1")) + 2).toStdString();
    std::string none;
    {
        const std::string shown = timeText(QString()).toStdString();
        foldInto(none, shown.data(), int(shown.size()));
    }
    auto sortText = [&](std::string &out, const char *raw, int len) {
        switch (column) {
        case ColStars:
            out.assign(raw, size_t(len));
            return;
        case ColTime:
            if (len == 0) {
                out = none;
                return;
            }
            scratch = minutesBefore;
            scratch.append(raw, size_t(len));
            scratch += minutesAfter;
            foldInto(out, scratch.data(), int(scratch.size()));
            return;
        default:
            if (keyed)
                out.assign(raw, size_t(len));
            else
                foldInto(out, raw, len);
        }
    };

    // The list's movies in index order, with where each run of equal stored texts starts and the
    // run's sort text.
    std::vector<int> indexed;
    indexed.reserve(list.size());
    std::vector<size_t> runStart;
    std::string keys;                  // the runs' sort texts, one after another
    std::vector<size_t> keyStart{0};   // run r's text is keys[keyStart[r], keyStart[r + 1])
    bool inOrder = true;               // whether the runs' texts already follow the direction
    {
        // sql-identifiers: a fixed column name of the list and the sort direction
        Statement q(handleOf(*m_catalogue), QStringLiteral("SELECT %1, ID FROM Movies ORDER BY %1 %2")
                                                .arg(sortColumn, ascending ? QStringLiteral("ASC") : QStringLiteral("DESC")));
        std::string previousRaw, text;
        bool first = true;
        while (q.next()) {
            const int id = q.integer(1);
            if (!listed(id))
                continue; // a movie stored since the list was filled
            const std::string_view value = q.view(0);
            const int len = int(value.size());
            const char *raw = value.empty() ? "" : value.data();
            if (first || previousRaw.size() != size_t(len) || std::memcmp(previousRaw.data(), raw, size_t(len)) != 0) {
                previousRaw.assign(raw, size_t(len));
                sortText(text, raw, len);
                if (!first) {
                    const size_t b = keyStart[keyStart.size() - 2], e = keyStart.back();
                    const int c = std::string_view(keys.data() + b, e - b).compare(text);
                    if (c != 0 && (c < 0) != ascending)
                        inOrder = false;
                }
                keys += text;
                keyStart.push_back(keys.size());
                runStart.push_back(indexed.size());
                first = false;
            }
            indexed.push_back(id);
        }
        runStart.push_back(indexed.size());
    }
    const int runs = int(keyStart.size()) - 1;
    auto keyOf = [&](int r) { return std::string_view(keys.data() + keyStart[size_t(r)], keyStart[size_t(r) + 1] - keyStart[size_t(r)]); };
    // Runs in their final order; runs with equal texts form one group (groupFirst: the group's first
    // run in runOrder).
    std::vector<int> runOrder(size_t(std::max(runs, 0)));
    for (int r = 0; r < runs; ++r)
        runOrder[size_t(r)] = r;
    if (!inOrder)
        std::stable_sort(runOrder.begin(), runOrder.end(), [&](int a, int b) {
            return ascending ? keyOf(a) < keyOf(b) : keyOf(b) < keyOf(a);
        });
    std::vector<size_t> groupFirst;
    for (size_t i = 0; i < runOrder.size(); ++i)
        if (i == 0 || keyOf(runOrder[i]) != keyOf(runOrder[i - 1]))
            groupFirst.push_back(i);
    groupFirst.push_back(runOrder.size());
    const size_t groups = groupFirst.size() - 1;
    auto groupSize = [&](size_t g) {
        size_t n = 0;
        for (size_t i = groupFirst[g]; i < groupFirst[g + 1]; ++i)
            n += runStart[size_t(runOrder[i]) + 1] - runStart[size_t(runOrder[i])];
        return n;
    };
    auto forEachMember = [&](size_t g, auto f) {
        for (size_t i = groupFirst[g]; i < groupFirst[g + 1]; ++i)
            for (size_t k = runStart[size_t(runOrder[i])]; k < runStart[size_t(runOrder[i]) + 1]; ++k)
                f(indexed[k]);
    };
    size_t tied = 0;
    std::vector<size_t> sizes(groups);
    for (size_t g = 0; g < groups; ++g) {
        sizes[g] = groupSize(g);
        if (sizes[g] > 1)
            tied += sizes[g];
    }

    std::vector<int> sorted;
    sorted.reserve(list.size());
    if (tied * 4 <= indexed.size()) {
        // Few movies share their text (titles): only those are looked up in the present order.
        IdMap pos(dense, maxId);
        std::vector<bool> isTied(dense ? size_t(maxId) + 1 : 0, false);
        QSet<int> tiedSet;
        for (size_t g = 0; g < groups; ++g)
            if (sizes[g] > 1)
                forEachMember(g, [&](int id) { dense ? void(isTied[size_t(id)] = true) : void(tiedSet.insert(id)); });
        if (tied > 0)
            for (size_t i = 0; i < list.size(); ++i)
                if (dense ? list[i] >= 0 && isTied[size_t(list[i])] : tiedSet.contains(list[i]))
                    pos.set(list[i], int(i));
        std::vector<int> members;
        for (size_t g = 0; g < groups; ++g) {
            if (sizes[g] == 1) {
                forEachMember(g, [&](int id) { sorted.push_back(id); });
                continue;
            }
            members.clear();
            forEachMember(g, [&](int id) { members.push_back(id); });
            std::sort(members.begin(), members.end(), [&](int a, int b) { return pos.get(a) < pos.get(b); });
            sorted.insert(sorted.end(), members.begin(), members.end());
        }
    } else {
        // Many movies share their texts (genres, media): each group takes its movies in the present
        // order, dealt out in one pass over the list.
        IdMap groupOf(dense, maxId);
        std::vector<size_t> start(groups);
        size_t at = 0;
        for (size_t g = 0; g < groups; ++g) {
            start[g] = at;
            at += sizes[g];
            forEachMember(g, [&](int id) { groupOf.set(id, int(g)); });
        }
        sorted.resize(at);
        for (int id : list) {
            const int g = groupOf.get(id);
            if (g >= 0)
                sorted[start[size_t(g)]++] = id;
        }
    }
    // Movies of the list the catalogue no longer holds stay at the end, in their order.
    if (sorted.size() < list.size()) {
        IdMap found(dense, maxId);
        for (int id : indexed)
            found.set(id, 1);
        for (int id : list)
            if (found.get(id) < 0)
                sorted.push_back(id);
    }
    return sorted;
}

// The list's movies in the order of their ID texts, read from the IDs alone. The texts of IDs with
// the same number of digits that are printed the same way (padded to the list's width, or not) run in
// numeric order, so the few such runs, each read off in one pass over the IDs, are merged. IDs are
// distinct and so are their texts: there are no ties to keep.
std::vector<int> MovieListModel::sortedByIdText(bool ascending) const
{
    auto digits = [](qint64 v) {
        int d = 1;
        while (v >= 10) {
            v /= 10;
            ++d;
        }
        return d;
    };
    // A text of digits as a number that orders like the text: the digits scaled to ten places, then
    // the length.
    auto key = [&](int id) -> qint64 {
        const int len = m_unpadded.contains(id) || digits(id) > m_idWidth ? digits(id) : m_idWidth;
        qint64 scaled = std::max(id, 0);
        for (int i = len; i < 11; ++i)
            scaled *= 10;
        return scaled * 16 + len;
    };
    // Every ID once, in numeric order, dealt out to its group (same printing, same number of digits).
    int maxId = 0;
    for (int id : m_allIds)
        maxId = std::max(maxId, id);
    std::vector<char> present(size_t(maxId) + 1, 0);
    std::vector<int> negative;
    for (int id : m_allIds) {
        if (id >= 0)
            present[size_t(id)] = 1;
        else
            negative.push_back(id);
    }
    std::map<int, std::vector<int>> groups;
    std::vector<int> &padded = groups[0];
    padded.reserve(m_allIds.size());
    for (int id = 0; id <= maxId; ++id) {
        if (!present[size_t(id)])
            continue;
        const int d = digits(id);
        if (m_unpadded.contains(id))
            groups[100 + d].push_back(id);
        else if (d > m_idWidth)
            groups[d].push_back(id);
        else
            padded.push_back(id);
    }
    std::sort(negative.begin(), negative.end());
    std::vector<std::pair<qint64, int>> keyed;
    keyed.reserve(m_allIds.size());
    std::vector<size_t> bounds{0};
    for (int id : negative)
        keyed.push_back({std::numeric_limits<qint64>::min() + id, id});
    if (!negative.empty())
        bounds.push_back(keyed.size());
    for (const auto &[g, members] : groups) {
        if (members.empty())
            continue;
        for (int id : members)
            keyed.push_back({key(id), id});
        bounds.push_back(keyed.size());
    }
    while (bounds.size() > 2) {
        std::vector<size_t> next{0};
        for (size_t b = 0; b + 2 < bounds.size(); b += 2) {
            std::inplace_merge(keyed.begin() + std::ptrdiff_t(bounds[b]), keyed.begin() + std::ptrdiff_t(bounds[b + 1]),
                               keyed.begin() + std::ptrdiff_t(bounds[b + 2]));
            next.push_back(bounds[b + 2]);
        }
        if (bounds.size() % 2 == 0)
            next.push_back(bounds.back());
        bounds = std::move(next);
    }
    std::vector<int> out;
    out.reserve(keyed.size());
    for (const auto &k : keyed)
        out.push_back(k.second);
    if (!ascending)
        std::reverse(out.begin(), out.end());
    return out;
}

void MovieListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount || m_allIds.empty() || !m_catalogue || !m_catalogue->isOpen())
        return;
    // A short text's rows still being found are all found first, so that the filter's rows are
    // complete before they are put in order.
    finishFilter();
    std::vector<int> sorted = sortedIds(column, order);

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> ids;
    ids.reserve(size_t(before.size()));
    for (const QModelIndex &i : before)
        ids.push_back(m_ids[size_t(i.row())]);
    m_allIds = std::move(sorted);
    if (filterActive()) {
        // The filter's rows in the new order.
        std::vector<int> kept;
        kept.reserve(m_ids.size());
        for (int id : m_allIds)
            if (matches(id))
                kept.push_back(id);
        m_ids = std::move(kept);
    } else {
        m_ids = m_allIds;
    }
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

// ---------------------------------------------------------------------------------------------
// Filters

void MovieListModel::setTextFilter(const QString &text)
{
    m_words = MovieTextIndex::words(text);
    m_filterIds.clear();
    m_filterKind = m_words.isEmpty() ? FilterKind::None : FilterKind::Text;
    applyFilter();
}

void MovieListModel::setCastIncluded(bool included)
{
    if (m_castIncluded == included)
        return;
    m_castIncluded = included;
    if (m_filterKind == FilterKind::Text)
        applyFilter();
}

void MovieListModel::setIdFilter(const QList<int> &movieIds)
{
    m_words.clear();
    m_filterIds = movieIds;
    m_filterKind = FilterKind::Ids;
    applyFilter();
}

void MovieListModel::clearFilter()
{
    m_words.clear();
    m_filterIds.clear();
    m_filterKind = FilterKind::None;
    applyFilter();
}

void MovieListModel::mark(int id)
{
    if (id < 0)
        return;
    if (size_t(id) >= m_match.size())
        m_match.resize(size_t(id) + 1, false);
    m_match[size_t(id)] = true;
}

// Shows the movies of m_allIds that m_match holds, in that order: anew, or (a short text's slices
// done) by adding the rows after those already shown, which are the same movies in the same order.
void MovieListModel::showMatching(bool reset, std::size_t expected)
{
    std::vector<int> ids;
    ids.reserve(std::min(expected, m_allIds.size()));
    for (int id : m_allIds)
        if (matches(id))
            ids.push_back(id);
    if (reset) {
        beginResetModel();
        m_ids = std::move(ids);
        endResetModel();
    } else if (ids.size() > m_ids.size()) {
        beginInsertRows(QModelIndex(), int(m_ids.size()), int(ids.size()) - 1);
        m_ids = std::move(ids);
        endInsertRows();
    }
}

void MovieListModel::applyFilter()
{
    m_scan.active = false;
    m_match.clear();
    if (m_filterKind == FilterKind::None || !m_catalogue || !m_catalogue->isOpen()) {
        if (m_filterKind == FilterKind::None && m_ids.size() != m_allIds.size()) {
            beginResetModel();
            m_ids = m_allIds;
            endResetModel();
        }
        emit filterFinished();
        return;
    }
    int maxId = 0;
    for (int id : m_allIds)
        maxId = std::max(maxId, id);
    m_match.assign(size_t(maxId) + 1, false);
    if (m_filterKind == FilterKind::Ids) {
        for (int id : m_filterIds)
            markFound(id);
        showMatching(true);
        emit filterFinished();
        return;
    }

    sqlite3 *db = handleOf(*m_catalogue);
    if (!m_castIncluded && FilterTexts::usable(m_words)) {
        // The movies' texts held in memory, looked through in one pass for words of any length.
        const std::vector<int> found = m_texts.find(db, m_words);
        for (int id : found)
            markFound(id);
        showMatching(true, found.size());
        emit filterFinished();
        return;
    }

    QStringList indexed, shortWords;
    for (const QString &w : m_words)
        (MovieTextIndex::indexable(w) ? indexed : shortWords) << w;
    const bool haveIndex = m_catalogue->scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'MovieText'")).toInt() > 0;
    const bool cast = m_castIncluded && haveIndex
        && m_catalogue->scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'ActorText'")).toInt() > 0;
    if (!indexed.isEmpty() && cast) {
        // Each longer word's movies from either index, the first word's driving; the short words are
        // looked for in the texts and casts of those alone.
        const int s = int(shortWords.size());
        QStringList more;
        for (qsizetype i = 1; i < indexed.size(); ++i)
            more << QStringLiteral(" AND hit.id IN (%1)").arg(castOrTextMatches(s + 1 + int(i)));
        const KeySource k{QStringLiteral("MovieText_content"), QStringLiteral("k.id"), QStringLiteral("k.c0"), QStringLiteral("k.c1"),
                          QStringLiteral("k.c2")};
        // sql-identifiers: fixed names and conditions, every word bound
        // The movies' texts are read only for the short words (a movie no longer in the list is
        // passed over when the rows are shown).
        Statement q(db, s == 0 ? QStringLiteral("SELECT hit.id FROM (%1) AS hit WHERE 1%2").arg(castOrTextMatches(1), more.join(QString()))
                               : QStringLiteral("SELECT hit.id FROM (%1) AS hit JOIN MovieText_content k ON k.id = hit.id WHERE 1%2 AND %3")
                                     .arg(castOrTextMatches(s + 1), more.join(QString()), containsEvery(s, k, QStringLiteral("k.id"))));
        for (qsizetype i = 0; i < shortWords.size(); ++i)
            q.bindText(int(i) + 1, shortWords[i]);
        for (qsizetype i = 0; i < indexed.size(); ++i)
            q.bindText(s + 1 + int(i), MovieTextIndex::matchExpression({indexed[i]}));
        while (q.next())
            markFound(q.integer(0));
        showMatching(true);
        emit filterFinished();
        return;
    }
    if (!indexed.isEmpty() && haveIndex) {
        // The index finds the movies with every longer word; the short words are looked for in the
        // texts of those alone.
        // sql-identifiers: one fixed condition per short word, the words bound
        Statement q(db, QStringLiteral("SELECT rowid FROM MovieText WHERE MovieText MATCH ?%1%2")
                            .arg(shortWords.size() + 1)
                            .arg(shortWords.isEmpty() ? QString() : QStringLiteral(" AND ") + containsEvery(int(shortWords.size()))));
        for (qsizetype i = 0; i < shortWords.size(); ++i)
            q.bindText(int(i) + 1, shortWords[i]);
        q.bindText(int(shortWords.size()) + 1, MovieTextIndex::matchExpression(indexed));
        while (q.next())
            markFound(q.integer(0));
        showMatching(true);
        emit filterFinished();
        return;
    }

    // Only short words (or a catalogue without the index): the first page is found by reading along
    // the list, a batch of movies per statement, until it is full or a moment has passed; the rest
    // follows in slices of movie IDs.
    m_scan.source = haveIndex;
    m_scan.cast = m_castIncluded;
    const KeySource k = keySource(haveIndex);
    const QString castOf = m_castIncluded ? k.table + QLatin1Char('.') + k.id : QString();
    const int n = int(m_words.size());
    std::vector<int> firstRows;
    {
        QString ids(FirstPageBatch * 2 - 1, QLatin1Char('?'));
        for (qsizetype i = 1; i < ids.size(); i += 2)
            ids[i] = QLatin1Char(',');
        // sql-identifiers: the key source's fixed names, one condition per word and one placeholder per
        // movie, all values bound
        Statement batch(db, QStringLiteral("SELECT %1 FROM %2 WHERE %1 IN (%3) AND %4").arg(k.id, k.table, ids, containsEvery(n, k, castOf)));
        for (int i = 0; i < n; ++i)
            batch.bindText(i + 1, m_words[i]);
        QElapsedTimer clock;
        clock.start();
        QSet<int> found;
        for (size_t first = 0; first < m_allIds.size() && firstRows.size() < size_t(PageRows)
                               && (first == 0 || clock.elapsed() < FirstPageMilliseconds);
             first += FirstPageBatch) {
            const size_t last = std::min(m_allIds.size(), first + FirstPageBatch);
            for (size_t i = first; i < first + FirstPageBatch; ++i)
                batch.bind(n + 1 + int(i - first), i < last ? m_allIds[i] : -1);
            found.clear();
            while (batch.next())
                found.insert(batch.integer(0));
            batch.reset();
            for (size_t i = first; i < last && firstRows.size() < size_t(PageRows); ++i)
                if (found.contains(m_allIds[i]))
                    firstRows.push_back(m_allIds[i]);
        }
    }
    beginResetModel();
    m_ids = std::move(firstRows);
    endResetModel();
    Statement range(db, QStringLiteral("SELECT (SELECT min(ID) FROM Movies), (SELECT max(ID) FROM Movies)"));
    if (!range.next() || range.isNull(0)) {
        emit filterFinished();
        return;
    }
    m_scan.active = true;
    m_scan.nextId = range.integer(0);
    m_scan.lastId = range.integer(1);
    QTimer::singleShot(0, this, [this, words = m_words] {
        if (m_scan.active && words == m_words)
            scanSlice();
    });
}

void MovieListModel::scanSlice()
{
    if (!m_scan.active || !m_catalogue || !m_catalogue->isOpen())
        return;
    {
        const KeySource k = keySource(m_scan.source);
        const QString castOf = m_scan.cast ? k.table + QLatin1Char('.') + k.id : QString();
        // sql-identifiers: the key source's fixed names and one fixed condition per word, the words bound
        Statement q(handleOf(*m_catalogue), QStringLiteral("SELECT %4 FROM %5 WHERE %4 BETWEEN ?%1 AND ?%2 AND %3")
                                                .arg(m_words.size() + 1)
                                                .arg(m_words.size() + 2)
                                                .arg(containsEvery(int(m_words.size()), k, castOf), k.id, k.table));
        for (qsizetype i = 0; i < m_words.size(); ++i)
            q.bindText(int(i) + 1, m_words[i]);
        q.bind(int(m_words.size()) + 1, m_scan.nextId);
        q.bind(int(m_words.size()) + 2, m_scan.nextId + ScanSlice - 1);
        while (q.next())
            markFound(q.integer(0));
    }
    m_scan.nextId += ScanSlice;
    if (m_scan.nextId <= m_scan.lastId) {
        const QStringList words = m_words;
        QTimer::singleShot(0, this, [this, words] {
            if (m_scan.active && words == m_words)
                scanSlice();
        });
        return;
    }
    m_scan.active = false;
    showMatching(false);
    emit filterFinished();
}

void MovieListModel::prepareFilter()
{
    if (m_catalogue && m_catalogue->isOpen() && !m_castIncluded)
        m_texts.prepare(handleOf(*m_catalogue));
}

void MovieListModel::finishFilter()
{
    while (m_scan.active)
        scanSlice();
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

bool MovieListModel::holdsMovie(int id) const
{
    return std::find(m_allIds.begin(), m_allIds.end(), id) != m_allIds.end();
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
    m_allIds.push_back(m.id);
    // A movie added under a filter stays in the list until the filter changes.
    if (filterActive())
        mark(m.id);
    m_unpadded.insert(m.id);
    m_cache.remove(m.id);
    m_changed.insert(m.id, std::move(r));
    endInsertRows();
    return row;
}

void MovieListModel::updateMovie(int row, const MovieRecord &m)
{
    if (row < 0 || row >= int(m_ids.size())) {
        // A movie the filter hides: its texts are read again when it is shown.
        m_cache.remove(m.id);
        m_changed.remove(m.id);
        return;
    }
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

void MovieListModel::removeMovie(int id)
{
    const int row = rowOfMovie(id);
    if (row >= 0) {
        removeMovieRow(row);
        return;
    }
    // Hidden by the filter: it must not come back when the filter is cleared.
    forgetMovie(id);
}

void MovieListModel::forgetMovie(int id)
{
    const auto all = std::find(m_allIds.begin(), m_allIds.end(), id);
    if (all != m_allIds.end())
        m_allIds.erase(all);
    m_changed.remove(id);
    m_cache.remove(id);
    m_unpadded.remove(id);
}

void MovieListModel::removeMovieRow(int row)
{
    if (row < 0 || row >= int(m_ids.size()))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    const int id = m_ids[size_t(row)];
    m_ids.erase(m_ids.begin() + row);
    forgetMovie(id);
    endRemoveRows();
}
