#pragma once

#include "CinelogError.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QString>

// Shared by the writers: every failure to write names the file.
[[noreturn]] inline void exportFailed(const QString &path, const LoggedText &why)
{
    throw CinelogError(ErrorNumber::PermissionDenied,
                       logged("Export", "The export to \"%1\" failed: %2").arg(QFileInfo(path).fileName(), why));
}

// why as the system gave it (already in the user's language).
[[noreturn]] inline void exportFailed(const QString &path, const QString &why)
{
    exportFailed(path, LoggedText{why, why});
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
