// SPDX-License-Identifier: MIT

#include "platform/ui/SystemTrayIcon.h"

SystemTrayIcon::SystemTrayIcon(const QIcon &icon)
    : m_icon(icon)
{
    // A left click arrives as Trigger (a double click also ends in one); the right button does nothing.
    QObject::connect(&m_icon, &QSystemTrayIcon::activated, &m_icon, [this](QSystemTrayIcon::ActivationReason why) {
        if (why == QSystemTrayIcon::Trigger && m_handler)
            m_handler();
    });
}

bool SystemTrayIcon::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayIcon::show(const QString &tip)
{
    m_icon.setToolTip(tip);
    m_icon.show();
}

void SystemTrayIcon::hide()
{
    m_icon.hide();
}

void SystemTrayIcon::setLeftClickHandler(std::function<void()> handler)
{
    m_handler = std::move(handler);
}
