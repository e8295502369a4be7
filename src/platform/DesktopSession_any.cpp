// SPDX-License-Identifier: MIT

#include "platform/DesktopSession.h"

// Windows and macOS always give a program started in a session a screen to show windows on.
bool DesktopSession::hasDisplay()
{
    return true;
}
