// SPDX-License-Identifier: MIT

#include "playlist/PlayListModel.h"

#include <algorithm>
#include <numeric>

#include <QCollator>
#include <QColor>
#include <QCoreApplication>

#include "playlist/EntryMime.h"
#include "playlist/PlayListEntry.h"

namespace {

// Above this many separate runs of removed rows, one reset is cheaper for the view than a signal per run.
constexpr size_t kMaxRemovalRuns = 32;

} // namespace

PlayListModel::PlayListModel(QObject *parent)
    : QAbstractListModel(parent)
    , m_selection(this)
{
    // Marks of missing files belong to the rows they were found for: a change of the rows drops them until
    // the next look.
    const auto forget = [this] { m_missing.clear(); };
    connect(this, &QAbstractItemModel::rowsInserted, this, forget);
    connect(this, &QAbstractItemModel::rowsRemoved, this, forget);
    connect(this, &QAbstractItemModel::modelReset, this, forget);
}

int PlayListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant PlayListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return title(index.row());
    case Qt::ToolTipRole:
        if (isMissing(index.row()))
            return QCoreApplication::translate("PlayList", "File not found");
        return entryPath(index.row());
    case Qt::ForegroundRole:
        if (isMissing(index.row()))
            return QColor(Qt::gray);
        return {};
    case PathRole:
        return entryPath(index.row());
    case EntryTextRole:
        return entryText(index.row());
    default:
        return {};
    }
}

Qt::ItemFlags PlayListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return QAbstractListModel::flags(index);
    return QAbstractListModel::flags(index) | Qt::ItemIsDragEnabled;
}

QStringList PlayListModel::mimeTypes() const
{
    return {EntryMime::mimeType()};
}

QMimeData *PlayListModel::mimeData(const QModelIndexList &indexes) const
{
    QList<Entry> entries;
    for (const int row : EntryMime::rowsInOrder(indexes))
        entries.append(entry(row));
    return EntryMime::make(entries);
}

QString PlayListModel::title(int row) const
{
    return PlayListEntry::titleOf(entry(row).line);
}

QString PlayListModel::entryText(int row) const
{
    return PlayListEntry::makeEntry(title(row), entry(row).line);
}

QString PlayListModel::entryPath(int row) const
{
    return PlayListEntry::trimBlanks(entry(row).line);
}

std::vector<char> PlayListModel::selectedMarks() const
{
    // From the ranges, not row by row: asking the selection model about each row costs a pass over its ranges.
    std::vector<char> marks(m_entries.size(), 0);
    for (const QItemSelectionRange &range : m_selection.selection()) {
        const int top = std::max(range.top(), 0);
        const int bottom = std::min(range.bottom(), count() - 1);
        if (top <= bottom)
            std::fill(marks.begin() + top, marks.begin() + bottom + 1, 1);
    }
    return marks;
}

QList<int> PlayListModel::selectedRows() const
{
    const std::vector<char> marks = selectedMarks();
    QList<int> rows;
    for (size_t i = 0; i < marks.size(); ++i) {
        if (marks[i])
            rows.append(int(i));
    }
    return rows;
}

void PlayListModel::setEntries(QList<Entry> entries)
{
    beginResetModel();
    m_entries.assign(std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
    // The selection model forgets the selection and the caret with the reset.
    endResetModel();
}

void PlayListModel::appendEntries(const QList<Entry> &entries)
{
    if (entries.isEmpty())
        return;
    beginInsertRows(QModelIndex(), count(), count() + int(entries.size()) - 1);
    m_entries.insert(m_entries.end(), entries.begin(), entries.end());
    endInsertRows();
}

PlayListModel::Removal PlayListModel::removeMarked(const std::vector<char> &marked)
{
    Removal removal;
    std::vector<std::pair<int, int>> runs;
    for (int row = 0; row < count(); ++row) {
        if (!marked[size_t(row)])
            continue;
        removal.rows.push_back(row);
        if (!runs.empty() && runs.back().second == row - 1)
            runs.back().second = row;
        else
            runs.emplace_back(row, row);
    }
    if (runs.empty())
        return removal;
    removal.entries.reserve(removal.rows.size());

    auto compact = [this, &marked, &removal] {
        size_t kept = 0;
        for (size_t i = 0; i < m_entries.size(); ++i) {
            if (marked[i]) {
                removal.entries.push_back(std::move(m_entries[i]));
                continue;
            }
            if (kept != i)
                m_entries[kept] = std::move(m_entries[i]);
            ++kept;
        }
        m_entries.resize(kept);
    };

    // A reset also empties the selection. Only removeSelected and undoing come this way (removeOne removes a
    // single run), and they select afresh afterwards.
    if (runs.size() > kMaxRemovalRuns) {
        beginResetModel();
        compact();
        endResetModel();
        return removal;
    }
    for (const auto &[first, last] : runs) {
        for (int row = first; row <= last; ++row)
            removal.entries.push_back(m_entries[size_t(row)]);
    }
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        beginRemoveRows(QModelIndex(), run->first, run->second);
        m_entries.erase(m_entries.begin() + run->first, m_entries.begin() + run->second + 1);
        endRemoveRows();
    }
    return removal;
}

