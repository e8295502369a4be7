// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

/** The rules for one play-list entry: its shown title, its text, and the path it stands for. */
namespace PlayListEntry {

/** Titles are padded with spaces to this many characters in an entry's text. */
constexpr int kTitleWidth = 400;

/**
 * The title of a line read from a list: the line without its last four characters (the extension and its
 * dot; the whole extension of a FLAC, Opus, AIFF or WavPack file), then only what follows the last folder
 * separator ("\" or "/"). A line shorter than four characters is its own title.
 */
QString titleOf(const QString &line);

/**
 * The title an "#EXTINF:seconds,Title" line gives its entry: what follows the first comma outside quotes (the
 * line's attributes may hold commas), without blanks around it; empty for any other line.
 */
QString extinfTitle(const QString &line);

/** The entry text: the title padded with spaces to 400 characters, "|", then the path. */
QString makeEntry(const QString &title, const QString &path);

/** The text with leading and trailing blanks (spaces) removed; other white space stays. */
QString trimBlanks(const QString &text);

} // namespace PlayListEntry
