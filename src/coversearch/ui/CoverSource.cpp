#include "CoverSource.h"

#include "AppContext.h"
#include "Setting.h"
#include "frmOptions.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLineEdit>

namespace {

// Where covers are searched: TmdbName or CoverfetchName.
const Setting<QString> Source(QStringLiteral("CoverSearch"), QStringLiteral("Source"));
// The user's own TMDb API key.
const Setting<QString> TmdbKey(QStringLiteral("CoverSearch"), QStringLiteral("TMDbKey"));
const QString TmdbName = QStringLiteral("TMDb");
const QString CoverfetchName = QStringLiteral("CoverfetchCore");

} // namespace

namespace CoverSourceSettings {

CoverSource source(const AppContext &ctx)
{
    const QString value = Source.read(ctx.ini());
    return value.compare(TmdbName, Qt::CaseInsensitive) == 0 ? CoverSource::Tmdb : CoverSource::CoverfetchCore;
}

void setSource(AppContext &ctx, CoverSource source)
{
    Source.write(ctx.ini(), source == CoverSource::Tmdb ? TmdbName : CoverfetchName);
}

QString tmdbKey(const AppContext &ctx)
{
    return TmdbKey.read(ctx.ini());
}

void setTmdbKey(AppContext &ctx, const QString &key)
{
    TmdbKey.write(ctx.ini(), key.trimmed());
}

} // namespace CoverSourceSettings

void addCoverSearchOptions(frmOptions &dlg)
{
    auto *source = new QComboBox(&dlg);
    source->setObjectName(QStringLiteral("cboCoverSource"));
    source->addItem(QCoreApplication::translate("CoverSource", "Amazon product search (CoverfetchCore)"), int(CoverSource::CoverfetchCore));
    source->addItem(QCoreApplication::translate("CoverSource", "The Movie Database (TMDb)"), int(CoverSource::Tmdb));
    source->setToolTip(QCoreApplication::translate("CoverSource", "Where \"Search for Covers\" looks for cover pictures."));
    auto *key = new QLineEdit(&dlg);
    key->setObjectName(QStringLiteral("txtTMDbKey"));
    key->setPlaceholderText(QCoreApplication::translate("CoverSource", "Your TMDb API key or API read access token"));
    key->setToolTip(QCoreApplication::translate("CoverSource",
                                                "TMDb gives a free key for personal use with an account at themoviedb.org. "
                                                "Used by the cover search (when TMDb is its source) and by Get Movie Details."));
    key->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    key->setText(CoverSourceSettings::tmdbKey(dlg.context()));
    source->setCurrentIndex(source->findData(int(CoverSourceSettings::source(dlg.context()))));
    // The key is also the one "Get Movie Details" uses, so it can be entered whatever the cover source.
    dlg.extraOptions()->addRow(QCoreApplication::translate("CoverSource", "Cover source:"), source);
    dlg.extraOptions()->addRow(QCoreApplication::translate("CoverSource", "TMDb API key:"), key);
    QObject::connect(&dlg, &frmOptions::saving, &dlg, [&dlg] {
        if (auto *source = dlg.findChild<QComboBox *>(QStringLiteral("cboCoverSource")))
            CoverSourceSettings::setSource(dlg.context(), CoverSource(source->currentData().toInt()));
        if (auto *key = dlg.findChild<QLineEdit *>(QStringLiteral("txtTMDbKey")))
            CoverSourceSettings::setTmdbKey(dlg.context(), key->text());
    });
}
