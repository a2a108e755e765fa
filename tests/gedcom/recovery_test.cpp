#include "gedcom/familygenerator.h"
#include "gedcom/recoveryfile.h"
#include "gedcom/recoverywriter.h"
#include "model/sessionfamily.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>

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
        session.replaceFamily({person});
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
    EXPECT_EQ(read, session.persons());
    EXPECT_EQ(errors.lines.value(0), "File Name : " + session.familyFileName);

    // A second change soon after is written one interval later, not at once.
    test::EditFamily(session,
                     [&](PersonList& family) { family[0].GivenName = QStringLiteral("YENİ"); });
    session.setUnsavedChanges(true);
    waitFor([] { return false; }, 100);
    EXPECT_EQ(writes, 1);
    ASSERT_TRUE(waitFor([&] { return writes == 2; }));
    // Each copy has a name of its own, which the record names once the copy is whole.
    const auto second = ReadRecoveryInfo(writer.info().infoPath);
    ASSERT_TRUE(second);
    EXPECT_NE(second->dataPath, info->dataPath);
    EXPECT_FALSE(QFileInfo::exists(info->dataPath)) << "the copy before is left behind";
    ASSERT_TRUE(ReadRecovery(*second, read = {}, errors, {}));
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
    session.replaceFamily(GenerateFamily(3 * int(RecoveryWriter::CopyStep), 7));
    RecoveryWriter writer(session, folder, {});
    writer.setInterval(0);
    bool written = false;
    QObject::connect(&writer, &RecoveryWriter::written, [&] { written = true; });
    session.setUnsavedChanges(true);
    QCoreApplication::processEvents(); // the copy begins
    test::EditFamily(session, [](PersonList& family) {
        family.resize(10); // as a deletion would shrink it
        family[0].GivenName = QStringLiteral("SONRA");
    });
    session.setUnsavedChanges(true);
    ASSERT_TRUE(waitFor([&] { return written; }, 20000));
    PersonList read;
    ErrorList errors;
    ASSERT_TRUE(ReadRecovery(writer.info(), read, errors, {}));
    EXPECT_EQ(read.size(), 10u);
    EXPECT_EQ(read.at(0).GivenName, QStringLiteral("SONRA"));
}

TEST_F(RecoveryTest, AnEditOfTheSameSizeDuringACopyIsNeverMixedIntoIt)
{
    session.replaceFamily(GenerateFamily(3 * int(RecoveryWriter::CopyStep), 7));
    RecoveryWriter writer(session, folder, {});
    writer.setInterval(0);
    int writes = 0;
    QObject::connect(&writer, &RecoveryWriter::written, [&] { ++writes; });
    // Between two turns of the copy, one edit touching a person already copied and one not
    // copied yet; the list keeps its size.
    bool edited = false;
    QTimer between;
    between.setInterval(0);
    QObject::connect(&between, &QTimer::timeout, [&] {
        const std::size_t copied = writer.copiedSoFar();
        if (edited || copied == 0 || copied >= session.persons().size())
            return;
        test::EditFamily(session, [](PersonList& family) {
            family.front().GivenName = QStringLiteral("ÖNCE");
            family.back().GivenName = QStringLiteral("SONRA");
        });
        session.setUnsavedChanges(true);
        edited = true;
    });
    between.start();
    session.setUnsavedChanges(true);
    ASSERT_TRUE(waitFor([&] { return writes > 0; }, 20000));
    ASSERT_TRUE(edited) << "the copy was never seen under way";
    PersonList read;
    ErrorList errors;
    ASSERT_TRUE(ReadRecovery(writer.info(), read, errors, {}));
    ASSERT_EQ(read.size(), session.persons().size());
    EXPECT_EQ(read.front().GivenName, QStringLiteral("ÖNCE")) << "old and new records mixed";
    EXPECT_EQ(read.back().GivenName, QStringLiteral("SONRA"));
}

