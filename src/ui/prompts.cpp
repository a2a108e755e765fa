#include "ui/prompts.h"

#include "model/session.h"

#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace kinrow {

namespace {

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::YesCancel:
        return QMessageBox::Yes | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

PromptAnswer AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    default:
        return PromptAnswer::Cancel;
    }
}

QString DialogTitle(MessageKind kind, Lang lang)
{
    switch (kind) {
    case MessageKind::Warning:
        return LangText(Msg::WarningTitle, lang);
    case MessageKind::Information:
        return LangText(Msg::InformationTitle, lang);
    case MessageKind::Plain:
    case MessageKind::Error:
        break;
    }
    return ApplicationTitle();
}

} // namespace

QString PromptText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

Lang DialogPrompts::lang() const
{
    return session_ ? session_->lang() : Lang::English;
}

int Prompts::exec(QDialog& dialog)
{
    return dialog.exec();
}

PromptAnswer DialogPrompts::message(MessageKind kind, const QString& text, MessageButtons buttons)
{
    const QMessageBox::Icon icon = kind == MessageKind::Warning       ? QMessageBox::Warning
                                   : kind == MessageKind::Information ? QMessageBox::Information
                                   : kind == MessageKind::Error       ? QMessageBox::Critical
                                                                      : QMessageBox::NoIcon;
    QMessageBox box(icon, DialogTitle(kind, lang()), PromptText(text), ButtonsOf(buttons), parent_);
    return AnswerOf(box.exec());
}

std::optional<FamilyFileChoice> DialogPrompts::openFamilyFile(const QString& title,
                                                              const QString& currentName)
{
    // The native dialogs have no read-only box, so the widget dialog is used with one added.
    QFileDialog dialog(parent_, PromptText(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(
        {LangText(Msg::GedcomFilesFilter, lang()), LangText(Msg::OldFamilyFilesFilter, lang())});
    dialog.setDefaultSuffix(QStringLiteral("ged"));
    dialog.selectFile(currentName);
    auto* readOnly = new QCheckBox(LangText(Msg::OpenReadOnly, lang()), &dialog);
    readOnly->setObjectName(QStringLiteral("CheckBox_ReadOnly"));
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(readOnly, grid->rowCount(), 0, 1, grid->columnCount());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FamilyFileChoice{dialog.selectedFiles().first(), readOnly->isChecked()};
}

std::optional<QString> DialogPrompts::openPicture(const QString& title, const QString& folder)
{
    const QString path = QFileDialog::getOpenFileName(parent_, PromptText(title), folder,
                                                      LangText(Msg::PictureFilesFilter, lang()));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<SaveFileChoice>
DialogPrompts::saveFile(const QString& title, const QString& currentName, const QString& filter)
{
    QFileDialog dialog(parent_, PromptText(title), currentName, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const int index = int(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
    return SaveFileChoice{dialog.selectedFiles().first(), qMax(0, index)};
}

std::optional<QFont> DialogPrompts::chooseFont(const QFont& initial)
{
    bool ok = false;
    const QFont font =
        QFontDialog::getFont(&ok, initial, parent_, QString(), QFontDialog::ScalableFonts);
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QString> DialogPrompts::inputBox(const QString& title, const QString& label,
                                               const QString& value)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, PromptText(title), PromptText(label),
                                               QLineEdit::Normal, value, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

bool DialogPrompts::choosePrinter(QPrinter& printer, int pageCount)
{
    QPrintDialog dialog(&printer, parent_);
    // Output into a PDF file is always offered, so printing works without an installed printer.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, pageCount > 0);
    if (pageCount > 0) {
        dialog.setMinMax(1, pageCount);
        dialog.setFromTo(1, pageCount);
    }
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace kinrow
