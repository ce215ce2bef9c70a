#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#ifndef CINELOG_BUILD_TRANSLATIONS_DIR
#define CINELOG_BUILD_TRANSLATIONS_DIR ""
#endif
#ifndef CINELOG_TRANSLATIONS_SUBDIR
#define CINELOG_TRANSLATIONS_SUBDIR "share/cinelog/translations"
#endif

namespace Translations {

QList<Choice> offered()
{
    // Each language by its own name, so a user who cannot read the current one still finds theirs.
    return {{QString(), QString()},
            {QStringLiteral("en"), QStringLiteral("English")},
            {QStringLiteral("de"), QStringLiteral("Deutsch")},
            {QStringLiteral("fr"), QStringLiteral("Fran\u00e7ais")},
            {QStringLiteral("es"), QStringLiteral("Espa\u00f1ol")}};
}

QLocale localeFor(const QString &language)
{
    const QString code = language.trimmed().toLower();
    if (code.isEmpty())
        return QLocale::system();
    for (const Choice &c : offered())
        if (!c.code.isEmpty() && c.code == code) {
            // The system's country is kept when it speaks the chosen language (de_AT stays de_AT).
            const QLocale system = QLocale::system();
            const QLocale chosen(code);
            if (system.language() == chosen.language())
                return system;
            return chosen;
        }
    return QLocale::system();
}

QStringList searchFolders(const QString &programFolder)
{
    QStringList folders;
    const QDir bin(programFolder);
    folders << QDir::cleanPath(bin.filePath(QStringLiteral("../") + QStringLiteral(CINELOG_TRANSLATIONS_SUBDIR)))
            << bin.filePath(QStringLiteral("translations"));
    if (const QString build = QStringLiteral(CINELOG_BUILD_TRANSLATIONS_DIR); !build.isEmpty())
        folders << build;
    return folders;
}

namespace {

QList<QTranslator *> &installedTranslators()
{
    static QList<QTranslator *> list;
    return list;
}

// Loads base_<language>.qm (or the nearest name QTranslator finds for the locale) from the first
// folder that has it.
QTranslator *load(const QLocale &locale, const QString &base, const QStringList &folders, QString *file)
{
    for (const QString &folder : folders) {
        if (folder.isEmpty() || !QFileInfo(folder).isDir())
            continue;
        auto *t = new QTranslator(QCoreApplication::instance());
        if (t->load(locale, base, QStringLiteral("_"), folder) && !t->isEmpty()) {
            *file = t->filePath();
            return t;
        }
        delete t;
    }
    return nullptr;
}

} // namespace

Installed install(const QString &language, const QStringList &folders)
{
    for (QTranslator *t : installedTranslators()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    installedTranslators().clear();

    Installed out;
    out.locale = localeFor(language);
    QLocale::setDefault(out.locale);
    // English is the language the program is written in: nothing to load, and Qt's standard
    // dialogs are English too.
    if (out.locale.language() == QLocale::English || out.locale.language() == QLocale::C)
        return out;

    if (QTranslator *t = load(out.locale, QStringLiteral("cinelog"), folders, &out.programFile)) {
        QCoreApplication::installTranslator(t);
        installedTranslators() << t;
    }
    const QStringList qtFolders{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    if (QTranslator *t = load(out.locale, QStringLiteral("qtbase"), qtFolders, &out.qtFile)) {
        QCoreApplication::installTranslator(t);
        installedTranslators() << t;
    }
    return out;
}

} // namespace Translations
