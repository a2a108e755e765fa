#include "shell/mainwindow.h"

namespace kinrow {

TForm_Main::TForm_Main(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TForm_Main"));
    setWindowTitle(QStringLiteral("KINROW - Aile Soyağacı"));
    resize(616, 480);
}

} // namespace kinrow
