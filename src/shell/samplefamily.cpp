#include "shell/samplefamily.h"

#include "gedcom/familyopen.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef KINROW_DATA_FROM_BIN
#define KINROW_DATA_FROM_BIN "../share"
#endif

namespace kinrow {

namespace {

const QString SampleName = QStringLiteral("kinrow/sample/aile.ged");

// Copies the regular files under from into to, keeping the sub-folders; symbolic links and
// anything else are left out.
bool CopyFolder(const QString& from, const QString& to)
{
    const QDir source(from);
    QDirIterator it(from, QDir::Files | QDir::NoSymLinks | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.isSymLink())
            continue;
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(info.filePath());
        if (info.isDir()) {
            if (!QDir().mkpath(target))
                return false;
        } else if (!QDir().mkpath(QFileInfo(target).absolutePath()) ||
                   !QFile::copy(info.filePath(), target)) {
            return false;
        }
    }
    return true;
}

} // namespace

QString InstalledSampleFamily(const QString& programFolder)
{
    const QString beside =
        QDir::cleanPath(programFolder + QStringLiteral("/") + QStringLiteral(KINROW_DATA_FROM_BIN) +
                        QLatin1Char('/') + SampleName);
    if (QFileInfo(beside).isFile())
        return beside;
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, SampleName);
}

QString CopySampleFamily(const QString& sampleFile, const QString& targetFolder)
{
    const QFileInfo sample(sampleFile);
    if (sampleFile.isEmpty() || !sample.isFile())
        return {};
    const QString copy = QDir(targetFolder).filePath(sample.fileName());
    if (QFileInfo(copy).isFile())
        return copy;
    // A folder of that name without the family file is the user's: left alone.
    if (QFileInfo::exists(targetFolder))
        return {};
    // Copied into a folder beside the target and renamed at the end, so that a failure half-way
    // never leaves a family file without its pictures.
    const QString partial = targetFolder + QStringLiteral(".partial");
    QDir(partial).removeRecursively();
    const bool copied = QDir().mkpath(partial) && CopyFolder(sample.absolutePath(), partial) &&
                        QDir().rename(partial, targetFolder);
    if (!copied) {
        QDir(partial).removeRecursively();
        return {};
    }
    return copy;
}

QString StartupFamily(const QStringList& arguments, const QString& storedGedFile, bool firstStart)
{
    const QString name = StartupFamilyFileName(arguments, storedGedFile, QDir::currentPath());
    if (!firstStart || QFileInfo::exists(name))
        return name;
    const QString sample =
        CopySampleFamily(InstalledSampleFamily(QCoreApplication::applicationDirPath()),
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                             QStringLiteral("/sample"));
    return sample.isEmpty() ? name : sample;
}

} // namespace kinrow
