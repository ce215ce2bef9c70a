#include "CommunitySearch.h"

#include "CommunityConnection.h"
#include "Services.h"
#include "TitleWords.h"

#include <QCoreApplication>
#include <QSet>

namespace {

// Title and year are selected as bytes, since the ODBC driver ends text at a NUL; QVariant reads the
// bytes back as UTF-8.
CommunityMatch matchOf(const QSqlQuery &q)
{
    return {q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()};
}

// '%' and '_' in a word are letters to find, not wildcards.
QString containsPattern(const QString &word)
{
    QString escaped;
    for (QChar c : word) {
        if (c == QLatin1Char('!') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += QLatin1Char('!');
        escaped += c;
    }
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

struct ProgressCloser {
    ProgressSink &progress;
    int maximum;
    bool open = false;
    ~ProgressCloser()
    {
        if (open)
            progress.UpdateProgress(maximum);
    }
};

}

QList<CommunityMatch> SearchMovies(CommunityConnection &remote, const QString &title, ProgressSink &progress)
{
    QList<CommunityMatch> out;
    QSet<QString> listed;
    {
        // sql-not-keyed: the community server's table, compared by the server's own collation
        QSqlQuery q = remote.exec(
            QStringLiteral("SELECT ID, CAST(Title AS BINARY), CAST(ReleaseYear AS BINARY) FROM Movies WHERE Title = ? "
                           "ORDER BY ID"),
            {title});
        while (q.next()) {
            out << matchOf(q);
            listed.insert(out.last().title);
        }
    }

    const QStringList words = TitleWords::words(title);
    if (words.isEmpty())
        return out;
    const int n = int(words.size()) - 1;
    ProgressCloser closer{progress, n == 0 ? 1 : n};
    progress.ShowProgress(QCoreApplication::translate("CommunitySearch", "Searching Cinelog..."), 0, closer.maximum);
    closer.open = true;
    for (int k = 0; k <= n; ++k) {
        progress.UpdateProgress(k);
        if (k == closer.maximum)
            closer.open = false;
        if (words[k].isEmpty())
            continue;
        // sql-not-keyed: the community server's table, compared by the server's own collation
        QSqlQuery q = remote.exec(
            QStringLiteral("SELECT ID, CAST(Title AS BINARY), CAST(ReleaseYear AS BINARY) FROM Movies "
                           "WHERE Title LIKE ? ESCAPE '!' ORDER BY ID"),
            {containsPattern(words[k])});
        while (q.next()) {
            CommunityMatch m = matchOf(q);
            if (listed.contains(m.title))
                continue;
            listed.insert(m.title);
            out << m;
        }
    }
    if (closer.open) {
        progress.UpdateProgress(closer.maximum);
        closer.open = false;
    }
    return out;
}
