#pragma once

#include "shell/mainwindow.h"
#include "shell/settings.h"
#include "ui/controls.h"
#include "ui/scriptedprompts.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace kinrow::test {

// Tests on the real main window: its settings and data in a home of their own that no other
// run sees, no installed sample family unless a test puts one there, and every box answered
// from the script of prompts.
class WindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(SettingsFilePath());
        qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
        qputenv("XDG_DATA_DIRS", home.filePath("system").toUtf8());
        QDir::setCurrent(home.path());
    }
    void TearDown() override
    {
        window.reset();
        QFile::remove(SettingsFilePath());
    }

    // A new window started with arguments; prompts then answers its boxes.
    std::unique_ptr<TForm_Main> start(const QStringList& arguments = {})
    {
        auto scripted = std::make_unique<ScriptedPrompts>();
        prompts = scripted.get();
        return std::make_unique<TForm_Main>(arguments, std::move(scripted));
    }
    // Writes bytes into the file name under home and gives its path.
    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(home.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return home.filePath(name);
    }

    QTemporaryDir home;
    ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<TForm_Main> window; // the window of tests that keep one
};

} // namespace kinrow::test
