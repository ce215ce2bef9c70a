#include "FilterTexts.h"

#include "CinelogError.h"
#include "MovieWatch.h"
#include "ReadConnection.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <thread>
#include <sqlite3.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The bytes that part a record's texts and end a record; a word holding one cannot be looked for.
constexpr char FieldEnd = '\1';
constexpr char RecordEnd = '\0';

// Texts from this size on are looked through by several threads.
constexpr std::size_t ParallelFrom = 4 << 20;
// Bytes of the texts in which each word is counted to choose the one that leads the search.
constexpr std::size_t SampleBytes = 256 << 10;

} // namespace

FilterTexts::FilterTexts() = default;
FilterTexts::~FilterTexts() = default;

void FilterTexts::clear()
{
    m_watch.stop();
    m_watching = false;
    dropTexts();
}

void FilterTexts::dropTexts()
{
    m_db = nullptr;
    m_loaded = false;
    m_dataVersion = -1;
    m_totalChanges = -1;
    m_text.clear();
    m_text.shrink_to_fit();
    m_start.clear();
    m_start.shrink_to_fit();
    m_id.clear();
    m_id.shrink_to_fit();
    m_sorted = 0;
    m_dead = 0;
}

bool FilterTexts::usable(const QStringList &words)
{
    for (const QString &w : words)
        if (w.isEmpty() || w.contains(QChar(FieldEnd)) || w.contains(QChar(RecordEnd)))
            return false;
    return true;
}

std::size_t FilterTexts::heldBytes() const
{
    return m_text.capacity() + m_start.capacity() * sizeof(std::uint32_t) + m_id.capacity() * sizeof(int);
}

namespace {

// A word looked for, with what the sixteen-byte compares need of it made once.
class Needle
{
public:
    explicit Needle(std::string_view n) : m_n(n)
    {
#if defined(__SSE2__)
        if (!n.empty()) {
            m_first = _mm_set1_epi8(n.front());
            m_last = _mm_set1_epi8(n.back());
        }
#endif
    }

    // The first occurrence in [from, to), or to.
    const char *in(const char *from, const char *to) const
    {
        const std::size_t k = m_n.size();
        if (k == 0)
            return from;
        if (std::size_t(to - from) < k)
            return to;
        if (k == 1) {
            const void *p = std::memchr(from, m_n[0], std::size_t(to - from));
            return p ? static_cast<const char *>(p) : to;
        }
#if defined(__SSE2__)
        // Sixteen places at a time: those where the first and the last byte of the word both fit
        // are compared whole.
        const char *p = from;
        for (; std::size_t(to - p) >= k - 1 + 16; p += 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + k - 1));
            unsigned mask = unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, m_first), _mm_cmpeq_epi8(b, m_last))));
            while (mask != 0) {
                const int i = __builtin_ctz(mask);
                if (middleEqual(p + i))
                    return p + i;
                mask &= mask - 1;
            }
        }
        from = p;
#endif
        // The last few places (or a text too short for the above, as most records are) one at a time.
        for (const char *q = from; std::size_t(to - q) >= k; ++q)
            if (q[0] == m_n[0] && q[k - 1] == m_n[k - 1] && middleEqual(q))
                return q;
        return to;
    }

private:
    // Whether the bytes between the first and the last equal the word's (words are short: no call).
    bool middleEqual(const char *at) const
    {
        for (std::size_t j = 1; j + 1 < m_n.size(); ++j)
            if (at[j] != m_n[j])
                return false;
        return true;
    }

    std::string_view m_n;
#if defined(__SSE2__)
    __m128i m_first{}, m_last{};
#endif
};

} // namespace

const char *FilterTexts::findBytes(const char *from, const char *to, std::string_view needle)
{
    return Needle(needle).in(from, to);
}

