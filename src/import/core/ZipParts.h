#pragma once

#include "WorkbookReader.h"

#include <QByteArray>
#include <QString>
#include <memory>

class QuaZip;

// The parts of a zipped workbook (.xlsx, .ods), read whole but never beyond the size limit,
// whatever size the archive claims for them.
class ZipParts
{
public:
    ZipParts(const QString &path, const WorkbookLimits &limits);
    ~ZipParts();

    bool has(const QString &name) const;
    // Throws CinelogError when the part is missing, damaged or too large.
    QByteArray read(const QString &name) const;

private:
    QString m_path;
    WorkbookLimits m_limits;
    std::unique_ptr<QuaZip> m_zip;
    QStringList m_names;
};
