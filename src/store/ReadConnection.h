#pragma once

#include <QByteArray>
#include <QString>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// A read-only connection of its own to a catalogue file, for work that runs beside the program's
// connection (on another thread, or while other programs keep saving). Every statement is its own
// short read transaction: it ends when the statement is reset, so a writer waits at most for one
// statement. Waits for another program's lock as long as the catalogue's own connection does.
class ReadConnection
{
public:
    // Throws CinelogError when the file cannot be opened.
    explicit ReadConnection(const QString &path);
    ~ReadConnection();
    ReadConnection(const ReadConnection &) = delete;
    ReadConnection &operator=(const ReadConnection &) = delete;

    sqlite3 *handle() const { return m_db; }
    const QString &path() const { return m_path; }
    // A number that changes whenever another connection (this program's own or another program's)
    // has committed a change to the file since the last call.
    qint64 dataVersion();

    // A prepared statement, finalized (ending its read transaction) when it goes out of scope.
    class Statement
    {
    public:
        Statement(ReadConnection &connection, const char *sql);
        // A statement on any connection's engine handle (the catalogue's own, say).
        Statement(sqlite3 *db, const QString &sql);
        ~Statement();
        Statement(const Statement &) = delete;
        Statement &operator=(const Statement &) = delete;

        // True while there is a row; throws CinelogError when the engine reports an error.
        bool next();
        // Ends the read (the statement can be bound and stepped again).
        void reset();
        void bind(int index, qint64 value);
        void bindText(int index, const QString &value);
        qint64 integer(int column) const;
        bool isNull(int column) const;
        QString text(int column) const;
        QByteArray bytes(int column) const;
        // The column's UTF-8 text without a copy, valid until the next step (empty for Null).
        std::string_view view(int column) const;

    private:
        [[noreturn]] void fail(int rc) const;
        sqlite3 *m_db;
        sqlite3_stmt *m_stmt = nullptr;
    };

private:
    sqlite3 *m_db = nullptr;
    QString m_path;
};
