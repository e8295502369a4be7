// SPDX-License-Identifier: MIT

#include "playlist/ListEdits.h"

#include <utility>

namespace ListEdits {

EntriesCommand::EntriesCommand(PlayListModel &model, Kind kind, PlayListModel::Removal entries, int dropBatch)
    : m_model(model)
    , m_kind(kind)
    , m_entries(std::move(entries))
    , m_dropBatch(dropBatch)
{
    // What was added is in the list: only its rows are kept until an undo takes it out.
    if (m_kind == Kind::Added)
        m_entries.refs.clear();
}

void EntriesCommand::take()
{
    m_entries = m_model.takeRows(m_entries.rows);
}

void EntriesCommand::give()
{
    std::vector<int> rows = m_entries.rows;
    m_model.putBack(std::move(m_entries));
    m_entries = {std::move(rows), {}};
}

void EntriesCommand::undo()
{
    if (m_kind == Kind::Removed)
        give();
    else
        take();
}

void EntriesCommand::redo()
{
    if (!std::exchange(m_pushed, true))
        return;
    if (m_kind == Kind::Removed)
        take();
    else
        give();
}

bool EntriesCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const EntriesCommand *>(other);
    if (m_kind != Kind::Added || next->m_kind != Kind::Added || m_dropBatch == 0 || next->m_dropBatch != m_dropBatch)
        return false;
    m_entries.rows.insert(m_entries.rows.end(), next->m_entries.rows.begin(), next->m_entries.rows.end());
    return true;
}

SortCommand::SortCommand(PlayListModel &model, std::vector<int> order)
    : m_model(model)
    , m_order(std::move(order))
{}

void SortCommand::redo()
{
    if (std::exchange(m_pushed, true))
        m_model.reorder(m_order, true);
}

MoveCommand::MoveCommand(PlayListModel &model, int from, int to)
    : m_model(model)
    , m_from(from)
    , m_to(to)
{}

void MoveCommand::redo()
{
    if (std::exchange(m_pushed, true))
        m_model.exchangeAndMoveCaret(m_from, m_to);
}

ChangeCommand::ChangeCommand(PlayListModel &model, std::vector<int> rows, std::vector<EntryTexts::Ref> before,
                             std::vector<EntryTexts::Ref> after)
    : m_model(model)
    , m_rows(std::move(rows))
    , m_before(std::move(before))
    , m_after(std::move(after))
{}

void ChangeCommand::redo()
{
    if (std::exchange(m_pushed, true))
        m_model.replaceEntries(m_rows, m_after);
}

} // namespace ListEdits
