#include "pictures/picturebox.h"

#include "model/messages.h"
#include "model/picturepaths.h"

#include <QFile>

#include <algorithm>

namespace kinrow {

PictureCounterState PictureCounter(int currentTag, int pictureCount)
{
    PictureCounterState state;
    if (pictureCount <= 0) {
        state.caption = QStringLiteral(" 0/0");
        state.addEnabled = true;
        return state;
    }
    state.tag = currentTag > pictureCount || currentTag <= 0 ? pictureCount : currentTag;
    state.caption = QStringLiteral("%1/%2").arg(state.tag).arg(pictureCount);
    state.deleteEnabled = true;
    state.nextEnabled = pictureCount > 1 && state.tag < pictureCount;
    state.priorEnabled = pictureCount > 1 && state.tag > 1;
    return state;
}

QRect FitPicture(QSize panelSize, QSize pictureSize)
{
    const qint64 w = pictureSize.width(), h = pictureSize.height();
    if (w <= 0 || h <= 0)
        return QRect();
    const qint64 aw = std::max(0, panelSize.width() - 3);
    const qint64 ah = std::max(0, panelSize.height() - 3);
    qint64 width = w, height = h;
    if (aw <= w || ah <= h) {
        // The scale is the smaller of aw/w and ah/h; integer arithmetic keeps the limiting
        // side exactly at the panel's inner size, where a floating product could fall short.
        if (aw * h <= ah * w) {
            width = aw;
            height = h * aw / w;
        } else {
            width = w * ah / h;
            height = ah;
        }
    }
    const qint64 left = (panelSize.width() - width) / 2;
    const qint64 top = (panelSize.height() - height) / 2;
    return QRect(int(left), int(top), int(width), int(height));
}

qint64 FileSize(const QString& path)
{
    QFile file;
    if (!OpenRegularFile(file, path))
        return 0;
    return file.size();
}

QString FormatThousands(qint64 value)
{
    QString text = QString::number(value);
    const qsizetype firstDigit = value < 0 ? 1 : 0;
    for (qsizetype at = text.size() - 3; at > firstDigit; at -= 3)
        text.insert(at, QLatin1Char(','));
    return text;
}

QString PictureHint(const QString& fileName, QSize pictureSize, qint64 fileSize)
{
    return fileName + QLatin1Char('\r') +
           LangText(Msg::PictureSizeHint, Lang::English)
               .arg(QString::number(pictureSize.width()), QString::number(pictureSize.height()),
                    FormatThousands(fileSize));
}

} // namespace kinrow
