// SPDX-License-Identifier: MIT

#pragma once

#include <QList>

class QLayout;
class QWidget;

/** Makes Tab go through the widgets in the order given, which is the order they are seen in. */
void chainTabOrder(const QList<QWidget *> &widgets);

/** The widgets of a layout that Tab stops at, row by row and from left to right within a row. */
QList<QWidget *> tabStopsOf(const QLayout *layout);
