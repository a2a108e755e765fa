#pragma once

#include "gedcom/familysave.h"

#include <QObject>
#include <QString>

#include <optional>

namespace kinrow {

struct FamilyFileState;
class Prompts;
class Session;

// Saving the family into its file: never over a file opened read-only, over one that changed
// on the disk since, or over one whose lines the family could not keep without asking, and
// after a failed save the offer of another name; and the question before closing.
class FamilySaving : public QObject
{
    Q_OBJECT
public:
    FamilySaving(Session& session, Prompts& prompts, FamilyFileState& file,
                 QObject* parent = nullptr);

    // Saves the family; true once it was saved (into its file or under another name).
    bool save();
    // Whether the window may close: no form open, and unsaved changes saved or given up.
    bool mayClose();
    // A family file name chosen in the save dialog, with the family extension; asChosen tells
    // whether the dialog gave it so (and so asked about replacing a file of that name).
    std::optional<QString> askOtherName(bool* asChosen = nullptr);

Q_SIGNALS:
    // The family was saved under another name and folder, which became the working folder.
    void renamed();

private:
    // Offers to save under another name after a failed save; true once saved.
    bool saveElsewhere(SaveResult failed);
    // Saves the family under another name, its picture names following the new folder.
    SaveResult saveUnder(const QString& other);
    // The first save of a family whose file held lines it could not keep offers another name
    // (the default): true or false when that decided the save, empty when the save goes on.
    std::optional<bool> saveRicherFileElsewhere();
    // Saves under a name chosen in the save dialog; nothing when the dialog was cancelled.
    std::optional<SaveResult> saveUnderOtherName();
    // Where to save when the file changed on the disk since it was opened or last saved here:
    // true to go on saving into it (nothing changed there, or the user lets it be replaced),
    // false when saved elsewhere or cancelled (saved tells which).
    bool mayReplaceFamilyFile(bool& saved);
    // Replaces the family file, asking again when it changed while written.
    bool saveIntoFamilyFile();

    Session& session_;
    Prompts& prompts_;
    FamilyFileState& file_;
};

} // namespace kinrow
