#include <QAbstractItemModelTester>
#include <QCollator>
#include <QSignalSpy>
#include <QTest>

#include "playlist/PlayListModel.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;

namespace {

// Entries named e0, e1, ... so a result reads as the list of names left.
void fill(PlayListModel &model, int count)
{
    QList<PlayListModel::Entry> entries;
    for (int i = 0; i < count; ++i)
        entries.append({u"/m/e"_s + QString::number(i) + u".mp3"_s, false});
    model.setEntries(entries);
}

} // namespace

class TestPlayListModel : public QObject
{
    Q_OBJECT

private slots:
    void removeSelected_data();
    void removeSelected();
    void removeOne_data();
    void removeOne();
    void movesExchangeTextsNotSelection();
    void movesAtTheEnds_data();
    void movesAtTheEnds();
    void sortOrder();
    void selectAllAndClear();
    void viewSelectionIsTaken();
    void commandsKeepTheModelSound();
};

void TestPlayListModel::removeSelected_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QList<int>>("selectedAfter");
    QTest::addColumn<int>("caretAfter");

    QTest::newRow("two in the middle, caret below")
        << 5 << QList<int>{2, 3} << 4 << QStringList{u"e0"_s, u"e1"_s, u"e4"_s} << QList<int>{2} << 2;
    QTest::newRow("the first two, caret on the second")
        << 3 << QList<int>{0, 1} << 1 << QStringList{u"e2"_s} << QList<int>{0} << 0;
    QTest::newRow("nothing selected selects the caret and the one below")
        << 4 << QList<int>{} << 1 << QStringList{u"e0"_s, u"e1"_s, u"e2"_s, u"e3"_s} << QList<int>{1, 2} << 1;
    QTest::newRow("nothing selected on the last")
        << 3 << QList<int>{} << 2 << QStringList{u"e0"_s, u"e1"_s, u"e2"_s} << QList<int>{2} << 2;
    QTest::newRow("everything") << 3 << QList<int>{0, 1, 2} << 1 << QStringList{} << QList<int>{} << -1;
    QTest::newRow("no caret") << 4 << QList<int>{1} << -1 << QStringList{u"e0"_s, u"e2"_s, u"e3"_s} << QList<int>{}
                              << -1;
    QTest::newRow("caret above the removed")
        << 5 << QList<int>{3} << 1 << QStringList{u"e0"_s, u"e1"_s, u"e2"_s, u"e4"_s} << QList<int>{0, 1} << 1;
    QTest::newRow("every other of many, one reset") << 100 <<
        [] {
            QList<int> rows;
            for (int i = 0; i < 100; i += 2)
                rows.append(i);
            return rows;
        }() << 99 <<
        [] {
            QStringList names;
            for (int i = 1; i < 100; i += 2)
                names.append(u"e"_s + QString::number(i));
            return names;
        }() << QList<int>{49} << 49;
}

void TestPlayListModel::removeSelected()
{
    QFETCH(int, count);
    QFETCH(QList<int>, selected);
    QFETCH(int, caret);
    QFETCH(QStringList, left);
    QFETCH(QList<int>, selectedAfter);
    QFETCH(int, caretAfter);

    PlayListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    fill(model, count);
    for (int row : selected)
        model.setSelected(row, true);
    model.setCurrentIndex(caret);
    QSignalSpy replaced(&model, &PlayListModel::selectionReplaced);

    model.removeSelected();
    QCOMPARE(titlesOf(model), left);
    QCOMPARE(model.selectedRows(), selectedAfter);
    QCOMPARE(model.currentIndex(), caretAfter);
    QCOMPARE(replaced.size(), 1);
}

void TestPlayListModel::removeOne_data()
{
    QTest::addColumn<int>("caret");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("caretAfter");
    QTest::newRow("middle") << 1 << QStringList{u"e0"_s, u"e2"_s} << 1;
    QTest::newRow("last") << 2 << QStringList{u"e0"_s, u"e1"_s} << 1;
    QTest::newRow("no caret does nothing") << -1 << QStringList{u"e0"_s, u"e1"_s, u"e2"_s} << -1;
}

void TestPlayListModel::removeOne()
{
    QFETCH(int, caret);
    QFETCH(QStringList, left);
    QFETCH(int, caretAfter);
    PlayListModel model;
    fill(model, 3);
    model.setSelected(0, true);
    model.setCurrentIndex(caret);
    model.removeOne();
    QCOMPARE(titlesOf(model), left);
    QCOMPARE(model.currentIndex(), caretAfter);
    QVERIFY(model.isSelected(0) == (caret != 0));
}

