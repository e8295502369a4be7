#include <QDir>
#include <QFile>
#include <QTest>

#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;
using namespace PlayListCommands;

namespace {

// A started program with the window table set up, as after the frame has loaded.
struct Program : TestApp
{
    Program()
    {
        setUpWindowTable(context);
        context.Settings.WinampPath = u"/opt/player/play"_s;
        context.Settings.ListFont = u"Mono"_s;
    }

    PlayList &list(int slot) { return *playListAt(context, slot); }
    bool changed(int slot) const { return context.PlayLists.ListSlotAt(slot).Changed; }
    QString listFile(const QString &name, const QByteArray &bytes) const
    {
        const QString path = folders.root() + u"/lists/"_s + name;
        writeFile(path, bytes);
        return path;
    }
};

} // namespace

class TestPlayListCommands : public QObject
{
    Q_OBJECT

private slots:
    void changedFlag_data();
    void changedFlag();
    void slotsAndCaptionsAcrossCloses();
    void loadPlayList();
    void loadPlayListSortsWhenAsked();
    void unreadableListFreesItsSlot();
    void saveWritesTheCaptionsFile();
    void saveOfUntitledAsksForAName();
    void failedSaveKeepsTheListChanged();
    void closeQuestion_data();
    void closeQuestion();
    void play_data();
    void play();
    void playFailures_data();
    void playFailures();
    void skipNextPlayErrorIsUsedOnce();
    void drops_data();
    void drops();
};

void TestPlayListCommands::changedFlag_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("changed");
    QTest::newRow("clear") << Edit::Clear << 1 << true;
    QTest::newRow("move up") << Edit::MoveUp << 1 << true;
    QTest::newRow("move up on the first") << Edit::MoveUp << 0 << true;
    QTest::newRow("move down on the last") << Edit::MoveDown << 2 << true;
    QTest::newRow("delete key, nothing selected") << Edit::DeleteKey << 1 << true;
    QTest::newRow("remove selected") << Edit::RemoveSelected << 1 << true;
    QTest::newRow("remove one") << Edit::RemoveOne << 1 << true;
    QTest::newRow("remove one, no caret") << Edit::RemoveOne << -1 << false;
    QTest::newRow("sort") << Edit::Sort << 1 << false;
    QTest::newRow("select all") << Edit::SelectAll << 1 << false;
}

void TestPlayListCommands::changedFlag()
{
    QFETCH(Edit, edit);
    QFETCH(int, caret);
    QFETCH(bool, changed);
    Program program;
    QVERIFY(LoadPlayList(program.context, program.listFile(u"a.m3u"_s, "/m/c.mp3\r\n/m/a.mp3\r\n/m/b.mp3\r\n")));
    const int slot = program.context.LoadingSlot;
    QVERIFY(!program.changed(slot));
    program.list(slot).model().setCurrentIndex(caret);
    runEdit(program.context, program.list(slot), edit);
    QCOMPARE(program.changed(slot), changed);
}

void TestPlayListCommands::slotsAndCaptionsAcrossCloses()
{
    Program program;
    AppContext &context = program.context;
    QCOMPARE(NewPlayList(context), 2);
    QCOMPARE(program.list(2).caption(), u"Untitled 1"_s);
    QCOMPARE(NewPlayList(context), 3);
    QCOMPARE(program.list(3).caption(), u"Untitled 2"_s);
    QCOMPARE(program.list(3).listFont(), u"Mono"_s);
    QCOMPARE(program.list(3).TheWinampPath, u"/opt/player/play"_s);
    QCOMPARE(program.list(3).sizePixels(), QSize(245, 378));

    // Closed unchanged: the slot stays taken.
    QVERIFY(Form_QueryUnload(context, program.list(2), false));
    QCOMPARE(NewPlayList(context), 4);
    QCOMPARE(program.list(4).caption(), u"Untitled 3"_s);

    // Closed changed with No: the slot is free for the next list, which starts unchanged.
    context.PlayLists.ListSlotAt(3).Changed = true;
    program.boxes.answers = {MessageAnswer::No};
    QVERIFY(Form_QueryUnload(context, program.list(3), false));
    QCOMPARE(NewPlayList(context), 3);
    QCOMPARE(program.list(3).caption(), u"Untitled 2"_s);
    QVERIFY(!program.changed(3));
}

