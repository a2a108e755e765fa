#pragma once

#include <QString>

class QWidget;

namespace kinrow {

class TForm_ListeDlg;

// The program font: the family every control of the window and the selection list shows, the
// one it started with, and whether the user changed it since.
class ProgramFont
{
public:
    // The program font's character set as designed: Turkish.
    static constexpr int TurkishCharSet = 162;

    explicit ProgramFont(QWidget& window) : window_(window) {}

    void setListeDialog(TForm_ListeDlg* dialog);
    // The stored font the program starts with.
    void start(const QString& fontName, int fontCharSet);
    // The font dialog chose another family; the character set stays.
    void choose(const QString& fontName);
    // Back to the start-up font.
    void restore();

    // The family in use now.
    QString name() const;
    const QString& startupName() const { return startupName_; }
    int charSet() const { return charSet_; }
    // The program font differs from the stored one.
    bool changed() const { return changed_; }

private:
    void apply(const QString& fontName, int fontCharSet);

    QWidget& window_;
    TForm_ListeDlg* listeDialog_ = nullptr;
    QString startupName_;
    int startupCharSet_ = TurkishCharSet;
    int charSet_ = TurkishCharSet;
    bool changed_ = false;
};

} // namespace kinrow
