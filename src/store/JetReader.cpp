// libmdb's header includes glib inside its extern "C" block, where glib's C++ templates do not
// compile: glib comes first (its include guard then skips it there), and both before Qt's macros.
#include <glib.h>
#include <iconv.h>
#include <mdbtools.h>

#include "JetReader.h"

#include "CinelogError.h"

#include <QDateTime>
#include <QFile>
#include <QStringDecoder>
#include <cmath>
#include <vector>

namespace {

constexpr int OffsetMask = 0x1fff;

CinelogError readError(const LoggedText &what)
{
    return CinelogError(ErrorNumber::Database, what);
}

// Jet keeps a date as days since 30 Dec 1899, the fraction being the time of day; before that day
// the whole part counts back and the fraction still runs forward (-1.25 is 29 Dec 1899, 06:00).
QVariant jetDateTime(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > 3.0e6)
        return QVariant(QMetaType::fromType<QDateTime>());
    double whole = std::trunc(value);
    qint64 seconds = qRound64(std::fabs(value - whole) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        whole += 1;
    }
    const QDate date = QDate(1899, 12, 30).addDays(qint64(whole));
    return QDateTime(date, QTime(0, 0).addSecs(int(seconds)), Qt::UTC);
}

SourceColumn::Type typeOf(const MdbColumn *col)
{
    switch (col->col_type) {
    case MDB_BOOL:
        return SourceColumn::Type::Boolean;
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_COMPLEX:
        return SourceColumn::Type::Integer;
    case MDB_FLOAT:
    case MDB_DOUBLE:
        return SourceColumn::Type::Real;
    case MDB_MONEY:
    case MDB_NUMERIC:
        return SourceColumn::Type::Decimal;
    case MDB_DATETIME:
        return SourceColumn::Type::DateTime;
    case MDB_TEXT:
    case MDB_REPID:
        return SourceColumn::Type::Text;
    case MDB_MEMO:
        return SourceColumn::Type::Memo;
    case MDB_OLE:
        return SourceColumn::Type::LongBytes;
    default:
        return SourceColumn::Type::Bytes;
    }
}

QString gstring(char *text)
{
    const QString out = text ? QString::fromUtf8(text) : QString();
    g_free(text);
    return out;
}

} // namespace

struct JetReader::Impl {
    QString path;
    MdbHandle *mdb = nullptr;
    bool jet3 = false;
    QStringDecoder codePage;
    int openCursors = 0;

    ~Impl()
    {
        if (mdb)
            mdb_close(mdb);
    }

    MdbCatalogEntry *entry(const QString &table) const
    {
        MdbCatalogEntry *folded = nullptr;
        for (unsigned i = 0; i < mdb->num_catalog; ++i) {
            auto *e = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
            if (e->object_type != MDB_TABLE || !mdb_is_user_table(e))
                continue;
            const QString name = QString::fromUtf8(e->object_name);
            if (name == table)
                return e;
            if (!folded && name.compare(table, Qt::CaseInsensitive) == 0)
                folded = e;
        }
        if (!folded)
            throw readError(logged("JetReader", "The Jet database '%1' has no table '%2'.").arg(path, table));
        return folded;
    }

    MdbTableDef *openTable(const QString &table) const
    {
        MdbTableDef *def = mdb_read_table(entry(table));
        if (!def)
            throw readError(logged("JetReader", "The table '%1' of '%2' could not be read.").arg(table, path));
        if (!mdb_read_columns(def)) {
            mdb_free_tabledef(def);
            throw readError(logged("JetReader", "The columns of table '%1' of '%2' could not be read.").arg(table, path));
        }
        return def;
    }

    QString text(const unsigned char *p, qsizetype len)
    {
        if (len <= 0)
            return QString(QLatin1String(""));
        if (jet3) {
            codePage.resetState();
            return codePage.decode(QByteArrayView(reinterpret_cast<const char *>(p), len));
        }
        // UCS-2, little-endian; "FF FE" starts the compressed form, in which each 00 byte switches
        // between one-byte characters (the low byte of U+0000..U+00FF) and two-byte ones.
        QString out;
        out.reserve(len);
        if (len >= 2 && p[0] == 0xff && p[1] == 0xfe) {
            bool compressed = true;
            qsizetype i = 2;
            while (i < len) {
                if (p[i] == 0) {
                    compressed = !compressed;
                    ++i;
                } else if (compressed) {
                    out.append(QChar(char16_t(p[i])));
                    ++i;
                } else if (i + 1 < len) {
                    out.append(QChar(char16_t(p[i] | (p[i + 1] << 8))));
                    i += 2;
                } else {
                    break;
                }
            }
        } else {
            for (qsizetype i = 0; i + 1 < len; i += 2)
                out.append(QChar(char16_t(p[i] | (p[i + 1] << 8))));
        }
        return out;
    }

