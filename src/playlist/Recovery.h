// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

class AppContext;
class PlayList;

/**
 * Changed lists kept in the recovery folder, so that a crash or a power cut loses none. A list is written
 * there (atomically, by a worker thread) at most two seconds after it changes; saving it, leaving it
 * unchanged or closing it removes it again, so a clean end leaves the folder empty. What the next start
 * finds there was left by a run that did not end cleanly.
 */
namespace Recovery {

/** Starts keeping a list: its changes are written to the recovery folder from now on. */
void watch(AppContext &context, PlayList &list);
/** Writes the list now if it is changed, and removes its kept copy if it is not. */
void keepNow(AppContext &context, PlayList &list);
/** Removes the kept copy of the list in a slot. */
void forget(AppContext &context, int slot);
/** Waits until every write and removal handed to the worker is done. */
void finishWriting();
/** For tests that look at the folder mid-way: while held, the worker starts no further write or removal. */
void holdWriting(bool held);

/** The lists left by an earlier run, as the files kept for them. */
QStringList leftOver(const AppContext &context);
/**
 * At start, after the start-up messages: names the lists an earlier run left and asks whether to open them.
 * Yes opens each, changed, under its old file (an untitled one untitled); a kept file goes only once its list
 * is kept anew. No deletes them.
 */
void offerLeftOver(AppContext &context);

} // namespace Recovery
