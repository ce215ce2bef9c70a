#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class Catalogue;
class ErrorReporter;

// The movies' cover pictures in the open catalogue: the picture file's bytes exactly as stored.
// Failures of the two routines the windows call are reported through the given reporter.
class CoverPictures
{
public:
    CoverPictures(Catalogue &catalogue, ErrorReporter &errors) : m_cat(catalogue), m_errors(errors) {}

    // Largest picture file accepted as a cover.
    static constexpr qint64 MaxCoverBytes = 32 * 1024 * 1024;

    // Stores the picture file as the movie's cover; false (reported) when it cannot.
    bool SavePictureToDB(int movieId, const QString &fileName);
    // Decodes the movie's cover; false (reported) when it has none or it is not a picture.
    bool LoadPictureFromDB(QImage &target, int movieId);

    // These throw CinelogError.
    bool savePictureBytes(int movieId, const QByteArray &bytes);
    QByteArray coverBytes(int movieId);
    bool hasCover(int movieId);

private:
    Catalogue &m_cat;
    ErrorReporter &m_errors;
};
