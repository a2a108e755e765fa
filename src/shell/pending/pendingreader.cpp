// TEMPORARY: a tiny reader of "0 @I" records; replaced by src/gedcom/gedcomreader.cpp.
#include "gedcom/gedcomreader.h"
#include "shell/langtable.h"

#include <QFile>

namespace kinrow {
bool ReadGedcomBytes(const QByteArray& bytes, const QString& fileName, PersonList& persons,
                     ErrorList& errors, const ReadOptions& options)
{
    errors.lines = {LangText(141, options.langIndex) + fileName};
    const QList<QByteArray> lines = bytes.split('\n');
    if (bytes.isEmpty())
        return true;
    if (lines.size() < 6 || !lines[0].trimmed().startsWith("0 HEAD")) {
        if (options.reporter)
            options.reporter->message(LangText(103, options.langIndex));
        return false;
    }
    if (!lines[1].trimmed().toUpper().endsWith("KINROW"))
        errors.visible = true;
    qsizetype i = 0;
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith("0 @I")) {
            TTreeData p;
            p.Id = qint32(persons.size() + 1);
            persons.push_back(p);
        } else if (line.startsWith("1 NAME ") && !persons.empty()) {
            persons.back().GivenName = QString::fromUtf8(line.mid(7)).toUpper();
        }
        if (options.reporter && ++i % 1000 == 0)
            options.reporter->progress(i, lines.size());
    }
    if (options.reporter)
        options.reporter->progressDone();
    return true;
}

bool ReadGedcom(const QString& fileName, PersonList& persons, ErrorList& errors,
                const ReadOptions& options)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return ReadGedcomBytes(file.readAll(), fileName, persons, errors, options);
}
} // namespace kinrow
