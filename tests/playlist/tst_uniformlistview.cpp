// SPDX-License-Identifier: MIT

// The list's view beside a QListView with uniform item sizes, on a million rows: the same rows in the same
// places, the same keys and scrolling; and no more work for a million rows than for the rows on screen, for
// painting as for a screen reader.
#include <QAbstractListModel>
#include <QAccessible>
#include <QKeySequence>
#include <QListView>
#include <QScrollBar>
#include <QSet>
#include <QTest>

#include "widgets/UniformListAccessible.h"
#include "widgets/UniformListView.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kRows = 1'000'000;

// Rows named by their number, remembering which rows were asked for; rows can be taken from the top.
class CountingModel : public QAbstractListModel
{
public:
    int rowCount(const QModelIndex &parent = QModelIndex()) const override { return parent.isValid() ? 0 : rows; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        asked.insert(index.row());
        const int number = kRows - rows + index.row();
        return role == Qt::DisplayRole ? QVariant(u"entry "_s + QString::number(number)) : QVariant();
    }
    void takeFromTop(int count)
    {
        beginRemoveRows({}, 0, count - 1);
        rows -= count;
        endRemoveRows();
    }

    int rows = kRows;
    mutable QSet<int> asked;
};

struct Views
{
    Views()
    {
        listBox.setUniformItemSizes(true);
        for (QAbstractItemView *each :
             {static_cast<QAbstractItemView *>(&view), static_cast<QAbstractItemView *>(&listBox)}) {
            each->setModel(&model);
            each->setSelectionMode(QAbstractItemView::ExtendedSelection);
            each->resize(300, 200);
            each->show();
        }
    }
    QList<QAbstractItemView *> both() { return {&view, &listBox}; }
    bool exposed() { return QTest::qWaitForWindowExposed(&view) && QTest::qWaitForWindowExposed(&listBox); }
    QModelIndex row(int number) const { return model.index(number); }

    CountingModel model;
    UniformListView view;
    QListView listBox;
};

// What a user sees of a view: the caret and its place, the scroll bar, and the row under each few lines.
QString seen(const QAbstractItemView &view)
{
    const QRect caret = view.visualRect(view.currentIndex());
    const QScrollBar *bar = view.verticalScrollBar();
    QStringList rows;
    for (int y = -2; y < view.viewport()->height() + 2; y += 5)
        rows.append(QString::number(view.indexAt(QPoint(4, y)).row()));
    return u"caret %1 at (%2,%3 %4x%5); top %6 of %7, page %8; rows %9"_s.arg(view.currentIndex().row())
        .arg(caret.x())
        .arg(caret.y())
        .arg(caret.width())
        .arg(caret.height())
        .arg(bar->value())
        .arg(bar->maximum())
        .arg(bar->pageStep())
        .arg(rows.join(u','));
}

} // namespace

