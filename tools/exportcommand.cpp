#include "exportcommand.h"

#include "gedcom/gedcomexport.h"
#include "gedcom/gedcomreader.h"
#include "gedcom/legacydat.h"
#include "shell/version.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

using namespace kinrow;

namespace {

// The reader's message boxes go to standard error.
class StderrMessages : public ReadReporter
{
public:
    explicit StderrMessages(QTextStream& err) : err_(err) {}
    void message(const QString& text) override
    {
        err_ << QString(text).replace(u'\r', u'\n') << Qt::endl;
    }

private:
    QTextStream& err_;
};

} // namespace

int ExportCommand(QStringList args)
{
    QTextStream err(stderr);
    Lang lang = Lang::English;
    if (const qsizetype at = args.indexOf(QStringLiteral("--lang")); at >= 0) {
        const QString value = args.value(at + 1);
        if (value != u"tr" && value != u"en") {
            err << "usage: kinrow-tool export FAMILY OUT.ged [--lang tr|en]" << Qt::endl;
            return 2;
        }
        lang = value == u"tr" ? Lang::Turkish : Lang::English;
        args.remove(at, 2);
    }
    if (args.size() != 2) {
        err << "usage: kinrow-tool export FAMILY OUT.ged [--lang tr|en]" << Qt::endl;
        return 2;
    }
    const QFileInfo family(args.at(0));
    const QString target = QFileInfo(args.at(1)).absoluteFilePath();
    const QString suffix = family.suffix().toLower();
    if (!family.isFile() || (suffix != u"ged" && suffix != u"dat")) {
        err << "cannot read " << args.at(0) << Qt::endl;
        return 1;
    }
    // Pictures are checked against the family's folder, as opening the file does.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(family.absolutePath());
    StderrMessages messages(err);
    ReadOptions read;
    read.lang = lang;
    read.programVersion = ProgramVersion();
    read.reporter = &messages;
    PersonList persons;
    ErrorList errors;
    const bool ok = suffix == u"ged"
                        ? ReadGedcom(family.absoluteFilePath(), persons, errors, read)
                        : ReadLegacyDat(family.absoluteFilePath(), persons, errors, read);
    QDir::setCurrent(previous);
    if (!ok) {
        err << "cannot read " << args.at(0) << Qt::endl;
        return 1;
    }
    ExportOptions options;
    options.programVersion = ProgramVersion();
    options.lang = lang;
    const SaveResult saved = ExportGedcomFile(target, family.absoluteFilePath(), persons, options);
    if (!saved.saved) {
        err << QString(saved.error).replace(u'\r', u'\n') << Qt::endl;
        return 1;
    }
    QTextStream(stdout) << "persons: " << persons.size() << Qt::endl;
    return 0;
}
