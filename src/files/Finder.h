// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

#include "core/FolderSearch.h"
#include "core/Modes.h"
#include "core/MusicFiles.h"
#include "platform/EightBitText.h"

class AppContext;

/** The rules behind the file finder: its two modes, its start folder, and opening what it found. */
namespace Finder {

/** The ";"-separated patterns a finder searches: M3U and M3U8 lists, or MP3 files alone or music of every kind. */
QString patternFor(FinderMode mode, MusicFiles files);

struct Setup
{
    QString caption;
    /** The pattern shown after "Looking For:", which names the mode. */
    QString shownPattern;
    /** The patterns searched. */
    QString pattern;
    /** The folder setting, in the code page it was read in. */
    EightBitText::Path folder;
    /** The kinds of music file the user chose last. */
    MusicFiles musicFiles;
};

/** Lists are found in the M3U folder, music files in the MP3 folder, of the kinds the user chose last. */
Setup setupFor(const AppContext &context, FinderMode mode);

/** Why a start folder cannot be used (not set, missing, not a folder, unreadable); empty when it can. */
QString folderFault(const EightBitText::Path &folder);

/** The matching files of one folder as full paths, in name order; names that are not UTF-8 included. */
PathBatch folderFiles(const EightBitText::Path &folder, const QString &pattern);

/** Opens each list in a window of its own, in order. */
void openSelectedLists(AppContext &context, const QStringList &lists);

} // namespace Finder