void TestPlayListCommands::loadPlayList()
{
    Program program;
    NewPlayList(program.context);
    const QString path = program.listFile(u"evening.m3u"_s, "#EXTM3U\r\nD:\\MP3\\A.mp3\r\n");
    QVERIFY(LoadPlayList(program.context, path));
    QCOMPARE(program.context.LoadingSlot, 3);
    PlayList &list = program.list(3);
    QCOMPARE(list.caption(), path);
    QCOMPARE(list.model().count(), 2);
    QCOMPARE(list.model().title(0), u"#EX"_s);
    QCOMPARE(list.model().title(1), u"A"_s);
    QVERIFY(!program.changed(3));
}

void TestPlayListCommands::loadPlayListSortsWhenAsked()
{
    Program program;
    program.context.Settings.AlwaysSort = u"True"_s;
    QVERIFY(LoadPlayList(program.context, program.listFile(u"a.m3u"_s, "/m/b.mp3\n/m/a.mp3\n")));
    QCOMPARE(program.list(2).model().entryPath(0), u"/m/a.mp3"_s);
    QVERIFY(!program.changed(2));
}

void TestPlayListCommands::unreadableListFreesItsSlot()
{
    Program program;
    QVERIFY(!LoadPlayList(program.context, program.folders.root() + u"/missing.m3u"_s));
    QCOMPARE(program.context.LoadingSlot, 2);
    QVERIFY(!playListAt(program.context, 2));
    QVERIFY(program.boxes.shown.isEmpty());
    QCOMPARE(NewPlayList(program.context), 2);
    QCOMPARE(program.list(2).caption(), u"Untitled 1"_s);
}

void TestPlayListCommands::saveWritesTheCaptionsFile()
{
    Program program;
    const QString path = program.listFile(u"a.m3u"_s, "  /m/x.mp3 \n\n/m/y.mp3");
    QVERIFY(LoadPlayList(program.context, path));
    PlayList &list = program.list(2);
    list.model().appendEntries({{u"/m/z.mp3"_s, false}});
    program.context.PlayLists.ListSlotAt(2).Changed = true;
    MnuSave_Click(program.context, list);
    QCOMPARE(readFile(path), "/m/x.mp3\r\n/m/y.mp3\r\n/m/z.mp3\r\n"_ba);
    QVERIFY(!program.changed(2));
    QVERIFY(program.boxes.shown.isEmpty());
}

void TestPlayListCommands::saveOfUntitledAsksForAName()
{
    Program program;
    NewPlayList(program.context);
    MnuSave_Click(program.context, program.list(2));
    QVERIFY(program.context.FileDialogOpen);
    MnuSaveAs_Click(program.context, program.list(2)); // the dialog is open: nothing happens
    program.context.FileDialogOpen = false;
    MnuSaveAs_Click(program.context, program.list(2));
    QCOMPARE(program.host.calls.filter(u"OpenFileDialog"_s),
             QStringList({u"OpenFileDialog save 2"_s, u"OpenFileDialog save 2"_s}));
}

void TestPlayListCommands::failedSaveKeepsTheListChanged()
{
    Program program;
    const QString path = program.listFile(u"a.m3u"_s, "/m/x.mp3\r\n");
    QVERIFY(LoadPlayList(program.context, path));
    PlayList &list = program.list(2);
    runEdit(program.context, list, Edit::Clear);
    // The list's file has become a folder: nothing can be written there.
    QFile::remove(path);
    QDir().mkpath(path);
    MnuSave_Click(program.context, list);
    QCOMPARE(program.boxes.shown.size(), 1);
    QCOMPARE(program.boxes.shown.first().title, u"Error Number: 6"_s);
    QVERIFY(program.changed(2));
}

