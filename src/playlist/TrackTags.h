// SPDX-License-Identifier: MIT

#pragma once

#include <optional>

#include <QString>

/** What a music file's tags say about it. */
struct TrackTags
{
    /** The playing time in whole seconds, rounded; -1 when unknown. */
    int seconds = -1;
    /** One line each, without blanks around it; empty when the tags do not say. */
    QString artist;
    QString title;
};

/** Reads music files' tags to describe them in extended lists; the files are only ever read, never written. */
namespace TrackTagReader {

/**
 * Reads the tags of a regular file opened read-only; nullopt when the file cannot be read as music: missing,
 * unreadable, not a regular file, or neither sound nor tags that TagLib knows. Safe on any thread.
 */
std::optional<TrackTags> read(const QString &path);

/**
 * The text of an #EXTINF line for the file: "#EXTINF:<seconds>,Artist - Title", "Title" alone without an
 * artist, the file's name without its extension when the tags have no title. Always one line.
 */
QString extinfLine(const TrackTags &tags, const QString &path);

/** read() then extinfLine(); empty text when the file cannot be read as music. */
QString extinfLineFor(const QString &path);

} // namespace TrackTagReader
