#include "gedcom/recoverywriter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace kinrow {

namespace {

// Writes bytes to path and waits until they are on the disk.
bool WriteDurably(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    bool ok = file.write(bytes) == bytes.size() && file.flush();
#ifdef Q_OS_UNIX
    ok = ok && ::fsync(file.handle()) == 0;
#endif
    file.close();
    return ok && file.error() == QFileDevice::NoError;
}

} // namespace

RecoveryWriter::RecoveryWriter(Session& session, const QString& folder, WriteOptions options,
                               QObject* parent)
    : QObject(parent), session_(session), options_(std::move(options))
{
    QDir().mkpath(folder);
    info_ = NewRecoveryInfo(folder, QStringLiteral("kinrow-%1-%2")
                                        .arg(QCoreApplication::applicationPid())
                                        .arg(QDateTime::currentMSecsSinceEpoch()));
    pool_.setMaxThreadCount(1);
    timer_.setSingleShot(true);
    timer_.setInterval(DefaultInterval);
    connect(&timer_, &QTimer::timeout, this, &RecoveryWriter::writeNow);
    copyStep_.setInterval(0);
    connect(&copyStep_, &QTimer::timeout, this, &RecoveryWriter::copySome);
    connect(&session_, &Session::familyChanged, this, &RecoveryWriter::familyChanged);
    connect(&session_, &Session::enablingChanged, this, [this] {
        if (!session_.unsavedChanges())
            discard();
    });
}

RecoveryWriter::~RecoveryWriter()
{
    pool_.waitForDone();
    QFile::remove(partPath());
}

void RecoveryWriter::familyChanged()
{
    if (snapshot_)
        snapshot_->clear(); // the copy under way no longer matches the family: start it again
    else if (writing_)
        changedWhileWriting_ = true;
    else if (!timer_.isActive())
        timer_.start();
}

void RecoveryWriter::writeNow()
{
    if (!session_.unsavedChanges())
        return;
    snapshot_ = std::make_shared<PersonList>();
    snapshot_->reserve(session_.persons.size());
    copyStep_.start();
}

void RecoveryWriter::copySome()
{
    const PersonList& persons = session_.persons;
    if (snapshot_->size() > persons.size())
        snapshot_->clear();
    const std::size_t end = std::min(persons.size(), snapshot_->size() + CopyStep);
    snapshot_->insert(snapshot_->end(), persons.begin() + qsizetype(snapshot_->size()),
                      persons.begin() + qsizetype(end));
    if (snapshot_->size() < persons.size())
        return;
    copyStep_.stop();
    std::shared_ptr<const PersonList> copy = std::move(snapshot_);
    const QString original = QFileInfo(session_.familyFileName).absoluteFilePath();
    const qint32 recNo = session_.recNoMain();
    const quint64 generation = generation_;
    const QString part = partPath();
    writing_ = true;
    pool_.start([this, copy, original, recNo, generation, part, options = options_] {
        const bool ok = WriteDurably(part, WriteGedcomBytes(*copy, original, options));
        QMetaObject::invokeMethod(
            this, [=, this] { finishWrite(generation, ok, original, recNo); },
            Qt::QueuedConnection);
    });
}

void RecoveryWriter::finishWrite(quint64 generation, bool ok, const QString& originalFile,
                                 qint32 recNoMain)
{
    writing_ = false;
    const bool wanted = ok && generation == generation_ && session_.unsavedChanges();
    if (wanted && std::rename(QFile::encodeName(partPath()).constData(),
                              QFile::encodeName(info_.dataPath).constData()) == 0) {
        info_.originalFile = originalFile;
        info_.recNoMain = recNoMain;
        info_.written = QDateTime::currentDateTime();
        if (WriteRecoveryInfo(info_))
            Q_EMIT written();
    } else {
        QFile::remove(partPath());
    }
    if (std::exchange(changedWhileWriting_, false) && session_.unsavedChanges())
        timer_.start();
}

void RecoveryWriter::adopt(const RecoveryInfo& left)
{
    QFile::remove(info_.dataPath);
    if (!QFile::rename(left.dataPath, info_.dataPath))
        return;
    info_.originalFile = left.originalFile;
    info_.recNoMain = left.recNoMain;
    info_.written = left.written;
    if (WriteRecoveryInfo(info_))
        QFile::remove(left.infoPath);
}

void RecoveryWriter::discard()
{
    ++generation_;
    timer_.stop();
    copyStep_.stop();
    snapshot_.reset();
    changedWhileWriting_ = false;
    RemoveRecovery(info_);
}

} // namespace kinrow
