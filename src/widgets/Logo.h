// SPDX-License-Identifier: MIT

#pragma once

#include <QPixmap>

/** The program's logo, drawn at the given size in pixels. */
QPixmap tunaryLogo(int size);
