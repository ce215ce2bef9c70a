#include "CatalogueExport.h"
#include "Catalogue.h"
#include "ExportFiles.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QUrl>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'"':
            out += QLatin1String("&quot;");
            break;
        case u'\r':
            break;
        case u'\n':
            out += QLatin1String("<br>");
            break;
        default:
            // Other control characters are not allowed in a page; they are left out.
            if (c.unicode() >= 0x20 || c == u'\t')
                out += c;
        }
    }
    return out;
}

// Sorting is done in the page itself (no outside script): a click on a heading sorts by that
// column, a second click reverses; numbers sort as numbers, text by the reader's language.
const char *const Script = R"JS(
(function () {
  var table = document.getElementById('movies');
  var body = table.tBodies[0];
  var heads = table.tHead.rows[0].cells;
  var collator = new Intl.Collator(undefined, {numeric: true, sensitivity: 'base'});
  function key(row, i) {
    var cell = row.cells[i];
    return cell.hasAttribute('data-sort') ? cell.getAttribute('data-sort') : cell.textContent;
  }
  function sortBy(i) {
    var th = heads[i];
    var ascending = th.getAttribute('aria-sort') !== 'ascending';
    for (var h = 0; h < heads.length; h++) heads[h].removeAttribute('aria-sort');
    th.setAttribute('aria-sort', ascending ? 'ascending' : 'descending');
    var rows = Array.prototype.slice.call(body.rows);
    var keys = rows.map(function (r, n) { return {row: r, key: key(r, i), n: n}; });
    keys.sort(function (a, b) {
      var x = a.key, y = b.key, c;
      if (x === '' || y === '') c = (x === '') - (y === '');
      else c = collator.compare(x, y);
      if (c === 0) c = a.n - b.n;
      return ascending ? c : -c;
    });
    var fragment = document.createDocumentFragment();
    keys.forEach(function (k) { fragment.appendChild(k.row); });
    body.appendChild(fragment);
  }
  Array.prototype.forEach.call(heads, function (th, i) {
    if (th.classList.contains('nosort')) return;
    var button = document.createElement('button');
    button.type = 'button';
    button.textContent = th.textContent;
    th.textContent = '';
    th.appendChild(button);
    button.addEventListener('click', function () { sortBy(i); });
  });
})();
)JS";

