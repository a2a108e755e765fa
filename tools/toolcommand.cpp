#include "toolcommand.h"

#include "gedcom/gedcomreader.h"
#include "gedcom/legacydat.h"
#include "model/version.h"
#include "toolfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kinrow {

namespace {

// Message boxes of the reader go to standard error, each as it comes.
class StderrReporter : public ReadReporter
{
public:
    void message(const QString& text) override
    {
        ToolErr() << QString(text).replace(u'\r', u'\n') << Qt::endl;
    }
};

// Whether the first bytes of a file are a GEDCOM header line, after a byte order mark and
// blank space.
bool startsAsGedcom(QByteArrayView head)
{
    if (head.startsWith("\xEF\xBB\xBF"))
        head = head.sliced(3);
    while (!head.isEmpty() && (head.front() == ' ' || head.front() == '\t' ||
                               head.front() == '\r' || head.front() == '\n'))
        head = head.sliced(1);
    if (!head.startsWith("0 HEAD"))
        return false;
    head = head.sliced(6);
    return head.isEmpty() || head.front() == '\r' || head.front() == '\n' || head.front() == ' ';
}

enum class FileKind
{
    Gedcom,
    Legacy,
    Empty,
    Other
};

} // namespace

QTextStream& ToolOut()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& ToolErr()
{
    static QTextStream stream(stderr);
    return stream;
}

int UsageError(const ToolArgs& args, const QString& message)
{
    ToolErr() << "kinrow-tool: " << message << "\nusage: kinrow-tool " << args.command.name << ' '
              << args.command.arguments << " [options]  (kinrow-tool " << args.command.name
              << " --help)" << Qt::endl;
    return kUsage;
}

QCommandLineOption LangOption()
{
    return QCommandLineOption(QStringLiteral("lang"),
                              QStringLiteral("Language of the messages and printouts: tr or en."),
                              QStringLiteral("tr|en"));
}

bool LangOf(const ToolArgs& args, Lang& lang)
{
    lang = Lang::English;
    if (!args.parser.isSet(QStringLiteral("lang")))
        return true;
    const QString value = args.parser.value(QStringLiteral("lang"));
    if (value == u"tr")
        lang = Lang::Turkish;
    else if (value != u"en") {
        UsageError(args, QStringLiteral("--lang %1: not a language (tr or en)").arg(value));
        return false;
    }
    return true;
}

bool NumberIn(const ToolArgs& args, const QString& what, const QString& text, qint64 low,
              qint64 high, qint64& number)
{
    bool ok = false;
    number = text.toLongLong(&ok);
    if (ok && number >= low && number <= high)
        return true;
    UsageError(args, QStringLiteral("%1 %2: not a whole number from %3 to %4")
                         .arg(what, text)
                         .arg(low)
                         .arg(high));
    return false;
}

int Refuse(const QString& message)
{
    ToolErr() << QString(message).replace(u'\r', u'\n') << Qt::endl;
    return kRefused;
}

Loaded LoadFamily(const QString& path, Lang lang)
{
    Loaded result;
    const QString shown = QDir::toNativeSeparators(path);
    // A FIFO or a device would keep the reader waiting for ever, and a folder holds no family.
    if (const QString reason = UnreadableReason(path); !reason.isEmpty()) {
        Refuse(QStringLiteral("cannot open %1: %2").arg(shown, reason));
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Refuse(QStringLiteral("cannot open %1: %2").arg(shown, file.errorString()));
        return result;
    }
    const QByteArray head = file.read(64);
    const qint64 size = file.size();
    file.close();
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    FileKind kind = FileKind::Other;
    if (startsAsGedcom(head) || suffix == u"ged")
        kind = FileKind::Gedcom;
    else if (suffix == u"dat")
        kind = FileKind::Legacy;
    else if (size == 0)
        kind = FileKind::Empty;
    if (kind == FileKind::Other) {
        Refuse(shown + QStringLiteral("\n") + LangText(Msg::BadFileFormat, lang));
        return result;
    }
    // Picture names are relative to the family file's folder.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(info.absolutePath());
    StderrReporter reporter;
    ReadOptions options;
    options.lang = lang;
    options.programVersion = ProgramVersion();
    options.reporter = &reporter;
    if (kind == FileKind::Gedcom)
        result.read = ReadGedcom(info.absoluteFilePath(), result.persons, result.errors, options);
    else if (kind == FileKind::Legacy)
        result.read =
            ReadLegacyDat(info.absoluteFilePath(), result.persons, result.errors, options);
    else
        result.read = true;
    QDir::setCurrent(previous);
    if (!result.read)
        result.persons.clear();
    return result;
}

void PrintErrors(const Loaded& loaded)
{
    for (const QString& line : loaded.errors.lines)
        ToolOut() << QString(line).replace(u'\r', u' ') << '\n';
    ToolOut() << "persons: " << loaded.persons.size() << Qt::endl;
}

} // namespace kinrow
