// SPDX-License-Identifier: MIT

#pragma once

#include <QSystemTrayIcon>

#include "platform/NotificationIcon.h"

/** The notification-area icon of the desktop, through QSystemTrayIcon. */
class SystemTrayIcon : public NotificationIcon
{
public:
    explicit SystemTrayIcon(const QIcon &icon);

    bool isAvailable() const override;
    void show(const QString &tip) override;
    void hide() override;
    void setLeftClickHandler(std::function<void()> handler) override;

private:
    QSystemTrayIcon m_icon;
    std::function<void()> m_handler;
};
