// SPDX-License-Identifier: MIT

#pragma once

#include <atomic>
#include <memory>
#include <vector>

#include <QAbstractListModel>
#include <QItemSelectionModel>

#include "playlist/EntryTexts.h"

/**
 * The entries of one play list, with the list box's selection and caret in a selection model of its own,
 * which the list's view shares. Each entry is a reference to the bytes of the line it came from (see
 * EntryTexts); its text, title and entry text are made from those bytes when asked for, so a big list costs
 * little more than its file.
 */
class PlayListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { PathRole = Qt::UserRole + 1, EntryTextRole };

    struct Entry
    {
        QString line;
        /** The line's bytes were Windows-1252 text, and are written back that way. */
        bool windows1252 = false;
        /** The comment and directive lines ("#EXTINF:...") that go before the path, and travel with it. */
        QList<QString> ownLines = {};

        bool operator==(const Entry &) const = default;
    };

    /** Entries taken out of the list, with the rows they held, in list order; what an undo puts back. */
    struct Removal
    {
        std::vector<int> rows;
        std::vector<EntryTexts::Ref> refs;
    };

    explicit PlayListModel(QObject *parent = nullptr);
    ~PlayListModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    /** The dragged entries in list order, whatever order they were selected in. */
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

    int count() const { return int(m_refs.size()); }
    Entry entry(int row) const;
    /** The line of an entry, as read or given. */
    QString line(int row) const { return m_texts.text(m_refs[row]); }
    /** The title an entry's own "#EXTINF" line gives it, or else the one made from its path. */
    QString title(int row) const;
    /** The title of the entry with that reference into those texts. */
    static QString titleOf(const EntryTexts &texts, EntryTexts::Ref ref);
    QString entryText(int row) const;
    /** The path as it is saved and played: the line without blanks around it. */
    QString entryPath(int row) const;

    /**
     * Marks the entries whose file was found missing (shown grey, "File not found"), one flag per row; the
     * marks go with the next change to the rows.
     */
    void setMissing(std::vector<bool> missing);
    /**
     * A look for missing files begins: the flag it is given is set when its result can no longer be taken
     * (the rows changed, another look began, or the model is gone), so that it may stop.
     */
    std::shared_ptr<const std::atomic<bool>> beginLook();
    bool isMissing(int row) const { return size_t(row) < m_missing.size() && m_missing[size_t(row)]; }

    /**
     * The texts and the references of the entries, in list order. Copies share the texts and the references
     * until either side changes them, so a worker thread can be given them at no cost.
     */
    const EntryTexts &texts() const { return m_texts; }
    const QList<EntryTexts::Ref> &refs() const { return m_refs; }
    /** The references of the rows given, in their order. */
    std::vector<EntryTexts::Ref> refsAt(const std::vector<int> &rows) const
    {
        std::vector<EntryTexts::Ref> refs;
        refs.reserve(rows.size());
        for (const int row : rows)
            refs.push_back(m_refs.at(row));
        return refs;
    }
    /** The lines that speak for the whole list at its top ("#EXTM3U"), and those after its last entry. */
    const QList<EntryTexts::Ref> &head() const { return m_head; }
    const QList<EntryTexts::Ref> &tail() const { return m_tail; }
    /** Whether the list is an extended one: it starts with "#EXTM3U". */
    bool isExtended() const;
    /** Replaces the lines at the list's top (kept by addTexts()). */
    void setHead(QList<EntryTexts::Ref> head) { m_head = std::move(head); }
    /**
     * Changes whenever the texts are made afresh (a new content, or renumbered to make room): a reference taken
     * earlier names the same entry while it stays the same.
     */
    int textsGeneration() const { return m_textsGeneration; }

    /** The selection and the caret; a view of this model is given this one to work on. */
    QItemSelectionModel *selectionModel() { return &m_selection; }
    /** The caret's row, -1 when there is none. */
    int currentIndex() const { return m_selection.currentIndex().row(); }
    /** The selected rows in list order. */
    QList<int> selectedRows() const;

    /** Replaces every entry; nothing is selected then, and there is no caret. */
    void setEntries(const QList<Entry> &entries);
    /** As setEntries(), with entries as read from a list file, and the lines around them. */
    void setContent(EntryTexts texts, QList<EntryTexts::Ref> refs, QList<EntryTexts::Ref> head = {},
                    QList<EntryTexts::Ref> tail = {});
    void appendEntries(const QList<Entry> &entries);
    /**
     * Keeps the texts of entries for the list, to be put in with replaceEntries(); empty when they do not fit.
     * Making room may renumber the texts, which ends what undo steps can do (historyLost).
     */
    QList<EntryTexts::Ref> addTexts(const QList<Entry> &entries);

    /** A selection and a caret, as runs of selected rows (first, last) and the caret's row (-1: none). */
    struct Selection
    {
        std::vector<std::pair<int, int>> runs;
        int caret = -1;
    };
    /** The selection and the caret now. */
    Selection selection() const;
    /** Selects exactly the runs given, and puts the caret on its row. */
    void select(const Selection &selection);

    /** Rows to take out (ascending), and the selection and caret the list has once they are out. */
    struct RemovalPlan
    {
        std::vector<int> rows;
        Selection after;
    };
    /** The entry at the caret; the caret stays in its place (on the last entry, at the end). */
    RemovalPlan removeOnePlan() const;
    /** Every selected entry, then a selection around where the caret was (see the .cpp). */
    RemovalPlan removeSelectedPlan() const;
    /** Every entry. */
    RemovalPlan clearPlan() const;
    /** The rows given in ascending order; the caret and the selection go to the place of the first. */
    RemovalPlan rowsPlan(std::vector<int> rows) const;

    void selectAll();
    /** Takes out the entries of the rows given in ascending order; the selection goes with the others. */
    Removal takeRows(const std::vector<int> &rows);
    /** Puts taken entries back into the rows they held, and selects them. */
    void putBack(Removal removal);
    /**
     * Orders the entries as ListSort::order() gave (forward), or back as they were before; nothing stays selected,
     * and there is no caret.
     */
    void reorder(const std::vector<int> &order, bool forward);
    /** Replaces the entries of the rows given in ascending order. */
    void replaceEntries(const std::vector<int> &rows, const std::vector<EntryTexts::Ref> &refs);
    /** Exchanges two entries; the caret goes to the second. */
    void exchangeAndMoveCaret(int from, int to);

signals:
    /** The texts were renumbered to make room: entries taken out earlier cannot be put back. */
    void historyLost();

private:
    /** One flag per entry: set where the entry is selected. */
    std::vector<char> selectedMarks() const;
    Removal removeMarked(const std::vector<char> &marked);
    void exchange(int a, int b);

    EntryTexts m_texts;
    QList<EntryTexts::Ref> m_refs;
    QList<EntryTexts::Ref> m_head;
    QList<EntryTexts::Ref> m_tail;
    int m_textsGeneration = 0;
    std::vector<bool> m_missing;
    std::shared_ptr<std::atomic<bool>> m_lookStopped;
    QItemSelectionModel m_selection;
};
