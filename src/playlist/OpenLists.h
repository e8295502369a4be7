// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include "core/Modes.h"
#include "core/WindowHost.h"
#include "playlist/PlayList.h"

class AppContext;

/** The lists open in windows: their slots in the window table, new, opened, saved and closed lists. */
namespace OpenLists {

/** The list in a slot, or nothing when the slot has no window. */
PlayList *playListAt(const AppContext &context, int slot);

/** Sets up the window table with its hidden window in slot 1. */
void setUpWindowTable(AppContext &context);

/** Opens a new empty list, "Untitled " and its slot number less one; returns its slot. */
int newPlayList(AppContext &context);

/** How reading a list's file ended. */
using OpenOutcome = PlayList::ReadOutcome;
/** Hears how opening a list ended: with the list when it was read, else with none. */
using WhenRead = PlayList::WhenRead;

/**
 * Opens a list file in a new window, shown once it is filled (and sorted when the settings say so); LoadingSlot
 * holds the new window's slot. The file is read in the background: one read within the quiet time opens before
 * this returns, and whenRead hears it then; a longer read shows the window at once with its progress, and
 * whenRead hears it later from the event loop. The user may cancel it or close the window: it opens nothing
 * (Cancelled). A file that cannot be read (missing, not a regular file) frees the slot again; nothing is
 * reported but a file too large to read.
 */
/** What a list is opened for: one opened to be played shows the play's progress after the read's. */
enum class OpenFor { Editing, Playing };
void openListFile(AppContext &context, const QString &path, WhenRead whenRead = {}, OpenFor openFor = OpenFor::Editing);
/** How long opening a list waits for its file before it shows the progress (25 ms unless set; 0: not at all). */
void setQuietReadTime(int milliseconds);

/** Hears how saving a list ended: the system's description of a fault (none when saved), or that it was cancelled. */
using WhenSaved = PlayList::WhenSaved;
/**
 * Writes the list to its file, atomically; it is unchanged then. A small list is written before this returns; a
 * big one in the background, and whenSaved hears it from the event loop. A busy list is not saved: its fault
 * says why.
 */
void saveList(AppContext &context, PlayList &list, WhenSaved whenSaved);
/** Why a busy list cannot be saved, played or added to now. */
QString busyText(const PlayList &list);

/** "&Save": an untitled list asks for a name; a named one is written, a fault reported as error 6. */
void save(AppContext &context, PlayList &list);
/** "Save &As": always asks for a name. */
void saveAs(AppContext &context, PlayList &list);
/** Opens the file dialog unless it is open already. */
void openFileDialog(AppContext &context, FileDialogPurpose purpose, int slot = 0,
                    WindowHost::PathChosen whenChosen = {});
/** After the events waiting now: the file dialog in mode "save_kill" for the slot. */
void saveAndCloseList(AppContext &context, int slot);

/** The close request of a play-list window; true when the window may close. */
bool queryClose(AppContext &context, PlayList &list, bool frameClosing);

} // namespace OpenLists