PlayListModel::Removal PlayListModel::takeRows(const std::vector<int> &rows)
{
    std::vector<char> marked(m_entries.size(), 0);
    for (const int row : rows) {
        if (row >= 0 && row < count())
            marked[size_t(row)] = 1;
    }
    Removal removal = removeMarked(marked);
    m_selection.setCurrentIndex(index(rows.empty() ? -1 : std::min(rows.front(), count() - 1)),
                                QItemSelectionModel::ClearAndSelect);
    return removal;
}

void PlayListModel::putBack(Removal removal)
{
    const size_t total = m_entries.size() + removal.entries.size();
    std::vector<std::pair<int, int>> runs;
    for (const int row : removal.rows) {
        if (!runs.empty() && runs.back().second == row - 1)
            runs.back().second = row;
        else
            runs.emplace_back(row, row);
    }
    if (runs.size() > kMaxRemovalRuns) {
        std::vector<Entry> merged;
        merged.reserve(total);
        size_t taken = 0, kept = 0;
        for (size_t row = 0; row < total; ++row) {
            if (taken < removal.rows.size() && size_t(removal.rows[taken]) == row)
                merged.push_back(std::move(removal.entries[taken++]));
            else
                merged.push_back(std::move(m_entries[kept++]));
        }
        beginResetModel();
        m_entries = std::move(merged);
        endResetModel();
    } else {
        std::ptrdiff_t taken = 0;
        for (const auto &[first, last] : runs) {
            const std::ptrdiff_t length = last - first + 1;
            beginInsertRows(QModelIndex(), first, last);
            m_entries.insert(m_entries.begin() + first, std::make_move_iterator(removal.entries.begin() + taken),
                             std::make_move_iterator(removal.entries.begin() + taken + length));
            taken += length;
            endInsertRows();
        }
    }
    QItemSelection selection;
    for (const auto &[first, last] : runs)
        selection.select(index(first), index(last));
    m_selection.setCurrentIndex(index(runs.empty() ? -1 : runs.front().first), QItemSelectionModel::NoUpdate);
    m_selection.select(selection, QItemSelectionModel::ClearAndSelect);
}

void PlayListModel::reorder(const std::vector<int> &order, bool forward)
{
    std::vector<Entry> ordered(m_entries.size());
    for (size_t row = 0; row < order.size(); ++row) {
        if (forward)
            ordered[row] = std::move(m_entries[size_t(order[row])]);
        else
            ordered[size_t(order[row])] = std::move(m_entries[row]);
    }
    beginResetModel();
    m_entries = std::move(ordered);
    endResetModel();
}

void PlayListModel::replaceEntries(const std::vector<int> &rows, const std::vector<Entry> &entries)
{
    if (rows.empty())
        return;
    for (size_t i = 0; i < rows.size(); ++i)
        m_entries[size_t(rows[i])] = entries[i];
    m_missing.clear();
    emit dataChanged(index(rows.front()), index(rows.back()));
}

void PlayListModel::setMissing(std::vector<char> missing)
{
    m_missing = std::move(missing);
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1), {Qt::ForegroundRole, Qt::ToolTipRole});
}

void PlayListModel::exchangeAndMoveCaret(int from, int to)
{
    exchange(from, to);
    m_selection.setCurrentIndex(index(to), QItemSelectionModel::NoUpdate);
}

