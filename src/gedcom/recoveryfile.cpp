#include "gedcom/recoveryfile.h"

#include "gedcom/familysave.h"
#include "gedcom/gedcomreader.h"
#include "model/messages.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <set>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace kinrow {

namespace {

const QString InfoSuffix = QStringLiteral(".ini");
const QString DataSuffix = QStringLiteral(".ged");

QByteArray ReadSmallFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(4096);
}

QString BootId()
{
    return QString::fromLatin1(ReadSmallFile(QStringLiteral("/proc/sys/kernel/random/boot_id")))
        .trimmed();
}

// The state letter and start time from a /proc/PID/stat line; the command name before them
// may hold blanks and parentheses, so the fields are counted from its last ')'.
std::optional<std::pair<QChar, QString>> StatFields(qint64 pid)
{
    const QByteArray stat = ReadSmallFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return std::nullopt;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    // After the name: state is field 3 of the line, the start time field 22.
    if (fields.size() < 20)
        return std::nullopt;
    return std::pair{QChar::fromLatin1(fields.at(0).at(0)), QString::fromLatin1(fields.at(19))};
}

bool HasProcFileSystem()
{
    return QFileInfo::exists(QStringLiteral("/proc/self/stat"));
}

// The process a file of the folder is named after: "kinrow-PID-…"; 0 for any other name.
qint64 NamedPid(const QString& fileName)
{
    if (!fileName.startsWith(QLatin1String("kinrow-")))
        return 0;
    return fileName.section(QLatin1Char('-'), 1, 1).toLongLong();
}

bool NamedProcessRunning(const QString& fileName)
{
    const qint64 pid = NamedPid(fileName);
    return pid > 0 && IsRunning({pid, {}, {}});
}

// The program a copy's family belongs to: "kinrow-PID-TIME" of "kinrow-PID-TIME-N.ged".
QString ProgramPart(const QString& fileName)
{
    return fileName.section(QLatin1Char('-'), 0, 2).section(QLatin1Char('.'), 0, 0);
}

// Whether the family file at path ends with its trailer line.
bool EndsWithTrailer(const QByteArray& bytes)
{
    const QByteArray end = bytes.right(16).trimmed();
    return end.endsWith("\n0 TRLR") || end == "0 TRLR";
}

QString ClaimName(const QString& folder, const QString& suffix)
{
    static int claims = 0;
    return QDir(folder).filePath(QStringLiteral("kinrow-%1-%2-claim%3%4")
                                     .arg(QCoreApplication::applicationPid())
                                     .arg(QDateTime::currentMSecsSinceEpoch())
                                     .arg(++claims)
                                     .arg(suffix));
}

