#include "MovieDetails.h"

#include "Catalogue.h"
#include "CinelogError.h"
#include "CoverPictures.h"
#include "ErrorReporter.h"
#include "MovieStore.h"
#include "PersonName.h"
#include "Schema.h"
#include "SqliteFunctions.h"

#include <QSqlQuery>

namespace MovieDetails {

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(MovieDetails)
};

QString text(const QSqlQuery &q, int i)
{
    const QVariant v = q.value(i);
    return v.isNull() ? QString() : v.toString();
}

// The address column's default ("http://") is no address the user typed.
bool isEmptyAddress(const QString &url)
{
    const QString t = url.trimmed();
    return t.isEmpty() || t.compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0
        || t.compare(QLatin1String("https://"), Qt::CaseInsensitive) == 0;
}

// Text columns hold at most this many characters; a longer value from the source is cut rather
// than failing the whole fill.
QString fitted(const QString &value)
{
    return value.left(Schema::TextLimit);
}

QString certificationFor(const MovieInfo::Details &d, const QString &country)
{
    for (const auto &c : d.certifications)
        if (c.country.compare(country, Qt::CaseInsensitive) == 0)
            return c.certification;
    return {};
}

bool hasColumn(Catalogue &cat, const QString &column)
{
    return cat.scalar(QStringLiteral("SELECT 1 FROM pragma_table_info('Movies') WHERE name = ?"), {column}).isValid();
}

class NoReports : public ErrorReporter
{
public:
    void reportError(const QString &, qint64, const QString &, bool) noexcept override {}
};

} // namespace

bool Plan::ticked(Field f) const
{
    for (const Proposal &p : fields)
        if (p.field == f)
            return p.ticked;
    return false;
}

QSet<Field> Plan::defaultChoice() const
{
    QSet<Field> out;
    for (const Proposal &p : fields)
        if (p.ticked)
            out.insert(p.field);
    return out;
}

Current readMovie(Catalogue &catalogue, int movieId)
{
    Current c;
    const bool withId = hasColumn(catalogue, SourceIdColumn);
    // sql-identifiers: a fixed column or none
    QSqlQuery q = catalogue.exec(QStringLiteral("SELECT ID, Title, ReleaseYear, RunningTime, Genre1, Genre2, Genre3, Director, "
                                                "Rating, URL, length(CoverData) > 0, "
                                                "(SELECT count(*) FROM MovActLink WHERE MovID = Movies.ID)%1 "
                                                "FROM Movies WHERE ID = ?")
                                     .arg(withId ? QStringLiteral(", ") + SourceIdColumn : QString()),
                                 {movieId});
    if (!q.next())
        throw CinelogError(3021, logged("MovieDetails", "The movie is no longer in the catalogue."));
    c.id = q.value(0).toInt();
    QString *fields[] = {&c.title, &c.releaseYear, &c.runningTime, &c.genre1, &c.genre2, &c.genre3, &c.director, &c.rating, &c.url};
    for (int i = 0; i < 9; ++i)
        *fields[i] = text(q, i + 1);
    c.hasCover = q.value(10).toBool();
    c.castSize = q.value(11).toInt();
    if (withId && !q.value(12).isNull())
        c.sourceId = q.value(12).toString();
    return c;
}

QString catalogueName(const QString &given, MovieDetailsSettings::NameForm form)
{
    const QString name = given.simplified();
    return form == MovieDetailsSettings::NameForm::AsGiven ? name : PersonName::toLastFirst(name);
}

