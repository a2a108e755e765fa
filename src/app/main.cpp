#include "editing/listedlg.h"
#include "gedcom/recoveryfile.h"
#include "model/buildversion.h"
#include "shell/commandline.h"
#include "shell/mainwindow.h"

#include <QApplication>

#include <cstdio>

namespace {

// Prints the text of a help, version or usage answer; returns the exit status.
int Answer(const kinrow::CommandLine& line)
{
    const QByteArray bytes = line.text.toLocal8Bit();
    std::fputs(bytes.constData(),
               line.action == kinrow::CommandLine::Action::Usage ? stderr : stdout);
    return kinrow::CommandLineExitStatus(line.action);
}

} // namespace

int main(int argc, char* argv[])
{
    // --help and --version answer without a display; an option unknown here may be one of Qt's
    // own (-platform, -style), which only the application object takes off the command line.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    kinrow::CommandLine line = kinrow::ParseCommandLine(raw, QStringLiteral(KINROW_VERSION_STRING));
    if (line.action == kinrow::CommandLine::Action::Help ||
        line.action == kinrow::CommandLine::Action::Version)
        return Answer(line);

    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("kinrow"));
    app.setOrganizationName(QStringLiteral("Kinrow"));
    // The desktop entry's id, so that a Wayland compositor finds the icon and name.
    app.setDesktopFileName(QStringLiteral("io.kinrow.Kinrow"));
    if (line.action != kinrow::CommandLine::Action::Run) {
        line = kinrow::ParseCommandLine(app.arguments(), QStringLiteral(KINROW_VERSION_STRING));
        if (line.action != kinrow::CommandLine::Action::Run)
            return Answer(line);
    }
    // The program title captions plain message boxes (ApplicationTitle); Qt would append a
    // display name to every window title, so none is set.
    kinrow::TForm_Main window(line.files);
    kinrow::TForm_ListeDlg listeDialog(&window);
    window.setListeDialog(&listeDialog);
    window.show();
    window.startRecovery(kinrow::RecoveryFolder());
    return app.exec();
}
