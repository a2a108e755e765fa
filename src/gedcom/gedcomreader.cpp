#include "gedcom/gedcomreader.h"

#include "gedcom/errorsink.h"
#include "gedcom/familytable.h"
#include "gedcom/fileparts.h"
#include "gedcom/leftoutlines.h"
#include "gedcom/notetable.h"
#include "gedcom/objecttable.h"
#include "gedcom/parallelpersons.h"
#include "gedcom/postpass.h"
#include "gedcom/readcontext.h"
#include "model/hugepages.h"
#include "model/textrules.h"

#include <QFile>
#include <QFileInfo>

#include <limits>

namespace kinrow {

namespace {

constexpr qsizetype MaxLineLength = 270;

// What the first look over the whole file (or over a part of it) finds.
struct LineSurvey
{
    explicit LineSurvey(bool foreign) : leftOut(foreign) {}

    qint64 lines = 0;
    qint64 persons = 0;
    qint64 tooLongLine = -1; // zero-based, -1 when every line fits
    std::vector<LineStart> familyStarts;
    std::vector<LineStart> noteStarts;
    std::vector<LineStart> objectStarts;
    LeftOutLines leftOut;                  // of the records that begin in the part
    LineStart firstPerson{0, -1};          // of a part; index -1 when it opens no person
    std::vector<PersonSplit> personSplits; // where the persons of each part begin
};

bool startsWithUtf8Bom(std::string_view bytes)
{
    return bytes.starts_with("\xEF\xBB\xBF");
}

// True when the header declares UTF-8 ("1 CHAR UTF-8" or "1 CHAR UTF8").
bool headerDeclaresUtf8(std::string_view bytes)
{
    LineScanner lines(bytes);
    GedcomLine line;
    while (lines.next(line)) {
        if (line.index > 0 && line.startsWith("0"))
            break;
        if (!line.startsWith("1 CHAR "))
            continue;
        const std::string_view value = TrimLine(line.text.substr(7));
        for (const char* name : {"UTF-8", "UTF8"}) {
            if (qstrnicmp(value.data(), qsizetype(value.size()), name) == 0)
                return true;
        }
    }
    return false;
}

// Looks at the lines in [from, to), numbering them from 0. The lines left out are counted for the
// records that begin there, also past its end up to the next record.
LineSurvey surveyPart(std::string_view bytes, qsizetype from, qsizetype to,
                      const ValueDecoder& decoder, bool foreign)
{
    LineSurvey survey(foreign);
    LineScanner lines(bytes.substr(0, size_t(to)), from);
    GedcomLine line;
    // A character takes at most 4 bytes, so longer lines are refused without decoding them.
    const auto byteLimit = decoder.utf8() ? 4 * MaxLineLength : MaxLineLength;
    // The lines before the part's first record belong to a record of the part before.
    bool inRecord = from == 0;
    for (qsizetype offset = from; lines.next(line); offset = lines.offset()) {
        const auto size = qsizetype(line.text.size());
        if (size > MaxLineLength &&
            (size > byteLimit || decoder.decodedLength(line.text) > MaxLineLength)) {
            survey.tooLongLine = line.index;
            return survey;
        }
        if (line.startsWith("0")) {
            inRecord = true;
            if (line.startsWith("0 @I")) {
                if (survey.persons++ == 0)
                    survey.firstPerson = {offset, line.index};
            } else if (line.startsWith("0 @F"))
                survey.familyStarts.push_back({offset, line.index});
            else if (line.startsWith("0 @NI"))
                survey.noteStarts.push_back({offset, line.index});
            else if (line.startsWith("0 @M"))
                survey.objectStarts.push_back({offset, line.index});
        }
        if (inRecord)
            survey.leftOut.look(line);
        ++survey.lines;
    }
    if (inRecord && to < qsizetype(bytes.size())) {
        LineScanner rest(bytes, to, survey.lines);
        while (rest.next(line) && !line.startsWith("0"))
            survey.leftOut.look(line);
    }
    return survey;
}

// The file's bytes, read into a block asked for in huge pages; a file that grows or shrinks while
// it is read gives what it held at the end.
QByteArray ReadWholeFile(QFile& file)
{
    const qint64 expected = file.size();
    if (expected <= 0 || expected > std::numeric_limits<int>::max())
        return file.readAll();
    QByteArray bytes(qsizetype(expected), Qt::Uninitialized);
    PrepareBlock(bytes.data(), size_t(expected));
    qsizetype got = 0;
    while (got < bytes.size()) {
        const qint64 n = file.read(bytes.data() + got, bytes.size() - got);
        if (n <= 0)
            break;
        got += qsizetype(n);
    }
    bytes.truncate(got);
    if (got == expected)
        bytes.append(file.readAll());
    return bytes;
}

void appendStarts(std::vector<LineStart>& to, const std::vector<LineStart>& from, qint64 lines)
{
    for (const LineStart& start : from)
        to.push_back({start.offset, start.index + lines});
}

// The parts of the file are looked at on all cores; the result is the one look's.
LineSurvey surveyLines(std::string_view bytes, const ValueDecoder& decoder,
                       const ReadOptions& options, bool foreign)
{
    const size_t count =
        FilePartCount(qsizetype(bytes.size()), options.threads, options.minPartBytes);
    const std::vector<qsizetype> cuts = LineCuts(bytes, count);
    std::vector<LineSurvey> parts(count, LineSurvey(foreign));
    RunParts(count, [&](size_t k) {
        parts[k] = surveyPart(bytes, k == 0 ? 0 : cuts[k - 1], cuts[k], decoder, foreign);
    });
    if (count == 1)
        return std::move(parts.front());
    LineSurvey survey(foreign);
    for (size_t k = 0; k < count; ++k) {
        LineSurvey& part = parts[k];
        if (part.tooLongLine >= 0) {
            survey.tooLongLine = survey.lines + part.tooLongLine;
            return survey;
        }
        if (k > 0 && part.firstPerson.index >= 0)
            survey.personSplits.push_back(
                {{part.firstPerson.offset, part.firstPerson.index + survey.lines}, survey.persons});
        appendStarts(survey.familyStarts, part.familyStarts, survey.lines);
        appendStarts(survey.noteStarts, part.noteStarts, survey.lines);
        appendStarts(survey.objectStarts, part.objectStarts, survey.lines);
        survey.leftOut.append(part.leftOut, survey.lines);
        survey.lines += part.lines;
        survey.persons += part.persons;
    }
    return survey;
}

// Checks the first three lines; false when the file must be refused.
bool readHeader(const ReadContext& context, const QString& programVersion)
{
    if (context.lineCount < 6)
        return false;
    LineScanner lines = context.lines();
    GedcomLine head, source, version;
    lines.next(head);
    lines.next(source);
    lines.next(version);
    if (head.text != "0 HEAD" || !source.startsWith("1 SOUR"))
        return false;
    ValueDecoder& decoder = context.decoder;
    ErrorSink& errors = context.errors;
    const QString sourceName =
        decoder.text(decoder.left(decoder.from(source.text, 8), 256), source.index);
    errors.add(errors.text(Msg::SourceProgramLabel) + sourceName);
    if (UpperCase1254(sourceName) != QLatin1String("KINROW")) {
        errors.makeVisible();
        errors.add(errors.text(Msg::OtherProgramFile));
    }
    if (version.startsWith("2 VERS")) {
        const QString fileVersion =
            decoder.text(decoder.left(decoder.from(version.text, 8), 100), version.index);
        if (fileVersion < programVersion)
            errors.makeVisible();
        errors.add(errors.text(Msg::FileVersionLabel) + fileVersion);
    }
    return true;
}

QString badPersonNumberText(const ErrorSink& errors, qint64 line)
{
    return errors.text(Msg::PersonNumberNotWhole).arg(line);
}

// One line for each kind of line the family cannot hold, in the order of their first lines;
// notes and picture records that no person took count with them.
void reportLeftOut(ErrorSink& errors, LeftOutLines leftOut, const NoteTable& notes,
                   const ObjectTable& objects)
{
    for (const auto& [line, count] : notes.unused())
        leftOut.add("NOTE", count, line);
    for (const ObjectTable::Object* object : objects.unused())
        leftOut.add("OBJE", object->keptLines, object->line);
    for (const LeftOutKind& kind : leftOut.kinds()) {
        const QString tag = QString::fromUtf8(kind.key);
        const QString first = QString::number(kind.firstLine);
        errors.leftOut(
            kind.count == 1
                ? errors.text(Msg::LineNotKept).arg(tag, first)
                : errors.text(Msg::LinesNotKept).arg(QString::number(kind.count), tag, first));
    }
}

bool readLines(const ReadContext& context, const LineSurvey& survey, PersonList& persons,
               const ReadOptions& options)
{
    ErrorSink& errors = context.errors;
    if (!readHeader(context, options.programVersion)) {
        errors.message(errors.text(Msg::BadFileFormat));
        return false;
    }
    if (context.foreign)
        for (const auto& [line, text] : context.foreign->reports)
            errors.dropped(line, errors.text(text));
    FamilyTable families;
    if (const std::optional<qint64> badLine = families.read(context, options)) {
        errors.message(badPersonNumberText(errors, *badLine));
        return false;
    }
    NoteTable notes;
    notes.read(context, options);
    ObjectTable objects;
    objects.read(context);
    const size_t first = persons.size();
    persons.reserve(first + size_t(survey.persons));
    PrepareBlock(persons.data() + first, size_t(survey.persons) * sizeof(TTreeData));
    persons.resize(first + size_t(survey.persons));
    context.errors.progress(0, context.lineCount);
    const size_t read = ReadPersons(context, families, notes, objects, survey.personSplits, persons,
                                    first, options);
    persons.resize(first + read);
    context.errors.progress(context.lineCount, context.lineCount);
    RenumberPersons(persons, errors, context.foreign ? &context.foreign->personIds : nullptr);
    InferSexes(persons, errors);
    reportLeftOut(errors, survey.leftOut, notes, objects);
    errors.progressDone();
    return true;
}

} // namespace

bool ReadGedcomBytes(const QByteArray& bytes, const QString& fileName, PersonList& persons,
                     ErrorList& errors, const ReadOptions& options)
{
    std::string_view view(bytes.constData(), size_t(bytes.size()));
    bool utf8 = startsWithUtf8Bom(view);
    if (utf8)
        view.remove_prefix(3);
    else
        utf8 = headerDeclaresUtf8(view);

    // Another program's file is read in the dialect it is rewritten to.
    const std::optional<ForeignFile> foreign = RewriteForeignFile(view, utf8);
    if (foreign) {
        view = std::string_view(foreign->bytes.constData(), size_t(foreign->bytes.size()));
        utf8 = foreign->utf8;
    }
    ErrorSink sink(errors, options);
    ValueDecoder decoder(utf8, sink);
    const LineSurvey survey = surveyLines(view, decoder, options, foreign.has_value());
    if (survey.tooLongLine >= 0) {
        sink.message(QString::number(survey.tooLongLine + 1) + sink.text(Msg::LineTooLong));
        return false;
    }
    sink.start(fileName);
    bool ok = true;
    if (survey.lines > 0) {
        const ReadContext context{view,
                                  survey.lines,
                                  decoder,
                                  sink,
                                  QFileInfo(fileName).absolutePath(),
                                  survey.familyStarts,
                                  survey.noteStarts,
                                  survey.objectStarts,
                                  foreign ? &*foreign : nullptr};
        ok = readLines(context, survey, persons, options);
        if (!ok)
            persons.clear();
    }
    sink.finish();
    return ok;
}

bool ReadGedcom(const QString& fileName, PersonList& persons, ErrorList& errors,
                const ReadOptions& options)
{
    const QFileInfo info(fileName);
    QFile file(fileName);
    // Only regular files: a device or a pipe could deliver bytes without end.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        ErrorSink sink(errors, options);
        sink.message(sink.text(Msg::FileNotRead) + fileName);
        return false;
    }
    const QByteArray bytes = ReadWholeFile(file);
    return ReadGedcomBytes(bytes, info.absoluteFilePath(), persons, errors, options);
}

} // namespace kinrow
