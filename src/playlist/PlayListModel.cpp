// SPDX-License-Identifier: MIT

#include "playlist/PlayListModel.h"

#include <algorithm>
#include <numeric>

#include <QCollator>
#include <QScopedValueRollback>

#include "playlist/EntryMime.h"
#include "playlist/PlayListEntry.h"

namespace {

// Above this many separate runs of removed rows, one reset is cheaper for the view than a signal per run.
constexpr size_t kMaxRemovalRuns = 32;

} // namespace

PlayListModel::PlayListModel(QObject *parent)
    : QAbstractListModel(parent)
{}

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

void PlayListModel::setCurrentIndex(int row)
{
    moveCaret(row >= 0 && row < count() ? row : -1);
}

void PlayListModel::moveCaret(int row)
{
    if (row == m_current)
        return;
    m_current = row;
    emit currentIndexMoved(row);
}

void PlayListModel::setSelected(int row, bool selected)
{
    if (row < 0 || row >= count())
        return;
    m_selected[size_t(row)] = char(selected);
    emit selectionReplaced();
}

void PlayListModel::setSelectedRows(const QList<int> &rows)
{
    std::fill(m_selected.begin(), m_selected.end(), 0);
    for (const int row : rows) {
        if (row >= 0 && row < count())
            m_selected[size_t(row)] = 1;
    }
    emit selectionReplaced();
}

QList<int> PlayListModel::selectedRows() const
{
    QList<int> rows;
    for (size_t i = 0; i < m_selected.size(); ++i) {
        if (m_selected[i])
            rows.append(int(i));
    }
    return rows;
}

void PlayListModel::setEntries(QList<Entry> entries)
{
    beginResetModel();
    m_entries.assign(std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
    m_selected.assign(m_entries.size(), 0);
    m_current = -1;
    endResetModel();
    emit selectionReplaced();
    emit currentIndexMoved(-1);
}

void PlayListModel::appendEntries(const QList<Entry> &entries)
{
    if (entries.isEmpty())
        return;
    beginInsertRows(QModelIndex(), count(), count() + int(entries.size()) - 1);
    m_entries.insert(m_entries.end(), entries.begin(), entries.end());
    m_selected.resize(m_entries.size(), 0);
    endInsertRows();
}

void PlayListModel::removeMarked(const std::vector<char> &marked)
{
    std::vector<std::pair<int, int>> runs;
    for (int row = 0; row < count(); ++row) {
        if (!marked[size_t(row)])
            continue;
        if (!runs.empty() && runs.back().second == row - 1)
            runs.back().second = row;
        else
            runs.emplace_back(row, row);
    }
    if (runs.empty())
        return;

    auto compact = [this, &marked] {
        size_t kept = 0;
        for (size_t i = 0; i < m_entries.size(); ++i) {
            if (marked[i])
                continue;
            if (kept != i) {
                m_entries[kept] = std::move(m_entries[i]);
                m_selected[kept] = m_selected[i];
            }
            ++kept;
        }
        m_entries.resize(kept);
        m_selected.resize(kept);
    };

    if (runs.size() > kMaxRemovalRuns) {
        beginResetModel();
        compact();
        endResetModel();
        return;
    }
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        beginRemoveRows(QModelIndex(), run->first, run->second);
        m_entries.erase(m_entries.begin() + run->first, m_entries.begin() + run->second + 1);
        m_selected.erase(m_selected.begin() + run->first, m_selected.begin() + run->second + 1);
        endRemoveRows();
    }
}

void PlayListModel::removeOne()
{
    if (m_current < 0 || m_current >= count())
        return;
    const QScopedValueRollback<bool> running(m_commandRunning, true);
    const int caret = m_current;
    std::vector<char> marked(m_entries.size(), 0);
    marked[size_t(caret)] = 1;
    removeMarked(marked);
    // The entry that moved up into the caret's place takes the caret; the view is told even when the number
    // stays, since it lost its caret with the removed row.
    m_current = count() == 0 ? -1 : std::min(caret, count() - 1);
    emit currentIndexMoved(m_current);
    emit selectionReplaced();
}

// Removes every selected entry. The caret position `cur` drops by one for every entry removed, wherever it
// stood; then the entries at cur + 1 and cur are selected where they exist, and so is the entry holding the
// caret. With nothing selected, nothing is removed and the caret entry and the one below it are selected.
void PlayListModel::removeSelected()
{
    const QScopedValueRollback<bool> running(m_commandRunning, true);
    const int caret = m_current;
    int cur = m_current;
    int survivorsBeforeCaret = 0;
    bool caretRemoved = false;
    for (int row = 0; row < count(); ++row) {
        if (m_selected[size_t(row)]) {
            --cur;
            if (row == caret)
                caretRemoved = true;
        } else if (row < caret) {
            ++survivorsBeforeCaret;
        }
    }
    const std::vector<char> marked = m_selected;
    removeMarked(marked);
    std::fill(m_selected.begin(), m_selected.end(), 0);

    const int remaining = count();
    int newCaret = -1;
    if (caret >= 0 && remaining > 0)
        newCaret = caretRemoved ? std::min(survivorsBeforeCaret, remaining - 1) : survivorsBeforeCaret;

    auto select = [this, remaining](int row) {
        if (row >= 0 && row < remaining)
            m_selected[size_t(row)] = 1;
    };
    if (remaining > 0 && cur >= 0) {
        if (cur + 1 < remaining)
            select(cur + 1);
        select(cur);
    }
    if (remaining > 0)
        select(newCaret);

    // The view is always told: it may have lost its caret with the removed rows.
    m_current = newCaret;
    emit currentIndexMoved(m_current);
    emit selectionReplaced();
}

void PlayListModel::exchange(int a, int b)
{
    std::swap(m_entries[size_t(a)], m_entries[size_t(b)]);
    const QModelIndex first = index(std::min(a, b));
    const QModelIndex last = index(std::max(a, b));
    emit dataChanged(first, last);
}

bool PlayListModel::moveUp()
{
    if (m_current <= 0 || m_current >= count())
        return false;
    exchange(m_current, m_current - 1);
    return true;
}

bool PlayListModel::moveDown()
{
    if (m_current < 0 || m_current >= count() - 1)
        return false;
    exchange(m_current, m_current + 1);
    return true;
}

void PlayListModel::selectAll()
{
    std::fill(m_selected.begin(), m_selected.end(), 1);
    emit selectionReplaced();
}

void PlayListModel::clear()
{
    setEntries({});
}

void PlayListModel::sortEntries(const QCollator &collator)
{
    const QScopedValueRollback<bool> running(m_commandRunning, true);
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
    std::fill(m_selected.begin(), m_selected.end(), 0);
    m_current = -1;
    endResetModel();
    emit selectionReplaced();
    emit currentIndexMoved(-1);
}

void PlayListModel::applyViewSelection(const QItemSelection &selected, const QItemSelection &deselected)
{
    if (m_commandRunning)
        return;
    auto apply = [this](const QItemSelection &ranges, char value) {
        for (const QItemSelectionRange &range : ranges) {
            const int top = std::max(range.top(), 0);
            const int bottom = std::min(range.bottom(), count() - 1);
            for (int row = top; row <= bottom; ++row)
                m_selected[size_t(row)] = value;
        }
    };
    apply(deselected, 0);
    apply(selected, 1);
}

void PlayListModel::applyViewCurrent(int row)
{
    if (m_commandRunning)
        return;
    m_current = (row >= 0 && row < count()) ? row : -1;
}
