#include "gedcom/familygenerator.h"
#include "gedcom/recoveryfile.h"
#include "gedcom/recoverywriter.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

using namespace kinrow;

namespace {

class RecoveryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TTreeData person;
        person.Id = 1;
        person.GivenName = QStringLiteral("ŞÜKRÜ");
        person.Surname = QStringLiteral("IŞIK");
        person.Sex = SexMale;
        session.persons.push_back(person);
        session.familyFileName = home.filePath("aile.ged");
        folder = home.filePath("data/recovery");
    }

    // Processes events until done() holds or the time is up.
    template <typename Done> bool waitFor(Done done, int milliseconds = 5000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < milliseconds)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }

    QStringList folderFiles() const { return QDir(folder).entryList(QDir::Files); }

    QTemporaryDir home;
    QString folder;
    Session session;
};

TEST_F(RecoveryTest, AChangeIsWrittenAfterTheIntervalAndASaveRemovesIt)
{
    RecoveryWriter writer(session, folder, {});
    writer.setInterval(1000);
    int writes = 0;
    QObject::connect(&writer, &RecoveryWriter::written, [&] { ++writes; });
    session.setUnsavedChanges(true);
    waitFor([] { return false; }, 100);
    EXPECT_EQ(writes, 0) << "written before the interval";
    ASSERT_TRUE(waitFor([&] { return writes == 1; }));

    const auto info = ReadRecoveryInfo(writer.info().infoPath);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->originalFile, session.familyFileName);
    EXPECT_EQ(info->writer, ProcessStamp::current());
    EXPECT_NE(QFileInfo(info->dataPath).absolutePath(), home.path());
    PersonList read;
    ErrorList errors;
    ASSERT_TRUE(ReadRecovery(*info, read, errors, {}));
    EXPECT_EQ(read, session.persons);
    EXPECT_EQ(errors.lines.value(0), "File Name : " + session.familyFileName);

    // A second change soon after is written one interval later, not at once.
    session.persons[0].GivenName = QStringLiteral("YENİ");
    session.setUnsavedChanges(true);
    waitFor([] { return false; }, 100);
    EXPECT_EQ(writes, 1);
    ASSERT_TRUE(waitFor([&] { return writes == 2; }));
    ASSERT_TRUE(ReadRecovery(*info, read = {}, errors, {}));
    EXPECT_EQ(read[0].GivenName, QStringLiteral("YENİ"));

    session.setUnsavedChanges(false);
    EXPECT_TRUE(folderFiles().isEmpty()) << folderFiles().join(' ').toStdString();
}

TEST_F(RecoveryTest, DiscardingDropsACopyAndAWriteUnderWay)
{
    RecoveryWriter writer(session, folder, {});
    writer.setInterval(0);
    session.setUnsavedChanges(true);
    QCoreApplication::processEvents(); // the timer fires and the worker starts
    writer.discard();
    waitFor([] { return false; }, 300);
    EXPECT_TRUE(folderFiles().isEmpty()) << folderFiles().join(' ').toStdString();
}

TEST_F(RecoveryTest, AFamilyChangedWhileItIsCopiedIsCopiedAgain)
{
    session.persons = GenerateFamily(3 * int(RecoveryWriter::CopyStep), 7);
    RecoveryWriter writer(session, folder, {});
    writer.setInterval(0);
    bool written = false;
    QObject::connect(&writer, &RecoveryWriter::written, [&] { written = true; });
    session.setUnsavedChanges(true);
    QCoreApplication::processEvents(); // the copy begins
    session.persons.resize(10);        // as a deletion would shrink it
    session.persons[0].GivenName = QStringLiteral("SONRA");
    session.setUnsavedChanges(true);
    ASSERT_TRUE(waitFor([&] { return written; }, 20000));
    PersonList read;
    ErrorList errors;
    ASSERT_TRUE(ReadRecovery(writer.info(), read, errors, {}));
    EXPECT_EQ(read.size(), 10u);
    EXPECT_EQ(read.at(0).GivenName, QStringLiteral("SONRA"));
}

TEST_F(RecoveryTest, OnlyCopiesOfEndedProgramsAreLeftNewestFirst)
{
    QProcess ended;
    ended.start(QStringLiteral("/bin/true"));
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 endedPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());

    const ProcessStamp self = ProcessStamp::current();
    struct Case
    {
        const char* name;
        ProcessStamp writer;
        bool running;
    };
    const Case cases[] = {
        {"this program", self, true},
        {"its id used again later", {self.pid, self.startTime + "0", self.bootId}, false},
        {"before the last start of the machine", {self.pid, self.startTime, "another-boot"}, false},
        {"a program that ended", {endedPid, {}, {}}, false},
        {"no process at all", {0, {}, {}}, false},
    };
    QDir().mkpath(folder);
    int minute = 0;
    for (const Case& c : cases) {
        EXPECT_EQ(IsRunning(c.writer), c.running) << c.name;
        RecoveryInfo info = NewRecoveryInfo(folder, QString::fromLatin1(c.name));
        info.writer = c.writer;
        info.originalFile = home.filePath(QString::fromLatin1(c.name) + ".ged");
        info.written = QDateTime(QDate(2026, 12, 9), QTime(10, minute++));
        ASSERT_TRUE(WriteRecoveryInfo(info));
        QFile data(info.dataPath);
        ASSERT_TRUE(data.open(QIODevice::WriteOnly));
    }
    RecoveryInfo orphan = NewRecoveryInfo(folder, "without its family");
    orphan.writer = {endedPid, {}, {}};
    orphan.originalFile = home.filePath("orphan.ged");
    ASSERT_TRUE(WriteRecoveryInfo(orphan));
    const QString cutOff =
        QDir(folder).filePath(QStringLiteral("kinrow-%1-5.ged.part").arg(endedPid));
    const QString underWay =
        QDir(folder).filePath(QStringLiteral("kinrow-%1-5.ged.part").arg(self.pid));
    for (const QString& part : {cutOff, underWay}) {
        QFile file(part);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QStringList left;
    for (const RecoveryInfo& info : LeftRecoveries(folder))
        left.append(QFileInfo(info.originalFile).completeBaseName());
    EXPECT_EQ(left,
              QStringList({"no process at all", "a program that ended",
                           "before the last start of the machine", "its id used again later"}));
    EXPECT_FALSE(QFileInfo::exists(orphan.infoPath));
    // Claimed, a copy is this running program's: no other program offers it any more.
    RecoveryInfo claimed = LeftRecoveries(folder).front();
    ASSERT_TRUE(ClaimRecovery(claimed));
    EXPECT_EQ(LeftRecoveries(folder).size(), 3);
    EXPECT_FALSE(ClaimRecovery(claimed));
    EXPECT_FALSE(QFileInfo::exists(cutOff));
    EXPECT_TRUE(QFileInfo::exists(underWay));
    EXPECT_TRUE(QFileInfo::exists(folder + "/this program.ini"));
}

} // namespace

// Timers and queued calls need the application's event loop.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
