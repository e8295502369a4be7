// SPDX-License-Identifier: MIT

#include "playlist/PlayListModel.h"

#include <algorithm>
#include <numeric>

#include <QColor>
#include <QCoreApplication>

#include "platform/EightBitText.h"
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
    const auto forget = [this] {
        m_missing.clear();
        if (m_lookStopped)
            *m_lookStopped = true;
    };
    connect(this, &QAbstractItemModel::rowsInserted, this, forget);
    connect(this, &QAbstractItemModel::rowsRemoved, this, forget);
    connect(this, &QAbstractItemModel::modelReset, this, forget);
}

PlayListModel::~PlayListModel()
{
    if (m_lookStopped)
        *m_lookStopped = true;
}

std::shared_ptr<const std::atomic<bool>> PlayListModel::beginLook()
{
    if (m_lookStopped)
        *m_lookStopped = true;
    m_lookStopped = std::make_shared<std::atomic<bool>>(false);
    return m_lookStopped;
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

PlayListModel::Entry PlayListModel::entry(int row) const
{
    const EntryTexts::Ref ref = m_refs[row];
    return {m_texts.text(ref), EntryTexts::writtenAsWindows1252(ref), m_texts.ownTexts(ref)};
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
    return titleOf(m_texts, m_refs[row]);
}

QString PlayListModel::titleOf(const EntryTexts &texts, EntryTexts::Ref ref)
{
    QString title;
    texts.visit(ref, [&title](QByteArrayView own) {
        if (title.isEmpty() && own.size() > 8 && qstrnicmp(own.data(), "#EXTINF:", 8) == 0)
            title = PlayListEntry::extinfTitle(EightBitText::decode(own));
    });
    return title.isEmpty() ? PlayListEntry::titleOf(texts.text(ref)) : title;
}

QString PlayListModel::entryText(int row) const
{
    return PlayListEntry::makeEntry(title(row), line(row));
}

bool PlayListModel::isExtended() const
{
    if (m_head.isEmpty())
        return false;
    const QByteArrayView first = m_texts.line(m_head.first());
    return first.size() >= 7 && qstrnicmp(first.data(), "#EXTM3U", 7) == 0;
}

QString PlayListModel::entryPath(int row) const
{
    return PlayListEntry::trimBlanks(line(row));
}

std::vector<char> PlayListModel::selectedMarks() const
{
    // From the ranges, not row by row: asking the selection model about each row costs a pass over its ranges.
    std::vector<char> marks(m_refs.size(), 0);
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

void PlayListModel::setEntries(const QList<Entry> &entries)
{
    beginResetModel();
    m_texts = EntryTexts();
    m_refs.clear();
    m_head.clear();
    m_tail.clear();
    ++m_textsGeneration;
    m_refs = addTexts(entries);
    // The selection model forgets the selection and the caret with the reset.
    endResetModel();
}

void PlayListModel::setContent(EntryTexts texts, QList<EntryTexts::Ref> refs, QList<EntryTexts::Ref> head,
                               QList<EntryTexts::Ref> tail)
{
    beginResetModel();
    m_texts = std::move(texts);
    m_refs = std::move(refs);
    m_head = std::move(head);
    m_tail = std::move(tail);
    ++m_textsGeneration;
    // The selection model forgets the selection and the caret with the reset.
    endResetModel();
}

QList<EntryTexts::Ref> PlayListModel::addTexts(const QList<Entry> &entries)
{
    QList<QString> lines;
    QList<bool> windows1252;
    QList<QList<QString>> ownLines;
    lines.reserve(entries.size());
    windows1252.reserve(entries.size());
    ownLines.reserve(entries.size());
    for (const Entry &entry : entries) {
        lines.append(entry.line);
        windows1252.append(entry.windows1252);
        ownLines.append(entry.ownLines);
    }
    const qsizetype needed = EntryTexts::blockSize(lines, ownLines);
    if (!m_texts.hasRoomFor(needed)) {
        // Texts no entry refers to any more are dropped: the entries' texts, and the lines around them, are
        // written afresh.
        QList<QString> kept;
        QList<bool> keptWindows1252;
        QList<QList<QString>> keptOwnLines;
        const qsizetype total = m_head.size() + m_refs.size() + m_tail.size();
        kept.reserve(total);
        keptWindows1252.reserve(total);
        keptOwnLines.reserve(total);
        for (const auto *refs : {&m_head, &m_refs, &m_tail}) {
            for (const EntryTexts::Ref ref : *refs) {
                const bool entry = refs == &m_refs;
                kept.append(entry ? m_texts.text(ref) : m_texts.lineText(ref));
                keptWindows1252.append(EntryTexts::writtenAsWindows1252(ref));
                keptOwnLines.append(entry ? m_texts.ownTexts(ref) : QList<QString>());
            }
        }
        EntryTexts texts;
        if (!texts.hasRoomFor(EntryTexts::blockSize(kept, keptOwnLines) + needed))
            return {};
        const QList<EntryTexts::Ref> refs = texts.addLines(kept, keptWindows1252, keptOwnLines);
        m_head = refs.first(m_head.size());
        m_refs = refs.sliced(m_head.size(), m_refs.size());
        m_tail = refs.sliced(m_head.size() + m_refs.size());
        m_texts = std::move(texts);
        ++m_textsGeneration;
        emit historyLost();
    }
    return m_texts.addLines(lines, windows1252, ownLines);
}

void PlayListModel::appendEntries(const QList<Entry> &entries)
{
    if (entries.isEmpty())
        return;
    const QList<EntryTexts::Ref> refs = addTexts(entries);
    if (refs.isEmpty())
        return;
    beginInsertRows(QModelIndex(), count(), count() + int(refs.size()) - 1);
    m_refs.append(refs);
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
    removal.refs.reserve(removal.rows.size());

    auto compact = [this, &marked, &removal] {
        qsizetype kept = 0;
        EntryTexts::Ref *refs = m_refs.data();
        for (qsizetype i = 0; i < m_refs.size(); ++i) {
            if (marked[size_t(i)]) {
                removal.refs.push_back(refs[i]);
                continue;
            }
            refs[kept++] = refs[i];
        }
        m_refs.resize(kept);
    };

    // A reset also empties the selection; the steps that take rows out select afresh afterwards.
    if (runs.size() > kMaxRemovalRuns) {
        beginResetModel();
        compact();
        endResetModel();
        return removal;
    }
    for (const auto &[first, last] : runs) {
        for (int row = first; row <= last; ++row)
            removal.refs.push_back(m_refs[row]);
    }
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        beginRemoveRows(QModelIndex(), run->first, run->second);
        m_refs.remove(run->first, run->second - run->first + 1);
        endRemoveRows();
    }
    return removal;
}

PlayListModel::Removal PlayListModel::takeRows(const std::vector<int> &rows)
{
    std::vector<char> marked(m_refs.size(), 0);
    for (const int row : rows) {
        if (row >= 0 && row < count())
            marked[size_t(row)] = 1;
    }
    return removeMarked(marked);
}

void PlayListModel::putBack(Removal removal)
{
    const size_t total = size_t(m_refs.size()) + removal.refs.size();
    std::vector<std::pair<int, int>> runs;
    for (const int row : removal.rows) {
        if (!runs.empty() && runs.back().second == row - 1)
            runs.back().second = row;
        else
            runs.emplace_back(row, row);
    }
    if (runs.size() > kMaxRemovalRuns) {
        QList<EntryTexts::Ref> merged;
        merged.reserve(qsizetype(total));
        size_t taken = 0;
        qsizetype kept = 0;
        for (size_t row = 0; row < total; ++row) {
            if (taken < removal.rows.size() && size_t(removal.rows[taken]) == row)
                merged.append(removal.refs[taken++]);
            else
                merged.append(m_refs.at(kept++));
        }
        beginResetModel();
        m_refs = std::move(merged);
        endResetModel();
    } else {
        std::ptrdiff_t taken = 0;
        for (const auto &[first, last] : runs) {
            const std::ptrdiff_t length = last - first + 1;
            beginInsertRows(QModelIndex(), first, last);
            m_refs.insert(first, length, 0);
            std::copy_n(removal.refs.begin() + taken, length, m_refs.begin() + first);
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
    QList<EntryTexts::Ref> ordered(m_refs.size());
    for (size_t row = 0; row < order.size(); ++row) {
        if (forward)
            ordered[qsizetype(row)] = m_refs.at(order[row]);
        else
            ordered[order[row]] = m_refs.at(qsizetype(row));
    }
    beginResetModel();
    m_refs = std::move(ordered);
    endResetModel();
}

void PlayListModel::replaceEntries(const std::vector<int> &rows, const std::vector<EntryTexts::Ref> &refs)
{
    if (rows.empty())
        return;
    for (size_t i = 0; i < rows.size(); ++i)
        m_refs[rows[i]] = refs[i];
    m_missing.clear();
    emit dataChanged(index(rows.front()), index(rows.back()));
}

void PlayListModel::setMissing(std::vector<bool> missing)
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

PlayListModel::Selection PlayListModel::selection() const
{
    Selection state;
    for (const QItemSelectionRange &range : m_selection.selection())
        state.runs.emplace_back(range.top(), range.bottom());
    state.caret = currentIndex();
    return state;
}

void PlayListModel::select(const Selection &state)
{
    QItemSelection selection;
    for (const auto &[first, last] : state.runs)
        selection.select(index(first), index(last));
    m_selection.setCurrentIndex(index(state.caret), QItemSelectionModel::NoUpdate);
    m_selection.select(selection, QItemSelectionModel::ClearAndSelect);
}

// The selection moves up with its entries, as the selection model moves it when the row goes.
PlayListModel::RemovalPlan PlayListModel::removeOnePlan() const
{
    const int caret = currentIndex();
    if (caret < 0 || caret >= count())
        return {};
    RemovalPlan plan{{caret}, {{}, std::min(caret, count() - 2)}};
    for (const QItemSelectionRange &range : m_selection.selection()) {
        const int first = range.top() > caret ? range.top() - 1 : range.top();
        const int last = range.bottom() >= caret ? range.bottom() - 1 : range.bottom();
        if (first <= last)
            plan.after.runs.emplace_back(first, last);
    }
    return plan;
}

// Removes every selected entry. The caret position `cur` drops by one for every entry removed, wherever it
// stood; then the entries at cur + 1 and cur are selected where they exist, and so is the entry holding the
// caret. With nothing selected, nothing is removed and the caret entry and the one below it are selected.
PlayListModel::RemovalPlan PlayListModel::removeSelectedPlan() const
{
    const int caret = currentIndex();
    const std::vector<char> marked = selectedMarks();
    RemovalPlan plan;
    int cur = caret;
    int survivorsBeforeCaret = 0;
    bool caretRemoved = false;
    for (int row = 0; row < count(); ++row) {
        if (marked[size_t(row)]) {
            plan.rows.push_back(row);
            --cur;
            if (row == caret)
                caretRemoved = true;
        } else if (row < caret) {
            ++survivorsBeforeCaret;
        }
    }

    const int remaining = count() - int(plan.rows.size());
    int newCaret = -1;
    if (caret >= 0 && remaining > 0)
        newCaret = caretRemoved ? std::min(survivorsBeforeCaret, remaining - 1) : survivorsBeforeCaret;
    std::vector<int> rows;
    if (remaining > 0 && cur >= 0)
        rows = {cur, cur + 1};
    rows.push_back(newCaret);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (const int row : rows) {
        if (row >= 0 && row < remaining)
            plan.after.runs.emplace_back(row, row);
    }
    plan.after.caret = newCaret;
    return plan;
}

PlayListModel::RemovalPlan PlayListModel::clearPlan() const
{
    RemovalPlan plan;
    plan.rows.resize(size_t(count()));
    std::iota(plan.rows.begin(), plan.rows.end(), 0);
    return plan;
}

PlayListModel::RemovalPlan PlayListModel::rowsPlan(std::vector<int> rows) const
{
    RemovalPlan plan;
    if (rows.empty())
        return plan;
    const int place = std::min(rows.front(), count() - int(rows.size()) - 1);
    plan.rows = std::move(rows);
    if (place >= 0)
        plan.after = {{{place, place}}, place};
    return plan;
}

void PlayListModel::exchange(int a, int b)
{
    m_refs.swapItemsAt(a, b);
    if (isMissing(a) != isMissing(b))
        std::vector<bool>::swap(m_missing[size_t(a)], m_missing[size_t(b)]);
    const QModelIndex first = index(std::min(a, b));
    const QModelIndex last = index(std::max(a, b));
    emit dataChanged(first, last);
}

void PlayListModel::selectAll()
{
    if (count() > 0)
        m_selection.select(QItemSelection(index(0), index(count() - 1)), QItemSelectionModel::ClearAndSelect);
}
