// SPDX-License-Identifier: MIT

#include "widgets/MenuCommands.h"

#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QPointer>

using namespace Qt::StringLiterals;

void addWindowList(QMenu *menu, QMdiArea *area)
{
    if (!area)
        return;
    menu->addSeparator();
    int number = 0;
    for (QMdiSubWindow *window : area->subWindowList()) {
        if (!window->isVisible())
            continue;
        ++number;
        QAction *entry = menu->addAction(QStringLiteral("&") + QString::number(number) + u' ' + window->windowTitle());
        entry->setCheckable(true);
        entry->setChecked(window == area->activeSubWindow());
        QPointer<QMdiSubWindow> target(window);
        QObject::connect(entry, &QAction::triggered, menu, [area, target] {
            if (target)
                area->setActiveSubWindow(target);
        });
    }
}

void addArrangementCommands(QMenu *menu, const std::function<void(Arrangement)> &arrange,
                            const QString &tileHorizontallyName)
{
    addCommand(menu, u"mnucas"_s, QCoreApplication::translate("MenuCommands", "&Cascade"), {},
               [arrange] { arrange(Arrangement::Cascade); });
    addCommand(menu, tileHorizontallyName, QCoreApplication::translate("MenuCommands", "Tile &Horizontally"), {},
               [arrange] { arrange(Arrangement::TileHorizontally); });
    addCommand(menu, u"mnuver"_s, QCoreApplication::translate("MenuCommands", "Tile &Vertically"), {},
               [arrange] { arrange(Arrangement::TileVertically); });
}
