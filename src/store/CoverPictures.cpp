#include "CoverPictures.h"

#include "Catalogue.h"
#include "ErrorReporter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

bool CoverPictures::SavePictureToDB(int movieId, const QString &fileName)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile())
        return false;
    bool stored = false;
    guarded(m_errors, QStringLiteral("SavePictureToDB"), [&] {
        QFile f(fileName);
        if (f.size() > MaxCoverBytes)
            throw CinelogError(ErrorNumber::InvalidPicture,
                               logged("CoverPictures", "The picture file is too large to store as a cover (%1 MB at most).")
                                   .arg(MaxCoverBytes / (1024 * 1024)));
        if (!f.open(QIODevice::ReadOnly))
            throw CinelogError(ErrorNumber::PermissionDenied, logged("CoverPictures", "Permission denied: %1").arg(fileName));
        const QByteArray bytes = f.readAll();
        if (bytes.isEmpty())
            throw CinelogError(ErrorNumber::InvalidPicture, logged("CoverPictures", "The picture file is empty: %1").arg(fileName));
        stored = savePictureBytes(movieId, bytes);
    });
    return stored;
}

bool CoverPictures::savePictureBytes(int movieId, const QByteArray &bytes)
{
    if (bytes.size() > MaxCoverBytes)
        throw CinelogError(ErrorNumber::InvalidPicture, logged("CoverPictures", "The picture is too large to store as a cover."));
    QSqlQuery q = m_cat.exec(QStringLiteral("UPDATE Movies SET CoverData = ? WHERE ID = ?"), {bytes, movieId});
    if (q.numRowsAffected() < 1)
        throw CinelogError(3021, logged("CoverPictures", "No movie with ID %1.").arg(movieId));
    return true;
}

QByteArray CoverPictures::coverBytes(int movieId)
{
    QSqlQuery q = m_cat.exec(QStringLiteral("SELECT CoverData FROM Movies WHERE ID = ?"), {movieId});
    if (!q.next())
        throw CinelogError(3021, logged("CoverPictures", "No movie with ID %1.").arg(movieId));
    return q.value(0).toByteArray();
}

bool CoverPictures::hasCover(int movieId)
{
    return m_cat.scalar(QStringLiteral("SELECT length(CoverData) > 0 FROM Movies WHERE ID = ?"), {movieId}).toBool();
}

static bool decode(const QByteArray &bytes, QImage &out)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // A stored cover is a single picture of sensible size; refuse absurd dimensions before decoding.
    reader.setAllocationLimit(256);
    return reader.read(&out);
}

bool CoverPictures::LoadPictureFromDB(QImage &target, int movieId)
{
    bool loaded = false;
    guarded(m_errors, QStringLiteral("LoadPictureFromDB"), [&] {
        const QByteArray bytes = coverBytes(movieId);
        if (bytes.isEmpty())
            throw CinelogError(ErrorNumber::InvalidPicture, logged("CoverPictures", "The movie has no cover picture."));
        QImage img;
        // Some stored covers end with one zero byte after the picture data.
        if (!decode(bytes, img) && !(bytes.endsWith('\0') && decode(bytes.left(bytes.size() - 1), img)))
            throw CinelogError(ErrorNumber::InvalidPicture, logged("CoverPictures", "Invalid picture"));
        target = img;
        loaded = true;
    });
    return loaded;
}
