// Excel 97-2003 (.xls) workbooks, and those of Excel 5 and 95: a record stream ("Workbook", or
// "Book" for the older ones) inside a compound document. The worksheets of Excel 2.x, 3.0 and 4.0
// are a record stream on their own, one worksheet to a file, with fewer kinds of records. Read
// here rather than through a library so that every length and index a damaged file states is
// checked before it is used: a damaged workbook ends in a message, never in a crash or in memory
// out of all proportion to the file.
#include "CinelogError.h"
#include "CompoundFile.h"
#include "WorkbookBackends.h"
#include "WorkbookCellText.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <cstring>
#include <optional>
#include <vector>

namespace {

namespace Rec {
constexpr quint16 Bof = 0x0809;
constexpr quint16 Eof = 0x000A;
constexpr quint16 Continue = 0x003C;
constexpr quint16 FilePass = 0x002F;
constexpr quint16 CodePage = 0x0042;
constexpr quint16 DateMode = 0x0022;
constexpr quint16 Format = 0x041E;
constexpr quint16 Xf = 0x00E0;
constexpr quint16 BoundSheet = 0x0085;
constexpr quint16 WsBool = 0x0081;
constexpr quint16 Dimensions = 0x0200;
constexpr quint16 Sst = 0x00FC;
constexpr quint16 Number = 0x0203;
constexpr quint16 Rk = 0x027E;
constexpr quint16 MulRk = 0x00BD;
constexpr quint16 LabelSst = 0x00FD;
constexpr quint16 Label = 0x0204;
constexpr quint16 RString = 0x00D6;
constexpr quint16 BoolErr = 0x0205;
constexpr quint16 Formula = 0x0006;
constexpr quint16 String = 0x0207;
// Excel 3.0 and 4.0 number some records apart from the later versions.
constexpr quint16 Bof3 = 0x0209, Bof4 = 0x0409;
constexpr quint16 Format2 = 0x001E; // also Excel 3.0's
constexpr quint16 Xf3 = 0x0243, Xf4 = 0x0443;
constexpr quint16 Formula3 = 0x0206, Formula4 = 0x0406;
// Excel 2.x records, whose cells carry three bytes of attributes where later cells have a style.
constexpr quint16 Bof2 = 0x0009;
constexpr quint16 Integer2 = 0x0002;
constexpr quint16 Number2 = 0x0003;
constexpr quint16 Label2 = 0x0004;
constexpr quint16 BoolErr2 = 0x0005;
constexpr quint16 String2 = 0x0007;
constexpr quint16 Xf2 = 0x0043;
constexpr quint16 Ixfe2 = 0x0044;
}

// What an Excel 2.x-4.0 file holds, by its beginning-of-file mark.
constexpr quint16 OldWorksheet = 0x0010, OldChart = 0x0020, OldMacroSheet = 0x0040, OldWorkbook = 0x0100;

constexpr quint16 Biff8 = 0x0600;
constexpr quint16 Biff5 = 0x0500;
constexpr quint16 GlobalsSubstream = 0x0005;
constexpr int WorksheetKind = 0;

// The file states something that cannot be: an offset, length or index outside what it holds.
struct Damage {
};

quint16 u16(const char *p)
{
    return quint16(quint8(p[0]) | quint16(quint8(p[1])) << 8);
}

quint32 u32(const char *p)
{
    return quint32(u16(p)) | quint32(u16(p + 2)) << 16;
}

double f64(const char *p)
{
    const quint64 bits = quint64(u32(p)) | quint64(u32(p + 4)) << 32;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// The compact number form: 30 bits of an integer or of a double's upper half, maybe in hundredths.
double rkValue(quint32 rk)
{
    double v;
    if (rk & 2) {
        v = double(qint32(rk) >> 2);
    } else {
        const quint64 bits = quint64(rk & 0xFFFFFFFC) << 32;
        std::memcpy(&v, &bits, sizeof v);
    }
    return rk & 1 ? v / 100 : v;
}

QString errorText(int code)
{
    static const std::pair<int, const char *> texts[] = {{0x00, "#NULL!"}, {0x07, "#DIV/0!"}, {0x0F, "#VALUE!"},
                                                         {0x17, "#REF!"},  {0x1D, "#NAME?"},  {0x24, "#NUM!"}};
    for (const auto &[number, text] : texts)
        if (number == code)
            return QString::fromLatin1(text);
    return QStringLiteral("#N/A"); // 0x2A, and any code Excel does not write
}

struct Record {
    quint16 type = 0;
    QByteArrayView data;
};

// The records of the stream from a given offset. A record whose stated length runs past the end
// of the stream is damage.
class Records
{
public:
    Records(const QByteArray &stream, qint64 offset) : m_stream(stream), m_pos(offset)
    {
        if (offset < 0 || offset > stream.size())
            throw Damage{};
    }

    bool next(Record &r)
    {
        if (m_pos + 4 > m_stream.size())
            return false;
        const char *h = m_stream.constData() + m_pos;
        const qint64 length = u16(h + 2);
        if (m_pos + 4 + length > m_stream.size())
            throw Damage{};
        r.type = u16(h);
        r.data = QByteArrayView(h + 4, length);
        m_pos += 4 + length;
        return true;
    }

    // The record and the continuation records right behind it, which carry on its data.
    std::vector<QByteArrayView> withContinuations(const Record &first)
    {
        std::vector<QByteArrayView> pieces{first.data};
        while (m_pos + 4 <= m_stream.size() && u16(m_stream.constData() + m_pos) == Rec::Continue) {
            Record r;
            next(r);
            pieces.push_back(r.data);
        }
        return pieces;
    }

private:
    const QByteArray &m_stream;
    qint64 m_pos;
};

// Reads values that may run on from one record into its continuation records. Text split there
// starts its continued part with a fresh flag byte saying whether the characters are one or two
// bytes wide.
class Pieces
{
public:
    explicit Pieces(std::vector<QByteArrayView> pieces) : m_pieces(std::move(pieces)) {}
    explicit Pieces(QByteArrayView data) : m_pieces{data} {}

    bool atEnd()
    {
        while (m_index < m_pieces.size() && m_pos >= m_pieces[m_index].size()) {
            ++m_index;
            m_pos = 0;
        }
        return m_index >= m_pieces.size();
    }

    quint8 u8()
    {
        if (atEnd())
            throw Damage{};
        return quint8(m_pieces[m_index][m_pos++]);
    }
    quint16 u16() { return quint16(u8() | quint16(u8()) << 8); }
    quint32 u32() { return quint32(u16()) | quint32(u16()) << 16; }

    void skip(qint64 n)
    {
        while (n > 0) {
            if (atEnd())
                throw Damage{};
            const qint64 here = std::min<qint64>(n, m_pieces[m_index].size() - m_pos);
            m_pos += here;
            n -= here;
        }
    }

    QString chars(qint64 count, bool wide)
    {
        QString out;
        out.reserve(qsizetype(std::min<qint64>(count, 8224)));
        while (count > 0) {
            if (m_index >= m_pieces.size())
                throw Damage{};
            const QByteArrayView piece = m_pieces[m_index];
            if (m_pos >= piece.size()) {
                ++m_index;
                m_pos = 0;
                if (m_index >= m_pieces.size() || m_pieces[m_index].isEmpty())
                    throw Damage{};
                wide = quint8(m_pieces[m_index][m_pos++]) & 1;
                continue;
            }
            const qint64 available = wide ? (piece.size() - m_pos) / 2 : piece.size() - m_pos;
            if (available == 0)
                throw Damage{}; // half a character before the break
            const qint64 n = std::min(count, available);
            const char *p = piece.data() + m_pos;
            if (wide) {
                for (qint64 i = 0; i < n; ++i)
                    out += QChar(::u16(p + 2 * i));
                m_pos += 2 * n;
            } else {
                out += QString::fromLatin1(p, qsizetype(n));
                m_pos += n;
            }
            count -= n;
        }
        return out;
    }

    // Text with its length, flags, and any formatting runs and phonetic guide after the characters.
    QString unicodeText(bool byteLength = false)
    {
        const qint64 count = byteLength ? u8() : u16();
        const quint8 flags = u8();
        const quint16 runs = flags & 0x08 ? u16() : 0;
        const quint32 extra = flags & 0x04 ? u32() : 0;
        const QString text = chars(count, flags & 0x01);
        skip(4 * qint64(runs));
        skip(extra);
        return text;
    }

    QByteArray bytes(qint64 count)
    {
        QByteArray out;
        while (count > 0) {
            if (atEnd())
                throw Damage{};
            const QByteArrayView piece = m_pieces[m_index];
            const qint64 n = std::min<qint64>(count, piece.size() - m_pos);
            out.append(piece.data() + m_pos, qsizetype(n));
            m_pos += n;
            count -= n;
        }
        return out;
    }

private:
    std::vector<QByteArrayView> m_pieces;
    size_t m_index = 0;
    qint64 m_pos = 0;
};

// Text of Excel 5 and 95 workbooks is in the workbook's code page.
QByteArray codePageName(int codePage)
{
    switch (codePage) {
    case 367:
        return "US-ASCII";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 10000:
    case 32768:
        return "macintosh";
    case 1200:
        return "UTF-16LE";
    case 65001:
        return "UTF-8";
    case 32769:
        return "windows-1252";
    default:
        if (codePage >= 1250 && codePage <= 1258)
            return "windows-" + QByteArray::number(codePage);
        if (codePage == 874)
            return "windows-874";
        return "IBM" + QByteArray::number(codePage);
    }
}

struct Sheet {
    QString name;
    qint64 offset = 0;
};

class XlsReader : public WorkbookReader
{
public:
    XlsReader(const QString &path, const WorkbookLimits &limits) : WorkbookReader(path, limits)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            throw CinelogError(ErrorNumber::PermissionDenied, workbookMessage(path, logged("Workbook", "cannot be read: %1").arg(f.errorString())));
        if (f.size() > limits.maxFileBytes)
            throw CinelogError(ErrorNumber::Overflow, workbookMessage(path, logged("Workbook", "is too large to import.")));
        const QByteArray file = f.read(limits.maxFileBytes + 1);
        if (file.size() > limits.maxFileBytes)
            throw CinelogError(ErrorNumber::Overflow, workbookMessage(path, logged("Workbook", "is too large to import.")));

        switch (CompoundFile::readStream(file, {QStringLiteral("Workbook"), QStringLiteral("Book")}, &m_stream)) {
        case CompoundFile::Status::Ok:
            break;
        case CompoundFile::Status::NotCompound:
            if (!isOldExcel(file))
                fail(logged("Workbook", "is not an Excel 97-2003 workbook (.xls)."));
            m_stream = file; // the records themselves
            m_oldVersion = -1;
            break;
        case CompoundFile::Status::NoSuchStream:
            // Excel keeps a newer workbook saved with a password in a compound document too.
            if (CompoundFile::hasStreams(file, {QStringLiteral("EncryptionInfo"), QStringLiteral("EncryptedPackage")})
                == CompoundFile::Status::Ok)
                fail(passwordProtectedText());
            fail(logged("Workbook", "holds no Excel workbook; it may be another kind of Office document."));
        case CompoundFile::Status::Damaged:
            damaged();
        }
        try {
            if (m_oldVersion != 0)
                readOldWorksheetGlobals();
            else
                readGlobals();
        } catch (const Damage &) {
            damaged();
        }
    }

    QStringList worksheetNames() const override
    {
        QStringList names;
        for (const Sheet &s : m_sheets)
            names << s.name;
        return names;
    }

    SheetData readSheet(int index) override
    {
        checkIndex(index);
        SheetData sheet(m_sheets.at(size_t(index)).name, m_limits, m_path);
        try {
            readCells(m_sheets.at(size_t(index)).offset, sheet);
        } catch (const Damage &) {
            damaged();
        }
        return sheet;
    }

private:
    static bool isOldExcel(const QByteArray &file)
    {
        // The first record of an Excel 2, 3 or 4 file is its beginning-of-file mark.
        return file.size() >= 4 && file.at(0) == '\x09' && (file.at(1) == 0 || file.at(1) == 2 || file.at(1) == 4);
    }

    // An Excel 2.x-4.0 file: its kind, then the records that apply to the whole sheet (code page,
    // date system, password, number formats and styles), which come before the cells.
    void readOldWorksheetGlobals()
    {
        Records records(m_stream, 0);
        Record r;
        if (!records.next(r) || r.data.size() < 4)
            throw Damage{};
        m_oldVersion = r.type == Rec::Bof2 ? 2 : r.type == Rec::Bof3 ? 3 : r.type == Rec::Bof4 ? 4 : 0;
        if (m_oldVersion == 0)
            throw Damage{};
        m_biff8 = false;
        switch (u16(r.data.data() + 2)) {
        case OldWorksheet:
            break;
        case OldChart:
            fail(logged("Workbook", "is a chart saved by Excel 4 or earlier; it holds no worksheet to import."));
        case OldMacroSheet:
            fail(logged("Workbook", "is a macro sheet saved by Excel 4 or earlier; it holds no worksheet to import."));
        case OldWorkbook:
            fail(logged("Workbook", "is a workbook or workspace saved by Excel 4, which cannot be imported. Save its worksheets "
                                "again as an Excel 97-2003 workbook (.xls) or as .xlsx."));
        default:
            throw Damage{};
        }
        // The one worksheet is named after the file, as Excel names it.
        m_sheets.push_back(Sheet{QFileInfo(m_path).completeBaseName(), 0});
        int formats = 0; // numbered in the order they come
        while (records.next(r)) {
            const char *d = r.data.data();
            const qsizetype n = r.data.size();
            if (r.type == Rec::Eof || r.type == Rec::Bof2 || r.type == Rec::Bof3 || r.type == Rec::Bof4)
                break;
            switch (r.type) {
            case Rec::FilePass:
                fail(passwordProtectedText());
            case Rec::CodePage:
                if (n >= 2)
                    setCodePage(u16(d));
                break;
            case Rec::DateMode:
                if (n >= 2)
                    m_epoch1904 = u16(d) == 1;
                break;
            case Rec::Format2:
            case Rec::Format: {
                Pieces p(r.data);
                if (r.type == Rec::Format)
                    p.skip(2); // Excel 4.0 states a number here that nothing uses
                m_formats.insert(formats++, byteText(p, false));
                break;
            }
            case Rec::Xf2:
                if (n >= 3)
                    m_xfFormats.push_back(quint8(d[2]) & 0x3F);
                break;
            case Rec::Xf3:
            case Rec::Xf4:
                if (n >= 2)
                    m_xfFormats.push_back(quint8(d[1]));
                break;
            default:
                break;
            }
        }
    }

    void readGlobals()
    {
        Records records(m_stream, 0);
        Record r;
        if (!records.next(r) || r.type != Rec::Bof || r.data.size() < 4 || u16(r.data.data() + 2) != GlobalsSubstream)
            throw Damage{};
        const quint16 version = u16(r.data.data());
        if (version != Biff8 && version != Biff5)
            throw Damage{};
        m_biff8 = version == Biff8;
        for (;;) {
            if (!records.next(r))
                throw Damage{}; // no end to the workbook's own records
            const char *d = r.data.data();
            const qsizetype n = r.data.size();
            switch (r.type) {
            case Rec::Eof:
                return;
            case Rec::FilePass:
                fail(passwordProtectedText());
            case Rec::CodePage:
                if (n >= 2)
                    setCodePage(u16(d));
                break;
            case Rec::DateMode:
                if (n >= 2)
                    m_epoch1904 = u16(d) == 1;
                break;
            case Rec::Xf:
                if (n >= 4)
                    m_xfFormats.push_back(u16(d + 2));
                break;
            case Rec::Format:
                if (n >= 3) {
                    Pieces p(r.data);
                    const quint16 id = p.u16();
                    m_formats.insert(id, m_biff8 ? p.unicodeText() : byteText(p, false));
                }
                break;
            case Rec::BoundSheet:
                if (n >= 7) {
                    Pieces p(r.data);
                    Sheet s;
                    s.offset = p.u32();
                    p.u8(); // visibility: hidden sheets are offered too
                    const int kind = p.u8();
                    s.name = m_biff8 ? p.unicodeText(true) : byteText(p, false);
                    if (kind != WorksheetKind || isDialogSheet(s.offset))
                        break; // charts, macro and dialog sheets hold no cells to import
                    if (m_sheets.size() >= size_t(m_limits.maxSheets))
                        throw CinelogError(ErrorNumber::Overflow, workbookMessage(m_path, logged("Workbook", "has too many worksheets.")));
                    m_sheets.push_back(s);
                }
                break;
            case Rec::Sst:
                readSharedTexts(records.withContinuations(r));
                break;
            default:
                break;
            }
        }
    }

    // A dialog sheet is listed as a worksheet; its own options, which come before its cells, tell.
    bool isDialogSheet(qint64 offset) const
    {
        try {
            Records records(m_stream, offset);
            Record r;
            if (!records.next(r) || r.type != Rec::Bof)
                return false;
            while (records.next(r) && r.type != Rec::Eof && r.type != Rec::Bof && r.type != Rec::Dimensions) {
                if (r.type == Rec::WsBool && r.data.size() >= 1)
                    return quint8(r.data[0]) & 0x10;
            }
        } catch (const Damage &) {
            // a sheet out of place is reported when it is read
        }
        return false;
    }

    void readSharedTexts(std::vector<QByteArrayView> pieces)
    {
        Pieces p(std::move(pieces));
        p.u32(); // references to the table, not needed
        const quint32 count = p.u32();
        for (quint32 i = 0; i < count && !p.atEnd(); ++i)
            m_shared.push_back(p.unicodeText());
    }

    bool isBof(quint16 type) const
    {
        return type == Rec::Bof || (m_oldVersion > 0 && (type == Rec::Bof2 || type == Rec::Bof3 || type == Rec::Bof4));
    }

    void readCells(qint64 offset, SheetData &sheet)
    {
        Records records(m_stream, offset);
        Record r;
        if (!records.next(r) || !isBof(r.type))
            throw Damage{};
        // Charts placed on the sheet are streams of their own within it, between a further
        // beginning and end mark.
        int depth = 1;
        int textRow = -1, textColumn = -1; // a formula whose text result follows
        int ixfe = 0;                      // the style of the next Excel 2.x cell whose own cannot say it
        while (depth > 0) {
            if (!records.next(r))
                throw Damage{};
            if (isBof(r.type)) {
                ++depth;
                continue;
            }
            if (r.type == Rec::Eof) {
                --depth;
                continue;
            }
            if (depth != 1)
                continue;
            const char *d = r.data.data();
            const qsizetype n = r.data.size();
            if (m_oldVersion == 2) {
                readExcel2Cell(r, records, sheet, textRow, textColumn, ixfe);
                continue;
            }
            if (r.type == Rec::String && textRow >= 0) {
                Pieces p(records.withContinuations(r));
                put(sheet, textRow, textColumn, m_biff8 ? p.unicodeText() : byteText(p, true));
                textRow = -1;
                continue;
            }
            if (n < 6)
                continue;
            const int row = u16(d), column = u16(d + 2), xf = u16(d + 4);
            switch (r.type) {
            case Rec::Number:
                if (n >= 14)
                    put(sheet, row, column, numberText(f64(d + 6), xf));
                break;
            case Rec::Rk:
                if (n >= 10)
                    put(sheet, row, column, numberText(rkValue(u32(d + 6)), xf));
                break;
            case Rec::MulRk:
                // Row, first column, then six bytes (style and number) per cell, then the last column.
                for (qsizetype i = 0; 4 + 6 * (i + 1) + 2 <= n; ++i)
                    put(sheet, row, column + int(i), numberText(rkValue(u32(d + 4 + 6 * i + 2)), u16(d + 4 + 6 * i)));
                break;
            case Rec::LabelSst:
                if (n >= 10) {
                    const quint32 index = u32(d + 6);
                    if (index >= m_shared.size())
                        throw Damage{};
                    put(sheet, row, column, m_shared[index]);
                }
                break;
            case Rec::Label:
            case Rec::RString: {
                Pieces p(records.withContinuations(r));
                p.skip(6);
                put(sheet, row, column, m_biff8 ? p.unicodeText() : byteText(p, true));
                break;
            }
            case Rec::BoolErr:
                if (n >= 8)
                    put(sheet, row, column, d[7] ? errorText(quint8(d[6])) : CellText::boolean(d[6] != 0));
                break;
            case Rec::Formula:
            case Rec::Formula3:
            case Rec::Formula4:
                if (r.type != Rec::Formula && m_oldVersion == 0)
                    break;
                if (n >= 14)
                    putFormulaResult(sheet, row, column, d + 6, [&](double v) { return numberText(v, xf); }, textRow, textColumn);
                break;
            default:
                break;
            }
        }
    }

    // A formula's cached result, eight bytes: a number, or a marker for text (which comes in the
    // next string record), a boolean or an error.
    template <typename NumberText>
    void putFormulaResult(SheetData &sheet, int row, int column, const char *result, NumberText numberText, int &textRow,
                          int &textColumn)
    {
        if (u16(result + 6) != 0xFFFF) {
            put(sheet, row, column, numberText(f64(result)));
        } else if (result[0] == 0) {
            textRow = row;
            textColumn = column;
        } else if (result[0] == 1) {
            put(sheet, row, column, CellText::boolean(result[2] != 0));
        } else if (result[0] == 2) {
            put(sheet, row, column, errorText(quint8(result[2])));
        }
    }

    // The cells of an Excel 2.x worksheet: row, column and three bytes of attributes, then the value.
    void readExcel2Cell(const Record &r, Records &records, SheetData &sheet, int &textRow, int &textColumn, int &ixfe)
    {
        const char *d = r.data.data();
        const qsizetype n = r.data.size();
        if (r.type == Rec::Ixfe2) {
            if (n >= 2)
                ixfe = u16(d);
            return;
        }
        if (r.type == Rec::String2 && textRow >= 0) {
            Pieces p(records.withContinuations(r));
            put(sheet, textRow, textColumn, byteText(p, false));
            textRow = -1;
            return;
        }
        if (n < 7)
            return;
        const int row = u16(d), column = u16(d + 2);
        // The style's number format; a file without styles keeps the format in the attributes.
        int format = quint8(d[5]) & 0x3F;
        if (!m_xfFormats.empty()) {
            const int xf = (quint8(d[4]) & 0x3F) == 63 ? ixfe : quint8(d[4]) & 0x3F;
            format = xf < int(m_xfFormats.size()) ? m_xfFormats[size_t(xf)] : 0;
        }
        switch (r.type) {
        case Rec::Integer2:
            if (n >= 9)
                put(sheet, row, column, formatText(u16(d + 7), format));
            break;
        case Rec::Number2:
            if (n >= 15)
                put(sheet, row, column, formatText(f64(d + 7), format));
            break;
        case Rec::Label2: {
            Pieces p(records.withContinuations(r));
            p.skip(7);
            put(sheet, row, column, byteText(p, false));
            break;
        }
        case Rec::BoolErr2:
            if (n >= 9)
                put(sheet, row, column, d[8] ? errorText(quint8(d[7])) : CellText::boolean(d[7] != 0));
            break;
        case Rec::Formula:
            if (n >= 15)
                putFormulaResult(sheet, row, column, d + 7, [&](double v) { return formatText(v, format); }, textRow, textColumn);
            break;
        default:
            break;
        }
    }

    static void put(SheetData &sheet, int row, int column, const QString &text)
    {
        sheet.setCell(qint64(row) + 1, qint64(column) + 1, text);
    }

    QString numberText(double value, int xf) const
    {
        return formatText(value, xf >= 0 && xf < int(m_xfFormats.size()) ? m_xfFormats[size_t(xf)] : 0);
    }

    QString formatText(double value, int format) const
    {
        auto compiled = m_compiled.constFind(format);
        if (compiled == m_compiled.cend()) {
            const auto code = m_formats.constFind(format);
            // Excel 2.x-4.0 write every format they use; later versions leave the built-in ones out.
            compiled = m_compiled.insert(format, code != m_formats.cend() ? CellText::NumberFormat::fromCode(*code)
                                                 : m_oldVersion > 0       ? CellText::NumberFormat()
                                                                          : CellText::NumberFormat::builtIn(format));
        }
        return compiled->text(value, m_epoch1904);
    }

    void setCodePage(int codePage)
    {
        if (m_biff8)
            return; // text carries its own width flag
        QStringDecoder decoder(codePageName(codePage).constData(), QStringConverter::Flag::Stateless);
        if (decoder.isValid())
            m_decoder.emplace(std::move(decoder));
    }

    // Text of an Excel 5 or 95 workbook: a byte or two-byte length, then the bytes.
    QString byteText(Pieces &p, bool twoByteLength)
    {
        const qint64 count = twoByteLength ? p.u16() : p.u8();
        const QByteArray bytes = p.bytes(count);
        if (m_decoder)
            return m_decoder->decode(bytes);
        return QString::fromLatin1(bytes); // Western European, the code page nearly all such files use
    }

    [[noreturn]] void fail(const LoggedText &what) const
    {
        throw CinelogError(ErrorNumber::InvalidProcedureCall, workbookMessage(m_path, what));
    }

    [[noreturn]] void damaged() const { fail(logged("Workbook", "cannot be read: it is damaged or not an Excel workbook.")); }

    QByteArray m_stream;
    int m_oldVersion = 0; // 2, 3 or 4 for a worksheet of Excel 2.x-4.0 (-1 until its first record is read)
    bool m_biff8 = true;
    bool m_epoch1904 = false;
    std::optional<QStringDecoder> m_decoder;
    std::vector<quint16> m_xfFormats;
    QHash<int, QString> m_formats;
    mutable QHash<int, CellText::NumberFormat> m_compiled;
    std::vector<QString> m_shared;
    std::vector<Sheet> m_sheets;
};

}

std::unique_ptr<WorkbookReader> openXlsWorkbook(const QString &path, const WorkbookLimits &limits)
{
    return std::make_unique<XlsReader>(path, limits);
}
