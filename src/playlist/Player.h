// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class AppContext;
class PlayList;

/** Playing lists through the external player, and the guard against a player that hands its lists back. */
namespace Player {

/** What a play plays: the entry at the caret, the selected entries, or the whole list. */
enum class PlayMode { Current, Selected, All };

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

} // namespace Player
