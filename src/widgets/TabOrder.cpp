// SPDX-License-Identifier: MIT

#include "widgets/TabOrder.h"

#include <algorithm>
#include <tuple>

#include <QGridLayout>
#include <QWidget>

void chainTabOrder(const QList<QWidget *> &widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

QList<QWidget *> tabStopsOf(const QLayout *layout)
{
    const auto *grid = qobject_cast<const QGridLayout *>(layout);
    QList<std::tuple<int, int, QLayoutItem *>> items;
    for (int i = 0; i < layout->count(); ++i) {
        // A box lays its items out one after another, as the rows of a grid of one column.
        int row = i, column = 0, rowSpan = 1, columnSpan = 1;
        if (grid)
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        items.append({row, column, layout->itemAt(i)});
    }
    std::stable_sort(items.begin(), items.end(), [](const auto &a, const auto &b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    QList<QWidget *> stops;
    for (const auto &[row, column, item] : items) {
        if (QWidget *widget = item->widget(); widget && (widget->focusPolicy() & Qt::TabFocus))
            stops.append(widget);
        else if (item->layout())
            stops.append(tabStopsOf(item->layout()));
    }
    return stops;
}
