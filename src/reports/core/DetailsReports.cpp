#include "PagedMovies.h"
#include "ReportParts.h"
#include "ReportPictures.h"
#include "Reports.h"

#include "AppContext.h"
#include "CoverPictures.h"
#include "Catalogue.h"

#include <QBuffer>
#include <QLocale>
#include <QSqlQuery>
#include <QSqlRecord>

namespace report {

namespace {

constexpr int StarLefts[7] = {3960, 4260, 4560, 4860, 5160, 5460, 5760};
// Covers are kept at about 150 dots per inch of their printed size.
constexpr int CoverDpi = 150;

QString starName(bool filled, int n)
{
    return (filled ? QStringLiteral("imgStar") : QStringLiteral("imgStarB")) + QString::number(n);
}

Section movieGroupHeader(int height)
{
    // A new block starts with each movie, so two movies of the same title each get their details.
    Section s{QStringLiteral("grpHdrMovies"), height, {}, QStringLiteral("MovieID")};
    Control title = Control::field(QStringLiteral("fldMovieTitle"), QStringLiteral("MovieTitle"), 90, 90, 10530, 270, 11, true);
    title.canGrow = true;
    // The title may run under the cover: keep it clear of it.
    title.rect.setWidth(9000);
    s.controls << title
               << Control::label(QStringLiteral("Label1"), Tr::tr("Ordered By:"), 450, 360, 990, 180, 8)
               << Control::field(QStringLiteral("fldOrderBy"), QStringLiteral("OrderBy"), 1440, 360, 9180, 180, 8)
               << Control::label(QStringLiteral("lblDirector"), Tr::tr("Director:"), 360, 630, 900, 270, 8)
               << Control::field(QStringLiteral("fldDirector"), QStringLiteral("Director"), 1260, 630, 2790, 270)
               << Control::label(QStringLiteral("lblRating"), Tr::tr("Rated:"), 4140, 630, 720, 270, 8)
               << Control::field(QStringLiteral("fldRating"), QStringLiteral("Rating"), 4860, 630, 990, 270)
               << Control::label(QStringLiteral("lblTime"), Tr::tr("Running Time:"), 5940, 630, 1530, 270, 8)
               << Control::field(QStringLiteral("fldRunningTime"), QStringLiteral("RunningTime"), 7470, 630, 810, 270)
               << Control::label(QStringLiteral("lblMedium"), Tr::tr("Medium:"), 360, 900, 900, 270, 8)
               << Control::field(QStringLiteral("fldMedium"), QStringLiteral("Medium"), 1260, 900, 1350, 270)
               << Control::label(QStringLiteral("lblFormat"), Tr::tr("Format:"), 2700, 900, 810, 270, 8)
               << Control::field(QStringLiteral("fldFormat"), QStringLiteral("Format"), 3510, 900, 1350, 270)
               << Control::label(QStringLiteral("lblRelease"), Tr::tr("Release Year:"), 5040, 900, 1350, 270, 8)
               << Control::field(QStringLiteral("fldReleaseYear"), QStringLiteral("ReleaseYear"), 6480, 900, 540, 270)
               << Control::label(QStringLiteral("lblDiscs"), Tr::tr("Num of Discs:"), 360, 1170, 1440, 270, 8)
               << Control::field(QStringLiteral("fldNumDiscs"), QStringLiteral("NumDiscs"), 1800, 1170, 720, 270)
               << Control::label(QStringLiteral("lblUserRating"), Tr::tr("User Rating:"), 2610, 1170, 1350, 270, 8);
    for (int i = 0; i < 7; ++i)
        s.controls << Control::image(starName(true, i + 1), pictures::filledStar(), StarLefts[i], 1170, 270, 270);
    for (int i = 0; i < 7; ++i)
        s.controls << Control::image(starName(false, i + 1), pictures::emptyStar(), StarLefts[i], 1170, 270, 270);
    s.controls << Control::label(QStringLiteral("lblGenres"), Tr::tr("Genres:"), 360, 1440, 810, 270, 8)
               << Control::field(QStringLiteral("fldGenres"), QStringLiteral("Genres"), 1170, 1440, 3870, 270)
               << Control::label(QStringLiteral("lblActors"), Tr::tr("Actors:"), 360, 1800, 1800, 270, 8);
    Control cover = Control::image(QStringLiteral("imgCover"), QImage(), 9180, 90, 1440, 1890);
    cover.visible = false;
    s.controls << cover;
    return s;
}

ReportDefinition detailsDefinition(bool all)
{
    ReportDefinition d;
    d.name = all ? QStringLiteral("arMovieDetailsALL") : QStringLiteral("arMovieDetailsSearch");
    d.caption = Tr::tr("Movie Details");
    d.pageHeader = Section{QStringLiteral("PageHeader"), all ? 1440 : 1395, {}, {}};
    d.pageHeader.controls << parts::logo(QStringLiteral("imgIcon"))
                          << Control::label(QStringLiteral("lblName"), QString(), 1350, 90, 9270, 450, 18, true);
    if (all) {
        d.pageHeader.controls << Control::label(QStringLiteral("lblFile"), QString(), 1350, 540, 9270, 270)
                              << Control::label(QStringLiteral("lblNumMovies"), QString(), 1350, 810, 2430, 270);
    } else {
        Control search = Control::label(QStringLiteral("fldSearch"), QString(), 1350, 540, 9270, 270);
        search.canGrow = true;
        d.pageHeader.controls << search;
    }
    d.pageHeader.controls << Control::line(QStringLiteral("Line1"), 90, 1350, 10620, 1350);
    d.groupHeader = movieGroupHeader(all ? 2070 : 2025);
    d.detail = Section{QStringLiteral("Detail"), 360, {}, {}};
    Control actor = Control::field(QStringLiteral("fldActor"), QStringLiteral("Actor"), 540, 0, 10080, 270);
    actor.canGrow = true;
    d.detail.controls << actor;
    d.groupFooter = Section{QStringLiteral("GroupFooter1"), 135, {}, {}};
    d.groupFooter->controls << Control::line(QStringLiteral("Line2"), 90, 90, 10620, 90);
    d.pageFooter = parts::pageFooter(4950, QStringLiteral("Label2"));
    return d;
}

const char *const DataFields[] = {"MovieTitle", "OrderBy", "TodaysDate", "Actor", "Director", "Rating", "Genres",
                                  "Medium", "Format", "ReleaseYear", "RunningTime", "NumDiscs", "MovieID"};

const QString MovieColumnList = QStringLiteral(
    "ID, Title, OrderBy, Director, Rating, Medium, Format, ReleaseYear, RunningTime, NumDiscs, "
    "Genre1, Genre2, Genre3, UserRating, length(CoverData) > 0 AS HasCover");
// sql-identifiers: the fixed movie column list
const QString MovieColumns = QStringLiteral("SELECT ") + MovieColumnList + QStringLiteral(" FROM Movies");

// Fills the data fields and pictures of one movie from a row of MovieColumns.
class MovieDetailsFiller
{
public:
    MovieDetailsFiller(AppContext &ctx, Catalogue &cat) : m_ctx(ctx), m_cat(cat) {}

