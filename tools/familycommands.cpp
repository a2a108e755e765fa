// The commands on family files: check, convert, generate and time.
#include "gedcom/familygenerator.h"
#include "gedcom/familysave.h"
#include "gedcom/gedcomwriter.h"
#include "model/familycheck.h"
#include "model/version.h"
#include "toolcommand.h"
#include "toolfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace kinrow {

namespace {

WriteOptions writeOptions()
{
    WriteOptions options;
    options.versionText = VersionLabelText();
    return options;
}

// The first free name "NAME.1.bak", "NAME.2.bak", ... beside the family file's own backup.
QString freeBackupName(const QString& target)
{
    const QString stem = BackupName(target).chopped(4);
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("%1.%2.bak").arg(stem).arg(n);
        const QFileInfo info(name);
        if (!info.exists() && !info.isSymLink())
            return name;
    }
}

// Keeps the file at target under kept, by a hard link where the file system has them.
bool keepAside(const QString& target, const QString& kept)
{
    const QString real = QFileInfo(target).canonicalFilePath();
    return ::link(QFile::encodeName(real).constData(), QFile::encodeName(kept).constData()) == 0 ||
           QFile::copy(real, kept);
}

// Saves persons as the family file target with the backup a save makes. When that backup would
// be the file just read (restoring "aile.bak" into "aile.ged"), the file read stays as it is and
// the previous target is kept under a free numbered backup name instead.
int saveFamily(const QString& target, const PersonList& persons, const QString& readFile, Lang lang)
{
    const QString shown = QDir::toNativeSeparators(target);
    if (!readFile.isEmpty() && QFileInfo(target).isFile() &&
        SameFile(BackupName(target), readFile)) {
        const QString kept = freeBackupName(target);
        if (!keepAside(target, kept))
            return Refuse(QStringLiteral("cannot write %1: its previous contents could not be "
                                         "kept as %2")
                              .arg(shown, QDir::toNativeSeparators(kept)));
        ToolErr() << "the previous " << shown << " is kept as " << QDir::toNativeSeparators(kept)
                  << Qt::endl;
        const QString error =
            WriteOutputFile(target, WriteGedcomBytes(persons, target, writeOptions()), lang);
        if (!error.isEmpty()) {
            QFile::remove(kept);
            return Refuse(error);
        }
        return kDone;
    }
    const SaveResult saved = SaveFamilyFile(target, persons, writeOptions());
    if (saved.saved)
        return kDone;
    const QString path = saved.error.section(u'\n', 0, 0);
    const QString reason = saved.error.section(u'\n', 1);
    if (saved.diskFull)
        return Refuse(
            QStringLiteral("cannot write %1: %2").arg(path, LangText(Msg::DiskFull, lang)));
    return Refuse(WriteFailureText(path, reason, 0, lang));
}

} // namespace

int RunCheck(const ToolArgs& args)
{
    Lang lang = Lang::English;
    if (!LangOf(args, lang))
        return kUsage;
    const Loaded loaded = LoadFamily(args.positional.at(0), lang);
    if (!loaded.read)
        return kRefused;
    PrintErrors(loaded);
    // What the family check finds does not change the exit status.
    if (args.parser.isSet(QStringLiteral("plausibility"))) {
        for (const QString& line : FindingLines(CheckFamily(loaded.persons), lang))
            ToolOut() << line << '\n';
        ToolOut().flush();
    }
    return kDone;
}

int RunConvert(const ToolArgs& args)
{
    Lang lang = Lang::English;
    if (!LangOf(args, lang))
        return kUsage;
    const QString input = args.positional.at(0);
    const QString target = QFileInfo(args.positional.at(1)).absoluteFilePath();
    if (const QString refused = RefusedOutput(target, {input}); !refused.isEmpty())
        return Refuse(refused);
    const Loaded loaded = LoadFamily(input, lang);
    if (!loaded.read)
        return kRefused;
    PrintErrors(loaded);
    // An empty family from a file with something in it is a reading that went wrong, and it
    // must not replace a family.
    if (loaded.persons.empty() && QFileInfo(input).size() > 0)
        return Refuse(QStringLiteral("cannot write %1: %2 read as no persons; nothing is written")
                          .arg(QDir::toNativeSeparators(target), QDir::toNativeSeparators(input)));
    return saveFamily(target, loaded.persons, input, lang);
}

int RunGenerate(const ToolArgs& args)
{
    // Record numbers are 32-bit and a person takes a few hundred bytes in memory.
    constexpr qint64 kMaxPersons = 20'000'000;
    qint64 count = 0;
    if (!NumberIn(args, QStringLiteral("N"), args.positional.at(0), 0, kMaxPersons, count))
        return kUsage;
    quint64 seed = 1;
    if (args.parser.isSet(QStringLiteral("seed"))) {
        const QString text = args.parser.value(QStringLiteral("seed"));
        bool ok = false;
        seed = text.toULongLong(&ok);
        if (!ok)
            return UsageError(args, QStringLiteral("--seed %1: not a whole number from 0 to %2")
                                        .arg(text)
                                        .arg(std::numeric_limits<quint64>::max()));
    }
    const QString target = QFileInfo(args.positional.at(1)).absoluteFilePath();
    if (const QString refused = RefusedOutput(target, {}); !refused.isEmpty())
        return Refuse(refused);
    const PersonList persons = GenerateFamily(int(count), seed);
    if (const int status = saveFamily(target, persons, QString(), Lang::English); status != kDone)
        return status;
    ToolOut() << "persons: " << persons.size() << Qt::endl;
    return kDone;
}

int RunTime(const ToolArgs& args)
{
    QElapsedTimer timer;
    timer.start();
    const Loaded loaded = LoadFamily(args.positional.at(0), Lang::English);
    const qint64 ms = timer.elapsed();
    if (!loaded.read)
        return kRefused;
    ToolOut() << "persons: " << loaded.persons.size() << "\nread: " << ms << " ms" << Qt::endl;
    return kDone;
}

} // namespace kinrow
