#include "WorkbookImport.h"

#include "MovieTextIndex.h"

#include "Catalogue.h"
#include "CatalogueFile.h"
#include "CinelogError.h"
#include "Migrations.h"
#include "Schema.h"
#include "SqliteFunctions.h"
#include "Services.h"
#include "PersonName.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <atomic>

namespace ImportField {
static const char *labelSource(int field)
{
    // The English labels also name the fields when a worksheet's headings are matched to them.
    static const char *const labels[Count] = {
        QT_TRANSLATE_NOOP("ImportField", "Movie Title:"),
        QT_TRANSLATE_NOOP("ImportField", "Director:"),
        QT_TRANSLATE_NOOP("ImportField", "Actor 1:"),
        QT_TRANSLATE_NOOP("ImportField", "Actor 2:"),
        QT_TRANSLATE_NOOP("ImportField", "Actor 3:"),
        QT_TRANSLATE_NOOP("ImportField", "Actor 4:"),
        QT_TRANSLATE_NOOP("ImportField", "Genre 1:"),
        QT_TRANSLATE_NOOP("ImportField", "Genre 2:"),
        QT_TRANSLATE_NOOP("ImportField", "Genre 3:"),
        QT_TRANSLATE_NOOP("ImportField", "Medium (DVD or Video):"),
        QT_TRANSLATE_NOOP("ImportField", "Format (Wide/Full Screen):"),
        QT_TRANSLATE_NOOP("ImportField", "Rating:"),
        QT_TRANSLATE_NOOP("ImportField", "Release Year:"),
        QT_TRANSLATE_NOOP("ImportField", "Running Time (in minutes):"),
        QT_TRANSLATE_NOOP("ImportField", "Num of Discs/Tapes:")};
    static const char *const others[AllCount - Count] = {
        QT_TRANSLATE_NOOP("ImportField", "Sort Key:"),     QT_TRANSLATE_NOOP("ImportField", "User Rating:"),
        QT_TRANSLATE_NOOP("ImportField", "URL:"),          QT_TRANSLATE_NOOP("ImportField", "Episode Disc:"),
        QT_TRANSLATE_NOOP("ImportField", "Cast:"),         QT_TRANSLATE_NOOP("ImportField", "Episodes:")};
    if (field >= 0 && field < Count)
        return labels[field];
    return field >= Count && field < AllCount ? others[field - Count] : "";
}

QString label(int field)
{
    return QString::fromLatin1(labelSource(field));
}

QString caption(int field)
{
    const char *source = labelSource(field);
    return *source ? QCoreApplication::translate("ImportField", source) : QString();
}

QString name(int field)
{
    QString text = caption(field).trimmed();
    if (text.endsWith(u':'))
        text.chop(1);
    return text.trimmed();
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
    LoggedText describe() const
    {
        QString label = ImportField::label(field);
        label.chop(1); // the colon
        const QString caption = ImportField::name(field);
        const LoggedText place = logged("WorkbookImport", "Row %1, column %2 (%3)");
        return {place.english.arg(row).arg(columnLetters(column), label),
                place.shown.arg(row).arg(columnLetters(column), caption)};
    }
};

[[noreturn]] void failAt(const CellPlace &at, const QString &what, qint64 number = ErrorNumber::Database)
{
    throw CinelogError(number, logged("WorkbookImport", "%1: %2").arg(at.describe()).arg(what));
}

QSqlQuery prepared(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw Catalogue::errorOf(q.lastError());
    return q;
}

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(WorkbookImport)
};

QString movieKey(const QString &title, const QString &year)
{
    return foldedText(title.trimmed()) + QChar(0x1F) + year.trimmed();
}

// The year of a release date ("2010-07-16", "2010-07-16T00:00:00", "16/07/2010", "16.07.2010",
// "July 16, 2010", "16 July 2010"). Anything else, a year range of a box set ("1999-2003") among
// them, is kept as written.
QString yearOf(const QString &text)
{
    static const QRegularExpression dates[] = {
        QRegularExpression(QStringLiteral("^(\\d{4})-\\d{1,2}-\\d{1,2}(?:[T ][0-9:.]+Z?)?$")),
        QRegularExpression(QStringLiteral("^\\d{1,2}[./-]\\d{1,2}[./-](\\d{4})$")),
        QRegularExpression(QStringLiteral("^\\p{L}+\\.? \\d{1,2},? (\\d{4})$")),
        QRegularExpression(QStringLiteral("^\\d{1,2}\\.? \\p{L}+\\.? (\\d{4})$")),
    };
    const QString t = text.trimmed();
    for (const QRegularExpression &d : dates)
        if (const QRegularExpressionMatch m = d.match(t); m.hasMatch())
            return m.captured(1);
    return text;
}

