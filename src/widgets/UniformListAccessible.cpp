// SPDX-License-Identifier: MIT

#include "widgets/UniformListAccessible.h"

#include <algorithm>

#include <QItemSelectionModel>
#include <QPointer>

#include "widgets/UniformListView.h"

namespace {

int rowsOf(const UniformListView *view)
{
    const QAbstractItemModel *model = view ? view->model() : nullptr;
    if (!model || model->columnCount(view->rootIndex()) <= 0)
        return 0;
    return model->rowCount(view->rootIndex());
}

QModelIndex indexOf(const UniformListView *view, int row)
{
    return view->model()->index(row, 0, view->rootIndex());
}

/**
 * One row of the list as an item. It asks the view for everything, so it is never out of date while it stands for
 * its row; once its entry has gone or moved to another row, it is no longer valid.
 */
class RowAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    RowAccessible(UniformListView *view, int row)
        : m_view(view)
        , m_index(indexOf(view, row))
        , m_row(row)
    {}

    bool isValid() const override
    {
        return m_view && m_index.isValid() && m_index.model() == m_view->model() && m_index.row() == m_row;
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text which) const override
    {
        if (!isValid())
            return {};
        switch (which) {
        case QAccessible::Name:
            return index().data(Qt::DisplayRole).toString();
        case QAccessible::Description:
            return index().data(Qt::ToolTipRole).toString();
        default:
            return {};
        }
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect area = m_view->visualRect(index());
        return {m_view->viewport()->mapToGlobal(area.topLeft()), area.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const QModelIndex row = index();
        const Qt::ItemFlags flags = row.flags();
        if (!m_view->visualRect(row).intersects(m_view->viewport()->rect())) {
            state.invisible = true;
            state.offscreen = true;
        }
        state.disabled = !m_view->isEnabled() || !(flags & Qt::ItemIsEnabled);
        state.selectable = m_view->selectionMode() != QAbstractItemView::NoSelection && (flags & Qt::ItemIsSelectable);
        state.selected = isSelected();
        state.focusable = true;
        state.focused = m_view->hasFocus() && m_view->currentIndex() == row;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this) : nullptr;
    }

    bool isSelected() const override
    {
        return isValid() && m_view->selectionModel() && m_view->selectionModel()->isSelected(index());
    }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QModelIndex index() const { return m_index; }

    QPointer<UniformListView> m_view;
    QPersistentModelIndex m_index;
    int m_row;
};

QAccessibleInterface *listFactory(const QString &className, QObject *object)
{
    auto *view = qobject_cast<UniformListView *>(object);
    if (!view || className != QLatin1StringView(UniformListView::staticMetaObject.className()))
        return nullptr;
    return new UniformListAccessible(view);
}

} // namespace

UniformListAccessible::UniformListAccessible(UniformListView *view)
    : QAccessibleWidget(view, QAccessible::List)
{}

UniformListAccessible::~UniformListAccessible()
{
    forgetRows();
}

void UniformListAccessible::install()
{
    QAccessible::installFactory(listFactory);
}

UniformListView *UniformListAccessible::view() const
{
    return static_cast<UniformListView *>(widget());
}

void UniformListAccessible::forgetRows()
{
    for (const QAccessible::Id id : std::as_const(m_rowIds))
        QAccessible::deleteAccessibleInterface(id);
    m_rowIds.clear();
    m_keptOrder.clear();
}

int UniformListAccessible::childCount() const
{
    return rowsOf(view());
}

QAccessibleInterface *UniformListAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    // Without assistive technology listening, the view tells of no change to the rows: an item kept from before
    // may stand for an entry that has gone or moved.
    if (const auto kept = m_rowIds.constFind(index); kept != m_rowIds.cend()) {
        QAccessibleInterface *row = QAccessible::accessibleInterface(*kept);
        if (row->isValid())
            return row;
        QAccessible::deleteAccessibleInterface(m_rowIds.take(index));
        m_keptOrder.removeOne(index);
    }
    while (m_keptOrder.size() >= kKeptRows)
        QAccessible::deleteAccessibleInterface(m_rowIds.take(m_keptOrder.takeFirst()));
    auto *row = new RowAccessible(view(), index);
    m_rowIds.insert(index, QAccessible::registerAccessibleInterface(row));
    m_keptOrder.append(index);
    return row;
}

int UniformListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    // Only this list's own items are cells whose table is this list.
    auto *cell = child ? const_cast<QAccessibleInterface *>(child)->tableCellInterface() : nullptr;
    if (!cell || cell->table() != this || !child->isValid())
        return -1;
    return cell->rowIndex();
}

QAccessibleInterface *UniformListAccessible::childAt(int x, int y) const
{
    const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? child(index.row()) : nullptr;
}

QAccessibleInterface *UniformListAccessible::focusChild() const
{
    const QModelIndex current = view()->currentIndex();
    if (view()->hasFocus() && current.isValid())
        return child(current.row());
    return QAccessibleWidget::focusChild();
}

QAccessible::State UniformListAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    switch (view()->selectionMode()) {
    case QAbstractItemView::MultiSelection:
        state.multiSelectable = true;
        break;
    case QAbstractItemView::ExtendedSelection:
    case QAbstractItemView::ContiguousSelection:
        state.multiSelectable = true;
        state.extSelectable = true;
        break;
    case QAbstractItemView::SingleSelection:
    case QAbstractItemView::NoSelection:
        break;
    }
    return state;
}

void *UniformListAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface *UniformListAccessible::cellAt(int row, int column) const
{
    return column == 0 ? child(row) : nullptr;
}

// The selection model keeps its ranges apart, in the order they were selected.
QList<std::pair<int, int>> UniformListAccessible::selectedRanges() const
{
    QList<std::pair<int, int>> ranges;
    const QItemSelectionModel *selections = view()->selectionModel();
    if (!selections)
        return ranges;
    for (const QItemSelectionRange &range : selections->selection()) {
        if (range.isValid() && range.parent() == view()->rootIndex() && range.left() == 0)
            ranges.append({range.top(), range.bottom()});
    }
    std::sort(ranges.begin(), ranges.end());
    return ranges;
}

int UniformListAccessible::selectedRowCount() const
{
    qint64 count = 0;
    for (const auto &[first, last] : selectedRanges())
        count += last - first + 1;
    return int(count);
}

QList<int> UniformListAccessible::selectedRows() const
{
    QList<int> rows;
    for (const auto &[first, last] : selectedRanges()) {
        for (int row = first; row <= last; ++row)
            rows.append(row);
    }
    return rows;
}

QList<QAccessibleInterface *> UniformListAccessible::selectedCells() const
{
    // Handing out more items than are kept would hand out items already forgotten.
    QList<QAccessibleInterface *> cells;
    for (const auto &[first, last] : selectedRanges()) {
        for (int row = first; row <= last && cells.size() < kKeptRows; ++row)
            cells.append(child(row));
    }
    return cells;
}

bool UniformListAccessible::isRowSelected(int row) const
{
    return row >= 0 && row < rowCount() && view()->selectionModel() &&
           view()->selectionModel()->isSelected(indexOf(view(), row));
}

bool UniformListAccessible::selectRow(int row)
{
    QItemSelectionModel *selections = view()->selectionModel();
    if (row < 0 || row >= rowCount() || !selections || view()->selectionMode() == QAbstractItemView::NoSelection)
        return false;
    const bool single = view()->selectionMode() == QAbstractItemView::SingleSelection;
    selections->select(indexOf(view(), row),
                       single ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Select);
    return true;
}

bool UniformListAccessible::unselectRow(int row)
{
    QItemSelectionModel *selections = view()->selectionModel();
    if (row < 0 || row >= rowCount() || !selections)
        return false;
    selections->select(indexOf(view(), row), QItemSelectionModel::Deselect);
    return true;
}

// Rows put in, taken out, moved or reset: a kept item may now stand for another row or for none.
void UniformListAccessible::modelChange(QAccessibleTableModelChangeEvent *)
{
    forgetRows();
}
