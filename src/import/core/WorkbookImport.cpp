#include "WorkbookImport.h"

#include "MovieTextIndex.h"

#include "Catalogue.h"
#include "CatalogueFile.h"
#include "CinelogError.h"
#include "Migrations.h"
#include "Schema.h"
#include "SqliteFunctions.h"
#include "Services.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>

namespace ImportField {
QString label(int field)
{
    static const char *const labels[Count] = {"Movie Title:", "Director:", "Actor 1:", "Actor 2:", "Actor 3:",
                                              "Actor 4:", "Genre 1:", "Genre 2:", "Genre 3:", "Medium (DVD or Video):",
                                              "Format (Wide/Full Screen):", "Rating:", "Release Year:",
                                              "Running Time (in minutes):", "Num of Discs/Tapes:"};
    static const char *const others[AllCount - Count] = {"Sort Key:", "User Rating:", "URL:", "Episode Disc:", "Cast:",
                                                         "Episodes:"};
    if (field >= 0 && field < Count)
        return QString::fromLatin1(labels[field]);
    return field >= Count && field < AllCount ? QString::fromLatin1(others[field - Count]) : QString();
}
}

namespace ImportLists {
QStringList split(const QString &cell)
{
    QStringList items;
    QString item;
    const qsizetype n = cell.size();
    auto finish = [&] {
        const QString t = item.trimmed();
        if (!t.isEmpty())
            items << t;
        item.clear();
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = cell[i];
        if (c != u';') {
            item += c;
        } else if (i + 1 < n && cell[i + 1] == u';') {
            item += c; // a doubled semicolon is one semicolon of the item
            ++i;
        } else {
            finish();
        }
    }
    finish();
    return items;
}

QString join(const QStringList &items)
{
    QStringList escaped;
    escaped.reserve(items.size());
    for (const QString &i : items) {
        QString e = i;
        escaped << e.replace(QStringLiteral(";"), QStringLiteral(";;"));
    }
    return escaped.join(QStringLiteral("; "));
}

CastMember castMember(const QString &item)
{
    static const QString as = QStringLiteral(" as ");
    const qsizetype at = item.indexOf(as);
    if (at < 0)
        return {item.trimmed(), QString()};
    return {item.left(at).trimmed(), item.mid(at + as.size()).trimmed()};
}

QString castItem(const CastMember &member)
{
    return member.role.isEmpty() ? member.name : member.name + QStringLiteral(" as ") + member.role;
}

std::optional<Episode> episode(const QString &item)
{
    const qsizetype first = item.indexOf(u'/');
    const qsizetype second = first < 0 ? -1 : item.indexOf(u'/', first + 1);
    if (second < 0)
        return std::nullopt;
    return Episode{item.left(first).trimmed(), item.mid(first + 1, second - first - 1).trimmed(),
                   item.mid(second + 1).trimmed()};
}

QString episodeItem(const Episode &e)
{
    return e.disc + u'/' + e.number + u'/' + e.title;
}
}

