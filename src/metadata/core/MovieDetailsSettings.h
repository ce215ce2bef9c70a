#pragma once

#include <QString>
#include <QUrl>

class AppContext;

// The options of filling movies from an online source, in the settings section "MovieDetails"
// (the TMDb key and the test addresses are the cover search's, in "CoverSearch").
struct MovieDetailsSettings
{
    enum class NameForm { LastFirst, AsGiven };

    static constexpr int DefaultCastCount = 10;
    static constexpr int MaxCastCount = 200;
    static constexpr int MinTimeoutSeconds = 1;
    static constexpr int MaxTimeoutSeconds = 600;

    QString credential;          // CoverSearch/TMDbKey
    QUrl apiBaseAddress;         // CoverSearch/TMDbBaseAddress (empty: TMDb's own)
    QUrl imageBaseAddress;       // CoverSearch/TMDbImageBaseAddress (empty: TMDb's own)
    int castCount = DefaultCastCount;            // CastCount: the first N of the billing order
    QString country;             // Country: ISO 3166-1 code whose certification becomes the Rating
    QString language;            // Language: e.g. "en-US", sent with every request
    QString posterSize = QStringLiteral("w780"); // PosterSize
    NameForm nameForm = NameForm::LastFirst;     // NameForm: "LastFirst" or "AsGiven"
    int timeoutMs = 30000;       // TimeoutSeconds (or TimeoutMs, for tests)

    static MovieDetailsSettings read(const AppContext &ctx);
    // Writes the options the options dialog shows (not the key, which the cover search's row owns).
    void write(AppContext &ctx) const;

    // The locale's country ("DE" for de_DE), "US" when the locale names none.
    static QString localeCountry();
    // The locale's language tag ("de-DE").
    static QString localeLanguage();
};
