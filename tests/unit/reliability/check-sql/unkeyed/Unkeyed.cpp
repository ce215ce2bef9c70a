// Keyed texts compared or sorted case-blind by the engine's own NOCASE: each statement is named.
void unkeyed(Catalogue &cat, const QString &name)
{
    cat.exec(QStringLiteral("SELECT ID FROM Actors WHERE Actor = ? ORDER BY ID"), {name});
    cat.exec(QStringLiteral("SELECT Genre FROM Genres ORDER BY Genre"));
    cat.exec(QStringLiteral("SELECT ID FROM Movies WHERE ID IN (SELECT ID FROM Movies "
                            "WHERE Title LIKE '%' || ? || '%')"), {name});
    cat.exec(QStringLiteral("UPDATE Movies SET OrderBy = ? WHERE Director = ?"), {name, name});
}
