#pragma once

#include "CatalogueSource.h"
#include "CinelogError.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <sys/types.h>
#include <utility>
#include <vector>

class ProgressSink;

// Empty text is written as Null.
QVariant NullIfEmpty(const QString &value);

// A title and its sort key: "The Abyss" sorts as "Abyss"; "Abyss, The" becomes "The Abyss" sorting
// as "Abyss"; anything else sorts as itself. Comparisons are case-sensitive.
struct TitleOrder {
    QString title;
    QString orderBy;
};
TitleOrder titleOrderFor(const QString &title);

// A failure met while opening that did not stop the catalogue from opening; label names the step
// ("ConvertDB", "CheckDB") as the error log records it.
struct OpenFailure {
    QString label;
    CinelogError error;
};

// What opening a catalogue file came to. The store asks nothing: when a file needs converting it
// says so, and the caller asks the user and opens again with the conversion allowed.
struct OpenResult {
    enum class Status {
        Opened,
        Missing,                  // no file at the path (none is created)
        NotACatalogue,            // some other file or database; left untouched
        Damaged,                  // a catalogue the engine cannot read
        NeedsJetConversion,       // a catalogue of the earlier Windows program
        NeedsOldFormatConversion, // an old SQLite layout that keeps the cast in the movie rows
        Failed,                   // anything else (locked, permission, failed conversion ...)
    };
    Status status = Status::Failed;
    // Why it did not open.
    std::optional<CinelogError> error;
    // The catalogue now open: the path asked for, or the partly converted copy after a failed
    // conversion of an old layout.
    QString path;
    // Set when a Jet catalogue was converted: where the original is kept.
    QString jetBackupPath;
    bool convertedOldFormat = false;
    // Steps that failed without stopping the open, in the order they happened.
    std::vector<OpenFailure> failures;
    // What a Jet conversion noted about tables and columns it did not carry over.
    QStringList conversionNotes;

    bool opened() const { return status == Status::Opened; }
};

struct OpenOptions {
    ProgressSink *progress = nullptr;
    // Texts for the start-up splash while the layout is being brought up to date.
    std::function<void(const QString &)> status;
    // Conversions the user agreed to.
    bool convertJet = false;
    bool convertOldFormat = false;
    // An earlier, unfinished conversion of an old layout was found beside the file: true starts it
    // again from scratch, false converts into what is there.
    bool restartOldFormatConversion = true;
};

// Error numbers the catalogue raises for the ways another program can get in the way.
namespace CatalogueError {
// Another program holds the catalogue (a long read, a compaction, a save) for longer than the wait.
constexpr qint64 Busy = 3005;
// The file at the catalogue's path is no longer the one this program opened (replaced or deleted).
constexpr qint64 Replaced = 3006;
// The catalogue was found damaged; it stays open for reading only.
constexpr qint64 Damaged = 3007;
// What a change was made from (a movie, its cast or episodes, a loan as shown) was changed by another
// program since it was read; nothing was written.
constexpr qint64 ChangedElsewhere = 3052;
} // namespace CatalogueError

// The open catalogue: its connection, the path it was opened from, and the statement runner every
// core class uses. Files are created, checked and converted by CatalogueFile; covers live in
// CoverPictures.
class Catalogue
{
public:
    Catalogue();
    ~Catalogue();
    Catalogue(const Catalogue &) = delete;
    Catalogue &operator=(const Catalogue &) = delete;

    // Opens the catalogue at path (converting when options allow, then bringing its layout up to
    // date). Any catalogue open before is closed first.
    OpenResult open(const QString &path, const OpenOptions &options = {});
    bool isOpen() const;
    void close();
    // The path of the open catalogue (kept after close, until another one is opened).
    const QString &path() const { return m_path; }

    // Reads the Jet catalogues open() converts; JetReader unless a test gives a source of its own.
    using SourceOpener = std::function<std::unique_ptr<CatalogueSource>(const QString &path)>;
    void setOldCatalogueReader(SourceOpener opener) { m_openSource = std::move(opener); }