namespace {

using Schema::TextLimit;

const char *const MovieColumns[ImportField::AllCount] = {"Title", "Director", nullptr, nullptr, nullptr, nullptr,
                                                          "Genre1", "Genre2", "Genre3", "Medium", "Format",
                                                          "Rating", "ReleaseYear", "RunningTime", "NumDiscs",
                                                          "OrderBy", "UserRating", "URL", "EpisodeDisc", nullptr, nullptr};

bool isListField(int f)
{
    return f == ImportField::Cast || f == ImportField::Episodes;
}

QString canonical(const QString &path)
{
    const QFileInfo fi(path);
    const QString c = fi.canonicalFilePath();
    return c.isEmpty() ? fi.absoluteFilePath() : c;
}

// Where a value came from, for the message when it cannot be stored.
struct CellPlace {
    int row;
    int field;
    int column;
    QString describe() const
    {
        QString label = ImportField::label(field);
        label.chop(1); // the colon
        return QStringLiteral("Row %1, column %2 (%3)").arg(row).arg(columnLetters(column), label);
    }
};

[[noreturn]] void failAt(const CellPlace &at, const QString &what, qint64 number = ErrorNumber::Database)
{
    throw CinelogError(number, at.describe() + QStringLiteral(": ") + what);
}

QSqlQuery prepared(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw Catalogue::errorOf(q.lastError());
    return q;
}

class Importer
{
public:
    Importer(QSqlDatabase &db, const SheetData &sheet, const FieldLinks &links, ProgressSink &progress)
        : m_db(db), m_sheet(sheet), m_links(links), m_progress(progress)
    {
        const QSqlRecord movies = db.record(QStringLiteral("Movies"));
        if (movies.isEmpty())
            throw CinelogError(ErrorNumber::Database, QStringLiteral("The target file has no Movies table: it is not a catalogue."));
        m_hasOrderBy = movies.contains(QStringLiteral("OrderBy"));
        m_hasPlayingAs = db.record(QStringLiteral("MovActLink")).contains(QStringLiteral("PlayingAs"));

        QStringList cols, marks;
        for (int f = 0; f < ImportField::AllCount; ++f)
            if (MovieColumns[f] && m_links[f] > 0 && movies.contains(QString::fromLatin1(MovieColumns[f]))) {
                cols << QString::fromLatin1(MovieColumns[f]);
                m_movieFields << f;
            }
        // A linked sort key is stored as it is; otherwise the title gives it.
        m_sortKeyLinked = m_links[ImportField::SortKey] > 0;
        m_deriveOrderBy = m_hasOrderBy && m_links[ImportField::Title] > 0 && !m_sortKeyLinked;
        if (m_deriveOrderBy)
            cols << QStringLiteral("OrderBy");
        for (qsizetype i = 0; i < cols.size(); ++i)
            marks << QStringLiteral("?");
        // sql-identifiers: linked column names and their placeholders
        m_insertMovie = cols.isEmpty() ? prepared(db, QStringLiteral("INSERT INTO Movies DEFAULT VALUES"))
                                       : prepared(db, QStringLiteral("INSERT INTO Movies (%1) VALUES (%2)")
                                                          .arg(cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
        // Names are looked up by their keys (the case-folded form), bound folded.
        m_findDirector = prepared(db, QStringLiteral("SELECT 1 FROM Directors WHERE DirectorKey = ? LIMIT 1"));
        m_addDirector = prepared(db, QStringLiteral("INSERT INTO Directors (Director) VALUES (?)"));
        m_findGenre = prepared(db, QStringLiteral("SELECT 1 FROM Genres WHERE GenreKey = ? LIMIT 1"));
        m_addGenre = prepared(db, QStringLiteral("INSERT INTO Genres (Genre) VALUES (?)"));
        m_findActor = prepared(db, QStringLiteral("SELECT ID FROM Actors WHERE ActorKey = ? ORDER BY ID LIMIT 1"));
        m_addActor = prepared(db, QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"));
        if (m_links[ImportField::Episodes] > 0)
            m_addEpisode = prepared(db, QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, ?, ?, ?)"));
        m_link = prepared(db, m_hasPlayingAs ? QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)")
                                             : QStringLiteral("INSERT INTO MovActLink (MovID, ActID) VALUES (?, ?)"));
    }

    ImportSummary run()
    {
        const int lastRow = m_sheet.GetLastRow();
        for (int row = 2; row <= lastRow; ++row) {
            m_progress.UpdateProgress(row);
            importRow(row);
            m_progress.letEventsRun();
        }
        return m_summary;
    }

private:
    QString cellFor(int row, int field) const
    {
        return m_links[field] > 0 ? m_sheet.cell(row, m_links[field]) : QString();
    }

    void importRow(int row)
    {
        // Check every linked value before writing any of the row, so the message names the cell.
        for (int f = 0; f < ImportField::AllCount; ++f) {
            if (isListField(f) || f == ImportField::Url)
                continue; // a list's items are checked one by one below; an address is long text
            checkLength(cellFor(row, f), {row, f, m_links[f]});
        }
        QList<ImportLists::CastMember> castWithRoles;
        for (const QString &item : ImportLists::split(cellFor(row, ImportField::Cast))) {
            const ImportLists::CastMember m = ImportLists::castMember(item);
            const CellPlace at{row, ImportField::Cast, m_links[ImportField::Cast]};
            checkLength(m.name, at);
            checkLength(m.role, at);
            if (!m.name.isEmpty())
                castWithRoles << m;
        }
        QList<ImportLists::Episode> episodes;
        for (const QString &item : ImportLists::split(cellFor(row, ImportField::Episodes))) {
            const CellPlace at{row, ImportField::Episodes, m_links[ImportField::Episodes]};
            const std::optional<ImportLists::Episode> e = ImportLists::episode(item);
            if (!e)
                failAt(at, QStringLiteral("\"%1\" is not disc/number/title.").arg(item), ErrorNumber::TypeMismatch);
            checkLength(e->title, at);
            for (const QString &n : {e->disc, e->number}) {
                bool ok = true;
                if (!n.isEmpty())
                    n.toInt(&ok);
                if (!ok)
                    failAt(at, QStringLiteral("\"%1\" is not a whole number.").arg(n), ErrorNumber::TypeMismatch);
            }
            episodes << *e;
        }

        QString title = cellFor(row, ImportField::Title);
        for (int f : m_movieFields) {
            QString v = cellFor(row, f);
            if (f == ImportField::Title && !m_sortKeyLinked)
                v = titleOrderFor(v).title;
            if (f == ImportField::UserRating || f == ImportField::EpisodeDisc) {
                m_insertMovie.addBindValue(numberFor(v, f, {row, f, m_links[f]}));
                continue;
            }
            m_insertMovie.addBindValue(NullIfEmpty(v));
        }
        if (m_deriveOrderBy)
            m_insertMovie.addBindValue(NullIfEmpty(titleOrderFor(title).orderBy));
        if (!m_insertMovie.exec())
            throw CinelogError(Catalogue::errorOf(m_insertMovie.lastError()).number(),
                               QStringLiteral("Row %1: %2").arg(row).arg(Catalogue::errorOf(m_insertMovie.lastError()).description()));
        const QVariant movieId = m_insertMovie.lastInsertId();

        const QString director = cellFor(row, ImportField::Director);
        if (!director.isEmpty())
            m_summary.directorsAdded += addName(m_findDirector, m_addDirector, m_knownDirectors, director, {row, ImportField::Director, m_links[ImportField::Director]});
        for (int f = ImportField::Genre1; f <= ImportField::Genre3; ++f) {
            const QString genre = cellFor(row, f);
            if (!genre.isEmpty())
                m_summary.genresAdded += addName(m_findGenre, m_addGenre, m_knownGenres, genre, {row, f, m_links[f]});
        }
        QSet<QPair<int, QString>> castWithRole;
        for (const ImportLists::CastMember &m : castWithRoles) {
            const CellPlace at{row, ImportField::Cast, m_links[ImportField::Cast]};
            const int actorId = actorIdFor(m.name, at);
            if (castWithRole.contains({actorId, m.role}))
                continue;
            castWithRole.insert({actorId, m.role});
            m_link.addBindValue(movieId);
            m_link.addBindValue(actorId);
            if (m_hasPlayingAs)
                m_link.addBindValue(NullIfEmpty(m.role));
            if (!m_link.exec())
                failAt(at, Catalogue::errorOf(m_link.lastError()).description());
        }
        for (const ImportLists::Episode &e : episodes) {
            const CellPlace at{row, ImportField::Episodes, m_links[ImportField::Episodes]};
            m_addEpisode.addBindValue(movieId);
            m_addEpisode.addBindValue(NullIfEmpty(e.title));
            m_addEpisode.addBindValue(e.number.isEmpty() ? QVariant(QMetaType::fromType<int>()) : QVariant(e.number.toInt()));
            m_addEpisode.addBindValue(e.disc.isEmpty() ? QVariant(QMetaType::fromType<int>()) : QVariant(e.disc.toInt()));
            if (!m_addEpisode.exec())
                failAt(at, Catalogue::errorOf(m_addEpisode.lastError()).description());
        }
        QSet<int> cast;
        for (const auto &[actorId, role] : castWithRole)
            cast.insert(actorId);
        for (int f = ImportField::Actor1; f <= ImportField::Actor4; ++f) {
            const QString actor = cellFor(row, f);
            if (actor.isEmpty())
                continue;
            const CellPlace at{row, f, m_links[f]};
            const int actorId = actorIdFor(actor, at);
            if (cast.contains(actorId))
                continue; // the same actor twice in a row is one cast member
            cast.insert(actorId);
            m_link.addBindValue(movieId);
            m_link.addBindValue(actorId);
            if (m_hasPlayingAs)
                m_link.addBindValue(QVariant(QMetaType::fromType<QString>()));
            if (!m_link.exec())
                failAt(at, Catalogue::errorOf(m_link.lastError()).description());
        }
        ++m_summary.movies;
    }

    static void checkLength(const QString &v, const CellPlace &at)
    {
        // The catalogue counts characters, not UTF-16 units.
        const qsizetype length = v.size() > TextLimit ? v.toUcs4().size() : v.size();
        if (length > TextLimit)
            failAt(at, QStringLiteral("the text has %1 characters; the catalogue holds at most %2.").arg(length).arg(TextLimit),
                   ErrorNumber::Overflow);
    }

    // A user rating (0..7) or an episode-disc flag (Yes/No, True/False, 1/0) as its stored number.
    static QVariant numberFor(const QString &text, int field, const CellPlace &at)
    {
        const QString v = text.trimmed().toLower();
        if (field == ImportField::EpisodeDisc) {
            if (v.isEmpty() || v == u"no" || v == u"false" || v == u"0")
                return 0;
            if (v == u"yes" || v == u"true" || v == u"1")
                return 1;
            failAt(at, QStringLiteral("\"%1\" is neither Yes nor No.").arg(text), ErrorNumber::TypeMismatch);
        }
        if (v.isEmpty())
            return 0;
        bool ok = false;
        const int n = v.toInt(&ok);
        if (!ok || n < 0 || n > 7)
            failAt(at, QStringLiteral("\"%1\" is not a rating from 0 to 7.").arg(text), ErrorNumber::TypeMismatch);
        return n;
    }

    // Adds a name to a pick list unless the list has it; returns 1 when added.
    int addName(QSqlQuery &find, QSqlQuery &add, QSet<QString> &known, const QString &name, const CellPlace &at)
    {
        // Names met before in this import are known to be in the list (the same spelling always
        // finds the same row), which spares a look-up for every repeated name.
        if (known.contains(name))
            return 0;
        known.insert(name);
        find.addBindValue(foldedText(name));
        if (!find.exec())
            failAt(at, Catalogue::errorOf(find.lastError()).description());
        const bool found = find.next();
        find.finish();
        if (found)
            return 0;
        add.addBindValue(name);
        if (!add.exec())
            failAt(at, Catalogue::errorOf(add.lastError()).description());
        return 1;
    }

    int actorIdFor(const QString &name, const CellPlace &at)
    {
        if (const auto it = m_actorIds.constFind(name); it != m_actorIds.cend())
            return *it;
        const int id = lookUpOrAddActor(name, at);
        m_actorIds.insert(name, id);
        return id;
    }

    int lookUpOrAddActor(const QString &name, const CellPlace &at)
    {
        m_findActor.addBindValue(foldedText(name));
        if (!m_findActor.exec())
            failAt(at, Catalogue::errorOf(m_findActor.lastError()).description());
        if (m_findActor.next()) {
            const int id = m_findActor.value(0).toInt();
            m_findActor.finish();
            return id;
        }
        m_findActor.finish();
        m_addActor.addBindValue(name);
        if (!m_addActor.exec())
            failAt(at, Catalogue::errorOf(m_addActor.lastError()).description());
        ++m_summary.actorsAdded;
        return m_addActor.lastInsertId().toInt();
    }

    QSqlDatabase &m_db;
    const SheetData &m_sheet;
    const FieldLinks &m_links;
    ProgressSink &m_progress;
    bool m_hasOrderBy = false, m_hasPlayingAs = false, m_sortKeyLinked = false, m_deriveOrderBy = false;
    QList<int> m_movieFields;
    QSqlQuery m_insertMovie, m_findDirector, m_addDirector, m_findGenre, m_addGenre, m_findActor, m_addActor, m_link, m_addEpisode;
    ImportSummary m_summary;
    QSet<QString> m_knownDirectors, m_knownGenres;
    QHash<QString, int> m_actorIds;
};

std::atomic<int> g_importConnections{0};

} // namespace

bool WorkbookImport::isOpenCatalogue(Catalogue &openCatalogue, const QString &targetPath)
{
    return openCatalogue.isOpen() && !openCatalogue.path().isEmpty() && canonical(openCatalogue.path()) == canonical(targetPath);
}

ImportSummary WorkbookImport::run(const SheetData &sheet, const FieldLinks &links, Catalogue &openCatalogue,
                                  const QString &targetPath, ProgressSink &progress)
{
    const int lastRow = sheet.GetLastRow();
    progress.ShowProgress(QStringLiteral("Importing Excel Data..."), 0, lastRow);
    ImportSummary summary;
    try {
        if (isOpenCatalogue(openCatalogue, targetPath)) {
            openCatalogue.transaction([&] {
                MovieTextIndex::BulkInsert bulk(openCatalogue.MovieConn());
                Importer importer(openCatalogue.MovieConn(), sheet, links, progress);
                summary = importer.run();
                bulk.finish();
            });
        } else {
            const QString name = QStringLiteral("cinelog-import-%1").arg(++g_importConnections);
            try {
                QSqlDatabase db = CatalogueFile::openConnection(targetPath, name);
                CatalogueFile::verifyCatalogueFile(db);
                // The file gets the layout the import writes to (the name keys among it) and this
                // connection the triggers that key what it adds, as opening the catalogue would.
                Migrations::bringUpToDate(db);
                QSqlQuery begin(db);
                if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
                    throw Catalogue::errorOf(begin.lastError());
                try {
                    {
                        MovieTextIndex::BulkInsert bulk(db);
                        Importer importer(db, sheet, links, progress);
                        summary = importer.run();
                        bulk.finish();
                    }
                    QSqlQuery commit(db);
                    if (!commit.exec(QStringLiteral("COMMIT")))
                        throw Catalogue::errorOf(commit.lastError());
                } catch (...) {
                    QSqlQuery rollback(db);
                    rollback.exec(QStringLiteral("ROLLBACK"));
                    throw;
                }
                db.close();
            } catch (...) {
                if (QSqlDatabase::contains(name))
                    QSqlDatabase::removeDatabase(name);
                throw;
            }
            QSqlDatabase::removeDatabase(name);
        }
    } catch (...) {
        progress.UpdateProgress(lastRow);
        throw;
    }
    progress.UpdateProgress(lastRow);
    return summary;
}