int findPerson(Catalogue &catalogue, const QString &table, const QString &catalogueForm, const QString &given, QString *stored)
{
    const bool actors = table == QLatin1String("Actors");
    const QString column = actors ? QStringLiteral("Actor") : QStringLiteral("Director");
    const Schema::TextKey *key = Schema::textKeyOf(table, column);
    if (!key)
        throw CinelogError(ErrorNumber::Database, logged("MovieDetails", "%1.%2 is not a pick list.").arg(table, column));
    const QString keyColumn = QLatin1String(key->key);
    // The catalogue's form wins over the given form when both are stored.
    // sql-identifiers: pick-list table and its column names
    QSqlQuery q = catalogue.exec(QStringLiteral("SELECT ID, %1 FROM %2 WHERE %3 IN (?, ?) ORDER BY %3 = ? DESC, ID LIMIT 1")
                                     .arg(column, table, keyColumn),
                                 {foldedText(catalogueForm), foldedText(given.simplified()), foldedText(catalogueForm)});
    if (!q.next())
        return 0;
    if (stored)
        *stored = text(q, 1);
    return q.value(0).toInt();
}

Plan plan(const MovieInfo::Details &d, const Current &current, const MovieDetailsSettings &settings)
{
    Plan p;
    p.sourceId = d.id;
    p.title = fitted(d.title);
    p.releaseYear = d.releaseDate.left(4);
    p.runningTime = d.runtimeMinutes > 0 ? QString::number(d.runtimeMinutes) : QString();
    for (const QString &g : d.genres)
        if (p.genres.size() < 3 && !p.genres.contains(g, Qt::CaseInsensitive))
            p.genres << fitted(g);
    if (!d.directors.isEmpty()) {
        p.directorGiven = d.directors.first();
        p.director = fitted(catalogueName(p.directorGiven, settings.nameForm));
    }
    for (const MovieInfo::CastMember &m : d.cast) {
        if (p.cast.size() >= settings.castCount)
            break;
        const QString name = fitted(catalogueName(m.name, settings.nameForm));
        if (name.isEmpty())
            continue;
        p.cast.append({name, m.name.simplified(), fitted(m.character.simplified())});
    }
    p.rating = certificationFor(d, settings.country);
    if (p.rating.isEmpty())
        p.rating = certificationFor(d, QStringLiteral("US"));
    p.rating = fitted(p.rating);
    p.url = !d.imdbId.isEmpty() ? QStringLiteral("https://www.imdb.com/title/") + d.imdbId + QLatin1Char('/')
                                : d.pageAddress.toString(QUrl::FullyEncoded);
    p.posterPath = d.posterPath;

    auto add = [&p](Field f, const QString &label, const QString &now, const QString &proposed, bool nowEmpty) {
        if (proposed.isEmpty())
            return; // nothing to offer
        p.fields.append({f, label, now, proposed, nowEmpty});
    };
    add(Field::Title, Tr::tr("Title"), current.title, p.title, current.title.trimmed().isEmpty());
    add(Field::ReleaseYear, Tr::tr("Year of Release"), current.releaseYear, p.releaseYear, current.releaseYear.trimmed().isEmpty());
    add(Field::RunningTime, Tr::tr("Running Time"), current.runningTime, p.runningTime, current.runningTime.trimmed().isEmpty());
    QStringList nowGenres;
    for (const QString &g : {current.genre1, current.genre2, current.genre3})
        if (!g.trimmed().isEmpty())
            nowGenres << g;
    add(Field::Genres, Tr::tr("Genres"), nowGenres.join(QStringLiteral(", ")), p.genres.join(QStringLiteral(", ")), nowGenres.isEmpty());
    add(Field::Director, Tr::tr("Director"), current.director, p.director, current.director.trimmed().isEmpty());
    QStringList castText;
    for (const CastLine &c : p.cast)
        castText << (c.role.isEmpty() ? c.name : Tr::tr("%1 as %2").arg(c.name, c.role));
    add(Field::Cast, Tr::tr("Cast"),
        current.castSize > 0 ? Tr::tr("%n actor(s)", nullptr, current.castSize) : QString(),
        castText.join(QStringLiteral("; ")), current.castSize == 0);
    add(Field::Rating, Tr::tr("Rating"), current.rating, p.rating, current.rating.trimmed().isEmpty());
    add(Field::URL, Tr::tr("Web Address"), isEmptyAddress(current.url) ? QString() : current.url, p.url, isEmptyAddress(current.url));
    if (!p.posterPath.isEmpty())
        add(Field::Cover, Tr::tr("Cover"), current.hasCover ? Tr::tr("(a picture)") : QString(),
            Tr::tr("Poster (%1)").arg(settings.posterSize), !current.hasCover);
    return p;
}

