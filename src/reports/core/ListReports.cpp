#include "PagedMovies.h"
#include "ReportParts.h"
#include "ReportPictures.h"
#include "Reports.h"

#include "AppContext.h"
#include "Catalogue.h"

#include <QFileInfo>
#include <QLocale>
#include <QSqlQuery>

namespace report {

namespace parts {

Section pageFooter(int dateLeft, const QString &webAddressLabel)
{
    Section s{QStringLiteral("PageFooter"), 360, {}, {}};
    s.controls << Control::field(QStringLiteral("fldTodaysDate"), QStringLiteral("TodaysDate"), dateLeft, 90, 2700, 270, 8)
               << Control::label(QStringLiteral("lblPage"), Tr::tr("Page", "page n of m"), 90, 90, 450, 270, 8)
               << Control::pageNumber(QStringLiteral("fldPageNum"), 540, 90, 360, 270)
               << Control::label(QStringLiteral("lblOf"), Tr::tr("of", "page n of m"), 900, 90, 270, 270, 8)
               << Control::pageCount(QStringLiteral("fldPageCnt"), 1170, 90, 540, 270);
    for (Control &c : s.controls)
        c.pointSize = 8;
    // The product's address, between the page numbers and the date so it never runs into either;
    // left out when the build has no address.
    if (const QString address = productWebAddress(); !address.isEmpty()) {
        Control web = Control::label(webAddressLabel, address, 1800, 90, 3060, 270, 8);
        web.alignment = Qt::AlignHCenter | Qt::AlignTop;
        s.controls << web;
    }
    return s;
}

Control logo(const QString &name)
{
    return Control::image(name, pictures::logo(), 90, 90, 1170, 1170);
}

} // namespace parts

QString catalogueNameOf(const QString &dbPath)
{
    const QString file = QFileInfo(dbPath).fileName();
    if (file.endsWith(QStringLiteral(".cnlg"), Qt::CaseInsensitive))
        return file.left(file.size() - 5);
    return QFileInfo(dbPath).completeBaseName();
}

QString todaysDateText(AppContext &ctx)
{
    // The pattern is translated so that each language writes the date its own way.
    return QLocale().toString(ctx.clock().today(), Tr::tr("MMMM dd, yyyy", "date pattern of the page footer"));
}

namespace {

// ---------------------------------------------------------------------------------------------
// arMovieList

ReportDefinition movieListDefinition()
{
    ReportDefinition d;
    d.name = QStringLiteral("arMovieList");
    d.caption = Tr::tr("Movie List");
    d.pageHeader = Section{QStringLiteral("PageHeader"), 1665, {}, {}};
    d.pageHeader.controls << parts::logo(QStringLiteral("Image1"))
                          << Control::label(QStringLiteral("lblName"), QString(), 1350, 90, 9270, 450, 18, true)
                          << Control::label(QStringLiteral("lblFile"), QString(), 1350, 540, 9270, 270)
                          << Control::label(QStringLiteral("lblNumMovies"), QString(), 1350, 810, 2430, 270)
                          << Control::label(QStringLiteral("lblMovie"), Tr::tr("Movie Titles"), 90, 1350, 5220, 180, 8, true)
                          << Control::line(QStringLiteral("Line1"), 180, 1620, 10710, 1620);
    d.detail = Section{QStringLiteral("Detail"), 630, {}, {}};
    Control title = Control::field(QStringLiteral("fldMovTitle"), QStringLiteral("MovTitle1"), 180, 90, 5130, 180, 8, true);
    title.canGrow = true;
    Control orderBy = Control::field(QStringLiteral("fldOrderBy"), QStringLiteral("OrderedBy"), 540, 270, 4770, 180, 8);
    orderBy.canGrow = true;
    d.detail.controls << title << orderBy;
    d.pageFooter = parts::pageFooter(4950, QStringLiteral("Label1"));
    return d;
}

class MovieListSource : public ReportDataSource
{
public:
    MovieListSource(AppContext &ctx, Catalogue &cat) : m_ctx(ctx), m_cat(cat), m_rows(cat, QStringLiteral("Title, OrderBy")) {}

