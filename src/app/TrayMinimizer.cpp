// SPDX-License-Identifier: MIT

#include "app/TrayMinimizer.h"

#include "platform/NotificationIcon.h"

using namespace Qt::StringLiterals;

TrayMinimizer::TrayMinimizer(NotificationIcon &icon, std::function<void()> hideFrame,
                             std::function<void()> restoreFrame)
    : m_icon(icon)
    , m_hideFrame(std::move(hideFrame))
    , m_restoreFrame(std::move(restoreFrame))
{
    m_icon.setLeftClickHandler([this] { iconClicked(); });
}

void TrayMinimizer::frameResized()
{
    // With nowhere to put the icon, the frame stays minimised where the desktop keeps it.
    if (m_inTray || !m_icon.isAvailable())
        return;
    m_inTray = true;
    m_icon.show(u"TUNARY"_s);
    m_hideFrame();
}

void TrayMinimizer::frameShown()
{
    if (!m_inTray)
        return;
    m_inTray = false;
    m_icon.hide();
}

void TrayMinimizer::iconClicked()
{
    if (!m_inTray)
        return;
    m_inTray = false;
    m_icon.hide();
    m_restoreFrame();
}
