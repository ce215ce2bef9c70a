#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;
class QTranslator;

// The program's language: which translation is loaded at start, and the locale that dates and
// numbers are shown in. The choice is the Language setting (ProgramSettings.h): a language code
// ("de", "en", ...), or empty for the system's language.
namespace Translations {

struct Choice {
    QString code;  // as stored in the settings; empty: the system's language
    QString name;  // in its own language ("Deutsch"); empty for the system default
};
// The languages Options offers, the system default first.
QList<Choice> offered();

// The locale a stored Language value stands for: the system's when it is empty or not offered.
QLocale localeFor(const QString &language);

// Where the program's .qm files are looked for, in order: beside an installed program
// (<prefix>/share/cinelog/translations), a "translations" folder beside the executable, then the
// build tree's.
QStringList searchFolders(const QString &programFolder);

struct Installed {
    QLocale locale;
    QString programFile;  // the program's .qm loaded, empty when none (English, or no translation)
    QString qtFile;       // Qt's own .qm loaded, empty when none
};

// Makes the program speak the chosen language from now on: QLocale's default, the program's
// translation and Qt's own (for standard dialogs and buttons). Translators installed by an earlier
// call are removed first. Windows made before the call keep their texts.
Installed install(const QString &language, const QStringList &folders);

} // namespace Translations
