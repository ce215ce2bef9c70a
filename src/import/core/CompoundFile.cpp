#include "CompoundFile.h"

#include <QString>
#include <functional>
#include <vector>

namespace CompoundFile {

namespace {

constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 FreeSector = 0xFFFFFFFF;
constexpr qint64 HeaderBytes = 512;
constexpr qint64 DirectoryEntryBytes = 128;
constexpr qint64 MiniSectorBytes = 64;
constexpr int HeaderFatEntries = 109;
constexpr int StreamEntry = 2;
constexpr int RootEntry = 5;

const char Signature[8] = {'\xD0', '\xCF', '\x11', '\xE0', '\xA1', '\xB1', '\x1A', '\xE1'};

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

// Follows a chain of units (sectors of the file, or small sectors of the mini stream) through its
// allocation table. wanted < 0 takes the whole chain, else exactly wanted bytes. A unit number
// outside the table, a chain longer than there are units (a loop) and a chain that ends short of
// the stated size are all damage.
template <typename ReadUnit>
QByteArray followChain(const std::vector<quint32> &table, quint32 start, qint64 wanted, qint64 unitBytes, qint64 units,
                       ReadUnit readUnit)
{
    QByteArray out;
    if (wanted == 0)
        return out;
    if (wanted > units * unitBytes)
        throw Damage{};
    if (wanted > 0)
        out.reserve(qsizetype(wanted));
    qint64 steps = 0;
    for (quint32 s = start; s != EndOfChain; s = table[s]) {
        if (s >= table.size() || qint64(s) >= units || ++steps > units)
            throw Damage{};
        out += readUnit(s);
        if (wanted >= 0 && out.size() >= wanted) {
            out.truncate(wanted);
            return out;
        }
    }
    if (wanted >= 0)
        throw Damage{};
    return out;
}

std::vector<quint32> entries(const QByteArray &bytes)
{
    std::vector<quint32> out;
    out.reserve(size_t(bytes.size() / 4));
    for (qsizetype i = 0; i + 4 <= bytes.size(); i += 4)
        out.push_back(u32(bytes.constData() + i));
    return out;
}

struct DirectoryEntry {
    QString name;
    int type = 0;
    quint32 start = EndOfChain;
    qint64 size = 0;
};

class Document
{
public:
    explicit Document(const QByteArray &file) : m_file(file)
    {
        const char *h = file.constData();
        if (u16(h + 28) != 0xFFFE)
            throw Damage{};
        const int shift = u16(h + 30);
        if ((shift != 9 && shift != 12) || u16(h + 32) != 6)
            throw Damage{};
        m_sectorBytes = qint64(1) << shift;
        m_sectors = file.size() > m_sectorBytes ? (file.size() - m_sectorBytes + m_sectorBytes - 1) / m_sectorBytes : 0;
        // Version 3 files keep only 32 bits of a stream's size; the upper half may hold anything.
        m_wideSizes = u16(h + 26) >= 4;

        readFat(h);
        m_directory = followChain(m_fat, u32(h + 48), -1, m_sectorBytes, m_sectors, sectorReader());
        m_miniCutoff = u32(h + 56);
        m_firstMiniFat = u32(h + 60);
        if (m_directory.size() < DirectoryEntryBytes || entry(0).type != RootEntry)
            throw Damage{};
    }

    qint64 entryCount() const { return m_directory.size() / DirectoryEntryBytes; }

    DirectoryEntry entry(qint64 i) const
    {
        const char *e = m_directory.constData() + i * DirectoryEntryBytes;
        DirectoryEntry d;
        const int nameBytes = u16(e + 64);
        if (nameBytes >= 2 && nameBytes <= 64)
            d.name = QString::fromUtf16(reinterpret_cast<const char16_t *>(e), nameBytes / 2 - 1);
        d.type = quint8(e[66]);
        d.start = u32(e + 116);
        d.size = m_wideSizes ? qint64(u32(e + 120)) | qint64(u32(e + 124) & 0x7FFFFFFF) << 32 : qint64(u32(e + 120));
        return d;
    }

