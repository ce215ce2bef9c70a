#pragma once

#include "CinelogError.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QString>

// Shared by the writers: every failure to write names the file.
[[noreturn]] inline void exportFailed(const QString &path, const QString &why)
{
    throw CinelogError(ErrorNumber::PermissionDenied,
                       QStringLiteral("The export to \"%1\" failed: %2").arg(QFileInfo(path).fileName(), why));
}

inline void openSaveFile(QSaveFile &file)
{
    if (!file.open(QIODevice::WriteOnly))
        exportFailed(file.fileName(), file.errorString());
}

inline void commitSaveFile(QSaveFile &file)
{
    if (!file.commit())
        exportFailed(file.fileName(), file.errorString());
}
