#include "Migrations.h"

#include "Catalogue.h"
#include "CatalogueFile.h"
#include "CatalogueInternal.h"
#include "MovieTextIndex.h"
#include "Schema.h"
#include "TextKeys.h"

#include <QSqlError>
#include <QSqlRecord>
#include <QStringList>

using namespace catalogue_detail;

namespace {

QStringList columnNames(QSqlDatabase &db, const QString &table)
{
    QStringList out;
    const QSqlRecord r = db.record(table);
    for (int i = 0; i < r.count(); ++i)
        out << r.fieldName(i);
    return out;
}

QVariant scalarOn(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q = runOn(db, sql);
    return q.next() ? q.value(0) : QVariant();
}

void fillOrderBy(QSqlDatabase &db)
{
    QSqlQuery rows = runOn(db, QStringLiteral("SELECT ID, Title FROM Movies"));
    QSqlQuery setOrder(db), setBoth(db);
    if (!setOrder.prepare(QStringLiteral("UPDATE Movies SET OrderBy = ? WHERE ID = ?")))
        throw Catalogue::errorOf(setOrder.lastError());
    if (!setBoth.prepare(QStringLiteral("UPDATE Movies SET Title = ?, OrderBy = ? WHERE ID = ?")))
        throw Catalogue::errorOf(setBoth.lastError());
    while (rows.next()) {
        const QString title = rows.value(1).toString();
        const TitleOrder to = titleOrderFor(title);
        // Only a title the rule changes is written back, so a Null title stays Null.
        QSqlQuery &upd = to.title == title ? setOrder : setBoth;
        if (&upd == &setBoth)
            upd.addBindValue(to.title);
        upd.addBindValue(NullIfEmpty(to.orderBy));
        upd.addBindValue(rows.value(0));
        if (!upd.exec())
            throw Catalogue::errorOf(upd.lastError());
    }
}

// What the layout check would add; empty when the catalogue has everything.
struct LayoutGaps {
    std::vector<Schema::Column> missing;
    bool episodes = false;
    bool indexes = false;
    bool mark = false;
    bool any() const { return !missing.empty() || episodes || indexes || mark; }
};

LayoutGaps layoutGaps(QSqlDatabase &db)
{
    LayoutGaps gaps;
    for (const Schema::Column &c : Schema::addedOnOpen())
        if (!columnNames(db, QString::fromLatin1(c.table)).contains(QString::fromLatin1(c.name)))
            gaps.missing.push_back(c);
    gaps.episodes = !db.tables().contains(QStringLiteral("Episodes"));
    QStringList presentIndexes;
    QSqlQuery q = runOn(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'"));
    while (q.next())
        presentIndexes << q.value(0).toString();
    for (const Schema::Index &i : Schema::indexes())
        gaps.indexes = gaps.indexes || !presentIndexes.contains(QLatin1String(i.name));
    gaps.mark = scalarOn(db, QStringLiteral("PRAGMA application_id")).toInt() != Schema::ApplicationId
        || Migrations::versionOf(db) < Migrations::BaseVersion;
    return gaps;
}

// The layout every catalogue of this program has: the columns added after the first version, in
// the order they came, the Episodes table, the indexes the program's statements rely on, and the
// mark. Catalogues reach it from many earlier states, so it looks at what is there.
void completeLayout(Migrations::Context &ctx)
{
    QSqlDatabase &db = ctx.db;
    const LayoutGaps gaps = layoutGaps(db);
    // Indexes of catalogues before the text keys are in an order only older versions of the
    // program kept; they go before any row changes (the keys' step puts indexes on the keys).
    if (Migrations::versionOf(db) < Migrations::KeyVersion)
        for (const char *name : Schema::indexesBeforeKeys())
            runOn(db, QStringLiteral("DROP INDEX IF EXISTS %1").arg(QLatin1String(name)));
    auto status = [&ctx](const QString &text) {
        if (ctx.status)
            ctx.status(text);
    };
    for (const Schema::Column &c : gaps.missing) {
        const QString table = QString::fromLatin1(c.table);
        const QString column = QString::fromLatin1(c.name);
        status(QCoreApplication::translate("Migrations", "Adding %1 to the database...").arg(column));
        runOn(db, QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(table, Schema::columnDefinition(c)));
        switch (fillFor(c)) {
        case Fill::ZeroIfEmpty:
            // sql-identifiers: table and column names from the schema
            runOn(db, QStringLiteral("UPDATE %1 SET %2 = 0 WHERE %2 IS NULL OR %2 = ''").arg(table, column));
            break;
        case Fill::TitleRule:
            fillOrderBy(db);
            break;
        case Fill::Null:
            // The default is for new rows; the rows already there have no value.
            if (c.defaultValue)
                // sql-identifiers: table and column names from the schema
                runOn(db, QStringLiteral("UPDATE %1 SET %2 = NULL").arg(table, column));
            break;
        }
    }
    if (gaps.episodes) {
        status(QCoreApplication::translate("Migrations", "Adding the new Episodes Table to the database..."));
        CatalogueFile::CreateEpisodesTable(db);
    }
    for (const QString &s : Schema::indexStatements())
        runOn(db, s);
    if (gaps.mark)
        runOn(db, QStringLiteral("PRAGMA application_id = %1").arg(Schema::ApplicationId));
}

// The fields a save of the movie editor writes. A change of any of them, by this program or any
// other (a stock SQLite tool too), raises the movie's change counter, so that a save made from an
// older reading of the movie can tell it would write over someone else's change.
void addMovieChangeCounter(Migrations::Context &ctx)
{
    QSqlDatabase &db = ctx.db;
    if (!columnNames(db, QStringLiteral("Movies")).contains(QStringLiteral("ChangeCount")))
        runOn(db, QStringLiteral("ALTER TABLE Movies ADD COLUMN ChangeCount INTEGER NOT NULL DEFAULT 0"));
    // Only built-in functions, so that any tool can write the catalogue. The counter's own update
    // does not fire the trigger again (it is not among the watched columns, and the WHEN clause
    // skips an update that set the counter itself), also with recursive triggers switched on.
    runOn(db, QStringLiteral("DROP TRIGGER IF EXISTS Movies_ChangeCount"));
    runOn(db, QStringLiteral(
        "CREATE TRIGGER Movies_ChangeCount AFTER UPDATE OF Title, Director, Genre1, Genre2, Genre3, Medium, Format, "
        "Rating, ReleaseYear, RunningTime, NumDiscs, UserRating, URL, OrderBy, EpisodeDisc ON Movies FOR EACH ROW "
        "WHEN NEW.ChangeCount IS OLD.ChangeCount "
        "BEGIN UPDATE Movies SET ChangeCount = coalesce(OLD.ChangeCount, 0) + 1 WHERE ID = NEW.ID; END"));
}

// A movie's cast and its episodes each have a change counter in the movie's row, and each loan one
// of its own, raised by triggers on every change by any program, so that a change made from an
// older reading (a cast, an episode list or a loan shown before another program changed it) can be
// told apart. The counters' own updates fire no counting trigger (none watches them), also with
// recursive triggers on; built-in functions only.
void addListChangeCounters(Migrations::Context &ctx)
{
    QSqlDatabase &db = ctx.db;
    const QStringList movieColumns = columnNames(db, QStringLiteral("Movies"));
    for (const char *column : {"CastChangeCount", "EpisodeChangeCount"})
        if (!movieColumns.contains(QLatin1String(column)))
            // sql-identifiers: a fixed column name
            runOn(db, QStringLiteral("ALTER TABLE Movies ADD COLUMN %1 INTEGER NOT NULL DEFAULT 0").arg(QLatin1String(column)));
    if (!columnNames(db, QStringLiteral("LoanOut")).contains(QStringLiteral("ChangeCount")))
        runOn(db, QStringLiteral("ALTER TABLE LoanOut ADD COLUMN ChangeCount INTEGER NOT NULL DEFAULT 0"));

    struct Listed {
        const char *table, *movieColumn, *watched, *counter;
    };
    for (const Listed &l : {Listed{"MovActLink", "MovID", "MovID, ActID, PlayingAs", "CastChangeCount"},
                            Listed{"Episodes", "MovID", "MovID, Title, epsNum, discNum", "EpisodeChangeCount"}}) {
        const QString table = QLatin1String(l.table), movie = QLatin1String(l.movieColumn), counter = QLatin1String(l.counter);
        // sql-identifiers: a fixed counter column
        const QString raise = QStringLiteral("UPDATE Movies SET %1 = coalesce(%1, 0) + 1 WHERE ID = ").arg(counter);
        for (const char *kind : {"Insert", "Update", "Delete"})
            // sql-identifiers: fixed trigger names
            runOn(db, QStringLiteral("DROP TRIGGER IF EXISTS %1_Count%2").arg(table, QLatin1String(kind)));
        // sql-identifiers: fixed table, column and trigger names
        runOn(db, QStringLiteral("CREATE TRIGGER %1_CountInsert AFTER INSERT ON %1 FOR EACH ROW BEGIN %2NEW.%3; END")
                      .arg(table, raise, movie));
        // sql-identifiers: fixed table, column and trigger names
        runOn(db, QStringLiteral("CREATE TRIGGER %1_CountDelete AFTER DELETE ON %1 FOR EACH ROW BEGIN %2OLD.%3; END")
                      .arg(table, raise, movie));
        // A row moved to another movie changes both movies' lists.
        // sql-identifiers: fixed table, column and trigger names
        runOn(db, QStringLiteral("CREATE TRIGGER %1_CountUpdate AFTER UPDATE OF %4 ON %1 FOR EACH ROW BEGIN %2OLD.%3; "
                                 "%2NEW.%3 AND NEW.%3 IS NOT OLD.%3; END")
                      .arg(table, raise, movie, QLatin1String(l.watched)));
    }
    // The loan's own fields; the copy of the movie's title a movie save keeps up to date is not
    // the loan's change.
    runOn(db, QStringLiteral("DROP TRIGGER IF EXISTS LoanOut_ChangeCount"));
    runOn(db, QStringLiteral("CREATE TRIGGER LoanOut_ChangeCount AFTER UPDATE OF MovieID, LoanedTo, DateOut, DateIn ON LoanOut "
                             "FOR EACH ROW WHEN NEW.ChangeCount IS OLD.ChangeCount "
                             "BEGIN UPDATE LoanOut SET ChangeCount = coalesce(OLD.ChangeCount, 0) + 1 WHERE ID = NEW.ID; END"));
}

// The ID of the movie at The Movie Database, kept once a movie was filled from there, so that a
// later fill goes straight to it and a batch skips it. Null for every movie not filled.
void addTmdbId(Migrations::Context &ctx)
{
    QSqlDatabase &db = ctx.db;
    if (!columnNames(db, QStringLiteral("Movies")).contains(QStringLiteral("TmdbID")))
        runOn(db, QStringLiteral("ALTER TABLE Movies ADD COLUMN TmdbID INTEGER"));
}

} // namespace

namespace Migrations {

int versionOf(QSqlDatabase &db)
{
    return scalarOn(db, QStringLiteral("PRAGMA user_version")).toInt();
}

const std::vector<Step> &ladder()
{
    static const std::vector<Step> steps = {
        {BaseVersion, "the layout check", completeLayout},
        {KeyVersion, "the text keys", [](Context &ctx) { TextKeys::addTo(ctx.db, ctx.status); }},
        {4, "the movies' change counter", addMovieChangeCounter},
        {5, "the change counters of casts, episodes and loans", addListChangeCounters},
        {6, "the quick filter's index", [](Context &ctx) { MovieTextIndex::create(ctx.db, ctx.status); }},
        {7, "the movies' TMDb ID", addTmdbId},
    };
    return steps;
}

int latestVersion(const std::vector<Step> &steps)
{
    int v = 0;
    for (const Step &s : steps)
        v = std::max(v, s.version);
    return v;
}

void bringUpToDate(QSqlDatabase &db, const std::function<void(const QString &)> &status, const std::vector<Step> &steps)
{
    Context ctx{db, status};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step &step = steps[i];
        const int version = versionOf(db);
        // The layout check looks first: a catalogue that has everything is not written to. It looks
        // at every catalogue, also one past its version that another program has taken a column
        // from.
        const bool layoutCheck = i == 0 && step.version == BaseVersion;
        if (layoutCheck ? !layoutGaps(db).any() : version >= step.version)
            continue;
        runOn(db, QStringLiteral("BEGIN IMMEDIATE"));
        try {
            step.run(ctx);
            if (versionOf(db) < step.version)
                runOn(db, QStringLiteral("PRAGMA user_version = %1").arg(step.version));
            runOn(db, QStringLiteral("COMMIT"));
        } catch (...) {
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            throw;
        }
    }
    TextKeys::prepareConnection(db);
}

} // namespace Migrations
