#pragma once

// Words of a PDF file with their boxes in millimetres, as pdftotext -bbox finds them, for tests
// that measure where a printout put its texts.
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <vector>

namespace kinrow::test {

struct PdfWord
{
    QString text;
    QRectF mm; // from the top left corner of the sheet
};

struct PdfPage
{
    QSizeF mm;
    std::vector<PdfWord> words;
};

inline bool HavePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

inline QString Unescaped(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

inline std::vector<PdfPage> PdfWords(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    constexpr double PtToMm = 25.4 / 72;
    static const QRegularExpression page(
        QStringLiteral(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re"));
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re"));
    std::vector<PdfPage> pages;
    for (const QString& part : html.split(QStringLiteral("</page>"))) {
        const auto size = page.match(part);
        if (!size.hasMatch())
            continue;
        PdfPage current;
        current.mm = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()) * PtToMm;
        for (auto it = word.globalMatch(part); it.hasNext();) {
            const auto m = it.next();
            const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
            const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
            current.words.push_back(
                {Unescaped(m.captured(5)), QRectF(topLeft * PtToMm, bottomRight * PtToMm)});
        }
        pages.push_back(current);
    }
    return pages;
}

} // namespace kinrow::test