namespace {

// The ID of the person under either name form, added in the catalogue's form when new.
int personFor(Catalogue &cat, const QString &table, const QString &name, const QString &given, QString *stored)
{
    if (const int id = findPerson(cat, table, name, given, stored))
        return id;
    const QString column = table == QLatin1String("Actors") ? QStringLiteral("Actor") : QStringLiteral("Director");
    // sql-identifiers: pick-list table and column names
    QSqlQuery ins = cat.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(table, column), {name});
    if (stored)
        *stored = name;
    return ins.lastInsertId().toInt();
}

} // namespace

int apply(Catalogue &catalogue, int movieId, const Plan &p, const QSet<Field> &chosen, const QByteArray &cover)
{
    int id = movieId;
    catalogue.transaction([&] {
        MovieStore store(catalogue);
        if (id == 0) {
            MovieRecord record;
            const TitleOrder order = titleOrderFor(chosen.contains(Field::Title) ? p.title : QString());
            record.title = order.title;
            record.orderBy = order.orderBy;
            record.url = QStringLiteral("http://");
            id = store.save(record, MovieStore::SaveMode::Overwrite);
        } else if (!catalogue.scalar(QStringLiteral("SELECT 1 FROM Movies WHERE ID = ?"), {id}).isValid()) {
            throw CinelogError(3021, logged("MovieDetails", "The movie is no longer in the catalogue."));
        }
        auto set = [&](const char *column, const QVariant &value) {
            // sql-identifiers: a fixed column name
            catalogue.exec(QStringLiteral("UPDATE Movies SET %1 = ? WHERE ID = ?").arg(QLatin1String(column)), {value, id});
        };
        if (chosen.contains(Field::Title) && !p.title.isEmpty() && movieId != 0) {
            const TitleOrder order = titleOrderFor(p.title);
            catalogue.exec(QStringLiteral("UPDATE Movies SET Title = ?, OrderBy = ? WHERE ID = ?"),
                           {order.title, NullIfEmpty(order.orderBy), id});
            catalogue.exec(QStringLiteral("UPDATE LoanOut SET MovieTitle = ? WHERE MovieID = ?"), {order.title, id});
        }
        if (chosen.contains(Field::ReleaseYear) && !p.releaseYear.isEmpty())
            set("ReleaseYear", p.releaseYear);
        if (chosen.contains(Field::RunningTime) && !p.runningTime.isEmpty())
            set("RunningTime", p.runningTime);
        if (chosen.contains(Field::Genres) && !p.genres.isEmpty()) {
            for (const QString &g : p.genres)
                store.ensureGenre(g);
            set("Genre1", NullIfEmpty(p.genres.value(0)));
            set("Genre2", NullIfEmpty(p.genres.value(1)));
            set("Genre3", NullIfEmpty(p.genres.value(2)));
        }
        if (chosen.contains(Field::Director) && !p.director.isEmpty()) {
            QString stored;
            personFor(catalogue, QStringLiteral("Directors"), p.director, p.directorGiven, &stored);
            set("Director", stored);
        }
        if (chosen.contains(Field::Cast)) {
            for (const CastLine &c : p.cast) {
                const int actorId = personFor(catalogue, QStringLiteral("Actors"), c.name, c.given, nullptr);
                if (catalogue.scalar(QStringLiteral("SELECT 1 FROM MovActLink WHERE MovID = ? AND ActID = ?"), {id, actorId}).isValid())
                    continue;
                catalogue.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"),
                               {id, actorId, NullIfEmpty(c.role)});
            }
        }
        if (chosen.contains(Field::Rating) && !p.rating.isEmpty())
            set("Rating", p.rating);
        if (chosen.contains(Field::URL) && !p.url.isEmpty())
            set("URL", p.url);
        if (chosen.contains(Field::Cover) && !cover.isEmpty()) {
            NoReports quiet;
            CoverPictures(catalogue, quiet).savePictureBytes(id, cover);
        }
        if (!p.sourceId.isEmpty() && hasColumn(catalogue, SourceIdColumn))
            // sql-identifiers: the fixed column that keeps the source's ID
            catalogue.exec(QStringLiteral("UPDATE Movies SET %1 = ? WHERE ID = ?").arg(SourceIdColumn), {p.sourceId.toLongLong(), id});
    });
    return id;
}

