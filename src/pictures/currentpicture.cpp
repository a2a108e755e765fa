#include "pictures/currentpicture.h"

#include "model/picturepaths.h"
#include "model/session.h"
#include "pictures/picturepanel.h"

namespace kinrow {

PictureCounterState ShowCurrentPicture(Session& session, PicturePanel& panel, qint32 recNo,
                                       bool* drawn)
{
    panel.clear();
    bool shown = false;
    const QStringList pictures =
        session.isRecord(recNo) ? session.record(recNo).Pictures : QStringList();
    const PictureCounterState counter = PictureCounter(session.pictureNo(), int(pictures.size()));
    session.setPictureNo(counter.tag);
    if (counter.tag > 0) {
        const QString& entry = pictures[counter.tag - 1];
        if (PictureFileExists(entry))
            shown = panel.showFile(PictureSeparators(entry));
    }
    if (drawn)
        *drawn = shown;
    return counter;
}

} // namespace kinrow
