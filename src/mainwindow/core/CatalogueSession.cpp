#include "CatalogueSession.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CatalogueFile.h"
#include "ProgramSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString sameFile(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

CatalogueSession::CatalogueSession(AppContext &ctx, Catalogue &catalogue) : m_ctx(ctx), m_catalogue(catalogue)
{
}

QString CatalogueSession::chosenPath() const
{
    return m_catalogue.path();
}

bool CatalogueSession::open(const QString &path)
{
    Prompts &prompts = m_ctx.prompts();
    OpenOptions options;
    options.progress = &m_ctx.progress();
    options.status = [this](const QString &text) { m_ctx.showStatus(text); };
    OpenResult r = m_catalogue.open(path, options);

    const QString convertTitle = tr("Database Must Be Converted");
    if (r.status == OpenResult::Status::NeedsJetConversion) {
        if (!prompts.question(tr("This catalogue was made by an earlier version of Cinelog and must be converted."),
                              convertTitle, Prompts::Icon::Question)) {
            prompts.message(tr("The catalogue was not converted, so it cannot be opened. The file has not been changed."),
                            convertTitle, Prompts::Icon::Information);
            return false;
        }
        options.convertJet = true;
        r = m_catalogue.open(path, options);
    } else if (r.status == OpenResult::Status::NeedsOldFormatConversion) {
        prompts.message(tr("I have to convert your database to the new format!"), convertTitle, Prompts::Icon::Information);
        // The user may keep an earlier half-finished conversion: answering No converts into it.
        if (QFileInfo::exists(CatalogueFile::oldFormatConversionPath(path)))
            options.restartOldFormatConversion =
                prompts.question(tr("This question database already exists.\rAre you sure you want to overwrite it?"),
                                 tr("Create Database"), Prompts::Icon::Critical);
        options.convertOldFormat = true;
        r = m_catalogue.open(path, options);
    }

    for (const QString &note : r.conversionNotes)
        m_ctx.LogError(note, 0, QStringLiteral("ConvertJet"), false);
    if (r.opened() && !r.jetBackupPath.isEmpty())
        prompts.message(tr("The catalogue has been converted. The original file is kept as '%1'.")
                            .arg(QFileInfo(r.jetBackupPath).fileName()),
                        tr("Update Complete!"), Prompts::Icon::Information);
    if (r.convertedOldFormat)
        prompts.message(tr("Update Complete.  Now we'll load the updated database..."), tr("Update Complete!"),
                        Prompts::Icon::Information);
    for (const OpenFailure &f : r.failures)
        m_ctx.LogError(f.error, f.label);
    if (!r.opened()) {
        if (r.error)
            m_ctx.LogError(*r.error, QStringLiteral("DBConn"));
        // A catalogue too damaged to open: the user is offered to recover what still reads.
        if (r.status == OpenResult::Status::Damaged)
            m_catalogue.markDamaged(r.error ? r.error->description() : QString());
        return false;
    }
    m_ctx.guard(QStringLiteral("DBConn"), [&] {
        ProgramSettings::LastDB.write(m_ctx.ini(), r.path);
        ProgramSettings::LastFolder.write(m_ctx.ini(), QFileInfo(r.path).absolutePath());
    });
    return true;
}

bool CatalogueSession::create(QString &path)
{
    Prompts &prompts = m_ctx.prompts();
    if (QFileInfo::exists(path)) {
        if (!prompts.question(tr("This question database already exists.\rAre you sure you want to overwrite it?"),
                              tr("Create Database"), Prompts::Icon::Critical))
            return false;
        if (sameFile(path) == sameFile(m_catalogue.path()))
            m_catalogue.close();
        if (!QFile::remove(path)) {
            prompts.message(tr("Permission denied: %1").arg(path),
                            QCoreApplication::translate("ErrorLog", "Error %1 %2").arg(70).arg(QStringLiteral("CreateDB")),
                            Prompts::Icon::Critical);
            return false;
        }
    }
    if (!path.endsWith(QLatin1String(".cnlg")))
        path += QStringLiteral(".cnlg");
    try {
        CatalogueFile::create(path, m_ctx.progress());
    } catch (const CinelogError &e) {
        prompts.message(e.shownDescription(),
                        QCoreApplication::translate("ErrorLog", "Error %1 %2").arg(e.number()).arg(QStringLiteral("CreateDB")),
                        Prompts::Icon::Critical);
        return false;
    }
    return true;
}

bool CatalogueSession::createOpenAndRemember(const QString &file)
{
    QString path = file;
    create(path);
    const bool opened = open(path);
    remember(chosenPath());
    return opened;
}

bool CatalogueSession::openAndRemember(const QString &path)
{
    const bool opened = open(path);
    remember(chosenPath());
    return opened;
}

bool CatalogueSession::autoload()
{
    const QString last = ProgramSettings::LastDB.read(m_ctx.ini());
    if (!ProgramSettings::AutoLoad.read(m_ctx.ini()) || last.isEmpty() || !QFileInfo::exists(last))
        return false;
    return open(last);
}

QStringList CatalogueSession::recentCatalogues() const
{
    return RecentList::read(m_ctx);
}

void CatalogueSession::remember(const QString &path)
{
    RecentList::WriteDBList(m_ctx, path);
}

QString CatalogueSession::startFolder() const
{
    const QString last = ProgramSettings::LastFolder.read(m_ctx.ini());
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return existingFolderOrHome(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}
