// SPDX-License-Identifier: MIT

#include "playlist/ListEdits.h"

#include <utility>

namespace ListEdits {

EntriesCommand::EntriesCommand(PlayListModel &model, const QString &text, PlayListModel::RemovalPlan plan)
    : QUndoCommand(text)
    , m_model(model)
    , m_kind(Kind::Removed)
    , m_entries{std::move(plan.rows), {}}
    , m_after(std::move(plan.after))
    , m_dropBatch(0)
{}

EntriesCommand::EntriesCommand(PlayListModel &model, const QString &text, PlayListModel::Removal entries, int dropBatch)
    : QUndoCommand(text)
    , m_model(model)
    , m_kind(Kind::Added)
    , m_entries(std::move(entries))
    , m_after(model.selection())
    , m_dropBatch(dropBatch)
{}

void EntriesCommand::take()
{
    m_entries = m_model.takeRows(m_entries.rows);
}

// What is in the list again keeps only its rows until it is taken out.
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
    if (m_kind == Kind::Removed)
        take();
    else
        give();
    m_model.select(m_after);
}

bool EntriesCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const EntriesCommand *>(other);
    if (m_kind != Kind::Added || next->m_kind != Kind::Added || m_dropBatch == 0 || next->m_dropBatch != m_dropBatch)
        return false;
    m_entries.rows.insert(m_entries.rows.end(), next->m_entries.rows.begin(), next->m_entries.rows.end());
    m_after = next->m_after;
    return true;
}

SortCommand::SortCommand(PlayListModel &model, const QString &text, std::vector<int> order)
    : QUndoCommand(text)
    , m_model(model)
    , m_order(std::move(order))
{}

MoveCommand::MoveCommand(PlayListModel &model, const QString &text, int from, int to)
    : QUndoCommand(text)
    , m_model(model)
    , m_from(from)
    , m_to(to)
{}

ChangeCommand::ChangeCommand(PlayListModel &model, const QString &text, std::vector<int> rows,
                             std::vector<EntryTexts::Ref> before, std::vector<EntryTexts::Ref> after)
    : QUndoCommand(text)
    , m_model(model)
    , m_rows(std::move(rows))
    , m_before(std::move(before))
    , m_after(std::move(after))
{}

void ChangeCommand::changeHead(QList<EntryTexts::Ref> before, QList<EntryTexts::Ref> after)
{
    m_changesHead = true;
    m_headBefore = std::move(before);
    m_headAfter = std::move(after);
}

void ChangeCommand::undo()
{
    m_model.replaceEntries(m_rows, m_before);
    if (m_changesHead)
        m_model.setHead(m_headBefore);
}

void ChangeCommand::redo()
{
    m_model.replaceEntries(m_rows, m_after);
    if (m_changesHead)
        m_model.setHead(m_headAfter);
}

} // namespace ListEdits
