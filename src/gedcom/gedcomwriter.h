#pragma once

#include "model/person.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <vector>

namespace kinrow {

struct WriteOptions
{
    // The About page's version label; the header's VERS line carries it from character 9 on.
    QString versionText = QStringLiteral("Version 3.04 - 01.04.2004");
    QDate date = QDate::currentDate(); // the header's date of writing
};

// The whole family file, CR LF line ends, Windows-1254.
QByteArray WriteGedcomBytes(const PersonList& persons, const QString& familyFileName,
                            const WriteOptions& options);

// The same bytes in pieces that follow each other, so that a save need not join them.
std::vector<QByteArray> WriteGedcomParts(const PersonList& persons, const QString& familyFileName,
                                         const WriteOptions& options);

} // namespace kinrow
