#include "pictures/currentpicture.h"

#include "model/picturepaths.h"
#include "model/session.h"
#include "pictures/picturepanel.h"

namespace kinrow {

PictureCounterState ShowCurrentPicture(Session& session, PicturePanel& panel, qint32 recNo)
{
    panel.clear();
    const QStringList pictures =
        session.isRecord(recNo) ? session.record(recNo).Pictures : QStringList();
    const PictureCounterState counter = PictureCounter(session.pictureNo(), int(pictures.size()));
    session.setPictureNo(counter.tag);
    if (counter.tag > 0) {
        const QString& entry = pictures[counter.tag - 1];
        if (PictureFileExists(entry))
            panel.showFile(PictureSeparators(entry));
    }
    return counter;
}

} // namespace kinrow
