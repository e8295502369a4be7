#include <QDropEvent>
#include <QListView>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "app/MDIForm1.h"
#include "app/UiWindowHost.h"
#include "playlist/FrmPlayList.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;

namespace {

// The real windows over the doubles of the platform.
struct Windows
{
    Windows()
        : host(app.context)
    {
        app.context.Settings.WinampPath = u"/opt/player/play"_s;
        host.loadFrame();
    }

    FrmPlayList *newList(int entries)
    {
        const int slot = PlayListCommands::NewPlayList(app.context);
        PlayList *list = PlayListCommands::playListAt(app.context, slot);
        QList<PlayListModel::Entry> lines;
        for (int i = 0; i < entries; ++i)
            lines.append({u"/m/e"_s + QString::number(i) + u".mp3"_s, false});
        list->model().appendEntries(lines);
        return qobject_cast<FrmPlayList *>(list->parent());
    }
    bool changed(FrmPlayList *window) const
    {
        return app.context.PlayLists.ListSlotAt(window->playList()->slot()).Changed;
    }
    QStringList menuTitles() const
    {
        QStringList titles;
        for (QAction *action : host.frame()->menuBar()->actions())
            titles.append(action->text());
        return titles;
    }

    TestApp app;
    UiWindowHost host;
};

} // namespace

class TestFrmPlayList : public QObject
{
    Q_OBJECT

private slots:
    void ctrlArrowsMoveTheEntryWithTheCaret();
    void arrowsWithoutExactlyCtrlOnlyMoveTheCaret_data();
    void arrowsWithoutExactlyCtrlOnlyMoveTheCaret();
    void deleteRemovesTheSelection();
    void enterPlaysAndTheSecretKeyTalks();
    void selectionGoesBothWays();
    void frameShowsTheActiveListsMenus();
    void frameCloseAsksEachChangedList();
    void tilingArrangesTheLists();
    void fileManagerDropAddsFilesAndFolders();
};

void TestFrmPlayList::ctrlArrowsMoveTheEntryWithTheCaret()
{
    Windows windows;
    FrmPlayList *window = windows.newList(4);
    QListView *list = window->list();
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(titlesOf(window->playList()->model()), QStringList({u"e0"_s, u"e2"_s, u"e3"_s, u"e1"_s}));
    QCOMPARE(list->currentIndex().row(), 3);
    QCOMPARE(window->playList()->model().currentIndex(), 3);
    QVERIFY(windows.changed(window));
}

void TestFrmPlayList::arrowsWithoutExactlyCtrlOnlyMoveTheCaret_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("none") << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("shift") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("ctrl+shift") << (Qt::ControlModifier | Qt::ShiftModifier);
    QTest::newRow("alt") << Qt::KeyboardModifiers(Qt::AltModifier);
}

void TestFrmPlayList::arrowsWithoutExactlyCtrlOnlyMoveTheCaret()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Windows windows;
    FrmPlayList *window = windows.newList(3);
    window->list()->setCurrentIndex(window->list()->model()->index(1, 0));
    QTest::keyClick(window->list(), Qt::Key_Down, modifiers);
    QTest::keyClick(window->list(), Qt::Key_Up, modifiers);
    QCOMPARE(titlesOf(window->playList()->model()), QStringList({u"e0"_s, u"e1"_s, u"e2"_s}));
    QVERIFY(!windows.changed(window));
}

void TestFrmPlayList::deleteRemovesTheSelection()
{
    Windows windows;
    FrmPlayList *window = windows.newList(5);
    QListView *list = window->list();
    list->selectionModel()->select(QItemSelection(list->model()->index(2, 0), list->model()->index(3, 0)),
                                   QItemSelectionModel::ClearAndSelect);
    list->selectionModel()->setCurrentIndex(list->model()->index(4, 0), QItemSelectionModel::NoUpdate);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(titlesOf(window->playList()->model()), QStringList({u"e0"_s, u"e1"_s, u"e4"_s}));
    QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(list->selectionModel()->selectedRows().first().row(), 2);
    QCOMPARE(list->currentIndex().row(), 2);
    QVERIFY(windows.changed(window));
}