// Renames from to, to a name no other process uses: of two processes renaming the same file
// only one succeeds.
bool RenameAtomically(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

ProcessStamp ProcessStamp::current()
{
    ProcessStamp stamp;
    stamp.pid = QCoreApplication::applicationPid();
    if (const auto fields = StatFields(stamp.pid))
        stamp.startTime = fields->second;
    stamp.bootId = BootId();
    return stamp;
}

bool IsRunning(const ProcessStamp& stamp)
{
    if (stamp.pid <= 0)
        return false;
    const QString boot = BootId();
    if (!stamp.bootId.isEmpty() && !boot.isEmpty() && stamp.bootId != boot)
        return false;
    if (HasProcFileSystem()) {
        const auto fields = StatFields(stamp.pid);
        if (!fields || fields->first == u'Z' || fields->first == u'X')
            return false;
        return stamp.startTime.isEmpty() || fields->second == stamp.startTime;
    }
#ifdef Q_OS_UNIX
    return ::kill(pid_t(stamp.pid), 0) == 0 || errno == EPERM;
#else
    return true; // without a way to tell, a copy is never taken from a program that may run
#endif
}

QString RecoveryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

RecoveryInfo NewRecoveryInfo(const QString& folder, const QString& base)
{
    RecoveryInfo info;
    const QDir dir(folder);
    info.infoPath = dir.filePath(base + InfoSuffix);
    info.dataPath = dir.filePath(base + DataSuffix);
    info.writer = ProcessStamp::current();
    return info;
}

bool WriteRecoveryInfo(const RecoveryInfo& info)
{
    QSettings settings(info.infoPath, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Recovery"));
    settings.setValue(QStringLiteral("OriginalFile"), info.originalFile);
    settings.setValue(QStringLiteral("Data"), QFileInfo(info.dataPath).fileName());
    settings.setValue(QStringLiteral("RecNoMain"), info.recNoMain);
    settings.setValue(QStringLiteral("Pid"), info.writer.pid);
    settings.setValue(QStringLiteral("StartTime"), info.writer.startTime);
    settings.setValue(QStringLiteral("BootId"), info.writer.bootId);
    settings.setValue(QStringLiteral("Written"), info.written.toString(Qt::ISODateWithMs));
    settings.setValue(QStringLiteral("DataSize"), info.dataSize);
    settings.setValue(QStringLiteral("Checksum"), QString::fromLatin1(info.checksum));
    if (info.base) {
        settings.setValue(QStringLiteral("BaseExists"), info.base->exists);
        settings.setValue(QStringLiteral("BaseSize"), info.base->size);
        settings.setValue(QStringLiteral("BaseModified"), info.base->modifiedNs);
        settings.setValue(QStringLiteral("BaseInode"), info.base->inode);
    } else {
        settings.remove(QStringLiteral("BaseExists"));
    }
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::optional<RecoveryInfo> ReadRecoveryInfo(const QString& infoPath)
{
    QSettings settings(infoPath, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Recovery"));
    const QString data = QFileInfo(settings.value(QStringLiteral("Data")).toString()).fileName();
    RecoveryInfo info;
    info.infoPath = infoPath;
    info.originalFile = settings.value(QStringLiteral("OriginalFile")).toString();
    if (settings.status() != QSettings::NoError || data.isEmpty() || info.originalFile.isEmpty())
        return std::nullopt;
    info.dataPath = QFileInfo(infoPath).dir().filePath(data);
    info.recNoMain = settings.value(QStringLiteral("RecNoMain"), 1).toInt();
    info.writer.pid = settings.value(QStringLiteral("Pid")).toLongLong();
    info.writer.startTime = settings.value(QStringLiteral("StartTime")).toString();
    info.writer.bootId = settings.value(QStringLiteral("BootId")).toString();
    info.written = QDateTime::fromString(settings.value(QStringLiteral("Written")).toString(),
                                         Qt::ISODateWithMs);
    bool sized = false;
    info.dataSize = settings.value(QStringLiteral("DataSize")).toLongLong(&sized);
    if (!sized)
        info.dataSize = -1;
    info.checksum = settings.value(QStringLiteral("Checksum")).toString().toLatin1();
    if (settings.contains(QStringLiteral("BaseExists"))) {
        FileStamp base;
        base.exists = settings.value(QStringLiteral("BaseExists")).toBool();
        base.size = settings.value(QStringLiteral("BaseSize")).toLongLong();
        base.modifiedNs = settings.value(QStringLiteral("BaseModified")).toLongLong();
        base.inode = settings.value(QStringLiteral("BaseInode")).toULongLong();
        info.base = base;
    }
    return info;
}

QByteArray RecoveryChecksum(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

CopyState StateOf(const RecoveryInfo& info)
{
    if (info.infoPath.isEmpty())
        return CopyState::Orphan;
    QFile data(info.dataPath);
    if (info.dataSize < 0 || data.size() != info.dataSize || !data.open(QIODevice::ReadOnly))
        return CopyState::Damaged;
    const QByteArray bytes = data.readAll();
    if (!EndsWithTrailer(bytes) || RecoveryChecksum(bytes) != info.checksum)
        return CopyState::Damaged;
    const FileStamp now = StampOf(info.originalFile);
    if (!now.exists)
        return CopyState::Complete;
    const bool changed =
        info.base ? now != *info.base : now.modifiedNs / 1000000 > info.written.toMSecsSinceEpoch();
    return changed ? CopyState::OriginalChanged : CopyState::Complete;
}

qsizetype CountPersonRecords(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    qsizetype count = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(4096).trimmed();
        if (line.startsWith("0 @") && line.endsWith("@ INDI"))
            ++count;
        else if (line.startsWith("0 @") && line.contains("@ INDI "))
            ++count;
    }
    return count;
}

QString RecoveredFamilyName(const QString& originalFile)
{
    const QFileInfo original(originalFile);
    const QDir dir(originalFile.isEmpty() ? QDir::homePath() : original.absolutePath());
    const QString base =
        originalFile.isEmpty() ? QStringLiteral("kinrow") : original.completeBaseName();
    QString name = dir.filePath(base + QStringLiteral("-recovered.ged"));
    for (int n = 2; QFileInfo::exists(name) || QFileInfo::exists(BackupName(name)); ++n)
        name = dir.filePath(base + QStringLiteral("-recovered-%1.ged").arg(n));
    return name;
}

QList<RecoveryInfo> LeftRecoveries(const QString& folder)
{
    QList<RecoveryInfo> left;
    const QDir dir(folder);
    // A write cut off by the end of its program leaves a part file: "kinrow-PID-TIME.ged.part".
    const QStringList parts = dir.entryList({QStringLiteral("*.part")}, QDir::Files);
    for (const QString& part : parts) {
        if (!NamedProcessRunning(part))
            QFile::remove(dir.filePath(part));
    }
    std::set<QString> named;    // families a record names
    std::set<QString> programs; // programs with a named family
    const QStringList names = dir.entryList({QLatin1Char('*') + InfoSuffix}, QDir::Files);
    for (const QString& name : names) {
        const std::optional<RecoveryInfo> info = ReadRecoveryInfo(dir.filePath(name));
        // A record another program has just renamed to claim it names that program.
        const bool claimedNow =
            NamedProcessRunning(name) && (!info || info->writer.pid != NamedPid(name));
        if (info) {
            named.insert(QFileInfo(info->dataPath).fileName());
            programs.insert(ProgramPart(QFileInfo(info->dataPath).fileName()));
        }
        if (claimedNow || (info && IsRunning(info->writer)))
            continue;
        if (!info || !QFileInfo::exists(info->dataPath)) {
            QFile::remove(dir.filePath(name)); // its family, if any, is offered on its own
            continue;
        }
        left.append(*info);
    }
    // Families no record names: a record lost or unreadable, or one a newer copy replaced.
    const QStringList families = dir.entryList({QLatin1Char('*') + DataSuffix}, QDir::Files);
    for (const QString& family : families) {
        if (named.count(family) != 0 || NamedProcessRunning(family))
            continue;
        const QString path = dir.filePath(family);
        if (programs.count(ProgramPart(family)) != 0) {
            QFile::remove(path);
            continue;
        }
        RecoveryInfo orphan;
        orphan.dataPath = path;
        orphan.written = QFileInfo(path).lastModified();
        orphan.recNoMain = 1;
        left.append(orphan);
    }
    std::stable_sort(left.begin(), left.end(), [](const RecoveryInfo& a, const RecoveryInfo& b) {
        return a.written > b.written;
    });
    return left;
}

bool ClaimRecovery(RecoveryInfo& info)
{
    const QString folder = QFileInfo(info.dataPath).absolutePath();
    if (info.infoPath.isEmpty()) {
        const QString claimed = ClaimName(folder, DataSuffix);
        if (!RenameAtomically(info.dataPath, claimed))
            return false;
        info.dataPath = claimed;
        return true;
    }
    const std::optional<RecoveryInfo> now = ReadRecoveryInfo(info.infoPath);
    if (!now || IsRunning(now->writer))
        return false;
    const QString claimed = ClaimName(QFileInfo(info.infoPath).absolutePath(), InfoSuffix);
    if (!RenameAtomically(info.infoPath, claimed))
        return false;
    info = *now;
    info.infoPath = claimed;
    info.writer = ProcessStamp::current();
    return WriteRecoveryInfo(info);
}

void RemoveRecovery(const RecoveryInfo& info)
{
    QFile::remove(info.dataPath);
    if (!info.infoPath.isEmpty())
        QFile::remove(info.infoPath);
}

bool ReadRecovery(const RecoveryInfo& info, PersonList& persons, ErrorList& errors,
                  const ReadOptions& options)
{
    const QString previous = QDir::currentPath();
    const QFileInfo original(info.originalFile);
    if (original.absoluteDir().exists())
        QDir::setCurrent(original.absolutePath());
    const bool read = ReadGedcom(info.dataPath, persons, errors, options);
    QDir::setCurrent(previous);
    const QString named = LangText(Msg::FileNameLabel, options.lang);
    if (!errors.lines.isEmpty() && errors.lines.front().startsWith(named))
        errors.lines.front() = named + info.originalFile;
    return read;
}

} // namespace kinrow
