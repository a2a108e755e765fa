// TEMPORARY: only the size check and the name change; replaced by src/gedcom/legacydat.cpp.
#include "gedcom/legacydat.h"
#include "shell/langtable.h"

#include <QFileInfo>

namespace kinrow {
bool ReadLegacyDat(const QString& fileName, PersonList& persons, ErrorList& errors,
                   const ReadOptions& options, QString* gedFileName)
{
    const qint64 size = QFileInfo(fileName).size();
    if (size <= 0 || size % 504 != 0)
        return false;
    errors.lines = {LangText(141, options.langIndex) + fileName};
    errors.visible = true;
    for (qint64 r = 1; r <= size / 504; ++r) {
        TTreeData p;
        p.Id = qint32(r);
        persons.push_back(p);
    }
    if (gedFileName)
        *gedFileName = fileName.left(fileName.size() - 4) + QStringLiteral(".ged");
    return true;
}
} // namespace kinrow