    // A memo or OLE value: a 12-byte header on the row (length and flags, then where the data is),
    // the data inline after it, on one row of another page, or in a chain of such rows.
    QByteArray longValue(const MdbField &f, const char *table)
    {
        if (f.siz < MDB_MEMO_OVERHEAD)
            return QByteArray();
        const quint32 header = quint32(mdb_get_int32(mdb->pg_buf, f.start));
        const qsizetype declared = qsizetype(header & 0x3fffffffu);
        if (header & 0x80000000u)
            return QByteArray(reinterpret_cast<const char *>(mdb->pg_buf) + f.start + MDB_MEMO_OVERHEAD,
                              f.siz - MDB_MEMO_OVERHEAD);
        int pgRow = int(mdb_get_int32(mdb->pg_buf, f.start + 4));
        void *buf = nullptr;
        int off = 0;
        size_t len = 0;
        auto broken = [&] {
            return readError(logged("JetReader", "A long value in table '%1' of '%2' could not be read.")
                                 .arg(QString::fromUtf8(table), path));
        };
        if (header & 0x40000000u) {
            if (mdb_find_pg_row(mdb, pgRow, &buf, &off, &len) != 0)
                throw broken();
            QByteArray out(static_cast<const char *>(buf) + off, qsizetype(len));
            if (out.size() > declared)
                out.truncate(declared);
            return out;
        }
        if ((header & 0xff000000u) != 0)
            throw broken();
        QByteArray out;
        out.reserve(declared);
        // Each row of the chain starts with the next row's page and number; 0 ends it. A chain
        // longer than the declared length is broken (it might even loop).
        while (pgRow != 0) {
            if (mdb_find_pg_row(mdb, pgRow, &buf, &off, &len) != 0 || len < 4)
                throw broken();
            const char *row = static_cast<const char *>(buf) + off;
            pgRow = int(mdb_get_int32(buf, off));
            out.append(row + 4, qsizetype(len) - 4);
            if (out.size() > declared + qsizetype(mdb->fmt->pg_size))
                throw broken();
        }
        if (out.size() > declared)
            out.truncate(declared);
        return out;
    }
};

namespace {

class JetCursor : public SourceRowCursor
{
public:
    JetCursor(JetReader::Impl &d, MdbTableDef *table) : m_d(d), m_table(table), m_fields(table->num_cols)
    {
        ++m_d.openCursors;
        mdb_rewind_table(m_table);
        for (unsigned i = 0; i < m_table->num_cols; ++i)
            m_columns.push_back(static_cast<MdbColumn *>(g_ptr_array_index(m_table->columns, i)));
    }
    ~JetCursor() override
    {
        mdb_free_tabledef(m_table);
        --m_d.openCursors;
    }

    bool next(QVariantList &values) override
    {
        MdbHandle *mdb = m_d.mdb;
        // libmdb walks the table's pages and skips deleted rows; the row it stopped at is cracked
        // again here to reach each value's bytes and its Null flag (its own rendering of values to
        // text cuts long ones and cannot tell Null from empty text).
        if (!mdb_fetch_row(m_table))
            return false;
        int start = 0;
        size_t size = 0;
        if (mdb_find_row(mdb, int(m_table->cur_row) - 1, &start, &size) != 0)
            throw readError(logged("JetReader", "A row of table '%1' of '%2' could not be read.")
                                .arg(QString::fromUtf8(m_table->name), m_d.path));
        start &= OffsetMask;
        if (mdb_crack_row(m_table, start, size, m_fields.data()) < 0)
            throw readError(logged("JetReader", "A row of table '%1' of '%2' could not be read.")
                                .arg(QString::fromUtf8(m_table->name), m_d.path));
        values.resize(qsizetype(m_columns.size()));
        for (size_t i = 0; i < m_columns.size(); ++i)
            values[qsizetype(i)] = value(m_columns[i], m_fields[i]);
        return true;
    }

private:
    QVariant value(const MdbColumn *col, const MdbField &f)
    {
        // A Yes/No column keeps its value in the Null bit.
        if (col->col_type == MDB_BOOL)
            return QVariant(!f.is_null);
        if (f.is_null)
            return QVariant();
        MdbHandle *mdb = m_d.mdb;
        if (f.start < 0 || f.siz < 0 || f.start + f.siz > mdb->fmt->pg_size)
            throw readError(logged("JetReader", "A row of table '%1' of '%2' is damaged.")
                                .arg(QString::fromUtf8(m_table->name), m_d.path));
        const unsigned char *p = mdb->pg_buf + f.start;
        switch (col->col_type) {
        case MDB_BYTE:
            return qlonglong(p[0]);
        case MDB_INT:
            return qlonglong(qint16(mdb_get_int16(mdb->pg_buf, f.start)));
        case MDB_LONGINT:
        case MDB_COMPLEX:
            return qlonglong(qint32(mdb_get_int32(mdb->pg_buf, f.start)));
        case MDB_FLOAT:
            return double(mdb_get_single(mdb->pg_buf, f.start));
        case MDB_DOUBLE:
            return mdb_get_double(mdb->pg_buf, f.start);
        case MDB_MONEY:
            return gstring(mdb_money_to_string(mdb, f.start));
        case MDB_NUMERIC:
            return gstring(mdb_numeric_to_string(mdb, f.start, col->col_scale, col->col_prec));
        case MDB_DATETIME:
            return jetDateTime(mdb_get_double(mdb->pg_buf, f.start));
        case MDB_TEXT:
            return m_d.text(p, f.siz);
        case MDB_REPID:
            return gstring(mdb_uuid_to_string(mdb->pg_buf, f.start));
        case MDB_MEMO: {
            const QByteArray bytes = m_d.longValue(f, m_table->name);
            return m_d.text(reinterpret_cast<const unsigned char *>(bytes.constData()), bytes.size());
        }
        case MDB_OLE:
            return m_d.longValue(f, m_table->name);
        default:
            return QByteArray(reinterpret_cast<const char *>(p), f.siz);
        }
    }

