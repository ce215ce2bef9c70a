#include "GTestSupport.h"
#include "ProgramRun.h"

#include <QJsonArray>

namespace {
const QString Program = QStringLiteral(CINELOG_EXECUTABLE);
}

TEST(Program, HelpAndVersionNeedNoDisplay)
{
    ProgramRun run;
    ProgramRun::Result version = run.run(Program, {QStringLiteral("--version")}, false);
    EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
    EXPECT_EQ(version.out, QStringLiteral("Cinelog 2.0\n"));

    ProgramRun::Result help = run.run(Program, {QStringLiteral("--help")}, false);
    EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("FILE.cnlg"))) << help.out.toStdString();

    // Anything else without a display says so in one line and stops.
    ProgramRun::Result noDisplay = run.run(Program, {QStringLiteral("films.cnlg")}, false);
    EXPECT_EQ(noDisplay.exitCode, 2);
    EXPECT_TRUE(noDisplay.err.contains(QStringLiteral("no display found"))) << noDisplay.err.toStdString();

    // A mistyped option is named, with or without a display, and nothing starts.
    for (bool display : {false, true}) {
        ProgramRun::Result bad = run.run(Program, {QStringLiteral("--verison")}, display);
        EXPECT_EQ(bad.exitCode, 1);
        EXPECT_TRUE(bad.err.contains(QStringLiteral("verison"))) << bad.err.toStdString();
        EXPECT_TRUE(bad.out.isEmpty());
    }
}

TEST(Program, OpensItsFileAndTakesFilesFromLaterStarts)
{
    ProgramRun run;
    const QString films = run.catalogue(QStringLiteral("films.cnlg"), {QStringLiteral("Brazil"), QStringLiteral("Heat")});
    const QString other = run.catalogue(QStringLiteral("other films.cnlg"), {QStringLiteral("Ran")});
    ASSERT_FALSE(films.isEmpty());

    // A path relative to the folder the program starts in.
    RunningProgram first(run, Program, {QStringLiteral("--status-report"), QStringLiteral("films.cnlg")});
    const QJsonObject started = first.nextStatus();
    ASSERT_FALSE(started.isEmpty()) << first.p.readAllStandardError().toStdString();
    EXPECT_EQ(started.value(QStringLiteral("catalogue")).toString(), films);
    EXPECT_TRUE(started.value(QStringLiteral("open")).toBool());
    EXPECT_EQ(started.value(QStringLiteral("movies")).toInt(), 2);
    EXPECT_EQ(started.value(QStringLiteral("coverPlugins")).toArray().size(), 2);

    // A second start hands its file over and ends at once; the first opens it.
    ProgramRun::Result second = run.run(Program, {other}, true, 15000);
    EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
    const QJsonObject handed = first.nextStatus();
    EXPECT_EQ(handed.value(QStringLiteral("catalogue")).toString(), other);
    EXPECT_TRUE(handed.value(QStringLiteral("open")).toBool());
    EXPECT_EQ(handed.value(QStringLiteral("movies")).toInt(), 1);

    // A start without a file only brings the running window forward.
    ProgramRun::Result third = run.run(Program, {}, true, 15000);
    EXPECT_EQ(third.exitCode, 0) << third.err.toStdString();
    const QJsonObject raised = first.nextStatus();
    EXPECT_EQ(raised.value(QStringLiteral("catalogue")).toString(), other);
    EXPECT_TRUE(raised.value(QStringLiteral("open")).toBool());
}
