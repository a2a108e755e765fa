// TEMPORARY: backup and write without the writer; replaced by src/gedcom/familysave.cpp.
#include "gedcom/familysave.h"

#include <QFile>

namespace kinrow {
SaveResult SaveFamilyFile(const QString& path, const PersonList& persons, const WriteOptions&)
{
    QString backup = path;
    backup.replace(QStringLiteral(".ged"), QStringLiteral(".bak"), Qt::CaseInsensitive);
    QFile::remove(backup);
    QFile::rename(path, backup);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    file.write("0 HEAD\r\n1 SOUR KINROW\r\n2 VERS 3.04\r\n1 CHAR ANSI\r\n");
    for (const TTreeData& p : persons)
        file.write("0 @I" + QByteArray::number(p.Id) + "@ INDI\r\n1 NAME " + p.GivenName.toUtf8() +
                   "\r\n");
    file.write("0 TRLR\r\n");
    return {true, {}};
}
} // namespace kinrow
