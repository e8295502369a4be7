// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QRect>
#include <QSize>

/** Where the frame puts its child windows, so that every one stays inside the frame at a usable size. */
namespace WindowPlacement {

/**
 * Places for cascaded windows of the given sizes: each one step lower and further right than the one before,
 * at least the minimum size, clipped to the area; the steps start again at the top left when the next
 * window would not fit at its minimum size.
 */
QList<QRect> cascade(const QRect &area, const QList<QSize> &sizes, const QSize &minimum, int step);

/** The window's place moved, and if need be made smaller, until it lies wholly inside the area. */
QRect fitInside(const QRect &area, const QRect &window);

} // namespace WindowPlacement
