// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

class NotificationIcon;

/**
 * Minimising to the notification area: the minimised frame is hidden behind one icon with the tip "TUNARY",
 * and a left click on the icon brings it back. Without a notification area, minimising just minimises.
 */
class TrayMinimizer
{
public:
    TrayMinimizer(NotificationIcon &icon, std::function<void()> hideFrame, std::function<void()> restoreFrame);

    /** The frame has been minimised. */
    void frameResized();
    /** The frame came back some other way (a list handed over brings it to the front): the icon goes. */
    void frameShown();
    bool inTray() const { return m_inTray; }

private:
    void iconClicked();

    NotificationIcon &m_icon;
    std::function<void()> m_hideFrame;
    std::function<void()> m_restoreFrame;
    bool m_inTray = false;
};
