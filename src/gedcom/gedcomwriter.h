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
    // The persons' records are written in parts on threads of their own: one per thread (0:
    // per core), none of fewer persons than minPartPersons. The bytes do not depend on it.
    int threads = 0;
    size_t minPartPersons = 4096;
};

// The whole family file, CR LF line ends. Windows-1254 ("1 CHAR ANSI") when every text of the
// family (and the file's name) fits that code page, otherwise UTF-8 ("1 CHAR UTF-8") with the
// same lines; line limits count characters in both.
QByteArray WriteGedcomBytes(const PersonList& persons, const QString& familyFileName,
                            const WriteOptions& options);

// The same bytes in pieces that follow each other, so that a save need not join them.
std::vector<QByteArray> WriteGedcomParts(const PersonList& persons, const QString& familyFileName,
                                         const WriteOptions& options);

} // namespace kinrow
