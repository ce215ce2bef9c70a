#include "CatalogueGenerator.h"
#include "CatalogueFile.h"

#include "Catalogue.h"
#include "MovieTextIndex.h"
#include "Schema.h"
#include "SqliteFunctions.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <sqlite3.h>
#include <vector>

namespace CatalogueGenerator {

namespace {

// splitmix64: the same sequence on every platform and compiler, unlike the standard distributions.
class Random
{
public:
    explicit Random(quint64 seed) : m_state(seed) {}
    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 <= result < n
    int below(int n) { return n <= 0 ? 0 : int(next() % quint64(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(1000) < percent * 10; }
    bool perMille(int n) { return below(1000) < n; }
    double unit() { return double(next() >> 11) / double(1ULL << 53); }
    template <size_t N>
    const char *pick(const char *const (&list)[N]) { return list[below(int(N))]; }

private:
    quint64 m_state;
};

const char *const FirstNames[] = {
    "James", "Mary", "John", "Patricia", "Robert", "Jennifer", "Michael", "Linda", "William", "Elizabeth",
    "David", "Barbara", "Richard", "Susan", "Joseph", "Jessica", "Thomas", "Sarah", "Charles", "Karen",
    "Christopher", "Nancy", "Daniel", "Lisa", "Matthew", "Betty", "Anthony", "Margaret", "Mark", "Sandra",
    "Donald", "Ashley", "Steven", "Kimberly", "Paul", "Emily", "Andrew", "Donna", "Joshua", "Michelle",
    "Kenneth", "Dorothy", "Kevin", "Carol", "Brian", "Amanda", "George", "Melissa", "Edward", "Deborah",
    "Ronald", "Stephanie", "Timothy", "Rebecca", "Jason", "Sharon", "Jeffrey", "Laura", "Ryan", "Cynthia",
    "Jacob", "Kathleen", "Gary", "Amy", "Nicholas", "Shirley", "Eric", "Angela", "Jonathan", "Helen",
    "Stephen", "Anna", "Larry", "Brenda", "Justin", "Pamela", "Scott", "Nicole", "Brandon", "Emma",
    "Benjamin", "Samantha", "Samuel", "Katherine", "Gregory", "Christine", "Frank", "Debra", "Alexander", "Rachel",
    "Raymond", "Catherine", "Patrick", "Carolyn", "Jack", "Janet", "Dennis", "Ruth", "Jerry", "Maria",
    "Zoë", "Renée", "José", "Björn", "Søren", "Chloé", "François", "Agnès", "Jürgen", "Małgorzata",
    "Hiroshi", "Yuki", "Mei", "Arjun", "Priya", "Olumide", "Chidi", "Ingrid", "Lars", "Dmitri"};

const char *const LastNames[] = {
    "Smith", "Johnson", "Williams", "Brown", "Jones", "Garcia", "Miller", "Davis", "Rodriguez", "Martinez",
    "Hernandez", "Lopez", "Gonzalez", "Wilson", "Anderson", "Thomas", "Taylor", "Moore", "Jackson", "Martin",
    "Lee", "Perez", "Thompson", "White", "Harris", "Sanchez", "Clark", "Ramirez", "Lewis", "Robinson",
    "Walker", "Young", "Allen", "King", "Wright", "Scott", "Torres", "Nguyen", "Hill", "Flores",
    "Green", "Adams", "Nelson", "Baker", "Hall", "Rivera", "Campbell", "Mitchell", "Carter", "Roberts",
    "Gomez", "Phillips", "Evans", "Turner", "Diaz", "Parker", "Cruz", "Edwards", "Collins", "Reyes",
    "Stewart", "Morris", "Morales", "Murphy", "Cook", "Rogers", "Gutierrez", "Ortiz", "Morgan", "Cooper",
    "Peterson", "Bailey", "Reed", "Kelly", "Howard", "Ramos", "Kim", "Cox", "Ward", "Richardson",
    "O'Brien", "O'Toole", "D'Angelo", "O'Hara", "McAllister", "Müller", "Núñez", "Sørensen", "Dvořák", "Łukasik",
    "Kowalski", "Yamamoto", "Tanaka", "Chen", "Wang", "Okafor", "Adeyemi", "Lindqvist", "Petrov", "Costa"};

const char *const Adjectives[] = {
    "Last", "Dark", "Silent", "Lost", "Hidden", "Final", "Broken", "Golden", "Secret", "Endless",
    "Crimson", "Frozen", "Burning", "Forgotten", "Wild", "Long", "Bright", "Deadly", "Distant", "Empty",
    "Fallen", "First", "Great", "Haunted", "Iron", "Little", "Lonely", "Midnight", "Perfect", "Quiet",
    "Rising", "Savage", "Shattered", "Stolen", "Strange", "Sweet", "Twisted", "Unseen", "Wicked", "Young",
    "Electric", "Black", "Blue", "Red", "White", "Green", "Hollow", "Northern", "Southern", "Eternal"};

const char *const Nouns[] = {
    "Horizon", "Abyss", "River", "Storm", "Shadow", "Kingdom", "Road", "Island", "Empire", "Garden",
    "Mountain", "Winter", "Summer", "Night", "City", "Heart", "Journey", "Promise", "Legacy", "Frontier",
    "Harbor", "Signal", "Mirror", "Desert", "Forest", "Machine", "Ocean", "Station", "Tower", "Valley",
    "Witness", "Stranger", "Hunter", "Dream", "Voyage", "Circle", "Crossing", "Edge", "Fire", "Gate",
    "Hour", "Key", "Line", "Message", "Moon", "Passage", "Prophecy", "Rain", "Sky", "Song",
    "Star", "Sun", "Thunder", "Tide", "Truth", "Wave", "Wind", "Wolf", "Code", "Heist",
    "Affair", "Alibi", "Bargain", "Chase", "Conspiracy", "Deal", "Echo", "Escape", "Experiment", "Game",
    "Inheritance", "Letter", "Mission", "Outpost", "Pact", "Reckoning", "Return", "Ritual", "Search", "Verdict"};

const char *const Places[] = {"Paris", "Tokyo", "Brooklyn", "Casablanca", "Berlin", "Rio", "Cairo", "Montréal",
                              "Vienna", "Manhattan", "Texas", "Alaska", "Mars", "Atlantis", "Sevilla", "Kyoto"};

const char *const GenreNames[] = {"Action", "Adventure", "Animation", "Biography", "Comedy", "Crime",
                                  "Documentary", "Drama", "Family", "Fantasy", "Film-Noir", "History",
                                  "Horror", "Music", "Musical", "Mystery", "Romance", "Sci-Fi",
                                  "Sport", "Thriller", "War", "Western"};

const char *const Ratings[] = {"G", "PG", "PG", "PG-13", "PG-13", "PG-13", "R", "R", "R", "NC-17", "NR", "Unrated"};
const char *const Formats[] = {"Widescreen", "Widescreen", "Widescreen", "Widescreen", "Widescreen",
                               "Widescreen", "Widescreen", "Fullscreen", "Fullscreen", "Letterbox"};
const char *const Roles[] = {"Detective", "Captain", "Doctor", "Agent", "Sergeant", "Professor", "Mrs.", "Mr.",
                             "Father", "Sister", "Officer", "Judge", "Senator", "Nurse", "Coach", "Uncle"};
const char *const Friends[] = {"Alice Moreau", "Ben O'Connor", "Carla Núñez", "Dan Whitfield", "Eve Lindqvist",
                               "Frank \"Frankie\" Russo", "Grace Kim", "Hassan Ali", "Ivy Chen", "Jon Petrov",
                               "Kate Brennan", "Liam Walsh", "Maya Patel", "Nils Sørensen", "Olga Ivanova",
                               "Pete Hall", "Quinn Taylor", "Rosa Díaz", "Sam Okafor", "Tina Müller",
                               "Uma Rao", "Victor Costa", "Wendy Park", "Xavier Dubois", "Yara Haddad",
                               "Zack Morgan", "Mom", "Dad", "The Office", "Book Club"};
const char *const ListOwners[] = {"Alice", "Ben", "Carla", "Dan", "Eve", "Grace", "Hassan", "Maya"};

QString u(const char *s)
{
    return QString::fromUtf8(s);
}

QString personName(int index)
{
    constexpr int nf = int(std::size(FirstNames)), nl = int(std::size(LastNames));
    // Each index has its own name; neighbouring indexes differ in both first and last name.
    const int first = index % nf, round = index / (nf * nl);
    const int last = (index / nf + first * 7) % nl;
    QString name = u(FirstNames[first]);
    if (round > 0) // more people than first x last names: add a middle initial
        name += QLatin1Char(' ') + QChar(QLatin1Char(char('A' + (round - 1) % 26))) + QLatin1Char('.');
    if (round > 26)
        name += QStringLiteral(" %1").arg(round / 26 + 1);
    return name + QLatin1Char(' ') + u(LastNames[last]);
}

// A step that visits every number below n once: i * scatter(n) % n.
qint64 scatter(int n)
{
    for (qint64 step : {7919, 104729, 1299709})
        if (std::gcd(step, qint64(n)) == 1)
            return step;
    return 1;
}

QString movieTitle(Random &rng)
{
    const QString adj = u(rng.pick(Adjectives)), noun = u(rng.pick(Nouns)), noun2 = u(rng.pick(Nouns));
    QString title;
    switch (rng.below(20)) {
    case 0: case 1: case 2: title = QStringLiteral("The %1 %2").arg(adj, noun); break;
    case 3: case 4: title = QStringLiteral("The %1").arg(noun); break;
    case 5: title = QStringLiteral("%1, The").arg(noun); break; // entered the old way
    case 6: title = QStringLiteral("%1 %2, The").arg(adj, noun); break;
    case 7: case 8: title = QStringLiteral("%1 %2").arg(adj, noun); break;
    case 9: case 10: title = QStringLiteral("%1 of the %2").arg(noun, noun2); break;
    case 11: title = QStringLiteral("%1's %2").arg(u(rng.pick(FirstNames)), noun); break;
    case 12: title = QStringLiteral("%1 in %2").arg(noun, u(rng.pick(Places))); break;
    case 13: title = QStringLiteral("%1: %2 %3").arg(noun, adj, noun2); break;
    case 14: title = QStringLiteral("%1 %2").arg(noun).arg(rng.between(2, 4)); break;
    case 15: title = QStringLiteral("%1 Part II").arg(noun); break;
    case 16: title = QStringLiteral("%1 & %2").arg(noun, noun2); break;
    case 17: title = QStringLiteral("A %1 %2").arg(adj, noun); break;
    case 18: title = QStringLiteral("theory of the %1").arg(noun.toLower()); break;
    default: title = QStringLiteral("%1 %2").arg(noun, noun2); break;
    }
    return title;
}

// A small cover: a gradient with a few blocks, as a JPEG (PNG where JPEG is not available).
QByteArray coverPicture(Random &rng)
{
    const int w = 60, h = 90;
    QImage img(w, h, QImage::Format_RGB32);
    const int r = rng.below(256), g = rng.below(256), b = rng.below(256);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb((r + y * 2) % 256, (g + x * 3) % 256, (b + (x + y)) % 256);
    }
    for (int k = 0; k < 3; ++k) {
        const int x0 = rng.below(w - 10), y0 = rng.below(h - 10), bw = rng.between(5, 30), bh = rng.between(5, 40);
        const QRgb c = qRgb(rng.below(256), rng.below(256), rng.below(256));
        for (int y = y0; y < std::min(h, y0 + bh); ++y)
            for (int x = x0; x < std::min(w, x0 + bw); ++x)
                img.setPixel(x, y, c);
    }
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    static const bool haveJpeg = QImageWriter::supportedImageFormats().contains("jpeg");
    QImageWriter writer(&buf, haveJpeg ? QByteArray("jpeg") : QByteArray("png"));
    writer.setQuality(80);
    if (!writer.write(img))
        throw CinelogError(ErrorNumber::InvalidPicture, QStringLiteral("Could not encode a cover: ") + writer.errorString());
    return out;
}

// A prepared statement on the catalogue's own connection.
class Statement
{
public:
    Statement(sqlite3 *db, const char *sql) : m_db(db)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_st, nullptr) != SQLITE_OK)
            fail();
    }
    ~Statement() { sqlite3_finalize(m_st); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    Statement &text(int i, const QString &v)
    {
        const QByteArray b = v.toUtf8();
        sqlite3_bind_text(m_st, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement &textOrNull(int i, const QString &v) { return v.isEmpty() ? null(i) : text(i, v); }
    Statement &integer(int i, qint64 v)
    {
        sqlite3_bind_int64(m_st, i, v);
        return *this;
    }
    Statement &null(int i)
    {
        sqlite3_bind_null(m_st, i);
        return *this;
    }
    Statement &blob(int i, const QByteArray &v)
    {
        sqlite3_bind_blob(m_st, i, v.constData(), int(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    // Runs the statement; returns the new row's ID.
    qint64 run()
    {
        if (sqlite3_step(m_st) != SQLITE_DONE)
            fail();
        sqlite3_reset(m_st);
        sqlite3_clear_bindings(m_st);
        return sqlite3_last_insert_rowid(m_db);
    }

private:
    [[noreturn]] void fail()
    {
        throw CinelogError(sqlite3_extended_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db)));
    }
    sqlite3 *m_db;
    sqlite3_stmt *m_st = nullptr;
};

// Answers nothing; keeps what the store wanted to tell the user, for the error.
QString isoDate(const QDate &d)
{
    return d.toString(Qt::ISODate);
}

} // namespace

QString outputPath(const QString &path)
{
    return path.endsWith(QLatin1String(".cnlg")) ? path : path + QStringLiteral(".cnlg");
}

QStringList readTitles(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw CinelogError(ErrorNumber::FileNotFound, QStringLiteral("Could not read '%1': %2").arg(path, f.errorString()));
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        throw CinelogError(ErrorNumber::InvalidProcedureCall, QStringLiteral("'%1' is not UTF-8 text.").arg(path));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList titles;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        try {
            Schema::refuseOverlongText(QStringLiteral("The title on line %1").arg(i + 1), line);
        } catch (const CinelogError &e) {
            throw CinelogError(e.number(), QStringLiteral("%1: %2").arg(path, e.description()));
        }
        titles << line;
    }
    return titles;
}

Result generate(const QString &path, const Options &options)
{
    if (options.movies < 0)
        throw CinelogError(ErrorNumber::InvalidProcedureCall, QStringLiteral("The number of movies cannot be negative."));
    Catalogue cat;

    Result result;
    result.path = outputPath(path);
    if (QFile::exists(result.path) && !QFile::remove(result.path))
        throw CinelogError(ErrorNumber::PermissionDenied, QStringLiteral("Permission denied: ") + result.path);
    CatalogueFile::create(result.path);
    const OpenResult opened = cat.open(result.path);
    if (!opened.opened())
        throw CinelogError(ErrorNumber::InvalidProcedureCall,
                           QStringLiteral("The new catalogue could not be opened: %1").arg(opened.error ? opened.error->description() : QString()));

    sqlite3 *db = sqliteHandle(cat.MovieConn());
    cat.exec(QStringLiteral("PRAGMA cache_size = -131072"));

    Random rng(options.seed);
    const int movies = options.titles.isEmpty() ? options.movies : int(options.titles.size());
    const int actorCount = std::max(50, movies * 2 / 5);
    const int directorCount = std::max(20, movies * 3 / 100);
    const int covers = std::min(movies, options.covers < 0 ? movies / 50 : options.covers);
    const QDate today(2025, 12, 1);

    auto fill = [&] {
        // The keys (case-folded texts) are written with their texts, as the store's own triggers
        // would fill them.
        Statement insActor(db, "INSERT INTO Actors (Actor, URL, ActorKey) VALUES (?1, ?2, cinelog_fold(?1))");
        Statement insDirector(db, "INSERT INTO Directors (Director, URL, DirectorKey) VALUES (?1, ?2, cinelog_fold(?1))");
        Statement insGenre(db, "INSERT INTO Genres (Genre, GenreKey) VALUES (?1, cinelog_fold(?1))");
        Statement insMovie(db, "INSERT INTO Movies (Title, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, "
                               "ReleaseYear, RunningTime, NumDiscs, UserRating, URL, OrderBy, EpisodeDisc, CoverData, "
                               "onlineID, web, TitleKey, DirectorKey, OrderByKey) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, "
                               "?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, cinelog_fold(?1), cinelog_fold(?2), "
                               "cinelog_fold(?14))");
        Statement insLink(db, "INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)");
        Statement insLoan(db, "INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut, DateIn) VALUES (?, ?, ?, ?, ?)");
        Statement insList(db, "INSERT INTO UserList (MovID, MovieTitle, Name, UserID) VALUES (?, ?, ?, ?)");
        Statement insEpisode(db, "INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, ?, ?, ?)");

        std::vector<qint64> actorIds;
        actorIds.reserve(size_t(actorCount));
        for (int i = 0; i < actorCount; ++i) {
            // A permutation of the names, so that names and IDs do not run in the same order.
            insActor.text(1, personName(int(qint64(i) * scatter(actorCount) % actorCount)));
            if (rng.chance(10))
                insActor.text(2, QStringLiteral("http://people.example.org/%1").arg(i + 1));
            else
                insActor.text(2, QStringLiteral("http://"));
            actorIds.push_back(insActor.run());
        }
        result.actors = actorCount;

        std::vector<QString> directors;
        directors.reserve(size_t(directorCount));
        for (int i = 0; i < directorCount; ++i) {
            // Directors take names of their own, out of the actors' part of the name space.
            directors.push_back(personName(actorCount + int(qint64(i) * scatter(directorCount) % directorCount)));
            insDirector.text(1, directors.back()).text(2, QStringLiteral("http://")).run();
        }
        result.directors = directorCount;

        for (const char *g : GenreNames)
            insGenre.text(1, u(g)).run();
        result.genres = qint64(std::size(GenreNames));

        const int coverStep = covers > 0 ? std::max(1, movies / covers) : 0;
        std::vector<int> cast;
        for (int m = 0; m < movies; ++m) {
            const QString title = options.titles.isEmpty() ? movieTitle(rng) : options.titles[m];
            const TitleOrder order = titleOrderFor(title);
            const bool episodeDisc = rng.perMille(12);
            const int discs = episodeDisc ? rng.between(2, 6) : (rng.chance(85) ? 1 : rng.between(2, 3));
            const int medium = rng.below(100);
            const char *mediumName = medium < 50 ? "DVD" : medium < 80 ? "Blu-ray" : medium < 90 ? "VHS" : medium < 97 ? "4K UHD" : "LaserDisc";
            const int year = 1920 + int(105 * std::sqrt(rng.unit()));

            insMovie.text(1, title).text(2, directors[size_t(rng.below(directorCount))]);
            const int g1 = rng.below(int(std::size(GenreNames)));
            insMovie.text(3, u(GenreNames[g1]));
            if (rng.chance(60))
                insMovie.text(4, u(GenreNames[(g1 + 1 + rng.below(int(std::size(GenreNames)) - 1)) % int(std::size(GenreNames))]));
            else
                insMovie.null(4);
            if (rng.chance(20))
                insMovie.text(5, u(rng.pick(GenreNames)));
            else
                insMovie.null(5);
            insMovie.text(6, u(mediumName)).text(7, u(rng.pick(Formats))).text(8, u(rng.pick(Ratings)));
            if (rng.chance(97))
                insMovie.text(9, QString::number(year));
            else
                insMovie.null(9);
            insMovie.text(10, QString::number(episodeDisc ? rng.between(40, 60) * discs * 4 : rng.between(72, 200)));
            insMovie.text(11, QString::number(discs));
            insMovie.integer(12, rng.below(8));
            insMovie.text(13, rng.chance(30) ? QStringLiteral("http://movies.example.org/title/%1").arg(m + 1) : QStringLiteral("http://"));
            insMovie.textOrNull(14, order.orderBy);
            insMovie.integer(15, episodeDisc ? 1 : 0);
            if (coverStep > 0 && m % coverStep == 0 && result.covers < covers) {
                insMovie.blob(16, coverPicture(rng));
                ++result.covers;
            } else {
                insMovie.null(16);
            }
            const bool online = rng.chance(5);
            insMovie.integer(17, online ? 1 : 0).integer(18, online ? 1 : 0);
            const qint64 movieId = insMovie.run();
            ++result.movies;

            // Cast: 3 to 10 different actors; well-known ones turn up far more often.
            const int castSize = rng.between(3, 10);
            cast.clear();
            while (int(cast.size()) < castSize) {
                const int a = int(actorCount * rng.unit() * rng.unit());
                if (std::find(cast.begin(), cast.end(), a) == cast.end())
                    cast.push_back(a);
            }
            for (int a : cast) {
                insLink.integer(1, movieId).integer(2, actorIds[size_t(a)]);
                const int kind = rng.below(20);
                if (kind < 3)
                    insLink.null(3);
                else if (kind == 3)
                    insLink.text(3, rng.chance(50) ? QStringLiteral("Himself") : QStringLiteral("Herself"));
                else if (kind < 8)
                    insLink.text(3, u(rng.pick(Roles)) + QLatin1Char(' ') + u(rng.pick(LastNames)));
                else
                    insLink.text(3, u(rng.pick(FirstNames)) + (rng.chance(60) ? QLatin1Char(' ') + u(rng.pick(LastNames)) : QString()));
                insLink.run();
                ++result.castLinks;
            }

            if (rng.chance(5)) { // out on loan now
                const QDate out = today.addDays(-rng.below(730));
                insLoan.integer(1, movieId).text(2, title).text(3, u(rng.pick(Friends))).text(4, isoDate(out)).null(5).run();
                ++result.openLoans;
            }
            if (rng.chance(4)) { // lent before and given back
                for (int k = rng.between(1, 2); k > 0; --k) {
                    const QDate out = today.addDays(-730 - rng.below(2000));
                    insLoan.integer(1, movieId).text(2, title).text(3, u(rng.pick(Friends))).text(4, isoDate(out))
                        .text(5, isoDate(out.addDays(rng.between(1, 120)))).run();
                    ++result.returnedLoans;
                }
            }
            if (rng.chance(3)) {
                const QString owner = u(rng.pick(ListOwners));
                insList.integer(1, movieId).text(2, title).text(3, owner).text(4, owner.toLower()).run();
                ++result.userListEntries;
            }
            if (episodeDisc) {
                ++result.episodeDiscs;
                const int episodes = rng.between(4, 24);
                for (int e = 1; e <= episodes; ++e) {
                    insEpisode.integer(1, movieId)
                        .text(2, QStringLiteral("%1 %2").arg(u(rng.pick(Adjectives)), u(rng.pick(Nouns))))
                        .integer(3, e)
                        .integer(4, 1 + (e - 1) * discs / episodes)
                        .run();
                    ++result.episodes;
                }
            }
        }
    };

    cat.transaction([&] {
        // Filling the tables first and sorting each index once is much faster than growing them row by row.
        for (const Schema::Index &i : Schema::indexes())
            cat.exec(QStringLiteral("DROP INDEX IF EXISTS %1").arg(QLatin1String(i.name)));
        for (const Schema::TextKey &k : Schema::textKeys())
            cat.exec(QStringLiteral("DROP INDEX IF EXISTS %1").arg(QLatin1String(k.index)));
        // The text index too: built once from the finished table, not grown movie by movie.
        MovieTextIndex::remove(cat.MovieConn());
        MovieTextIndex::removeActorIndex(cat.MovieConn());
        fill();
        for (const QString &s : Schema::indexStatements())
            cat.exec(s);
        for (const Schema::TextKey &k : Schema::textKeys())
            cat.exec(QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                         .arg(QLatin1String(k.index), QLatin1String(k.table), QLatin1String(k.key)));
        MovieTextIndex::create(cat.MovieConn());
        MovieTextIndex::createActorIndex(cat.MovieConn());
    });
    cat.close();
    return result;
}

} // namespace CatalogueGenerator
