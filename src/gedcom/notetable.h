#pragma once

#include "gedcom/readcontext.h"

#include <QHash>
#include <QString>

#include <vector>

namespace kinrow {

// The notes of a file, found by a pass over its lines before the persons are read.
class NoteTable
{
public:
    void read(const ReadContext& context);
    // The text of the first note with this number, null when there is none.
    const QString* find(qint32 number) const;

private:
    // Reads the lines of one note into text (when given).
    void readBody(const ReadContext& context, LineScanner& lines, QString* text);

    std::vector<QString> texts_;
    QHash<qint32, qsizetype> byNumber_;
};

} // namespace kinrow
