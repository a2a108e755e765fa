#pragma once

#include "ui/prompts.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
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
    using Step = std::variant<Message, OpenFile, SaveFile, OpenPicture>;

    ~ScriptedPrompts() override
    {
        EXPECT_TRUE(script.empty()) << script.size() << " expected prompt(s) never shown";
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
        auto choice = std::get<OpenFile>(script.front()).choice;
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
        auto path = std::get<OpenPicture>(script.front()).path;
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
        auto choice = std::get<SaveFile>(script.front()).choice;
        script.pop_front();
        return choice;
    }
    std::optional<QFont> chooseFont(const QFont&) override
    {
        ADD_FAILURE() << "unexpected font dialog";
        return std::nullopt;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override
    {
        ADD_FAILURE() << "unexpected input box";
        return std::nullopt;
    }

    std::deque<Step> script;
    QStringList messages;
    QList<MessageKind> kinds;         // the box of each message, in order
    QList<MessageButtons> buttonSets; // and its buttons
    QStringList dialogTitles;
};

} // namespace kinrow::test