void TestPlayListCommands::closeQuestion_data()
{
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<bool>("frameClosing");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("changedAfter");
    QTest::addColumn<bool>("slotFree");
    QTest::addColumn<bool>("frameClosingAfter");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("yes") << MessageAnswer::Yes << false << false << true << false << false
                         << u"OpenFileDialog save_kill 2"_s;
    QTest::newRow("no") << MessageAnswer::No << false << true << false << true << false << QString();
    QTest::newRow("cancel") << MessageAnswer::Cancel << false << false << true << false << false << QString();
    QTest::newRow("yes, frame closing") << MessageAnswer::Yes << true << false << true << false << true
                                        << u"OpenFileDialog save_kill 2"_s;
    QTest::newRow("no, frame closing") << MessageAnswer::No << true << true << false << true << true << QString();
    QTest::newRow("cancel, frame closing")
        << MessageAnswer::Cancel << true << false << true << false << false << QString();
}

void TestPlayListCommands::closeQuestion()
{
    QFETCH(MessageAnswer, answer);
    QFETCH(bool, frameClosing);
    QFETCH(bool, closes);
    QFETCH(bool, changedAfter);
    QFETCH(bool, slotFree);
    QFETCH(bool, frameClosingAfter);
    QFETCH(QString, dialog);

    Program program;
    NewPlayList(program.context);
    program.context.PlayLists.ListSlotAt(2).Changed = true;
    program.boxes.answers = {answer};
    QCOMPARE(Form_QueryUnload(program.context, program.list(2), frameClosing), closes);

    const MessageBoxRequest &box = program.boxes.shown.first();
    QCOMPARE(box.title, u"Save First?"_s);
    QCOMPARE(box.text, u"Save Changes to Untitled 1?"_s);
    QCOMPARE(box.buttons, MessageButtons::YesNoCancel);
    QCOMPARE(box.icon, MessageIcon::None);
    QCOMPARE(program.changed(2), changedAfter);
    QCOMPARE(program.context.PlayLists.ListSlotAt(2).SlotFree, slotFree);
    QCOMPARE(program.context.FrameClosing, frameClosingAfter);
    // The dialog comes once the events waiting now have run.
    QVERIFY(program.host.calls.filter(u"OpenFileDialog"_s).isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(program.host.calls.filter(u"OpenFileDialog"_s), dialog.isEmpty() ? QStringList() : QStringList{dialog});
}

void TestPlayListCommands::play_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("played");
    QTest::newRow("current entry") << 1 << "/m/b.mp3\r\n"_ba;
    QTest::newRow("selected entries in list order") << 2 << "/m/a.mp3\r\n/lists/rel/c.mp3\r\n"_ba;
    QTest::newRow("whole list, relative entries from the list's folder")
        << 3 << "/m/a.mp3\r\n/m/b.mp3\r\n/lists/rel/c.mp3\r\n#EXTINF:1,x\r\nhttp://radio/s.mp3\r\n"_ba;
}

void TestPlayListCommands::play()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, played);
    Program program;
    const QString path =
        program.listFile(u"a.m3u"_s, "/m/a.mp3\r\n  /m/b.mp3  \r\nrel\\c.mp3\r\n#EXTINF:1,x\r\nhttp://radio/s.mp3\r\n");
    QVERIFY(LoadPlayList(program.context, path));
    PlayList &list = program.list(2);
    list.model().setSelected(2, true);
    list.model().setSelected(0, true);
    list.model().setCurrentIndex(1);

    playsong(program.context, list, mode);
    played.replace("/lists/", (program.folders.root() + u"/lists/"_s).toUtf8());
    QCOMPARE(readFile(program.folders.playFile()), played);
    QCOMPARE(program.starter.calls.size(), 1);
    QCOMPARE(program.starter.calls.first().program, u"/opt/player/play"_s);
    QCOMPARE(program.starter.calls.first().arguments, QStringList{program.folders.playFile()});
    QCOMPARE(list.PlayCommand, u"/opt/player/play "_s + program.folders.playFile());
    QVERIFY(program.boxes.shown.isEmpty());
    // The list itself keeps its entries as they were.
    QCOMPARE(list.model().entryPath(2), u"rel\\c.mp3"_s);
}