    void DataInitialize(ReportRun &run) override
    {
        for (const char *f : {"MovTitle1", "OrderedBy", "TodaysDate"})
            run.addField(QString::fromLatin1(f));
        const int count = m_cat.scalar(QStringLiteral("SELECT COUNT(*) FROM Movies")).toInt();
        m_rows.restart();
        run.setField(QStringLiteral("TodaysDate"), todaysDateText(m_ctx));
        run.control(QStringLiteral("lblNumMovies")).text = Tr::tr("Number of Movies: %L1").arg(count);
    }

    void ReportStart(ReportRun &run) override
    {
        run.control(QStringLiteral("lblName")).text = catalogueNameOf(m_cat.path());
        run.control(QStringLiteral("lblFile")).text = m_cat.path();
    }

    void FetchData(ReportRun &run, bool &eof) override
    {
        if (!m_rows.next()) {
            eof = true;
            return;
        }
        const QString title = m_rows.row().value(QStringLiteral("Title")).toString();
        const QString orderBy = m_rows.row().value(QStringLiteral("OrderBy")).toString();
        run.setField(QStringLiteral("MovTitle1"), title);
        Control &fld = run.control(QStringLiteral("fldOrderBy"));
        fld.visible = orderBy != title;
        run.setField(QStringLiteral("OrderedBy"),
                     fld.visible ? Tr::tr("[Ordered By: %1]").arg(orderBy) : QString());
    }

    QVariant position() const override { return m_rows.position(); }
    void seek(ReportRun &, const QVariant &position) override { m_rows.seek(position); }

private:
    AppContext &m_ctx;
    Catalogue &m_cat;
    PagedMovies m_rows;
};

// ---------------------------------------------------------------------------------------------
// arLoans

ReportDefinition loansDefinition()
{
    ReportDefinition d;
    d.name = QStringLiteral("arLoans");
    d.caption = Tr::tr("Loaned Movies");
    d.pageHeader = Section{QStringLiteral("PageHeader"), 1395, {}, {}};
    d.pageHeader.controls << parts::logo(QStringLiteral("Image1"))
                          << Control::label(QStringLiteral("lblName"), Tr::tr("Movie Loans"), 1350, 90, 9270, 450, 18, true)
                          << Control::line(QStringLiteral("Line1"), 90, 1350, 10620, 1350);
    d.detail = Section{QStringLiteral("Detail"), 720, {}, {}};
    Control movie = Control::field(QStringLiteral("fldMovie"), QStringLiteral("MovieTitle"), 90, 90, 10530, 270, 10, true);
    movie.canGrow = true;
    d.detail.controls << movie
                      << Control::field(QStringLiteral("fldLoanedTo"), QStringLiteral("LoanedTo"), 630, 450, 2610, 180, 8)
                      << Control::field(QStringLiteral("fldDates"), QStringLiteral("LoanDates"), 3420, 450, 7200, 180, 8)
                      << Control::line(QStringLiteral("Line2"), 90, 720, 10620, 720);
    d.pageFooter = parts::pageFooter(7560, QStringLiteral("Label1"));
    return d;
}

class LoansSource : public ReportDataSource
{
public:
    LoansSource(AppContext &ctx, LoansReportParams params) : m_ctx(ctx), m_params(std::move(params)) {}

    void DataInitialize(ReportRun &run) override
    {
        for (const char *f : {"TodaysDate", "MovieTitle", "LoanedTo", "LoanDates"})
            run.addField(QString::fromLatin1(f));
        run.setField(QStringLiteral("TodaysDate"), todaysDateText(m_ctx));
        Control &name = run.control(QStringLiteral("lblName"));
        name.text = Tr::tr("Movie Loans");
        if (m_params.showLoansForUser && !m_params.userName.isEmpty())
            name.text = Tr::tr("Movie Loans for %1").arg(m_params.userName);
        m_counter = 0;
    }

    void ReportStart(ReportRun &) override {}

    void FetchData(ReportRun &run, bool &eof) override
    {
        if (m_counter >= m_params.rows.size()) {
            eof = true;
            return;
        }
        const LoanRow &row = m_params.rows[m_counter++];
        run.setField(QStringLiteral("MovieTitle"), Tr::tr("%1 | Movie ID: %2").arg(row.movieName, row.movieId));
        run.setField(QStringLiteral("LoanedTo"), row.loanedTo);
        run.setField(QStringLiteral("LoanDates"), Tr::tr("Date Out: %1 Returned: %2").arg(row.dateLoaned, row.dateReturned));
    }