    void fill(ReportRun &run, const QSqlRecord &q)
    {
        auto text = [&](const char *column) { return q.value(QString::fromLatin1(column)).toString(); };
        run.setField(QStringLiteral("TodaysDate"), todaysDateText(m_ctx));
        run.setField(QStringLiteral("MovieTitle"), text("Title"));
        for (const char *f : {"OrderBy", "Director", "Rating", "Medium", "Format", "ReleaseYear", "NumDiscs"})
            run.setField(QString::fromLatin1(f), text(f));
        run.setField(QStringLiteral("RunningTime"), Tr::tr("%1 min").arg(text("RunningTime")));

        QString genres = text("Genre1");
        for (const char *g : {"Genre2", "Genre3"})
            if (!text(g).isEmpty())
                genres += QStringLiteral(", ") + text(g);
        run.setField(QStringLiteral("Genres"), genres);

        const int id = q.value(QStringLiteral("ID")).toInt();
        run.setField(QStringLiteral("MovieID"), QString::number(id));
        Control &cover = run.control(QStringLiteral("imgCover"));
        cover.visible = false;
        cover.picture = Picture{};
        if (q.value(QStringLiteral("HasCover")).toBool() && !run.picturesWanted()) {
            // Counting pages: the cover does not move anything, so it is not read.
            cover.visible = true;
        } else if (q.value(QStringLiteral("HasCover")).toBool()) {
            QImage img;
            if (CoverPictures(m_cat, m_ctx).LoadPictureFromDB(img, id)) {
                cover.picture = coverPicture(img, cover.rect.size(), run.pagesKept());
                cover.visible = true;
            }
        }

        for (int n = 1; n <= 7; ++n) {
            run.control(starName(true, n)).visible = false;
            run.control(starName(false, n)).visible = false;
        }
        const QVariant rating = q.value(QStringLiteral("UserRating"));
        bool ok = false;
        const int stars = rating.isNull() ? -1 : rating.toInt(&ok);
        if (ok && stars >= 0 && stars <= 7) {
            for (int n = 1; n <= 7; ++n)
                run.control(starName(n <= stars, n)).visible = true;
        }

        // A link to an actor who no longer exists is left out.
        QStringList cast;
        QSqlQuery actors = m_cat.exec(QStringLiteral("SELECT a.Actor FROM MovActLink l JOIN Actors a ON a.ID = l.ActID "
                                                     "WHERE l.MovID = ? ORDER BY l.rowid"),
                                      {id});
        while (actors.next())
            cast << actors.value(0).toString();
        run.setField(QStringLiteral("Actor"), cast.join(QStringLiteral(", ")));
    }

private:
    static Picture coverPicture(const QImage &img, const QSize &boxTwips, bool compressed)
    {
        const QSize box(boxTwips.width() * CoverDpi / TwipsPerInch, boxTwips.height() * CoverDpi / TwipsPerInch);
        QImage small = img.width() > box.width() || img.height() > box.height()
            ? img.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : img;
        Picture p;
        if (!compressed) {
            p.image = small;
            return p;
        }
        QBuffer buffer(&p.encoded);
        buffer.open(QIODevice::WriteOnly);
        const bool alpha = small.hasAlphaChannel();
        if (!small.save(&buffer, alpha ? "PNG" : "JPEG", alpha ? -1 : 90)) {
            p.encoded.clear();
            p.image = small;
        }
        return p;
    }