int unambiguousMatch(const QList<MovieInfo::SearchResult> &results, const QString &title, const QString &year)
{
    if (results.size() == 1)
        return 0;
    const QString wanted = foldedText(title.simplified());
    const QString y = year.trimmed();
    int found = -1;
    for (int i = 0; i < results.size(); ++i) {
        const MovieInfo::SearchResult &r = results[i];
        const bool sameTitle = foldedText(r.title.simplified()) == wanted || foldedText(r.originalTitle.simplified()) == wanted;
        if (!sameTitle || (!y.isEmpty() && r.year != y))
            continue;
        if (found >= 0)
            return -1;
        found = i;
    }
    return found;
}

QString failureText(const MovieInfo::Error &error, const QString &sourceName)
{
    using MovieInfo::Status;
    QString what;
    switch (error.status) {
    case Status::Ok:
        return {};
    case Status::Cancelled:
        return Tr::tr("The request was cancelled.");
    case Status::NoKey:
        return Tr::tr("No API key for %1 is set. Get a free key with an account at themoviedb.org (Settings > API) "
                      "and enter it in Options > Edit Options > \"TMDb API key\".").arg(sourceName);
    case Status::KeyRefused:
        return Tr::tr("%1 refused the API key. Check the key in Options > Edit Options > \"TMDb API key\" "
                      "(an API key or an API read access token from your account's API settings).").arg(sourceName);
    case Status::NoNetwork:
        what = Tr::tr("%1 could not be reached. Check the network connection and try again.").arg(sourceName);
        break;
    case Status::TimedOut:
        what = Tr::tr("%1 did not answer in time. Try again later.").arg(sourceName);
        break;
    case Status::RateLimited:
        what = Tr::tr("%1 is busy (too many requests). Wait a minute and try again.").arg(sourceName);
        break;
    case Status::NotFound:
        what = Tr::tr("%1 does not know this movie (any more). Search for it again.").arg(sourceName);
        break;
    case Status::TooLarge:
    case Status::BadReply:
    case Status::ServiceError:
        what = Tr::tr("%1 answered with an error. Try again later; if it persists, the service may have changed.").arg(sourceName);
        break;
    }
    return error.message.isEmpty() ? what : what + QLatin1Char('\n') + Tr::tr("Details: %1").arg(error.message);
}

QList<MovieInfoFactory *> findSources(const QStringList &folders)
{
    QList<MovieInfoFactory *> out;
    for (const QString &folder : folders)
        for (MovieInfoFactory *f : MovieInfo::findSources(folder))
            if (!out.contains(f))
                out << f;
    return out;
}

std::unique_ptr<MovieInfoSource> createSource(const QStringList &folders, const MovieDetailsSettings &settings, QString *why)
{
    const QList<MovieInfoFactory *> factories = findSources(folders);
    if (factories.isEmpty()) {
        if (why)
            *why = Tr::tr("No movie-information plug-in was found in %1.").arg(folders.join(QStringLiteral(", ")));
        return nullptr;
    }
    std::unique_ptr<MovieInfoSource> source = factories.first()->createMovieInfoSource();
    MovieInfo::Settings s;
    s.credential = settings.credential;
    s.language = settings.language;
    s.apiBaseAddress = settings.apiBaseAddress;
    s.imageBaseAddress = settings.imageBaseAddress;
    s.timeoutMs = settings.timeoutMs;
    source->configure(s);
    return source;
}

} // namespace MovieDetails
