// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include "core/Modes.h"
#include "core/WindowHost.h"
#include "playlist/PlayListModel.h"

class AppContext;
class PlayList;

/** What the play-list windows do: opening, saving, closing and playing lists, and the editing commands. */
namespace PlayListCommands {

/** The editing commands of a play-list window's menus and keys. */
enum class Edit {
    RemoveOne,
    RemoveSelected,
    DeleteKey,
    MoveUp,
    MoveDown,
    SelectAll,
    Clear,
    Sort,
    /** Removes the entries whose file does not exist. */
    RemoveMissing,
    /** Keeps the first of the entries that name the same file. */
    RemoveDuplicates,
    /** Entries in the list's folder or below it become relative to it. */
    MakeRelative,
    /** Relative entries become absolute paths. */
    MakeAbsolute,
};

/** What a play plays: the entry at the caret, the selected entries, or the whole list. */
enum class PlayMode { Current, Selected, All };

/** The list in a slot, or nothing when the slot has no window. */
PlayList *playListAt(const AppContext &context, int slot);

/** Sets up the window table with its hidden window in slot 1. */
void setUpWindowTable(AppContext &context);

/** Opens a new empty list, "Untitled " and its slot number less one; returns its slot. */
int newPlayList(AppContext &context);

/**
 * Opens a list file in a new window, shown once it is filled (and sorted when the settings say so).
 * LoadingSlot holds the new window's slot afterwards. A file that cannot be read (missing, not a regular
 * file) frees the slot again and gives false; nothing is reported but a file too large to read. A big list
 * is read by a worker while its window shows the progress: the user may cancel it, or close the window,
 * which gives false with cancelled set, and nothing opened.
 */
bool openListFile(AppContext &context, const QString &path, bool *cancelled = nullptr);
/** How long opening a list waits for its file before it shows the progress (25 ms unless set). */
void setQuietReadTime(int milliseconds);

/** Writes the list to its file, atomically; clears Changed. Returns the fault, or "". */
QString saveList(AppContext &context, PlayList &list);

/** "&Save": an untitled list asks for a name; a named one is written, a fault reported as error 6. */
void save(AppContext &context, PlayList &list);
/** "Save &As": always asks for a name. */
void saveAs(AppContext &context, PlayList &list);
/** Opens the file dialog unless it is open already; a pick's path goes to whenChosen. */
void openFileDialog(AppContext &context, FileDialogPurpose purpose, int slot = 0,
                    WindowHost::PathChosen whenChosen = {});
/** After the events waiting now: the file dialog in mode "save_kill" for the slot. */
void saveAndCloseList(AppContext &context, int slot);

/** Runs an editing command; the ones that change the list's content mark it changed. */
void runEdit(AppContext &context, PlayList &list, Edit edit);

/**
 * Plays the entries the mode names through the player, in list order; nothing when there is no caret to play
 * from. The entries go into a new play file of this play's own, complete before the player starts with its
 * path as the one argument.
 */
void play(AppContext &context, PlayList &list, PlayMode mode);

/**
 * A play that failed: silent once after error 8, else error 5 for an empty list or error 2 (the player could
 * not be started, or the play file not written) with the fault.
 */
void reportPlayFailure(AppContext &context, int count, const QString &fault);

/** True when the player path names this very program, which would hand every play back to itself. */
bool isThisProgram(const QString &player);
/**
 * A list handed to the program that is one of its own play files: the player gave it back, and playing it
 * would start a loop. True when refused; the first refusal of a run says so, naming the player setting.
 */
bool refuseOwnPlayFile(AppContext &context, const QString &path);

/** A left press on a list's entries: for the next second, drops onto the list are taken as a click. */
void listPressed(AppContext &context, PlayList &list);
/** A second after the press: the list takes drops again. */
void dropTimeout(AppContext &context, PlayList &list);
/**
 * Entries dropped onto a list: appended, in order, unselected, duplicates kept; the list is marked changed even
 * when nothing comes. Ignored within a second of a press on the list; then false.
 */
/** Appends entries as one step that can be undone; the batches of one folder drop (same number) make one step. */
void appendUndoably(PlayList &list, const QList<PlayListModel::Entry> &entries, int dropBatch = 0);
/** Looks, off the interface thread, for the files the entries name; the missing ones are shown grey. */
void checkMissing(PlayList &list);
/** The look itself, at once. */
void lookForMissing(PlayList &list);
/** Takes back (does again) the list's last change; back where it was opened or saved, it counts as unchanged. */
void undo(AppContext &context, PlayList &list);
void redo(AppContext &context, PlayList &list);

bool dropEntries(AppContext &context, PlayList &target, const QList<PlayListModel::Entry> &entries);

/** The close request of a play-list window; true when the window may close. */
bool queryClose(AppContext &context, PlayList &list, bool frameClosing);

} // namespace PlayListCommands
