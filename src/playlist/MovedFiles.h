// SPDX-License-Identifier: MIT

#pragma once

#include <atomic>

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "platform/EightBitText.h"
#include "playlist/EntryTexts.h"

/** An entry whose file is missing, as the search is given it. */
struct MissingEntry
{
    EntryTexts::Ref ref = 0;
    /** The path the entry names, resolved; "/" and "\" both end a folder in it. */
    QString file;
};

/** What the search found for one entry: the best match first, then the others. */
struct MovedFile
{
    EntryTexts::Ref ref = 0;
    QString oldPath;
    QString newPath;
    /** newPath's text is its bytes read as Windows-1252, as with a name that is not UTF-8. */
    bool newPathWindows1252 = false;
    /** The next best files of the name, best first; MovedFiles::kMostOthers at most. */
    QStringList others;

    bool operator==(const MovedFile &) const = default;
};

/** How far a search has come, read by the interface while it runs; stop ends it at the next folder. */
struct MovedFileProgress
{
    /** Folders whose files were looked at. */
    std::atomic<qint64> folders{0};
    /** Files looked at: those with an extension one of the missing names has. */
    std::atomic<qint64> files{0};
    /** Files named as a missing one. */
    std::atomic<qint64> found{0};
    std::atomic<bool> stop{false};
};

/** The search for files that were moved away from where a list's entries say they are. */
namespace MovedFiles {

/** A name found in many places names only the best of them beside the one it takes. */
constexpr qsizetype kMostOthers = 10;

/** How alike two paths' folders are: the folders shared from the end count first, then those shared anywhere. */
struct Likeness
{
    /** Folder names shared from the end, the file's own folder first. */
    int fromEnd = 0;
    /** Folder names shared anywhere in the paths. */
    int anywhere = 0;

    bool operator==(const Likeness &) const = default;
};

/**
 * Finds, under root, the files named as the missing ones (letter case ignored; an exact-case name wins a tie),
 * one walk for all of them. Safe on any thread. Returns what was found (entries with no candidate are left out),
 * in the order of `missing`; a stopped search returns what it had found by then.
 */
QList<MovedFile> find(const QList<MissingEntry> &missing, const EightBitText::Path &root, MovedFileProgress &progress);

/**
 * How alike two paths' folders are: the number of folder names they share from the end (the file's own folder
 * first), then those they share anywhere. Folder names are compared with letter case ignored; "/" and "\" both
 * end a folder.
 */
Likeness likeness(QStringView oldPath, QStringView newPath);

} // namespace MovedFiles
