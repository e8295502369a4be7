// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

#include <QString>

/** An icon in the desktop's notification area, where the desktop has one. */
class NotificationIcon
{
public:
    virtual ~NotificationIcon() = default;

    virtual bool isAvailable() const = 0;
    virtual void show(const QString &tip) = 0;
    virtual void hide() = 0;
    /** Called when the left button is released on the icon. */
    virtual void setLeftClickHandler(std::function<void()> handler) = 0;
};
