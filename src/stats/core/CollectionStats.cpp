#include "CollectionStats.h"

#include "ReadConnection.h"
#include "SqliteFunctions.h"
#include "CinelogError.h"

#include <QHash>
#include <algorithm>
#include <thread>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace Stats {

namespace {

// Movies read per statement: each batch is one short read transaction.
constexpr qint64 BatchRows = 20000;

struct ViewHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
};

bool blank(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

// The leading number of a text ("95", "95 min", " 2"), or -1 when it does not start with digits.
qint64 leadingNumber(std::string_view s, int *digits = nullptr)
{
    size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    qint64 n = 0;
    int count = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && count < 12) {
        n = n * 10 + (s[i] - '0');
        ++i;
        ++count;
    }
    if (digits)
        *digits = count;
    return count ? n : -1;
}

int yearOf(std::string_view s)
{
    size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    int digits = 0;
    const qint64 n = leadingNumber(s.substr(i), &digits);
    if (digits != 4 || n < 1000)
        return 0;
    return int(n);
}

// Texts grouped by their case-folded form. Every distinct spelling is folded once; rows look
// their text up without copying it.
class TextGroups
{
public:
    // The group of a text; blank text is the group with the empty key.
    int groupOf(std::string_view raw)
    {
        if (blank(raw))
            return noneGroup();
        auto it = m_byRaw.find(raw);
        if (it != m_byRaw.end())
            return it->second;
        const QString text = QString::fromUtf8(raw.data(), qsizetype(raw.size()));
        const QString key = foldedText(text);
        int g = m_byKey.value(key, -1);
        if (g < 0)
            g = add(key, text);
        m_byRaw.emplace(std::string(raw), g);
        return g;
    }
    int noneGroup()
    {
        if (m_none < 0)
            m_none = add(QString(), QString());
        return m_none;
    }
    void count(int group) { ++m_buckets[size_t(group)].count; }
    // Adds another part's groups: its spellings come after this part's (it read later movies).
    void merge(const TextGroups &other)
    {
        for (const Bucket &b : other.m_buckets) {
            int g = m_byKey.value(b.key, -1);
            if (g < 0)
                g = b.key.isEmpty() ? noneGroup() : add(b.key, b.label);
            m_buckets[size_t(g)].count += b.count;
        }
    }
    const QString &keyOf(int group) const { return m_buckets[size_t(group)].key; }

    // Most movies first; equal counts by label; the group without a value last.
    QList<Bucket> byCount() const
    {
        QList<Bucket> out(m_buckets.begin(), m_buckets.end());
        std::stable_sort(out.begin(), out.end(), [](const Bucket &a, const Bucket &b) {
            if (a.key.isEmpty() != b.key.isEmpty())
                return b.key.isEmpty();
            if (a.count != b.count)
                return a.count > b.count;
            return a.label.compare(b.label, Qt::CaseInsensitive) < 0;
        });
        return out;
    }

private:
    int add(const QString &key, const QString &label)
    {
        m_buckets.push_back(Bucket{key, label, 0});
        const int g = int(m_buckets.size()) - 1;
        m_byKey.insert(key, g);
        return g;
    }
    std::unordered_map<std::string, int, ViewHash, std::equal_to<>> m_byRaw;
    QHash<QString, int> m_byKey;
    std::vector<Bucket> m_buckets;
    int m_none = -1;
};


// One row of the movie scan.
struct MovieRow {
    int id = 0;
    std::string_view genre[3], medium, format, release, discs, running;
    int stars = 0;
    bool hasCover = false;
};

