// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QPalette>

/**
 * The colour a stored colour value stands for: red in the lowest byte, green in the next, blue in the third;
 * a negative value names a system colour by its index in the lowest byte, taken from the palette.
 */
QColor frameColour(qint32 value, const QPalette &palette);
