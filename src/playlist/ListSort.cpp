// SPDX-License-Identifier: MIT

#include "playlist/ListSort.h"

#include <algorithm>
#include <numeric>

#include <QFuture>
#include <QLocale>
#include <QtConcurrent/QtConcurrentRun>

#include "playlist/PlayListEntry.h"
#include "playlist/PlayListModel.h"

namespace ListSort {

namespace {

// From this many entries on, a sort shares its work with a second thread.
constexpr int kRowsForTwoThreads = 20000;
// How many keys are made between two looks at the stop flag.
constexpr int kKeysBetweenLooks = 4096;

} // namespace

QCollator listCollator()
{
    const QLocale locale;
    QCollator collator(locale.language() == QLocale::C ? QLocale(QLocale::English) : locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

std::vector<int> order(const EntryTexts &texts, const QList<EntryTexts::Ref> &refs, const QCollator &collator)
{
    Progress progress;
    return order(texts, refs, collator, progress);
}

std::vector<int> order(const EntryTexts &texts, const QList<EntryTexts::Ref> &refs, const QCollator &collator,
                       Progress &progress)
{
    // Every entry text starts with its title padded with spaces, so comparing titles (a shorter one first
    // when it begins the longer) and then the paths orders entries as their whole texts would.
    const int rows = int(refs.size());
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(rows));
    std::vector<int> order(static_cast<size_t>(rows));
    std::iota(order.begin(), order.end(), 0);
    const auto path = [&texts, &refs](int row) { return PlayListEntry::trimBlanks(texts.text(refs[row])); };
    const auto byText = [&keys, &path](const QCollator &collation) {
        return [&keys, &path, &collation](int a, int b) {
            const int byTitle = keys[size_t(a)].compare(keys[size_t(b)]);
            if (byTitle != 0)
                return byTitle < 0;
            return collation.compare(path(a), path(b)) < 0;
        };
    };
    const auto makeKeys = [&texts, &refs, &progress](const QCollator &collation, int from, int to,
                                                     std::vector<QCollatorSortKey> &into) {
        for (int row = from; row < to; ++row) {
            if ((row - from) % kKeysBetweenLooks == 0 && row > from) {
                progress.done += kKeysBetweenLooks;
                if (progress.stop)
                    return;
            }
            into.push_back(collation.sortKey(PlayListModel::titleOf(texts, refs[row])));
        }
    };

    if (rows < kRowsForTwoThreads) {
        makeKeys(collator, 0, rows, keys);
        if (progress.stop)
            return {};
        std::stable_sort(order.begin(), order.end(), byText(collator));
    } else {
        // Half the keys are made, and half the rows sorted, on a second thread with a collator of its own; the
        // two halves are merged, those of the first half first where they are equal, as one stable sort would.
        QCollator second(collator.locale());
        second.setCaseSensitivity(collator.caseSensitivity());
        second.setNumericMode(collator.numericMode());
        second.setIgnorePunctuation(collator.ignorePunctuation());
        const int middle = rows / 2;
        std::vector<QCollatorSortKey> secondKeys;
        secondKeys.reserve(size_t(rows - middle));
        // Waiting for a half that no thread has begun runs it here, so a busy pool never holds the sort up.
        QFuture<void> keyMaker = QtConcurrent::run([&] { makeKeys(second, middle, rows, secondKeys); });
        makeKeys(collator, 0, middle, keys);
        keyMaker.waitForFinished();
        if (progress.stop)
            return {};
        progress.done = rows;
        keys.insert(keys.end(), std::make_move_iterator(secondKeys.begin()), std::make_move_iterator(secondKeys.end()));
        QFuture<void> sorter =
            QtConcurrent::run([&] { std::stable_sort(order.begin() + middle, order.end(), byText(second)); });
        std::stable_sort(order.begin(), order.begin() + middle, byText(collator));
        sorter.waitForFinished();
        progress.done = rows + rows * 3LL / 4;
        if (progress.stop)
            return {};
        std::inplace_merge(order.begin(), order.begin() + middle, order.end(), byText(collator));
    }
    progress.done = 2LL * rows;
    return order;
}

} // namespace ListSort