class TestUniformListView : public QObject
{
    Q_OBJECT

private slots:
    void keysMoveAsInAListBox_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("down") << 0 << QKeySequence(u"Down"_s);
        QTest::newRow("up at the top") << 0 << QKeySequence(u"Up"_s);
        QTest::newRow("page down") << 0 << QKeySequence(u"PgDown"_s);
        QTest::newRow("down the pages and back") << 0 << QKeySequence(u"PgDown, PgDown, PgDown, PgUp"_s);
        QTest::newRow("page up near the top") << 4 << QKeySequence(u"PgUp"_s);
        QTest::newRow("page down near the end") << kRows - 4 << QKeySequence(u"PgDown"_s);
        QTest::newRow("end") << 0 << QKeySequence(u"End"_s);
        QTest::newRow("end, up a page") << 0 << QKeySequence(u"End, PgUp, Up"_s);
        QTest::newRow("home") << kRows / 2 << QKeySequence(u"Home"_s);
        QTest::newRow("sideways") << 10 << QKeySequence(u"Left, Right"_s);
    }

    void keysMoveAsInAListBox()
    {
        QFETCH(int, start);
        QFETCH(QKeySequence, keys);
        Views views;
        QVERIFY(views.exposed());
        for (QAbstractItemView *each : views.both()) {
            each->setCurrentIndex(views.row(start));
            QTest::keySequence(each, keys);
        }
        QCOMPARE(seen(views.view), seen(views.listBox));
        if (keys[keys.count() - 1].key() == Qt::Key_End) {
            QCOMPARE(views.view.currentIndex().row(), kRows - 1);
            QVERIFY(views.view.viewport()->rect().contains(views.view.visualRect(views.view.currentIndex())));
        }
    }

    void scrollsAsAListBox_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QAbstractItemView::ScrollHint>("hint");
        QTest::addColumn<QAbstractItemView::ScrollMode>("mode");
        const auto perRow = QAbstractItemView::ScrollPerItem;
        QTest::newRow("far down into sight") << kRows / 2 << QAbstractItemView::EnsureVisible << perRow;
        QTest::newRow("to the top") << kRows / 2 << QAbstractItemView::PositionAtTop << perRow;
        QTest::newRow("to the bottom") << kRows / 2 << QAbstractItemView::PositionAtBottom << perRow;
        QTest::newRow("to the centre") << kRows / 2 << QAbstractItemView::PositionAtCenter << perRow;
        QTest::newRow("first to the centre") << 2 << QAbstractItemView::PositionAtCenter << perRow;
        QTest::newRow("last to the top") << kRows - 1 << QAbstractItemView::PositionAtTop << perRow;
        const auto perPixel = QAbstractItemView::ScrollPerPixel;
        QTest::newRow("into sight, per pixel") << kRows / 2 << QAbstractItemView::EnsureVisible << perPixel;
        QTest::newRow("to the centre, per pixel") << kRows / 2 << QAbstractItemView::PositionAtCenter << perPixel;
    }

    void scrollsAsAListBox()
    {
        QFETCH(int, row);
        QFETCH(QAbstractItemView::ScrollHint, hint);
        QFETCH(QAbstractItemView::ScrollMode, mode);
        Views views;
        QVERIFY(views.exposed());
        for (QAbstractItemView *each : views.both()) {
            each->setVerticalScrollMode(mode);
            each->scrollTo(views.row(row), hint);
            each->setCurrentIndex(views.row(row));
        }
        QCOMPARE(seen(views.view), seen(views.listBox));
    }

    void shiftClickSelectsOneRange()
    {
        Views views;
        QVERIFY(views.exposed());
        UniformListView &view = views.view;
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(views.row(2)).center());
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        const QModelIndex nearEnd = view.indexAt(QPoint(4, view.viewport()->height() / 2));
        QVERIFY(nearEnd.row() > kRows - 100);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier, view.visualRect(nearEnd).center());
        const QItemSelection selection = view.selectionModel()->selection();
        QCOMPARE(selection.size(), 1);
        QCOMPARE(std::pair(selection.first().top(), selection.first().bottom()), std::pair(2, nearEnd.row()));
        QCOMPARE(view.currentIndex(), nearEnd);
    }

    // A screen reader on a million rows: the rows it asks for, a few kept, none outliving its row; the caret and
    // the selection as the view shows them.
    void screenReaderReadsTheRowsItAsksFor()
    {
        UniformListAccessible::install();
        Views views;
        QVERIFY(views.exposed());
        UniformListView &view = views.view;
        view.activateWindow();
        view.setFocus();
        QTRY_VERIFY(view.hasFocus());
        auto *list = static_cast<UniformListAccessible *>(QAccessible::queryAccessibleInterface(&view));
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), kRows);
        const int middle = kRows / 2;
        view.selectionModel()->setCurrentIndex(views.row(middle), QItemSelectionModel::ClearAndSelect);
        for (const int row : {0, middle - 1, middle, kRows - 1}) {
            QAccessibleInterface *item = list->child(row);
            QCOMPARE(item->role(), QAccessible::ListItem);
            QCOMPARE(item->text(QAccessible::Name), u"entry "_s + QString::number(row));
            QCOMPARE(list->indexOfChild(item), row);
            QCOMPARE(item->state().selected, row == middle);
            QCOMPARE(item->state().focused, row == middle);
            QCOMPARE(item->state().offscreen, row == 0 || row == kRows - 1);
        }
        QCOMPARE(list->child(kRows), nullptr);
        QCOMPARE(list->keptRowCount(), 4);
        for (int row = 0; row < 3 * UniformListAccessible::kKeptRows; ++row)
            QCOMPARE(list->indexOfChild(list->child(row)), row);
        QCOMPARE(list->keptRowCount(), UniformListAccessible::kKeptRows);

        view.selectionModel()->select(QItemSelection(views.row(2), views.row(3)), QItemSelectionModel::Select);
        QCOMPARE(list->selectedRows(), QList<int>({2, 3, middle}));
        QCOMPARE(list->selectedRowCount(), 3);

        const QAccessible::Id top = QAccessible::uniqueId(list->child(0));
        list->child(5);
        views.model.takeFromTop(2);
        QCOMPARE(list->childCount(), kRows - 2);
        QCOMPARE(list->child(0)->text(QAccessible::Name), u"entry 2"_s);
        QCOMPARE(QAccessible::accessibleInterface(top), nullptr);
        QCOMPARE(list->child(5)->text(QAccessible::Name), u"entry 7"_s);
    }

    // Every row selected, the view in the middle of the list: a paint asks for the rows on screen and no others.
    void paintAsksOnlyForTheRowsShown()
    {
        Views views;
        QVERIFY(views.exposed());
        UniformListView &view = views.view;
        view.selectAll();
        view.scrollTo(views.row(kRows / 2), QAbstractItemView::PositionAtTop);
        QCoreApplication::processEvents();
        views.model.asked.clear();
        view.viewport()->repaint();
        const int shown = view.viewport()->height() / view.sizeHintForRow(0) + 1;
        QVERIFY(!views.model.asked.isEmpty());
        for (int row : std::as_const(views.model.asked))
            QVERIFY2(row >= kRows / 2 && row <= kRows / 2 + shown, qPrintable(QString::number(row)));
    }
};

QTEST_MAIN(TestUniformListView)
#include "tst_uniformlistview.moc"
