// Bound values, a marked identifier composition, and SQL words in text that is no statement.
void bound(Catalogue &cat, const QString &title)
{
    cat.exec(QStringLiteral("SELECT ID FROM Movies WHERE TitleKey = ?"), {title});
}

void identifiers(Catalogue &cat, const QString &table, const QString &column, const QString &name)
{
    // sql-identifiers: pick-list table and column names
    cat.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(table, column), {name});
}

QString message(const QString &title)
{
    // "Select" in a message is not SQL, and a comment may say SELECT ... + title freely.
    return QStringLiteral("Select a movie first: ") + title;
}

const char *quoteInText = "it's \"WHERE\" + more"; // the check reads literals with escapes

// Keyed texts compared by their keys, by the program's own comparison, set (not compared), or on
// another database.
void keyed(Catalogue &cat, CommunityConnection &remote, const QString &name)
{
    cat.exec(QStringLiteral("SELECT ID FROM Actors WHERE ActorKey = ? ORDER BY ActorKey, ID"), {name});
    cat.exec(QStringLiteral("SELECT ID FROM Movies WHERE Genre1 = ? COLLATE cinelog_nocase OR Director = ? COLLATE cinelog_nocase"),
             {name, name});
    cat.exec(QStringLiteral("UPDATE Movies SET Title = ?, Director = ? WHERE ID = ?"), {name, name, 1});
    // sql-not-keyed: the community server's table
    remote.exec(QStringLiteral("SELECT ID FROM Movies WHERE Title = ? ORDER BY Title"), {name});
}
