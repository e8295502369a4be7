// SPDX-License-Identifier: MIT

#include "widgets/Logo.h"

#include <QPainter>
#include <QPainterPath>

QPixmap tunaryLogo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    // A dark disc like a record, with a bright note on it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x20, 0x2a, 0x44));
    painter.drawEllipse(QRectF(s * 0.02, s * 0.02, s * 0.96, s * 0.96));
    painter.setBrush(QColor(0x3a, 0x4a, 0x70));
    painter.drawEllipse(QRectF(s * 0.18, s * 0.18, s * 0.64, s * 0.64));

    painter.setBrush(QColor(0xff, 0xc8, 0x3d));
    painter.drawEllipse(QRectF(s * 0.30, s * 0.56, s * 0.20, s * 0.15));
    painter.drawRect(QRectF(s * 0.46, s * 0.26, s * 0.05, s * 0.38));
    QPainterPath flag;
    flag.moveTo(s * 0.51, s * 0.26);
    flag.cubicTo(s * 0.62, s * 0.30, s * 0.70, s * 0.36, s * 0.64, s * 0.48);
    flag.cubicTo(s * 0.64, s * 0.40, s * 0.58, s * 0.37, s * 0.51, s * 0.36);
    flag.closeSubpath();
    painter.drawPath(flag);
    return pixmap;
}