    // The connection to the open catalogue. Throws when none is open.
    QSqlDatabase &MovieConn();

    // Prepares a statement with values bound in order; throws CinelogError with the engine's code and
    // text when it fails.
    QSqlQuery exec(const QString &sql, std::initializer_list<QVariant> values = {});
    QSqlQuery exec(const QString &sql, const QVariantList &values);
    // The first column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString &sql, std::initializer_list<QVariant> values = {});

    // Runs f in one transaction: committed when f returns, rolled back when it throws.
    template <typename F>
    void transaction(F &&f)
    {
        begin();
        try {
            f();
        } catch (...) {
            rollback();
            throw;
        }
        commit();
    }

    // Before anything is written, the file at path() must still be the file this connection opened
    // (same device and inode): another program may have replaced it (a compaction renames a new
    // file into its place) or deleted it. Every write is checked once the write lock is held; a
    // replaced file is opened again (and the handler below is told), a deleted one is not, and the
    // write throws CatalogueError::Replaced without touching either file.
    bool isStillTheFileAtPath() const;
    void setReopenedHandler(std::function<void()> handler) { m_onReopened = std::move(handler); }
    // Told before each write transaction begins (every write runs in one), so that whoever notes
    // this connection's changes (the undo history) is watching the connection now open.
    void setWriteStartHandler(std::function<void()> handler) { m_onWriteStart = std::move(handler); }
    // Between writes too, another program may put a different file in the catalogue's place (a
    // restore from backup): when nothing is being written here and the file at path() is another
    // one, opens that file (telling the handler above) and returns Reopened. A deleted file is
    // left open for reading, as a write would find it.
    enum class FileState { Same, Reopened, ReopenFailed, Gone };
    FileState reopenIfReplaced();
    bool inTransaction() const { return m_txDepth > 0; }
    // Counts the files opened through this object: tells one opened file from the next, also at
    // the same path.
    quint64 generation() const { return m_generation; }

    // Once the engine reports the file malformed (or a check finds it so), the catalogue is open for
    // reading only: every later write throws CatalogueError::Damaged and the file stays untouched.
    void markDamaged(const QString &why);
    bool isDamaged() const { return !m_damage.isEmpty(); }
    // Told once per opened file, when it is first found damaged (by an engine error or a check),
    // so that the user can be offered to recover what still reads. It runs inside the failing
    // call: a handler that asks the user should queue the question.
    void setDamagedHandler(std::function<void(const QString &why)> handler) { m_onDamaged = std::move(handler); }
    const QString &damage() const { return m_damage; }

    // How long a statement waits for another program's lock before it fails with
    // CatalogueError::Busy.
    static constexpr int BusyTimeoutMs = 8000;
    static bool isBusy(const CinelogError &e) { return e.number() == CatalogueError::Busy; }

    // Throws CinelogError for a failed query.
    static void check(const QSqlQuery &q);
    static CinelogError errorOf(const QSqlError &e);
    // The engine's failures that concern the file as a whole (read-only, cannot be opened, disk
    // full, input/output error) said in plain words that name the file and what to do; any other
    // error is returned as it is.
    static CinelogError inPlainWords(const CinelogError &e, const QString &path);

    // The name of the connection, for diagnostics.
    QString connectionName() const { return m_connectionName; }

private:
    void begin();
    void commit();
    void rollback();
    void adopt(QSqlDatabase db, const QString &connectionName, const QString &path);
    QSqlQuery run(const QString &sql, const QVariantList &values);
    [[noreturn]] void replacedUnderneath();

    QSqlDatabase m_db;
    QString m_connectionName;
    QString m_path;
    int m_txDepth = 0;
    SourceOpener m_openSource;
    // The file the connection opened.
    bool m_identityKnown = false;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    std::function<void()> m_onReopened;
    std::function<void()> m_onWriteStart;
    std::function<void(const QString &)> m_onDamaged;
    QString m_damage;
    quint64 m_generation = 0;
};
