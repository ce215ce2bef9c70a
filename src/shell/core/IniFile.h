#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// A settings file in the Windows INI text format: "[Section]" lines followed by "key=value" lines.
// Sections and keys match without regard to letter case; a missing key reads as empty text; values
// read back at most 254 characters; the file is created by the first write. A write changes only the
// one line it concerns: comments, blank lines, other sections and keys stay byte for byte.
class IniFile
{
public:
    explicit IniFile(QString path = QString());

    const QString &path() const { return m_path; }
    void setPath(const QString &path);

    QString read(const QString &section, const QString &key) const;
    // Returns false when the file could not be written, and when it is there but could not be read
    // (it is then left as it is).
    bool write(const QString &section, const QString &key, const QString &value);

    // Between begin and end, writes are kept in memory and stored once at the end.
    void beginBatch();
    bool endBatch();

    bool exists() const;

    // Files larger than this are not read (settings files are a few kilobytes).
    static constexpr qint64 MaxFileSize = 4 * 1024 * 1024;
    static constexpr int MaxValueLength = 254;

private:
    void load() const;
    bool store();

    QString m_path;
    mutable QByteArray m_data;
    mutable bool m_loaded = false;
    mutable bool m_unreadable = false;
    mutable QDateTime m_loadedStamp;
    mutable qint64 m_loadedSize = -1;
    int m_batchDepth = 0;
    bool m_dirty = false;
};