    AppContext &m_ctx;
    Catalogue &m_cat;
};

// Shows the progress window for the movies and makes sure it closes when the report ends, however
// many movies were printed.
class MovieProgress
{
public:
    explicit MovieProgress(AppContext &ctx) : m_ctx(ctx) {}
    void start(const QString &message, int count)
    {
        m_max = count;
        m_value = 0;
        m_ctx.progress().ShowProgress(message, 0, count);
        if (count == 0)
            m_ctx.progress().UpdateProgress(0);
    }
    void advance(int value)
    {
        m_value = value;
        m_ctx.progress().UpdateProgress(value);
        m_ctx.progress().letEventsRun();
    }
    void finish()
    {
        if (m_max > 0 && m_value < m_max)
            advance(m_max);
        m_max = 0;
    }

private:
    AppContext &m_ctx;
    int m_max = 0;
    int m_value = 0;
};

class DetailsAllSource : public ReportDataSource
{
public:
    DetailsAllSource(AppContext &ctx, Catalogue &cat)
        : m_cat(cat), m_filler(ctx, cat), m_progress(ctx), m_rows(cat, MovieColumnList)
    {
    }

    void DataInitialize(ReportRun &run) override
    {
        for (const char *f : DataFields)
            run.addField(QString::fromLatin1(f));
        const int count = m_cat.scalar(QStringLiteral("SELECT COUNT(*) FROM Movies")).toInt();
        m_rows.restart();
        run.control(QStringLiteral("lblNumMovies")).text = Tr::tr("Number of Movies: %L1").arg(count);
        m_progress.start(Tr::tr("Getting Movie Details..."), count);
        m_counter = 1;
    }

    void ReportStart(ReportRun &run) override
    {
        run.control(QStringLiteral("lblName")).text = Tr::tr("%1 - Movie Details").arg(catalogueNameOf(m_cat.path()));
        run.control(QStringLiteral("lblFile")).text = m_cat.path();
    }

    void FetchData(ReportRun &run, bool &eof) override
    {
        // The result moves on before the movie is read, so a movie that fails is not fetched again.
        if (!m_rows.next()) {
            eof = true;
            return;
        }
        m_progress.advance(m_counter++);
        m_filler.fill(run, m_rows.row());
    }

    void ReportEnd(ReportRun &) override { m_progress.finish(); }

    QVariant position() const override { return m_rows.position(); }
    void seek(ReportRun &, const QVariant &position) override { m_rows.seek(position); }

private:
    Catalogue &m_cat;
    MovieDetailsFiller m_filler;
    MovieProgress m_progress;
    PagedMovies m_rows;
    int m_counter = 1;
};

class DetailsSearchSource : public ReportDataSource
{
public:
    DetailsSearchSource(AppContext &ctx, Catalogue &cat, MovieDetailsSearchParams params)
        : m_cat(cat), m_filler(ctx, cat), m_progress(ctx), m_params(std::move(params))
    {
    }

