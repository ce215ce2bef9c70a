#pragma once

// Writes Excel 2.x-2003 workbooks record by record, and the compound document around them, so
// tests can lay out exactly the records Excel writes (shared texts split over continuation
// records, compact numbers, formula results, charts inside sheets) and then damage any of it.

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstring>
#include <vector>

namespace XlsTestFile {

inline QByteArray le16(quint32 v)
{
    QByteArray b(2, 0);
    b[0] = char(v & 0xFF);
    b[1] = char((v >> 8) & 0xFF);
    return b;
}

inline QByteArray le32(quint32 v)
{
    return le16(v & 0xFFFF) + le16(v >> 16);
}

inline QByteArray f64(double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    return le32(quint32(bits)) + le32(quint32(bits >> 32));
}

inline QByteArray record(quint16 type, const QByteArray &data)
{
    return le16(type) + le16(quint16(data.size())) + data;
}

inline bool fitsLatin1(const QString &s)
{
    for (QChar c : s)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

// The characters of a text after its flag byte: one byte each when they all fit, else two.
inline QByteArray chars(const QString &s, bool wide)
{
    if (!wide)
        return s.toLatin1();
    QByteArray b;
    for (QChar c : s)
        b += le16(c.unicode());
    return b;
}

// Text with a 16-bit length (8-bit with byteLength), flags and characters.
inline QByteArray text(const QString &s, bool byteLength = false)
{
    const bool wide = !fitsLatin1(s);
    return (byteLength ? QByteArray(1, char(s.size())) : le16(quint16(s.size()))) + QByteArray(1, char(wide ? 1 : 0))
        + chars(s, wide);
}

inline QByteArray cellHead(int row, int column, int xf)
{
    return le16(quint16(row)) + le16(quint16(column)) + le16(quint16(xf));
}

inline QByteArray bof(quint16 version, quint16 kind)
{
    return record(0x0809, le16(version) + le16(kind) + QByteArray(version == 0x0600 ? 12 : 4, 0));
}

inline QByteArray eof()
{
    return record(0x000A, QByteArray());
}

struct SheetSpec {
    QByteArray name; // encoded as the version stores it
    int kind = 0;    // 0 worksheet, 2 chart
    QByteArray body; // the records between the sheet's beginning and end marks
};

// A workbook stream: the global records, a sheet entry for each sheet pointing at its records,
// the end of the globals, then each sheet.
inline QByteArray workbookStream(quint16 version, const QByteArray &globals, const QList<SheetSpec> &sheets,
                                 const QByteArray &afterSheetList = QByteArray())
{
    auto sheetEntries = [&](const std::vector<quint32> &offsets) {
        QByteArray out;
        for (int i = 0; i < sheets.size(); ++i)
            out += record(0x0085, le32(offsets[size_t(i)]) + QByteArray(1, 0) + QByteArray(1, char(sheets[i].kind)) + sheets[i].name);
        return out;
    };
    std::vector<quint32> offsets(size_t(sheets.size()), 0);
    const QByteArray head = bof(version, 0x0005) + globals;
    qint64 pos = head.size() + sheetEntries(offsets).size() + afterSheetList.size() + eof().size();
    QByteArray bodies;
    for (int i = 0; i < sheets.size(); ++i) {
        offsets[size_t(i)] = quint32(pos + bodies.size());
        bodies += bof(version, sheets[i].kind == 2 ? 0x0020 : 0x0010) + sheets[i].body + eof();
    }
    return head + sheetEntries(offsets) + afterSheetList + eof() + bodies;
}

constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 Free = 0xFFFFFFFF;

struct Compound {
    QByteArray bytes;
    quint32 firstStreamSector = EndOfChain; // of the stream itself, or of the mini stream holding it
    quint32 directorySector = 0;
    std::vector<quint32> fatSectors;

    qint64 sectorOffset(quint32 s) const { return (qint64(s) + 1) * 512; }
    // Rewrites one entry of the allocation table.
    void setFatEntry(quint32 sector, quint32 next)
    {
        const quint32 fatSector = fatSectors.at(sector / 128);
        bytes.replace(sectorOffset(fatSector) + 4 * (sector % 128), 4, le32(next));
    }
    // Rewrites a field of the stream's directory entry (the second entry).
    void setStreamEntry(int offset, const QByteArray &value) { bytes.replace(sectorOffset(directorySector) + 128 + offset, value.size(), value); }
};

// A version 3 compound document (512-byte sectors) holding up to three streams. Streams under
// 4096 bytes go into the mini stream as Office puts them. extraFatSectors lengthens the allocation
// table so that its sector list runs on past the header into a list sector.
inline Compound compound(const QList<std::pair<QString, QByteArray>> &streams, int extraFatSectors = 0)
{
    Q_ASSERT(!streams.isEmpty() && streams.size() <= 3); // one directory sector
    auto sectorsFor = [](qint64 bytes) { return quint32((bytes + 511) / 512); };
    auto padded = [](QByteArray b, int unit) { return b + QByteArray(qsizetype((unit - b.size() % unit) % unit), 0); };
    struct Placed {
        quint32 start;
        bool mini;
    };
    std::vector<Placed> placed;
    std::vector<quint32> dataChains; // the first sector and count of each chain in the data sectors
    QByteArray data, mini, miniFat;
    quint32 miniPieces = 0;
    for (const auto &[name, bytes] : streams) {
        if (bytes.size() >= 4096) {
            placed.push_back({sectorsFor(data.size()), false});
            dataChains.push_back(sectorsFor(data.size()));
            dataChains.push_back(sectorsFor(bytes.size()));
            data += padded(bytes, 512);
        } else {
            const quint32 pieces = quint32((bytes.size() + 63) / 64);
            placed.push_back({pieces ? miniPieces : EndOfChain, true});
            for (quint32 i = 0; i < pieces; ++i)
                miniFat += le32(i + 1 == pieces ? EndOfChain : miniPieces + i + 1);
            miniPieces += pieces;
            mini += padded(bytes, 64);
        }
    }
    const quint32 miniStart = sectorsFor(data.size());
    if (!mini.isEmpty()) {
        dataChains.push_back(miniStart);
        dataChains.push_back(sectorsFor(mini.size()));
        data += padded(mini, 512);
    }
    const quint32 dataSectors = sectorsFor(data.size());
    const quint32 miniFatSectors = sectorsFor(miniFat.size());
    quint32 fatCount = 1, listCount = 0;
    for (;;) {
        const quint32 total = dataSectors + miniFatSectors + 1 + fatCount + listCount;
        const quint32 needFat = (total + 127) / 128 + quint32(extraFatSectors);
        const quint32 needList = needFat > 109 ? (needFat - 109 + 126) / 127 : 0;
        if (needFat == fatCount && needList == listCount)
            break;
        fatCount = needFat;
        listCount = needList;
    }
    Compound c;
    const quint32 miniFatStart = dataSectors, dirSector = dataSectors + miniFatSectors, fatStart = dirSector + 1,
                  listStart = fatStart + fatCount;
    const quint32 total = listStart + listCount;
    std::vector<quint32> fat(size_t(fatCount) * 128, Free);
    auto chain = [&](quint32 start, quint32 count) {
        for (quint32 i = 0; i < count; ++i)
            fat[start + i] = i + 1 == count ? EndOfChain : start + i + 1;
    };
    for (size_t i = 0; i + 1 < dataChains.size(); i += 2)
        chain(dataChains[i], dataChains[i + 1]);
    chain(miniFatStart, miniFatSectors);
    chain(dirSector, 1);
    for (quint32 i = 0; i < fatCount; ++i) {
        fat[fatStart + i] = 0xFFFFFFFD;
        c.fatSectors.push_back(fatStart + i);
    }
    for (quint32 i = 0; i < listCount; ++i)
        fat[listStart + i] = 0xFFFFFFFC;

    QByteArray header;
    header += QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(16, 0);
    header += le16(0x3E) + le16(3) + le16(0xFFFE) + le16(9) + le16(6) + QByteArray(6, 0);
    header += le32(0) + le32(fatCount) + le32(dirSector) + le32(0) + le32(4096);
    header += le32(miniFat.isEmpty() ? EndOfChain : miniFatStart) + le32(miniFatSectors);
    header += le32(listCount ? listStart : EndOfChain) + le32(listCount);
    for (quint32 i = 0; i < 109; ++i)
        header += le32(i < fatCount ? fatStart + i : Free);

    // The streams hang off the root one after the other, each the right sibling of the one before.
    auto entry = [](const QString &name, int type, quint32 right, quint32 child, quint32 start, quint32 size) {
        QByteArray e = chars(name, true);
        e += QByteArray(64 - e.size(), 0);
        e += le16(quint16((name.size() + 1) * 2)) + QByteArray(1, char(type)) + QByteArray(1, 1);
        e += le32(Free) + le32(right) + le32(child) + QByteArray(16 + 4 + 16, 0);
        e += le32(start) + le32(size) + le32(0);
        return e;
    };
    QByteArray dir = entry(QStringLiteral("Root Entry"), 5, Free, 1, mini.isEmpty() ? EndOfChain : miniStart, quint32(mini.size()));
    for (int i = 0; i < streams.size(); ++i)
        dir += entry(streams[i].first, 2, i + 1 < streams.size() ? quint32(i + 2) : Free, Free, placed[size_t(i)].start,
                     quint32(streams[i].second.size()));
    dir += QByteArray(512 - dir.size(), 0);

    QByteArray fatBytes;
    for (quint32 v : fat)
        fatBytes += le32(v);
    QByteArray lists;
    for (quint32 l = 0; l < listCount; ++l) {
        for (quint32 i = 0; i < 127; ++i) {
            const quint32 n = 109 + l * 127 + i;
            lists += le32(n < fatCount ? fatStart + n : Free);
        }
        lists += le32(l + 1 < listCount ? listStart + l + 1 : EndOfChain);
    }
    c.bytes = header + data + padded(miniFat, 512) + dir + fatBytes + lists;
    c.firstStreamSector = placed[0].mini ? miniStart : placed[0].start;
    c.directorySector = dirSector;
    Q_ASSERT(c.bytes.size() == qsizetype(total + 1) * 512);
    return c;
}

inline Compound compound(const QByteArray &stream, const QString &streamName = QStringLiteral("Workbook"),
                         int extraFatSectors = 0)
{
    return compound({{streamName, stream}}, extraFatSectors);
}

// An Excel 2.x, 3.0 or 4.0 file: one sheet's records between its beginning and end marks.
// kind: 0x0010 worksheet, 0x0020 chart, 0x0040 macro sheet, 0x0100 workbook or workspace.
inline QByteArray oldFile(int version, quint16 kind, const QByteArray &records)
{
    const QByteArray mark = version == 2 ? record(0x0009, le16(0x0200) + le16(kind))
                                         : record(quint16(version == 3 ? 0x0209 : 0x0409), le16(quint16(version << 8)) + le16(kind) + le16(0));
    return mark + records + eof();
}

}
