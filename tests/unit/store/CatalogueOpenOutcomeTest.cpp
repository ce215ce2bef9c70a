#include "StoreTestSupport.h"

#include "CatalogueFile.h"
#include "JetTestSupport.h"

#include <QDir>
#include <functional>

namespace {

// What opening a file comes to at the store's level, where nothing is asked and nothing converted
// unless the caller allows it. Every refused file is left exactly as it was.
struct OutcomeCase {
    const char *name;
    std::function<void(const QString &path)> make;
    OpenResult::Status expected;
};

void oldLayout(const QString &path)
{
    RawDb(path).exec("CREATE TABLE DBInfo (ID INTEGER PRIMARY KEY, DBVer TEXT);"
                     "CREATE TABLE Actors (ID INTEGER PRIMARY KEY, Actor TEXT);"
                     "CREATE TABLE Directors (ID INTEGER PRIMARY KEY, Director TEXT);"
                     "CREATE TABLE Genres (Genre TEXT);"
                     "CREATE TABLE LoanOut (ID INTEGER PRIMARY KEY, MovieID INTEGER, MovieTitle TEXT, LoanedTo TEXT,"
                     " DateOut TEXT, DateIn TEXT);"
                     "CREATE TABLE Movies (ID INTEGER PRIMARY KEY, Title TEXT, Director TEXT, Genre1 TEXT, Genre2 TEXT,"
                     " Genre3 TEXT, Medium TEXT, Format TEXT, Rating TEXT, ReleaseYear TEXT, RunningTime TEXT, NumDiscs TEXT,"
                     " Actor1 TEXT, Actor2 TEXT, Actor3 TEXT, Actor4 TEXT, OrderBy TEXT);"
                     "INSERT INTO Actors (Actor) VALUES ('Sigourney Weaver');"
                     "INSERT INTO Movies (Title, Actor1, OrderBy) VALUES ('Alien', 'Sigourney Weaver', 'Alien')");
}

class OpenOutcome : public StoreTest, public ::testing::WithParamInterface<OutcomeCase>
{
};

TEST_P(OpenOutcome, IsReportedAndTheFileLeftAlone)
{
    const QString path = t.path(QStringLiteral("file.cnlg"));
    GetParam().make(path);
    const bool exists = QFileInfo::exists(path);
    const QByteArray before = exists && QFileInfo(path).isFile() ? fileBytes(path) : QByteArray();

    const OpenResult r = cat.open(path);
    EXPECT_EQ(r.status, GetParam().expected);
    EXPECT_EQ(cat.isOpen(), r.opened());
    EXPECT_EQ(r.error.has_value(), !r.opened() && r.status != OpenResult::Status::NeedsJetConversion
                                       && r.status != OpenResult::Status::NeedsOldFormatConversion);
    EXPECT_TRUE(r.failures.empty());
    cat.close();
    if (r.opened())
        return;
    EXPECT_EQ(QFileInfo::exists(path), exists);
    if (exists && QFileInfo(path).isFile())
        EXPECT_EQ(fileBytes(path), before);
    // The store asks nothing and logs nothing: that is the session's part.
    EXPECT_TRUE(t.prompts.shown().isEmpty());
    EXPECT_TRUE(t.logLines().isEmpty());
    // Nothing was made beside it.
    EXPECT_EQ(QDir(t.folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).filter(QStringLiteral("file")),
              exists ? QStringList{QStringLiteral("file.cnlg")} : QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Store, OpenOutcome,
    ::testing::Values(OutcomeCase{"catalogue", [](const QString &p) { CatalogueFile::create(p); }, OpenResult::Status::Opened},
                      OutcomeCase{"missing", [](const QString &) {}, OpenResult::Status::Missing},
                      OutcomeCase{"folder", [](const QString &p) { QDir().mkpath(p); }, OpenResult::Status::Failed},
                      OutcomeCase{"text", [](const QString &p) { writeFile(p, "Title,Director\n"); },
                                  OpenResult::Status::NotACatalogue},
                      OutcomeCase{"other_database",
                                  [](const QString &p) { RawDb(p).exec("CREATE TABLE notes (body TEXT)"); },
                                  OpenResult::Status::NotACatalogue},
                      OutcomeCase{"damaged_header",
                                  [](const QString &p) { writeFile(p, QByteArray("SQLite format 3\0", 16) + QByteArray(84, '\xff')); },
                                  OpenResult::Status::Damaged},
                      OutcomeCase{"jet", [](const QString &p) { writeFile(p, jetFileBytes()); },
                                  OpenResult::Status::NeedsJetConversion},
                      OutcomeCase{"old_layout", oldLayout, OpenResult::Status::NeedsOldFormatConversion}),
    [](const ::testing::TestParamInfo<OutcomeCase> &info) { return std::string(info.param.name); });

TEST_F(StoreTest, AnOldLayoutIsConvertedOnlyWhenAllowed)
{
    const QString path = t.path(QStringLiteral("old.cnlg"));
    oldLayout(path);
    OpenOptions options;
    options.convertOldFormat = true;
    const OpenResult r = cat.open(path, options);
    ASSERT_TRUE(r.opened()) << (r.error ? r.error->description().toStdString() : std::string());
    EXPECT_TRUE(r.convertedOldFormat);
    EXPECT_EQ(r.path, path);
    EXPECT_EQ(cat.path(), path);
    EXPECT_EQ(cat.scalar("SELECT Title FROM Movies").toString(), "Alien");
    EXPECT_TRUE(r.failures.empty()) << (r.failures.empty() ? std::string() : r.failures.front().error.description().toStdString());
    EXPECT_EQ(cat.scalar("SELECT a.Actor FROM MovActLink l JOIN Actors a ON a.ID = l.ActID").toString(), "Sigourney Weaver");
    EXPECT_FALSE(QFile::exists(CatalogueFile::oldFormatConversionPath(path)));
    EXPECT_TRUE(t.prompts.shown().isEmpty());
}

} // namespace
