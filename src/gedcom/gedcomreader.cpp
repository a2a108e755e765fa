#include "gedcom/gedcomreader.h"

#include "gedcom/errorsink.h"
#include "gedcom/familytable.h"
#include "gedcom/notetable.h"
#include "gedcom/personpass.h"
#include "gedcom/postpass.h"
#include "gedcom/readcontext.h"
#include "model/textrules.h"

#include <QFile>
#include <QFileInfo>

namespace kinrow {

namespace {

constexpr qsizetype MaxLineLength = 270;

// What the first look over the whole file finds.
struct LineSurvey
{
    qint64 lines = 0;
    qint64 persons = 0;
    qint64 tooLongLine = -1; // zero-based, -1 when every line fits
    std::vector<LineStart> familyStarts;
    std::vector<LineStart> noteStarts;
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

LineSurvey surveyLines(std::string_view bytes, const ValueDecoder& decoder)
{
    LineSurvey survey;
    LineScanner lines(bytes);
    GedcomLine line;
    // A character takes at most 4 bytes, so longer lines are refused without decoding them.
    const auto byteLimit = decoder.utf8() ? 4 * MaxLineLength : MaxLineLength;
    for (qsizetype offset = 0; lines.next(line); offset = lines.offset()) {
        const auto size = qsizetype(line.text.size());
        if (size > MaxLineLength &&
            (size > byteLimit || decoder.decodedLength(line.text) > MaxLineLength)) {
            survey.tooLongLine = line.index;
            return survey;
        }
        if (line.startsWith("0 @I"))
            ++survey.persons;
        else if (line.startsWith("0 @F"))
            survey.familyStarts.push_back({offset, line.index});
        else if (line.startsWith("0 @NI"))
            survey.noteStarts.push_back({offset, line.index});
        ++survey.lines;
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
        errors.add(QStringLiteral(" - Version : ") + fileVersion);
    }
    return true;
}

QString badPersonNumberText(const ErrorSink& errors, qint64 line)
{
    const QString n = QString::number(line);
    return errors.pick(n + QStringLiteral(". Satır: kişi numarası tam sayı değil. Bu Dosya "
                                          "Açılamaz !"),
                       n + QStringLiteral(". Line: the person number is not a whole number. "
                                          "File could not open."));
}

bool readLines(const ReadContext& context, qint64 personCount, PersonList& persons,
               const ReadOptions& options)
{
    ErrorSink& errors = context.errors;
    if (!readHeader(context, options.programVersion)) {
        errors.message(errors.text(Msg::BadFileFormat));
        return false;
    }
    if (context.foreign)
        for (const auto& [line, text] : context.foreign->reports)
            errors.dropped(line, text);
    FamilyTable families;
    if (const std::optional<qint64> badLine = families.read(context)) {
        errors.message(badPersonNumberText(errors, *badLine));
        return false;
    }
    NoteTable notes;
    notes.read(context);
    persons.reserve(persons.size() + size_t(personCount));
    PersonPass(context, families, notes, persons).run();
    RenumberPersons(persons, errors, context.foreign ? &context.foreign->personIds : nullptr);
    InferSexes(persons, errors);
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
    const LineSurvey survey = surveyLines(view, decoder);
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
                                  foreign ? &*foreign : nullptr};
        ok = readLines(context, survey.persons, persons, options);
        if (!ok)
            persons.clear();
        decoder.reportLosses();
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
        sink.message(sink.pick(QStringLiteral("Dosya okunamadı: "),
                               QStringLiteral("File could not be read: ")) +
                     fileName);
        return false;
    }
    const QByteArray bytes = file.readAll();
    return ReadGedcomBytes(bytes, info.absoluteFilePath(), persons, errors, options);
}

} // namespace kinrow
