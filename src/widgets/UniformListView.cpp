// SPDX-License-Identifier: MIT

#include "widgets/UniformListView.h"

#include <QAccessible>
#include <QCursor>
#include <QDragMoveEvent>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace {

// Far beyond any screen, and far enough from the ends of an int that a rectangle's sums cannot overflow.
constexpr qint64 kFarAway = qint64(1) << 30;

int clamped(qint64 value)
{
    return int(std::clamp(value, -kFarAway, kFarAway));
}

} // namespace

UniformListView::UniformListView(QWidget *parent)
    : QAbstractItemView(parent)
{
    // As a list box starts out: one row at a time, and a drop copies.
    setSelectionMode(SingleSelection);
    setDefaultDropAction(Qt::CopyAction);
    setAttribute(Qt::WA_MacShowFocusRect);
}

int UniformListView::rowCount() const
{
    const QAbstractItemModel *rows = model();
    if (!rows || rows->columnCount(rootIndex()) <= 0)
        return 0;
    return rows->rowCount(rootIndex());
}

QModelIndex UniformListView::rowIndex(int row) const
{
    return model()->index(row, 0, rootIndex());
}

// The last row stands for all of them, as in a QListView with uniform item sizes: of a list that grows at its
// end, it is the one most likely to be the widest.
QSize UniformListView::itemSize() const
{
    if (!m_itemSize.isValid()) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const int rows = rowCount();
        const QModelIndex sample = rows > 0 ? rowIndex(rows - 1) : QModelIndex();
        const QAbstractItemDelegate *delegate = sample.isValid() ? itemDelegateForIndex(sample) : itemDelegate();
        m_itemSize = (delegate ? delegate->sizeHint(option, sample) : QSize()).expandedTo(QSize(0, 0));
    }
    return m_itemSize;
}

void UniformListView::forgetItemSize()
{
    m_itemSize = QSize();
}

qint64 UniformListView::contentsTop() const
{
    const qint64 value = verticalScrollBar()->value();
    return scrollsPerRow() ? value * rowHeight() : value;
}

std::pair<int, int> UniformListView::rowsBetween(int top, int bottom) const
{
    const int rows = rowCount();
    const qint64 lastLine = bottom + contentsTop();
    if (rows == 0 || lastLine < 0)
        return {0, -1};
    const qint64 first = std::max(top + contentsTop(), qint64(0)) / rowHeight();
    const qint64 last = std::min(lastLine / rowHeight(), qint64(rows) - 1);
    return {int(std::min(first, qint64(rows))), int(last)};
}

int UniformListView::horizontalOffset() const
{
    const QScrollBar *bar = horizontalScrollBar();
    return isRightToLeft() ? bar->maximum() - bar->value() : bar->value();
}

int UniformListView::verticalOffset() const
{
    return clamped(contentsTop());
}

// A row is as wide as the view, or as its size hint where that is wider.
QRect UniformListView::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() || index.column() != 0)
        return {};
    const int width = std::max(itemSize().width(), viewport()->width());
    const qint64 top = qint64(index.row()) * rowHeight() - contentsTop();
    return {-horizontalOffset(), clamped(top), width, rowHeight()};
}

QModelIndex UniformListView::indexAt(const QPoint &point) const
{
    const qint64 line = point.y() + contentsTop();
    if (line < 0 || line / rowHeight() >= rowCount())
        return {};
    const QModelIndex index = rowIndex(int(line / rowHeight()));
    return visualRect(index).contains(point) ? index : QModelIndex();
}

int UniformListView::sizeHintForRow(int row) const
{
    if (row < 0 || row >= rowCount())
        return -1;
    return itemSize().height();
}

int UniformListView::sizeHintForColumn(int column) const
{
    if (!model() || column < 0 || column >= model()->columnCount(rootIndex()))
        return -1;
    return rowCount() > 0 ? itemSize().width() : 0;
}

