#include "gedcom/recoveryfile.h"

#include "gedcom/gedcomreader.h"
#include "model/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

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
    return info;
}

QList<RecoveryInfo> LeftRecoveries(const QString& folder)
{
    QList<RecoveryInfo> left;
    const QDir dir(folder);
    // A write cut off by the end of its program leaves a part file: "kinrow-PID-TIME.ged.part".
    const QStringList parts = dir.entryList({QStringLiteral("*.part")}, QDir::Files);
    for (const QString& part : parts) {
        const qint64 pid = part.section(QLatin1Char('-'), 1, 1).toLongLong();
        if (!IsRunning({pid, {}, {}}))
            QFile::remove(dir.filePath(part));
    }
    const QStringList names = dir.entryList({QLatin1Char('*') + InfoSuffix}, QDir::Files);
    for (const QString& name : names) {
        const std::optional<RecoveryInfo> info = ReadRecoveryInfo(dir.filePath(name));
        if (info && IsRunning(info->writer))
            continue;
        if (!info || !QFileInfo::exists(info->dataPath)) {
            QFile::remove(dir.filePath(name)); // nothing left to restore
            continue;
        }
        left.append(*info);
    }
    std::stable_sort(left.begin(), left.end(), [](const RecoveryInfo& a, const RecoveryInfo& b) {
        return a.written > b.written;
    });
    return left;
}

bool ClaimRecovery(RecoveryInfo& info)
{
    const std::optional<RecoveryInfo> now = ReadRecoveryInfo(info.infoPath);
    if (!now || IsRunning(now->writer))
        return false;
    info.writer = ProcessStamp::current();
    if (!WriteRecoveryInfo(info))
        return false;
    const std::optional<RecoveryInfo> claimed = ReadRecoveryInfo(info.infoPath);
    return claimed && claimed->writer == info.writer;
}

void RemoveRecovery(const RecoveryInfo& info)
{
    QFile::remove(info.dataPath);
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
