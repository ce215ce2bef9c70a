#include "CommunityExchange.h"

#include "Catalogue.h"
#include "CommunityConnection.h"
#include "Schema.h"
#include "SqliteFunctions.h"

#include <QCoreApplication>
#include <QList>
#include <QSqlQuery>
#include <QSqlRecord>
#include <optional>

namespace CommunityExchange {

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(CommunityExchange)
};

bool blank(const QVariant &v)
{
    return v.isNull() || v.toString().isEmpty();
}

// Text for a column that keeps empty text as Null.
QVariant text(const QVariant &v)
{
    return NullIfEmpty(v.isNull() ? QString() : v.toString());
}

QVariant number(const QVariant &v)
{
    if (blank(v))
        return QVariant(QMetaType::fromType<int>());
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    return ok ? QVariant(n) : QVariant(QMetaType::fromType<int>());
}

// "col = ?" for a value, or a test for blank when the value is empty (Null and empty text are the
// same to the user). Only fixed column names are composed.
QString equalsOrBlank(const char *column, const QVariant &value, QVariantList &binds)
{
    const QString c = QString::fromLatin1(column);
    if (blank(value))
        return QStringLiteral("(%1 IS NULL OR %1 = '')").arg(c);
    binds << value.toString();
    return c + QStringLiteral(" = ?");
}

struct Person {
    QString name;
    QVariant url;
};

struct CastMember {
    Person actor;
    QVariant playingAs;
};

struct Episode {
    QVariant title, epsNum, discNum;
};

struct RemoteMovie {
    QSqlRecord fields;
    std::optional<Person> director;
    QList<CastMember> cast;
    QList<Episode> episodes;
};

const QString MovieColumns = QStringLiteral(
    "Title, Director, Genre1, Genre2, Genre3, ReleaseYear, RunningTime, NumDiscs, URL, OrderBy, EpisodeDisc");

// Text is read from the community as bytes: the ODBC driver ends the text it hands over at the
// first NUL character, so every text column is selected CAST(... AS BINARY) and its UTF-8 bytes
// turn back into text through QVariant::toString(). (Text sent up travels as bytes too; see
// CommunityConnection.)
const QString RemoteMovieColumns = QStringLiteral(
    "CAST(Title AS BINARY) AS Title, CAST(Director AS BINARY) AS Director, CAST(Genre1 AS BINARY) AS Genre1, "
    "CAST(Genre2 AS BINARY) AS Genre2, CAST(Genre3 AS BINARY) AS Genre3, "
    "CAST(ReleaseYear AS BINARY) AS ReleaseYear, CAST(RunningTime AS BINARY) AS RunningTime, "
    "CAST(NumDiscs AS BINARY) AS NumDiscs, CAST(URL AS BINARY) AS URL, CAST(OrderBy AS BINARY) AS OrderBy, EpisodeDisc");

RemoteMovie readRemote(CommunityConnection &remote, int remoteId)
{
    RemoteMovie r;
    // sql-identifiers: the fixed movie column list
    QSqlQuery m = remote.exec(QStringLiteral("SELECT ") + RemoteMovieColumns + QStringLiteral(" FROM Movies WHERE ID = ?"),
                              {remoteId});
    if (!m.next())
        throw CinelogError(ErrorNumber::InvalidProcedureCall,
                           logged("CommunityExchange", "The community record %1 no longer exists.").arg(remoteId));
    r.fields = m.record();
    const QString director = r.fields.value(QStringLiteral("Director")).toString();
    if (!director.isEmpty()) {
        // sql-not-keyed: the community server's table, compared by the server's own collation
        QSqlQuery d = remote.exec(
            QStringLiteral("SELECT CAST(Director AS BINARY), CAST(URL AS BINARY) FROM Directors WHERE Director = ? "
                           "ORDER BY ID LIMIT 1"),
            {director});
        if (d.next())
            r.director = Person{d.value(0).toString(), d.value(1)};
    }
    // A link whose actor record is missing, or an actor without a name, has nothing to copy.
    QSqlQuery c = remote.exec(QStringLiteral("SELECT CAST(a.Actor AS BINARY), CAST(a.URL AS BINARY), CAST(l.PlayingAs AS BINARY) "
                                             "FROM MovActLink l JOIN Actors a ON a.ID = l.ActID WHERE l.MovID = ? ORDER BY l.ID"),
                              {remoteId});
    while (c.next()) {
        if (!c.value(0).toString().isEmpty())
            r.cast << CastMember{{c.value(0).toString(), c.value(1)}, c.value(2)};
    }
    if (r.fields.value(QStringLiteral("EpisodeDisc")).toString() == QLatin1String("1")) {
        QSqlQuery e = remote.exec(QStringLiteral("SELECT CAST(Title AS BINARY), epsNum, discNum FROM Episodes "
                                                 "WHERE MovID = ? ORDER BY episodeID"),
                                  {remoteId});
        while (e.next())
            r.episodes << Episode{e.value(0), e.value(1), e.value(2)};
    }
    return r;
}