// Scrolling per item, as a QListView does unless the style says otherwise, the scroll bar's value is the top
// row: a row scrolled to the top, bottom or centre leaves no row half shown at the top.
void UniformListView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (index.parent() != rootIndex() || index.column() != 0)
        return;
    executeDelayedItemsLayout();
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    const QRect area = viewport()->rect();
    if (hint == EnsureVisible) {
        if (area.contains(rect)) {
            viewport()->update(rect);
            return;
        }
        if (rect.top() < area.top())
            hint = PositionAtTop;
        else if (rect.bottom() > area.bottom())
            hint = PositionAtBottom;
        else
            return;
    }
    QScrollBar *bar = verticalScrollBar();
    if (!scrollsPerRow()) {
        int value = bar->value();
        if (hint == PositionAtTop)
            value += rect.top();
        else if (hint == PositionAtBottom)
            value += std::min(rect.top(), rect.bottom() - area.height() + 1);
        else
            value += rect.top() - (area.height() - rect.height()) / 2;
        bar->setValue(value);
        return;
    }
    // The rows that fit wholly from the top of the view down to this one's bottom, this one included.
    const int row = index.row();
    const int fitting = std::min(row + 1, std::max(area.height() / rowHeight(), 1));
    if (hint == PositionAtTop)
        bar->setValue(row);
    else if (hint == PositionAtBottom)
        bar->setValue(row - fitting + 1);
    else
        bar->setValue(row - fitting / 2);
}

// Up, down, home and end as in any list; a page moves by the rows wholly shown less one, so that the row the
// caret leaves stays in sight. Left and right keep the caret where it is.
QModelIndex UniformListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    Q_UNUSED(modifiers);
    const int rows = rowCount();
    if (rows == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return rowIndex(0);
    const int row = current.row();
    const int height = viewport()->height();
    const int pageRows = height / rowHeight();
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        return row > 0 ? rowIndex(row - 1) : current;
    case MoveDown:
    case MoveNext:
        return row + 1 < rows ? rowIndex(row + 1) : current;
    case MovePageUp:
        if (rowHeight() >= height)
            return moveCursor(MoveUp, modifiers);
        return rowIndex(std::max(row - pageRows + 1, 0));
    case MovePageDown:
        if (rowHeight() >= height)
            return moveCursor(MoveDown, modifiers);
        return rowIndex(std::min(row + pageRows - 1, rows - 1));
    case MoveHome:
        return rowIndex(0);
    case MoveEnd:
        return rowIndex(rows - 1);
    case MoveLeft:
    case MoveRight:
        break;
    }
    return current;
}

// The rows crossed by the rectangle, as one range. As in a list box, a point below the last row stands for
// the last row.
void UniformListView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    if (!selectionModel())
        return;
    QItemSelection selection;
    const auto [first, last] = rowsBetween(std::min(rect.top(), rect.bottom()), std::max(rect.top(), rect.bottom()));
    if (last >= 0) {
        const QModelIndex top = rowIndex(std::min(first, last));
        const QModelIndex bottom = rowIndex(last);
        if ((top.flags() & Qt::ItemIsEnabled) && (bottom.flags() & Qt::ItemIsEnabled))
            selection.select(top, bottom);
    }
    selectionModel()->select(selection, command);
}

// Only the rows on screen of each range count: a selection of every row costs no more than one of a few.
QRegion UniformListView::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    const auto [firstShown, lastShown] = rowsBetween(0, viewport()->height() - 1);
    for (const QItemSelectionRange &range : selection) {
        if (!range.isValid() || range.parent() != rootIndex())
            continue;
        const int top = std::max(range.top(), firstShown);
        const int bottom = std::min(range.bottom(), lastShown);
        if (top <= bottom)
            region += QRect(visualRect(rowIndex(top)).topLeft(), visualRect(rowIndex(bottom)).bottomRight());
    }
    return region;
}

QModelIndexList UniformListView::selectedIndexes() const
{
    if (!selectionModel())
        return {};
    QModelIndexList indexes = selectionModel()->selectedIndexes();
    indexes.removeIf([this](const QModelIndex &index) { return index.column() != 0 || index.parent() != rootIndex(); });
    return indexes;
}

void UniformListView::initViewItemOption(QStyleOptionViewItem *option) const
{
    QAbstractItemView::initViewItemOption(option);
    if (!iconSize().isValid()) {
        const int size = style()->pixelMetric(QStyle::PM_ListViewIconSize, nullptr, this);
        option->decorationSize = QSize(size, size);
    }
    option->decorationPosition = QStyleOptionViewItem::Left;
    option->viewItemPosition = QStyleOptionViewItem::OnlyOne;
}