TEST_F(RecoveryTest, ACopyKnowsWhetherItIsWholeAndItsOriginalUnchanged)
{
    session.replaceFamily(GenerateFamily(42, 3));
    const QString original = session.familyFileName;
    {
        QFile file(original);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("0 HEAD\r\n0 TRLR\r\n");
    }
    RecoveryWriter writer(session, folder, {});
    writer.setBase(StampOf(original));
    writer.setInterval(0);
    bool written = false;
    QObject::connect(&writer, &RecoveryWriter::written, [&] { written = true; });
    session.setUnsavedChanges(true);
    ASSERT_TRUE(waitFor([&] { return written; }));
    const auto info = ReadRecoveryInfo(writer.info().infoPath);
    ASSERT_TRUE(info);
    EXPECT_EQ(StateOf(*info), CopyState::Complete);
    EXPECT_EQ(CountPersonRecords(info->dataPath), 42);

    // Saved again by another window after the changes began: the same size, another time.
    QFile file(original);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write("0 HEAD\r\n0 TRLR\r\n");
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                 QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(StateOf(*info), CopyState::OriginalChanged);

    // Cut to half its length, or its end replaced: no longer the whole family.
    QFile data(info->dataPath);
    ASSERT_TRUE(data.open(QIODevice::ReadWrite));
    const QByteArray whole = data.readAll();
    ASSERT_TRUE(data.resize(whole.size() / 2));
    data.close();
    EXPECT_EQ(StateOf(*info), CopyState::Damaged);
    EXPECT_LT(CountPersonRecords(info->dataPath), 42);
    ASSERT_TRUE(data.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray changed = whole;
    changed[changed.size() / 2] = changed[changed.size() / 2] == 'A' ? 'B' : 'A';
    data.write(changed);
    data.close();
    EXPECT_EQ(StateOf(*info), CopyState::Damaged) << "a changed copy of the same length";
    session.setUnsavedChanges(false);
}

TEST_F(RecoveryTest, OnlyOneClaimOfACopySucceeds)
{
    QProcess ended;
    ended.start(QStringLiteral("/bin/true"));
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 endedPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    QDir().mkpath(folder);
    RecoveryInfo info = NewRecoveryInfo(folder, QStringLiteral("kinrow-%1-1").arg(endedPid));
    info.writer = {endedPid, {}, {}};
    info.originalFile = session.familyFileName;
    ASSERT_TRUE(WriteRecoveryInfo(info));
    QFile(info.dataPath).open(QIODevice::WriteOnly);

    // Two programs read the same left copy; the first to claim it wins, the other gives way.
    RecoveryInfo first = LeftRecoveries(folder).value(0);
    RecoveryInfo second = first;
    ASSERT_EQ(first.infoPath, info.infoPath);
    EXPECT_TRUE(ClaimRecovery(first));
    EXPECT_FALSE(ClaimRecovery(second));
    EXPECT_TRUE(LeftRecoveries(folder).isEmpty());
    EXPECT_EQ(ReadRecoveryInfo(first.infoPath)->writer, ProcessStamp::current());
}

TEST_F(RecoveryTest, ACopyWhoseRecordIsLostIsOfferedAndAReplacedOneRemoved)
{
    QProcess ended;
    ended.start(QStringLiteral("/bin/true"));
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 endedPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    QDir().mkpath(folder);
    const auto make = [&](const QString& name, const QByteArray& bytes) {
        QFile file(QDir(folder).filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    // A damaged record: its copy is an orphan.
    make(QStringLiteral("kinrow-%1-1.ini").arg(endedPid), "\xff\xfe[Recovery\n=");
    const QString orphan = make(QStringLiteral("kinrow-%1-1-3.ged").arg(endedPid), "0 HEAD\r\n");
    // A program that left its newer copy with its record, and an older one beside it.
    RecoveryInfo info = NewRecoveryInfo(folder, QStringLiteral("kinrow-%1-2").arg(endedPid));
    info.dataPath = make(QStringLiteral("kinrow-%1-2-5.ged").arg(endedPid), "0 HEAD\r\n");
    info.writer = {endedPid, {}, {}};
    info.originalFile = session.familyFileName;
    ASSERT_TRUE(WriteRecoveryInfo(info));
    const QString replaced = make(QStringLiteral("kinrow-%1-2-4.ged").arg(endedPid), "0 HEAD");

    const QList<RecoveryInfo> left = LeftRecoveries(folder);
    ASSERT_EQ(left.size(), 2);
    const auto lost = std::find_if(left.begin(), left.end(),
                                   [](const RecoveryInfo& r) { return r.infoPath.isEmpty(); });
    ASSERT_NE(lost, left.end());
    EXPECT_EQ(lost->dataPath, orphan);
    EXPECT_EQ(StateOf(*lost), CopyState::Orphan);
    EXPECT_FALSE(QFileInfo::exists(replaced));
    RecoveryInfo claimed = *lost;
    ASSERT_TRUE(ClaimRecovery(claimed));
    EXPECT_FALSE(QFileInfo::exists(orphan));
    EXPECT_EQ(LeftRecoveries(folder).size(), 1) << "a claimed orphan is offered once";
    // Restored under a name of its own, never over a file.
    const QString name = RecoveredFamilyName(session.familyFileName);
    EXPECT_EQ(name, home.filePath("aile-recovered.ged"));
    QFile(name).open(QIODevice::WriteOnly);
    EXPECT_EQ(RecoveredFamilyName(session.familyFileName), home.filePath("aile-recovered-2.ged"));
}

TEST_F(RecoveryTest, ACopyThatCannotBeWrittenIsSaidOnce)
{
    // The folder's name is taken by a file: nothing can be written below it.
    QFile blocker(home.filePath("data"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RecoveryWriter writer(session, folder, {});
    writer.setInterval(0);
    QStringList said;
    QObject::connect(&writer, &RecoveryWriter::failed, [&](const QString& why) { said << why; });
    session.setUnsavedChanges(true);
    ASSERT_TRUE(waitFor([&] { return !said.isEmpty(); }));
    test::EditFamily(session,
                     [&](PersonList& family) { family[0].GivenName = QStringLiteral("YENİ"); });
    session.setUnsavedChanges(true);
    waitFor([] { return false; }, 300);
    EXPECT_EQ(said.size(), 1) << said.join('|').toStdString();
    EXPECT_FALSE(said.value(0).isEmpty());
    session.setUnsavedChanges(false);
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
