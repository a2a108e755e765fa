#include "shell/commandline.h"

#include <gtest/gtest.h>

using namespace kinrow;

namespace {

const char* ActionName(CommandLine::Action action)
{
    switch (action) {
    case CommandLine::Action::Run:
        return "Run";
    case CommandLine::Action::Help:
        return "Help";
    case CommandLine::Action::Version:
        return "Version";
    case CommandLine::Action::Usage:
        return "Usage";
    }
    return "?";
}

} // namespace

TEST(CommandLine, ActionsAndFiles)
{
    struct Case
    {
        QStringList arguments;
        CommandLine::Action action;
        QStringList files;
        int status;
    };
    using A = CommandLine::Action;
    const Case cases[] = {
        {{"kinrow"}, A::Run, {}, 0},
        {{"kinrow", "aile.ged"}, A::Run, {"aile.ged"}, 0},
        {{"kinrow", "a b.ged", "second.ged"}, A::Run, {"a b.ged", "second.ged"}, 0},
        {{"kinrow", "--", "-dashed.ged"}, A::Run, {"-dashed.ged"}, 0},
        {{"kinrow", "--help"}, A::Help, {}, 0},
        {{"kinrow", "-h", "aile.ged"}, A::Help, {}, 0},
        {{"kinrow", "--version"}, A::Version, {}, 0},
        {{"kinrow", "-v"}, A::Version, {}, 0},
        {{"kinrow", "--bogus"}, A::Usage, {}, 2},
        {{"kinrow", "-platform", "offscreen"}, A::Run, {}, 0},
        {{"kinrow", "-style", "Fusion", "-reverse", "a.ged"}, A::Run, {"a.ged"}, 0},
        {{"kinrow", "-platform", "offscreen", "--bogus"}, A::Usage, {}, 2},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments, "9.8.7");
        const QString where = c.arguments.join(' ');
        EXPECT_STREQ(ActionName(line.action), ActionName(c.action)) << where.toStdString();
        EXPECT_EQ(line.files, c.files) << where.toStdString();
        EXPECT_EQ(CommandLineExitStatus(line.action), c.status) << where.toStdString();
    }
}

TEST(CommandLine, Texts)
{
    const QString help = ParseCommandLine({"/usr/bin/kinrow", "--help"}, "9.8.7").text;
    EXPECT_TRUE(help.startsWith("Usage: kinrow [OPTION]... [FILE]\n")) << help.toStdString();
    EXPECT_TRUE(help.contains("--version")) << help.toStdString();

    const QString version = ParseCommandLine({"kinrow", "--version"}, "9.8.7").text;
    EXPECT_TRUE(version.startsWith("kinrow 9.8.7\n")) << version.toStdString();
    EXPECT_TRUE(version.contains("GPL version 3 or later")) << version.toStdString();

    const QString usage = ParseCommandLine({"kinrow", "--bogus"}, "9.8.7").text;
    EXPECT_TRUE(usage.contains("bogus")) << usage.toStdString();
    EXPECT_TRUE(usage.endsWith("Try 'kinrow --help' for more information.\n"))
        << usage.toStdString();
}
