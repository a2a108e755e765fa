#pragma once

#include "gedcom/recoveryfile.h"

#include <QObject>
#include <QString>

#include <memory>

namespace kinrow {

class AboutPage;
struct FamilyFileState;
class Prompts;
class RecoveryWriter;
class Session;

// Crash recovery: keeps copies of unsaved changes in a folder, and offers each copy there that
// a program left when it ended without closing, opening an accepted one as the family.
class RecoveryOffer : public QObject
{
    Q_OBJECT
public:
    RecoveryOffer(Session& session, Prompts& prompts, FamilyFileState& file, AboutPage& about,
                  QObject* parent = nullptr);
    ~RecoveryOffer() override;

    // Keeps copies in folder from now on, after offering the copies left there.
    void start(const QString& folder);
    RecoveryWriter* writer() const { return writer_.get(); }

Q_SIGNALS:
    // A left copy was opened as the family (with unsaved changes once this returns).
    void restored();

private:
    // The question for a left copy opened as restoredName.
    QString question(const RecoveryInfo& left, const QString& restoredName) const;
    // Opens a left recovery copy as the family of the file restoredName (its original, or a
    // new name where it must not replace that), with unsaved changes.
    bool restore(RecoveryInfo left, const QString& restoredName);

    Session& session_;
    Prompts& prompts_;
    FamilyFileState& file_;
    AboutPage& about_;
    std::unique_ptr<RecoveryWriter> writer_;
};

} // namespace kinrow
