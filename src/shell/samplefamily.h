#pragma once

#include <QString>
#include <QStringList>

namespace kinrow {

// The sample family installed with the program: beside the program in the install layout
// (bin/../share/kinrow/sample/aile.ged), else the first found in the XDG data folders.
// Empty when there is none.
QString InstalledSampleFamily(const QString& programFolder);

// Copies the sample family's folder (the family file and its pictures) into targetFolder and
// returns the copy's family file. A copy already there is kept as it is, so that a user's
// changes to it are never overwritten. Empty when the sample is missing or nothing could be
// copied.
QString CopySampleFamily(const QString& sampleFile, const QString& targetFolder);

// The family file the program starts with: the one given or stored, or at the first start
// without a family file of its own a copy of the installed sample in the program's data folder.
QString StartupFamily(const QStringList& arguments, const QString& storedGedFile, bool firstStart);

} // namespace kinrow
