#include "shell/commandline.h"

#include <QCommandLineParser>

namespace kinrow {

namespace {

QString ProgramName(const QStringList& arguments)
{
    const QString first = arguments.value(0);
    const QString base = first.section(QLatin1Char('/'), -1);
    return base.isEmpty() ? QStringLiteral("kinrow") : base;
}

QString HelpText(const QString& program)
{
    return QStringLiteral(
               "Usage: %1 [OPTION]... [FILE]\n"
               "Kinrow, a family-tree (genealogy) editor.\n"
               "\n"
               "FILE is the family file (.ged) to work on; without it the program takes\n"
               "the family file of its last run.\n"
               "\n"
               "Options:\n"
               "  -h, --help     show this help and exit\n"
               "  -v, --version  show the version and exit\n"
               "\n"
               "Qt's own options (for example -platform NAME) are understood as well.\n"
               "Exit status: 0 when the window was closed, 2 for a wrong command line.\n")
        .arg(program);
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments, const QString& version)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("show this help and exit"));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("show the version and exit"));
    parser.addOption(help);
    parser.addOption(versionOption);
    // Qt's own options are taken by the application object later; known here, they are no
    // error, and their values are no family file.
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display",
                             "geometry", "title", "style", "stylesheet"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("family file to open"),
                                 QStringLiteral("[FILE]"));

    const QString program = ProgramName(arguments);
    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::Usage;
        result.text = QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                          .arg(program, parser.errorText());
        return result;
    }
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        result.text = HelpText(program);
    } else if (parser.isSet(versionOption)) {
        result.action = CommandLine::Action::Version;
        result.text = QStringLiteral("kinrow %1\n"
                                     "License GPLv3+: GNU GPL version 3 or later "
                                     "<https://gnu.org/licenses/gpl.html>.\n"
                                     "This is free software: you are free to change and "
                                     "redistribute it.\n"
                                     "There is NO WARRANTY, to the extent permitted by law.\n")
                          .arg(version);
    } else {
        result.files = parser.positionalArguments();
    }
    return result;
}

int CommandLineExitStatus(CommandLine::Action action)
{
    return action == CommandLine::Action::Usage ? 2 : 0;
}

} // namespace kinrow
