#pragma once

#include "gedcom/gedcomreader.h"

#include <QByteArray>
#include <QStringList>

#include <initializer_list>

namespace kinrow::testing {

// Records what a read shows besides the error list.
class RecordingReporter : public ReadReporter
{
public:
    void message(const QString& text) override { messages.append(text); }
    void progress(qint64 position, qint64 maximum) override
    {
        ++progressCalls;
        lastPosition = position;
        lastMaximum = maximum;
    }
    void progressDone() override { done = true; }

    QStringList messages;
    qint64 progressCalls = 0;
    qint64 lastPosition = -1;
    qint64 lastMaximum = -1;
    bool done = false;
};

struct ReadResult
{
    bool ok = false;
    PersonList persons;
    ErrorList errors;
    RecordingReporter reporter;
};

inline void readInto(ReadResult& result, const QByteArray& bytes, int langIndex = 1,
                     const QString& fileName = QStringLiteral("/tmp/kinrow-test/aile.ged"))
{
    ReadOptions options;
    options.langIndex = langIndex;
    options.reporter = &result.reporter;
    result.ok = ReadGedcomBytes(bytes, fileName, result.persons, result.errors, options);
}

// Lines joined with CR LF, as the program writes them.
inline QByteArray joinLines(std::initializer_list<const char*> lines, const char* end = "\r\n")
{
    QByteArray bytes;
    for (const char* line : lines) {
        bytes += line;
        bytes += end;
    }
    return bytes;
}

// The program's own header followed by records and the trailer.
inline QByteArray dialectFile(std::initializer_list<const char*> records)
{
    QByteArray bytes = joinLines({"0 HEAD", "1 SOUR Kinrow", "2 VERS 3.04", "2 NAME Kinrow",
                                  "1 CHAR ANSI", "0 @S0@ SUBM", "1 NAME Not Given"});
    bytes += joinLines(records);
    bytes += "0 TRLR\r\n";
    return bytes;
}

} // namespace kinrow::testing
