#pragma once

#include <QString>
#include <memory>
#include <vector>

struct sqlite3;

// Notes the movies that a connection's own statements add, change (in the columns given) or
// delete, so that a copy of some of the movies' columns held in memory can be brought in step by
// reading those movies alone. Temporary triggers on the connection call a function registered on
// it; both live in the connection only (nothing is written to the file) and go with it. Changes
// committed by other connections are not seen: compare the engine's data version for those.
class MovieWatch
{
public:
    // name: an identifier of its own per watch (the triggers and function are named after it);
    // columns: the movie columns whose change counts, comma-separated.
    MovieWatch(const QString &name, const QString &columns);
    ~MovieWatch();
    MovieWatch(const MovieWatch &) = delete;
    MovieWatch &operator=(const MovieWatch &) = delete;

    // Sets the watch up on db, forgetting what was noted; false when the engine refuses it.
    bool start(sqlite3 *db);
    // Stops noting here (the connection keeps the function and triggers until it closes).
    void stop();
    // Whether what take() gives is all that changed on db since start(): started there, its
    // triggers still in place (a table dropped and made again loses them), and not more changes
    // than it keeps (then everything should be read again).
    bool complete(sqlite3 *db) const;
    // The movies noted since start() or the last take(), each once.
    std::vector<int> take();

    // Movies noted at most before the watch gives up listing them.
    static constexpr std::size_t MostNoted = 20000;

    struct Noted;

private:
    QString m_name, m_columns;
    sqlite3 *m_db = nullptr;
    std::shared_ptr<Noted> m_noted; // shared with the function on the connection
};
