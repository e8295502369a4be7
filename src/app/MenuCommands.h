#pragma once

#include <functional>

#include <QAction>
#include <QKeySequence>
#include <QMenu>

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
