#pragma once

#include "Catalogue.h"
#include "CatalogueSession.h"
#include "GTestSupport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

struct sqlite3;

// A plain SQLite connection, independent of the code under test, to build files the way other
// programs (or older versions) would and to look at what the catalogue code wrote.
class RawDb
{
public:
    // withCatalogueFunctions: register the catalogue's text comparison, as any writer of a
    // catalogue must so that its text indexes stay in order.
    explicit RawDb(const QString &path, bool withCatalogueFunctions = false, bool readOnly = false);
    ~RawDb();
    RawDb(const RawDb &) = delete;
    RawDb &operator=(const RawDb &) = delete;

    // Runs one or more statements; fails the test on an error.
    void exec(const QString &sql);
    // Runs one statement with bound values; returns the engine's result code (SQLITE_DONE on success).
    int tryExec(const QString &sql, const QVariantList &values = {}, QString *error = nullptr);
    // All rows of a query, each column read as text (Null as "<null>").
    QList<QStringList> rows(const QString &sql, const QVariantList &values = {});
    QString value(const QString &sql, const QVariantList &values = {});
    QStringList columns(const QString &table);
    sqlite3 *handle() const { return m_db; }

private:
    sqlite3 *m_db = nullptr;
};

QByteArray fileBytes(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);
// The column names of a table in a closed catalogue file.
QStringList columnsOf(const QString &path, const QString &table);

// A program context on a temporary folder and a catalogue object on it.
class StoreTest : public ::testing::Test
{
protected:
    // Creates a catalogue as File > New does; returns its path.
    QString created(const QString &name = QStringLiteral("films.cnlg"));
    // Creates and opens a catalogue; returns its path.
    QString opened(const QString &name = QStringLiteral("films.cnlg"));
    // The error log's lines that carry label.
    QStringList logLinesFor(const QString &label) const;

    GTestContext t;
    Catalogue cat;
    CatalogueSession session{t.ctx(), cat};
};

// Records what long work reports.
class RecordingProgress : public ProgressSink
{
public:
    void ShowProgress(const QString &message, int minimum, int maximum) override
    {
        shows << QStringLiteral("%1 %2..%3").arg(message).arg(minimum).arg(maximum);
    }
    void UpdateProgress(qint64 value) override { values << value; }
    QStringList shows;
    QList<qint64> values;
};
