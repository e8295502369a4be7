// SPDX-License-Identifier: MIT

#pragma once

/** What the desktop the program was started in offers, asked before any window system is touched. */
namespace DesktopSession {

/** False when the window system Qt would use has nothing to show windows on (no X11 or Wayland display). */
bool hasDisplay();

} // namespace DesktopSession