// A single genre column names a movie's genres in one cell, separated by commas (genre names
// written that way hold none); they fill Genre 1-3 in order. Where the sheet has a column per genre,
// each cell is one genre, commas and all, as the export writes them.
void spreadGenres(std::array<QString, ImportField::AllCount> &values, const FieldLinks &links)
{
    const int first = ImportField::Genre1, last = ImportField::Genre3;
    int linked = -1, columns = 0;
    for (int f = first; f <= last; ++f)
        if (links[f] > 0) {
            linked = f;
            ++columns;
        }
    if (columns != 1 || !values[linked].contains(u','))
        return;
    QStringList items;
    for (const QString &g : values[linked].split(u','))
        if (!g.trimmed().isEmpty())
            items << g.trimmed();
    for (int f = first; f <= last; ++f)
        values[f] = items.value(f - first);
}

// The length a text column holds, in characters (the catalogue counts characters, not UTF-16 units).
bool fits(const QString &v)
{
    return v.size() <= TextLimit || v.toUcs4().size() <= TextLimit;
}

QString tooLong(const QString &v)
{
    return Tr::tr("the text has %1 characters; the catalogue holds at most %2.").arg(v.toUcs4().size()).arg(TextLimit);
}

// A user rating (0..7) or an episode-disc flag (Yes/No, True/False, 1/0) as its stored number, or
// nothing when it is neither.
std::optional<int> numberFor(const QString &text, int field)
{
    const QString v = text.trimmed().toLower();
    if (field == ImportField::EpisodeDisc) {
        if (v.isEmpty() || v == u"no" || v == u"false" || v == u"0")
            return 0;
        if (v == u"yes" || v == u"true" || v == u"1")
            return 1;
        return std::nullopt;
    }
    if (v.isEmpty())
        return 0;
    bool ok = false;
    const int n = v.toInt(&ok);
    if (!ok || n < 0 || n > 7)
        return std::nullopt;
    return n;
}

// The title as the import stores it: after the title rule, unless a sort key is linked.
QString storedTitle(const SheetData &sheet, int row, const FieldLinks &links)
{
    const QString title = links[ImportField::Title] > 0 ? sheet.cell(row, links[ImportField::Title]) : QString();
    return links[ImportField::SortKey] > 0 ? title : titleOrderFor(title).title;
}

