#pragma once

#include "model/messages.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTextEdit;
class QToolButton;

namespace kinrow {

class Label3D;
class Prompts;
class ReadReporter;
class Session;

// The first page: title, version, the About text, the language choice, the buttons that open a
// family file, and the error list of the last file read.
class AboutPage : public QWidget
{
    Q_OBJECT
public:
    AboutPage(Session& session, Prompts& prompts, QWidget* parent = nullptr);

    // Shows the error list of a file read, or hides the list with its close button.
    void showErrors(const QStringList& lines, bool visible);
    // Shows the family check's findings in the error list; closing them changes nothing.
    void showFindings(const QStringList& lines);
    void hideErrors();
    // Reports a file read with the page's progress bar and messages through the prompts.
    std::unique_ptr<ReadReporter> readReporter() const;

Q_SIGNALS:
    // Button_Devam: on to the family, opening the remembered file when none is open.
    void continueRequested();
    // BitBtn_Dosya: another family file.
    void openRequested();
    // SB_ErrorClose: the error list was closed.
    void errorListClosed();

private:
    void createControls();
    void connectControls();
    // The page's own captions, hints, About text and the language list in the session's language.
    void retranslate();
    void buildAboutText(Lang lang);
    void SB_ErrorCloseClick();

    Session& session_;
    Prompts& prompts_;
    bool showingFindings_ = false; // the error list holds the family check's findings
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
};

} // namespace kinrow
