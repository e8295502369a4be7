// SPDX-License-Identifier: MIT

#include "app/WindowPlacement.h"

#include <algorithm>

namespace WindowPlacement {

QList<QRect> cascade(const QRect &area, const QList<QSize> &sizes, const QSize &minimum, int step)
{
    QList<QRect> places;
    places.reserve(sizes.size());
    int offset = 0;
    for (const QSize &size : sizes) {
        if (offset > 0 && (offset + minimum.width() > area.width() || offset + minimum.height() > area.height()))
            offset = 0;
        const QSize room(std::max(area.width() - offset, 1), std::max(area.height() - offset, 1));
        places.append(QRect(area.topLeft() + QPoint(offset, offset), size.expandedTo(minimum).boundedTo(room)));
        offset += step;
    }
    return places;
}

QRect fitInside(const QRect &area, const QRect &window)
{
    const QSize size = window.size().boundedTo(area.size());
    const int left = std::clamp(window.left(), area.left(), area.left() + area.width() - size.width());
    const int top = std::clamp(window.top(), area.top(), area.top() + area.height() - size.height());
    return QRect(QPoint(left, top), size);
}

} // namespace WindowPlacement
