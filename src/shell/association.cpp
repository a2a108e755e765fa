#include "shell/association.h"

#include "shell/inifile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace kinrow {

namespace {

const QString DesktopId = QStringLiteral("kinrow.desktop");
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
QString DesktopPath()
{
    return DataHome() + QStringLiteral("/applications/") + DesktopId;
}
QString MimePackagesFolder()
{
    return DataHome() + QStringLiteral("/mime/packages");
}
QString MimePackagePath()
{
    return MimePackagesFolder() + QStringLiteral("/kinrow-gedcom.xml");
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

QByteArray DesktopEntry(const QString& programPath)
{
    return QByteArrayLiteral("[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Kinrow Family Tree\n"
                             "Icon=kinrow\n"
                             "Terminal=false\n"
                             "NoDisplay=true\n") +
           "MimeType=" + GedMimeType + ";\n" + "Exec=" + ExecLine(programPath).toUtf8() + '\n';
}

QByteArray MimePackage()
{
    return QByteArrayLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"") +
           GedMimeType +
           QByteArrayLiteral("\">\n"
                             "    <comment>Kinrow Family Tree</comment>\n"
                             "    <glob pattern=\"*.ged\"/>\n"
                             "  </mime-type>\n"
                             "</mime-info>\n");
}

// The desktop environment reads MIME types from a cache; refresh it when the tool exists.
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

} // namespace

bool RegisterGedAssociation(const QString& programPath)
{
    if (programPath.contains(QLatin1Char('\n')) || programPath.contains(QLatin1Char('\r')))
        return false;
    if (!WriteWhole(DesktopPath(), DesktopEntry(programPath)) ||
        !WriteWhole(MimePackagePath(), MimePackage()))
        return false;
    IniFile list = IniFile::load(MimeAppsPath());
    list.setValue(DefaultsGroup, QLatin1String(GedMimeType), DesktopId + QLatin1Char(';'));
    QDir().mkpath(ConfigHome());
    if (!list.save(MimeAppsPath()))
        return false;
    RefreshMimeDatabase();
    return true;
}

bool RemoveGedAssociation()
{
    bool ok = true;
    for (const QString& path : {DesktopPath(), MimePackagePath()}) {
        if (QFile::exists(path) && !QFile::remove(path))
            ok = false;
    }
    IniFile list = IniFile::load(MimeAppsPath());
    const QString current = list.value(DefaultsGroup, QLatin1String(GedMimeType));
    if (current.section(QLatin1Char(';'), 0, 0) == DesktopId) {
        list.remove(DefaultsGroup, QLatin1String(GedMimeType));
        ok = list.save(MimeAppsPath()) && ok;
    }
    RefreshMimeDatabase();
    return ok;
}

bool IsGedAssociationRegistered(const QString& programPath)
{
    const IniFile list = IniFile::load(MimeAppsPath());
    const QString id = list.value(DefaultsGroup, QLatin1String(GedMimeType))
                           .section(QLatin1Char(';'), 0, 0)
                           .trimmed();
    // Only a plain desktop-file id may name a file in the applications folder.
    if (id.isEmpty() || id.contains(QLatin1Char('/')) || id.startsWith(QLatin1Char('.')))
        return false;
    const QString exec = DesktopExec(DataHome() + QStringLiteral("/applications/") + id);
    return !exec.isEmpty() && exec.toLower() == ExecLine(programPath).toLower();
}

} // namespace kinrow
