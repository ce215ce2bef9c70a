#include "ReportPainter.h"
#include "Reports.h"

#include "AppContext.h"
#include "ProgramSettings.h"

#include <QDir>
#include <QFileInfo>

namespace report {

QString offerToSaveAsPdf(AppContext &ctx, const ReportDocument &doc, const QString &title)
{
    QString written;
    ctx.guard(doc.name + QStringLiteral(" - ActiveReport_ReportEnd"), [&] {
        if (!ctx.prompts().question(QStringLiteral("Do you want to save this report?"), title, Prompts::Icon::Question))
            return;
        // The PDF folder of the options while that folder exists, else the home folder.
        const QString start = existingFolderOrHome(ProgramSettings::PDFFolder.read(ctx.ini()));
        QString path = ctx.prompts().saveFile(title, QStringLiteral("Adobe Acrobat File (*.pdf)"), start);
        if (path.isEmpty())
            return;
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".pdf");
        QString error;
        if (!writePdf(doc, path, &error))
            throw CinelogError(ErrorNumber::PermissionDenied,
                               QStringLiteral("The report could not be saved to %1: %2")
                                   .arg(QDir::toNativeSeparators(path), error));
        written = path;
    });
    return written;
}

} // namespace report
