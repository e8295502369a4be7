// SPDX-License-Identifier: MIT

#pragma once

#include <atomic>
#include <vector>

#include <QCollator>
#include <QList>

#include "playlist/EntryTexts.h"

/** The order a sorted list gives its entries, worked out from the entries' texts alone, so any thread may do it. */
namespace ListSort {

/** How far a sort on another thread has come, out of twice its entries (making keys, then ordering), and a stop. */
struct Progress
{
    std::atomic<qint64> done{0};
    std::atomic<bool> stop{false};
};

/**
 * The user's collation, letter case ignored. The C (POSIX) locale has no collation of its own: Qt's sort keys
 * there are the bare code points, capitals before small letters, so it gets the root order, which English uses
 * untailored.
 */
QCollator listCollator();

/**
 * The order a sorted list box gives the entries: whole entry texts, letter case ignored. The entry to go into
 * row i is the one now in row order[i]. Empty when stopped.
 */
std::vector<int> order(const EntryTexts &texts, const QList<EntryTexts::Ref> &refs, const QCollator &collator,
                       Progress &progress);
std::vector<int> order(const EntryTexts &texts, const QList<EntryTexts::Ref> &refs, const QCollator &collator);

} // namespace ListSort
