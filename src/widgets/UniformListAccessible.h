// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QList>

class UniformListView;

/**
 * What assistive technology sees of a UniformListView: a list with one item per row, its selection and its caret.
 * Row items are made when asked for and only the last few hundred asked for are kept, so a list of millions of rows
 * costs nothing per row; a change to the rows forgets them all, so none outlives the row it stood for.
 */
class UniformListAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit UniformListAccessible(UniformListView *view);
    ~UniformListAccessible() override;

    /** Makes every UniformListView answer with this interface. */
    static void install();

    /** The row items kept at most at one time. */
    static constexpr int kKeptRows = 256;
    /** How many row items are kept now. */
    int keptRowCount() const { return int(m_rowIds.size()); }

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override { return selectedRowCount(); }
    /** The items of the selected rows from the top, no more than are kept at one time. */
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override { return 1; }
    int rowCount() const override { return childCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

private:
    UniformListView *view() const;
    /** The selected rows as ranges from the top, first and last row each. */
    QList<std::pair<int, int>> selectedRanges() const;
    void forgetRows();

    mutable QHash<int, QAccessible::Id> m_rowIds;
    /** The kept rows, the longest kept first. */
    mutable QList<int> m_keptOrder;
};
