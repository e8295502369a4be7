// SPDX-License-Identifier: MIT

#pragma once

#include <vector>

#include <QUndoCommand>

#include "playlist/PlayListModel.h"

/**
 * The undoable changes to a list's entries. Each does its change in redo(), which the push runs the first
 * time, and ends as that first run did, selection and caret included. Each keeps only what it changes: the
 * rows and the references of the entries taken out or put in, the order a sort made, the two rows exchanged.
 */
namespace ListEdits {

/** Entries taken out (removed, cleared) or put in (dropped) at their rows. */
class EntriesCommand : public QUndoCommand
{
public:
    enum class Kind { Removed, Added };
    /** Takes out the rows the plan names. */
    EntriesCommand(PlayListModel &model, const QString &text, PlayListModel::RemovalPlan plan);
    /** Puts in entries whose texts the model keeps already, at the rows given; the selection stays. */
    EntriesCommand(PlayListModel &model, const QString &text, PlayListModel::Removal entries, int dropBatch);

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
    /** The selection and the caret the step leaves. */
    PlayListModel::Selection m_after;
    const int m_dropBatch;
};

class SortCommand : public QUndoCommand
{
public:
    static constexpr int kId = 2;
    SortCommand(PlayListModel &model, const QString &text, std::vector<int> order);
    void undo() override { m_model.reorder(m_order, false); }
    void redo() override { m_model.reorder(m_order, true); }
    int id() const override { return kId; }

private:
    PlayListModel &m_model;
    const std::vector<int> m_order;
};

/** Two neighbouring entries exchanged; the caret goes with the moved one. */
class MoveCommand : public QUndoCommand
{
public:
    MoveCommand(PlayListModel &model, const QString &text, int from, int to);
    void undo() override { m_model.exchangeAndMoveCaret(m_to, m_from); }
    void redo() override { m_model.exchangeAndMoveCaret(m_from, m_to); }

private:
    PlayListModel &m_model;
    const int m_from;
    const int m_to;
};

/** Entries whose text changed, each before and after; with them, the lines at the list's top may change. */
class ChangeCommand : public QUndoCommand
{
public:
    ChangeCommand(PlayListModel &model, const QString &text, std::vector<int> rows, std::vector<EntryTexts::Ref> before,
                  std::vector<EntryTexts::Ref> after);
    /** The step also changes the lines at the list's top. */
    void changeHead(QList<EntryTexts::Ref> before, QList<EntryTexts::Ref> after);
    void undo() override;
    void redo() override;

private:
    PlayListModel &m_model;
    const std::vector<int> m_rows;
    const std::vector<EntryTexts::Ref> m_before;
    const std::vector<EntryTexts::Ref> m_after;
    bool m_changesHead = false;
    QList<EntryTexts::Ref> m_headBefore;
    QList<EntryTexts::Ref> m_headAfter;
};

/** A sort changes the order alone, which never counts as a change to the list. */
inline bool isSort(const QUndoCommand *command)
{
    return command->id() == SortCommand::kId;
}

} // namespace ListEdits
