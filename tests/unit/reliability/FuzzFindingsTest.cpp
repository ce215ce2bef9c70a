// Inputs the fuzzers found faults with (fuzz-findings/<harness>/), run again the way the harness ran them.

#include "CinelogError.h"
#include "GTestSupport.h"
#include "IniFile.h"
#include "WorkbookReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QStringList findings(const char *harness)
{
    const QDir dir(QStringLiteral(CINELOG_FUZZ_FINDINGS "/") + QLatin1String(harness));
    QStringList out;
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
        out << dir.filePath(name);
    return out;
}

TEST(FuzzFindings, SettingsFilesTakeAWriteThatReadsBack)
{
    const QStringList files = findings("ini");
    ASSERT_FALSE(files.isEmpty());
    QTemporaryDir dir;
    for (const QString &file : files) {
        const QString path = dir.filePath(QStringLiteral("reelbase.ini"));
        QFile::remove(path);
        ASSERT_TRUE(QFile::copy(file, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const QString value = QStringLiteral("C:\\films \"new\"; =x");
        ASSERT_TRUE(IniFile(path).write(QStringLiteral("Main"), QStringLiteral("LastDB"), value)) << qPrintable(file);
        EXPECT_EQ(IniFile(path).read(QStringLiteral("main"), QStringLiteral("lastdb")), value) << qPrintable(file);
    }
}

// Damaged .xls files give worksheets or a message, never a crash: strings running past their
// record, past the end of the data, and sector numbers past the end of the file.
TEST(FuzzFindings, DamagedXlsFilesEndInAMessageOrSheets)
{
    const QStringList files = findings("xls");
    ASSERT_FALSE(files.isEmpty());
    for (const QString &file : files) {
        try {
            auto reader = openWorkbook(file);
            for (int i = 0; i < reader->worksheetNames().size(); ++i) {
                try {
                    (void)reader->readSheet(i);
                } catch (const CinelogError &e) {
                    EXPECT_TRUE(e.description().contains(QFileInfo(file).fileName())) << e.description().toStdString();
                }
            }
        } catch (const CinelogError &e) {
            EXPECT_TRUE(e.description().contains(QFileInfo(file).fileName())) << e.description().toStdString();
        }
    }
}

} // namespace
