#include "ZipParts.h"

#include "CinelogError.h"
#include "WorkbookBackends.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>

ZipParts::ZipParts(const QString &path, const WorkbookLimits &limits)
    : m_path(path), m_limits(limits), m_zip(std::make_unique<QuaZip>(path))
{
    if (!m_zip->open(QuaZip::mdUnzip))
        throw CinelogError(ErrorNumber::InvalidProcedureCall,
                           workbookMessage(path, logged("Workbook", "cannot be opened: it is damaged or not a workbook of this kind.")));
    m_names = m_zip->getFileNameList();
    if (m_zip->getZipError() != UNZ_OK)
        throw CinelogError(ErrorNumber::InvalidProcedureCall,
                           workbookMessage(path, logged("Workbook", "cannot be opened: its table of contents is damaged.")));
}

ZipParts::~ZipParts()
{
    if (m_zip && m_zip->isOpen())
        m_zip->close();
}

bool ZipParts::has(const QString &name) const
{
    return m_names.contains(name);
}

QByteArray ZipParts::read(const QString &name) const
{
    if (!has(name) || !m_zip->setCurrentFile(name))
        throw CinelogError(ErrorNumber::FileNotFound, workbookMessage(m_path, logged("Workbook", "is damaged: the part “%1” is missing.").arg(name)));
    const auto tooLarge = [&] {
        return CinelogError(ErrorNumber::Overflow,
                            workbookMessage(m_path, logged("Workbook", "is damaged or hostile: the part “%1” unpacks to more than %2 MB.")
                                                        .arg(name)
                                                        .arg(m_limits.maxPartBytes >> 20)));
    };
    QuaZipFileInfo64 info;
    if (m_zip->getCurrentFileInfo(&info) && qint64(info.uncompressedSize) > m_limits.maxPartBytes)
        throw tooLarge();

    QuaZipFile file(m_zip.get());
    if (!file.open(QIODevice::ReadOnly))
        throw CinelogError(ErrorNumber::InvalidProcedureCall, workbookMessage(m_path, logged("Workbook", "is damaged: the part “%1” cannot be read.").arg(name)));
    QByteArray out;
    out.reserve(int(std::min<qint64>(qint64(info.uncompressedSize), 16 << 20)));
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = file.read(buffer, sizeof buffer);
        if (n < 0) {
            file.close();
            throw CinelogError(ErrorNumber::InvalidProcedureCall,
                               workbookMessage(m_path, logged("Workbook", "is damaged: the part “%1” cannot be unpacked.").arg(name)));
        }
        if (n == 0)
            break;
        if (out.size() + n > m_limits.maxPartBytes) {
            file.close();
            throw tooLarge();
        }
        out.append(buffer, n);
    }
    file.close();
    // The checksum is tested on close: a damaged part is not taken for a short one.
    if (file.getZipError() != UNZ_OK)
        throw CinelogError(ErrorNumber::InvalidProcedureCall,
                           workbookMessage(m_path, logged("Workbook", "is damaged: the part “%1” fails its checksum.").arg(name)));
    return out;
}
