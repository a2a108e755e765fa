#pragma once

#include <QString>

class QAbstractButton;

namespace kinrow {

// Gives a page's back button the person page's title, shortened two characters at a time
// until it fits four fifths of the button's width in the window's font; the hint names the
// current record and the whole title.
void SetBackButton(QAbstractButton& button, const QString& title, qint32 recNoMain);

} // namespace kinrow