    QByteArray read(const DirectoryEntry &d)
    {
        if (d.size >= qint64(m_miniCutoff))
            return followChain(m_fat, d.start, d.size, m_sectorBytes, m_sectors, sectorReader());
        // Small streams live in 64-byte pieces inside the mini stream, which the root entry owns.
        const std::vector<quint32> miniFat =
            entries(followChain(m_fat, m_firstMiniFat, -1, m_sectorBytes, m_sectors, sectorReader()));
        const DirectoryEntry root = entry(0);
        const QByteArray mini = followChain(m_fat, root.start, root.size, m_sectorBytes, m_sectors, sectorReader());
        const qint64 miniSectors = (mini.size() + MiniSectorBytes - 1) / MiniSectorBytes;
        return followChain(miniFat, d.start, d.size, MiniSectorBytes, miniSectors,
                           [&mini](quint32 s) { return mini.mid(qsizetype(s) * MiniSectorBytes, MiniSectorBytes); });
    }

private:
    QByteArray sector(quint32 s) const { return m_file.mid(qsizetype((qint64(s) + 1) * m_sectorBytes), qsizetype(m_sectorBytes)); }
    std::function<QByteArray(quint32)> sectorReader() const
    {
        return [this](quint32 s) { return sector(s); };
    }

    // The allocation table's own sectors are listed in the header (the first 109) and then in a
    // chain of list sectors.
    void readFat(const char *h)
    {
        const quint32 fatSectors = u32(h + 44);
        if (fatSectors == 0 || fatSectors > m_sectors)
            throw Damage{};
        std::vector<quint32> list;
        for (int i = 0; i < HeaderFatEntries && list.size() < fatSectors; ++i) {
            const quint32 s = u32(h + 76 + 4 * i);
            if (s != FreeSector)
                list.push_back(s);
        }
        const qint64 perListSector = m_sectorBytes / 4 - 1;
        qint64 steps = 0;
        for (quint32 s = u32(h + 68); list.size() < fatSectors && s != EndOfChain && s != FreeSector;) {
            if (qint64(s) >= m_sectors || ++steps > m_sectors)
                throw Damage{};
            const QByteArray listSector = sector(s);
            if (listSector.size() < m_sectorBytes)
                throw Damage{};
            for (qint64 i = 0; i < perListSector && list.size() < fatSectors; ++i) {
                const quint32 f = u32(listSector.constData() + 4 * i);
                if (f != FreeSector)
                    list.push_back(f);
            }
            s = u32(listSector.constData() + 4 * perListSector);
        }
        if (list.size() < fatSectors)
            throw Damage{};
        QByteArray fat;
        for (quint32 s : list) {
            if (qint64(s) >= m_sectors)
                throw Damage{};
            fat += sector(s);
        }
        m_fat = entries(fat);
    }

    const QByteArray &m_file;
    qint64 m_sectorBytes = 512;
    qint64 m_sectors = 0;
    bool m_wideSizes = false;
    std::vector<quint32> m_fat;
    QByteArray m_directory;
    quint32 m_miniCutoff = 4096;
    quint32 m_firstMiniFat = EndOfChain;
};

// Runs find on the document's directory; find returns whether it has its answer.
template <typename Find>
Status withDocument(const QByteArray &file, Find find)
{
    if (file.size() < qsizetype(sizeof Signature) || !file.startsWith(QByteArrayView(Signature, sizeof Signature)))
        return Status::NotCompound;
    if (file.size() < HeaderBytes)
        return Status::Damaged;
    try {
        Document doc(file);
        return find(doc) ? Status::Ok : Status::NoSuchStream;
    } catch (const Damage &) {
        return Status::Damaged;
    }
}

qint64 findStream(const Document &doc, const QString &name)
{
    for (qint64 i = 1; i < doc.entryCount(); ++i) {
        const DirectoryEntry d = doc.entry(i);
        if (d.type == StreamEntry && d.name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

}

Status readStream(const QByteArray &file, const QStringList &names, QByteArray *stream)
{
    return withDocument(file, [&](Document &doc) {
        for (const QString &name : names) {
            const qint64 i = findStream(doc, name);
            if (i >= 0) {
                *stream = doc.read(doc.entry(i));
                return true;
            }
        }
        return false;
    });
}

Status hasStreams(const QByteArray &file, const QStringList &names)
{
    return withDocument(file, [&](Document &doc) {
        for (const QString &name : names)
            if (findStream(doc, name) < 0)
                return false;
        return true;
    });
}

}
