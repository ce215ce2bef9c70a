#include "MovieWatch.h"

#include <QByteArray>
#include <QStringList>
#include <algorithm>
#include <sqlite3.h>

struct MovieWatch::Noted {
    std::vector<int> ids;
    bool overflow = false;
};

namespace {

void note(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    auto *noted = static_cast<std::shared_ptr<MovieWatch::Noted> *>(sqlite3_user_data(ctx))->get();
    if (noted->overflow || sqlite3_value_type(argv[0]) != SQLITE_INTEGER)
        return;
    if (noted->ids.size() >= MovieWatch::MostNoted) {
        noted->overflow = true;
        noted->ids.clear();
        noted->ids.shrink_to_fit();
        return;
    }
    noted->ids.push_back(sqlite3_value_int(argv[0]));
}

void dropHolder(void *p)
{
    delete static_cast<std::shared_ptr<MovieWatch::Noted> *>(p);
}

} // namespace

MovieWatch::MovieWatch(const QString &name, const QString &columns) : m_name(name), m_columns(columns) {}

MovieWatch::~MovieWatch() = default;

namespace {

// How many of the watch's three triggers the connection has.
int triggersOn(sqlite3 *db, const QString &name)
{
    sqlite3_stmt *q = nullptr;
    const QByteArray sql = QStringLiteral("SELECT count(*) FROM sqlite_temp_master WHERE type = 'trigger' AND name IN (?1 || '_Insert', "
                                          "?1 || '_Update', ?1 || '_Delete')").toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &q, nullptr) != SQLITE_OK)
        return -1;
    const QByteArray utf8 = name.toUtf8();
    sqlite3_bind_text(q, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    const int n = sqlite3_step(q) == SQLITE_ROW ? sqlite3_column_int(q, 0) : -1;
    sqlite3_finalize(q);
    return n;
}

} // namespace

bool MovieWatch::start(sqlite3 *db)
{
    const QByteArray function = QStringLiteral("cinelog_%1_changed").arg(m_name.toLower()).toUtf8();
    if (m_noted && db == m_db && triggersOn(db, m_name) == 3) {
        // Still set up on this connection: only what was noted is forgotten. (Setting the function
        // up again would be refused while a statement of the connection is running.)
        m_noted->ids.clear();
        m_noted->overflow = false;
        return true;
    }
    stop();
    // A connection new to this watch (or one whose triggers went with a table): the function is
    // set up, then the triggers that call it, never the other way round, so that no write of the
    // connection meets a trigger without its function.
    auto noted = std::make_shared<Noted>();
    auto *holder = new std::shared_ptr<Noted>(noted);
    // The engine calls dropHolder itself when it refuses the function.
    if (sqlite3_create_function_v2(db, function.constData(), 1, SQLITE_UTF8 | SQLITE_DIRECTONLY, holder, note, nullptr, nullptr,
                                   dropHolder)
        != SQLITE_OK)
        return false;
    // sql-identifiers: the watch's fixed name and columns, from the program's own code
    const QString call = QStringLiteral("SELECT %1(%2.ID); ").arg(QString::fromUtf8(function));
    const QStringList triggers = {
        // sql-identifiers: the watch's fixed name and the call above
        QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS %1_Insert AFTER INSERT ON main.Movies BEGIN %2END").arg(m_name, call.arg(QStringLiteral("new"))),
        QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS %1_Update AFTER UPDATE OF %2 ON main.Movies BEGIN %3%4END")
            .arg(m_name, m_columns, call.arg(QStringLiteral("old")), call.arg(QStringLiteral("new"))),
        QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS %1_Delete AFTER DELETE ON main.Movies BEGIN %2END").arg(m_name, call.arg(QStringLiteral("old"))),
    };
    for (const QString &sql : triggers)
        if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            return false;
    m_db = db;
    m_noted = std::move(noted);
    return true;
}

void MovieWatch::stop()
{
    m_db = nullptr;
    m_noted.reset();
}

bool MovieWatch::complete(sqlite3 *db) const
{
    return m_noted && db == m_db && !m_noted->overflow && triggersOn(db, m_name) == 3;
}

std::vector<int> MovieWatch::take()
{
    std::vector<int> ids;
    if (m_noted)
        ids.swap(m_noted->ids);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}
