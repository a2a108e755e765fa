#pragma once

#include <QString>

namespace kinrow {

// The About page's version label. Characters 9 to 12 are the program version that the
// reader compares file versions with; the writer puts the text from character 9 on into
// the header.
inline QString VersionLabelText()
{
    return QStringLiteral("Version 3.04 - 01.04.2004");
}

// The maker's web page and e-mail address, on the About page and at the foot of the list printout.
inline QString MakerWebPage()
{
    return QStringLiteral("www.kinrow.example");
}

inline QString MakerEmail()
{
    return QStringLiteral("info@kinrow.example");
}

inline QString ProgramVersion()
{
    return VersionLabelText().mid(8, 4);
}

} // namespace kinrow
