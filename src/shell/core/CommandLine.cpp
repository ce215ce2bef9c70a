#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace {

struct Options {
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption statusReport{QStringLiteral("status-report")};

    Options()
        : help(parser.addHelpOption()), version(parser.addVersionOption())
    {
        parser.setApplicationDescription(
            QCoreApplication::translate("CommandLine", "Catalogue the movies you own on disc or tape."));
        parser.addPositionalArgument(QStringLiteral("file"),
                                     QCoreApplication::translate("CommandLine", "A catalogue (.cnlg) to open."),
                                     QStringLiteral("[FILE.cnlg]"));
        statusReport.setFlags(QCommandLineOption::HiddenFromHelp);
        statusReport.setDescription(QStringLiteral("Print the program's state as JSON lines on standard output."));
        parser.addOption(statusReport);
    }
};

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments, const QString &workingFolder)
{
    CommandLine out;
    Options o;
    if (!o.parser.parse(arguments)) {
        out.action = Action::Error;
        out.text = o.parser.errorText();
        return out;
    }
    if (o.parser.isSet(o.help)) {
        out.action = Action::ShowHelp;
        out.text = o.parser.helpText();
        return out;
    }
    if (o.parser.isSet(o.version)) {
        out.action = Action::ShowVersion;
        out.text = QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion()
                   + QLatin1Char('\n');
        return out;
    }
    const QStringList files = o.parser.positionalArguments();
    if (files.size() > 1) {
        out.action = Action::Error;
        out.text = QCoreApplication::translate("CommandLine", "Only one catalogue can be opened at a time; %1 were given.")
                       .arg(files.size());
        return out;
    }
    out.statusReport = o.parser.isSet(o.statusReport);
    if (!files.isEmpty() && !files.first().isEmpty())
        out.file = QDir::cleanPath(QDir(workingFolder).absoluteFilePath(files.first()));
    return out;
}

bool CommandLine::needsNoDisplay(const QStringList &arguments)
{
    const CommandLine c = parse(arguments, QDir::currentPath());
    return c.action == Action::ShowHelp || c.action == Action::ShowVersion;
}