PreparedRow prepareRow(const SheetData &sheet, int row, const FieldLinks &links, const ImportOptions &options,
                       const MovieKeys &existing)
{
    PreparedRow r;
    r.row = row;
    auto cellFor = [&](int f) { return links[f] > 0 ? sheet.cell(row, links[f]) : QString(); };
    auto refuse = [&](int f, const QString &why) {
        if (!r.refusal.isEmpty())
            return;
        const QString label = ImportField::name(f);
        r.refusal = links[f] > 0 ? Tr::tr("Column %1 (%2): %3").arg(columnLetters(links[f]), label, why)
                                 : Tr::tr("%1: %2").arg(label, why);
    };
    auto person = [&](const QString &name) { return options.namesFirstLast ? PersonName::toLastFirst(name) : name; };

    const QString title = cellFor(ImportField::Title);
    r.values[ImportField::Title] = storedTitle(sheet, row, links); // a given sort key keeps the title as written
    r.values[ImportField::SortKey] = links[ImportField::SortKey] > 0 ? cellFor(ImportField::SortKey) : titleOrderFor(title).orderBy;
    if (title.trimmed().isEmpty())
        r.refusal = Tr::tr("The title is empty.");

    QString director = cellFor(ImportField::Director);
    if (options.namesFirstLast)
        director = person(director.section(u',', 0, 0).trimmed());
    r.values[ImportField::Director] = director;
    for (int f = ImportField::Genre1; f <= ImportField::Genre3; ++f)
        r.values[f] = cellFor(f);
    spreadGenres(r.values, links);
    for (int f : {int(ImportField::Medium), int(ImportField::Format), int(ImportField::Rating), int(ImportField::RunningTime),
                  int(ImportField::NumDiscs), int(ImportField::Url)})
        r.values[f] = cellFor(f);
    r.values[ImportField::ReleaseYear] = yearOf(cellFor(ImportField::ReleaseYear));
    for (int f : {int(ImportField::UserRating), int(ImportField::EpisodeDisc)}) {
        if (links[f] == 0)
            continue;
        const QString v = cellFor(f);
        if (const std::optional<int> n = numberFor(v, f))
            r.values[f] = QString::number(*n);
        else if (f == ImportField::EpisodeDisc)
            refuse(f, Tr::tr("\"%1\" is neither Yes nor No.").arg(v));
        else
            refuse(f, Tr::tr("\"%1\" is not a rating from 0 to 7.").arg(v));
    }
    // An address is long text; every other field holds at most TextLimit characters.
    for (int f = 0; f < ImportField::AllCount; ++f)
        if (f != ImportField::Url && !fits(r.values[f]))
            refuse(f == ImportField::SortKey && links[f] == 0 ? int(ImportField::Title) : f, tooLong(r.values[f]));

    // The people: the actor boxes' people first (a cell may name several, separated by
    // semicolons, since names are written "Last, First"), then the cast with its roles.
    // Names are compared as the catalogue compares them (ignoring letter case).
    QHash<QString, qsizetype> firstOf;     // folded name -> its first place in the cast
    QSet<QPair<QString, QString>> entries; // folded name and role
    auto add = [&](const ImportLists::CastMember &m, const QString &key) {
        if (!firstOf.contains(key))
            firstOf.insert(key, r.cast.size());
        entries.insert({key, m.role});
        r.cast << m;
    };
    for (int f = ImportField::Actor1; f <= ImportField::Actor4; ++f)
        for (const QString &item : ImportLists::split(cellFor(f))) {
            const QString name = person(item);
            const QString key = foldedText(name);
            if (!fits(name))
                refuse(f, tooLong(name));
            else if (!firstOf.contains(key))
                add({name, QString()}, key);
        }
    r.actorCount = int(std::min<qsizetype>(r.cast.size(), ImportField::Actor4 - ImportField::Actor1 + 1));
    for (const QString &item : ImportLists::split(cellFor(ImportField::Cast))) {
        ImportLists::CastMember m = ImportLists::castMember(item);
        m.name = person(m.name);
        if (!fits(m.name) || !fits(m.role)) {
            refuse(ImportField::Cast, tooLong(fits(m.name) ? m.role : m.name));
            continue;
        }
        if (m.name.isEmpty())
            continue;
        const QString key = foldedText(m.name);
        const auto at = firstOf.constFind(key);
        if (at != firstOf.cend() && r.cast[*at].role.isEmpty()) {
            // Named among the actors and, with a role, in the cast: one cast member with that role.
            entries.remove({key, QString()});
            entries.insert({key, m.role});
            r.cast[*at].role = m.role;
            continue;
        }
        if (!entries.contains({key, m.role}))
            add(m, key);
    }

    for (const QString &item : ImportLists::split(cellFor(ImportField::Episodes))) {
        const std::optional<ImportLists::Episode> e = ImportLists::episode(item);
        if (!e) {
            refuse(ImportField::Episodes, Tr::tr("\"%1\" is not disc/number/title.").arg(item));
            continue;
        }
        if (!fits(e->title))
            refuse(ImportField::Episodes, tooLong(e->title));
        for (const QString &n : {e->disc, e->number}) {
            bool ok = true;
            if (!n.isEmpty())
                n.toInt(&ok);
            if (!ok)
                refuse(ImportField::Episodes, Tr::tr("\"%1\" is not a whole number.").arg(n));
        }
        r.episodes << *e;
    }

    r.duplicate = existing.contains(movieKey(r.values[ImportField::Title], r.values[ImportField::ReleaseYear]));
    return r;
}

