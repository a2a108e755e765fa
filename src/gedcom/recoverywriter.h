#pragma once

#include "gedcom/gedcomwriter.h"
#include "gedcom/recoveryfile.h"
#include "model/session.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <memory>

namespace kinrow {

// Keeps a recovery copy of the session's family while it has unsaved changes: written at most
// once an interval, the interval after a change, by a worker thread from a copy of the family
// taken here a few thousand persons at a time between the window's events (so typing is never
// held up); removed once the changes are saved or given up.
class RecoveryWriter : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultInterval = 30000;  // milliseconds
    static constexpr std::size_t CopyStep = 20000; // persons copied in one turn of the events

    RecoveryWriter(Session& session, const QString& folder, WriteOptions options,
                   QObject* parent = nullptr);
    ~RecoveryWriter() override;

    void setInterval(int milliseconds) { timer_.setInterval(milliseconds); }
    // How many persons the copy under way has taken so far; 0 when none is under way.
    std::size_t copiedSoFar() const { return snapshot_ ? snapshot_->size() : 0; }
    const RecoveryInfo& info() const { return info_; }

    // Takes a left copy over as this program's own, as the changes of the family file
    // originalFile: it stays until saved or given up.
    void adopt(const RecoveryInfo& left, const QString& originalFile);
    // The family file as opened or last saved: the copy records it, so that a later start
    // can tell whether the file was saved again after the changes began.
    void setBase(const FileStamp& base) { info_.base = base; }
    // Removes this program's copy: the changes were saved, or the program closes without them.
    void discard();

Q_SIGNALS:
    // A copy of the family as it was at the last change is on disk.
    void written();
    // A copy could not be written (said once until a write succeeds again): the reason.
    void failed(const QString& reason);

private:
    void familyChanged();
    void writeNow();
    void copySome();
    struct Written
    {
        QString error; // empty when the copy is on disk
        qint64 size = 0;
        QByteArray checksum;
    };
    void finishWrite(quint64 generation, const Written& done, const QString& originalFile,
                     qint32 recNoMain);
    void reportFailure(const QString& reason);
    QString partPath() const { return info_.dataPath + QStringLiteral(".part"); }

    Session& session_;
    RecoveryInfo info_;
    WriteOptions options_;
    QTimer timer_;
    QTimer copyStep_;
    std::shared_ptr<PersonList> snapshot_; // the copy being taken, null when none is
    QThreadPool pool_;
    quint64 generation_ = 0; // raised by every discard, so a write under way is dropped
    bool writing_ = false;
    bool changedWhileWriting_ = false;
    bool failureSaid_ = false;
    QString baseName_;    // "kinrow-PID-TIME": the copy's own names start so
    quint64 written_ = 0; // copies written: every one gets a new name
};

} // namespace kinrow
