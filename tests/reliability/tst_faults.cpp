// Bad input and faults across the program: each case checks what the user sees and what is on disk after.
#include <csignal>
#include <sys/resource.h>
#include <thread>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include "app/HandOff.h"
#include "files/FolderSearch.h"
#include "platform/ProcessProgramStarter.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "settings/Options.h"
#include "settings/SettingsFile.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;
using namespace PlayListCommands;

class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void listSaveOntoAFullDisk();
    void playerThatCannotStart_data();
    void playerThatCannotStart();
    void playFolderMissingIsMade();
    void strangeListFiles_data();
    void strangeListFiles();
    void deepTree();
    void folderDeletedDuringTheWalk();
    void handOffOddities();
    void racingHandOffs();
    void garbageSettings();
};

void TestFaults::listSaveOntoAFullDisk()
{
    TestApp app;
    app.host.loadFrame();
    const QString path = app.folders.root() + u"/list.m3u"_s;
    writeFile(path, "/m/old.mp3\r\n");
    QVERIFY(LoadPlayList(app.context, path));
    PlayList &list = *playListAt(app.context, 2);
    QList<PlayListModel::Entry> many;
    for (int i = 0; i < 200; ++i)
        many.append({u"/m/new-"_s + QString::number(i) + u".mp3"_s, false});
    list.model().appendEntries(many);
    app.context.PlayLists.ListSlotAt(2).Changed = true;
    {
        FullDisk disk(1024);
        MnuSave_Click(app.context, list);
    }
    QCOMPARE(app.boxes.shown.size(), 1);
    QCOMPARE(app.boxes.shown.first().title, u"Error Number: 6"_s);
    QCOMPARE(readFile(path), "/m/old.mp3\r\n"_ba);
    QVERIFY(app.context.PlayLists.ListSlotAt(2).Changed);
    QCOMPARE(QDir(app.folders.root()).entryList(QDir::Files), QStringList{u"list.m3u"_s});
}

void TestFaults::playerThatCannotStart_data()
{
    QTest::addColumn<QString>("player"); // "$" is the test's folder
    QTest::newRow("missing") << u"$/no-player"_s;
    QTest::newRow("not executable") << u"$/plain.txt"_s;
    QTest::newRow("a folder") << u"$"_s;
    QTest::newRow("empty") << QString();
}

void TestFaults::playerThatCannotStart()
{
    QFETCH(QString, player);
    TestApp app;
    ProcessProgramStarter starter;
    AppContext context({app.boxes, starter, app.folders, app.drives, app.registry});
    context.setHost(&app.host);
    setUpWindowTable(context);
    writeFile(app.folders.root() + u"/plain.txt"_s, "x");
    context.Settings.WinampPath = player.replace(u"$"_s, app.folders.root());
    NewPlayList(context);
    PlayList &list = *playListAt(context, 2);
    list.model().appendEntries({{u"/m/a.mp3"_s, false}});
    playsong(context, list, 3);
    QCOMPARE(app.boxes.shown.size(), 1);
    QCOMPARE(app.boxes.shown.first().title, u"Error Number: 2"_s);
    QVERIFY(!app.boxes.shown.first().text.endsWith(u"Error rised: "_s));
}

void TestFaults::playFolderMissingIsMade()
{
    TestApp app;
    app.host.loadFrame();
    QVERIFY(!QDir(QFileInfo(app.folders.playFile()).path()).exists());
    NewPlayList(app.context);
    PlayList &list = *playListAt(app.context, 2);
    list.model().appendEntries({{u"/m/a.mp3"_s, false}});
    playsong(app.context, list, 3);
    QCOMPARE(readFile(app.folders.playFile()), "/m/a.mp3\r\n"_ba);
    QVERIFY(app.boxes.shown.isEmpty());
}

void TestFaults::strangeListFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("entries");
    QByteArray binary(1 << 20, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char &byte : binary)
        byte = char(random.bounded(256));
    qsizetype lines = 0;
    bool inLine = false;
    for (const char c : binary) {
        const bool end = c == '\r' || c == '\n';
        lines += (!end && !inLine) ? 1 : 0;
        inLine = !end;
    }
    QByteArray big;
    big.reserve(50 << 20);
    while (big.size() < (50 << 20))
        big += "/music/some artist/some album/01 some title.mp3\r\n";
    QTest::newRow("binary") << binary.replace("\xFF\xFE", "xx").replace("\xFE\xFF", "xx") << int(lines);
    QTest::newRow("50 MB") << big << int(big.size() / 49);
    QTest::newRow("one line of 10 MB") << QByteArray(10 << 20, 'x') << 1;
    QTest::newRow("NUL bytes") << "/m/\0a.mp3\r\n\0\0\0\r\n"_ba << 2;
}

void TestFaults::strangeListFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(int, entries);
    TestApp app;
    app.host.loadFrame();
    const QString path = app.folders.root() + u"/strange.m3u"_s;
    writeFile(path, content);
    QVERIFY(LoadPlayList(app.context, path));
    QVERIFY(app.boxes.shown.isEmpty());
    if (content.startsWith("\xEF\xBB\xBF"))
        return;
    QCOMPARE(playListAt(app.context, 2)->model().count(), entries);
}

