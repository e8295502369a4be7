// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

/** Which music files the finder looks for when adding to a list. */
enum class MusicFiles {
    /** MP3 files alone, "*.MP3". */
    Mp3Only,
    /** Every kind of music file people keep: MP3, FLAC, Ogg, Opus, AAC, WAV, WMA, AIFF, APE, WavPack, MPC. */
    AllFormats,
};

namespace MusicPatterns {

/** The ";"-separated patterns of one choice, as the folder walk takes them. */
QString forChoice(MusicFiles files);

/**
 * What a drop from another program adds: a dropped file of any music kind, and the music files of every kind
 * in a dropped folder. The finder's choice does not narrow it, so nothing dropped on purpose is left out silently.
 */
QString forDrops();

} // namespace MusicPatterns
