#include "IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

struct Line {
    qsizetype start; // offset of the first byte of the line
    qsizetype end;   // offset just past the line's text (before the line break)
    qsizetype next;  // offset of the next line
};

Line lineAt(const QByteArray &data, qsizetype pos)
{
    qsizetype nl = data.indexOf('\n', pos);
    qsizetype next = nl < 0 ? data.size() : nl + 1;
    qsizetype end = nl < 0 ? data.size() : nl;
    if (end > pos && data.at(end - 1) == '\r')
        --end;
    return {pos, end, next};
}

QString sectionName(const QByteArray &text)
{
    QByteArray t = text.trimmed();
    if (t.size() >= 2 && t.startsWith('[')) {
        qsizetype close = t.indexOf(']');
        if (close > 0)
            return QString::fromUtf8(t.mid(1, close - 1)).trimmed();
    }
    return QString();
}

bool isSectionLine(const QByteArray &text)
{
    QByteArray t = text.trimmed();
    return t.startsWith('[') && t.indexOf(']') > 0;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a section's lines are; body runs up to the next section header or the end of the file.
struct SectionSpan {
    bool found = false;
    qsizetype bodyStart = 0;
    qsizetype bodyEnd = 0;
};

SectionSpan findSection(const QByteArray &data, const QString &section)
{
    SectionSpan span;
    qsizetype pos = 0;
    while (pos < data.size()) {
        Line l = lineAt(data, pos);
        QByteArray text = data.mid(l.start, l.end - l.start);
        if (isSectionLine(text)) {
            if (span.found) {
                span.bodyEnd = l.start;
                return span;
            }
            if (sameName(sectionName(text), section)) {
                span.found = true;
                span.bodyStart = l.next;
            }
        }
        pos = l.next;
    }
    if (span.found)
        span.bodyEnd = data.size();
    return span;
}

// Splits "key=value"; comment lines (';' or '#') and lines without '=' have no key.
bool splitKey(const QByteArray &text, QString &key, qsizetype &eqPos)
{
    QByteArray t = text.trimmed();
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#'))
        return false;
    eqPos = text.indexOf('=');
    if (eqPos < 0)
        return false;
    key = QString::fromUtf8(text.left(eqPos)).trimmed();
    return !key.isEmpty();
}

QString unquote(QString v)
{
    v = v.trimmed();
    if (v.size() >= 2 && ((v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
                          || (v.startsWith(QLatin1Char('\'')) && v.endsWith(QLatin1Char('\'')))))
        v = v.mid(1, v.size() - 2);
    return v;
}

QByteArray lineBreakOf(const QByteArray &data)
{
    qsizetype nl = data.indexOf('\n');
    if (nl > 0 && data.at(nl - 1) == '\r')
        return QByteArrayLiteral("\r\n");
    return QByteArrayLiteral("\n");
}

// Values are stored on one line: line breaks and NUL characters inside a value would split or cut it.
QByteArray encodeValue(const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    v.remove(QChar(0));
    return v.toUtf8();
}

QByteArray encodeName(const QString &name)
{
    return encodeValue(name).trimmed();
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

void IniFile::setPath(const QString &path)
{
    m_path = path;
    m_loaded = false;
    m_data.clear();
}

bool IniFile::exists() const
{
    return !m_path.isEmpty() && QFileInfo::exists(m_path);
}

void IniFile::load() const
{
    if (m_batchDepth > 0 && m_loaded)
        return;
    QFileInfo fi(m_path);
    if (m_loaded && fi.exists() && fi.lastModified() == m_loadedStamp && fi.size() == m_loadedSize)
        return;
    m_data.clear();
    m_loaded = true;
    m_unreadable = false;
    m_loadedStamp = fi.exists() ? fi.lastModified() : QDateTime();
    m_loadedSize = fi.exists() ? fi.size() : -1;
    if (!fi.exists() || fi.size() > MaxFileSize)
        return;
    QFile f(m_path);
    if (!f.open(QIODevice::ReadOnly)) {
        // A file that is there but cannot be read (no read permission): writing it would replace
        // everything it holds with the few lines written.
        m_unreadable = true;
        return;
    }
    m_data = f.read(MaxFileSize);
    if (f.error() != QFileDevice::NoError) {
        m_data.clear();
        m_unreadable = true;
    }
}

QString IniFile::read(const QString &section, const QString &key) const
{
    if (m_path.isEmpty())
        return QString();
    load();
    SectionSpan span = findSection(m_data, section);
    if (!span.found)
        return QString();
    qsizetype pos = span.bodyStart;
    while (pos < span.bodyEnd) {
        Line l = lineAt(m_data, pos);
        QByteArray text = m_data.mid(l.start, l.end - l.start);
        QString k;
        qsizetype eq = 0;
        if (splitKey(text, k, eq) && sameName(k, key)) {
            QString value = unquote(QString::fromUtf8(text.mid(eq + 1)));
            qsizetype nul = value.indexOf(QChar(0));
            if (nul >= 0)
                value.truncate(nul);
            return value.left(MaxValueLength);
        }
        pos = l.next;
    }
    return QString();
}

bool IniFile::write(const QString &section, const QString &key, const QString &value)
{
    if (m_path.isEmpty())
        return false;
    load();
    // A file too large to read would be replaced by the one line written, losing all the rest.
    if (m_loadedSize > MaxFileSize)
        return false;
    // Settings that were not read are never written.
    if (m_unreadable)
        return false;
    const QByteArray nl = m_data.isEmpty() ? QByteArrayLiteral("\n") : lineBreakOf(m_data);
    const QByteArray newLine = encodeName(key) + '=' + encodeValue(value);
    SectionSpan span = findSection(m_data, section);
    if (!span.found) {
        if (!m_data.isEmpty() && !m_data.endsWith('\n'))
            m_data += nl;
        m_data += '[' + encodeName(section) + ']' + nl + newLine + nl;
    } else {
        qsizetype pos = span.bodyStart;
        qsizetype lastKeyEnd = -1;
        bool replaced = false;
        while (pos < span.bodyEnd) {
            Line l = lineAt(m_data, pos);
            QByteArray text = m_data.mid(l.start, l.end - l.start);
            QString k;
            qsizetype eq = 0;
            if (splitKey(text, k, eq)) {
                if (sameName(k, key)) {
                    // Keep the key as spelled in the file; only the value changes.
                    m_data.replace(l.start + eq + 1, l.end - (l.start + eq + 1), encodeValue(value));
                    replaced = true;
                    break;
                }
                lastKeyEnd = l.next;
                if (l.next == l.end) // last line of the file without a line break
                    lastKeyEnd = -2;
            }
            pos = l.next;
        }
        if (!replaced) {
            if (lastKeyEnd == -2) {
                m_data += nl + newLine + nl;
            } else {
                qsizetype at = lastKeyEnd >= 0 ? lastKeyEnd : span.bodyStart;
                // A header on the file's last line, without a line break: the new line goes after
                // the break added here, not onto the header's own line.
                if (at > 0 && at == m_data.size() && !m_data.endsWith('\n')) {
                    m_data += nl;
                    at = m_data.size();
                }
                m_data.insert(at, newLine + nl);
            }
        }
    }
    m_dirty = true;
    if (m_batchDepth > 0)
        return true;
    return store();
}

bool IniFile::store()
{
    if (m_unreadable)
        return false;
    QSaveFile f(m_path);
    bool ok = f.open(QIODevice::WriteOnly) && f.write(m_data) == m_data.size() && f.commit();
    if (!ok) {
        // Let the next read see what is really on disk.
        m_loaded = false;
        return false;
    }
    m_dirty = false;
    QFileInfo fi(m_path);
    m_loadedStamp = fi.lastModified();
    m_loadedSize = fi.size();
    return true;
}

void IniFile::beginBatch()
{
    if (m_batchDepth++ == 0)
        load();
}

bool IniFile::endBatch()
{
    if (m_batchDepth == 0 || --m_batchDepth > 0)
        return true;
    return m_dirty ? store() : true;
}