    void DataInitialize(ReportRun &run) override
    {
        for (const char *f : DataFields)
            run.addField(QString::fromLatin1(f));
        m_counter = 0;
        m_progress.start(Tr::tr("Generating Search Report..."), int(m_params.movieIds.size()));
    }

    void ReportStart(ReportRun &run) override
    {
        run.control(QStringLiteral("lblName")).text = Tr::tr("%1 - Movie Details by Search").arg(catalogueNameOf(m_cat.path()));
        run.control(QStringLiteral("fldSearch")).text =
            searchCriteriaSummary(m_params.criteria, int(m_params.movieIds.size()));
    }

    void FetchData(ReportRun &run, bool &eof) override
    {
        ++m_counter;
        if (m_counter > m_params.movieIds.size()) {
            eof = true;
            return;
        }
        m_progress.advance(int(m_counter));
        const int id = m_params.movieIds[m_counter - 1];
        // sql-identifiers: the fixed movie column list
        QSqlQuery q = m_cat.exec(MovieColumns + QStringLiteral(" WHERE ID = ?"), {id});
        if (!q.next())
            throw CinelogError(3021, logged("Reports", "The movie with ID %1 is no longer in the catalogue.").arg(id));
        const QSqlRecord row = q.record();
        q.finish();
        m_filler.fill(run, row);
    }

    void ReportEnd(ReportRun &) override { m_progress.finish(); }

    QVariant position() const override { return qint64(m_counter); }
    void seek(ReportRun &, const QVariant &position) override { m_counter = position.toLongLong(); }

private:
    Catalogue &m_cat;
    MovieDetailsFiller m_filler;
    MovieProgress m_progress;
    MovieDetailsSearchParams m_params;
    qsizetype m_counter = 0;
};

} // namespace

QString searchCriteriaSummary(const SearchCriteria &c, int moviesFound)
{
    QString text;
    QStringList parts;
    auto add = [&](const SearchCriteria::Item &item, const QString &piece) {
        if (item.checked && !item.text.isEmpty())
            parts << piece.arg(item.text);
    };
    add(c.title, Tr::tr("Title = %1"));
    add(c.actor, Tr::tr("Actor = %1"));
    add(c.format, Tr::tr("Format = %1"));
    add(c.medium, Tr::tr("Medium = %1"));
    add(c.director, Tr::tr("Director = %1"));
    add(c.genre, Tr::tr("Genre = %1"));
    add(c.rating, Tr::tr("Rating = %1"));
    if (c.stars.checked && !c.stars.text.isEmpty()) {
        QString rule;
        if (c.starsComparison == QLatin1String("="))
            rule = Tr::tr("User Rating is Equal to %1");
        else if (c.starsComparison == QLatin1String("<="))
            rule = Tr::tr("User Rating is Less than or Equal to %1");
        else if (c.starsComparison == QLatin1String("<"))
            rule = Tr::tr("User Rating is Less than %1");
        else if (c.starsComparison == QLatin1String(">"))
            rule = Tr::tr("User Rating is Greater than %1");
        else if (c.starsComparison == QLatin1String(">="))
            rule = Tr::tr("User Rating is Greater than or Equal to %1");
        else
            rule = Tr::tr("User Rating is %1");
        parts << rule.arg(c.stars.text);
    }
    return Tr::tr("Search Criteria: %1.\nMovies Found: %2").arg(parts.join(QStringLiteral(", ")), QLocale().toString(moviesFound));
}

ReportJob arMovieDetailsALL(AppContext &ctx, Catalogue &cat)
{
    ReportJob job{detailsDefinition(true), std::make_unique<DetailsAllSource>(ctx, cat), {},
                  Tr::tr("Save Movie Details Report")};
    job.labels.dataInitialize = QStringLiteral(" - ActiveReport_Initialize");
    return job;
}

ReportJob arMovieDetailsSearch(AppContext &ctx, Catalogue &cat, const MovieDetailsSearchParams &params)
{
    ReportJob job{detailsDefinition(false), std::make_unique<DetailsSearchSource>(ctx, cat, params), {},
                  Tr::tr("Save Movie Details Report")};
    job.labels.dataInitialize = QStringLiteral(" - ActiveReport_Initialize");
    return job;
}

} // namespace report
