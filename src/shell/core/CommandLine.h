#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line: `cinelog [options] [FILE.cnlg]`.
struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Error };

    Action action = Action::Run;
    // The catalogue to open, made absolute against the folder the program was started in; empty
    // when none was given.
    QString file;
    // The help or version text to print (ShowHelp, ShowVersion), or what was wrong (Error).
    QString text;
    // Prints one line of JSON on standard output after start-up and after each catalogue a second
    // start hands over (the catalogue shown, its movie count, the cover plug-ins found). Not listed
    // in --help: it is for checking an installation.
    bool statusReport = false;

    // arguments as QCoreApplication::arguments() gives them, the program's name first. Relative
    // paths are resolved against workingFolder.
    static CommandLine parse(const QStringList &arguments, const QString &workingFolder);
    // True when arguments only ask for --help or --version, which need no display.
    static bool needsNoDisplay(const QStringList &arguments);
};