// Refuses text longer than a community text column holds, naming the field. The catalogue can hold
// longer text than its own check lets by (SQLite's length() stops counting at a NUL); the server
// would refuse it in its own words, or cut it short when it is not in strict mode.
void checkLength(const char *field, const QVariant &value)
{
    Schema::refuseOverlongText(QLatin1String(field), value.toString());
}

// The catalogue's ID of the actor of that name, added when missing; a blank web link is filled.
int localActor(Catalogue &cat, const Person &p)
{
    QSqlQuery q = cat.exec(QStringLiteral("SELECT ID, URL FROM Actors WHERE ActorKey = ? ORDER BY ID LIMIT 1"),
                           {foldedText(p.name)});
    if (q.next()) {
        const int id = q.value(0).toInt();
        if (blank(q.value(1)) && !blank(p.url))
            cat.exec(QStringLiteral("UPDATE Actors SET URL = ? WHERE ID = ?"), {p.url.toString(), id});
        return id;
    }
    QSqlQuery add = cat.exec(QStringLiteral("INSERT INTO Actors (Actor, URL) VALUES (?, ?)"), {p.name, text(p.url)});
    return add.lastInsertId().toInt();
}

}

void downloadMovie(Catalogue &cat, CommunityConnection &remote, int remoteId, int localMovieId)
{
    // Read everything first, in one consistent view of the community database; the catalogue is
    // only touched once the whole record is here.
    RemoteMovie r;
    remote.transaction([&] { r = readRemote(remote, remoteId); });

    cat.transaction([&] {
        if (!cat.scalar(QStringLiteral("SELECT ID FROM Movies WHERE ID = ?"), {localMovieId}).isValid())
            throw CinelogError(ErrorNumber::InvalidProcedureCall,
                               logged("CommunityExchange", "The movie to fill in is no longer in the catalogue."));
        const QSqlRecord &f = r.fields;
        const auto v = [&](const char *column) { return f.value(QString::fromLatin1(column)); };
        const QString director = v("Director").toString();
        if (!director.isEmpty()) {
            cat.exec(QStringLiteral("UPDATE Movies SET Director = ? WHERE ID = ?"), {director, localMovieId});
            if (r.director) {
                QSqlQuery d = cat.exec(
                    QStringLiteral("SELECT ID, URL FROM Directors WHERE DirectorKey = ? ORDER BY ID LIMIT 1"),
                    {foldedText(director)});
                if (d.next()) {
                    if (blank(d.value(1)) && !blank(r.director->url))
                        cat.exec(QStringLiteral("UPDATE Directors SET URL = ? WHERE ID = ?"),
                                 {r.director->url.toString(), d.value(0)});
                } else {
                    cat.exec(QStringLiteral("INSERT INTO Directors (Director, URL) VALUES (?, ?)"),
                             {r.director->name, text(r.director->url)});
                }
            }
        }
        cat.exec(QStringLiteral("UPDATE Movies SET Title = ?, Genre1 = ?, Genre2 = ?, Genre3 = ?, ReleaseYear = ?, "
                                "RunningTime = ?, NumDiscs = ?, URL = ?, OrderBy = ?, EpisodeDisc = ?, onlineID = ?, "
                                "web = 1 WHERE ID = ?"),
                 {text(v("Title")), text(v("Genre1")), text(v("Genre2")), text(v("Genre3")), text(v("ReleaseYear")),
                  text(v("RunningTime")), text(v("NumDiscs")), text(v("URL")), text(v("OrderBy")),
                  number(v("EpisodeDisc")), remoteId, localMovieId});

        for (const CastMember &k : r.cast) {
            const int actorId = localActor(cat, k.actor);
            QSqlQuery link = cat.exec(
                QStringLiteral("SELECT PlayingAs FROM MovActLink WHERE MovID = ? AND ActID = ? LIMIT 1"),
                {localMovieId, actorId});
            if (link.next()) {
                if (blank(link.value(0)) && !blank(k.playingAs))
                    cat.exec(QStringLiteral("UPDATE MovActLink SET PlayingAs = ? WHERE MovID = ? AND ActID = ? "
                                            "AND (PlayingAs IS NULL OR PlayingAs = '')"),
                             {k.playingAs.toString(), localMovieId, actorId});
            } else {
                cat.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"),
                         {localMovieId, actorId, text(k.playingAs)});
            }
        }

        if (!r.episodes.isEmpty()
            && !cat.scalar(QStringLiteral("SELECT 1 FROM Episodes WHERE MovID = ? LIMIT 1"), {localMovieId}).isValid()) {
            for (const Episode &e : r.episodes)
                cat.exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, ?, ?, ?)"),
                         {localMovieId, text(e.title), number(e.epsNum), number(e.discNum)});
        }
    });
}

