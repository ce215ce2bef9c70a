#pragma once

#include "ExportFiles.h"

#include <QDir>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

// A file written under a unique temporary name beside its target, which gets the target's name
// only by rename() once complete; dropped without that, it is removed.
class ExportTempFile
{
public:
    explicit ExportTempFile(const QString &target)
        : m_target(target), m_file(QFileInfo(target).absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(QFileInfo(target).fileName())))
    {
        if (!m_file.open())
            exportFailed(target, m_file.errorString());
        m_file.close();
    }
    QString fileName() const { return m_file.fileName(); }
    void rename()
    {
        if (std::rename(QFile::encodeName(m_file.fileName()).constData(), QFile::encodeName(m_target).constData()) != 0)
            exportFailed(m_target, QString::fromLocal8Bit(std::strerror(errno)));
        m_file.setAutoRemove(false);
    }

private:
    QString m_target;
    QTemporaryFile m_file;
};
