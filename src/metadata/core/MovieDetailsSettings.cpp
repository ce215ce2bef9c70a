#include "MovieDetailsSettings.h"

#include "AppContext.h"
#include "Setting.h"

#include <QLocale>

#include <algorithm>

namespace {

const QString Section = QStringLiteral("MovieDetails");
const QString CoverSection = QStringLiteral("CoverSearch");

// The cover search's row in the options writes the key; the two addresses are for tests and
// stand-in services.
const Setting<QString> TmdbKey{CoverSection, QStringLiteral("TMDbKey")};
const Setting<QString> TmdbBaseAddress{CoverSection, QStringLiteral("TMDbBaseAddress")};
const Setting<QString> TmdbImageBaseAddress{CoverSection, QStringLiteral("TMDbImageBaseAddress")};
const Setting<int> CastCount{Section, QStringLiteral("CastCount"), MovieDetailsSettings::DefaultCastCount, 0,
                             MovieDetailsSettings::MaxCastCount};
const Setting<QString> Country{Section, QStringLiteral("Country")};
const Setting<QString> Language{Section, QStringLiteral("Language")};
const Setting<QString> PosterSize{Section, QStringLiteral("PosterSize"), QStringLiteral("w780")};
const Setting<QString> NameFormKey{Section, QStringLiteral("NameForm"), QStringLiteral("LastFirst")};
const Setting<int> TimeoutSeconds{Section, QStringLiteral("TimeoutSeconds"), 30, MovieDetailsSettings::MinTimeoutSeconds,
                                  MovieDetailsSettings::MaxTimeoutSeconds};
const Setting<int> TimeoutMs{Section, QStringLiteral("TimeoutMs"), 0, 1, 600000};

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
    const IniFile &ini = ctx.ini();
    MovieDetailsSettings s;
    s.credential = TmdbKey.read(ini);
    s.apiBaseAddress = address(TmdbBaseAddress.read(ini));
    s.imageBaseAddress = address(TmdbImageBaseAddress.read(ini));
    s.castCount = CastCount.read(ini);
    const QString country = Country.read(ini).toUpper();
    s.country = isCountryCode(country) ? country : localeCountry();
    const QString language = Language.read(ini);
    s.language = language.isEmpty() ? localeLanguage() : language;
    s.posterSize = PosterSize.read(ini);
    s.nameForm = NameFormKey.read(ini).compare(QLatin1String("AsGiven"), Qt::CaseInsensitive) == 0 ? NameForm::AsGiven
                                                                                                   : NameForm::LastFirst;
    s.timeoutMs = TimeoutMs.stored(ini).value_or(TimeoutSeconds.read(ini) * 1000);
    return s;
}

void MovieDetailsSettings::write(AppContext &ctx) const
{
    IniFile &ini = ctx.ini();
    CastCount.write(ini, castCount);
    Country.write(ini, country);
    Language.write(ini, language);
    PosterSize.write(ini, posterSize);
    NameFormKey.write(ini, nameForm == NameForm::AsGiven ? QStringLiteral("AsGiven") : QStringLiteral("LastFirst"));
    // Whole seconds. A time-out in milliseconds (tests set one) stays while it is the time-out kept;
    // a new time-out replaces it.
    if (timeoutMs != read(ctx).timeoutMs) {
        TimeoutSeconds.write(ini, std::clamp((timeoutMs + 999) / 1000, MinTimeoutSeconds, MaxTimeoutSeconds));
        TimeoutMs.clear(ini);
    }
}
