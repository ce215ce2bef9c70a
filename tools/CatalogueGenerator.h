#pragma once

#include <QString>
#include <QStringList>

// Writes deterministic synthetic catalogues of realistic shape: the same options give the same
// catalogue, row for row. The file is made by the store itself (created, then opened), so it has
// the real layout, indexes and marks, and is filled in one transaction.
namespace CatalogueGenerator {

struct Options {
    int movies = 1000;
    // Movies that get a small cover picture; negative: one movie in 50.
    int covers = -1;
    quint64 seed = 20251209;
    // When not empty: one movie per entry, with these titles in this order (movies is ignored);
    // the rest of each movie is made up as usual.
    QStringList titles;
};

// The titles of a UTF-8 text file, one per line (line ends "\n" or "\r\n"; empty lines are
// skipped). Throws CinelogError when the file cannot be read, is not UTF-8 or a title is longer
// than a title can be.
QStringList readTitles(const QString &path);

struct Result {
    QString path; // the file written: outputPath() of the path asked for
    qint64 movies = 0;
    qint64 actors = 0;
    qint64 directors = 0;
    qint64 genres = 0;
    qint64 castLinks = 0;
    qint64 openLoans = 0;
    qint64 returnedLoans = 0;
    qint64 userListEntries = 0;
    qint64 episodeDiscs = 0;
    qint64 episodes = 0;
    qint64 covers = 0;
};

// The file generate() writes for path: path itself, with ".cnlg" appended when it lacks it.
QString outputPath(const QString &path);

// Writes a new catalogue at outputPath(path); a file already there is replaced. Throws CinelogError on failure.
// Needs a QCoreApplication (for the SQL driver and picture plugins).
Result generate(const QString &path, const Options &options);

} // namespace CatalogueGenerator
