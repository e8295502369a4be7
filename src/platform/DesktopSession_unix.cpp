// SPDX-License-Identifier: MIT

#include "platform/DesktopSession.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

bool DesktopSession::hasDisplay()
{
    // Qt tries the platforms of QT_QPA_PLATFORM in order; only X11 and Wayland need a display named here.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM").split(';').constFirst().trimmed();
    const bool needsDisplay = platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    return !needsDisplay || !qgetenv("DISPLAY").isEmpty() || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}