// The vertical scroll bar counts rows, its page the rows wholly shown (or pixels, where the style scrolls per
// pixel); the horizontal one counts pixels.
void UniformListView::updateGeometries()
{
    QScrollBar *across = horizontalScrollBar();
    QScrollBar *down = verticalScrollBar();
    const int rows = rowCount();
    if (geometry().isEmpty() || rows == 0) {
        across->setRange(0, 0);
        down->setRange(0, 0);
    } else {
        const QSize item = itemSize();
        const qint64 contentsHeight = qint64(rows) * rowHeight();
        const QSize room = contentsRect().marginsRemoved(viewportMargins()).size();
        // With both bars shown as needed, a bar whose contents fit the room it would have is left out; otherwise
        // the two could switch each other on and off for ever.
        const bool bothAsNeeded =
            horizontalScrollBarPolicy() == Qt::ScrollBarAsNeeded && verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded;
        const bool tall = contentsHeight > room.height();
        const bool wide = item.width() > room.width() - (tall ? down->width() : 0);
        across->setSingleStep(item.width());
        across->setPageStep(viewport()->width());
        across->setRange(0, bothAsNeeded && !wide ? 0 : item.width() - viewport()->width());
        if (scrollsPerRow()) {
            const int pageRows = contentsHeight <= viewport()->height() ? rows + 1 : viewport()->height() / rowHeight();
            down->setSingleStep(1);
            down->setPageStep(pageRows);
            down->setRange(0, rows - pageRows);
        } else {
            const bool tallBesideBar =
                contentsHeight > room.height() - (item.width() > room.width() ? across->height() : 0);
            down->setSingleStep(rowHeight());
            down->setPageStep(viewport()->height());
            down->setRange(0, bothAsNeeded && !tallBesideBar ? 0 : clamped(contentsHeight - viewport()->height()));
        }
    }
    QAbstractItemView::updateGeometries();
    if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff)
        across->setRange(0, 0);
}

void UniformListView::scrollContentsBy(int dx, int dy)
{
    if (scrollsPerRow()) {
        // Rows to pixels; a jump past the whole viewport paints it anew, whatever its length.
        const qint64 limit = viewport()->height() + rowHeight();
        dy = int(std::clamp(qint64(dy) * rowHeight(), -limit, limit));
    }
    QAbstractItemView::scrollContentsBy(isRightToLeft() ? -dx : dx, dy);
}

void UniformListView::doItemsLayout()
{
    forgetItemSize();
    QAbstractItemView::doItemsLayout();
}

void UniformListView::reset()
{
    forgetItemSize();
    m_hover = QPersistentModelIndex();
    QAbstractItemView::reset();
}

void UniformListView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles)
{
    forgetItemSize();
    scheduleDelayedItemsLayout();
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

void UniformListView::rowsInserted(const QModelIndex &parent, int start, int end)
{
    forgetItemSize();
    scheduleDelayedItemsLayout();
    QAbstractItemView::rowsInserted(parent, start, end);
}

void UniformListView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    forgetItemSize();
    scheduleDelayedItemsLayout();
}

void UniformListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QAbstractItemView::currentChanged(current, previous);
    announceCurrent();
}

// Qt tells of the view's own focus after this event: the caret's row is told of once that is done, so that a
// screen reader is left on the row.
void UniformListView::focusInEvent(QFocusEvent *event)
{
    QAbstractItemView::focusInEvent(event);
    QMetaObject::invokeMethod(this, &UniformListView::announceCurrent, Qt::QueuedConnection);
}

void UniformListView::announceCurrent()
{
    const QModelIndex current = currentIndex();
    if (!QAccessible::isActive() || !hasFocus() || !current.isValid() || current.parent() != rootIndex())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(current.row());
    QAccessible::updateAccessibility(&event);
}

// Each row that changed is told of while there are few; a change of many rows (Ctrl+A on a long list) is told of
// once, for the list, as reading it row by row would take as long as the list is.
void UniformListView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QAbstractItemView::selectionChanged(selected, deselected);
    if (!QAccessible::isActive())
        return;
    constexpr qint64 kRowsToldOneByOne = 32;
    qint64 changed = 0;
    for (const QItemSelection *ranges : {&selected, &deselected}) {
        for (const QItemSelectionRange &range : *ranges)
            changed += range.parent() == rootIndex() ? range.height() : 0;
    }
    if (changed > kRowsToldOneByOne) {
        QAccessibleEvent event(this, QAccessible::SelectionWithin);
        QAccessible::updateAccessibility(&event);
        return;
    }
    for (const auto &[ranges, type] :
         {std::pair{&selected, QAccessible::SelectionAdd}, std::pair{&deselected, QAccessible::SelectionRemove}}) {
        for (const QItemSelectionRange &range : *ranges) {
            if (range.parent() != rootIndex())
                continue;
            for (int row = range.top(); row <= range.bottom(); ++row) {
                QAccessibleEvent event(this, type);
                event.setChild(row);
                QAccessible::updateAccessibility(&event);
            }
        }
    }
}

