// The language the program speaks: the chosen translation is found where the program is installed
// or built, Qt's own translation comes with it, the locale follows, and English loads nothing.

#include "AppContext.h"
#include "ProgramSettings.h"
#include "TestContext.h"
#include "Translations.h"
#include "frmOptions.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QtTest>

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Translations::install(QStringLiteral("en"), {}); }

    void chosenLanguageIsLoadedWithQtsOwn_data();
    void chosenLanguageIsLoadedWithQtsOwn();
    void installedFolderComesBeforeTheBuildTree();
    void storedValuesStandForTheirLocale_data();
    void storedValuesStandForTheirLocale();
    void optionsOffersEveryLanguageAndStoresTheChoice();

private:
    // A folder with the pseudo-translation standing in for the program's translation into lang.
    static QString folderWith(QTemporaryDir &dir, const QString &lang)
    {
        const QString target = dir.filePath(QStringLiteral("cinelog_%1.qm").arg(lang));
        QFile::remove(target);
        if (!QFile::copy(QStringLiteral(CINELOG_PSEUDO_QM), target))
            return {};
        return dir.path();
    }
    static QString lookedUp() { return QCoreApplication::translate("frmOptions", "Takes effect the next time Cinelog starts."); }
    static bool marked(const QString &text) { return text.startsWith(QChar(0x27E6)) && text.endsWith(QChar(0x27E7)); }
};

void LanguageTest::chosenLanguageIsLoadedWithQtsOwn_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QLocale::Language>("language");
    QTest::newRow("German") << QStringLiteral("de") << QLocale::German;
    QTest::newRow("French, stored in capitals with spaces") << QStringLiteral(" FR ") << QLocale::French;
    QTest::newRow("Spanish") << QStringLiteral("es") << QLocale::Spanish;
}

void LanguageTest::chosenLanguageIsLoadedWithQtsOwn()
{
    QFETCH(QString, stored);
    QFETCH(QLocale::Language, language);
    QTemporaryDir dir;
    const QString code = stored.trimmed().toLower();
    const QString folder = folderWith(dir, code);
    QVERIFY(!folder.isEmpty());

    // The first folder has no translation: the next one's is taken.
    const Translations::Installed got = Translations::install(stored, {dir.filePath(QStringLiteral("missing")), folder});
    QCOMPARE(got.locale.language(), language);
    QCOMPARE(QLocale().language(), language);
    QCOMPARE(got.programFile, QDir(folder).filePath(QStringLiteral("cinelog_%1.qm").arg(code)));
    QVERIFY2(marked(lookedUp()), qPrintable(lookedUp()));
    // Qt's standard buttons and dialogs speak the language too (Debian's qt6-translations-l10n).
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    QVERIFY2(QFileInfo(got.qtFile).absolutePath() == QDir(qtFolder).absolutePath(), qPrintable(got.qtFile));
    QVERIFY(QFileInfo(got.qtFile).fileName().startsWith(QStringLiteral("qtbase_") + code));
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QStringLiteral("Cancel"));

    // English again: nothing of either stays.
    const Translations::Installed english = Translations::install(QStringLiteral("en"), {folder});
    QVERIFY(english.programFile.isEmpty());
    QVERIFY(english.qtFile.isEmpty());
    QCOMPARE(lookedUp(), QStringLiteral("Takes effect the next time Cinelog starts."));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    QCOMPARE(QLocale().language(), QLocale::English);
}

void LanguageTest::installedFolderComesBeforeTheBuildTree()
{
    const QStringList folders = Translations::searchFolders(QStringLiteral("/opt/cinelog/bin"));
    QVERIFY(folders.size() >= 2);
    QCOMPARE(folders.first(), QStringLiteral("/opt/cinelog/share/cinelog/translations"));
    // The build tree's folder, where a program run from the build finds the compiled translations.
    QVERIFY(folders.contains(QFileInfo(QStringLiteral(CINELOG_PSEUDO_QM)).absolutePath()));
}

void LanguageTest::storedValuesStandForTheirLocale_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QLocale::Language>("language");
    QTest::newRow("empty: the system's") << QString() << QLocale::system().language();
    QTest::newRow("a language not offered: the system's") << QStringLiteral("xx") << QLocale::system().language();
    QTest::newRow("English") << QStringLiteral("en") << QLocale::English;
    QTest::newRow("German") << QStringLiteral("de") << QLocale::German;
}

void LanguageTest::storedValuesStandForTheirLocale()
{
    QFETCH(QString, stored);
    QFETCH(QLocale::Language, language);
    QCOMPARE(Translations::localeFor(stored).language(), language);
}

void LanguageTest::optionsOffersEveryLanguageAndStoresTheChoice()
{
    TestContext t;
    ProgramSettings::Language.write(t.ctx().ini(), QStringLiteral("fr"));
    auto *options = new frmOptions(t.ctx());
    QCOMPARE(options->cboLanguage->currentData().toString(), QStringLiteral("fr"));
    QStringList codes;
    for (int i = 0; i < options->cboLanguage->count(); ++i)
        codes << options->cboLanguage->itemData(i).toString();
    QCOMPARE(codes, (QStringList{QString(), QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")}));
    QCOMPARE(options->cboLanguage->itemText(3), QStringLiteral("Fran\u00e7ais"));
    QVERIFY(!options->lblLanguageNote->text().isEmpty());

    options->cboLanguage->setCurrentIndex(2);
    options->cmdOK->click();
    QCOMPARE(ProgramSettings::Language.read(t.ctx().ini()), QStringLiteral("de"));

    // The system default is stored as no value.
    options = new frmOptions(t.ctx());
    options->cboLanguage->setCurrentIndex(0);
    options->cmdOK->click();
    QCOMPARE(ProgramSettings::Language.read(t.ctx().ini()), QString());
}

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
