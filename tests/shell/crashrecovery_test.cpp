#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QByteArray KinrowFile = "0 HEAD\r\n1 SOUR KINROW\r\n2 VERS 3.04\r\n1 CHAR ANSI\r\n"
                              "0 @I1@ INDI\r\n1 NAME AHMET /YILMAZ/\r\n1 SEX M\r\n"
                              "0 @I2@ INDI\r\n1 NAME AYSE /YILMAZ/\r\n1 SEX F\r\n0 TRLR\r\n";

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(CrashRecovery, AKilledProgramsChangeIsOfferedAndRestoredUnsaved)
{
    QTemporaryDir home;
    const QString family = home.filePath("aile.ged");
    {
        QFile file(family);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(KinrowFile);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("QT_QPA_PLATFORM", "offscreen");

    QProcess changing;
    changing.setProcessEnvironment(env);
    changing.setWorkingDirectory(home.path());
    changing.start(QStringLiteral(KINROW_RECOVERY_DRIVER), {"change", family});
    ASSERT_TRUE(changing.waitForStarted());
    QByteArray said;
    while (!said.contains("written ") && changing.state() == QProcess::Running) {
        changing.waitForReadyRead(60000);
        said += changing.readAllStandardOutput();
    }
    ASSERT_TRUE(said.contains("changed 1\n")) << said.toStdString();
    ASSERT_TRUE(said.contains("written ")) << said.toStdString();
    changing.kill(); // SIGKILL: no close, no clean-up
    ASSERT_TRUE(changing.waitForFinished());
    EXPECT_EQ(changing.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(ReadAll(family), KinrowFile) << "the family file itself is never written";

    QProcess restoring;
    restoring.setProcessEnvironment(env);
    restoring.setWorkingDirectory(home.path());
    restoring.start(QStringLiteral(KINROW_RECOVERY_DRIVER), {"restore"});
    ASSERT_TRUE(restoring.waitForFinished(60000));
    const QStringList lines = QString::fromUtf8(restoring.readAllStandardOutput()).split('\n');
    ASSERT_EQ(restoring.exitCode(), 0) << lines.join('\n').toStdString();
    ASSERT_GE(lines.size(), 7) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines[0].startsWith("prompt: KINROW ended without closing while the family " +
                                    family + " had unsaved changes."))
        << lines[0].toStdString();
    EXPECT_EQ(lines.mid(1, 4), QStringList({"file: " + family, "unsaved: 1", "name: DEGISTI",
                                            "page: TabSheet_Main"}));
    // Closing without saving gives the changes up: nothing is left to offer.
    EXPECT_TRUE(lines[5].startsWith("prompt: File records Chanced.")) << lines[5].toStdString();
    EXPECT_EQ(lines[6], "left: ");
    EXPECT_EQ(ReadAll(family), KinrowFile);
}

} // namespace