// The rows in the damaged area only, in the states a QListView paints them with.
void UniformListView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State viewState = option.state;
    const bool enabled = viewState & QStyle::State_Enabled;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QItemSelectionModel *selections = selectionModel();
    const auto [first, last] = rowsBetween(event->rect().top(), event->rect().bottom());
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = rowIndex(row);
        option.rect = visualRect(index);
        option.state = viewState;
        if (selections && selections->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled) {
            const bool rowEnabled = index.flags() & Qt::ItemIsEnabled;
            option.state.setFlag(QStyle::State_Enabled, rowEnabled);
            option.palette.setCurrentColorGroup(rowEnabled ? QPalette::Normal : QPalette::Disabled);
        }
        if (focus && index == current) {
            option.state |= QStyle::State_HasFocus;
            if (state() == EditingState)
                option.state |= QStyle::State_Editing;
        }
        option.state.setFlag(QStyle::State_MouseOver, index == m_hover);
        if (alternatingRowColors()) {
            option.features.setFlag(QStyleOptionViewItem::Alternate, row % 2 != 0);
            // The delegate paints the rest; the alternate background goes under it, never as selected.
            QStyleOptionViewItem background = option;
            background.state &= ~QStyle::State_Selected;
            style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &background, &painter, this);
        }
        if (QAbstractItemDelegate *delegate = itemDelegateForIndex(index))
            delegate->paint(&painter, option, index);
    }
    if (state() == DraggingState && showDropIndicator() && viewport()->cursor().shape() != Qt::ForbiddenCursor) {
        QStyleOption indicator;
        indicator.initFrom(this);
        indicator.rect = m_dropIndicator;
        style()->drawPrimitive(QStyle::PE_IndicatorItemViewItemDrop, &indicator, &painter, this);
    }
}

void UniformListView::mousePressEvent(QMouseEvent *event)
{
    m_pressed = indexAt(event->position().toPoint());
    QAbstractItemView::mousePressEvent(event);
}

// QAbstractItemView lists every selected index on each move with a button held, until a drag begins, to learn
// whether any of them can be dragged; with millions of rows selected, each move would wait for that. Every row
// of a list can be dragged, so whether anything is selected says the same.
void UniformListView::mouseMoveEvent(QMouseEvent *event)
{
    if (state() == NoState && dragEnabled() && event->buttons() != Qt::NoButton && m_pressed.isValid() &&
        selectionModel() && selectionModel()->hasSelection())
        setState(DraggingState);
    QAbstractItemView::mouseMoveEvent(event);
}

bool UniformListView::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        m_hover = indexAt(static_cast<QHoverEvent *>(event)->position().toPoint());
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        m_hover = QPersistentModelIndex();
        break;
    default:
        break;
    }
    return QAbstractItemView::viewportEvent(event);
}

// QAbstractItemView decides where a drop would go; the line above or below a row, or the frame around it,
// that shows the place is worked out here, as QAbstractItemView does for its own views.
void UniformListView::dragMoveEvent(QDragMoveEvent *event)
{
    QAbstractItemView::dragMoveEvent(event);
    m_dropIndicator = QRect();
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!showDropIndicator() || !index.isValid())
        return;
    const QRect rect = visualRect(index);
    const bool intoList = model()->flags(index.parent()) & Qt::ItemIsDropEnabled;
    switch (dropIndicatorPosition()) {
    case AboveItem:
        if (intoList)
            m_dropIndicator = QRect(rect.left(), rect.top(), rect.width(), 0);
        break;
    case BelowItem:
        if (intoList)
            m_dropIndicator = QRect(rect.left(), rect.bottom(), rect.width(), 0);
        break;
    case OnItem:
        if (index.flags() & Qt::ItemIsDropEnabled)
            m_dropIndicator = rect;
        break;
    case OnViewport:
        break;
    }
}
