#include "Loans.h"

#include "Catalogue.h"
#include "Schema.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace Loans {

static const char *filterSource(Filter f)
{
    switch (f) {
    case Filter::All:
        return QT_TRANSLATE_NOOP("Loans", "All Loaned Movies");
    case Filter::LoanedOut:
        return QT_TRANSLATE_NOOP("Loans", "Movies Loaned Out");
    case Filter::Returned:
        return QT_TRANSLATE_NOOP("Loans", "Returned Movies");
    }
    return "";
}

QString filterText(Filter f)
{
    return QString::fromLatin1(filterSource(f));
}

QString filterCaption(Filter f)
{
    return QCoreApplication::translate("Loans", filterSource(f));
}

bool filterFromText(const QString &text, Filter &f)
{
    for (Filter c : {Filter::All, Filter::LoanedOut, Filter::Returned}) {
        if (text == filterText(c)) {
            f = c;
            return true;
        }
    }
    return false;
}

QDate parseLoanDate(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})\\s*[/.-]\\s*(\\d{1,2})\\s*[/.-]\\s*(\\d{2}|\\d{4})\\s*$"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return QDate();
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2)
        year += 2000;
    return QDate(year, m.captured(1).toInt(), m.captured(2).toInt()); // invalid for 02/30 and the like
}

QString formatLoanDate(const QDate &date)
{
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}

static QDate storedDate(const QVariant &v)
{
    if (v.isNull())
        return QDate();
    return QDate::fromString(v.toString().left(10), Qt::ISODate);
}

QStringList borrowers(Catalogue &cat)
{
    QSqlQuery q = cat.exec(QStringLiteral("SELECT LoanedTo FROM LoanOut GROUP BY cinelog_fold(LoanedTo) ORDER BY cinelog_fold(LoanedTo)"));
    QStringList out;
    while (q.next()) {
        const QString name = q.value(0).toString();
        if (!name.isEmpty())
            out << name;
    }
    return out;
}

int recordLoan(Catalogue &cat, int movieId, const QString &movieTitle, const QString &loanedTo, const QDate &dateOut)
{
    if (!dateOut.isValid())
        throw CinelogError(ErrorNumber::TypeMismatch, logged("Loans", "Type mismatch"));
    Schema::refuseOverlongText(QStringLiteral("Loaned To"), loanedTo);
    Schema::refuseOverlongText(QStringLiteral("Movie"), movieTitle);
    QSqlQuery q = cat.exec(
        QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (?, ?, ?, ?)"),
        {movieId, NullIfEmpty(movieTitle), NullIfEmpty(loanedTo), dateOut.toString(Qt::ISODate)});
    return q.lastInsertId().toInt();
}

QList<LoanRow> loans(Catalogue &cat, Filter filter, const QString &borrower)
{
    const bool counted = cat.scalar(QStringLiteral("SELECT 1 FROM pragma_table_info('LoanOut') WHERE name = 'ChangeCount'")).isValid();
    // sql-identifiers: a fixed column or none
    QString sql = QStringLiteral("SELECT ID, MovieID, MovieTitle, LoanedTo, DateOut, DateIn%1 FROM LoanOut")
                      .arg(counted ? QStringLiteral(", ChangeCount") : QString());
    QStringList where;
    QVariantList values;
    if (filter == Filter::LoanedOut)
        where << QStringLiteral("DateIn IS NULL");
    else if (filter == Filter::Returned)
        where << QStringLiteral("DateIn IS NOT NULL");
    if (!borrower.isEmpty()) {
        where << QStringLiteral("LoanedTo = ? COLLATE cinelog_nocase");
        values << borrower;
    }
    if (!where.isEmpty())
        // sql-identifiers: fixed conditions with placeholders
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY ID");
    QSqlQuery q = cat.exec(sql, values);
    QList<LoanRow> out;
    while (q.next()) {
        LoanRow r;
        r.id = q.value(0).toInt();
        r.movieId = q.value(1).toInt();
        r.movieTitle = q.value(2).toString();
        r.loanedTo = q.value(3).toString();
        r.dateOut = storedDate(q.value(4));
        r.dateIn = storedDate(q.value(5));
        if (counted)
            r.changeCount = q.value(6).toLongLong();
        out << r;
    }
    return out;
}

void setReturned(Catalogue &cat, int loanId, const QDate &dateIn, qint64 seen)
{
    const QVariant value = dateIn.isValid() ? QVariant(dateIn.toString(Qt::ISODate)) : QVariant();
    if (seen < 0) {
        cat.exec(QStringLiteral("UPDATE LoanOut SET DateIn = ? WHERE ID = ?"), {value, loanId});
        return;
    }
    // Checked under the write lock, so that no other program changes the loan in between.
    cat.transaction([&] {
        const QVariant now = cat.scalar(QStringLiteral("SELECT ChangeCount FROM LoanOut WHERE ID = ?"), {loanId});
        if (!now.isValid() || now.toLongLong() != seen)
            throw CinelogError(CatalogueError::ChangedElsewhere,
                               logged("Loans", "This loan was changed or removed by another program after it was shown here."));
        cat.exec(QStringLiteral("UPDATE LoanOut SET DateIn = ? WHERE ID = ?"), {value, loanId});
    });
}

QStringList openBorrowers(Catalogue &cat, int movieId)
{
    QSqlQuery q = cat.exec(QStringLiteral("SELECT LoanedTo FROM LoanOut WHERE MovieID = ? AND DateIn IS NULL ORDER BY ID"),
                           {movieId});
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out;
}

} // namespace Loans
