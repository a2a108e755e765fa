// The commands that print or export a family: chart, table and list.
#include "chart/chartprintout.h"
#include "chartpdf.h"
#include "listpdf.h"
#include "table/generationcolumns.h"
#include "table/generationtable.h"
#include "table/tableexport.h"
#include "toolcommand.h"
#include "toolfiles.h"

#include <QDir>
#include <QFileInfo>

namespace kinrow {

namespace {

// Reads the family FILE (positional 0) and checks its record RECNO (positional 1): kDone when
// both are there, kUsage for a RECNO that is no number, kRefused after a message otherwise.
int loadRecord(const ToolArgs& args, Lang lang, Loaded& loaded, qint32& recNo)
{
    const QString text = args.positional.at(1);
    bool ok = false;
    recNo = text.toInt(&ok);
    if (!ok)
        return UsageError(args, QStringLiteral("RECNO %1: not a record number").arg(text));
    loaded = LoadFamily(args.positional.at(0), lang);
    if (!loaded.read)
        return kRefused;
    if (recNo >= 1 && std::size_t(recNo) <= loaded.persons.size())
        return kDone;
    return Refuse(
        QStringLiteral("record %1 out of range 1..%2").arg(text).arg(loaded.persons.size()));
}

// The absolute name of the output, or empty after a message when it may not be written.
QString outputFor(const ToolArgs& args, const QString& name)
{
    const QString target = QFileInfo(name).absoluteFilePath();
    if (const QString refused = RefusedOutput(target, {args.positional.at(0)});
        !refused.isEmpty()) {
        Refuse(refused);
        return {};
    }
    return target;
}

// kDone for an output written, kRefused after the message of what kept it from being written.
int written(const QString& error)
{
    return error.isEmpty() ? kDone : Refuse(error);
}

// The family named by --font, or family unchanged without it; false after a usage message
// when the name is empty.
bool FontOf(const ToolArgs& args, QString& family)
{
    if (!args.parser.isSet(QStringLiteral("font")))
        return true;
    const QString value = args.parser.value(QStringLiteral("font")).trimmed();
    if (value.isEmpty()) {
        UsageError(args, QStringLiteral("--font: no font name given"));
        return false;
    }
    family = value;
    return true;
}

} // namespace

int RunChart(const ToolArgs& args)
{
    Lang lang = Lang::English;
    if (!LangOf(args, lang))
        return kUsage;
    QString font = ChartPrintOptions().fontFamily;
    if (!FontOf(args, font))
        return kUsage;
    Loaded loaded;
    qint32 recNo = 0;
    if (const int status = loadRecord(args, lang, loaded, recNo); status != kDone)
        return status;
    const QString target = outputFor(args, args.positional.at(2));
    if (target.isEmpty())
        return kRefused;
    const QString folder = QFileInfo(args.positional.at(0)).absolutePath();
    return written(WriteOutputFile(target, lang, [&](QIODevice& out) {
        return WriteChartPdf(loaded.persons, recNo, folder, lang, font, out);
    }));
}

// The generation table of one record with every row expanded and the start columns, written
// as the page's export would write it.
int RunTable(const ToolArgs& args)
{
    Lang lang = Lang::English;
    if (!LangOf(args, lang))
        return kUsage;
    GenerationTableOptions options;
    if (args.parser.isSet(QStringLiteral("generations"))) {
        qint64 generations = 0;
        if (!NumberIn(args, QStringLiteral("--generations"),
                      args.parser.value(QStringLiteral("generations")), 1, 99, generations))
            return kUsage;
        options.generations = int(generations);
    }
    ExportFormat format = ExportFormat::Html;
    if (!ExportFormatForName(args.positional.at(2), format))
        return UsageError(args, QStringLiteral("OUT %1: not an export name (.html, .htm, .uni, "
                                               ".rtf, .csv or .txt)")
                                    .arg(args.positional.at(2)));
    Loaded loaded;
    qint32 recNo = 0;
    if (const int status = loadRecord(args, lang, loaded, recNo); status != kDone)
        return status;
    const QString target = outputFor(args, args.positional.at(2));
    if (target.isEmpty())
        return kRefused;
    options.lang = lang;
    const GenerationTable built = BuildGenerationTable(loaded.persons, recNo, options);
    const ExportStyle style = GenerationExportStyle(QStringLiteral("Arial"), 96);
    const QList<GenerationColumnView> columns = StartGenerationColumns(GenerationHeaders(lang));
    QList<int> indexes;
    for (const GenerationColumnView& column : columns)
        indexes.append(column.index);
    const GenerationExportRows rows(built, VisibleRows(built, [](qint32) { return true; }), indexes,
                                    recNo, style.gridFont);
    // Streamed into the file in pieces, so a table of millions of rows needs no buffer of it.
    const int status = written(WriteOutputFile(target, lang, [&](QIODevice& out) {
        return WriteTableExport(out, format, rows, GenerationExportColumns(columns), style,
                                ListSeparator())
                   ? QString()
                   : QStringLiteral("the export could not be written");
    }));
    if (status == kDone)
        ToolOut() << GenerationCountText(built, lang) << Qt::endl;
    return status;
}

int RunList(const ToolArgs& args)
{
    ListPdfRequest request;
    if (!LangOf(args, request.lang))
        return kUsage;
    if (const QString problem = ParseListOptions(args.parser, request); !problem.isEmpty())
        return UsageError(args, problem);
    if (!FontOf(args, request.fontFamily))
        return kUsage;
    const Loaded loaded = LoadFamily(args.positional.at(0), request.lang);
    if (!loaded.read)
        return kRefused;
    const QString target = outputFor(args, args.positional.at(1));
    if (target.isEmpty())
        return kRefused;
    QString problem;
    const std::vector<ListPrintRow> rows = ListPdfRows(loaded.persons, request, problem);
    if (!problem.isEmpty())
        return Refuse(problem);
    return written(WriteOutputFile(
        target, request.lang, [&](QIODevice& out) { return WriteListPdf(rows, request, out); }));
}

} // namespace kinrow