PlayListModel::Removal PlayListModel::removeOne()
{
    const int caret = currentIndex();
    if (caret < 0 || caret >= count())
        return {};
    std::vector<char> marked(m_entries.size(), 0);
    marked[size_t(caret)] = 1;
    Removal removal = removeMarked(marked);
    // The entry that moved up into the caret's place takes the caret (the selection model moved it up).
    m_selection.setCurrentIndex(index(std::min(caret, count() - 1)), QItemSelectionModel::NoUpdate);
    return removal;
}

// Removes every selected entry. The caret position `cur` drops by one for every entry removed, wherever it
// stood; then the entries at cur + 1 and cur are selected where they exist, and so is the entry holding the
// caret. With nothing selected, nothing is removed and the caret entry and the one below it are selected.
PlayListModel::Removal PlayListModel::removeSelected()
{
    const int caret = currentIndex();
    const std::vector<char> marked = selectedMarks();
    int cur = caret;
    int survivorsBeforeCaret = 0;
    bool caretRemoved = false;
    for (int row = 0; row < count(); ++row) {
        if (marked[size_t(row)]) {
            --cur;
            if (row == caret)
                caretRemoved = true;
        } else if (row < caret) {
            ++survivorsBeforeCaret;
        }
    }
    Removal removal = removeMarked(marked);

    const int remaining = count();
    int newCaret = -1;
    if (caret >= 0 && remaining > 0)
        newCaret = caretRemoved ? std::min(survivorsBeforeCaret, remaining - 1) : survivorsBeforeCaret;

    std::vector<int> rows;
    if (remaining > 0 && cur >= 0)
        rows = {cur, cur + 1};
    rows.push_back(newCaret);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QItemSelection selection;
    for (const int row : rows) {
        if (row >= 0 && row < remaining)
            selection.select(index(row), index(row));
    }
    m_selection.setCurrentIndex(index(newCaret), QItemSelectionModel::NoUpdate);
    m_selection.select(selection, QItemSelectionModel::ClearAndSelect);
    return removal;
}

void PlayListModel::exchange(int a, int b)
{
    std::swap(m_entries[size_t(a)], m_entries[size_t(b)]);
    if (isMissing(a) != isMissing(b))
        std::swap(m_missing[size_t(a)], m_missing[size_t(b)]);
    const QModelIndex first = index(std::min(a, b));
    const QModelIndex last = index(std::max(a, b));
    emit dataChanged(first, last);
}

bool PlayListModel::moveUp()
{
    const int caret = currentIndex();
    if (caret <= 0 || caret >= count())
        return false;
    exchange(caret, caret - 1);
    return true;
}

bool PlayListModel::moveDown()
{
    const int caret = currentIndex();
    if (caret < 0 || caret >= count() - 1)
        return false;
    exchange(caret, caret + 1);
    return true;
}

void PlayListModel::selectAll()
{
    if (count() > 0)
        m_selection.select(QItemSelection(index(0), index(count() - 1)), QItemSelectionModel::ClearAndSelect);
}

PlayListModel::Removal PlayListModel::clear()
{
    Removal removal;
    removal.rows.resize(m_entries.size());
    std::iota(removal.rows.begin(), removal.rows.end(), 0);
    beginResetModel();
    removal.entries = std::move(m_entries);
    m_entries.clear();
    endResetModel();
    return removal;
}

std::vector<int> PlayListModel::sortEntries(const QCollator &collator)
{
    // Every entry text starts with its title padded with spaces, so comparing titles (a shorter one first
    // when it begins the longer) and then the paths orders entries as their whole texts would.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(m_entries.size());
    for (int row = 0; row < count(); ++row)
        keys.push_back(collator.sortKey(title(row)));
    std::vector<int> order(m_entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int byTitle = keys[size_t(a)].compare(keys[size_t(b)]);
        if (byTitle != 0)
            return byTitle < 0;
        return collator.compare(entryPath(a), entryPath(b)) < 0;
    });

    std::vector<Entry> sorted;
    sorted.reserve(m_entries.size());
    for (const int row : order)
        sorted.push_back(std::move(m_entries[size_t(row)]));
    beginResetModel();
    m_entries = std::move(sorted);
    endResetModel();
    return order;
}
