// kinrow-tool: the command-line companion of the family-tree program. Each command is one entry
// of the command table below; its options are parsed here, its work is done by its run function.
#include "model/buildversion.h"
#include "toolcommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QRegularExpression>

#include <memory>

using namespace kinrow;
using namespace Qt::Literals::StringLiterals;

namespace {

// The font of a printout, as the font dialog chooses it in the window.
QCommandLineOption FontOption()
{
    return QCommandLineOption(u"font"_s,
                              u"Font family of the printout (default MS Sans Serif; a family "
                              "that is not installed is replaced by the nearest one)."_s,
                              u"NAME"_s);
}

const QList<ToolCommand>& Commands()
{
    static const QList<ToolCommand> commands = {
        {u"check"_s,
         u"FILE"_s,
         u"Read a family file; print the reader's error list and the person count."_s,
         {QCommandLineOption(u"plausibility"_s, u"Also list what the family check finds."_s),
          LangOption()},
         RunCheck},
        {u"convert"_s,
         u"IN OUT"_s,
         u"Read a family file (GEDCOM by its content, or a .dat legacy file) and save it as OUT, keeping a backup of the previous OUT."_s,
         {LangOption()},
         RunConvert},
        {u"generate"_s,
         u"N OUT"_s,
         u"Write a made-up family of N persons as OUT, keeping a backup of the previous OUT."_s,
         {QCommandLineOption(u"seed"_s, u"Seed of the made-up family (default 1)."_s, u"S"_s)},
         RunGenerate},
        {u"time"_s,
         u"FILE"_s,
         u"Read a family file and print how long reading took."_s,
         {},
         RunTime},
        {u"chart"_s,
         u"FILE RECNO OUT.pdf"_s,
         u"Write the ancestor chart printout of record RECNO as a PDF file."_s,
         {FontOption(), LangOption()},
         RunChart,
         true},
        {u"table"_s,
         u"FILE RECNO OUT"_s,
         u"Export the generation table of record RECNO; OUT's extension (.html, .uni, .rtf, .csv, .txt) picks the format."_s,
         {QCommandLineOption(u"generations"_s, u"Generations shown, 1 to 99."_s, u"N"_s),
          LangOption()},
         RunTable},
        {u"list"_s,
         u"FILE OUT.pdf"_s,
         u"Write the list printout of the ticked persons as a PDF file."_s,
         {QCommandLineOption(u"scope"_s,
                             u"Persons ticked: family:R, surname:TEXT, males, females or all."_s,
                             u"SCOPE"_s),
          QCommandLineOption(u"columns"_s, u"Columns shown besides 0 to 2, e.g. 3,4,5."_s,
                             u"LIST"_s),
          QCommandLineOption(u"sort"_s, u"Sort by a column, descending with :desc."_s,
                             u"COLUMN[:desc]"_s),
          QCommandLineOption(u"pages"_s, u"Pages printed."_s, u"A-B"_s), FontOption(),
          LangOption()},
         RunList,
         true},
        {u"export"_s,
         u"FILE OUT.ged"_s,
         u"Write the family as standard GEDCOM 5.5.1 in UTF-8, for other genealogy programs."_s,
         {LangOption()},
         RunExport},
    };
    return commands;
}

QString argumentHelp(const QString& name)
{
    if (name == u"FILE" || name == u"IN")
        return u"The family file read."_s;
    if (name == u"RECNO")
        return u"The record number of the person."_s;
    if (name == u"N")
        return u"The number of persons, 0 to 20000000."_s;
    return u"The file written: a regular file or a new name, never the family file read."_s;
}

void printToolHelp()
{
    QTextStream& out = ToolOut();
    out << "Usage: kinrow-tool COMMAND ARGUMENTS [options]\n\n"
           "The command-line companion of Kinrow: checks, converts and makes family files,\n"
           "prints charts and lists as PDF and exports generation tables.\n\nCommands:\n";
    for (const ToolCommand& command : Commands())
        out << "  " << (command.name + u' ' + command.arguments).leftJustified(28) << ' '
            << command.summary << '\n';
    out << "\nOptions:\n  -h, --help     Show this help; COMMAND --help shows a command's "
           "options.\n"
           "  -v, --version  Show the version.\n\n"
           "Exit status: 0 done, 1 refused or failed (with the reason on standard error), 2 usage."
        << Qt::endl;
}

int printUsage()
{
    ToolErr() << "usage: kinrow-tool COMMAND ARGUMENTS [options]\ncommands:";
    for (const ToolCommand& command : Commands())
        ToolErr() << ' ' << command.name;
    ToolErr() << "\nkinrow-tool --help tells more." << Qt::endl;
    return kUsage;
}

const ToolCommand* commandNamed(const QString& name)
{
    for (const ToolCommand& command : Commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

// A negative number is an argument (a record number out of range), never an option; it is
// marked while the parser looks at the line.
constexpr QChar kMark = u'\x01';

QStringList markNegativeNumbers(const ToolCommand& command, const QStringList& words)
{
    static const QRegularExpression negative(u"^-[0-9]+$"_s);
    QStringList marked;
    for (const QString& word : words) {
        bool isValue = false;
        for (const QCommandLineOption& option : command.options) {
            if (!option.valueName().isEmpty() && !marked.isEmpty() &&
                marked.last() == QStringLiteral("--") + option.names().constFirst())
                isValue = true;
        }
        marked.append(!isValue && negative.match(word).hasMatch() ? kMark + word : word);
    }
    return marked;
}

int runCommand(const ToolCommand& command, const QStringList& words)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(command.summary);
    const QCommandLineOption help = parser.addHelpOption();
    parser.addOptions(command.options);
    const QStringList names = command.arguments.split(u' ');
    for (const QString& name : names)
        parser.addPositionalArgument(name, argumentHelp(name));
    ToolArgs args{command, parser, {}};
    if (!parser.parse(QStringList{u"kinrow-tool"_s} + markNegativeNumbers(command, words)))
        return UsageError(args, parser.errorText());
    if (parser.isSet(help) || parser.isSet(u"help-all"_s)) {
        QString text = parser.helpText();
        text = text.mid(text.indexOf(u'\n'));
        ToolOut() << "Usage: kinrow-tool " << command.name << " [options] " << command.arguments
                  << text << Qt::flush;
        return kDone;
    }
    for (QString word : parser.positionalArguments())
        args.positional.append(word.startsWith(kMark) ? word.mid(1) : word);
    if (args.positional.size() != names.size())
        return UsageError(args, QStringLiteral("%1 takes %2 argument(s), %3 given")
                                    .arg(command.name)
                                    .arg(names.size())
                                    .arg(args.positional.size()));
    return command.run(args);
}

// Drawing a printout needs fonts, so those commands run a GUI application, headless unless a
// platform is asked for.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[])
{
    const ToolCommand* command =
        argc >= 2 ? commandNamed(QString::fromLocal8Bit(argv[1])) : nullptr;
    if (!command || !command->draws)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QCoreApplication::setApplicationName(u"kinrow-tool"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(KINROW_VERSION_STRING));
    QStringList words = app->arguments().mid(1);
    if (words.isEmpty())
        return printUsage();
    const QString first = words.takeFirst();
    if (first == u"-h" || first == u"--help") {
        printToolHelp();
        return kDone;
    }
    if (first == u"-v" || first == u"--version") {
        ToolOut() << "kinrow-tool " << KINROW_VERSION_STRING << Qt::endl;
        return kDone;
    }
    const ToolCommand* command = commandNamed(first);
    if (!command) {
        ToolErr() << "kinrow-tool: no command " << first << Qt::endl;
        return printUsage();
    }
    return runCommand(*command, words);
}