    JetReader::Impl &m_d;
    MdbTableDef *m_table;
    std::vector<MdbField> m_fields;
    std::vector<MdbColumn *> m_columns;
};

} // namespace

JetReader::JetReader(const QString &path) : d(std::make_unique<Impl>())
{
    d->path = path;
    if (!isJetFile(path))
        throw readError(logged("JetReader", "'%1' is not a Jet database.").arg(path));
    d->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!d->mdb)
        throw readError(logged("JetReader", "The Jet database '%1' could not be opened.").arg(path));
    if (!mdb_read_catalog(d->mdb, MDB_TABLE))
        throw readError(logged("JetReader", "The table list of the Jet database '%1' could not be read.").arg(path));
    d->jet3 = d->mdb->f->jet_version == MDB_VER_JET3;
    if (d->jet3) {
        QByteArray name = qgetenv("MDB_JET3_CHARSET");
        if (name.isEmpty() && d->mdb->f->code_page > 0)
            name = "windows-" + QByteArray::number(d->mdb->f->code_page);
        d->codePage = QStringDecoder(name.constData());
        if (!d->codePage.isValid())
            d->codePage = QStringDecoder("windows-1252");
        if (!d->codePage.isValid())
            d->codePage = QStringDecoder(QStringDecoder::Latin1);
    }
}

JetReader::~JetReader() = default;

bool JetReader::isJetFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(20);
    if (head.size() < 20)
        return false;
    const QByteArray mark = head.mid(4, 16);
    return mark == QByteArray("Standard Jet DB\0", 16) || mark == QByteArray("Standard ACE DB\0", 16);
}

int JetReader::jetVersion() const
{
    switch (d->mdb->f->jet_version) {
    case MDB_VER_JET3:
        return 3;
    case MDB_VER_JET4:
        return 4;
    case MDB_VER_ACCDB_2007:
        return 12;
    case MDB_VER_ACCDB_2010:
        return 14;
    case MDB_VER_ACCDB_2013:
        return 15;
    case MDB_VER_ACCDB_2016:
        return 16;
    default:
        return 17;
    }
}

QStringList JetReader::tables()
{
    QStringList out;
    for (unsigned i = 0; i < d->mdb->num_catalog; ++i) {
        auto *e = static_cast<MdbCatalogEntry *>(g_ptr_array_index(d->mdb->catalog, i));
        if (e->object_type == MDB_TABLE && mdb_is_user_table(e))
            out << QString::fromUtf8(e->object_name);
    }
    return out;
}

QList<SourceColumn> JetReader::columns(const QString &table)
{
    MdbTableDef *def = d->openTable(table);
    QList<SourceColumn> out;
    for (unsigned i = 0; i < def->num_cols; ++i) {
        const auto *col = static_cast<const MdbColumn *>(g_ptr_array_index(def->columns, i));
        out.append(SourceColumn{QString::fromUtf8(col->name), typeOf(col)});
    }
    mdb_free_tabledef(def);
    return out;
}

qint64 JetReader::rowCount(const QString &table)
{
    MdbTableDef *def = mdb_read_table(d->entry(table));
    if (!def)
        return -1;
    const qint64 n = def->num_rows;
    mdb_free_tabledef(def);
    return n;
}

std::unique_ptr<SourceRowCursor> JetReader::rows(const QString &table)
{
    // The handle has one page buffer: two cursors would read each other's pages.
    if (d->openCursors > 0)
        throw readError(logged("JetReader", "Only one table of '%1' is read at a time.").arg(d->path));
    return std::make_unique<JetCursor>(*d, d->openTable(table));
}
