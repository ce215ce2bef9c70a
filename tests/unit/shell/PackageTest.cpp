#include "GTestSupport.h"
#include "ProgramRun.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QMimeDatabase>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

QString runTool(const QString &program, const QStringList &args, int *exitCode = nullptr)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError());
}

struct Package {
    QString deb = qEnvironmentVariable("CINELOG_DEB");
    QTemporaryDir root;

    bool extract()
    {
        int code = -1;
        const QString out = runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, root.path()}, &code);
        EXPECT_EQ(code, 0) << out.toStdString();
        return code == 0;
    }
    QString field(const QString &name) const
    {
        return runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, name}).trimmed();
    }
    QString at(const QString &relative) const { return root.filePath(relative); }
};

} // namespace

TEST(Package, FilesDependsAndTheInstalledProgramRuns)
{
    Package pkg;
    ASSERT_TRUE(QFileInfo::exists(pkg.deb)) << "no package at " << pkg.deb.toStdString();
    EXPECT_TRUE(QFileInfo(pkg.deb).fileName().startsWith(QStringLiteral("cinelog_2.0_")));
    ASSERT_TRUE(pkg.extract());

    const QString plugins = QStringLiteral("usr/" CINELOG_PLUGIN_SUBDIR "/");
    for (const QString &file : {QStringLiteral("usr/bin/cinelog"), plugins + QStringLiteral("libcoverfetchcore.so"),
                                plugins + QStringLiteral("libtmdbcovers.so"),
                                QStringLiteral("usr/share/applications/org.cinelog.Cinelog.desktop"),
                                QStringLiteral("usr/share/mime/packages/org.cinelog.Cinelog.xml"),
                                QStringLiteral("usr/share/metainfo/org.cinelog.Cinelog.metainfo.xml"),
                                QStringLiteral("usr/share/icons/hicolor/scalable/apps/org.cinelog.Cinelog.svg"),
                                QStringLiteral("usr/share/icons/hicolor/16x16/apps/org.cinelog.Cinelog.png"),
                                QStringLiteral("usr/share/icons/hicolor/48x48/apps/org.cinelog.Cinelog.png"),
                                QStringLiteral("usr/share/icons/hicolor/256x256/apps/org.cinelog.Cinelog.png"),
                                QStringLiteral("usr/share/doc/cinelog/copyright"),
                                QStringLiteral("usr/share/doc/cinelog/changelog.gz"),
                                QStringLiteral("usr/share/man/man1/cinelog.1.gz"),
                                QStringLiteral("usr/share/cinelog/translations/cinelog_de.qm"),
                                QStringLiteral("usr/share/cinelog/translations/cinelog_fr.qm"),
                                QStringLiteral("usr/share/cinelog/translations/cinelog_es.qm")})
        EXPECT_TRUE(QFileInfo(pkg.at(file)).isFile()) << file.toStdString();
    EXPECT_TRUE(QFileInfo(pkg.at(QStringLiteral("usr/bin/cinelog"))).isExecutable());
    // A PNG icon is a picture of its own size.
    const QImage icon48(pkg.at(QStringLiteral("usr/share/icons/hicolor/48x48/apps/org.cinelog.Cinelog.png")));
    EXPECT_EQ(icon48.size(), QSize(48, 48));

    const QStringList depends = pkg.field(QStringLiteral("Depends")).split(QStringLiteral(", "));
    auto has = [&depends](const QString &name) {
        return std::any_of(depends.begin(), depends.end(), [&](const QString &d) { return d.section(QLatin1Char(' '), 0, 0) == name; });
    };
    // Loaded at run time, out of sight of dpkg-shlibdeps:
    for (const char *name : {"libqt6sql6-sqlite", "libqt6sql6-odbc", "odbc-mariadb", "libqt6svg6"})
        EXPECT_TRUE(has(QString::fromLatin1(name))) << name << " missing from " << depends.join(QStringLiteral(", ")).toStdString();
    // Found by dpkg-shlibdeps, with versions:
    for (const char *name : {"libc6", "libqt6widgets6", "libqt6sql6", "libqt6network6"})
        EXPECT_TRUE(has(QString::fromLatin1(name))) << name << " missing from " << depends.join(QStringLiteral(", ")).toStdString();
    EXPECT_EQ(pkg.field(QStringLiteral("Package")), QStringLiteral("cinelog"));

    // The installed program, started on a catalogue, opens it and loads its plugins from the
    // package's own plugin folder.
    ProgramRun run;
    const QString films = run.catalogue(QStringLiteral("films.cnlg"), {QStringLiteral("Heat")});
    RunningProgram program(run, pkg.at(QStringLiteral("usr/bin/cinelog")), {QStringLiteral("--status-report"), films});
    const QJsonObject status = program.nextStatus();
    ASSERT_FALSE(status.isEmpty()) << program.p.readAllStandardError().toStdString();
    EXPECT_EQ(status.value(QStringLiteral("catalogue")).toString(), films);
    EXPECT_TRUE(status.value(QStringLiteral("open")).toBool());
    EXPECT_EQ(status.value(QStringLiteral("movies")).toInt(), 1);
    QStringList iids;
    const QString pluginFolder = QFileInfo(pkg.at(plugins)).canonicalFilePath();
    for (const QJsonValue &v : status.value(QStringLiteral("coverPlugins")).toArray()) {
        iids << v.toObject().value(QStringLiteral("iid")).toString();
        EXPECT_TRUE(v.toObject().value(QStringLiteral("file")).toString().startsWith(pluginFolder + QLatin1Char('/')))
            << v.toObject().value(QStringLiteral("file")).toString().toStdString();
    }
    iids.sort();
    EXPECT_EQ(iids, (QStringList{QStringLiteral("CoverfetchCore.clsMain"), QStringLiteral("CoverfetchCore.clsMain.TMDb")}));
}

