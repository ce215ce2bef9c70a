#include "SqliteFunctions.h"

#include "CinelogError.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QString>
#include <QVariant>
#include <memory>
#include <sqlite3.h>
#include <string>

namespace {

inline unsigned char asciiLower(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? c + 32 : c;
}

int collate(void *, int lenA, const void *a, int lenB, const void *b)
{
    return compareNoCase(static_cast<const char *>(a), lenA, static_cast<const char *>(b), lenB);
}

// A text as case-folded code points, so that '_' stands for one character whatever its size.
void foldInto(std::u32string &out, const unsigned char *text, int len)
{
    out.clear();
    out.reserve(size_t(len));
    bool ascii = true;
    for (int i = 0; i < len && ascii; ++i)
        ascii = !(text[i] & 0x80);
    if (ascii) {
        for (int i = 0; i < len; ++i)
            out.push_back(char32_t(asciiLower(text[i])));
        return;
    }
    const QString s = QString::fromUtf8(reinterpret_cast<const char *>(text), len);
    for (char32_t c : s.toUcs4())
        out.push_back(QChar::toCaseFolded(c));
}

// LIKE with '%' (any run) and '_' (one character), an optional escape character, case-insensitive.
bool likeMatch(const std::u32string &pattern, const std::u32string &text, char32_t escape, bool hasEscape)
{
    size_t p = 0, t = 0;
    size_t starP = std::u32string::npos, starT = 0;
    const size_t pn = pattern.size(), tn = text.size();
    while (t < tn) {
        if (p < pn) {
            const char32_t pc = pattern[p];
            if (hasEscape && pc == escape && p + 1 < pn) {
                if (pattern[p + 1] == text[t]) {
                    p += 2;
                    ++t;
                    continue;
                }
            } else if (pc == U'%') {
                starP = p++;
                starT = t;
                continue;
            } else if (pc == U'_' || pc == text[t]) {
                ++p;
                ++t;
                continue;
            }
        }
        if (starP != std::u32string::npos) {
            p = starP + 1;
            t = ++starT;
            continue;
        }
        return false;
    }
    while (p < pn && pattern[p] == U'%')
        ++p;
    return p == pn;
}

void deletePattern(void *p)
{
    delete static_cast<std::u32string *>(p);
}

void likeFunction(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    const unsigned char *pattern = sqlite3_value_text(argv[0]);
    const int patternLen = sqlite3_value_bytes(argv[0]);
    const unsigned char *text = sqlite3_value_text(argv[1]);
    const int textLen = sqlite3_value_bytes(argv[1]);
    if (!pattern || !text) {
        sqlite3_result_null(context);
        return;
    }
    char32_t escape = 0;
    bool hasEscape = false;
    if (argc == 3) {
        const unsigned char *e = sqlite3_value_text(argv[2]);
        std::u32string es;
        if (e)
            foldInto(es, e, sqlite3_value_bytes(argv[2]));
        if (es.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = es[0];
        hasEscape = true;
    }
    // The pattern is the same for every row of a statement: fold it once.
    auto *cached = static_cast<std::u32string *>(sqlite3_get_auxdata(context, 0));
    std::unique_ptr<std::u32string> made;
    if (!cached) {
        made = std::make_unique<std::u32string>();
        foldInto(*made, pattern, patternLen);
        cached = made.get();
    }
    thread_local std::u32string folded;
    foldInto(folded, text, textLen);
    sqlite3_result_int(context, likeMatch(*cached, folded, escape, hasEscape) ? 1 : 0);
    if (made)
        sqlite3_set_auxdata(context, 0, made.release(), deletePattern);
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
        throw CinelogError(ErrorNumber::Database, logged("SqliteFunctions", "The catalogue connection is not a SQLite connection."));
    sqlite3 *handle = *static_cast<sqlite3 *const *>(v.constData());
    if (!handle)
        throw CinelogError(ErrorNumber::Database, logged("SqliteFunctions", "The catalogue connection is not open."));
    return handle;
}

QString foldedText(const QString &text)
{
    bool ascii = true;
    for (QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return text.toLower();
    QString out;
    out.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        const char32_t f = QChar::toCaseFolded(c);
        if (QChar::requiresSurrogates(f)) {
            out.append(QChar(QChar::highSurrogate(f)));
            out.append(QChar(QChar::lowSurrogate(f)));
        } else {
            out.append(QChar(char16_t(f)));
        }
    }
    return out;
}

QVariant foldedKey(const QVariant &text)
{
    if (text.isNull())
        return QVariant(QMetaType::fromType<QString>());
    return foldedText(text.toString());
}

namespace {

void foldFunction(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const unsigned char *text = sqlite3_value_text(argv[0]);
    const int len = sqlite3_value_bytes(argv[0]);
    if (!text) {
        sqlite3_result_error_nomem(context);
        return;
    }
    bool ascii = true;
    for (int i = 0; i < len && ascii; ++i)
        ascii = !(text[i] & 0x80);
    if (ascii) {
        std::string out(reinterpret_cast<const char *>(text), size_t(len));
        for (char &c : out)
            c = char(asciiLower(static_cast<unsigned char>(c)));
        sqlite3_result_text(context, out.data(), len, SQLITE_TRANSIENT);
        return;
    }
    const QByteArray out = foldedText(QString::fromUtf8(reinterpret_cast<const char *>(text), len)).toUtf8();
    sqlite3_result_text(context, out.constData(), int(out.size()), SQLITE_TRANSIENT);
}

} // namespace

void registerCatalogueFunctions(sqlite3 *handle)
{
    auto check = [handle](int rc) {
        if (rc != SQLITE_OK)
            throw CinelogError(rc, logged("SqliteFunctions", "The catalogue's text comparison could not be installed: %1")
                                       .arg(QString::fromUtf8(sqlite3_errmsg(handle))));
    };
    // Names of our own only: what the engine itself defines (NOCASE, like()) stays as every other
    // program reading the file knows it.
    check(sqlite3_create_collation_v2(handle, "cinelog_nocase", SQLITE_UTF8, nullptr, collate, nullptr));
    check(sqlite3_create_function_v2(handle, "cinelog_fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                                     nullptr, foldFunction, nullptr, nullptr, nullptr));
    check(sqlite3_create_function_v2(handle, "cinelog_like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                                     nullptr, likeFunction, nullptr, nullptr, nullptr));
    check(sqlite3_create_function_v2(handle, "cinelog_like", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                                     nullptr, likeFunction, nullptr, nullptr, nullptr));
}

void registerCatalogueFunctions(QSqlDatabase &db)
{
    registerCatalogueFunctions(sqliteHandle(db));
}