const char *const Style = R"CSS(
body { font-family: sans-serif; margin: 0.5em; color: #111; background: #fff; }
h1 { font-size: 1.3em; }
.wrap { overflow-x: auto; -webkit-overflow-scrolling: touch; }
table { border-collapse: collapse; font-size: 0.9em; }
th, td { border-bottom: 1px solid #ccc; padding: 0.3em 0.5em; text-align: left; vertical-align: top; }
th { position: sticky; top: 0; background: #eee; white-space: nowrap; }
th button { font: inherit; font-weight: bold; background: none; border: 0; padding: 0; cursor: pointer; color: inherit; }
th[aria-sort=ascending] button::after { content: " \25B2"; }
th[aria-sort=descending] button::after { content: " \25BC"; }
td.cover img { width: 4em; height: auto; }
td.cast, td.episodes { min-width: 14em; }
@media (max-width: 40em) { body { margin: 0.2em; } table { font-size: 0.8em; } }
)CSS";

// Columns of the page: the cover, then every export column but the ID and the sort key (the
// title sorts by its sort key instead).
const int PageColumns[] = {ExportColumn::Title,      ExportColumn::ReleaseYear, ExportColumn::Director,   ExportColumn::Genre1,
                           ExportColumn::Genre2,     ExportColumn::Genre3,      ExportColumn::Medium,     ExportColumn::Format,
                           ExportColumn::Rating,     ExportColumn::RunningTime, ExportColumn::Discs,      ExportColumn::UserRating,
                           ExportColumn::EpisodeDisc, ExportColumn::Cast,       ExportColumn::Episodes,   ExportColumn::Url,
                           ExportColumn::LoanedTo,   ExportColumn::LoanedSince};

class HtmlWriter : public ExportWriter
{
public:
    HtmlWriter(const QString &path, Catalogue &catalogue, const QString &title)
        : m_target(path), m_page(path), m_cat(catalogue), m_title(title)
    {
        const QFileInfo fi(path);
        m_coverFolderName = fi.completeBaseName() + QStringLiteral("_covers");
        m_coverFolder = fi.absoluteDir().filePath(m_coverFolderName);
    }
    ~HtmlWriter() override
    {
        if (m_temp)
            m_temp->remove();
    }

    void begin(const QStringList &headings) override
    {
        m_temp = std::make_unique<QTemporaryDir>(QFileInfo(m_target).absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(m_coverFolderName)));
        if (!m_temp->isValid())
            exportFailed(m_target, m_temp->errorString());
        openSaveFile(m_page);
        const QString title = escaped(m_title.isEmpty() ? QStringLiteral("Movie catalogue") : m_title);
        out(QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                           "<title>%1</title>\n<style>%2</style>\n</head>\n<body>\n<h1>%1</h1>\n"
                           "<div class=\"wrap\">\n<table id=\"movies\">\n<thead>\n<tr><th class=\"nosort\">Cover</th>")
                .arg(title, QString::fromLatin1(Style)));
        for (int c : PageColumns)
            out(QStringLiteral("<th>%1</th>").arg(escaped(headings.value(c))));
        out(QStringLiteral("</tr>\n</thead>\n<tbody>\n"));
    }

    void row(const ExportRow &row) override
    {
        QString line = QStringLiteral("<tr><td class=\"cover\">");
        if (row.hasCover) {
            const QString file = thumbnail(row.movieId);
            if (!file.isEmpty())
                line += QStringLiteral("<img src=\"%1/%2\" alt=\"\" loading=\"lazy\">")
                            .arg(QString::fromLatin1(QUrl::toPercentEncoding(m_coverFolderName)), file);
        }
        line += QStringLiteral("</td>");
        for (int c : PageColumns) {
            const QString &v = row.values.value(c);
            if (c == ExportColumn::Title) {
                const QString sortKey = row.values.value(ExportColumn::SortKey);
                line += QStringLiteral("<td data-sort=\"%1\">%2</td>").arg(escaped(sortKey.isEmpty() ? v : sortKey), escaped(v));
            } else if (c == ExportColumn::Url) {
                const QUrl url(v, QUrl::StrictMode);
                const bool link = url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https") && !url.host().isEmpty();
                line += link ? QStringLiteral("<td><a href=\"%1\">%2</a></td>")
                                   .arg(escaped(QString::fromLatin1(url.toEncoded())), escaped(v))
                             : QStringLiteral("<td>%1</td>").arg(escaped(v));
            } else if (c == ExportColumn::Cast || c == ExportColumn::Episodes) {
                line += QStringLiteral("<td class=\"%1\">%2</td>")
                            .arg(c == ExportColumn::Cast ? QStringLiteral("cast") : QStringLiteral("episodes"), escaped(v));
            } else {
                line += QStringLiteral("<td>%1</td>").arg(escaped(v));
            }
        }
        line += QStringLiteral("</tr>\n");
        out(line);
    }

    void finish() override
    {
        out(QStringLiteral("</tbody>\n</table>\n</div>\n<script>%1</script>\n</body>\n</html>\n").arg(QString::fromLatin1(Script)));
        flush();
    }

    void commit() override
    {
        // The page and its cover folder replace an earlier export together: the old folder is
        // moved aside, the new one takes its name, the page is committed, the old one removed.
        const QByteArray folder = QFile::encodeName(m_coverFolder);
        QByteArray aside;
        if (QFileInfo::exists(m_coverFolder)) {
            aside = QFile::encodeName(m_temp->path() + QStringLiteral(".old"));
            if (std::rename(folder.constData(), aside.constData()) != 0)
                exportFailed(m_target, QString::fromLocal8Bit(std::strerror(errno)));
        }
        if (std::rename(QFile::encodeName(m_temp->path()).constData(), folder.constData()) != 0) {
            const int e = errno;
            if (!aside.isEmpty())
                std::rename(aside.constData(), folder.constData());
            exportFailed(m_target, QString::fromLocal8Bit(std::strerror(e)));
        }
        m_temp->setAutoRemove(false);
        m_temp.reset();
        try {
            commitSaveFile(m_page);
        } catch (...) {
            QDir(m_coverFolder).removeRecursively();
            if (!aside.isEmpty())
                std::rename(aside.constData(), folder.constData());
            throw;
        }
        if (!aside.isEmpty())
            QDir(QFile::decodeName(aside)).removeRecursively();
    }

private:
    // Writes a small picture of the movie's cover; its file name, or empty when the cover is not
    // a picture.
    QString thumbnail(int movieId)
    {
        const QByteArray bytes = m_cat.scalar(QStringLiteral("SELECT CoverData FROM Movies WHERE ID = ?"), {movieId}).toByteArray();
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer);
        const QSize size = reader.size();
        if (size.isValid() && size.height() > 0) {
            // Decode at the thumbnail's size, not the cover's.
            const int height = std::min(240, size.height());
            reader.setScaledSize(QSize(std::max(1, size.width() * height / size.height()), height));
        }
        const QImage image = reader.read();
        if (image.isNull())
            return QString();
        const QString name = QString::number(movieId) + QStringLiteral(".jpg");
        if (!image.convertToFormat(QImage::Format_RGB32).save(QDir(m_temp->path()).filePath(name), "JPEG", 80))
            exportFailed(m_target, logged("Export", "the cover of movie %1 could not be saved.").arg(movieId));
        return name;
    }

    void out(const QString &text)
    {
        m_buffer += text.toUtf8();
        if (m_buffer.size() > (1 << 16))
            flush();
    }
    void flush()
    {
        if (m_page.write(m_buffer) != m_buffer.size())
            exportFailed(m_target, m_page.errorString());
        m_buffer.clear();
    }

    QString m_target;
    QSaveFile m_page;
    Catalogue &m_cat;
    QString m_title;
    QString m_coverFolderName, m_coverFolder;
    std::unique_ptr<QTemporaryDir> m_temp;
    QByteArray m_buffer;
};

} // namespace

std::unique_ptr<ExportWriter> makeHtmlWriter(const QString &path, Catalogue &catalogue, const QString &pageTitle)
{
    return std::make_unique<HtmlWriter>(path, catalogue, pageTitle);
}