// Reads every movie in ID order, a batch per read transaction, handing each row to f.
// Movies with IDs in (after, upTo].
template <typename F>
void scanMovies(ReadConnection &db, const std::atomic_bool *cancel, F &&f,
                qint64 after = std::numeric_limits<qint64>::min(), qint64 upTo = std::numeric_limits<qint64>::max())
{
    ReadConnection::Statement q(db, "SELECT ID, Genre1, Genre2, Genre3, Medium, Format, ReleaseYear, "
                                    "ifnull(UserRating, 0), NumDiscs, RunningTime, length(CoverData) > 0 "
                                    "FROM Movies WHERE ID > ? AND ID <= ? ORDER BY ID LIMIT ?");
    qint64 last = after;
    for (;;) {
        if (cancel && cancel->load())
            return;
        q.bind(1, last);
        q.bind(2, upTo);
        q.bind(3, BatchRows);
        qint64 rows = 0;
        while (q.next()) {
            ++rows;
            MovieRow r;
            r.id = int(q.integer(0));
            last = r.id;
            for (int i = 0; i < 3; ++i)
                r.genre[i] = q.view(1 + i);
            r.medium = q.view(4);
            r.format = q.view(5);
            r.release = q.view(6);
            r.stars = int(q.integer(7));
            r.discs = q.view(8);
            r.running = q.view(9);
            r.hasCover = q.integer(10) != 0;
            f(r);
        }
        q.reset();
        if (rows < BatchRows)
            return;
    }
}

int starsGroup(int stars)
{
    return std::clamp(stars, 0, 7);
}

struct LoanRow {
    int loanId = 0;
    int movieId = 0;
    QString title;
    std::string borrower;
    QString dateOut;
};

std::vector<LoanRow> openLoans(ReadConnection &db)
{
    // The movie's own title when it is still there; what the loan recorded otherwise.
    ReadConnection::Statement q(db, "SELECT l.ID, l.MovieID, ifnull(m.Title, l.MovieTitle), l.LoanedTo, l.DateOut "
                                    "FROM LoanOut l LEFT JOIN Movies m ON m.ID = l.MovieID "
                                    "WHERE l.DateIn IS NULL OR l.DateIn = '' ORDER BY l.ID");
    std::vector<LoanRow> out;
    while (q.next()) {
        const std::string_view b = q.view(3);
        out.push_back(LoanRow{int(q.integer(0)), int(q.integer(1)), q.text(2), std::string(b), q.text(4)});
    }
    return out;
}

QDate dateOf(const QString &text)
{
    return QDate::fromString(text.left(10), Qt::ISODate);
}

} // namespace

const QList<Bucket> &CollectionStats::buckets(Chart chart) const
{
    switch (chart) {
    case Chart::Genre: return genres;
    case Chart::Decade: return decades;
    case Chart::Medium: return mediums;
    case Chart::Format: return formats;
    case Chart::UserRating: return userRatings;
    case Chart::Borrower: break;
    }
    return borrowers;
}

int releaseYear(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return yearOf(std::string_view(utf8.constData(), size_t(utf8.size())));
}

namespace {

// What one pass over a range of movies counted; parts of consecutive ranges add up.
struct Part {
    TextGroups genres, mediums, formats;
    std::vector<qint64> decadeCount; // by (decade - 1000) / 10
    qint64 noYear = 0;
    qint64 stars[8] = {};
    Totals totals;

