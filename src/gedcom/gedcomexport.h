#pragma once

#include "gedcom/familysave.h"
#include "model/messages.h"
#include "model/person.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace kinrow {

struct ExportOptions
{
    QString programVersion = QStringLiteral("3.04"); // the header's SOUR VERS
    QDate date = QDate::currentDate();               // the header's date of the export
    Lang lang = Lang::Turkish;                       // the header's LANG
};

// The family as standard GEDCOM 5.5.1 in UTF-8, for other genealogy programs: one family
// record for every couple and single parent, HUSB, WIFE and CHIL in the user's order, notes
// as NOTE records, pictures as OBJE with FILE and FORM, and no line over 255 bytes. The
// program reads it back as the same family.
QByteArray ExportGedcomBytes(const PersonList& persons, const ExportOptions& options);

// Writes the export to path in full before anything there is replaced. The family file
// itself is refused: the export never takes its place.
SaveResult ExportGedcomFile(const QString& path, const QString& familyFileName,
                            const PersonList& persons, const ExportOptions& options);

// The name a chosen export file is written under: ".ged" added unless it ends so in any case.
QString ExportFileNameFor(const QString& chosen);

} // namespace kinrow
