#include "AppContext.h"

#include "ProgramSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

AppContext::AppContext(const QString &settingsFolder, const QString &programFolder_, Services services)
    : programFolder(programFolder_), WebAddress(productWebAddress()), m_services(services), m_log(QString(), &CurrentUser, nullptr, nullptr)
{
    static SystemClock systemClock;
    if (!m_services.clock)
        m_services.clock = &systemClock;
    if (!m_services.progress)
        m_services.progress = &m_nullProgress;
    QDir().mkpath(settingsFolder);
    INIPath = QDir(settingsFolder).filePath(QStringLiteral("reelbase.ini"));
    m_ini.setPath(INIPath);
    m_log = ErrorLog(QDir(settingsFolder).filePath(QStringLiteral("examErr.log")), &CurrentUser, m_services.clock,
                     m_services.prompts);
}

QString AppContext::defaultSettingsFolder(const QString &programFolder)
{
    if (QFileInfo::exists(QDir(programFolder).filePath(QStringLiteral("reelbase.ini"))))
        return programFolder;
    // The configuration folder itself, not AppConfigLocation: that one adds the organisation and
    // the application name, both "Cinelog".
    QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        config = QDir::home().filePath(QStringLiteral(".config"));
    return QDir(config).filePath(QStringLiteral("Cinelog"));
}

QStringList AppContext::moveDoubledSettings(const QString &settingsFolder)
{
    QStringList moved;
    const QDir target(settingsFolder);
    const QString doubledPath = target.filePath(QStringLiteral("Cinelog"));
    if (!QFileInfo(doubledPath).isDir())
        return moved;
    QDir().mkpath(settingsFolder);
    const QDir doubled(doubledPath);
    for (const QString &name : {QStringLiteral("reelbase.ini"), QStringLiteral("examErr.log")}) {
        const QString from = doubled.filePath(name);
        const QString to = target.filePath(name);
        // A file already at the right place is the newer one: the old copy stays where it is.
        if (!QFileInfo(from).isFile() || QFileInfo::exists(to))
            continue;
        if (QFile::rename(from, to))
            moved << name;
    }
    // Only an emptied folder goes; rmdir refuses one that still holds anything.
    QDir(settingsFolder).rmdir(QStringLiteral("Cinelog"));
    return moved;
}

QString productWebAddress()
{
#ifdef CINELOG_WEBSITE
    return QStringLiteral(CINELOG_WEBSITE).trimmed();
#else
    return QString();
#endif
}

QString existingFolderOrHome(const QString &folder)
{
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QDir::homePath();
}

void AppContext::GetUser()
{
    guard(QStringLiteral("GetUser"), [this] {
        QString name;
        if (const passwd *pw = getpwuid(getuid()); pw && pw->pw_name)
            name = QString::fromLocal8Bit(pw->pw_name);
        if (name.isEmpty())
            name = qEnvironmentVariable("USER");
        CurrentUser = name.trimmed().toLower();
    });
}

// Reports are offered for saving in the user's documents folder when there is one, else in the
// home folder: the program's own folder is not writable on this platform.
static QString defaultPdfFolder()
{
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(existingFolderOrHome(docs)).absolutePath() + QLatin1Char('/');
}

void DoDefaults(AppContext &ctx)
{
    static const int reelbase[16] = {630, 4605, 4605, 2475, 1125, 915, 960, 825, 1215, 750, 810, 825, 1155, 585, 5280, 1440};
    static const int searchList[16] = {500, 3210, 1900, 1500, 1500, 1500, 825, 1305, 1155, 1000, 1000, 1100, 570, 900, 700, 1500};
    static const int movieLoans[6] = {500, 855, 2730, 1575, 1485, 1440};
    IniFile &ini = ctx.ini();
    ctx.guard(QStringLiteral("DoDefaults"), [&] {
        ini.beginBatch();
        auto put = [&](const char *section, const QString &key, const QString &value) {
            ini.write(QString::fromLatin1(section), key, value);
        };
        for (int i = 0; i < 16; ++i)
            put("Reelbase", QString::number(i + 1), QString::number(reelbase[i]));
        put("Reelbase", QStringLiteral("Width"), QStringLiteral("12045"));
        put("Reelbase", QStringLiteral("Height"), QStringLiteral("9435"));
        for (int i = 0; i < 16; ++i)
            put("SearchList", QString::number(i + 1), QString::number(searchList[i]));
        put("SearchList", QStringLiteral("Width"), QStringLiteral("12045"));
        put("SearchList", QStringLiteral("Height"), QStringLiteral("9435"));
        for (int i = 0; i < 6; ++i)
            put("MovieLoans", QString::number(i + 1), QString::number(movieLoans[i]));
        ProgramSettings::AutoLoad.write(ini, true);
        ProgramSettings::PDFFolder.write(ini, defaultPdfFolder());
        put("frmLoans", QStringLiteral("Show"), QStringLiteral("Movies Loaned Out"));
        if (!ini.endBatch())
            throw CinelogError(ErrorNumber::PermissionDenied, logged("AppContext", "Permission denied: %1").arg(ctx.INIPath));
    });
}

namespace RecentList {

QStringList read(const AppContext &ctx)
{
    QStringList out;
    for (int i = 1; i <= ProgramSettings::RecentCount; ++i)
        out << ProgramSettings::recentCatalogue(i).read(ctx.ini());
    return out;
}

void WriteDBList(AppContext &ctx, const QString &theDB)
{
    static_assert(ProgramSettings::RecentCount == 5, "the shift below moves four entries");
    using ProgramSettings::recentCatalogue;
    IniFile &ini = ctx.ini();
    QString old[5];
    for (int i = 1; i <= 4; ++i)
        old[i] = recentCatalogue(i).read(ini);
    ini.beginBatch();
    recentCatalogue(1).write(ini, theDB);
    // Only the first entry that still exists (an unset one counts as existing) and differs from the
    // new path decides where the shift starts; entries after it move up without being tested.
    int k = 0;
    for (int i = 1; i <= 4 && k == 0; ++i) {
        bool exists = old[i].isEmpty() || QFileInfo::exists(old[i]);
        if (exists && old[i] != theDB)
            k = i;
    }
    if (k > 0) {
        int target = 2;
        for (int i = k; i <= 4; ++i)
            recentCatalogue(target++).write(ini, old[i]);
        while (target <= 5)
            recentCatalogue(target++).clear(ini);
    }
    ini.endBatch();
}

} // namespace RecentList
