#pragma once

#include "gedcom/readsession.h"
#include "model/messages.h"
#include "model/person.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace kinrow {

// Exit statuses of every command.
constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

QTextStream& ToolOut();
QTextStream& ToolErr();

struct ToolCommand;

// One command line after parsing: the command, its parsed options and its arguments.
struct ToolArgs
{
    const ToolCommand& command;
    const QCommandLineParser& parser;
    QStringList positional;
};

// A command of kinrow-tool: one entry of the command table.
struct ToolCommand
{
    QString name;
    QString arguments; // the names of its arguments, in order, separated by spaces
    QString summary;
    QList<QCommandLineOption> options;
    int (*run)(const ToolArgs&) = nullptr;
    bool draws = false; // needs fonts (a QGuiApplication)
};

// Prints "kinrow-tool: message" and the command's usage line; returns kUsage.
int UsageError(const ToolArgs& args, const QString& message);

// The option "--lang tr|en".
QCommandLineOption LangOption();
// The language asked for, English without the option; false after a usage message on a bad
// value.
bool LangOf(const ToolArgs& args, Lang& lang);

// A number from low to high, or false after a usage message naming what and the value.
bool NumberIn(const ToolArgs& args, const QString& what, const QString& text, qint64 low,
              qint64 high, qint64& number);

// A family file read as opening it in the program does.
struct Loaded
{
    bool read = false;
    PersonList persons;
    ErrorList errors;
};

// Reads a family file by its content: a file that starts with "0 HEAD" is GEDCOM whatever its
// name, a ".dat" file is a legacy file, an empty file is an empty family; anything else, and
// anything that is not a regular file, is refused with a message on standard error.
Loaded LoadFamily(const QString& path, Lang lang);

// The reader's error list and the person count on standard output.
void PrintErrors(const Loaded& loaded);

// Prints a failure on standard error and returns kRefused.
int Refuse(const QString& message);

// Commands of the family file.
int RunCheck(const ToolArgs& args);
int RunConvert(const ToolArgs& args);
int RunGenerate(const ToolArgs& args);
int RunTime(const ToolArgs& args);
// Commands that print or export.
int RunChart(const ToolArgs& args);
int RunTable(const ToolArgs& args);
int RunList(const ToolArgs& args);
int RunExport(const ToolArgs& args);

} // namespace kinrow
