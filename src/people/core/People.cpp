#include "People.h"

#include "Catalogue.h"
#include "Schema.h"
#include "SqliteFunctions.h"
#include "WebLookup.h"

#include <QCoreApplication>

namespace People {

QString kindText(Kind k)
{
    return k == Kind::Actors ? QStringLiteral("Actors") : QStringLiteral("Directors");
}

bool kindFromText(const QString &text, Kind &k)
{
    if (text == QLatin1String("Actors"))
        k = Kind::Actors;
    else if (text == QLatin1String("Directors"))
        k = Kind::Directors;
    else
        return false;
    return true;
}

namespace {
struct Names {
    QString table;
    QString column;
    QString key; // the name's case-folded form, for look-ups and order
};
Names namesOf(Kind k)
{
    // Fixed identifiers only; every value is bound.
    return k == Kind::Actors ? Names{QStringLiteral("Actors"), QStringLiteral("Actor"), QStringLiteral("ActorKey")}
                             : Names{QStringLiteral("Directors"), QStringLiteral("Director"), QStringLiteral("DirectorKey")};
}
}

QList<Person> list(Catalogue &cat, Kind kind, const QString &letter)
{
    const Names n = namesOf(kind);
    // sql-identifiers: table and column names of the kind of person
    QString sql = QStringLiteral("SELECT ID, %1, URL FROM %2").arg(n.column, n.table);
    QVariantList values;
    const QString prefix = letter.trimmed();
    if (!prefix.isEmpty()) {
        QString escaped = foldedText(prefix);
        escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
            .replace(QLatin1Char('%'), QStringLiteral("\\%"))
            .replace(QLatin1Char('_'), QStringLiteral("\\_"));
        // Letter case is already folded on both sides, so the engine's own LIKE compares as the
        // program does.
        // sql-identifiers: the name's key column
        sql += QStringLiteral(" WHERE %1 LIKE ? ESCAPE '\\'").arg(n.key);
        values << escaped + QLatin1Char('%');
    }
    // sql-identifiers: the name's key column
    sql += QStringLiteral(" ORDER BY %1, ID").arg(n.key);
    QSqlQuery q = cat.exec(sql, values);
    QList<Person> out;
    while (q.next())
        out << Person{q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()};
    return out;
}

QStringList associatedMovies(Catalogue &cat, Kind kind, int personId, const QString &name)
{
    QStringList out;
    if (kind == Kind::Actors) {
        QSqlQuery q = cat.exec(QStringLiteral("SELECT l.MovID, l.PlayingAs, m.ID, m.Title FROM MovActLink l "
                                              "LEFT JOIN Movies m ON m.ID = l.MovID WHERE l.ActID = ? ORDER BY l.rowid"),
                               {personId});
        while (q.next()) {
            if (q.value(2).isNull())
                out << QCoreApplication::translate("People", "--- Assicated Movie ID: %1 Not Found ---").arg(q.value(0).toString());
            else
                out << q.value(3).toString() + QStringLiteral(" - ") + q.value(1).toString();
        }
    } else {
        QSqlQuery q = cat.exec(QStringLiteral("SELECT Title FROM Movies WHERE DirectorKey = ? ORDER BY ID"), {foldedKey(name)});
        while (q.next())
            out << q.value(0).toString();
    }
    return out;
}

void save(Catalogue &cat, Kind kind, int personId, const QString &name, const QString &url)
{
    const Names n = namesOf(kind);
    Schema::refuseOverlongText(QStringLiteral("Name"), name);
    // sql-identifiers: table and column names of the kind of person
    QSqlQuery q = cat.exec(QStringLiteral("UPDATE %1 SET %2 = ?, URL = ? WHERE ID = ?").arg(n.table, n.column),
                           {NullIfEmpty(name), url, personId});
    if (q.numRowsAffected() < 1)
        throw CinelogError(3021, logged("People", "Either BOF or EOF is True, or the current record has been deleted. "
                                                "Requested operation requires a current record."));
}

void remove(Catalogue &cat, Kind kind, int personId)
{
    const Names n = namesOf(kind);
    cat.transaction([&] {
        // sql-identifiers: the table of the kind of person
        cat.exec(QStringLiteral("DELETE FROM %1 WHERE ID = ?").arg(n.table), {personId});
        if (kind == Kind::Actors)
            cat.exec(QStringLiteral("DELETE FROM MovActLink WHERE ActID = ?"), {personId});
    });
}

QUrl siteUrl(const QString &text)
{
    return WebLookup::storedAddress(text);
}

QUrl imdbNameSearch(const QString &name)
{
    return WebLookup::imdbNameSearch(name);
}

} // namespace People