// The movies of the catalogue behind db that bear one of the titles. Looked up through the title's
// key where the catalogue has it, so a large catalogue costs what the sheet names, not what it holds.
MovieKeys moviesOf(QSqlDatabase &db, const QStringList &titles)
{
    MovieKeys keys;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (db.record(QStringLiteral("Movies")).contains(QStringLiteral("TitleKey"))) {
        QSet<QString> folded;
        for (const QString &t : titles)
            folded << foldedText(t) << foldedText(t.trimmed());
        QJsonArray list;
        for (const QString &f : std::as_const(folded))
            list.append(f);
        if (!q.prepare(QStringLiteral("SELECT Title, ReleaseYear FROM Movies WHERE TitleKey IN (SELECT value FROM json_each(?))")))
            throw Catalogue::errorOf(q.lastError());
        q.addBindValue(QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact)));
        if (!q.exec())
            throw Catalogue::errorOf(q.lastError());
    } else if (!q.exec(QStringLiteral("SELECT Title, ReleaseYear FROM Movies"))) {
        throw Catalogue::errorOf(q.lastError());
    }
    while (q.next())
        keys.insert(movieKey(q.value(0).toString(), q.value(1).toString()));
    return keys;
}

QStringList sheetTitles(const SheetData &sheet, const FieldLinks &links)
{
    QStringList titles;
    for (int row = 2; row <= sheet.GetLastRow(); ++row)
        titles << storedTitle(sheet, row, links);
    return titles;
}

class Importer
{
public:
    Importer(QSqlDatabase &db, const SheetData &sheet, const FieldLinks &links, const ImportOptions &options,
             ProgressSink &progress)
        : m_db(db), m_sheet(sheet), m_links(links), m_options(options), m_progress(progress)
    {
        const QSqlRecord movies = db.record(QStringLiteral("Movies"));
        if (movies.isEmpty())
            throw CinelogError(ErrorNumber::Database, logged("WorkbookImport", "The target file has no Movies table: it is not a catalogue."));
        m_hasPlayingAs = db.record(QStringLiteral("MovActLink")).contains(QStringLiteral("PlayingAs"));
        // The movies as they were before this import: rows of the sheet are never duplicates of
        // each other, since a catalogue may hold two movies of one title.
        m_existing = moviesOf(db, sheetTitles(sheet, links));

        const bool genreLinked = std::any_of(&links[ImportField::Genre1], &links[ImportField::Genre3] + 1, [](int c) { return c > 0; });
        QStringList cols, marks;
        for (int f = 0; f < ImportField::AllCount; ++f) {
            bool stored = links[f] > 0;
            if (f >= ImportField::Genre1 && f <= ImportField::Genre3)
                stored = genreLinked; // a cell of several genres fills the others
            if (f == ImportField::SortKey)
                stored = links[ImportField::SortKey] > 0 || links[ImportField::Title] > 0; // else the title gives it
            if (MovieColumns[f] && stored && movies.contains(QString::fromLatin1(MovieColumns[f]))) {
                cols << QString::fromLatin1(MovieColumns[f]);
                marks << QStringLiteral("?");
                m_movieFields << f;
            }
        }
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
            const PreparedRow r = prepareRow(m_sheet, row, m_links, m_options, m_existing);
            if (!r.refusal.isEmpty())
                ++m_summary.refused;
            else if (!r.imported(m_options))
                ++m_summary.duplicatesSkipped;
            else
                store(r);
            m_progress.letEventsRun();
        }
        return m_summary;
    }

