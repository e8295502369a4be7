// SPDX-License-Identifier: MIT

#pragma once

/** What the file dialog is opened for. */
enum class FileDialogPurpose {
    /** Save a list under a name, then show it again. */
    SaveList,
    /** Save a list under a name, then close it (the list was closing, changed and untitled). */
    SaveAndCloseList,
    /** Pick the player program for the settings dialog. */
    ChoosePlayer,
    /** Pick the list the settings dialog opens and plays at every start. */
    ChooseStartUpList,
};

/** What a finder lists: play lists to open, or MP3 files to drag onto lists. */
enum class FinderMode { Lists, Mp3Files };

/** How the frame lays out its child windows. */
enum class Arrangement { Cascade, TileHorizontally, TileVertically };