int uploadMovie(Catalogue &cat, CommunityConnection &remote, int movieId, const QString &uploadedBy,
                const std::function<void(UploadStage)> &reached)
{
    const auto report = [&](UploadStage s) {
        if (reached)
            reached(s);
    };

    // The catalogue side is read in one transaction so the movie, its cast and its episodes agree.
    QSqlRecord l;
    QList<CastMember> cast;
    std::optional<Person> director;
    QList<Episode> episodes;
    cat.transaction([&] {
        // sql-identifiers: the fixed movie column list
        QSqlQuery m = cat.exec(QStringLiteral("SELECT ") + MovieColumns + QStringLiteral(" FROM Movies WHERE ID = ?"),
                               {movieId});
        if (!m.next())
            throw CinelogError(ErrorNumber::InvalidProcedureCall,
                               logged("CommunityExchange", "Movie %1 is no longer in the catalogue.").arg(movieId));
        l = m.record();
        QSqlQuery c = cat.exec(QStringLiteral("SELECT a.Actor, a.URL, l.PlayingAs FROM MovActLink l "
                                              "JOIN Actors a ON a.ID = l.ActID WHERE l.MovID = ? ORDER BY l.rowid"),
                               {movieId});
        while (c.next())
            if (!c.value(0).toString().isEmpty())
                cast << CastMember{{c.value(0).toString(), c.value(1)}, c.value(2)};
        const QString name = l.value(QStringLiteral("Director")).toString();
        if (!name.isEmpty()) {
            // A director typed into a movie but missing from the pick list still goes up, without a link.
            QSqlQuery d = cat.exec(QStringLiteral("SELECT URL FROM Directors WHERE DirectorKey = ? ORDER BY ID LIMIT 1"),
                                   {foldedText(name)});
            director = Person{name, d.next() ? d.value(0) : QVariant()};
        }
        if (l.value(QStringLiteral("EpisodeDisc")).toString() == QLatin1String("1")) {
            QSqlQuery e = cat.exec(
                QStringLiteral("SELECT Title, epsNum, discNum FROM Episodes WHERE MovID = ? ORDER BY episodeID"), {movieId});
            while (e.next())
                episodes << Episode{e.value(0), e.value(1), e.value(2)};
        }
    });
    const auto v = [&](const char *column) { return l.value(QString::fromLatin1(column)); };

    // Everything is checked before anything is sent, so a refusal leaves the community untouched.
    static const std::pair<const char *, const char *> movieText[] = {
        {"Title", "Title"}, {"Director", "Director"}, {"Genre1", "Genre 1"}, {"Genre2", "Genre 2"},
        {"Genre3", "Genre 3"}, {"ReleaseYear", "Year of Release"}, {"RunningTime", "Running Time"},
        {"NumDiscs", "# in Set"}, {"OrderBy", "Order By"}};
    for (const auto &[column, field] : movieText)
        checkLength(field, v(column));
    checkLength("Uploaded By", uploadedBy);
    for (const CastMember &k : cast) {
        checkLength("Actor", k.actor.name);
        checkLength("Playing As", k.playingAs);
    }
    for (const Episode &e : episodes)
        checkLength("Episode Title", e.title);

    // Stages are reported once each, also when the transaction has to be repeated.
    int reachedStage = -1;
    const auto reachedOnce = [&](UploadStage stage) {
        if (int(stage) > reachedStage) {
            reachedStage = int(stage);
            report(stage);
        }
    };
    // Every name this upload may add or fill is locked first, in one order for all uploads: two
    // members uploading the same movie or the same actors take turns instead of adding them twice
    // or deadlocking.
    QList<QStringList> lockKeys{{QStringLiteral("movie"), v("Title").toString(), v("ReleaseYear").toString()}};
    for (const CastMember &k : cast)
        lockKeys << QStringList{QStringLiteral("actor"), k.actor.name};
    if (director)
        lockKeys << QStringList{QStringLiteral("director"), director->name};

    int n = 0;
    remote.writeTransaction([&] {
        remote.lockNames(lockKeys);
        QVariantList binds;
        // Two statements: the order of the bound values follows the order of the placeholders.
        QString where = equalsOrBlank("Title", v("Title"), binds);
        where += QStringLiteral(" AND ") + equalsOrBlank("ReleaseYear", v("ReleaseYear"), binds);
        // sql-identifiers: fixed column conditions with placeholders
        QSqlQuery r = remote.exec(QStringLiteral("SELECT ID, CAST(Director AS BINARY), CAST(ReleaseYear AS BINARY), "
                                                 "CAST(RunningTime AS BINARY), CAST(URL AS BINARY) FROM Movies WHERE ")
                                      + where + QStringLiteral(" ORDER BY ID LIMIT 1 FOR UPDATE"),
                                  binds);
        if (r.next()) {
            n = r.value(0).toInt();
            // Members fill empty fields through the server's procedure, which changes nothing else.
            static const char *const fillable[] = {"Director", "ReleaseYear", "RunningTime", "URL"};
            QVariantList values{n};
            bool any = false;
            for (int i = 0; i < 4; ++i) {
                const bool fill = blank(r.value(i + 1)) && !blank(v(fillable[i]));
                values << (fill ? QVariant(v(fillable[i]).toString()) : QVariant(QMetaType::fromType<QString>()));
                any = any || fill;
            }
            if (any)
                remote.exec(QStringLiteral("CALL FillMovie(?, ?, ?, ?, ?)"), values);
        } else {
            // sql-identifiers: the fixed movie column list
            n = remote.insert(QStringLiteral("INSERT INTO Movies (") + MovieColumns
                                  + QStringLiteral(", UploadedBy) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                              {text(v("Title")), text(v("Director")), text(v("Genre1")), text(v("Genre2")),
                               text(v("Genre3")), text(v("ReleaseYear")), text(v("RunningTime")), text(v("NumDiscs")),
                               text(v("URL")), text(v("OrderBy")), number(v("EpisodeDisc")), text(uploadedBy)});
        }
        reachedOnce(UploadStage::MovieRecord);

        for (const CastMember &k : cast) {
            int m = 0;
            // sql-not-keyed: the community server's table, compared by the server's own collation
            QSqlQuery a = remote.exec(
                QStringLiteral("SELECT ID, CAST(URL AS BINARY) FROM Actors WHERE Actor = ? ORDER BY ID LIMIT 1 FOR UPDATE"),
                {k.actor.name});
            if (a.next()) {
                m = a.value(0).toInt();
                if (blank(a.value(1)) && !blank(k.actor.url))
                    remote.exec(QStringLiteral("CALL FillActor(?, ?)"), {m, k.actor.url.toString()});
            } else {
                m = remote.insert(QStringLiteral("INSERT INTO Actors (Actor, URL) VALUES (?, ?)"),
                                  {k.actor.name, text(k.actor.url)});
            }
            QSqlQuery link = remote.exec(
                QStringLiteral("SELECT ID, CAST(PlayingAs AS BINARY) FROM MovActLink WHERE MovID = ? AND ActID = ? "
                               "ORDER BY ID LIMIT 1"),
                {n, m});
            if (link.next()) {
                if (blank(link.value(1)) && !blank(k.playingAs))
                    remote.exec(QStringLiteral("CALL FillPart(?, ?)"), {link.value(0), k.playingAs.toString()});
            } else {
                remote.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"),
                            {n, m, text(k.playingAs)});
            }
        }
        reachedOnce(UploadStage::Cast);

        if (director) {
            // sql-not-keyed: the community server's table, compared by the server's own collation
            QSqlQuery d = remote.exec(
                QStringLiteral("SELECT ID, CAST(URL AS BINARY) FROM Directors WHERE Director = ? ORDER BY ID LIMIT 1 FOR UPDATE"),
                {director->name});
            if (d.next()) {
                if (blank(d.value(1)) && !blank(director->url))
                    remote.exec(QStringLiteral("CALL FillDirector(?, ?)"), {d.value(0), director->url.toString()});
            } else {
                remote.exec(QStringLiteral("INSERT INTO Directors (Director, URL) VALUES (?, ?)"),
                            {director->name, text(director->url)});
            }
        }
        reachedOnce(UploadStage::Director);

        if (!episodes.isEmpty()) {
            QSqlQuery has = remote.exec(QStringLiteral("SELECT 1 FROM Episodes WHERE MovID = ? LIMIT 1"), {n});
            if (!has.next()) {
                for (const Episode &e : episodes)
                    remote.exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, ?, ?, ?)"),
                                {n, text(e.title), number(e.epsNum), number(e.discNum)});
            }
        }
        reachedOnce(UploadStage::Episodes);
    });

    // Marked only once the community has the whole movie: a failure above leaves the catalogue as it
    // was, and uploading again finds the record by title and year.
    cat.exec(QStringLiteral("UPDATE Movies SET onlineID = ?, web = 1 WHERE ID = ?"), {n, movieId});
    report(UploadStage::Marked);
    return n;
}

