#pragma once

#include "model/messages.h"
#include <QWidget>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTextEdit;
class QToolButton;

namespace kinrow {

class Label3D;

// The first page: title, version, the About text, the language choice, the buttons that open a
// family file, and the error list of the last file read.
class AboutPage : public QWidget
{
    Q_OBJECT
public:
    explicit AboutPage(QWidget* parent = nullptr);

    // The page's own captions, hints, About text and the language list for the language.
    void retranslate(Lang lang);
    // Shows the error list's lines, or hides the list with its close button.
    void showErrors(const QStringList& lines, bool visible);
    void hideErrors();

    QLabel* Lb_Title;
    QLabel* Version;
    QTextEdit* RichEdit_About;
    QPlainTextEdit* Memo_Errors;
    QToolButton* SB_ErrorClose;
    QProgressBar* ProgressBar_Read;
    QLabel* ProgramIcon;
    QPushButton* BitBtn_Dosya;
    QPushButton* Button_Devam;
    QComboBox* ComboBox_Lang;
    Label3D* Label3D_WebPage;
    Label3D* Label3D_Email;

private:
    void createControls();
    void buildAboutText(Lang lang);
};

} // namespace kinrow