private:
    void store(const PreparedRow &r)
    {
        const int row = r.row;
        for (int f : m_movieFields) {
            const QString &v = r.values[f];
            if (f == ImportField::UserRating || f == ImportField::EpisodeDisc)
                m_insertMovie.addBindValue(v.isEmpty() ? 0 : v.toInt());
            else
                m_insertMovie.addBindValue(NullIfEmpty(v));
        }
        if (!m_insertMovie.exec())
            throw CinelogError(Catalogue::errorOf(m_insertMovie.lastError()).number(),
                               logged("WorkbookImport", "Row %1: %2").arg(row).arg(Catalogue::errorOf(m_insertMovie.lastError()).description()));
        const QVariant movieId = m_insertMovie.lastInsertId();

        const QString &director = r.values[ImportField::Director];
        if (!director.isEmpty())
            m_summary.directorsAdded += addName(m_findDirector, m_addDirector, m_knownDirectors, director, {row, ImportField::Director, m_links[ImportField::Director]});
        for (int f = ImportField::Genre1; f <= ImportField::Genre3; ++f) {
            const QString &genre = r.values[f];
            if (!genre.isEmpty())
                m_summary.genresAdded += addName(m_findGenre, m_addGenre, m_knownGenres, genre, {row, f, m_links[f]});
        }
        QSet<QPair<int, QString>> linked;
        for (qsizetype i = 0; i < r.cast.size(); ++i) {
            const ImportLists::CastMember &m = r.cast[i];
            const int field = i < r.actorCount ? ImportField::Actor1 : ImportField::Cast;
            const CellPlace at{row, field, m_links[field]};
            const int actorId = actorIdFor(m.name, at);
            if (linked.contains({actorId, m.role}))
                continue; // two spellings of one actor
            linked.insert({actorId, m.role});
            m_link.addBindValue(movieId);
            m_link.addBindValue(actorId);
            if (m_hasPlayingAs)
                m_link.addBindValue(NullIfEmpty(m.role));
            if (!m_link.exec())
                failAt(at, Catalogue::errorOf(m_link.lastError()).description());
        }
        for (const ImportLists::Episode &e : r.episodes) {
            const CellPlace at{row, ImportField::Episodes, m_links[ImportField::Episodes]};
            m_addEpisode.addBindValue(movieId);
            m_addEpisode.addBindValue(NullIfEmpty(e.title));
            m_addEpisode.addBindValue(e.number.isEmpty() ? QVariant(QMetaType::fromType<int>()) : QVariant(e.number.toInt()));
            m_addEpisode.addBindValue(e.disc.isEmpty() ? QVariant(QMetaType::fromType<int>()) : QVariant(e.disc.toInt()));
            if (!m_addEpisode.exec())
                failAt(at, Catalogue::errorOf(m_addEpisode.lastError()).description());
        }
        ++m_summary.movies;
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
    const ImportOptions &m_options;
    ProgressSink &m_progress;
    bool m_hasPlayingAs = false;
    MovieKeys m_existing;
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

PreparedRow WorkbookImport::prepare(const SheetData &sheet, int row, const FieldLinks &links, const ImportOptions &options,
                                    const MovieKeys &existing)
{
    return prepareRow(sheet, row, links, options, existing);
}

MovieKeys WorkbookImport::existingMovies(Catalogue &openCatalogue, const QString &targetPath, const SheetData &sheet,
                                         const FieldLinks &links)
{
    if (targetPath.isEmpty())
        return {};
    const QStringList titles = sheetTitles(sheet, links);
    if (isOpenCatalogue(openCatalogue, targetPath))
        return moviesOf(openCatalogue.MovieConn(), titles);
    const QString name = QStringLiteral("cinelog-import-%1").arg(++g_importConnections);
    MovieKeys keys;
    try {
        QSqlDatabase db = CatalogueFile::openConnection(targetPath, name);
        CatalogueFile::verifyCatalogueFile(db);
        keys = moviesOf(db, titles);
        db.close();
    } catch (const CinelogError &) {
        keys.clear();
    }
    if (QSqlDatabase::contains(name))
        QSqlDatabase::removeDatabase(name);
    return keys;
}

ImportSummary WorkbookImport::run(const SheetData &sheet, const FieldLinks &links, Catalogue &openCatalogue,
                                  const QString &targetPath, ProgressSink &progress, const ImportOptions &options)
{
    const int lastRow = sheet.GetLastRow();
    progress.ShowProgress(QCoreApplication::translate("WorkbookImport", "Importing Excel Data..."), 0, lastRow);
    ImportSummary summary;
    try {
        if (isOpenCatalogue(openCatalogue, targetPath)) {
            openCatalogue.transaction([&] {
                MovieTextIndex::BulkInsert bulk(openCatalogue.MovieConn());
                Importer importer(openCatalogue.MovieConn(), sheet, links, options, progress);
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
                        Importer importer(db, sheet, links, options, progress);
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
