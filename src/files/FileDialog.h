// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

#include "core/Modes.h"

class AppContext;

/** The program's own file dialog: the rules behind FileDialogWindow, for its four purposes. */
namespace FileDialog {

/** How the dialog is set up for one purpose. */
struct Mode
{
    FileDialogPurpose purpose;
    /** Starts in the settings' M3U folder; otherwise in the program's working folder. */
    bool startsInM3UPath;
    QString caption;
    /** Shown in the type box; not one of its items. */
    QString comboText;
    QString pattern;
    QStringList items;
};

/** The mode of a purpose, its texts in the user's language. */
Mode modeFor(FileDialogPurpose purpose);

/**
 * The files of a folder that a file type lists, in name order: those matching its patterns, or every program
 * for the player pick's "Programs", its first type where programs are not known by their names.
 */
QStringList listedFiles(const QString &folder, const QString &type);

/** What the dialog holds when OK is pressed. */
struct Request
{
    FileDialogPurpose purpose;
    int slot = 0;
    QString folder;
    QString name;
};

/** What OK did: whether the dialog closes (else the user may retry), and the path picked for its opener. */
struct Outcome
{
    bool closes = false;
    /** For a pick (a player, a start-up list): the path chosen; empty for a save. */
    QString chosenPath;
};

/** OK: carries out the dialog's job; a pick hands its path back to whoever opened the dialog. */
Outcome accept(AppContext &context, const Request &request);

/** Cancel or the close box: nothing is saved; a close of the frame waiting on this save stops here. */
void cancel(AppContext &context);

} // namespace FileDialog