void TestFrmPlayList::enterPlaysAndTheSecretKeyTalks()
{
    Windows windows;
    FrmPlayList *window = windows.newList(3);
    window->list()->setCurrentIndex(window->list()->model()->index(2, 0));
    QTest::keyClick(window->list(), Qt::Key_Return);
    QCOMPARE(windows.app.starter.calls.size(), 1);
    QTest::keyClick(window->list(), Qt::Key_F1, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(windows.app.boxes.shown.size(), 1);
    QCOMPARE(windows.app.boxes.shown.first().text, u"I should do suff now!"_s);
    QTest::keyClick(window->list(), Qt::Key_F1, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(windows.app.boxes.shown.size(), 1);
}

void TestFrmPlayList::selectionGoesBothWays()
{
    Windows windows;
    FrmPlayList *window = windows.newList(6);
    QListView *list = window->list();
    list->selectionModel()->select(list->model()->index(4, 0), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(window->playList()->model().selectedRows(), QList<int>{4});
    window->findChild<QAction *>(u"mnusel"_s)->trigger();
    QCOMPARE(list->selectionModel()->selectedRows().size(), 6);
    QVERIFY(!windows.changed(window));
}

void TestFrmPlayList::frameShowsTheActiveListsMenus()
{
    Windows windows;
    QCOMPARE(windows.menuTitles(), QStringList({u"&File"_s, u"&Settings"_s, u"&Window"_s, u"&Help"_s}));
    FrmPlayList *window = windows.newList(1);
    QCOMPARE(windows.menuTitles(),
             QStringList({u"&File"_s, u"&Play List"_s, u"&Settings"_s, u"&Window"_s, u"&Help"_s}));
    QCOMPARE(window->findChild<QAction *>(u"MnuPlayWhole"_s)->shortcut(), QKeySequence(u"Ctrl+P"_s));
    QCOMPARE(window->findChild<QAction *>(u"mnusort"_s)->text(), u"S&ort List "_s);
    window->subWindow()->close();
    QTRY_COMPARE(windows.menuTitles(), QStringList({u"&File"_s, u"&Settings"_s, u"&Window"_s, u"&Help"_s}));
}

void TestFrmPlayList::frameCloseAsksEachChangedList()
{
    Windows windows;
    QSignalSpy unloaded(&windows.host, &UiWindowHost::frameUnloaded);
    FrmPlayList *first = windows.newList(1);
    FrmPlayList *second = windows.newList(1);
    PlayListCommands::runEdit(windows.app.context, *first->playList(), PlayListCommands::Edit::Clear);
    PlayListCommands::runEdit(windows.app.context, *second->playList(), PlayListCommands::Edit::Clear);

    windows.app.boxes.answers = {MessageAnswer::Cancel};
    QVERIFY(!windows.host.frame()->close());
    QCOMPARE(windows.app.boxes.shown.size(), 1);
    QCOMPARE(windows.host.frame()->mdiArea()->subWindowList().size(), 3);
    QVERIFY(!windows.app.context.FrameClosing);
    QCOMPARE(unloaded.size(), 0);

    windows.app.boxes.answers = {MessageAnswer::No, MessageAnswer::No};
    QVERIFY(windows.host.frame()->close());
    QCOMPARE(windows.app.boxes.shown.size(), 3);
    QCOMPARE(unloaded.size(), 1);
}

void TestFrmPlayList::tilingArrangesTheLists()
{
    Windows windows;
    windows.host.frame()->resize(800, 600);
    FrmPlayList *first = windows.newList(1);
    FrmPlayList *second = windows.newList(1);
    windows.host.frame()->arrange(MDIForm1::TileHorizontally);
    QCOMPARE(first->subWindow()->width(), second->subWindow()->width());
    QVERIFY(first->subWindow()->y() != second->subWindow()->y());
    windows.host.frame()->arrange(MDIForm1::TileVertically);
    QCOMPARE(first->subWindow()->height(), second->subWindow()->height());
    QVERIFY(first->subWindow()->x() != second->subWindow()->x());
}

void TestFrmPlayList::fileManagerDropAddsFilesAndFolders()
{
    QTemporaryDir dir;
    for (const QString &name : {u"F/A/a.mp3"_s, u"F/B/b.MP3"_s, u"F/m.mp3"_s, u"F/x.txt"_s, u"z.mp3"_s, u"y.txt"_s})
        writeFile(dir.path() + u'/' + name);
    Windows windows;
    FrmPlayList *window = windows.newList(1);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(dir.path() + u"/z.mp3"_s), QUrl::fromLocalFile(dir.path() + u"/y.txt"_s),
                  QUrl::fromLocalFile(dir.path() + u"/F"_s)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window->list()->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window->list()->viewport(), &drop);
    // The files arrive in the order dropped, a folder's in the finder's order; other files are left out.
    const QList<QString> expected{u"/m/e0.mp3"_s, dir.path() + u"/z.mp3"_s, dir.path() + u"/F/B/b.MP3"_s,
                                  dir.path() + u"/F/A/a.mp3"_s, dir.path() + u"/F/m.mp3"_s};
    const PlayListModel &model = window->playList()->model();
    QTRY_COMPARE(model.count(), int(expected.size()));
    for (int row = 0; row < model.count(); ++row)
        QCOMPARE(model.entry(row).line, expected[row]);
    QVERIFY(windows.changed(window));
}

QTEST_MAIN(TestFrmPlayList)
#include "tst_frmplaylist.moc"