void FilterTexts::append(int id, std::string_view title, std::string_view orderBy, std::string_view director)
{
    m_start.back() = std::uint32_t(m_text.size());
    m_id.push_back(id);
    m_text.append(title);
    m_text.push_back(FieldEnd);
    // A sort key inside the title ("matrix" in "the matrix") finds nothing the title does not.
    if (title.find(orderBy) == std::string_view::npos) {
        m_text.append(orderBy);
        m_text.push_back(FieldEnd);
    }
    m_text.append(director);
    m_text.push_back(RecordEnd);
    m_start.push_back(std::uint32_t(m_text.size()));
}

void FilterTexts::load(sqlite3 *db)
{
    // The watch stays: set up again on the same connection it only forgets what it noted.
    dropTexts();
    m_db = db;
    m_start.push_back(0);
    // What changes from now on is noted; the texts read below are at least as new.
    m_watching = m_watch.start(db);
    {
        ReadConnection::Statement version(db, QStringLiteral("SELECT data_version, total_changes() FROM pragma_data_version"));
        if (version.next()) {
            m_dataVersion = version.integer(0);
            m_totalChanges = version.integer(1);
        }
    }
    // The index's copy of the keys is a narrow table; the movies' rows may hold covers before them.
    bool indexCopy = false;
    {
        ReadConnection::Statement has(db, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'MovieText_content'"));
        indexCopy = has.next() && has.integer(0) > 0;
    }
    qint64 movies = 0;
    {
        ReadConnection::Statement count(db, QStringLiteral("SELECT count(*) FROM Movies"));
        if (count.next())
            movies = count.integer(0);
    }
    m_text.reserve(std::size_t(movies) * 40);
    m_start.reserve(std::size_t(movies) + 1);
    m_id.reserve(std::size_t(movies));
    ReadConnection::Statement q(db, indexCopy ? QStringLiteral("SELECT id, c0, c1, c2 FROM MovieText_content ORDER BY id")
                                    : QStringLiteral("SELECT ID, TitleKey, OrderByKey, DirectorKey FROM Movies ORDER BY ID"));
    while (q.next()) {
        if (m_text.size() > std::size_t(UINT32_MAX) - 4 * 256)
            throw CinelogError(SQLITE_TOOBIG, QStringLiteral("The movies' texts are too large to filter in memory."));
        append(q.integer(0), q.view(1), q.view(2), q.view(3));
    }
    m_sorted = m_id.size();
    m_loaded = true;
}

std::size_t FilterTexts::recordOf(int id) const
{
    const auto sortedEnd = m_id.begin() + std::ptrdiff_t(m_sorted);
    const auto it = std::lower_bound(m_id.begin(), sortedEnd, id);
    if (it != sortedEnd && *it == id)
        return std::size_t(it - m_id.begin());
    for (std::size_t r = m_id.size(); r-- > m_sorted;)
        if (m_id[r] == id)
            return r;
    return m_id.size();
}

void FilterTexts::readAgain(sqlite3 *db, const std::vector<int> &ids)
{
    ReadConnection::Statement q(db, QStringLiteral("SELECT TitleKey, OrderByKey, DirectorKey FROM Movies WHERE ID = ?"));
    for (int id : ids) {
        const std::size_t r = recordOf(id);
        if (r < m_id.size()) {
            m_id[r] = 0;
            ++m_dead;
        }
        q.bind(1, id);
        if (q.next())
            append(id, q.view(0), q.view(1), q.view(2));
        q.reset();
    }
}

void FilterTexts::prepare(sqlite3 *db)
{
    qint64 dataVersion = -2, totalChanges = -2;
    {
        ReadConnection::Statement state(db, QStringLiteral("SELECT data_version, total_changes() FROM pragma_data_version"));
        if (state.next()) {
            dataVersion = state.integer(0);
            totalChanges = state.integer(1);
        }
    }
    // Read whole: never read, another connection, a change committed by another program, the watch
    // lost or overflowing (without one, any change of this connection counts), or many records
    // replaced.
    if (!m_loaded || db != m_db || dataVersion != m_dataVersion || (m_watching ? !m_watch.complete(db) : totalChanges != m_totalChanges)
        || m_dead > m_id.size() / 4 + 1000) {
        load(db);
        return;
    }
    if (m_watching)
        if (const std::vector<int> changed = m_watch.take(); !changed.empty())
            readAgain(db, changed);
}

void FilterTexts::scan(std::size_t first, std::size_t last, const std::vector<std::string> &w, std::vector<int> &out) const
{
    const Needle lead(w.front());
    std::vector<Needle> others;
    for (std::size_t i = 1; i < w.size(); ++i)
        others.emplace_back(w[i]);
    const char *const base = m_text.data();
    const char *p = base + m_start[first];
    const char *const end = base + m_start[last];
    std::size_t r = first;
    while (p < end) {
        const char *hit = lead.in(p, end);
        if (hit == end)
            break;
        const auto at = std::uint32_t(hit - base);
        // The record holding the hit: strides doubling from the last one until past it, then a
        // search between the last two (the records looked at stay near each other in memory).
        if (m_start[r + 1] <= at) {
            std::size_t lo = r + 1, stride = 1, hi = lo + 1;
            while (hi < last && m_start[hi] <= at) {
                lo = hi;
                stride *= 2;
                hi = lo + stride;
            }
            hi = std::min(hi, last);
            r = std::size_t(std::upper_bound(m_start.begin() + std::ptrdiff_t(lo), m_start.begin() + std::ptrdiff_t(hi), at) - m_start.begin()) - 1;
        }
        const char *recordBegin = base + m_start[r];
        const char *recordEnd = base + m_start[r + 1];
        if (m_id[r] != 0) {
            bool all = true;
            for (std::size_t i = 1; i < w.size() && all; ++i)
                all = others[i - 1].in(recordBegin, recordEnd) != recordEnd;
            if (all)
                out.push_back(m_id[r]);
        }
        p = recordEnd;
        ++r;
    }
}

std::vector<int> FilterTexts::find(sqlite3 *db, const QStringList &words, int parts)
{
    prepare(db);
    std::vector<std::string> w;
    for (const QString &word : words)
        w.push_back(word.toStdString());
    if (w.empty() || m_id.empty())
        return {};
    // The word found least often in a sample of the texts leads (the longest of those as often); the
    // others are looked for in its records alone.
    if (w.size() > 1) {
        const std::size_t sample = std::min<std::size_t>(m_text.size(), SampleBytes);
        std::vector<std::pair<std::size_t, std::size_t>> rank; // (hits, -length) per word
        for (std::size_t i = 0; i < w.size(); ++i) {
            std::size_t hits = 0;
            const char *end = m_text.data() + sample;
            const Needle needle(w[i]);
            for (const char *p = needle.in(m_text.data(), end); p != end; p = needle.in(p + 1, end))
                ++hits;
            rank.emplace_back(hits, i);
        }
        const auto lead = std::min_element(rank.begin(), rank.end(), [&](const auto &a, const auto &b) {
            return a.first != b.first ? a.first < b.first : w[a.second].size() > w[b.second].size();
        });
        std::swap(w.front(), w[lead->second]);
    }
    // Large texts are looked through in parts at once, one per processor (up to four).
    const std::size_t records = m_id.size();
    std::size_t n = parts > 0 ? std::size_t(parts)
                    : m_text.size() < ParallelFrom ? 1
                                                   : std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 4);
    n = std::min(n, records);
    std::vector<std::vector<int>> hits(n);
    std::vector<std::thread> helpers;
    std::vector<std::exception_ptr> failed(n);
    for (std::size_t i = 1; i < n; ++i)
        helpers.emplace_back([&, i] {
            try {
                scan(records * i / n, records * (i + 1) / n, w, hits[i]);
            } catch (...) {
                failed[i] = std::current_exception(); // out of memory: told on this thread
            }
        });
    try {
        scan(0, records / n, w, hits[0]);
    } catch (...) {
        failed[0] = std::current_exception();
    }
    for (std::thread &t : helpers)
        t.join();
    for (const std::exception_ptr &e : failed)
        if (e)
            std::rethrow_exception(e);
    for (std::size_t i = 1; i < n; ++i)
        hits[0].insert(hits[0].end(), hits[i].begin(), hits[i].end());
    return std::move(hits[0]);
}
