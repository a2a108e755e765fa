#include "ui/personlabel.h"

#include "editing/persontexts.h"
#include "model/textrules.h"

#include <QMouseEvent>
#include <QPainter>

namespace kinrow {

PersonLabel::PersonLabel(QWidget* parent) : QLabel(parent), textColor_(Qt::black)
{
    setCursor(Qt::PointingHandCursor);
    setFrameShape(QFrame::NoFrame);
}

void PersonLabel::setTextColor(const QColor& color)
{
    textColor_ = color;
    update();
}

void PersonLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const int flags = int(alignment()) | Qt::TextSingleLine;
    painter.setFont(font());
    painter.setPen(Qt::white);
    painter.drawText(area.translated(1, 1), flags, text());
    painter.setPen(isEnabled() ? textColor_ : palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(area, flags, text());
}

void PersonLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void PersonLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Like a button: the click counts only when released over the label.
    const bool inside = rect().contains(event->position().toPoint());
    if (pressed_ && inside && event->button() == Qt::LeftButton)
        Q_EMIT clicked();
    pressed_ = false;
    event->accept();
}

void SetPersonLabel(const PersonList& persons, qint32 recNo, PersonLabel& label, Lang lang)
{
    if (recNo < 1 || std::size_t(recNo) > persons.size())
        return;
    const TTreeData& person = persons[std::size_t(recNo - 1)];
    label.setTag(recNo);
    label.setText(QStringLiteral("  ") + ProperCaseName(person.GivenName, lang) + QLatin1Char(' ') +
                  person.Surname);
    QString summary = PersonSummary(persons, person, lang);
    label.setToolTip(summary.replace(QLatin1Char('\r'), QLatin1Char('\n')));
    if (person.Sex == SexMale)
        label.setTextColor(QColor(0, 0, 255));
    else if (person.Sex == SexFemale)
        label.setTextColor(QColor(128, 0, 0));
}

} // namespace kinrow
