// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

/**
 * A short name for a program folder, the same in every run (16 hex digits of its SHA-1): copies with settings
 * of their own (another XDG_CONFIG_HOME) keep their running copy, lock and recovery files apart by it.
 */
QString folderKey(const QString &programFolder);

/** Where the program keeps its own files. Every path is absolute; the current folder is never changed. */
class Folders
{
public:
    virtual ~Folders() = default;

    /** The folder holding TUNARY.INI and the hand-off file. */
    virtual QString programFolder() const = 0;
    /** Creates the program folder when it is missing; false when that failed. */
    virtual bool ensureProgramFolder() const = 0;
    /**
     * The name the M3U files handed to the player are made after, in a folder private to the user: each play
     * makes a new one beside it (PlayFiles).
     */
    virtual QString playFile() const = 0;

    /** The small file where the main window keeps its size and place between runs; never TUNARY.INI. */
    virtual QString frameStateFile() const { return programFolder() + u"/frame.state"; }

    /**
     * Where this copy keeps its changed lists until they are saved, so that a crash or a power cut loses none.
     * A copy with another program folder (its own settings) has a recovery folder of its own.
     */
    virtual QString recoveryFolder() const { return programFolder() + u"/recovery"; }

    QString settingsFile() const { return programFolder() + u"/TUNARY.INI"; }
    /** The program's own settings that TUNARY.INI has no line for, beside it. */
    QString optionsFile() const { return programFolder() + u"/tunary-options.ini"; }
    QString handOffFile() const { return programFolder() + u"/_tunary.$$$"; }
};
