#pragma once

#include <QString>
#include <QStringList>

namespace kinrow {

class ProgramFont;
class Prompts;
class Session;

// The window's settings file: the current record, the family file, the language and the
// program font read at start, and written back when the window closes.
class WindowSettings
{
public:
    WindowSettings(Session& session, Prompts& prompts, ProgramFont& font)
        : session_(session), prompts_(prompts), font_(font)
    {}

    // Reads the settings into the session and the program font; fontName is the window's.
    void read(const QStringList& arguments, const QString& fontName);
    // Writes the settings, and the program font when the user lets it be kept.
    void write();

private:
    Session& session_;
    Prompts& prompts_;
    ProgramFont& font_;
    QString path_;
};

} // namespace kinrow
