// SPDX-License-Identifier: MIT

#pragma once

#include <vector>

#include <QAbstractListModel>
#include <QItemSelection>

class QCollator;

/**
 * The entries of one play list, with the list box's own state: a selected flag per entry and a current
 * index (the caret, -1 when none). Each entry keeps the line it came from; its title and entry text are
 * made from that line when asked for, so a big list costs little more than its paths.
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

        bool operator==(const Entry &) const = default;
    };

    explicit PlayListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    /** The dragged entries in list order, whatever order they were selected in. */
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

    int count() const { return int(m_entries.size()); }
    const Entry &entry(int row) const { return m_entries[size_t(row)]; }
    QString title(int row) const;
    QString entryText(int row) const;
    /** The path as it is saved and played: the line without blanks around it. */
    QString entryPath(int row) const;

    int currentIndex() const { return m_current; }
    void setCurrentIndex(int row);
    bool isSelected(int row) const { return m_selected[size_t(row)] != 0; }
    void setSelected(int row, bool selected);
    /** Selects exactly these rows, in one change. */
    void setSelectedRows(const QList<int> &rows);
    QList<int> selectedRows() const;

    void setEntries(QList<Entry> entries);
    void appendEntries(const QList<Entry> &entries);

    /** Selects the current entry and removes it; nothing when there is no current entry. */
    void removeOne();
    /** Removes every selected entry, then selects around where the caret was (see the .cpp). */
    void removeSelected();
    /** Exchanges the current entry with the one above (below); false when there is none to exchange with. */
    bool moveUp();
    bool moveDown();
    void selectAll();
    void clear();
    /** Orders the entries as a sorted list box does: whole entry texts, letter case ignored. */
    void sortEntries(const QCollator &collator);

    /** The view's own selection handling changed these entries. */
    void applyViewSelection(const QItemSelection &selected, const QItemSelection &deselected);
    /** The view moved its caret. */
    void applyViewCurrent(int row);

signals:
    /** The selection was changed here; a view must take every entry's flag again. */
    void selectionReplaced();
    /** The caret was moved here. */
    void currentIndexMoved(int row);

private:
    void removeMarked(const std::vector<char> &marked);
    void exchange(int a, int b);
    void moveCaret(int row);

    std::vector<Entry> m_entries;
    std::vector<char> m_selected;
    int m_current = -1;
    // While a command changes the list, the view's echo of the change is not taken back.
    bool m_commandRunning = false;
};
