#include "ErrorLog.h"
#include "GTestSupport.h"

#include <QFile>

TEST(ErrorLog, LineFormat)
{
    struct Case {
        QDateTime when;
        QString label;
        qint64 number;
        QString expected;
    };
    const std::vector<Case> cases = {
        {QDateTime(QDate(2025, 12, 9), QTime(15, 42)), "frmMain - mnuCleanDB_Click", 424,
         "Dec 09, 2025 | 03:42 PM User: alice | frmMain - mnuCleanDB_Click: Object required, Err.Number: 424"},
        {QDateTime(QDate(2026, 1, 3), QTime(0, 5)), "frmMain mnuSave_Click", -2147467259,
         "Jan 03, 2026 | 12:05 AM User: alice | frmMain mnuSave_Click: Object required, Err.Number: -2147467259"},
        {QDateTime(QDate(2026, 7, 30), QTime(12, 0)), "DBConn", 0,
         "Jul 30, 2026 | 12:00 PM User: alice | DBConn: Object required, Err.Number: 0"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ErrorLog::formatLine(c.when, "alice", c.label, "Object required", c.number), c.expected);
}

TEST(ErrorLog, AppendsInOrderAndNeverOverwrites)
{
    GTestContext t;
    QFile f(t.ctx().errorLog().path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("earlier line\r\n");
    f.close();
    t.ctx().LogError("first", 1, "ShowProgress", false);
    t.clock.set(QDateTime(QDate(2025, 12, 9), QTime(15, 43)));
    t.ctx().LogError("second", 2, "UpdateProgress", false);
    const QStringList lines = t.logLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "earlier line");
    EXPECT_TRUE(lines[1].endsWith("| ShowProgress: first, Err.Number: 1"));
    EXPECT_TRUE(lines[2].startsWith("Dec 09, 2025 | 03:43 PM"));
    EXPECT_TRUE(t.prompts.shown().isEmpty());
}

TEST(ErrorLog, UnwritableLogStillShowsTheMessage)
{
    GTestContext t;
    t.ctx().errorLog().setPath(t.path("no/such/folder/examErr.log"));
    t.ctx().LogError("disk full", 61, "DBConn", true);
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown().first().title, "Error 61 DBConn");
}
