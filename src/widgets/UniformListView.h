// SPDX-License-Identifier: MIT

#pragma once

#include <algorithm>
#include <utility>

#include <QAbstractItemView>
#include <QPersistentModelIndex>

/**
 * Rows one under the other and all of one height (a play list's entries), shown as a list box shows them. A row's place
 * follows from its number, so the view keeps nothing per row: painting, hit tests, keys and scrolling cost the rows on
 * screen or the selection's ranges, however long the list. It looks and behaves as a QListView in list mode with
 * uniform item sizes: rows from the top, no spacing, as wide as the view or as the last row's size hint, and the
 * vertical scroll bar counts rows.
 */
class UniformListView : public QAbstractItemView
{
    Q_OBJECT

public:
    explicit UniformListView(QWidget *parent = nullptr);

    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    int sizeHintForRow(int row) const override;
    int sizeHintForColumn(int column) const override;
    void doItemsLayout() override;
    void reset() override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &) const override { return false; }
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    /** One index per selected row, as QAbstractItemView's: a drag needs them for its data, so it costs that much. */
    QModelIndexList selectedIndexes() const override;
    void initViewItemOption(QStyleOptionViewItem *option) const override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;

    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles = QList<int>()) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    // Tell assistive technology of the caret and the selection, which it reads per row.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    int rowCount() const;
    QModelIndex rowIndex(int row) const;
    /** The size hint every row shares, taken from the last row when first needed after a change. */
    QSize itemSize() const;
    int rowHeight() const { return std::max(itemSize().height(), 1); }
    bool scrollsPerRow() const { return verticalScrollMode() == ScrollPerItem; }
    /** How far the contents are scrolled up, in pixels, without the overflow of an int. */
    qint64 contentsTop() const;
    /**
     * The first and the last row crossing the lines top to bottom of the viewport; first > last when none. Lines
     * below the last row give the last row as last, and -1 is last only for lines above the first row.
     */
    std::pair<int, int> rowsBetween(int top, int bottom) const;
    void forgetItemSize();
    /** Tells assistive technology that the caret's row has the focus, when the view has it. */
    void announceCurrent();

    mutable QSize m_itemSize;
    /** The row under the mouse, shown as hovered where the style wants it. */
    QPersistentModelIndex m_hover;
    /** The row the last press of a mouse button was on. */
    QPersistentModelIndex m_pressed;
    /** Where the line or frame that shows a drop's place goes, while something is dragged over the view. */
    QRect m_dropIndicator;
};
