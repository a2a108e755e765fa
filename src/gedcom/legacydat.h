#pragma once

#include "gedcom/readsession.h"
#include "model/person.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace kinrow {

// Size of one person record in the family files of the program's older releases.
constexpr qsizetype LegacyRecordSize = 504;

// Imports a legacy family file (fixed 504-byte records) into persons. Pictures are looked up
// once in the file's picture folder (see LegacyPictureFolder), next to the file. Returns false
// when the file was refused; the refusal was then shown through the reporter. On success
// *gedFileName (when given) is the file name with its extension changed to ".ged".
bool ReadLegacyDat(const QString& fileName, PersonList& persons, ErrorList& errors,
                   const ReadOptions& options, QString* gedFileName = nullptr);

// The same over bytes already in memory. pictureFiles is the listing of the picture folder
// (file names without folder, in listing order); fileName names the file in the error list and
// gives the picture folder's name.
bool ReadLegacyDatBytes(QByteArrayView bytes, const QString& fileName,
                        const QStringList& pictureFiles, PersonList& persons, ErrorList& errors,
                        const ReadOptions& options);

// "img_" + the file name without folder and without its last 4 characters + "/".
QString LegacyPictureFolder(const QString& fileName);

// A stored legacy date as text: empty, "dd.mm.yyyy" for a day count from 30 December 1899,
// or the year alone for values above 1000000.
QString LegacyDateText(qint32 value);

} // namespace kinrow
