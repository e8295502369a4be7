// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class AppContext;

/** The numbered errors; the number is shown in the box's title. */
enum class ErrorNumber {
    NoSettingsFile = 1,
    PlayerMissing = 2,
    PlayerNotOnDrive = 3,
    FolderMissing = 4,
    NoMp3InList = 5,
    CannotWrite = 6,
    PathMissing = 7,
    OpenAndPlayListMissing = 8,
    NoFont = 9,
    NotAListFile = 10,
};

/** The program's numbered error messages. */
namespace ErrorMessages {

/** "Error Number: " and the number. */
QString errorTitle(ErrorNumber number);

/**
 * The whole message for a number: its text, two CR characters, "Error rised: " and the caller's text. Values
 * the message quotes (the program folder, the open-and-play list, the command line) are read from context.
 */
QString errorMessage(const AppContext &context, ErrorNumber number, const QString &text);

/** True for the errors the user mends in the settings dialog, which opens before the box. */
bool opensSettings(ErrorNumber number);

/**
 * Shows error number with the caller's text (as a rule the system's description of the fault) in a modal
 * box with the stop sign, after opening the settings dialog where the user can mend it.
 */
void showError(AppContext &context, ErrorNumber number, const QString &text);

} // namespace ErrorMessages
