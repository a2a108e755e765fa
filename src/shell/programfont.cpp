#include "shell/programfont.h"

#include "editing/listedlg.h"

#include <QWidget>

namespace kinrow {

void ProgramFont::setListeDialog(TForm_ListeDlg* dialog)
{
    listeDialog_ = dialog;
    if (listeDialog_)
        listeDialog_->setMainFontName(window_.font().family());
}

QString ProgramFont::name() const
{
    return window_.font().family();
}

void ProgramFont::start(const QString& fontName, int fontCharSet)
{
    apply(fontName, fontCharSet);
    startupName_ = fontName;
    startupCharSet_ = fontCharSet;
}

void ProgramFont::choose(const QString& fontName)
{
    apply(fontName, charSet_);
    changed_ = true;
}

void ProgramFont::restore()
{
    apply(startupName_, startupCharSet_);
    changed_ = false;
}

void ProgramFont::apply(const QString& fontName, int fontCharSet)
{
    QFont windowFont = window_.font();
    windowFont.setFamily(fontName);
    window_.setFont(windowFont);
    charSet_ = fontCharSet;
    const QList<QWidget*> widgets = window_.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        QFont f = widget->font();
        f.setFamily(fontName);
        widget->setFont(f);
    }
    if (listeDialog_)
        listeDialog_->setMainFontName(fontName);
}

} // namespace kinrow
