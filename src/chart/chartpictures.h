#pragma once

#include <QPixmap>
#include <QRect>

#include <functional>

namespace kinrow {

// Where the chart's connecting lines lie on the page: Image1's place at design size.
inline constexpr QRect ChartLinesRect(176, 53, 303, 342);
// Where the decorative tree stands on the page.
inline constexpr QRect TreePictureRect(180, 10, 116, 105);

// The lines joining each slot to its father's and mother's slots (blue and red), drawn at
// twice the design size for the picture to stay sharp when the window grows. slotRect gives a
// slot's place on the page.
QPixmap ChartLinesPicture(const std::function<QRect(int slot)>& slotRect);

// A small tree with a trunk and a round crown, at twice the design size.
QPixmap TreePicture();

} // namespace kinrow
