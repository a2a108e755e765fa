#pragma once

#include <QString>
#include <QStringList>

namespace kinrow {

// What the program's command line asks for before any window is made.
struct CommandLine
{
    enum class Action
    {
        Run,
        Help,
        Version,
        Usage
    };
    Action action = Action::Run;
    QString text;      // the help, version or error text to print for the other actions
    QStringList files; // the positional arguments, in order, for Run
};

// Reads `kinrow [--help] [--version] [FILE]`; arguments include the program name first and
// version is the package version that --version prints. Qt's own options (-platform NAME,
// -style NAME, -reverse, ...) are let through for the application object; other unknown options
// give Usage with an error line naming them and the hint to --help.
CommandLine ParseCommandLine(const QStringList& arguments, const QString& version);

// Exit status for each action: 0 for help and version, 2 for a usage error.
int CommandLineExitStatus(CommandLine::Action action);

} // namespace kinrow
