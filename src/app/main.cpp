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
    // The command line is read before the application object, so that --help, --version and
    // a wrong option answer without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const kinrow::CommandLine line =
        kinrow::ParseCommandLine(arguments, QStringLiteral(KINROW_VERSION_STRING));
    if (line.action != kinrow::CommandLine::Action::Run)
        return Answer(line);

    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("kinrow"));
    app.setOrganizationName(QStringLiteral("Kinrow"));
    // The desktop entry's id, so that a Wayland compositor finds the icon and name.
    app.setDesktopFileName(QStringLiteral("io.kinrow.Kinrow"));
    // The program title captions plain message boxes (ApplicationTitle); Qt would append a
    // display name to every window title, so none is set.
    kinrow::TForm_Main window(line.files);
    kinrow::TForm_ListeDlg listeDialog(&window);
    window.setListeDialog(&listeDialog);
    window.show();
    window.startRecovery(kinrow::RecoveryFolder());
    return app.exec();
}
