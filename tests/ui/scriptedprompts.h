#pragma once

#include "ui/prompts.h"

#include <QDialog>
#include <QPageSize>
#include <QPrinter>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <variant>

namespace kinrow::test {

// Answers the window's prompts from a script; a prompt nobody expected fails the test, and so
// does an expected prompt that never came.
class ScriptedPrompts : public Prompts
{
public:
    struct Message
    {
        PromptAnswer answer;
    };
    struct OpenFile
    {
        std::optional<FamilyFileChoice> choice;
    };
    struct SaveFile
    {
        std::optional<SaveFileChoice> choice;
    };
    struct OpenPicture
    {
        std::optional<QString> path;
    };
    // The print dialog: a PDF file to print into on paper of the given size, or none for Cancel.
    struct ChoosePrinter
    {
        std::optional<QString> pdfPath;
        QPageSize::PageSizeId paper = QPageSize::A4;
        int fromPage = 0; // a page range to choose; 0: every page
        int toPage = 0;
    };
    using Step = std::variant<Message, OpenFile, SaveFile, ChoosePrinter, OpenPicture>;

    ~ScriptedPrompts() override
    {
        EXPECT_TRUE(script.empty()) << script.size() << " expected prompt(s) never shown";
        EXPECT_TRUE(fontAnswers.empty()) << fontAnswers.size() << " font dialog(s) never shown";
    }

    void answerMessage(PromptAnswer answer) { script.push_back(Message{answer}); }
    void chooseFile(const QString& path, bool readOnly = false)
    {
        script.push_back(OpenFile{FamilyFileChoice{path, readOnly}});
    }
    void cancelFileDialog() { script.push_back(OpenFile{std::nullopt}); }
    void choosePicture(const QString& path) { script.push_back(OpenPicture{path}); }
    void cancelPictureDialog() { script.push_back(OpenPicture{std::nullopt}); }
    void chooseSaveFile(const QString& path) { script.push_back(SaveFile{SaveFileChoice{path}}); }
    void cancelSaveDialog() { script.push_back(SaveFile{std::nullopt}); }
    // Font dialogs are answered from their own queue.
    void answerFont(const QFont& font) { fontAnswers.push_back(font); }
    void cancelFontDialog() { fontAnswers.push_back(std::nullopt); }
    void printToPdf(const QString& path, QPageSize::PageSizeId paper = QPageSize::A4)
    {
        script.push_back(ChoosePrinter{path, paper});
    }
    void printPagesToPdf(const QString& path, int fromPage, int toPage)
    {
        script.push_back(ChoosePrinter{path, QPageSize::A4, fromPage, toPage});
    }
    void cancelPrintDialog() { script.push_back(ChoosePrinter{std::nullopt}); }

    PromptAnswer message(MessageKind kind, const QString& text, MessageButtons buttons) override
    {
        messages.append(text);
        kinds.append(kind);
        buttonSets.append(buttons);
        if (script.empty() || !std::holds_alternative<Message>(script.front())) {
            ADD_FAILURE() << "unexpected message: " << text.toStdString();
            return PromptAnswer::Cancel;
        }
        const PromptAnswer answer = std::get<Message>(script.front()).answer;
        script.pop_front();
        return answer;
    }

    std::optional<FamilyFileChoice> openFamilyFile(const QString& title, const QString&) override
    {
        dialogTitles.append(title);
        if (script.empty() || !std::holds_alternative<OpenFile>(script.front())) {
            ADD_FAILURE() << "unexpected open dialog";
            return std::nullopt;
        }
        // Copied out member by member: GCC 12 warns falsely on copying the optional whole.
        const auto& step = std::get<OpenFile>(script.front());
        decltype(step.choice) choice;
        if (step.choice)
            choice.emplace(*step.choice);
        script.pop_front();
        return choice;
    }

    std::optional<QString> openPicture(const QString& title, const QString&) override
    {
        dialogTitles.append(title);
        if (script.empty() || !std::holds_alternative<OpenPicture>(script.front())) {
            ADD_FAILURE() << "unexpected picture dialog";
            return std::nullopt;
        }
        // Copied out member by member: GCC 12 warns falsely on copying the optional whole.
        const auto& step = std::get<OpenPicture>(script.front());
        decltype(step.path) path;
        if (step.path)
            path.emplace(*step.path);
        script.pop_front();
        return path;
    }
    std::optional<SaveFileChoice> saveFile(const QString& title, const QString&,
                                           const QString&) override
    {
        dialogTitles.append(title);
        if (script.empty() || !std::holds_alternative<SaveFile>(script.front())) {
            ADD_FAILURE() << "unexpected save dialog";
            return std::nullopt;
        }
        // Copied out member by member: GCC 12 warns falsely on copying the optional whole.
        const auto& step = std::get<SaveFile>(script.front());
        decltype(step.choice) choice;
        if (step.choice)
            choice.emplace(*step.choice);
        script.pop_front();
        return choice;
    }
    std::optional<QFont> chooseFont(const QFont& initial) override
    {
        fontDialogFonts.append(initial);
        if (fontAnswers.empty()) {
            ADD_FAILURE() << "unexpected font dialog";
            return std::nullopt;
        }
        auto font = fontAnswers.front();
        fontAnswers.pop_front();
        return font;
    }
    QDate today() const override { return fixedToday.isValid() ? fixedToday : Prompts::today(); }

    // A page's own dialog: answered by onDialog when set, else shown modally as it is.
    int exec(QDialog& dialog) override
    {
        dialogsShown += 1;
        return onDialog ? onDialog(dialog) : Prompts::exec(dialog);
    }

    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override
    {
        ADD_FAILURE() << "unexpected input box";
        return std::nullopt;
    }

    bool choosePrinter(QPrinter& printer, int pageCount) override
    {
        printDialogs += 1;
        offeredPageCounts.append(pageCount);
        if (script.empty() || !std::holds_alternative<ChoosePrinter>(script.front())) {
            ADD_FAILURE() << "unexpected print dialog";
            return false;
        }
        const ChoosePrinter choice = std::get<ChoosePrinter>(script.front());
        script.pop_front();
        if (!choice.pdfPath)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*choice.pdfPath);
        printer.setPageSize(QPageSize(choice.paper));
        if (choice.fromPage > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(choice.fromPage, choice.toPage);
        }
        return true;
    }

    std::deque<Step> script;
    std::deque<std::optional<QFont>> fontAnswers;
    QStringList messages;
    QList<MessageKind> kinds;         // the box of each message, in order
    QList<MessageButtons> buttonSets; // and its buttons
    QStringList dialogTitles;
    QList<QFont> fontDialogFonts; // the font each font dialog opened with
    int printDialogs = 0;
    std::function<int(QDialog&)> onDialog; // answers page dialogs in place of the user
    QDate fixedToday;                      // today's date for the pages, when set
    int dialogsShown = 0;
    QList<int> offeredPageCounts; // the page count each print dialog offered, 0 for none
};

} // namespace kinrow::test