    void merge(const Part &o)
    {
        genres.merge(o.genres);
        mediums.merge(o.mediums);
        formats.merge(o.formats);
        if (decadeCount.size() < o.decadeCount.size())
            decadeCount.resize(o.decadeCount.size(), 0);
        for (size_t i = 0; i < o.decadeCount.size(); ++i)
            decadeCount[i] += o.decadeCount[i];
        noYear += o.noYear;
        for (int i = 0; i < 8; ++i)
            stars[i] += o.stars[i];
        totals.movies += o.totals.movies;
        totals.discs += o.totals.discs;
        totals.runningMinutes += o.totals.runningMinutes;
        totals.withCovers += o.totals.withCovers;
    }
};

void countMovies(ReadConnection &db, const std::atomic_bool *cancel, Part &p, qint64 after, qint64 upTo)
{
    scanMovies(db, cancel, [&](const MovieRow &r) {
        ++p.totals.movies;
        int seen[3] = {-1, -1, -1};
        int n = 0;
        for (const std::string_view &g : r.genre) {
            if (blank(g))
                continue;
            const int group = p.genres.groupOf(g);
            if (std::find(seen, seen + n, group) == seen + n) {
                seen[n++] = group;
                p.genres.count(group);
            }
        }
        if (n == 0)
            p.genres.count(p.genres.noneGroup());
        p.mediums.count(p.mediums.groupOf(r.medium));
        p.formats.count(p.formats.groupOf(r.format));
        if (const int year = yearOf(r.release)) {
            const size_t d = size_t(year - 1000) / 10;
            if (p.decadeCount.size() <= d)
                p.decadeCount.resize(d + 1, 0);
            ++p.decadeCount[d];
        } else {
            ++p.noYear;
        }
        ++p.stars[starsGroup(r.stars)];
        const qint64 discs = leadingNumber(r.discs);
        p.totals.discs += discs > 0 ? discs : 1;
        if (const qint64 minutes = leadingNumber(r.running); minutes > 0)
            p.totals.runningMinutes += minutes;
        if (r.hasCover)
            ++p.totals.withCovers;
    }, after, upTo);
}

CollectionStats finish(ReadConnection &db, const QDate &today, Part &part);

} // namespace

CollectionStats collect(ReadConnection &db, const QDate &today, const std::atomic_bool *cancel)
{
    Part part;
    countMovies(db, cancel, part, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max());
    if (cancel && cancel->load())
        return CollectionStats();
    return finish(db, today, part);
}

CollectionStats collect(const QString &path, const QDate &today, const std::atomic_bool *cancel, int threads)
{
    ReadConnection db(path);
    threads = std::clamp(threads, 1, 16);
    qint64 low = 0, high = 0;
    {
        // Each in its own subquery: SQLite reads a lone min() or max() off the end of the ID's b-tree,
        // while the two together scan the whole table.
        ReadConnection::Statement q(db, "SELECT ifnull((SELECT min(ID) FROM Movies), 0), ifnull((SELECT max(ID) FROM Movies), 0)");
        if (q.next()) {
            low = q.integer(0);
            high = q.integer(1);
        }
    }
    if (threads == 1 || high - low < 20000)
        return collect(db, today, cancel);
    // Consecutive ID ranges, one per thread (each with its own connection), added up in order.
    std::vector<Part> parts(static_cast<size_t>(threads));
    std::vector<QString> errors(static_cast<size_t>(threads));
    std::vector<std::thread> workers;
    const qint64 step = (high - low) / threads + 1;
    for (int i = 0; i < threads; ++i) {
        const qint64 after = i == 0 ? std::numeric_limits<qint64>::min() : low - 1 + i * step;
        const qint64 upTo = i == threads - 1 ? std::numeric_limits<qint64>::max() : low - 1 + (i + 1) * step;
        workers.emplace_back([&, i, after, upTo] {
            try {
                ReadConnection own(path);
                countMovies(own, cancel, parts[size_t(i)], after, upTo);
            } catch (const CinelogError &e) {
                errors[size_t(i)] = e.description();
            }
        });
    }
    for (std::thread &t : workers)
        t.join();
    for (const QString &e : errors)
        if (!e.isEmpty())
            throw CinelogError(ErrorNumber::Database, e);
    if (cancel && cancel->load())
        return CollectionStats();
    for (size_t i = 1; i < parts.size(); ++i)
        parts[0].merge(parts[i]);
    return finish(db, today, parts[0]);
}

