// Bound values, a marked identifier composition, and SQL words in text that is no statement.
void bound(Catalogue &cat, const QString &title)
{
    cat.exec(QStringLiteral("SELECT ID FROM Movies WHERE Title = ?"), {title});
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