// The package's file type, read the way the desktop reads it: a catalogue is known by its content
// under any name and by its name even when the content is an old Jet file; other SQLite files are not
// catalogues.
TEST(Package, CatalogueFileTypeByNameAndContent)
{
    Package pkg;
    ASSERT_TRUE(pkg.extract());
    // One database of the standard types and the package's, as the install's trigger makes it.
    QTemporaryDir data;
    const QString packages = data.filePath(QStringLiteral("mime/packages"));
    ASSERT_TRUE(QDir().mkpath(packages));
    ASSERT_TRUE(QFile::copy(QStringLiteral("/usr/share/mime/packages/freedesktop.org.xml"),
                            packages + QStringLiteral("/freedesktop.org.xml")));
    ASSERT_TRUE(QFile::copy(pkg.at(QStringLiteral("usr/share/mime/packages/org.cinelog.Cinelog.xml")),
                            packages + QStringLiteral("/org.cinelog.Cinelog.xml")));
    int code = -1;
    const QString out = runTool(QStringLiteral("update-mime-database"), {data.filePath(QStringLiteral("mime"))}, &code);
    ASSERT_EQ(code, 0) << out.toStdString();
    EXPECT_FALSE(out.contains(QStringLiteral("rror"))) << out.toStdString();
    qputenv("XDG_DATA_DIRS", data.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.filePath(QStringLiteral("none")).toLocal8Bit());

    ProgramRun run;
    const QString films = run.catalogue(QStringLiteral("films.cnlg"), {});
    const QString renamed = run.home.filePath(QStringLiteral("backup.bin"));
    ASSERT_TRUE(QFile::copy(films, renamed));
    const QString plain = run.home.filePath(QStringLiteral("notes.db"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("plain"));
        db.setDatabaseName(plain);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE t (x)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("plain"));
    const QString jet = run.home.filePath(QStringLiteral("old.cnlg"));
    {
        QFile f(jet);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(2028, '\0'));
    }

    const QMimeDatabase mime;
    const QString type = QStringLiteral("application/x-cinelog-catalogue");
    EXPECT_EQ(mime.mimeTypeForFile(films).name(), type);
    EXPECT_EQ(mime.mimeTypeForFile(renamed).name(), type);
    EXPECT_EQ(mime.mimeTypeForFile(jet).name(), type);
    EXPECT_EQ(mime.mimeTypeForFile(plain).name(), QStringLiteral("application/vnd.sqlite3"));
    EXPECT_TRUE(mime.mimeTypeForName(type).inherits(QStringLiteral("application/vnd.sqlite3")));
}
