// Opening a Jet catalogue: the question, the conversion in place, the kept original, and that
// nothing is replaced unless the new catalogue is complete and checked.

#include "CatalogueFile.h"
#include "JetImport.h"
#include "JetReader.h"
#include "JetTestSupport.h"

namespace {

const QString Question = QStringLiteral("This catalogue was made by an earlier version of Cinelog and must be converted.");

FakeSource smallCatalogue()
{
    FakeSource s;
    s.table("Actors", {"ID:int", "Actor:text"}, {{1, "Ed Harris"}, {2, "Sigourney Weaver"}});
    s.table("Movies", {"ID:int", "Title:text", "OrderBy:text"},
            {{1, "The Abyss", "Abyss"}, {2, "Aliens", "Aliens"}, {3, "Gravity", "Gravity"}});
    s.table("MovActLink", {"MovID:int", "ActID:int"}, {{1, 1}, {2, 2}});
    return s;
}

class JetConvertTest : public StoreTest
{
protected:
    QString path() const { return t.path("films.cnlg"); }

    void useSource(CatalogueSource &source)
    {
        cat.setOldCatalogueReader([&source](const QString &) { return std::make_unique<SourceRef>(source); });
    }
    bool open()
    {
        return session.open(path());
    }
    QStringList films() const { return filesStartingWith(t.folder(), QStringLiteral("films")); }
};

TEST_F(JetConvertTest, YesConvertsInPlaceAndKeepsTheOriginalBeside)
{
    const QByteArray original = jetFileBytes();
    writeFile(path(), original);
    FakeSource source = smallCatalogue();
    useSource(source);
    RecordingProgress progress;
    t.ctx().setProgress(&progress);
    t.prompts.answerYes();
    ASSERT_TRUE(open()) << t.logLines().join('\n').toStdString();
    t.ctx().setProgress(nullptr);

    EXPECT_TRUE(cat.isOpen());
    EXPECT_EQ(cat.path(), path());
    EXPECT_EQ(cat.MovieConn().databaseName(), path());
    EXPECT_EQ(cat.scalar("SELECT group_concat(Title, ',') FROM (SELECT Title FROM Movies ORDER BY ID)").toString(),
              "The Abyss,Aliens,Gravity");
    EXPECT_EQ(t.ctx().ReadINI("Options", "LastDB"), path());
    ASSERT_EQ(t.prompts.shown().size(), 2);
    EXPECT_EQ(t.prompts.shown().at(0).kind, "question");
    EXPECT_EQ(t.prompts.shown().at(0).text, Question);
    EXPECT_EQ(t.prompts.shown().at(0).title, "Database Must Be Converted");
    EXPECT_EQ(t.prompts.shown().at(1).kind, "message");
    EXPECT_EQ(t.prompts.shown().at(1).text, "The catalogue has been converted. The original file is kept as 'films.jet-backup.cnlg'.");
    EXPECT_TRUE(t.logLines().isEmpty());
    EXPECT_EQ(progress.shows, QStringList({"Converting the catalogue... 0..7"}));
    EXPECT_EQ(progress.values.last(), 7);

    cat.close();
    EXPECT_EQ(films(), QStringList({"films.cnlg", "films.jet-backup.cnlg"}));
    EXPECT_EQ(fileBytes(t.path("films.jet-backup.cnlg")), original);
    EXPECT_TRUE(fileBytes(path()).startsWith(QByteArray("SQLite format 3\0", 16)));
    EXPECT_EQ(RawDb(path(), false, true).value("PRAGMA integrity_check"), "ok");

    // From now on it is an ordinary catalogue: no question.
    t.prompts.clear();
    ASSERT_TRUE(open());
    EXPECT_TRUE(t.prompts.shown().isEmpty());
}

TEST_F(JetConvertTest, NoLeavesTheFileAsItWasAndOpensNothing)
{
    const QByteArray original = jetFileBytes();
    writeFile(path(), original);
    FakeSource source = smallCatalogue();
    useSource(source);
    t.prompts.answerNo();
    EXPECT_FALSE(open());
    EXPECT_FALSE(cat.isOpen());
    EXPECT_EQ(fileBytes(path()), original);
    EXPECT_EQ(films(), QStringList({"films.cnlg"}));
    EXPECT_EQ(source.cursorsOpened, 0);
    ASSERT_EQ(t.prompts.shown().size(), 2);
    EXPECT_EQ(t.prompts.shown().at(0).text, Question);
    EXPECT_EQ(t.prompts.shown().at(1).text,
              "The catalogue was not converted, so it cannot be opened. The file has not been changed.");
    EXPECT_TRUE(t.logLines().isEmpty());
    EXPECT_TRUE(t.ctx().ReadINI("Options", "LastDB").isEmpty());
}

TEST_F(JetConvertTest, ASourceThatFailsMidwayLeavesTheOriginalAndNoStrayFiles)
{
    const QByteArray original = jetFileBytes();
    writeFile(path(), original);
    FakeSource source = smallCatalogue();
    source.failAfter("Movies", 2);
    useSource(source);
    RecordingProgress progress;
    t.ctx().setProgress(&progress);
    t.prompts.answerYes();
    EXPECT_FALSE(open());
    t.ctx().setProgress(nullptr);

    EXPECT_FALSE(cat.isOpen());
    EXPECT_EQ(fileBytes(path()), original);
    EXPECT_EQ(films(), QStringList({"films.cnlg"}));
    const QStringList log = logLinesFor("DBConn");
    ASSERT_EQ(log.size(), 1) << t.logLines().join('\n').toStdString();
    EXPECT_TRUE(log.first().contains("could not be converted and has not been changed. The source could not be read (test)."))
        << log.first().toStdString();
    // The user is told why, and the progress display is closed.
    EXPECT_TRUE(t.prompts.shown().last().text.contains("The source could not be read (test)."));
    EXPECT_EQ(progress.values.last(), 7);
}

TEST_F(JetConvertTest, AnExistingBackupIsNeverOverwritten)
{
    const QByteArray original = jetFileBytes();
    writeFile(path(), original);
    writeFile(t.path("films.jet-backup.cnlg"), "an earlier backup");
    writeFile(t.path("films.jet-backup-2.cnlg"), "another one");
    FakeSource source = smallCatalogue();
    useSource(source);
    t.prompts.answerYes();
    ASSERT_TRUE(open()) << t.logLines().join('\n').toStdString();
    cat.close();
    EXPECT_EQ(fileBytes(t.path("films.jet-backup.cnlg")), "an earlier backup");
    EXPECT_EQ(fileBytes(t.path("films.jet-backup-2.cnlg")), "another one");
    EXPECT_EQ(fileBytes(t.path("films.jet-backup-3.cnlg")), original);
    EXPECT_EQ(t.prompts.shown().at(1).text, "The catalogue has been converted. The original file is kept as 'films.jet-backup-3.cnlg'.");
    EXPECT_EQ(films().size(), 4);
}

TEST_F(JetConvertTest, BackupNames)
{
    EXPECT_EQ(JetImport::backupPathFor("/home/ann/films.cnlg", 1), "/home/ann/films.jet-backup.cnlg");
    EXPECT_EQ(JetImport::backupPathFor("/home/ann/films.cnlg", 2), "/home/ann/films.jet-backup-2.cnlg");
    EXPECT_EQ(JetImport::backupPathFor("/home/ann/my.films.cnlg", 1), "/home/ann/my.films.jet-backup.cnlg");
    EXPECT_EQ(JetImport::backupPathFor("/home/ann/films", 1), "/home/ann/films.jet-backup");
}

TEST_F(JetConvertTest, AJetFileThatIsNotACatalogueIsRefusedUnchanged)
{
    SKIP_WITHOUT_JET_FILES(folder);
    // The real reader on a real Jet file, which holds no movies.
    ASSERT_TRUE(QFile::copy(folder + "/nwind.mdb", path()));
    const QByteArray original = fileBytes(path());
    t.prompts.answerYes();
    EXPECT_FALSE(open());
    EXPECT_EQ(fileBytes(path()), original);
    EXPECT_EQ(films(), QStringList({"films.cnlg"}));
    const QStringList log = logLinesFor("DBConn");
    ASSERT_EQ(log.size(), 1) << t.logLines().join('\n').toStdString();
    EXPECT_TRUE(log.first().contains("It has no Movies table, so it is not a Cinelog catalogue.")) << log.first().toStdString();
}

TEST_F(JetConvertTest, AJetFileTheReaderCannotReadIsRefusedUnchanged)
{
    // The real reader: a Jet header and nothing readable after it.
    const QByteArray original = jetFileBytes();
    writeFile(path(), original);
    t.prompts.answerYes();
    EXPECT_FALSE(open());
    EXPECT_EQ(fileBytes(path()), original);
    EXPECT_EQ(films(), QStringList({"films.cnlg"}));
    const QStringList log = logLinesFor("DBConn");
    ASSERT_EQ(log.size(), 1) << t.logLines().join('\n').toStdString();
    EXPECT_TRUE(log.first().contains("could not be opened.")) << log.first().toStdString();
}

TEST_F(JetConvertTest, OtherUsesOfAJetFileAskForItToBeOpenedFirst)
{
    writeFile(path(), jetFileBytes());
    try {
        CatalogueFile::openConnection(path(), QStringLiteral("jet-test"));
        ADD_FAILURE() << "no error";
    } catch (const CinelogError &e) {
        EXPECT_TRUE(e.description().contains("is a catalogue of an earlier version of Cinelog: open it first to convert it."));
    }
    EXPECT_FALSE(QSqlDatabase::contains(QStringLiteral("jet-test")));
}

} // namespace
