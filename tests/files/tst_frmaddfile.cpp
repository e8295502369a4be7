#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/MDIForm1.h"
#include "app/UiWindowHost.h"
#include "files/FolderList.h"
#include "files/FrmAddfile.h"
#include "playlist/EntryMime.h"
#include "playlist/FrmPlayList.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;

namespace {

// The real windows over the platform doubles, with a music folder and a lists folder.
struct Finding
{
    Finding()
        : windows(app.context)
    {
        music = app.folders.root() + u"/music"_s;
        lists = app.folders.root() + u"/lists"_s;
        for (const QString &path : {u"A/a.mp3"_s, u"B/b.mp3"_s, u"m.mp3"_s, u"cover.jpg"_s})
            writeFile(music + u'/' + path, "x");
        writeFile(lists + u"/one.m3u"_s, "/m/1.mp3\r\n");
        writeFile(lists + u"/two.m3u"_s, "/m/2.mp3\r\n");
        writeFile(lists + u"/three.m3u"_s, "/m/3.mp3\r\n");
        app.context.Settings.Mp3Path = music;
        app.context.Settings.M3UPath = lists;
        windows.loadFrame();
    }

    FrmAddfile *finder() const
    {
        const QList<FrmAddfile *> finders = windows.frame()->findChildren<FrmAddfile *>();
        return finders.isEmpty() ? nullptr : finders.last();
    }
    void drop(FrmPlayList *target, QMimeData *data)
    {
        // As the desktop delivers it: the drag enters the list, then is dropped there.
        QWidget *viewport = target->list()->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &drop);
        delete data;
    }

    TestApp app;
    UiWindowHost windows;
    QString music;
    QString lists;
};

} // namespace

class TestFrmAddfile : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheFolderOfItsMode();
    void missingFolderGivesErrorFour_data();
    void missingFolderGivesErrorFour();
    void highlightedFolderOpensFirstThenSearches();
    void stopKeepsTheResults();
    void opensTheSelectedLists();
    void dropsFromTheFinderAndBetweenLists();
    void quickClickAddsNothingHeldPressCopies();
};

void TestFrmAddfile::opensOnTheFolderOfItsMode()
{
    Finding finding;
    finding.windows.OpenFileFinder(1);
    FrmAddfile *finder = finding.finder();
    QVERIFY(finder);
    QCOMPARE(finder->windowTitle(), u"Add MP3"_s);
    QCOMPARE(finder->pattern(), u"*.MP3"_s);
    QVERIFY(!finder->findChild<QPushButton *>(u"CmdOpen"_s)->isVisibleTo(finder));
    QCOMPARE(finder->results(), QStringList{finding.music + u"/m.mp3"_s});
    QVERIFY(finding.app.boxes.shown.isEmpty());
}

void TestFrmAddfile::missingFolderGivesErrorFour_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("shown");
    QTest::newRow("lists: not shown") << 0 << false;
    QTest::newRow("mp3: shown") << 1 << true;
}

void TestFrmAddfile::missingFolderGivesErrorFour()
{
    QFETCH(int, mode);
    QFETCH(bool, shown);
    Finding finding;
    finding.app.context.Settings.Mp3Path = finding.music + u"/gone"_s;
    finding.app.context.Settings.M3UPath = QString();
    finding.windows.OpenFileFinder(mode);
    QCOMPARE(finding.app.boxes.shown.size(), 1);
    QCOMPARE(finding.app.boxes.shown.first().title, u"Error Number: 4"_s);
    QCOMPARE(finding.windows.settingsRequests(), 1);
    QCOMPARE(finding.finder() != nullptr, shown);
}

void TestFrmAddfile::highlightedFolderOpensFirstThenSearches()
{
    Finding finding;
    finding.windows.OpenFileFinder(1);
    FrmAddfile *finder = finding.finder();
    FolderList *folders = finder->folderList();
    QListWidgetItem *a = folders->item(folders->count() - 2);
    QCOMPARE(a->text().trimmed(), u"A"_s);
    emit folders->itemClicked(a);

    finder->CmdSearch_Click();
    QCOMPARE(folders->folder(), finding.music + u"/A"_s);
    QCOMPARE(finder->results(), QStringList{finding.music + u"/A/a.mp3"_s});

    finder->folderList()->setFolder(finding.music);
    QSignalSpy done(finder, &FrmAddfile::searchFinished);
    finder->CmdSearch_Click();
    QVERIFY(finder->isSearching());
    QVERIFY(done.wait());
    QCOMPARE(finder->results(),
             QStringList({finding.music + u"/B/b.mp3"_s, finding.music + u"/A/a.mp3"_s, finding.music + u"/m.mp3"_s}));
    QVERIFY(finder->folderList()->isVisible());
}

void TestFrmAddfile::stopKeepsTheResults()
{
    Finding finding;
    for (int i = 0; i < 300; ++i)
        writeFile(finding.music + u"/deep/"_s + QString::number(i) + u"/x.mp3"_s, "x");
    finding.windows.OpenFileFinder(1);
    FrmAddfile *finder = finding.finder();
    QSignalSpy done(finder, &FrmAddfile::searchFinished);
    finder->CmdSearch_Click();
    finder->CmdSearch_Click(); // "&Stop"
    QVERIFY(done.wait());
    const QStringList found = finder->results();
    QVERIFY(found.size() < 303);
    // What was found is a beginning of the whole walk's order.
    for (const QString &path : found)
        QVERIFY(path.endsWith(u".mp3"_s));
    QVERIFY(!finder->isSearching());
}

