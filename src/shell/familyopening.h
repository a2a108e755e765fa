#pragma once

#include <QObject>
#include <QString>

#include <optional>

namespace kinrow {

class AboutPage;
struct FamilyFileState;
class FamilySaving;
class Prompts;
class Session;

// Opening a family file from the About page: the remembered one or one chosen in the open
// dialog, after the question about unsaved changes, with the read's progress and error list
// on the About page and a new name for a legacy import.
class FamilyOpening : public QObject
{
    Q_OBJECT
public:
    FamilyOpening(Session& session, Prompts& prompts, FamilyFileState& file, FamilySaving& saving,
                  AboutPage& about, QObject* parent = nullptr);

    // Opens the remembered family file, or asks for one when it is not there.
    void openRemembered();
    // Asks for another family file, offering first to save unsaved changes.
    void openAnother();

Q_SIGNALS:
    // The family of the file was read; readOnly: it may only be read.
    void opened(bool readOnly);
    // Nothing was opened and the family file name is the previous one again.
    void notOpened();

private:
    void open(const QString& fileName, const QString& previousName);
    // Keeps the previous family file after an open that did not end in a family.
    void keepPrevious(const QString& previousName);
    std::optional<QString> askFamilyFile();
    // The name an imported family takes: its own when free or when the user lets it replace
    // the file of that name, else one chosen in the save dialog; empty when cancelled.
    std::optional<QString> importedFamilyName(const QString& gedName);

    Session& session_;
    Prompts& prompts_;
    FamilyFileState& file_;
    FamilySaving& saving_;
    AboutPage& about_;
    bool readOnlyTicked_ = false; // the open dialog's read-only box, kept between openings
};

} // namespace kinrow
