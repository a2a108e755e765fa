#pragma once

#include "gedcom/filestamp.h"
#include "gedcom/readsession.h"
#include "model/person.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace kinrow {

// A process as the system knows it: its id and, where the system tells, when it started and
// in which boot, so that a process id used again later is not taken for the same process.
struct ProcessStamp
{
    qint64 pid = 0;
    QString startTime; // empty where unknown
    QString bootId;    // empty where unknown

    static ProcessStamp current();
    bool operator==(const ProcessStamp&) const = default;
};

// Whether the process of the stamp is still running (a finished, unreaped one is not).
bool IsRunning(const ProcessStamp& stamp);

// A recovery copy: the family with its unsaved changes, the family file they belong to, and
// which program wrote it when.
struct RecoveryInfo
{
    QString infoPath;     // these values; empty for a copy whose record was lost
    QString dataPath;     // the family, as a family file
    QString originalFile; // the family file the unsaved changes belong to; empty when unknown
    qint32 recNoMain = 1;
    ProcessStamp writer;
    QDateTime written;
    // The original file as the changes found it (opened or last saved), when recorded.
    std::optional<FileStamp> base;
    // The copy as written in full: its size and checksum; a copy that differs was cut off.
    qint64 dataSize = -1;
    QByteArray checksum; // SHA-256, hexadecimal
};

// The checksum a copy's record keeps of its bytes.
QByteArray RecoveryChecksum(const QByteArray& bytes);

// How a left copy stands, checked before it is offered.
enum class CopyState
{
    Complete,        // as written in full, and its original unchanged since
    OriginalChanged, // complete, but its original file was saved after the changes began
    Damaged,         // cut off or changed since written: not the whole family
    Orphan,          // its record is lost: neither its original nor its completeness is known
};
CopyState StateOf(const RecoveryInfo& info);

// The persons a family file holds, counted by their records (also in a cut-off file).
qsizetype CountPersonRecords(const QString& path);

// A name for a restored copy that must not replace its original: beside the original (in the
// home folder when it is unknown), not taken by any file.
QString RecoveredFamilyName(const QString& originalFile);

// The folder of recovery copies, in the user's data folder (never beside a family file).
QString RecoveryFolder();

// The file names of the copy called base in folder, written by this process.
RecoveryInfo NewRecoveryInfo(const QString& folder, const QString& base);

bool WriteRecoveryInfo(const RecoveryInfo& info);
std::optional<RecoveryInfo> ReadRecoveryInfo(const QString& infoPath);

// The copies left in folder by programs that ended without closing, newest first. Copies of
// running programs are left alone; records whose family is missing, parts of copies whose
// program ended while writing them, and copies a newer one of the same program replaced are
// removed. A copy whose record is unreadable is listed as an orphan, without infoPath.
QList<RecoveryInfo> LeftRecoveries(const QString& folder);

// Makes a left copy this process's own before it is offered, so that a program started at the
// same time does not offer it too: its record (an orphan's family) is renamed to a name of this
// process, which only one process can do. False when another one was quicker.
bool ClaimRecovery(RecoveryInfo& info);

void RemoveRecovery(const RecoveryInfo& info);

// Reads the copy's family as opening its original file would: picture names resolved in that
// file's folder, the error list naming that file.
bool ReadRecovery(const RecoveryInfo& info, PersonList& persons, ErrorList& errors,
                  const ReadOptions& options);

} // namespace kinrow
