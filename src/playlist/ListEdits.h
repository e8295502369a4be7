// SPDX-License-Identifier: MIT

#pragma once

#include <vector>

#include <QUndoCommand>

#include "playlist/PlayListModel.h"

/**
 * The undoable changes to a list's entries. Each is pushed after it was done, keeps only what it changed
 * (the entries taken out or put in with their rows, the order a sort made, the two rows exchanged), and
 * does nothing on the push itself.
 */
namespace ListEdits {

/** Entries taken out (removed, cleared) or put in (dropped) at their rows. */
class EntriesCommand : public QUndoCommand
{
public:
    enum class Kind { Removed, Added };
    EntriesCommand(PlayListModel &model, Kind kind, PlayListModel::Removal entries, int dropBatch = 0);

    void undo() override;
    void redo() override;
    int id() const override { return 1; }
    /** The batches one folder drop hands in one after another make one step. */
    bool mergeWith(const QUndoCommand *other) override;

private:
    void take();
    void give();

    PlayListModel &m_model;
    const Kind m_kind;
    /** The rows; the entries too while they are out of the list. */
    PlayListModel::Removal m_entries;
    const int m_dropBatch;
    bool m_pushed = false;
};

class SortCommand : public QUndoCommand
{
public:
    static constexpr int kId = 2;
    SortCommand(PlayListModel &model, std::vector<int> order);
    int id() const override { return kId; }
    void undo() override { m_model.reorder(m_order, false); }
    void redo() override;

private:
    PlayListModel &m_model;
    const std::vector<int> m_order;
    bool m_pushed = false;
};

class MoveCommand : public QUndoCommand
{
public:
    MoveCommand(PlayListModel &model, int from, int to);
    void undo() override { m_model.exchangeAndMoveCaret(m_to, m_from); }
    void redo() override;

private:
    PlayListModel &m_model;
    const int m_from;
    const int m_to;
    bool m_pushed = false;
};

/** Entries whose text changed, each before and after. */
class ChangeCommand : public QUndoCommand
{
public:
    ChangeCommand(PlayListModel &model, std::vector<int> rows, std::vector<EntryTexts::Ref> before,
                  std::vector<EntryTexts::Ref> after);
    void undo() override { m_model.replaceEntries(m_rows, m_before); }
    void redo() override;

private:
    PlayListModel &m_model;
    const std::vector<int> m_rows;
    const std::vector<EntryTexts::Ref> m_before;
    const std::vector<EntryTexts::Ref> m_after;
    bool m_pushed = false;
};

/** A sort changes the order alone, which never counts as a change to the list. */
inline bool isSort(const QUndoCommand *command)
{
    return command->id() == SortCommand::kId;
}

} // namespace ListEdits
