#include "UserLists.h"

#include "Catalogue.h"
#include "Schema.h"

namespace UserLists {

QString proposedName(Catalogue &cat, const QString &userId)
{
    return cat
        .scalar(QStringLiteral("SELECT Name FROM UserList WHERE UserID = ? COLLATE cinelog_nocase AND Name IS NOT NULL ORDER BY ID LIMIT 1"),
                {userId})
        .toString();
}

int addEntry(Catalogue &cat, int movieId, const QString &movieTitle, const QString &userId, const QString &listName)
{
    // Refused before anything is written, with the field named as the window names it. The table's
    // own length check stops counting at a NUL, so it cannot be left to that alone.
    const std::pair<const char *, const QString *> limited[] = {
        {"Display Name", &listName}, {"User Name", &userId}, {"Movie Title", &movieTitle}};
    for (const auto &[field, value] : limited)
        Schema::refuseOverlongText(QLatin1String(field), *value);
    QSqlQuery q = cat.exec(QStringLiteral("INSERT INTO UserList (MovID, MovieTitle, UserID, Name) VALUES (?, ?, ?, ?)"),
                           {movieId, NullIfEmpty(movieTitle), NullIfEmpty(userId), NullIfEmpty(listName)});
    return q.lastInsertId().toInt();
}

QStringList names(Catalogue &cat)
{
    QSqlQuery q = cat.exec(QStringLiteral("SELECT Name FROM UserList WHERE Name IS NOT NULL GROUP BY cinelog_fold(Name) ORDER BY cinelog_fold(Name)"));
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out;
}

QList<UserListEntry> entries(Catalogue &cat, const QString &listName)
{
    QSqlQuery q = cat.exec(QStringLiteral("SELECT ID, MovID, MovieTitle FROM UserList WHERE Name = ? COLLATE cinelog_nocase ORDER BY ID"), {listName});
    QList<UserListEntry> out;
    while (q.next())
        out << UserListEntry{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toString()};
    return out;
}

void removeMovie(Catalogue &cat, const QString &listName, int movieId)
{
    cat.exec(QStringLiteral("DELETE FROM UserList WHERE MovID = ? AND Name = ? COLLATE cinelog_nocase"), {movieId, listName});
}

} // namespace UserLists
