#include "StatusReport.h"

#include "Catalogue.h"
#include "MovieListModel.h"
#include "frmMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QPluginLoader>

QStringList pluginFolders()
{
    const QDir bin(QCoreApplication::applicationDirPath());
    QStringList folders;
    const QString fromEnv = qEnvironmentVariable("CINELOG_PLUGIN_DIR");
    if (!fromEnv.isEmpty())
        folders << fromEnv;
    folders << bin.filePath(QStringLiteral("../plugins")) << bin.filePath(QStringLiteral("../") + QStringLiteral(CINELOG_PLUGIN_SUBDIR));
    return folders;
}

QJsonObject statusReport(const Catalogue &catalogue, const frmMain &mainWindow)
{
    QJsonArray plugins;
    for (const QString &folder : pluginFolders()) {
        const QDir dir(folder);
        for (const QString &file : dir.entryList(QDir::Files)) {
            QPluginLoader loader(dir.filePath(file));
            const QString iid = loader.metaData().value(QStringLiteral("IID")).toString();
            if (iid.isEmpty() || !loader.instance())
                continue;
            plugins.append(QJsonObject{{QStringLiteral("iid"), iid},
                                       {QStringLiteral("file"), QFileInfo(loader.fileName()).canonicalFilePath()}});
        }
    }
    const MovieListModel *model = mainWindow.movieModel();
    return QJsonObject{{QStringLiteral("catalogue"), catalogue.path()},
                       {QStringLiteral("open"), catalogue.isOpen()},
                       {QStringLiteral("movies"), model ? model->rowCount() : 0},
                       {QStringLiteral("title"), mainWindow.windowTitle()},
                       {QStringLiteral("coverPlugins"), plugins}};
}
