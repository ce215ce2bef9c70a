#pragma once

#include "CatalogueSource.h"

#include <QString>
#include <memory>

// Reads a Jet 3 or Jet 4 database (the Windows program's catalogue format) through libmdb, read-only:
// the file is opened for reading and never written.
//
// Values are taken from the rows themselves rather than from libmdb's text rendering, so integers,
// dates and bytes keep their types and long text (memo) and long bytes (OLE objects) are read in full
// whatever their length. An OLE object field arrives exactly as stored: for a picture inserted by
// Access that is the OLE wrapper (package header and the picture within), byte for byte.
// Text is decoded here: Jet 4 keeps UCS-2 (with its compression), Jet 3 a Windows code page, taken
// from MDB_JET3_CHARSET when set, else from the file's header, else windows-1252.
class JetReader : public CatalogueSource
{
public:
    // Throws CinelogError when the file cannot be read as a Jet database.
    explicit JetReader(const QString &path);
    ~JetReader() override;
    JetReader(const JetReader &) = delete;
    JetReader &operator=(const JetReader &) = delete;

    // True when the file carries a Jet or ACE header ("Standard Jet DB" / "Standard ACE DB" at offset 4).
    static bool isJetFile(const QString &path);

    // 3 for Jet 3 (Access 97), 4 for Jet 4 (Access 2000-2003), 12 and above for ACE files.
    int jetVersion() const;

    QStringList tables() override;
    QList<SourceColumn> columns(const QString &table) override;
    qint64 rowCount(const QString &table) override;
    std::unique_ptr<SourceRowCursor> rows(const QString &table) override;

    struct Impl;

private:
    std::unique_ptr<Impl> d;
};
