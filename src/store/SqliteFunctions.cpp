#include "SqliteFunctions.h"

#include "CinelogError.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QString>
#include <QVariant>
#include <sqlite3.h>

namespace {

inline unsigned char asciiLower(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? c + 32 : c;
}

int collate(void *, int lenA, const void *a, int lenB, const void *b)
{
    return compareNoCase(static_cast<const char *>(a), lenA, static_cast<const char *>(b), lenB);
}

// Folds a whole text for matching: each character compared by its case-folded form.
QString folded(const unsigned char *text)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(text)).toCaseFolded();
}

// LIKE with '%' (any run) and '_' (one character), an optional escape character, case-insensitive.
bool likeMatch(const QString &pattern, const QString &text, QChar escape, bool hasEscape)
{
    qsizetype p = 0, t = 0;
    qsizetype starP = -1, starT = 0;
    const qsizetype pn = pattern.size(), tn = text.size();
    while (t < tn) {
        if (p < pn) {
            QChar pc = pattern.at(p);
            if (hasEscape && pc == escape && p + 1 < pn) {
                if (pattern.at(p + 1) == text.at(t)) {
                    p += 2;
                    ++t;
                    continue;
                }
            } else if (pc == QLatin1Char('%')) {
                starP = p++;
                starT = t;
                continue;
            } else if (pc == QLatin1Char('_') || pc == text.at(t)) {
                ++p;
                ++t;
                continue;
            }
        }
        if (starP >= 0) {
            p = starP + 1;
            t = ++starT;
            continue;
        }
        return false;
    }
    while (p < pn && pattern.at(p) == QLatin1Char('%'))
        ++p;
    return p == pn;
}

void likeFunction(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    const unsigned char *pattern = sqlite3_value_text(argv[0]);
    const unsigned char *text = sqlite3_value_text(argv[1]);
    if (!pattern || !text) {
        sqlite3_result_null(context);
        return;
    }
    QChar escape;
    bool hasEscape = false;
    if (argc == 3) {
        const unsigned char *e = sqlite3_value_text(argv[2]);
        QString es = e ? QString::fromUtf8(reinterpret_cast<const char *>(e)) : QString();
        if (es.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = es.at(0);
        hasEscape = true;
    }
    sqlite3_result_int(context, likeMatch(folded(pattern), folded(text), escape.toCaseFolded(), hasEscape) ? 1 : 0);
}

} // namespace

int compareNoCase(const char *a, int lenA, const char *b, int lenB)
{
    // Fast path for plain ASCII, which most names are.
    int n = lenA < lenB ? lenA : lenB;
    for (int i = 0; i < n; ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
        if ((ca | cb) & 0x80)
            goto unicode;
        ca = asciiLower(ca);
        cb = asciiLower(cb);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    {
        // Equal up to n: the remaining tail decides, unless it holds non-ASCII bytes.
        const char *rest = lenA > n ? a + n : b + n;
        int restLen = (lenA > n ? lenA : lenB) - n;
        bool ascii = true;
        for (int i = 0; i < restLen && ascii; ++i)
            ascii = !(static_cast<unsigned char>(rest[i]) & 0x80);
        if (ascii)
            return lenA == lenB ? 0 : (lenA < lenB ? -1 : 1);
    }
unicode:
    const QString sa = QString::fromUtf8(a, lenA), sb = QString::fromUtf8(b, lenB);
    return sa.compare(sb, Qt::CaseInsensitive);
}

sqlite3 *sqliteHandle(QSqlDatabase &db)
{
    const QVariant v = db.isValid() ? db.driver()->handle() : QVariant();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        throw CinelogError(ErrorNumber::Database, QStringLiteral("The catalogue connection is not a SQLite connection."));
    sqlite3 *handle = *static_cast<sqlite3 *const *>(v.constData());
    if (!handle)
        throw CinelogError(ErrorNumber::Database, QStringLiteral("The catalogue connection is not open."));
    return handle;
}

void registerCatalogueFunctions(sqlite3 *handle)
{
    auto check = [handle](int rc) {
        if (rc != SQLITE_OK)
            throw CinelogError(rc, QStringLiteral("The catalogue's text comparison could not be installed: ")
                                       + QString::fromUtf8(sqlite3_errmsg(handle)));
    };
    check(sqlite3_create_collation_v2(handle, "NOCASE", SQLITE_UTF8, nullptr, collate, nullptr));
    check(sqlite3_create_function_v2(handle, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction,
                                     nullptr, nullptr, nullptr));
    check(sqlite3_create_function_v2(handle, "like", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction,
                                     nullptr, nullptr, nullptr));
}

void registerCatalogueFunctions(QSqlDatabase &db)
{
    registerCatalogueFunctions(sqliteHandle(db));
}
