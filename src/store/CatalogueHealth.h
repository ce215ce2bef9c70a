#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

class ProgressSink;

// Checking a catalogue file for damage and getting out of a damaged one what can still be read.
// Everything here works on connections of its own, reading the file at a path; the damaged file
// itself is never written. Nothing here asks the user anything.
namespace CatalogueHealth {

struct CheckResult {
    // The engine's findings; empty when the file is sound (or the check was cancelled).
    QStringList problems;
    bool cancelled = false;
    bool sound() const { return problems.isEmpty() && !cancelled; }
};

// The engine's quick check (every page and row read, indexes not compared with their tables) on a
// read-only connection of its own. A file the engine cannot read at all is reported as a problem.
CheckResult quickCheck(const QString &path);

// The full check: every table with its indexes in turn (progress counts tables), then the file's
// page accounting. cancelled is asked between steps.
CheckResult fullCheck(const QString &path, ProgressSink &progress, const std::function<bool()> &cancelled = {});

// Whether an engine error says the file is damaged (malformed, not a database, cut short).
bool meansDamage(qint64 engineCode);

struct RecoveryReport {
    // Rows copied, per table, in the order the tables were copied.
    std::vector<std::pair<QString, qint64>> rows;
    // Stretches of rows that could not be read and were skipped.
    int unreadableStretches = 0;
    // Tables of the catalogue that could not be read at all.
    QStringList lostTables;
    qint64 rowsOf(const QString &table) const;
};

// Makes a new catalogue at newPath (which must not exist) holding every row of damagedPath that
// still reads, row by row, skipping what does not: the new file has this program's current layout,
// the rows keep their IDs (so cast, loans and episodes still belong to their movies), and it is
// checked before it gets its name. damagedPath is opened read-only and stays as it was. Throws
// CinelogError when nothing usable could be made; newPath then does not exist.
RecoveryReport recover(const QString &damagedPath, const QString &newPath, ProgressSink &progress,
                       const std::function<bool()> &cancelled = {});

} // namespace CatalogueHealth