void TestFrmAddfile::opensTheSelectedLists()
{
    Finding finding;
    finding.windows.OpenFileFinder(0);
    FrmAddfile *finder = finding.finder();
    QCOMPARE(finder->results(), QStringList({finding.lists + u"/one.m3u"_s, finding.lists + u"/three.m3u"_s,
                                             finding.lists + u"/two.m3u"_s}));
    QListView *results = finder->resultList();
    results->selectionModel()->select(results->model()->index(2, 0), QItemSelectionModel::Select);
    results->selectionModel()->select(results->model()->index(0, 0), QItemSelectionModel::Select);
    results->selectionModel()->select(results->model()->index(1, 0), QItemSelectionModel::Select);
    QPointer<FrmAddfile> gone(finder);
    finder->OpenSelectedLists();
    QStringList captions;
    for (int slot = 2; slot <= 4; ++slot)
        captions.append(PlayListCommands::playListAt(finding.app.context, slot)->caption());
    QCOMPARE(captions, QStringList({finding.lists + u"/one.m3u"_s, finding.lists + u"/three.m3u"_s,
                                    finding.lists + u"/two.m3u"_s}));
    QTRY_VERIFY(!gone);
}

void TestFrmAddfile::dropsFromTheFinderAndBetweenLists()
{
    Finding finding;
    PlayListCommands::NewPlayList(finding.app.context);
    PlayListCommands::NewPlayList(finding.app.context);
    PlayList *first = PlayListCommands::playListAt(finding.app.context, 2);
    PlayList *second = PlayListCommands::playListAt(finding.app.context, 3);
    auto *firstWindow = qobject_cast<FrmPlayList *>(first->parent());
    auto *secondWindow = qobject_cast<FrmPlayList *>(second->parent());

    finding.windows.OpenFileFinder(1);
    FrmAddfile *finder = finding.finder();
    finder->folderList()->setFolder(finding.music + u"/A"_s);
    QListView *results = finder->resultList();
    results->selectAll();
    finding.drop(firstWindow, results->model()->mimeData(results->selectionModel()->selectedIndexes()));
    QCOMPARE(titlesOf(first->model()), QStringList{u"a"_s});
    QVERIFY(finding.app.context.PlayLists.ListSlotAt(2).Changed);
    QCOMPARE(finder->results().size(), 1);

    // From one list onto another: a copy; the source keeps its entries and its state.
    first->model().appendEntries({{u"/m/b.mp3"_s, false}, {u"/m/c.mp3"_s, false}});
    finding.app.context.PlayLists.ListSlotAt(2).Changed = false;
    QListView *source = firstWindow->list();
    source->selectionModel()->select(source->model()->index(2, 0), QItemSelectionModel::Select);
    source->selectionModel()->select(source->model()->index(0, 0), QItemSelectionModel::Select);
    finding.drop(secondWindow, source->model()->mimeData(source->selectionModel()->selectedIndexes()));
    QCOMPARE(titlesOf(second->model()), QStringList({u"a"_s, u"c"_s}));
    QCOMPARE(titlesOf(first->model()), QStringList({u"a"_s, u"b"_s, u"c"_s}));
    QVERIFY(!finding.app.context.PlayLists.ListSlotAt(2).Changed);
    QVERIFY(finding.app.context.PlayLists.ListSlotAt(3).Changed);
}

void TestFrmAddfile::quickClickAddsNothingHeldPressCopies()
{
    Finding finding;
    PlayListCommands::NewPlayList(finding.app.context);
    PlayList *list = PlayListCommands::playListAt(finding.app.context, 2);
    list->model().appendEntries({{u"/m/a.mp3"_s, false}, {u"/m/b.mp3"_s, false}});
    auto *window = qobject_cast<FrmPlayList *>(list->parent());
    QListView *view = window->list();
    const QPoint onFirst = view->visualRect(view->model()->index(0, 0)).center();

    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, onFirst);
    finding.drop(window, view->model()->mimeData(view->selectionModel()->selectedIndexes()));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, onFirst);
    QCOMPARE(titlesOf(list->model()), QStringList({u"a"_s, u"b"_s}));
    QVERIFY(!finding.app.context.PlayLists.ListSlotAt(2).Changed);

    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, onFirst);
    QTRY_COMPARE_WITH_TIMEOUT(finding.app.context.PlayLists.ListSlotAt(2).DropReady, u"True"_s, 3000);
    finding.drop(window, view->model()->mimeData(view->selectionModel()->selectedIndexes()));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, onFirst);
    QCOMPARE(titlesOf(list->model()), QStringList({u"a"_s, u"b"_s, u"a"_s}));
    QVERIFY(finding.app.context.PlayLists.ListSlotAt(2).Changed);
}

QTEST_MAIN(TestFrmAddfile)
#include "tst_frmaddfile.moc"