    QVariant position() const override { return qint64(m_counter); }
    void seek(ReportRun &, const QVariant &position) override { m_counter = position.toLongLong(); }

private:
    AppContext &m_ctx;
    LoansReportParams m_params;
    qsizetype m_counter = 0;
};

// ---------------------------------------------------------------------------------------------
// arUsersList

ReportDefinition usersListDefinition()
{
    ReportDefinition d;
    d.name = QStringLiteral("arUsersList");
    d.caption = Tr::tr("Users List");
    d.pageHeader = Section{QStringLiteral("PageHeader"), 900, {}, {}};
    d.pageHeader.controls << Control::label(QStringLiteral("lblName"), QString(), 90, 90, 10530, 360, 14, true)
                          << Control::label(QStringLiteral("lblFile"), QString(), 90, 450, 10530, 270)
                          << Control::line(QStringLiteral("Line1"), 180, 810, 10530, 810);
    d.detail = Section{QStringLiteral("Detail"), 2880, {}, {}};
    Control title = Control::field(QStringLiteral("fldMovieTitle"), QStringLiteral("MovieTitle"), 360, 90, 10260, 270, 10);
    title.canGrow = true;
    d.detail.controls << title;
    d.pageFooter = Section{QStringLiteral("PageFooter"), 360, {}, {}};
    if (const QString address = productWebAddress(); !address.isEmpty()) {
        Control web = Control::label(QStringLiteral("Label1"), address, 90, 90, 10530, 270, 8);
        web.alignment = Qt::AlignHCenter | Qt::AlignTop;
        d.pageFooter.controls << web;
    }
    return d;
}

class UsersListSource : public ReportDataSource
{
public:
    UsersListSource(Catalogue &cat, UsersListReportParams params) : m_cat(cat), m_params(std::move(params)) {}

    void DataInitialize(ReportRun &run) override
    {
        run.addField(QStringLiteral("MovieTitle"));
        // One person's list is short: read whole at once, so no read stays open while it prints.
        m_titles.clear();
        m_next = 0;
        QSqlQuery q = m_cat.exec(QStringLiteral("SELECT MovieTitle FROM UserList WHERE Name = ? COLLATE cinelog_nocase "
                                                "ORDER BY cinelog_fold(MovieTitle), ID"),
                                 {m_params.listName});
        while (q.next())
            m_titles << q.value(0).toString();
    }

    void ReportStart(ReportRun &run) override
    {
        run.control(QStringLiteral("lblName")).text = Tr::tr("Movie List for %1").arg(m_params.listName);
        run.control(QStringLiteral("lblFile")).text = m_cat.path();
    }

    void FetchData(ReportRun &run, bool &eof) override
    {
        if (m_next >= m_titles.size()) {
            eof = true;
            return;
        }
        run.setField(QStringLiteral("MovieTitle"), m_titles[m_next++]);
    }

    QVariant position() const override { return qint64(m_next); }
    void seek(ReportRun &, const QVariant &position) override { m_next = position.toLongLong(); }

private:
    Catalogue &m_cat;
    UsersListReportParams m_params;
    QStringList m_titles;
    qsizetype m_next = 0;
};

} // namespace

ReportJob arMovieList(AppContext &ctx, Catalogue &cat)
{
    ReportJob job{movieListDefinition(), std::make_unique<MovieListSource>(ctx, cat), {}, Tr::tr("Save Movie List Report")};
    return job;
}

ReportJob arLoans(AppContext &ctx, Catalogue &, const LoansReportParams &params)
{
    return ReportJob{loansDefinition(), std::make_unique<LoansSource>(ctx, params), {}, Tr::tr("Save Loan Report")};
}

ReportJob arUsersList(AppContext &, Catalogue &cat, const UsersListReportParams &params)
{
    return ReportJob{usersListDefinition(), std::make_unique<UsersListSource>(cat, params), {},
                     Tr::tr("Save Movie Details Report")};
}

} // namespace report
