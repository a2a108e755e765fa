#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>
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

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A family file, a program killed (SIGKILL) after changing it, and the next starts.
class CrashRecovery : public ::testing::Test
{
protected:
    void SetUp() override
    {
        family = home.filePath("aile.ged");
        WriteAll(family, KinrowFile);
        env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        recovery = home.filePath("data/Kinrow/kinrow/recovery");
    }

    void start(QProcess& process, const QStringList& arguments)
    {
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(home.path());
        process.start(QStringLiteral(KINROW_RECOVERY_DRIVER), arguments);
    }

    // Changes the family, waits for its recovery copy and kills the program.
    void leaveCopy()
    {
        QProcess changing;
        start(changing, {"change", family});
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
    }

    QStringList restore()
    {
        QProcess restoring;
        start(restoring, {"restore"});
        EXPECT_TRUE(restoring.waitForFinished(60000));
        EXPECT_EQ(restoring.exitCode(), 0);
        return QString::fromUtf8(restoring.readAllStandardOutput()).split('\n');
    }

    QStringList copies() const { return QDir(recovery).entryList({"*.ged"}, QDir::Files); }

    QTemporaryDir home;
    QString family;
    QString recovery;
    QProcessEnvironment env;
};

TEST_F(CrashRecovery, AKilledProgramsChangeIsOfferedAndRestoredUnsaved)
{
    leaveCopy();
    const QStringList lines = restore();
    ASSERT_GE(lines.size(), 7) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines[0].startsWith("prompt: KINROW ended without closing while the family " +
                                    family + " had unsaved changes."))
        << lines[0].toStdString();
    EXPECT_FALSE(lines[0].contains("INCOMPLETE") || lines[0].contains("saved after"))
        << lines[0].toStdString();
    EXPECT_EQ(lines.mid(1, 4), QStringList({"file: " + family, "unsaved: 1", "name: DEGISTI",
                                            "page: TabSheet_Main"}));
    // Closing without saving gives the changes up: nothing is left to offer.
    EXPECT_TRUE(lines[5].startsWith("prompt: File records Chanced.")) << lines[5].toStdString();
    EXPECT_EQ(lines[6], "left: ");
    EXPECT_EQ(ReadAll(family), KinrowFile);
}

TEST_F(CrashRecovery, ACopyOfAFamilySavedAgainSinceIsRestoredUnderAnotherName)
{
    leaveCopy();
    const QByteArray newer = QByteArray(KinrowFile).replace("AYSE", "EMINE");
    WriteAll(family, newer); // another window saved the family after the crash
    const QStringList lines = restore();
    ASSERT_GE(lines.size(), 3) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines[0].contains("The family file was saved after this copy, at "))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(home.filePath("aile-recovered.ged"))) << lines[0].toStdString();
    EXPECT_EQ(lines.mid(1, 3), QStringList({"file: " + home.filePath("aile-recovered.ged"),
                                            "unsaved: 1", "name: DEGISTI"}));
    EXPECT_EQ(ReadAll(family), newer);
}

TEST_F(CrashRecovery, ATruncatedCopyIsOfferedAsIncompleteNeverAsTheFamily)
{
    leaveCopy();
    ASSERT_EQ(copies().size(), 1) << copies().join(' ').toStdString();
    QFile copy(QDir(recovery).filePath(copies().front()));
    ASSERT_TRUE(copy.open(QIODevice::ReadWrite));
    ASSERT_TRUE(copy.resize(copy.size() - 20)); // the second person and the trailer cut off
    copy.close();
    const QStringList lines = restore();
    ASSERT_GE(lines.size(), 3) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines[0].contains("This copy is INCOMPLETE")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains("it holds 2 persons")) << lines[0].toStdString();
    EXPECT_EQ(lines[1], "file: " + home.filePath("aile-recovered.ged"));
    EXPECT_EQ(ReadAll(family), KinrowFile);
}

TEST_F(CrashRecovery, TwoProgramsStartedAtOnceNeverBothOfferACopy)
{
    leaveCopy();
    // The copy as the crash left it, to try the race a few times.
    QMap<QString, QByteArray> left;
    for (const QString& name : QDir(recovery).entryList(QDir::Files))
        left[name] = ReadAll(QDir(recovery).filePath(name));
    for (int round = 0; round < 4; ++round) {
        QDir(recovery).removeRecursively();
        QDir().mkpath(recovery);
        for (auto it = left.cbegin(); it != left.cend(); ++it)
            WriteAll(QDir(recovery).filePath(it.key()), it.value());
        QProcess first, second;
        start(first, {"restore"});
        start(second, {"restore"});
        ASSERT_TRUE(first.waitForFinished(60000));
        ASSERT_TRUE(second.waitForFinished(60000));
        const QString said = QString::fromUtf8(first.readAllStandardOutput()) +
                             QString::fromUtf8(second.readAllStandardOutput());
        EXPECT_EQ(said.count("prompt: KINROW ended without closing"), 1)
            << "round " << round << ":\n"
            << said.toStdString();
        EXPECT_EQ(said.count("name: DEGISTI"), 1) << said.toStdString();
        EXPECT_FALSE(said.contains("could not be read")) << said.toStdString();
    }
}

} // namespace
