#include "WebLookup.h"

namespace WebLookup {

bool mayOpen(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

QUrl storedAddress(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0)
        return QUrl();
    // Tolerant parsing percent-encodes blanks and other characters an address may not carry.
    const QUrl url = QUrl::fromUserInput(t);
    return mayOpen(url) ? url : QUrl();
}

QUrl imdbFind(const QString &text, const char *kind)
{
    const QByteArray query = QUrl::toPercentEncoding(text) + ';' + kind + "=on;mx=20";
    return QUrl::fromEncoded("https://www.imdb.com/find?q=" + query, QUrl::StrictMode);
}

QUrl netflixSearch(const QString &text)
{
    QByteArray query = QUrl::toPercentEncoding(text, " ");
    query.replace(' ', '+');
    return QUrl::fromEncoded("https://www.netflix.com/Search?v1=" + query, QUrl::StrictMode);
}

QUrl productSite(const QString &webAddress)
{
    if (webAddress.isEmpty())
        return QUrl();
    const QUrl url(webAddress);
    return mayOpen(url) ? url : QUrl();
}

QUrl productForums(const QString &webAddress)
{
    QUrl site = productSite(webAddress);
    if (!site.isValid())
        return QUrl();
    QString path = site.path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    site.setPath(path + QStringLiteral("forums/"));
    return site;
}

} // namespace WebLookup
