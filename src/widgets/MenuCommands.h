// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

#include <QAction>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenu>

#include "core/Modes.h"

/** Adds a named command to a menu; the name is the action's object name, so tests can find it. */
inline QAction *addCommand(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut,
                           std::function<void()> command)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, menu, std::move(command));
    return action;
}

inline void addSeparator(QMenu *menu, const QString &name)
{
    menu->addSeparator()->setObjectName(name);
}

inline QMenu *addNamedMenu(QWidget *owner, const QString &name, const QString &caption)
{
    auto *menu = new QMenu(caption, owner);
    menu->setObjectName(name);
    return menu;
}

/** A child window of the frame with a menu bar of its own, which the frame shows while the window is active. */
class HasMenus
{
public:
    virtual ~HasMenus() = default;
    virtual QList<QMenu *> menus() const = 0;
};

/**
 * The Window menu's three arrangement commands. The frame's own menu names its horizontal tiling "mnuhor", the
 * child windows' menus "mnuh".
 */
void addArrangementCommands(QMenu *menu, const std::function<void(Arrangement)> &arrange,
                            const QString &tileHorizontallyName = QStringLiteral("mnuh"));

/** Lists the frame's shown child windows at the end of a menu, the active one checked; a click activates one. */
void addWindowList(QMenu *menu, QMdiArea *area);
