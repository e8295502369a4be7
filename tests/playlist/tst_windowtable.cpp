#include <QTest>

#include "playlist/WindowTable.h"

class TestWindowTable : public QObject
{
    Q_OBJECT

private slots:
    void allocatesLowestFreeSlotOrGrows();
    void windowsAreForgottenWhenDeleted();
};

void TestWindowTable::allocatesLowestFreeSlotOrGrows()
{
    WindowTable table;
    table.resetToOneSlot();
    QCOMPARE(table.size(), 1);
    QCOMPARE(table.AllocListSlot(), 2);
    QCOMPARE(table.AllocListSlot(), 3);
    QCOMPARE(table.AllocListSlot(), 4);
    table.ListSlotAt(4).Changed = true;
    table.ListSlotAt(2).SlotFree = true;
    table.ListSlotAt(3).SlotFree = true;
    QCOMPARE(table.AllocListSlot(), 2);
    QVERIFY(!table.ListSlotAt(2).SlotFree);
    QCOMPARE(table.AllocListSlot(), 3);
    QCOMPARE(table.AllocListSlot(), 5);
    QCOMPARE(table.size(), 5);
    QVERIFY(table.ListSlotAt(4).Changed);
    const ListSlot fresh = table.ListSlotAt(5);
    QVERIFY(!fresh.SlotFree && !fresh.Changed && fresh.DropReady.isEmpty());
}

void TestWindowTable::windowsAreForgottenWhenDeleted()
{
    WindowTable table;
    table.resetToOneSlot();
    auto *window = new QObject;
    table.setPlayList(1, window);
    QCOMPARE(table.PlayListAt(1), window);
    delete window;
    QCOMPARE(table.PlayListAt(1), nullptr);
    QCOMPARE(table.PlayListAt(7), nullptr);
}

QTEST_GUILESS_MAIN(TestWindowTable)
#include "tst_windowtable.moc"
