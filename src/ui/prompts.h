#pragma once

#include "model/messages.h"

#include <QDate>
#include <QFont>
#include <QString>

#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace kinrow {

class Session;

enum class MessageKind
{
    Warning,
    Information,
    Plain,
    Error // a failure, under the program's title
};
enum class MessageButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    YesCancel
};
enum class PromptAnswer
{
    Ok,
    Cancel,
    Yes,
    No
};

// A family file chosen in the open dialog.
struct FamilyFileChoice
{
    QString path;
    bool readOnly = false; // the dialog's read-only box was ticked
};

// A file name chosen in a save dialog, with the index of the chosen filter.
struct SaveFileChoice
{
    QString path;
    int filterIndex = 0;
};

// Every message box, question, input box, file dialog and page dialog the window shows goes
// through here, so that tests can answer them from a script, and so does today's date, so that
// tests can fix it. "\r" in texts breaks the line.
class Prompts
{
public:
    virtual ~Prompts() = default;

    virtual PromptAnswer message(MessageKind kind, const QString& text,
                                 MessageButtons buttons = MessageButtons::Ok) = 0;
    // Empty when cancelled.
    virtual std::optional<FamilyFileChoice> openFamilyFile(const QString& title,
                                                           const QString& currentName) = 0;
    virtual std::optional<QString> openPicture(const QString& title, const QString& folder) = 0;
    // filter uses the ";;" separator of Qt file dialogs.
    virtual std::optional<SaveFileChoice> saveFile(const QString& title, const QString& currentName,
                                                   const QString& filter) = 0;
    virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
    virtual std::optional<QString> inputBox(const QString& title, const QString& label,
                                            const QString& value) = 0;
    // The print dialog: a printer or a PDF file chosen into printer; false when cancelled.
    // A pageCount above 0 also offers the page range 1..pageCount.
    virtual bool choosePrinter(QPrinter& printer, int pageCount) = 0;
    // Shows a page's own dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int exec(QDialog& dialog);
    // Today, as the clock of the machine tells it.
    virtual QDate today() const { return QDate::currentDate(); }
};

// The program's title, captioning plain message boxes.
inline QString ApplicationTitle()
{
    return LangText(Msg::ProgramTitle, Lang::Turkish);
}

// The texts' carriage returns as line breaks of the dialogs.
QString PromptText(const QString& text);

// The real dialogs, modal over the given window. Their own texts follow the session's
// language; without a session they are English.
class DialogPrompts : public Prompts
{
public:
    explicit DialogPrompts(QWidget* parent, const Session* session = nullptr)
        : parent_(parent), session_(session)
    {}

    PromptAnswer message(MessageKind kind, const QString& text, MessageButtons buttons) override;
    std::optional<FamilyFileChoice> openFamilyFile(const QString& title,
                                                   const QString& currentName) override;
    std::optional<QString> openPicture(const QString& title, const QString& folder) override;
    std::optional<SaveFileChoice> saveFile(const QString& title, const QString& currentName,
                                           const QString& filter) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<QString> inputBox(const QString& title, const QString& label,
                                    const QString& value) override;
    bool choosePrinter(QPrinter& printer, int pageCount) override;

private:
    Lang lang() const;

    QWidget* parent_;
    const Session* session_;
};

} // namespace kinrow