namespace {

CollectionStats finish(ReadConnection &db, const QDate &today, Part &part)
{
    CollectionStats s;
    s.totals = part.totals;
    TextGroups &genres = part.genres, &mediums = part.mediums, &formats = part.formats;
    std::vector<qint64> &decadeCount = part.decadeCount;
    const qint64 noYear = part.noYear;
    const qint64 *stars = part.stars;
    s.genres = genres.byCount();
    s.mediums = mediums.byCount();
    s.formats = formats.byCount();
    for (size_t d = 0; d < decadeCount.size(); ++d)
        if (decadeCount[d]) {
            const QString first = QString::number(1000 + int(d) * 10);
            s.decades.append(Bucket{first, first + QLatin1Char('s'), decadeCount[d]});
        }
    if (noYear)
        s.decades.append(Bucket{QString(), QString(), noYear});
    for (int i = 0; i <= 7; ++i)
        s.userRatings.append(Bucket{QString::number(i), QString::number(i), stars[i]});

    {
        ReadConnection::Statement q(db, "SELECT count(*) FROM Episodes e WHERE EXISTS "
                                        "(SELECT 1 FROM Movies m WHERE m.ID = e.MovID)");
        if (q.next())
            s.totals.episodes = q.integer(0);
    }

    TextGroups borrowers;
    std::vector<OpenLoan> loans;
    for (const LoanRow &l : openLoans(db)) {
        borrowers.count(borrowers.groupOf(l.borrower));
        OpenLoan o;
        o.loanId = l.loanId;
        o.movieId = l.movieId;
        o.title = l.title;
        o.borrower = QString::fromStdString(l.borrower);
        o.dateOut = dateOf(l.dateOut);
        o.daysOut = o.dateOut.isValid() ? o.dateOut.daysTo(today) : -1;
        loans.push_back(std::move(o));
    }
    s.openLoans = qint64(loans.size());
    s.borrowers = borrowers.byCount();
    // Oldest first; loans without a readable date after those with one.
    std::stable_sort(loans.begin(), loans.end(), [](const OpenLoan &a, const OpenLoan &b) {
        if (a.dateOut.isValid() != b.dateOut.isValid())
            return a.dateOut.isValid();
        return a.dateOut < b.dateOut;
    });
    for (size_t i = 0; i < loans.size() && i < size_t(LongestOutRows); ++i)
        s.longestOut.append(loans[i]);
    return s;
}

} // namespace

QList<int> moviesIn(ReadConnection &db, Chart chart, const QStringList &keys)
{
    QList<int> ids;
    if (chart == Chart::Borrower) {
        TextGroups borrowers;
        std::vector<int> found;
        for (const LoanRow &l : openLoans(db))
            if (keys.contains(borrowers.keyOf(borrowers.groupOf(l.borrower))))
                found.push_back(l.movieId);
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        return QList<int>(found.begin(), found.end());
    }
    TextGroups groups;
    // Whether each group met so far is wanted, by group index.
    std::vector<char> wanted;
    auto isWanted = [&](int group) {
        while (wanted.size() <= size_t(group))
            wanted.push_back(keys.contains(groups.keyOf(int(wanted.size()))) ? 1 : 0);
        return wanted[size_t(group)] != 0;
    };
    scanMovies(db, nullptr, [&](const MovieRow &r) {
        bool in = false;
        switch (chart) {
        case Chart::Genre: {
            bool any = false;
            for (const std::string_view &g : r.genre)
                if (!blank(g)) {
                    any = true;
                    in = in || isWanted(groups.groupOf(g));
                }
            if (!any)
                in = keys.contains(QString());
            break;
        }
        case Chart::Medium: in = isWanted(groups.groupOf(r.medium)); break;
        case Chart::Format: in = isWanted(groups.groupOf(r.format)); break;
        case Chart::Decade: {
            const int year = yearOf(r.release);
            in = keys.contains(year ? QString::number(year - year % 10) : QString());
            break;
        }
        case Chart::UserRating: in = keys.contains(QString::number(starsGroup(r.stars))); break;
        case Chart::Borrower: break;
        }
        if (in)
            ids.append(r.id);
    });
    return ids;
}

} // namespace Stats
