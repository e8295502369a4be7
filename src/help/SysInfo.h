// SPDX-License-Identifier: MIT

#pragma once

class AppContext;

/** The about box's "&System Info...": the system's own information program, found through the registry. */
namespace SysInfo {

/** Starts the system-information program; where there is none, says so in a box. */
void startSystemInformation(AppContext &context);

} // namespace SysInfo
