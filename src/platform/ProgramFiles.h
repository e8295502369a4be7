// SPDX-License-Identifier: MIT

#pragma once

/** How the desktop tells a program from other files. */
namespace ProgramFiles {

/** True where a program is known by its name (Windows: "*.exe"); false where by its permission to run. */
bool knownByName();

} // namespace ProgramFiles