void TestPlayListCommands::playFailures_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("startFault");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("starts");
    QTest::newRow("empty list") << QByteArray() << QString() << -1 << u"Error Number: 5"_s << 0;
    QTest::newRow("player missing") << "/m/a.mp3\r\n"_ba << u"/opt/player/play does not exist."_s << 0
                                    << u"Error Number: 2"_s << 1;
    QTest::newRow("no current entry does nothing") << "/m/a.mp3\r\n"_ba << QString() << -1 << QString() << 0;
}

void TestPlayListCommands::playFailures()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, startFault);
    QFETCH(int, caret);
    QFETCH(QString, box);
    QFETCH(int, starts);
    Program program;
    writeFile(program.folders.playFile(), "earlier play\r\n");
    QVERIFY(LoadPlayList(program.context, program.listFile(u"a.m3u"_s, file)));
    program.starter.failWith = startFault;
    PlayList &list = program.list(2);
    list.model().setCurrentIndex(caret);
    playsong(program.context, list, 1);

    QCOMPARE(program.starter.calls.size(), starts);
    QCOMPARE(program.boxes.shown.size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty()) {
        QCOMPARE(program.boxes.shown.first().title, box);
        QVERIFY(program.boxes.shown.first().text.endsWith(u"Error rised: "_s + startFault));
    }
    if (starts == 0)
        QCOMPARE(readFile(program.folders.playFile()), "earlier play\r\n"_ba);
}

void TestPlayListCommands::skipNextPlayErrorIsUsedOnce()
{
    Program program;
    NewPlayList(program.context);
    program.context.SkipNextPlayError = true;
    playsong(program.context, program.list(2), 3);
    QVERIFY(program.boxes.shown.isEmpty());
    QVERIFY(!program.context.SkipNextPlayError);
    playsong(program.context, program.list(2), 3);
    QCOMPARE(program.boxes.shown.size(), 1);
    QCOMPARE(program.boxes.shown.first().title, u"Error Number: 5"_s);
}

void TestPlayListCommands::drops_data()
{
    QTest::addColumn<QString>("dropReady");
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("changed");
    const QStringList before{u"/m/a.mp3"_s};
    QTest::newRow("never pressed") << QString() << QStringList{u"/m/x.mp3"_s, u"/m/y.mp3"_s}
                                   << QStringList{u"a"_s, u"x"_s, u"y"_s} << true;
    QTest::newRow("within a second of a press")
        << u"False"_s << QStringList{u"/m/x.mp3"_s} << QStringList{u"a"_s} << false;
    QTest::newRow("a second after the press")
        << u"True"_s << QStringList{u"/m/x.mp3"_s} << QStringList{u"a"_s, u"x"_s} << true;
    QTest::newRow("nothing selected still marks changed") << u"True"_s << QStringList{} << QStringList{u"a"_s} << true;
    QTest::newRow("duplicates kept") << QString() << QStringList{u"/m/a.mp3"_s, u"/m/a.mp3"_s}
                                     << QStringList{u"a"_s, u"a"_s, u"a"_s} << true;
}

void TestPlayListCommands::drops()
{
    QFETCH(QString, dropReady);
    QFETCH(QStringList, dropped);
    QFETCH(QStringList, after);
    QFETCH(bool, changed);
    Program program;
    NewPlayList(program.context);
    PlayList &list = program.list(2);
    list.model().appendEntries({{u"/m/a.mp3"_s, false}});
    program.context.PlayLists.ListSlotAt(2).DropReady = dropReady;
    QList<PlayListModel::Entry> entries;
    for (const QString &path : dropped)
        entries.append({path, false});
    QCOMPARE(Lst1_DragDrop(program.context, list, entries), dropReady != u"False"_s);
    QStringList titles;
    for (int row = 0; row < list.model().count(); ++row)
        titles.append(list.model().title(row));
    QCOMPARE(titles, after);
    QCOMPARE(program.changed(2), changed);
    QVERIFY(list.model().selectedRows().isEmpty());
}

QTEST_GUILESS_MAIN(TestPlayListCommands)
#include "tst_playlistcommands.moc"
