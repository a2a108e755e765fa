#pragma once

#include <QMainWindow>

namespace kinrow {

// The program's one main window.
class TForm_Main : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm_Main(QWidget* parent = nullptr);
};

} // namespace kinrow
