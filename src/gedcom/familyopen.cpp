#include "gedcom/familyopen.h"

#include "gedcom/gedcomreader.h"
#include "gedcom/legacydat.h"
#include "model/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kinrow {

namespace {

QString LowerSuffix(const QString& fileName)
{
    return QFileInfo(fileName).suffix().toLower();
}

// Opens the file for reading and writing, creating it when missing; false when it cannot be.
bool ProbeWritable(const QString& fileName)
{
    QFile file(fileName);
    const bool ok = file.open(QIODevice::ReadWrite);
    file.close();
    return ok;
}

} // namespace

OpenOutcome OpenFamilyFile(const QString& fileName, bool readOnlyTicked, PersonList& persons,
                           ErrorList& errors, const ReadOptions& options)
{
    OpenOutcome outcome;
    outcome.fileName = fileName;
    persons.clear();
    const QString suffix = LowerSuffix(fileName);
    if (suffix == QLatin1String("dat") && !QFileInfo::exists(fileName)) {
        outcome.failureMessage = LangText(Msg::DatCreateRefusal, options.lang);
        return outcome;
    }
    // A folder is never a family file, even though it can be opened for reading.
    if (QFileInfo(fileName).isDir()) {
        outcome.failureMessage = LangText(Msg::InaccessibleArea, options.lang);
        return outcome;
    }
    // Only family files are read; any other file with something in it is left alone, as
    // opening it as an empty family would replace it at the first save.
    const bool family = suffix == QLatin1String("ged") || suffix == QLatin1String("dat");
    if (!family && QFileInfo(fileName).size() > 0) {
        outcome.failureMessage =
            fileName + QStringLiteral("\r\r") + LangText(Msg::BadFileFormat, options.lang);
        return outcome;
    }
    outcome.readOnly = !ProbeWritable(fileName) || readOnlyTicked;
    if (!QFileInfo::exists(fileName)) {
        outcome.failureMessage = LangText(Msg::InaccessibleArea, options.lang);
        return outcome;
    }
    const QString absolute = QFileInfo(fileName).absoluteFilePath();
    // Picture names are relative to the folder the family file really lies in, which is not
    // the folder of a symbolic link to it.
    const QFileInfo info(absolute);
    const QString real = info.isSymLink() ? info.canonicalFilePath() : absolute;
    QDir::setCurrent(QFileInfo(real).absolutePath());
    outcome.fileName = absolute;
    errors = ErrorList();
    bool read = true;
    if (suffix == QLatin1String("ged")) {
        read = ReadGedcom(real, persons, errors, options);
    } else if (suffix == QLatin1String("dat")) {
        QString gedName;
        read = ReadLegacyDat(real, persons, errors, options, &gedName);
        if (read)
            outcome.fileName = gedName;
    }
    if (!read) {
        persons.clear();
        return outcome;
    }
    if (outcome.readOnly && persons.empty()) {
        outcome.failureMessage = LangText(Msg::FileCannotOpen, options.lang);
        return outcome;
    }
    outcome.opened = true;
    return outcome;
}

QString StartupFamilyFileName(const QStringList& arguments, const QString& storedGedFile,
                              const QString& startFolder)
{
    const QDir start(startFolder);
    QString name = storedGedFile;
    if (!arguments.isEmpty()) {
        const QString first = start.absoluteFilePath(arguments.first());
        if (LowerSuffix(first) == QLatin1String("ged") && QFileInfo(first).isFile())
            name = arguments.first();
    }
    if (name.isEmpty() || !QFileInfo(start.absoluteFilePath(name)).exists())
        name = QStringLiteral("Kinrow.ged");
    return QDir::cleanPath(start.absoluteFilePath(name));
}

} // namespace kinrow
