#include "chartpdf.h"
#include "gedcom/familygenerator.h"
#include "gedcom/familysave.h"
#include "gedcom/gedcomreader.h"
#include "gedcom/gedcomwriter.h"
#include "gedcom/legacydat.h"
#include "listpdf.h"
#include "model/familycheck.h"
#include "shell/version.h"
#include "table/generationcolumns.h"
#include "table/generationtable.h"
#include "table/tableexport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <memory>

namespace {

using namespace kinrow;

constexpr int kRead = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Message boxes of the reader go to standard error, each as it comes.
class StderrReporter : public ReadReporter
{
public:
    void message(const QString& text) override
    {
        err() << QString(text).replace(u'\r', u'\n') << Qt::endl;
    }
};

int usage()
{
    err() << "usage: kinrow-tool check FILE [--plausibility] [--lang tr|en]\n"
             "       kinrow-tool convert IN OUT [--lang tr|en]\n"
             "       kinrow-tool generate N OUT [--seed S]\n"
             "       kinrow-tool time FILE\n"
             "       kinrow-tool chart FILE RECNO OUT.pdf [--lang tr|en]\n"
             "       kinrow-tool table FILE RECNO OUT [--generations N] [--lang tr|en]\n"
             "       kinrow-tool list FILE OUT.pdf [--scope "
             "family:R|surname:TEXT|males|females|all]\n"
             "                   [--columns 3,4,5,6,7,8] [--sort COLUMN[:desc]] [--pages A-B]\n"
             "                   [--lang tr|en]"
          << Qt::endl;
    return kUsage;
}

struct Loaded
{
    bool read = false;
    PersonList persons;
    ErrorList errors;
};

// Reads a family file as opening it in the program does, the current folder being the
// file's folder while it is read.
Loaded load(const QString& path, Lang lang)
{
    Loaded result;
    const QFileInfo info(path);
    if (!info.isFile()) {
        err() << "cannot open " << path << Qt::endl;
        return result;
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(info.absolutePath());
    StderrReporter reporter;
    ReadOptions options;
    options.lang = lang;
    options.programVersion = ProgramVersion();
    options.reporter = &reporter;
    const QString suffix = info.suffix().toLower();
    if (suffix == u"ged")
        result.read = ReadGedcom(info.absoluteFilePath(), result.persons, result.errors, options);
    else if (suffix == u"dat")
        result.read =
            ReadLegacyDat(info.absoluteFilePath(), result.persons, result.errors, options);
    else
        result.read = true; // opening reads nothing from a file of another kind
    QDir::setCurrent(previous);
    if (!result.read)
        result.persons.clear();
    return result;
}

void printErrors(const Loaded& loaded)
{
    for (const QString& line : loaded.errors.lines)
        out() << QString(line).replace(u'\r', u' ') << '\n';
    out() << "persons: " << loaded.persons.size() << Qt::endl;
}

// Takes "--lang tr|en" out of args; false on a bad value.
bool takeLang(QStringList& args, Lang& lang)
{
    lang = Lang::English;
    const qsizetype at = args.indexOf(QStringLiteral("--lang"));
    if (at < 0)
        return true;
    if (at + 1 >= args.size())
        return false;
    const QString value = args.at(at + 1);
    args.remove(at, 2);
    if (value == u"tr")
        lang = Lang::Turkish;
    else if (value != u"en")
        return false;
    return true;
}

// The family check's findings, one line each; what it finds does not change the exit code.
void printFindings(const PersonList& persons, Lang lang)
{
    for (const QString& line : FindingLines(CheckFamily(persons), lang))
        out() << line << '\n';
    out().flush();
}

int check(QStringList args)
{
    Lang lang = Lang::English;
    const bool plausibility = args.removeAll(QStringLiteral("--plausibility")) > 0;
    if (!takeLang(args, lang) || args.size() != 1)
        return usage();
    const Loaded loaded = load(args.at(0), lang);
    if (!loaded.read)
        return kRefused;
    printErrors(loaded);
    if (plausibility)
        printFindings(loaded.persons, lang);
    return kRead;
}

WriteOptions writeOptions()
{
    WriteOptions options;
    options.versionText = VersionLabelText();
    return options;
}

int convert(QStringList args)
{
    Lang lang = Lang::English;
    if (!takeLang(args, lang) || args.size() != 2)
        return usage();
    const QString target = QFileInfo(args.at(1)).absoluteFilePath();
    const Loaded loaded = load(args.at(0), lang);
    if (!loaded.read)
        return kRefused;
    printErrors(loaded);
    const SaveResult saved = SaveFamilyFile(target, loaded.persons, writeOptions());
    if (!saved.saved) {
        err() << saved.error << Qt::endl;
        return kRefused;
    }
    return kRead;
}

int generate(QStringList args)
{
    quint64 seed = 1;
    const qsizetype at = args.indexOf(QStringLiteral("--seed"));
    if (at >= 0) {
        bool ok = false;
        seed = at + 1 < args.size() ? args.at(at + 1).toULongLong(&ok) : 0;
        if (!ok)
            return usage();
        args.remove(at, 2);
    }
    bool ok = false;
    const int n = args.size() == 2 ? args.at(0).toInt(&ok) : 0;
    // Record numbers are 32-bit and a person takes a few hundred bytes in memory.
    constexpr int kMaxPersons = 20'000'000;
    if (!ok || n < 0 || n > kMaxPersons)
        return usage();
    const QString target = QFileInfo(args.at(1)).absoluteFilePath();
    const PersonList persons = GenerateFamily(n, seed);
    const SaveResult saved =
        WriteFileAtomically(target, WriteGedcomBytes(persons, target, writeOptions()));
    if (!saved.saved) {
        err() << saved.error << Qt::endl;
        return kRefused;
    }
    out() << "persons: " << persons.size() << Qt::endl;
    return kRead;
}

int time(QStringList args)
{
    if (args.size() != 1)
        return usage();
    QElapsedTimer timer;
    timer.start();
    const Loaded loaded = load(args.at(0), Lang::English);
    const qint64 ms = timer.elapsed();
    if (!loaded.read)
        return kRefused;
    out() << "persons: " << loaded.persons.size() << "\nread: " << ms << " ms" << Qt::endl;
    return kRead;
}

// Reads the family FILE (args[0]) and checks its record RECNO (args[1]): kRead when both are
// there, the usage status for a RECNO that is no number, kRefused after a message otherwise.
int loadRecord(const QStringList& args, Lang lang, Loaded& loaded, qint32& recNo)
{
    bool ok = false;
    recNo = args.at(1).toInt(&ok);
    if (!ok)
        return usage();
    loaded = load(args.at(0), lang);
    if (!loaded.read)
        return kRefused;
    if (recNo >= 1 && std::size_t(recNo) <= loaded.persons.size())
        return kRead;
    err() << "record " << args.at(1) << " out of range 1.." << loaded.persons.size() << Qt::endl;
    return kRefused;
}

int chart(QStringList args)
{
    Lang lang = Lang::English;
    if (!takeLang(args, lang) || args.size() != 3)
        return usage();
    const QString target = QFileInfo(args.at(2)).absoluteFilePath();
    Loaded loaded;
    qint32 recNo = 0;
    if (const int status = loadRecord(args, lang, loaded, recNo); status != kRead)
        return status;
    const QString error =
        WriteChartPdf(loaded.persons, recNo, QFileInfo(args.at(0)).absolutePath(), lang, target);
    if (!error.isEmpty()) {
        err() << error << Qt::endl;
        return kRefused;
    }
    return kRead;
}

// Takes "--generations N" out of args; false on a bad value.
bool takeGenerations(QStringList& args, int& generations)
{
    const qsizetype at = args.indexOf(QStringLiteral("--generations"));
    if (at < 0)
        return true;
    bool ok = false;
    generations = at + 1 < args.size() ? args.at(at + 1).toInt(&ok) : 0;
    args.remove(at, std::min<qsizetype>(2, args.size() - at));
    return ok && generations >= 1 && generations <= 99;
}

// The generation table of one record with every row expanded and the start columns, written
// as the page's export would write it.
int table(QStringList args)
{
    Lang lang = Lang::English;
    GenerationTableOptions options;
    ExportFormat format = ExportFormat::Html;
    if (!takeLang(args, lang) || !takeGenerations(args, options.generations) || args.size() != 3 ||
        !ExportFormatForName(args.at(2), format))
        return usage();
    const QString target = QFileInfo(args.at(2)).absoluteFilePath();
    Loaded loaded;
    qint32 recNo = 0;
    if (const int status = loadRecord(args, lang, loaded, recNo); status != kRead)
        return status;
    options.lang = lang;
    const GenerationTable built = BuildGenerationTable(loaded.persons, recNo, options);
    const ExportStyle style = GenerationExportStyle(QStringLiteral("Arial"), 96);
    const QList<GenerationColumnView> columns = StartGenerationColumns(GenerationHeaders(lang));
    QList<int> indexes;
    for (const GenerationColumnView& column : columns)
        indexes.append(column.index);
    const GenerationExportRows rows(built, VisibleRows(built, [](qint32) { return true; }), indexes,
                                    recNo, style.gridFont);
    const SaveResult saved = WriteFileThrough(target, [&](QIODevice& device) {
        return WriteTableExport(device, format, rows, GenerationExportColumns(columns), style,
                                ListSeparator());
    });
    if (!saved.saved) {
        err() << saved.error << Qt::endl;
        return kRefused;
    }
    out() << GenerationCountText(built, lang) << Qt::endl;
    return kRead;
}

int list(QStringList args)
{
    if (args.size() < 2)
        return usage();
    const QString file = args.takeFirst();
    const QString target = QFileInfo(args.takeFirst()).absoluteFilePath();
    const std::optional<ListPdfRequest> request = ParseListOptions(args);
    if (!request)
        return usage();
    const Loaded loaded = load(file, request->lang);
    if (!loaded.read)
        return kRefused;
    const QString error = WriteListPdf(loaded.persons, *request, target);
    if (!error.isEmpty()) {
        err() << QString(error).replace(u'\r', u'\n') << Qt::endl;
        return kRefused;
    }
    return kRead;
}

// Drawing a printout needs fonts, so those commands run a GUI application, headless unless a
// platform is asked for.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[])
{
    if (argc < 2 || (qstrcmp(argv[1], "chart") != 0 && qstrcmp(argv[1], "list") != 0))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == u"check")
        return check(args);
    if (command == u"convert")
        return convert(args);
    if (command == u"generate")
        return generate(args);
    if (command == u"time")
        return time(args);
    if (command == u"chart")
        return chart(args);
    if (command == u"table")
        return table(args);
    if (command == u"list")
        return list(args);
    return usage();
}
