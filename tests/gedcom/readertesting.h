#pragma once

#include "gedcom/gedcomreader.h"

#include <QByteArray>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

// Sample files of other programs lie beside the repository; a developer may lack them, but CI
// (which sets CI) must never pass by skipping them.
#define KINROW_SAMPLES_MISSING(what)                                                               \
    do {                                                                                           \
        if (qEnvironmentVariableIsSet("CI"))                                                       \
            GTEST_FAIL() << what << " missing in " KINROW_SAMPLES;                                 \
        GTEST_SKIP() << what << " missing";                                                        \
    } while (false)

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

inline void readInto(ReadResult& result, const QByteArray& bytes, Lang lang = Lang::English,
                     const QString& fileName = QStringLiteral("/tmp/kinrow-test/aile.ged"))
{
    ReadOptions options;
    options.lang = lang;
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

// The person list's rules after any read: numbers are positions, links name existing records
// (parents may be 0), lists hold no 0 and no duplicates.
inline ::testing::AssertionResult linksAreSound(const PersonList& persons)
{
    const auto count = qint32(persons.size());
    for (qint32 n = 1; n <= count; ++n) {
        const TTreeData& p = persons[size_t(n - 1)];
        if (p.Id != n)
            return ::testing::AssertionFailure() << "record " << n << " carries " << p.Id;
        if (p.MotherId < 0 || p.MotherId > count || p.FatherId < 0 || p.FatherId > count)
            return ::testing::AssertionFailure() << "record " << n << " has a parent outside";
        for (const QList<qint32>* list : {&p.Spouses, &p.Children}) {
            const QSet<qint32> unique(list->begin(), list->end());
            if (unique.size() != list->size())
                return ::testing::AssertionFailure() << "record " << n << " has duplicates";
            for (qint32 link : *list) {
                if (link < 1 || link > count)
                    return ::testing::AssertionFailure() << "record " << n << " links " << link;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace kinrow::testing
