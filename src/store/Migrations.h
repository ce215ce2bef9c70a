#pragma once

#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <vector>

// The catalogue layout's version ladder, kept in PRAGMA user_version. Each step brings a catalogue
// from the version before it to its own, in one transaction that also records the new version, so
// a step that fails leaves the file whole at the version it had.
namespace Migrations {

struct Context {
    QSqlDatabase &db;
    // Texts for the start-up splash ("Adding URL to the database...").
    std::function<void(const QString &)> status;
};

struct Step {
    int version;      // the version this step brings a catalogue to
    const char *what; // for error messages
    std::function<void(Context &)> run;
};

// A new catalogue is made at this version with the base columns only; the first step below adds
// the rest on its first open. Catalogues from before versions were kept are at 0.
constexpr int BaseVersion = 2;
// From this version on, the texts compared without regard to letter case have key columns
// (Schema::textKeys()) and the display columns no index of the program's own order.
constexpr int KeyVersion = 3;

// Every step, oldest first.
const std::vector<Step> &ladder();
// The version a catalogue has once every step has run.
int latestVersion(const std::vector<Step> &steps = ladder());

// Runs the steps a catalogue at its current version still needs. A catalogue that is up to date is
// not written to. The first step of the ladder is the layout check, which runs for every catalogue
// (one at BaseVersion made new or by a program that did not add the later columns, one at a later
// version that another program took a column from): it looks before it writes. Throws the failing step's error; steps before it stay done. Then readies the connection's
// text keys (TextKeys::prepareConnection).
void bringUpToDate(QSqlDatabase &db, const std::function<void(const QString &)> &status = {},
                   const std::vector<Step> &steps = ladder());

int versionOf(QSqlDatabase &db);

} // namespace Migrations
