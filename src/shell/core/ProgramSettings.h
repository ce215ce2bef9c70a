#pragma once

#include "Setting.h"

// The settings that several parts of the program read and write. A setting that only one window or
// class uses is declared beside that code instead.
namespace ProgramSettings {

// Reopen the catalogue opened last when the program starts.
extern const Setting<bool> AutoLoad;
// The catalogue opened last.
extern const Setting<QString> LastDB;
// The folder the last catalogue was chosen in: where the next open dialog starts.
extern const Setting<QString> LastFolder;
// The folder the last cover picture was chosen in.
extern const Setting<QString> LastCoverFolder;
// Where reports are offered for saving as PDF.
extern const Setting<QString> PDFFolder;
// The language the program speaks from its next start: a code ("de"), empty for the system's.
extern const Setting<QString> Language;

// The recent-catalogue list: entry 1 (most recent) to RecentCount, under "DBLists" as "db1".. "db5".
constexpr int RecentCount = 5;
Setting<QString> recentCatalogue(int entry);

} // namespace ProgramSettings