void TestFaults::deepTree()
{
    QTemporaryDir dir;
    QString folder = dir.path();
    for (int level = 0; level < 200; ++level)
        folder += u"/d"_s;
    QVERIFY(QDir().mkpath(folder));
    writeFile(folder + u"/deep.mp3"_s, "x");
    std::atomic<bool> stop{false};
    QStringList found;
    FolderWalk::search(dir.path(), u"*.mp3"_s, stop, [&found](const PathBatch &batch) { found += batch.toList(); });
    QCOMPARE(found, QStringList{folder + u"/deep.mp3"_s});
}

void TestFaults::folderDeletedDuringTheWalk()
{
    QTemporaryDir dir;
    writeFile(dir.path() + u"/A/a.mp3"_s, "x");
    writeFile(dir.path() + u"/A/sub/s.mp3"_s, "x");
    writeFile(dir.path() + u"/B/b.mp3"_s, "x");
    std::atomic<bool> stop{false};
    QStringList found;
    // B is walked first; while its file is reported, A (listed but not yet walked) disappears.
    FolderWalk::search(
        dir.path(), u"*.mp3"_s, stop,
        [&](const PathBatch &batch) {
            found += batch.toList();
            QDir(dir.path() + u"/A"_s).removeRecursively();
        },
        1);
    QCOMPARE(found, QStringList{dir.path() + u"/B/b.mp3"_s});
}

void TestFaults::handOffOddities()
{
    QTemporaryDir dir;
    const QString path = dir.path() + u"/_tunary.$$$"_s;
    // A folder in the hand-off file's place is not a hand-off; it is left alone.
    QVERIFY(QDir().mkpath(path));
    QVERIFY(!HandOff::isWaiting(path));
    QVERIFY(HandOff::take(path).isEmpty());
    QVERIFY(QDir(path).exists());
    QVERIFY(QDir(path).removeRecursively());

    // A huge hand-off: every line arrives.
    QByteArray huge;
    for (int i = 0; i < 20000; ++i)
        huge += "/music/list-" + QByteArray::number(i) + ".m3u\r\n";
    writeFile(path, huge);
    const QStringList taken = HandOff::take(path);
    QCOMPARE(taken.size(), 20000);
    QCOMPARE(taken.last(), u"/music/list-19999.m3u"_s);
    QVERIFY(!QFile::exists(path));
}

void TestFaults::racingHandOffs()
{
    QTemporaryDir dir;
    const QString path = dir.path() + u"/_tunary.$$$"_s;
    auto second = [&path](int copy) {
        for (int i = 0; i < 40; ++i)
            HandOff::append(path, u"/lists/"_s + QString::number(copy) + u'-' + QString::number(i) + u".m3u"_s);
    };
    QStringList received;
    std::thread a(second, 1);
    std::thread b(second, 2);
    // The running copy takes hand-offs while they arrive.
    for (int round = 0; round < 200 && received.size() < 80; ++round) {
        received += HandOff::take(path);
        QThread::msleep(2);
    }
    a.join();
    b.join();
    received += HandOff::take(path);
    QCOMPARE(received.size(), 80);
    QCOMPARE(QSet<QString>(received.begin(), received.end()).size(), 80);
    // Each copy's lists arrive in the order it handed them over.
    for (const QString &copy : {u"/lists/1-"_s, u"/lists/2-"_s}) {
        int last = -1;
        for (const QString &line : received) {
            if (!line.startsWith(copy))
                continue;
            const int number = line.mid(copy.size()).chopped(4).toInt();
            QVERIFY(number > last);
            last = number;
        }
    }
}

void TestFaults::garbageSettings()
{
    TestApp app;
    const QByteArray tenMegabytes(10 << 20, 'g');
    app.writeProgramFile(u"TUNARY.INI"_s, tenMegabytes +
                                              "\r\n/m\r\n/l\r\nblue\r\nred\r\n1e9\r\n-7x\r\nNo Such Font "
                                              "Anywhere\r\nmaybe\r\nTrue\r\n" +
                                              tenMegabytes + "\r\n");
    LoadSettings(app.context, u"no"_s);
    QVERIFY(app.host.frameLoaded);
    QVERIFY(app.host.colours.isEmpty());
    QCOMPARE(app.context.Settings.WinampPath.size(), 10 << 20);
    QCOMPARE(app.boxes.shown.size(), 1); // error 8: the open-and-play list is no file
    QCOMPARE(app.boxes.shown.first().title, u"Error Number: 8"_s);
    const Options::OptionsState state = Options::stateFromSettings(app.context.Settings);
    QCOMPARE(state.V1 + state.V2 + state.V3, 0);
    QCOMPARE(state.preview, 0xFFFFFF);
    QCOMPARE(state.test, u"No Such Font Anywhere"_s);
}

QTEST_GUILESS_MAIN(TestFaults)
#include "tst_faults.moc"
