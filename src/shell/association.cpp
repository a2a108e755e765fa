#include "shell/association.h"

#include "shell/inifile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace kinrow {

namespace {

// The id of the installed desktop entry; the user's own entry of that id takes its place.
const QString DesktopId = QStringLiteral("io.kinrow.Kinrow.desktop");
// What earlier releases wrote: an entry of another id and a MIME package of their own, which
// shared-mime-info's definition of the type makes needless.
const QString OldDesktopId = QStringLiteral("kinrow.desktop");
const QString DefaultsGroup = QStringLiteral("Default Applications");

// The XDG base folder named by the variable, or the fallback under home when unset or relative.
QString XdgFolder(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return QDir::home().filePath(fallback);
}

QString DataHome()
{
    return XdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
}
QString ConfigHome()
{
    return XdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
}
QString DesktopPath(const QString& id = DesktopId)
{
    return DataHome() + QStringLiteral("/applications/") + id;
}
QString OldMimePackagePath()
{
    return DataHome() + QStringLiteral("/mime/packages/kinrow-gedcom.xml");
}
// The system's data folders, most important first.
QStringList DataDirs()
{
    QStringList dirs;
    for (const QString& dir : qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'))) {
        if (QDir::isAbsolutePath(dir))
            dirs << dir;
    }
    if (dirs.isEmpty())
        dirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    return dirs;
}
QString MimeAppsPath()
{
    return ConfigHome() + QStringLiteral("/mimeapps.list");
}

// The Exec value running the program on one file: the path quoted by the desktop-entry rules
// (quote-level escapes, then the string-level escape of every backslash).
QString ExecLine(const QString& programPath)
{
    QString quoted;
    for (const QChar c : programPath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$'))
            quoted += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\\'))
            quoted += QStringLiteral("\\\\\\");
        else if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QStringLiteral("\" %f");
}

bool WriteWhole(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// The user's entry: the installed entry's names and icon, run from this program's path and
// kept out of the menus.
QByteArray DesktopEntry(const QString& programPath)
{
    return QByteArrayLiteral("[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Kinrow Family Tree\n"
                             "Name[tr]=Kinrow Aile Soyağacı\n"
                             "Icon=io.kinrow.Kinrow\n"
                             "Terminal=false\n"
                             "NoDisplay=true\n") +
           "MimeType=" + GedMimeType + ";\n" + "Exec=" + ExecLine(programPath).toUtf8() + '\n';
}

// The desktop environment reads MIME types from a cache; refresh it when a package of the
// user's folder went away and the tool exists.
void RefreshMimeDatabase()
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (tool.isEmpty())
        return;
    QProcess process;
    process.start(tool, {DataHome() + QStringLiteral("/mime")});
    process.waitForFinished(10000);
}

QString DesktopExec(const QString& path)
{
    QFile file(path);
    constexpr qint64 MaxSize = 1024 * 1024;
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxSize)
        return {};
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QStringLiteral("[Desktop Entry]");
        else if (inEntry && line.startsWith(QStringLiteral("Exec=")))
            return line.mid(5);
    }
    return {};
}

// The entry of an id the desktop uses: the user's own first, then the system's in order.
QString FindDesktopEntry(const QString& id)
{
    if (QFileInfo(DesktopPath(id)).isFile())
        return DesktopPath(id);
    for (const QString& dir : DataDirs()) {
        const QString path = dir + QStringLiteral("/applications/") + id;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

// True when the Exec value runs this program on one file: its quoted full path as the user's
// entry writes it, or a bare name that the search path resolves to this program, as the
// installed entry has it ("kinrow %f").
bool ExecRunsProgram(const QString& exec, const QString& programPath)
{
    if (exec.isEmpty())
        return false;
    if (exec.toLower() == ExecLine(programPath).toLower())
        return true;
    const QStringList words = exec.split(QLatin1Char(' '));
    if (words.size() != 2 || words[1] != QStringLiteral("%f") ||
        words[0].contains(QLatin1Char('/')) || words[0].contains(QLatin1Char('"')))
        return false;
    const QString found = QStandardPaths::findExecutable(words[0]);
    return !found.isEmpty() &&
           QFileInfo(found).canonicalFilePath() == QFileInfo(programPath).canonicalFilePath();
}

// The system's entry of the program's id, when it runs this program.
bool InstalledEntryRunsProgram(const QString& programPath)
{
    for (const QString& dir : DataDirs()) {
        const QString path = dir + QStringLiteral("/applications/") + DesktopId;
        if (QFileInfo(path).isFile())
            return ExecRunsProgram(DesktopExec(path), programPath);
    }
    return false;
}

// Removes what earlier releases wrote into the user's folders; true when a MIME package went.
bool RemoveOldFiles(bool& ok)
{
    if (QFile::exists(DesktopPath(OldDesktopId)) && !QFile::remove(DesktopPath(OldDesktopId)))
        ok = false;
    if (!QFile::exists(OldMimePackagePath()))
        return false;
    if (!QFile::remove(OldMimePackagePath()))
        ok = false;
    return true;
}

} // namespace

bool RegisterGedAssociation(const QString& programPath)
{
    if (programPath.contains(QLatin1Char('\n')) || programPath.contains(QLatin1Char('\r')))
        return false;
    bool ok = true;
    const bool mimeChanged = RemoveOldFiles(ok);
    // The installed entry serves when it runs this program; an entry of the user's would only
    // hide it. Otherwise (a program run from its build folder) the user's entry names the path.
    if (InstalledEntryRunsProgram(programPath)) {
        if (QFile::exists(DesktopPath()) && !QFile::remove(DesktopPath()))
            ok = false;
    } else if (!WriteWhole(DesktopPath(), DesktopEntry(programPath))) {
        ok = false;
    }
    IniFile list = IniFile::load(MimeAppsPath());
    list.setValue(DefaultsGroup, QLatin1String(GedMimeType), DesktopId + QLatin1Char(';'));
    QDir().mkpath(ConfigHome());
    if (!list.save(MimeAppsPath()))
        ok = false;
    if (mimeChanged)
        RefreshMimeDatabase();
    return ok;
}

bool RemoveGedAssociation()
{
    bool ok = true;
    const bool mimeChanged = RemoveOldFiles(ok);
    if (QFile::exists(DesktopPath()) && !QFile::remove(DesktopPath()))
        ok = false;
    IniFile list = IniFile::load(MimeAppsPath());
    const QString current =
        list.value(DefaultsGroup, QLatin1String(GedMimeType)).section(QLatin1Char(';'), 0, 0);
    if (current == DesktopId || current == OldDesktopId) {
        list.remove(DefaultsGroup, QLatin1String(GedMimeType));
        ok = list.save(MimeAppsPath()) && ok;
    }
    if (mimeChanged)
        RefreshMimeDatabase();
    return ok;
}

bool IsGedAssociationRegistered(const QString& programPath)
{
    const IniFile list = IniFile::load(MimeAppsPath());
    const QString id = list.value(DefaultsGroup, QLatin1String(GedMimeType))
                           .section(QLatin1Char(';'), 0, 0)
                           .trimmed();
    // Only a plain desktop-file id may name a file in the applications folders.
    if (id.isEmpty() || id.contains(QLatin1Char('/')) || id.startsWith(QLatin1Char('.')))
        return false;
    const QString entry = FindDesktopEntry(id);
    return !entry.isEmpty() && ExecRunsProgram(DesktopExec(entry), programPath);
}

} // namespace kinrow
