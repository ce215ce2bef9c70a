// Each statement here pastes a value into SQL text; the check must name every one.
void concatenated(Catalogue &cat, const QString &title)
{
    cat.exec(QStringLiteral("SELECT ID FROM Movies WHERE TitleKey = '") + title + QStringLiteral("'"));
}

void filledIn(Catalogue &cat, int id)
{
    cat.exec(QStringLiteral("DELETE FROM Movies WHERE ID = %1").arg(id));
}

void appended(Catalogue &cat, const QString &name)
{
    QString sql = QStringLiteral("SELECT ID FROM Actors");
    sql += QStringLiteral(" WHERE ActorKey LIKE '") + name + QStringLiteral("%'");
    cat.exec(sql);
}

void multiLine(Catalogue &cat, const QString &genre)
{
    cat.exec(QStringLiteral("UPDATE Movies SET Genre1 = NULL "
                            "WHERE Genre1 = '%1'")
                 .arg(genre));
}

void plainLiterals(QSqlQuery &q, const char *year)
{
    q.exec(QString("INSERT INTO Movies (ReleaseYear) VALUES (") + year + ")");
}
