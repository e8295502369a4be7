// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

#include <QString>

#include "core/Modes.h"

class PlayList;

/** What the program's rules ask of its windows; the widgets implement it, tests record it. */
class WindowHost
{
public:
    virtual ~WindowHost() = default;

    /** Opens the settings dialog without waiting; does nothing when it is already open. */
    virtual void openSettings() = 0;
    /** Loads and shows the main frame the first time; later calls do nothing. */
    virtual void loadFrame() = 0;
    /** Sets the frame's background to a stored colour value (negative values name system colours). */
    virtual void setFrameBackColour(qint32 colour) = 0;
    /** Shows the player's path on the splash window. */
    virtual void showPlayerPath(const QString &path) = 0;

    /**
     * Makes a new play-list window inside the frame, not shown yet, and returns what it holds; nothing where
     * there are no windows.
     */
    virtual PlayList *createPlayListWindow() = 0;
    /** Removes a play-list window at once, without its close request. */
    virtual void discardPlayListWindow(PlayList *list) = 0;
    /** What the file dialog hands back to whoever opened it: the path the user chose. */
    using PathChosen = std::function<void(const QString &path)>;
    /** Opens the file dialog for a purpose; saving is for the list in a slot, picking hands the path back. */
    virtual void openFileDialog(FileDialogPurpose purpose, int slot, PathChosen whenChosen) = 0;
    /** Opens a file finder on M3U lists to open or on MP3 files to add. */
    virtual void openFinder(FinderMode mode) = 0;
    /** Closes the main frame, which ends the program once every list has agreed. */
    virtual void closeFrame() = 0;
    /** The help window with the play-list subjects. */
    virtual void showPlayListHelp() = 0;
    /** The help window with the finder's subjects. */
    virtual void showFinderHelp() = 0;
    /** The help window with the settings subjects. */
    virtual void showSettingsHelp() = 0;
    /** A numbered help topic. */
    virtual void showHelp(int topic) = 0;
    virtual void showAbout() = 0;
    /**
     * True while a box or dialog waits for the user: the code that opened it may still be working on the
     * windows, so nothing new (a list handed over) joins them meanwhile.
     */
    virtual bool isWaitingForUser() const { return false; }
};
