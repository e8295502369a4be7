// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

#include "core/FolderSearch.h"
#include "core/Modes.h"
#include "platform/EightBitText.h"

class AppContext;

/** The rules behind the file finder: its two modes, its start folder, and opening what it found. */
namespace Finder {

struct Setup
{
    QString caption;
    /** The pattern searched, shown after "Looking For:". */
    QString pattern;
    /** The folder setting, in the code page it was read in. */
    EightBitText::Path folder;
};

/** Lists are found in the M3U folder, MP3 files in the MP3 folder. */
Setup setupFor(const AppContext &context, FinderMode mode);

constexpr auto kListPattern = "*.M3U";
constexpr auto kMp3Pattern = "*.MP3";

/** Why a start folder cannot be used (not set, missing, not a folder, unreadable); empty when it can. */
QString folderFault(const EightBitText::Path &folder);

/** The matching files of one folder as full paths, in name order; names that are not UTF-8 included. */
PathBatch folderFiles(const EightBitText::Path &folder, const QString &pattern);

/** Opens each list in a window of its own, in order. */
void openSelectedLists(AppContext &context, const QStringList &lists);

} // namespace Finder