UploadBatch::UploadBatch(Catalogue &catalogue, CommunityConnection &remote, QString uploadedBy, int planned)
    : m_catalogue(catalogue), m_remote(remote), m_uploadedBy(std::move(uploadedBy)), m_planned(planned)
{
}

bool UploadBatch::upload(int movieId)
{
    if (stopped())
        return false;
    ++m_attempted;
    try {
        uploadMovie(m_catalogue, m_remote, movieId, m_uploadedBy);
        ++m_uploaded;
        return true;
    } catch (const CommunityBusy &e) {
        m_busy = true;
        m_stopReason = e.shownDescription();
        --m_attempted; // not the movie's fault: it counts as not tried
        return false;
    } catch (const CinelogError &e) {
        UploadFailure f{movieId, QString(), e.description(), e.number(), e.shownDescription()};
        try {
            f.title = m_catalogue.scalar(QStringLiteral("SELECT Title FROM Movies WHERE ID = ?"), {movieId}).toString();
        } catch (const CinelogError &) {
        }
        if (f.title.isEmpty())
            f.title = Tr::tr("Movie %1").arg(movieId);
        m_failures << f;
        // Every further movie would fail the same way.
        if (e.number() == 2006 || e.number() == 2013 || !m_remote.database().isOpen())
            m_stopReason = e.shownDescription();
        return false;
    }
}

QString UploadBatch::summary() const
{
    if (m_failures.isEmpty() && notTried() == 0 && !stopped())
        return QString();
    QStringList lines;
    lines << Tr::tr("%1 of %2 movies have been uploaded.").arg(m_uploaded).arg(m_planned);
    if (!m_failures.isEmpty()) {
        lines << QString() << Tr::tr("These could not be uploaded:");
        constexpr int Shown = 15;
        for (int i = 0; i < m_failures.size() && i < Shown; ++i)
            lines << QStringLiteral("- %1: %2").arg(m_failures[i].title, m_failures[i].shownReason);
        if (m_failures.size() > Shown)
            lines << Tr::tr("... and %1 more (all of them are in the error log).").arg(m_failures.size() - Shown);
    }
    if (stopped()) {
        lines << QString() << m_stopReason;
        if (notTried() > 0)
            lines << Tr::tr("%1 movies were not tried; upload them again later.").arg(notTried());
    }
    return lines.join(QLatin1Char('\r'));
}

}