void TestPlayListModel::movesExchangeTextsNotSelection()
{
    PlayListModel model;
    fill(model, 3);
    model.setSelected(1, true);
    model.setCurrentIndex(1);
    QVERIFY(model.moveDown());
    QCOMPARE(titlesOf(model), QStringList({u"e0"_s, u"e2"_s, u"e1"_s}));
    QCOMPARE(model.selectedRows(), QList<int>{1});
    model.setCurrentIndex(2);
    QVERIFY(model.moveUp());
    QCOMPARE(titlesOf(model), QStringList({u"e0"_s, u"e1"_s, u"e2"_s}));
}

void TestPlayListModel::movesAtTheEnds_data()
{
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("up");
    QTest::newRow("up on the first") << 0 << true;
    QTest::newRow("down on the last") << 2 << false;
    QTest::newRow("up without caret") << -1 << true;
    QTest::newRow("down without caret") << -1 << false;
}

void TestPlayListModel::movesAtTheEnds()
{
    QFETCH(int, caret);
    QFETCH(bool, up);
    PlayListModel model;
    fill(model, 3);
    model.setCurrentIndex(caret);
    QVERIFY(!(up ? model.moveUp() : model.moveDown()));
    QCOMPARE(titlesOf(model), QStringList({u"e0"_s, u"e1"_s, u"e2"_s}));
}

void TestPlayListModel::sortOrder()
{
    PlayListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QStringList lines{u"D:\\b\\Zebra.mp3"_s,    u"D:\\a\\apple pie.mp3"_s, u"D:\\z\\Apple.mp3"_s,
                            u"D:\\a\\apple.mp3"_s,    u"D:\\é\\Éclair.mp3"_s,    u"D:\\a\\Eclipse.mp3"_s,
                            u"D:\\a\\Track 10.mp3"_s, u"D:\\a\\Track 2.mp3"_s};
    QList<PlayListModel::Entry> entries;
    for (const QString &line : lines)
        entries.append({line, false});
    model.setEntries(entries);
    model.setSelected(3, true);
    model.setCurrentIndex(3);

    QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    model.sortEntries(collator);

    // A shorter title first when it begins a longer one; equal titles by their paths; accents after the
    // plain letter; case ignored.
    QStringList paths;
    for (int row = 0; row < model.count(); ++row)
        paths.append(model.entryPath(row));
    QCOMPARE(paths, QStringList({u"D:\\a\\apple.mp3"_s, u"D:\\z\\Apple.mp3"_s, u"D:\\a\\apple pie.mp3"_s,
                                 u"D:\\é\\Éclair.mp3"_s, u"D:\\a\\Eclipse.mp3"_s, u"D:\\a\\Track 10.mp3"_s,
                                 u"D:\\a\\Track 2.mp3"_s, u"D:\\b\\Zebra.mp3"_s}));
    QVERIFY(model.selectedRows().isEmpty());
    QCOMPARE(model.currentIndex(), -1);

    PlayListModel empty;
    empty.sortEntries(collator);
    QCOMPARE(empty.count(), 0);
}

void TestPlayListModel::selectAllAndClear()
{
    PlayListModel model;
    fill(model, 4);
    model.selectAll();
    QCOMPARE(model.selectedRows(), QList<int>({0, 1, 2, 3}));
    model.setCurrentIndex(2);
    model.clear();
    QCOMPARE(model.count(), 0);
    QCOMPARE(model.currentIndex(), -1);
}

void TestPlayListModel::viewSelectionIsTaken()
{
    PlayListModel model;
    fill(model, 5);
    QItemSelection selected(model.index(1), model.index(3));
    model.applyViewSelection(selected, {});
    model.applyViewSelection({}, QItemSelection(model.index(2), model.index(2)));
    model.applyViewCurrent(3);
    QCOMPARE(model.selectedRows(), QList<int>({1, 3}));
    QCOMPARE(model.currentIndex(), 3);
}

void TestPlayListModel::commandsKeepTheModelSound()
{
    PlayListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    fill(model, 10);
    model.appendEntries({{u"/m/late.mp3"_s, false}});
    model.setCurrentIndex(3);
    model.moveUp();
    model.setSelected(0, true);
    model.setSelected(5, true);
    model.removeSelected();
    model.removeOne();
    QCOMPARE(model.count(), 8);
    QCOMPARE(model.data(model.index(7), Qt::DisplayRole).toString(), u"late"_s);
    QCOMPARE(model.data(model.index(7), Qt::ToolTipRole).toString(), u"/m/late.mp3"_s);
    QCOMPARE(model.data(model.index(7), PlayListModel::EntryTextRole).toString(),
             u"late"_s + QString(396, u' ') + u"|/m/late.mp3"_s);
}

QTEST_GUILESS_MAIN(TestPlayListModel)
#include "tst_playlistmodel.moc"
