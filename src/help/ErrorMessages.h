// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class AppContext;

/** The program's numbered error messages. */
namespace ErrorMessages {

/** "Error Number: " and the number. */
QString errorTitle(int number);

/**
 * The whole message for a number: its text, two CR characters, "Error rised: " and the caller's text. Values
 * the message quotes (the program folder, the open-and-play list, the command line) are read from context.
 */
QString errorMessage(const AppContext &context, int number, const QString &text);

/** True for the errors the user mends in the settings dialog, which opens before the box. */
bool opensSettings(int number);

/**
 * Shows error number with the caller's text (as a rule the system's description of the fault) in a modal
 * box with the stop sign, after opening the settings dialog where the user can mend it.
 */
void showError(AppContext &context, int number, const QString &text);

} // namespace ErrorMessages
