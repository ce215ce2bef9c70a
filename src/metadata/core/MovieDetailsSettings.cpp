#include "MovieDetailsSettings.h"

#include "AppContext.h"

#include <QLocale>

namespace {

const QString Section = QStringLiteral("MovieDetails");
const QString CoverSection = QStringLiteral("CoverSearch");

QUrl address(const QString &text)
{
    const QString t = text.trimmed();
    return t.isEmpty() ? QUrl() : QUrl(t, QUrl::StrictMode);
}

bool isCountryCode(const QString &code)
{
    return code.size() == 2 && code.at(0).isLetter() && code.at(1).isLetter() && code.at(0).unicode() < 128
        && code.at(1).unicode() < 128;
}

} // namespace

QString MovieDetailsSettings::localeCountry()
{
    const QString code = QLocale::territoryToCode(QLocale().territory()).toUpper();
    return isCountryCode(code) ? code : QStringLiteral("US");
}

QString MovieDetailsSettings::localeLanguage()
{
    const QLocale locale;
    if (locale.language() == QLocale::C)
        return QStringLiteral("en-US");
    QString tag = locale.name();
    tag.replace(QLatin1Char('_'), QLatin1Char('-'));
    return tag;
}

MovieDetailsSettings MovieDetailsSettings::read(const AppContext &ctx)
{
    MovieDetailsSettings s;
    s.credential = ctx.ReadINI(CoverSection, QStringLiteral("TMDbKey")).trimmed();
    s.apiBaseAddress = address(ctx.ReadINI(CoverSection, QStringLiteral("TMDbBaseAddress")));
    s.imageBaseAddress = address(ctx.ReadINI(CoverSection, QStringLiteral("TMDbImageBaseAddress")));
    bool ok = false;
    const int cast = ctx.ReadINI(Section, QStringLiteral("CastCount")).trimmed().toInt(&ok);
    if (ok && cast >= 0)
        s.castCount = qMin(cast, MaxCastCount);
    const QString country = ctx.ReadINI(Section, QStringLiteral("Country")).trimmed().toUpper();
    s.country = isCountryCode(country) ? country : localeCountry();
    const QString language = ctx.ReadINI(Section, QStringLiteral("Language")).trimmed();
    s.language = language.isEmpty() ? localeLanguage() : language;
    const QString poster = ctx.ReadINI(Section, QStringLiteral("PosterSize")).trimmed();
    if (!poster.isEmpty())
        s.posterSize = poster;
    if (ctx.ReadINI(Section, QStringLiteral("NameForm")).trimmed().compare(QLatin1String("AsGiven"), Qt::CaseInsensitive) == 0)
        s.nameForm = NameForm::AsGiven;
    const int ms = ctx.ReadINI(Section, QStringLiteral("TimeoutMs")).trimmed().toInt(&ok);
    if (ok && ms > 0) {
        s.timeoutMs = ms;
    } else {
        const int seconds = ctx.ReadINI(Section, QStringLiteral("TimeoutSeconds")).trimmed().toInt(&ok);
        if (ok && seconds > 0)
            s.timeoutMs = qMin(seconds, 600) * 1000;
    }
    return s;
}

void MovieDetailsSettings::write(AppContext &ctx) const
{
    ctx.WriteINI(Section, QStringLiteral("CastCount"), QString::number(castCount));
    ctx.WriteINI(Section, QStringLiteral("Country"), country);
    ctx.WriteINI(Section, QStringLiteral("Language"), language);
    ctx.WriteINI(Section, QStringLiteral("PosterSize"), posterSize);
    ctx.WriteINI(Section, QStringLiteral("NameForm"),
                 nameForm == NameForm::AsGiven ? QStringLiteral("AsGiven") : QStringLiteral("LastFirst"));
}
