#include "Backups.h"
#include "ExportDialog.h"
#include "RestoreWindow.h"
#include "TestCatalogue.h"
#include "WidgetTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>

// Set CINELOG_SHOTS to a folder to get pictures of the windows.
static void shoot(QWidget &w, const char *name)
{
    const QString folder = qEnvironmentVariable("CINELOG_SHOTS");
    if (!folder.isEmpty())
        w.grab().save(folder + u'/' + QString::fromLatin1(name) + QStringLiteral(".png"));
}

class ExportWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void exportDialogOffersTheMoviesAndFollowsTheFormat()
    {
        WidgetTestContext t;
        ExportDialog::Choices c;
        c.catalogueMovies = 120;
        c.listMovies = QList<int>{3, 1, 2};
        c.startPath = t.path(QStringLiteral("films"));
        ExportDialog d(t.ctx(), c);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(!child<QRadioButton>(&d, "optSearch")->isVisible());
        QVERIFY(child<QRadioButton>(&d, "optCatalogue")->isChecked());
        QVERIFY(!d.movieIds().has_value());
        child<QRadioButton>(&d, "optList")->setChecked(true);
        QCOMPARE(d.movieIds().value(), (QList<int>{3, 1, 2}));
        QCOMPARE(d.path(), t.path(QStringLiteral("films.csv")));
        auto *format = child<QComboBox>(&d, "cmbFormat");
        format->setCurrentIndex(format->findData(int(ExportFormat::Html)));
        QCOMPARE(d.format(), ExportFormat::Html);
        QCOMPARE(d.path(), t.path(QStringLiteral("films.html")));
        shoot(d, "export-dialog");
        child<QLineEdit>(&d, "txtFile")->clear();
        QVERIFY(!child<QPushButton>(&d, "cmdExport")->isEnabled());
    }

    void restoreWindowListsBackupsAndAsksFirst()
    {
        WidgetTestContext t;
        const QString path = t.path(QStringLiteral("films.cnlg"));
        QVERIFY(createCatalogue(path));
        Backups backups(t.path(QStringLiteral("backups")));
        const QDateTime when(QDate(2024, 5, 1), QTime(9, 30));
        backups.backUp(path, when);
        backups.backUp(path, when.addDays(1));
        RestoreWindow w(t.ctx(), backups, path);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *list = child<QTreeWidget>(&w, "lstBackups");
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("0"));
        shoot(w, "restore-window");

        t.prompts.answerNo();
        child<QPushButton>(&w, "cmdRestore")->click();
        QVERIFY(w.chosenBackup().isEmpty());
        t.prompts.answerYes();
        child<QPushButton>(&w, "cmdRestore")->click();
        QCOMPARE(w.chosenBackup(), backups.list(path).first().path);

        child<QSpinBox>(&w, "spnKeep")->setValue(0);
        QCOMPARE(BackupSettings::keep(t.ctx()), 0);
    }
};

QTEST_MAIN(ExportWindowsTest)
#include "ExportWindowsTest.moc"
