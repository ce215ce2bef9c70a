#pragma once

#include "MovieWatch.h"

#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

// The folded title, sort key and director of every movie of a catalogue, held in memory for the
// quick filter. A keystroke looks through all of them in one pass of the processor's byte compares
// (about 35 MB at a million movies, a few milliseconds), which is faster than the engine can hand
// over a large set of hits from its text index, and serves words of one or two letters as well.
//
// The texts are read at first use. They stay in step with the catalogue without being told of each
// change: temporary triggers on the connection note the movies its own statements insert, change
// or delete, and those alone are read again at the next look; a change committed by another
// connection or program (the engine's data version moves) has them all read again.
class FilterTexts
{
public:
    FilterTexts();
    ~FilterTexts();
    FilterTexts(const FilterTexts &) = delete;
    FilterTexts &operator=(const FilterTexts &) = delete;

    // Forgets the texts (the catalogue was read anew, or another one opened); they are read again at
    // the next find(). Touches no connection, so it is safe after the catalogue was closed.
    void clear();
    // Whether find() can look for these folded words: none may hold the bytes that part the texts.
    static bool usable(const QStringList &words);
    // Brings the texts in step with the catalogue on db (reading them when not held).
    void prepare(sqlite3 *db);
    // The movies of the catalogue on db whose title, sort key or director holds every word (each
    // folded as the keys are), each once, in no particular order; parts: how many threads look
    // through the texts at once (0 chooses by their size and the processors). Throws CinelogError
    // when reading fails.
    std::vector<int> find(sqlite3 *db, const QStringList &words, int parts = 0);
    // Bytes held for the texts and their records (for measurements).
    std::size_t heldBytes() const;

    // The first occurrence of needle in [from, to), or to.
    static const char *findBytes(const char *from, const char *to, std::string_view needle);

private:
    void load(sqlite3 *db);
    void dropTexts();
    void readAgain(sqlite3 *db, const std::vector<int> &ids);
    void append(int id, std::string_view title, std::string_view orderBy, std::string_view director);
    std::size_t recordOf(int id) const;
    // Adds to out the movies of records [first, last) that hold every word, w.front() leading.
    void scan(std::size_t first, std::size_t last, const std::vector<std::string> &w, std::vector<int> &out) const;

    sqlite3 *m_db = nullptr;
    bool m_loaded = false;
    qint64 m_dataVersion = -1;
    qint64 m_totalChanges = -1;     // this connection's changes when read (used without a watch)
    MovieWatch m_watch{QStringLiteral("FilterTexts"), QStringLiteral("ID, TitleKey, OrderByKey, DirectorKey")};
    bool m_watching = false;        // the watch was set up when the texts were read
    std::string m_text;             // the records, each "title \1 [sort key \1] director \0"
    std::vector<std::uint32_t> m_start; // where each record starts, and the end of the last
    std::vector<int> m_id;          // each record's movie; 0 for a record replaced since
    std::size_t m_sorted = 0;       // the first records, read whole, are in ID order
    std::size_t m_dead = 0;         // records replaced since the texts were read whole
};
