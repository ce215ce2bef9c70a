#pragma once

#include "CatalogueSource.h"
#include "CinelogError.h"

#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

class AppContext;

// Empty text is written as Null.
QVariant NullIfEmpty(const QString &value);

// A title and its sort key: "The Abyss" sorts as "Abyss"; "Abyss, The" becomes "The Abyss" sorting
// as "Abyss"; anything else sorts as itself. Comparisons are case-sensitive.
struct TitleOrder {
    QString title;
    QString orderBy;
};
TitleOrder titleOrderFor(const QString &title);

// The open catalogue: its path (DBPath), its connection (MovieConn) and the routines that create,
// open, check and convert catalogue files. Every window reaches the catalogue through this object.
class Catalogue
{
public:
    explicit Catalogue(AppContext &ctx);
    ~Catalogue();
    Catalogue(const Catalogue &) = delete;
    Catalogue &operator=(const Catalogue &) = delete;

    AppContext &context() { return m_ctx; }

    // Path of the catalogue in use; empty while none has been chosen.
    QString DBPath;

    // Opens the catalogue at DBPath (converting an old-format one, then checking its layout).
    // Writes "LastDB" and "LastFolder". On failure logs under "DBConn" and returns false.
    // A Jet catalogue of the Windows program is converted when the user agrees: the new SQLite
    // catalogue takes DBPath and the original is kept beside it (films.jet-backup.cnlg); declined or
    // failed, nothing is replaced and false is returned.
    bool DBConn();

    // Reads the Jet catalogues DBConn converts; JetReader unless a test gives a source of its own.
    using SourceOpener = std::function<std::unique_ptr<CatalogueSource>(const QString &path)>;
    void setOldCatalogueReader(SourceOpener opener) { m_openSource = std::move(opener); }
    bool isOpen() const;
    void close();

    // Creates a new, empty catalogue; may append ".cnlg" to path. Returns false when nothing was
    // created (declined overwrite or failure, which is shown to the user).
    bool CreateDB(QString &path);

    // Appends the Episodes table to the catalogue behind db (a new one, or an older one that lacks it).
    static void CreateEpisodesTable(QSqlDatabase &db);

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

    // Covers: the picture file's bytes exactly as stored.
    bool SavePictureToDB(int movieId, const QString &fileName);
    bool savePictureBytes(int movieId, const QByteArray &bytes);
    // Decodes the movie's cover; false (logged) when it has none or it is not a picture.
    bool LoadPictureFromDB(QImage &target, int movieId);
    QByteArray coverBytes(int movieId);
    bool hasCover(int movieId);

    // Throws CinelogError for a failed query.
    static void check(const QSqlQuery &q);
    static CinelogError errorOf(const QSqlError &e);

    // Largest picture file accepted as a cover.
    static constexpr qint64 MaxCoverBytes = 32 * 1024 * 1024;

    // The name of the connection, for diagnostics.
    QString connectionName() const { return m_connectionName; }

    // Opens path as a second connection of its own (for conversion, import into another catalogue).
    // The caller removes it with QSqlDatabase::removeDatabase after the handle goes out of scope.
    static QSqlDatabase openConnection(const QString &path, const QString &connectionName, bool create = false);
    // Checks that an opened file is a Cinelog catalogue: marked with the program's application_id, or
    // unmarked (older catalogues) with a Movies table. Throws otherwise; reads only.
    static void verifyCatalogueFile(QSqlDatabase &db);

private:
    void begin();
    void commit();
    void rollback();
    void CheckDB();
    void fillOrderBy();
    void ConvertDB();
    bool isOldFormat();
    bool convertJetCatalogue();
    void openAt(const QString &path);

    AppContext &m_ctx;
    QSqlDatabase m_db;
    QString m_connectionName;
    int m_txDepth = 0;
    SourceOpener m_openSource;
};
