// SPDX-License-Identifier: MIT

// The program's start: the command line, the settings file, the loader and the hand-off to a running copy.
#include <algorithm>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "app/HandOff.h"
#include "app/HandOffInbox.h"
#include "app/StartUp.h"
#include "app/StartupGate.h"
#include "app/Translations.h"
#include "app/TrayMinimizer.h"
#include "core/PauseWatch.h"
#include "platform/NotificationIcon.h"
#include "platform/StandardFolders.h"
#include "playlist/Recovery.h"
#include "settings/FrameColour.h"
#include "settings/SettingsFile.h"
#include "support/TestApp.h"

using namespace Qt::StringLiterals;

namespace {

using Colours = QList<qint32>;

const QByteArray kExampleFile = "C:\\Program Files\\Winamp\\winamp.exe\r\nC:\\MP3\\\r\nC:\\MP3\\Caf\xc3\xa9\\\r\n"
                                "16744576\r\n 0 \r\n 0 \r\n 0 \r\nCourier New\r\nTrue\r\nFalse\r\n"
                                "C:\\MP3\\Lists\\evening.m3u\r\n"_ba;

SettingsValues exampleValues()
{
    SettingsValues values;
    values.playerPath = u"C:\\Program Files\\Winamp\\winamp.exe"_s;
    values.mp3Folder = u"C:\\MP3\\"_s;
    values.m3uFolder = u"C:\\MP3\\Café\\"_s;
    values.backColour = 16744576;
    values.listFont = u"Courier New"_s;
    values.alwaysSort = true;
    values.openAndPlayFile = u"C:\\MP3\\Lists\\evening.m3u"_s;
    return values;
}

class RecordingIcon : public NotificationIcon
{
public:
    bool isAvailable() const override { return available; }
    void show(const QString &tip) override { calls.append(u"show "_s + tip); }
    void hide() override { calls.append(u"hide"_s); }
    void setLeftClickHandler(std::function<void()> handler) override { click = std::move(handler); }

    bool available = true;
    QStringList calls; // the frame's too
    std::function<void()> click;
};

// The permission bits of a file or folder, as ls -l shows them.
int modeOf(const QString &path)
{
    struct stat info = {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    // A first copy's loader, or a later one's while the first runs, answering or not: what the hand-off file
    // holds afterwards (null: no file; "/" stands for a folder in its place) and what the running copy heard.
    void loader_data()
    {
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("answers");
        QTest::addColumn<QByteArray>("pending"); // null: no hand-off file before
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QByteArray>("handOff");
        QTest::addColumn<StartupGate::Outcome>("outcome");
        QTest::addColumn<int>("heard");
        using Outcome = StartupGate::Outcome;
        const QByteArray two = "/a/two.m3u\r\n"_ba;
        QTest::newRow("first copy leaves a waiting list for itself")
            << true << true << two << "/a/new.m3u"_ba << two << Outcome::ShowSplash << 0;
        QTest::newRow("later copy hands over, name not UTF-8")
            << false << true << QByteArray() << "/a/Caf\xe9.m3u"_ba << QByteArray() << Outcome::End << 1;
        QTest::newRow("later copy without a list brings it to the front")
            << false << true << QByteArray() << QByteArray() << QByteArray() << Outcome::End << 1;
        QTest::newRow("no answer: kept in the file after those waiting")
            << false << false << "/a/1.m3u"_ba
            << "/a/two.m3u"_ba
            << "/a/1.m3u\r\n"_ba + two << Outcome::End << 0;
        QTest::newRow("no answer, nothing to keep")
            << false << false << QByteArray() << QByteArray() << QByteArray() << Outcome::End << 0;
        QTest::newRow("no answer, and a folder at the file's place") << false << false << "/"_ba
                                                                     << "/a/two.m3u"_ba
                                                                     << "/"_ba << Outcome::CannotHandOver << 0;
    }

    void loader()
    {
        QFETCH(bool, first);
        QFETCH(bool, answers);
        QFETCH(QByteArray, pending);
        QFETCH(QByteArray, list);
        QFETCH(QByteArray, handOff);
        QFETCH(StartupGate::Outcome, outcome);
        QFETCH(int, heard);
        TempFolders folders;
        InstanceHub hub;
        InProcessSingleInstance running(hub);
        InProcessSingleInstance later(hub);
        QByteArrayList messages;
        if (!first) {
            StartupGate(folders, running).decide({});
            running.setMessageHandler({[](const QByteArray &) { return true; },
                                       [&messages](const QByteArray &message) { messages.append(message); }});
        }
        hub.answers = answers;
        if (pending == "/")
            QVERIFY(QDir().mkpath(folders.handOffFile()));
        else if (!pending.isNull())
            writeFile(folders.handOffFile(), pending);
        StartupGate gate(folders, first ? running : later);
        QCOMPARE(gate.decide(list), outcome);
        QCOMPARE(gate.fault().isEmpty(), outcome != StartupGate::Outcome::CannotHandOver);
        if (handOff == "/")
            QVERIFY(QFileInfo(folders.handOffFile()).isDir());
        else
            QCOMPARE(HandOff::parse(readFile(folders.handOffFile())), HandOff::parse(handOff));
        QCOMPARE(messages.size(), heard);
        if (heard)
            QCOMPARE(HandOff::parseRequest(messages.first())->list, list);
    }

    // The running copy: lists left in the hand-off file before it ran open but do not play; those handed over
    // later, by a message or through the file, open and play in the order they came; unreadable ones drop.
    void inbox_data()
    {
        QTest::addColumn<QByteArray>("leftover");   // null: no file at the start; "$" the lists' folder
        QTest::addColumn<QByteArrayList>("handed"); // "file:" names one that comes through the file
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<int>("plays");
        QTest::newRow("empty file left alone") << ""_ba << QByteArrayList() << QStringList() << 0;
        QTest::newRow("left over: opened, not played")
            << "$/two.m3u\r\n$/gone.m3u\r\n"_ba << QByteArrayList() << QStringList{u"$/two.m3u"_s} << 0;
        QTest::newRow("quoted name dropped") << QByteArray() << QByteArrayList{"\"$/one.m3u\""} << QStringList() << 0;
        QTest::newRow("in order, however they came, missing one dropped")
            << "$/one.m3u\n"_ba << QByteArrayList{"$/two.m3u", "file:$/gone.m3u", "file:$/one.m3u", "$/two.m3u"}
            << QStringList{u"$/one.m3u"_s, u"$/two.m3u"_s, u"$/one.m3u"_s, u"$/two.m3u"_s} << 3;
    }

    // At start the player is started without a file, with the arguments of its command that name none, unless
    // the options say not to.
    void playerAtStart()
    {
        for (const bool starts : {true, false}) {
            TestApp app;
            app.context.settings.playerPath = u"'/opt/a player/vlc' --one-instance %f"_s;
            QVERIFY(!app.context.options.setStartsPlayer(starts));
            StartUp::startPlayer(app.context);
            QCOMPARE(app.starter.calls.size(), starts ? 1 : 0);
            if (starts) {
                QCOMPARE(app.starter.calls.first().program, u"/opt/a player/vlc"_s);
                QCOMPARE(app.starter.calls.first().arguments, QStringList{u"--one-instance"_s});
            }
        }
    }

    void inbox()
    {
        QFETCH(QByteArray, leftover);
        QFETCH(QByteArrayList, handed);
        QFETCH(QStringList, opened);
        QFETCH(int, plays);
        TestApp app;
        app.host.loadFrame();
        app.context.startUpDone = true;
        app.context.settings.playerPath = u"/opt/player/play"_s;
        const QString lists = app.folders.root() + u"/lists"_s;
        writeFile(lists + u"/one.m3u"_s, "/m/1.mp3\r\n");
        writeFile(lists + u"/two.m3u"_s, "/m/2.mp3\r\n");
        const QString file = app.folders.handOffFile();
        if (!leftover.isNull())
            writeFile(file, leftover.replace('$', lists.toUtf8()));
        HandOffInbox inbox(app.context);
        inbox.watchFile();
        for (QByteArray list : std::as_const(handed)) {
            list.replace('$', lists.toUtf8());
            if (list.startsWith("file:")) {
                QVERIFY(HandOff::append(file, {list.mid(5)}).isEmpty());
                QTRY_VERIFY(!QFile::exists(file));
            } else {
                QVERIFY(handOver(inbox, HandOff::formatRequest({list, 1})));
            }
        }
        QTRY_COMPARE(openLists(app.context), opened.replaceInStrings(u"$"_s, lists));
        QCOMPARE(app.starter.calls.size(), plays);
        QVERIFY(app.boxes.shown.isEmpty());
        QCOMPARE(QFile::exists(file), leftover.isEmpty() && !leftover.isNull());
    }

    // While a box is open nothing handed over opens; what is still waiting when the program ends, or was said
    // yes to just before, is kept in the hand-off file for the next start; later starts are refused then.
    void inboxWaitsAndKeepsWhatItCouldNotOpen()
    {
        TestApp app;
        app.host.loadFrame();
        app.context.startUpDone = true;
        const QString list = app.folders.root() + u"/one.m3u"_s;
        writeFile(list, "/m/1.mp3\r\n");
        HandOffInbox inbox(app.context);
        bool boxOpen = true;
        inbox.setBusyCheck([&boxOpen] { return boxOpen; });
        QVERIFY(handOver(inbox, HandOff::formatRequest({list.toUtf8(), 1})));
        QVERIFY(!handOver(inbox, "garbage"));
        QTest::qWait(250);
        QVERIFY(openLists(app.context).isEmpty());
        boxOpen = false;
        QTRY_COMPARE(openLists(app.context), QStringList{list});
        boxOpen = true;
        QVERIFY(handOver(inbox, HandOff::formatRequest({"/a/two.m3u", 1})));
        QVERIFY(handOver(inbox, HandOff::formatRequest({"/a/three.m3u", 1})));
        const QByteArray justBefore = HandOff::formatRequest({"/a/four.m3u", 1});
        QVERIFY(inbox.accepts(justBefore));
        QVERIFY(inbox.close().isEmpty());
        inbox.take(justBefore);
        QVERIFY(!handOver(inbox, HandOff::formatRequest({"/a/five.m3u", 1}))); // its start keeps it itself
        QCOMPARE(HandOff::take(app.folders.handOffFile()),
                 (QByteArrayList{"/a/two.m3u", "/a/three.m3u", "/a/four.m3u"}));
        QCOMPARE(openLists(app.context), QStringList{list});
    }

    // After the splash: the command line's list, or else the open-and-play one, opened and played; the player.
    void startUpList_data()
    {
        QTest::addColumn<QString>("commandLine"); // "$" is the folder of the lists
        QTest::addColumn<QString>("openAndPlay"); // the list to open and play; empty: none
        QTest::addColumn<bool>("logoClicked");
        QTest::addColumn<QString>("opened"); // empty: none
        QTest::addColumn<QString>("box");
        const QString evening = u"$/evening.m3u"_s;
        QTest::newRow("no list") << QString() << QString() << false << QString() << QString();
        QTest::newRow("command line") << evening << QString() << false << u"evening.m3u"_s << QString();
        QTest::newRow("not a list") << u"$/song.mp3"_s << QString() << false << QString() << u"Error Number: 10"_s;
        QTest::newRow("open and play") << QString() << u"morning.m3u"_s << false << u"morning.m3u"_s << QString();
        QTest::newRow("open and play gone: one box")
            << QString() << u"gone.m3u"_s << false << QString() << u"Error Number: 8"_s;
        QTest::newRow("command line wins") << evening << u"morning.m3u"_s << false << u"evening.m3u"_s << QString();
        QTest::newRow("logo clicked: opened, not played")
            << evening << QString() << true << u"evening.m3u"_s << QString();
    }

    void startUpList()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, openAndPlay);
        QFETCH(bool, logoClicked);
        QFETCH(QString, opened);
        QFETCH(QString, box);
        TestApp app;
        const QString lists = app.folders.root() + u"/lists"_s;
        for (const QString &name : {u"evening.m3u"_s, u"morning.m3u"_s, u"song.mp3"_s})
            writeFile(lists + u'/' + name, "/m/" + name.toUtf8() + ".mp3\r\n");
        SettingsValues settings;
        settings.playerPath = u"/opt/player/play"_s;
        settings.backColour = 255;
        settings.openAndPlay = !openAndPlay.isEmpty();
        settings.openAndPlayFile = lists + u'/' + openAndPlay;
        saveSettings(app.context, settings);
        app.context.noAutoPlay = logoClicked;
        StartUp::splashUnloading(app.context, commandLine.replace(u"$"_s, lists));

        QCOMPARE(openLists(app.context), opened.isEmpty() ? QStringList() : QStringList{lists + u'/' + opened});
        const bool played = !opened.isEmpty() && !logoClicked;
        QCOMPARE(app.starter.calls.size(), played ? 2 : 1);
        QVERIFY(app.starter.calls.last().arguments.isEmpty());
        if (played)
            QCOMPARE(readFile(app.starter.calls.first().arguments.last()), "/m/" + opened.toUtf8() + ".mp3\r\n");
        QCOMPARE(app.journal.filter(u"box"_s), box.isEmpty() ? QStringList() : QStringList{u"box "_s + box});
        QVERIFY(!app.context.skipNextPlayError);
        if (!box.isEmpty())
            QVERIFY(app.boxes.shown.first().text.contains(openAndPlay.isEmpty() ? commandLine : openAndPlay));
    }

    void notificationArea()
    {
        RecordingIcon icon;
        TrayMinimizer taskbar(
            icon, [&icon] { icon.calls.append(u"hide frame"_s); }, [&icon] { icon.calls.append(u"restore frame"_s); });
        taskbar.frameResized();
        icon.click();
        icon.click(); // with no icon shown, nothing happens
        // Brought back another way (a list handed over), the frame takes its icon away, once.
        taskbar.frameResized();
        taskbar.frameShown();
        taskbar.frameShown();
        // Where the desktop has no notification area, minimising just minimises.
        icon.available = false;
        taskbar.frameResized();
        QCOMPARE(icon.calls, QStringList({u"show TUNARY"_s, u"hide frame"_s, u"hide"_s, u"restore frame"_s,
                                          u"show TUNARY"_s, u"hide frame"_s, u"hide"_s}));
    }

    void roundTrip()
    {
        TestApp app;
        saveSettings(app.context, exampleValues());
        QCOMPARE(app.readProgramFile(u"TUNARY.INI"_s), kExampleFile);
        loadSettings(app.context);
        const SettingsRecord &read = app.context.settings;
        QCOMPARE(read.m3uFolder + read.red + read.alwaysSort + read.openAndPlay, u"C:\\MP3\\Café\\ 0 TrueFalse"_s);
        QCOMPARE(app.host.colours, Colours{16744576});
        QVERIFY(app.boxes.shown.isEmpty());
        // Only at start-up is the player's path shown.
        QVERIFY(app.host.playerPath.isNull());
        loadSettings(app.context);
        StartUp::startUpSteps(app.context);
        QCOMPARE(app.host.playerPath, u"C:\\Program Files\\Winamp\\winamp.exe"_s);
    }

    // Each file holds the example's eleven lines, and is read as the example is.
    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("CR") << QByteArray(kExampleFile).replace("\r\n", "\r");
        QTest::newRow("LF") << QByteArray(kExampleFile).replace("\r\n", "\n");
        QTest::newRow("mixed")
            << QByteArray(kExampleFile).replace("16744576\r\n", "16744576\n").replace("True\r\n", "True\r");
        QTest::newRow("last line without end") << kExampleFile.chopped(2);
        QTest::newRow("lines after the eleventh ignored") << kExampleFile + "extra\r\nmore\r\n";
        QTest::newRow("CR LF split over a read") << QByteArray(64 * 1024 - 1, 'w') + kExampleFile.mid(34);
    }

    void lineEnds()
    {
        QFETCH(QByteArray, file);
        TestApp app;
        app.writeProgramFile(u"TUNARY.INI"_s, kExampleFile);
        SettingsRecord example;
        QCOMPARE(readSettingsFile(app.folders.settingsFile(), example).linesRead, 11);
        if (file.startsWith('w'))
            example.playerPath = QString(64 * 1024 - 1, u'w');
        app.writeProgramFile(u"TUNARY.INI"_s, file);
        SettingsRecord record;
        const SettingsRead read = readSettingsFile(app.folders.settingsFile(), record);
        QCOMPARE(read.linesRead, 11);
        QVERIFY(read.fault.isEmpty());
        QVERIFY(record == example);
    }

    // The settings loaded at start-up: the colour the frame takes, and error 1 where there are no settings (the
    // settings dialog opens behind its box, and the frame still loads, keeping its white background).
    void load_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: no file
        QTest::addColumn<Colours>("colours");
        QTest::addColumn<bool>("errorOne");
        QTest::addColumn<bool>("faultQuoted"); // error 1 ends with a description of what went wrong
        auto colour = [](const char *line) { return QByteArray(kExampleFile).replace("16744576", line); };
        QTest::newRow("no file") << QByteArray() << Colours() << true << true;
        QTest::newRow("empty file") << ""_ba << Colours() << true << true;
        QTest::newRow("three lines") << "a\r\nb\r\nc\r\n"_ba << Colours() << true << true;
        QTest::newRow("empty colour line") << colour("") << Colours() << true << false;
        QTest::newRow("blanks around the colour") << colour(" 255 ") << Colours{255} << false << false;
        QTest::newRow("system colour") << colour("-2147483633") << Colours{-2147483633} << false << false;
        QTest::newRow("beyond 32 bits") << colour("4294967296") << Colours() << false << false;
    }

    void load()
    {
        QFETCH(QByteArray, file);
        QFETCH(Colours, colours);
        QFETCH(bool, errorOne);
        QFETCH(bool, faultQuoted);
        TestApp app;
        if (!file.isNull())
            app.writeProgramFile(u"TUNARY.INI"_s, file);
        loadSettings(app.context);
        StartUp::startUpSteps(app.context);
        QCOMPARE(app.host.colours, colours);
        QCOMPARE(app.journal.filter(u"box"_s), errorOne ? QStringList{u"box Error Number: 1"_s} : QStringList());
        if (errorOne) {
            QCOMPARE(app.journal.mid(0, 3), QStringList({u"OpenSettings"_s, u"box Error Number: 1"_s, u"loadFrame"_s}));
            QCOMPARE(!app.boxes.shown.first().text.endsWith(u"Error rised: "_s), faultQuoted);
        }
        QVERIFY(app.host.frameLoaded);
    }

    void failedSaveKeepsTheOldFile()
    {
        TestApp app;
        app.writeProgramFile(u"TUNARY.INI"_s, kExampleFile);
        SettingsValues values = exampleValues();
        values.playerPath = QString(4096, u'x');
        {
            FullDisk disk(1024);
            saveSettings(app.context, values);
        }
        QCOMPARE(app.journal.filter(u"box"_s), QStringList{u"box Error Number: 6"_s});
        QVERIFY(!app.boxes.shown.first().text.endsWith(u"Error rised: "_s));
        QCOMPARE(app.readProgramFile(u"TUNARY.INI"_s), kExampleFile);

        // Where nothing can be written, the next load finds no settings.
        const QString blocked = app.folders.root() + u"/blocked"_s;
        writeFile(blocked);
        app.folders.setProgramFolder(blocked);
        saveSettings(app.context, exampleValues());
        loadSettings(app.context);
        QCOMPARE(app.journal.filter(u"box"_s),
                 QStringList({u"box Error Number: 6"_s, u"box Error Number: 6"_s, u"box Error Number: 1"_s}));
    }

    void openAndPlayCheck_data()
    {
        QTest::addColumn<QByteArray>("openAndPlay");
        QTest::addColumn<QString>("listFile");       // "$": a file of the test's own
        QTest::addColumn<QByteArray>("listContent"); // null: the file does not exist
        QTest::addColumn<bool>("errorEight");
        QTest::newRow("missing list") << "True"_ba << u"$"_s << QByteArray() << true;
        QTest::newRow("empty list") << "True"_ba << u"$"_s << ""_ba << true;
        QTest::newRow("list with songs") << "True"_ba << u"$"_s << "a.mp3\r\n"_ba << false;
        QTest::newRow("placeholder") << "True"_ba << u"(Enter M3U here)"_s << QByteArray() << false;
        QTest::newRow("nothing named") << "True"_ba << QString() << QByteArray() << true;
        QTest::newRow("only exactly True counts") << "true"_ba << u"$"_s << QByteArray() << false;
    }

    void openAndPlayCheck()
    {
        QFETCH(QByteArray, openAndPlay);
        QFETCH(QString, listFile);
        QFETCH(QByteArray, listContent);
        QFETCH(bool, errorEight);
        TestApp app;
        listFile.replace(u"$"_s, app.folders.root() + u"/evening.m3u"_s);
        if (!listContent.isNull())
            writeFile(listFile, listContent);
        app.writeProgramFile(u"TUNARY.INI"_s, kExampleFile.first(kExampleFile.lastIndexOf("False")) + openAndPlay +
                                                  "\r\n" + listFile.toUtf8() + "\r\n");
        loadSettings(app.context);
        QCOMPARE(app.journal.filter(u"box"_s), errorEight ? QStringList{u"box Error Number: 8"_s} : QStringList());
        QCOMPARE(app.context.skipNextPlayError, errorEight);
        if (errorEight)
            QVERIFY(app.boxes.shown.first().text.startsWith(u"No M3U File\r\rThe file :"_s + listFile + u" Can"_s));
        QVERIFY(app.host.frameLoaded);
    }

    void startUpListReadInTheBackground_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("read") << false;
        QTest::newRow("cancelled") << true;
    }

    // A start-up list read in the background plays once it is read; cancelled, it opens nothing, plays nothing
    // and reports nothing.
    void startUpListReadInTheBackground()
    {
        QFETCH(bool, cancel);
        TestApp app;
        app.writeProgramFile(u"TUNARY.INI"_s, kExampleFile);
        QByteArray lines;
        for (int line = 0; line < 500000; ++line)
            lines += "/music/" + QByteArray::number(line) + ".mp3\r\n";
        app.context.commandLine = app.folders.root() + u"/big.m3u"_s;
        writeFile(app.context.commandLine, lines);
        QObject watcher;
        QList<std::pair<PlayList::Work, int>> shown;
        app.host.onPlayListCreated = [&watcher, &shown, cancel](PlayList &list) {
            QObject::connect(&list, &PlayList::workChanged, &watcher,
                             [&list, &shown, cancel](PlayList::Work work, int thousandths) {
                                 shown.append({work, thousandths});
                                 if (thousandths == 0 && cancel)
                                     list.cancelWork();
                             });
        };
        OpenLists::setQuietReadTime(0);
        loadSettings(app.context);
        bool done = false;
        StartUp::startUpSteps(app.context, [&done] { done = true; });
        QCOMPARE(done, cancel);
        QVERIFY(app.starter.calls.isEmpty());
        QTRY_VERIFY(done);
        QTRY_COMPARE(app.starter.calls.size(), cancel ? 0 : 1);
        // Sorted as the settings say, before it played; the bar went only forward, reading, sorting, then playing.
        if (!cancel) {
            QTRY_COMPARE(shown.last().first, PlayList::Work::None);
            QVERIFY(std::is_sorted(shown.cbegin(), shown.cend() - 1));
            QCOMPARE(shown.first().first, PlayList::Work::Reading);
            QVERIFY(shown.contains(std::pair(PlayList::Work::Sorting, 600)));
            QVERIFY(shown.contains(std::pair(PlayList::Work::Playing, 800)));
            const QByteArray played = readFile(app.starter.calls.first().arguments.last());
            QVERIFY(played.size() == lines.size() &&
                    played.startsWith("/music/0.mp3\r\n/music/1.mp3\r\n/music/10.mp3"));
        }
        QCOMPARE(app.journal.filter(u"box"_s), QStringList());
        QCOMPARE(OpenLists::playListAt(app.context, app.context.loadingSlot) != nullptr, !cancel);
    }

    void colourValues()
    {
        QPalette palette;
        palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
        palette.setColor(QPalette::Active, QPalette::Window, QColor(7, 8, 9));
        QCOMPARE(frameColour(0x01FF8040, palette), QColor(0x40, 0x80, 0xFF)); // red lowest, top byte ignored
        QCOMPARE(frameColour(qint32(0x8000000F), palette), QColor(1, 2, 3));  // the button face
        QCOMPARE(frameColour(qint32(0x800000FF), palette), QColor(7, 8, 9));  // unknown: the window's colour
    }

    void recovery_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("opened again") << true;
        QTest::newRow("thrown away") << false;
    }

    // Changed lists are kept soon after they change, for the user alone; the start after a crash offers them back
    // before anything else opens, and keeps them on disk until they are kept anew; saving one, or refusing its
    // changes, leaves nothing behind.
    void recovery()
    {
        using namespace OpenLists;
        QFETCH(bool, yes);
        const mode_t usualMask = umask(022);
        const auto restoreMask = qScopeGuard([usualMask] { umask(usualMask); });
        TestApp crashed;
        crashed.host.loadFrame();
        const QString named = crashed.folders.root() + u"/named.m3u"_s;
        writeFile(named, "/m/a.mp3\r\n");
        QVERIFY(openRead(crashed.context, named));
        playListAt(crashed.context, 2)->drop(entriesOf({u"/m/b.mp3"_s}));
        playListAt(crashed.context, newPlayList(crashed.context))->drop(entriesOf({u"/c"_s}));
        QTRY_COMPARE_WITH_TIMEOUT(Recovery::leftOver(crashed.context).size(), 2, 10000);
        Recovery::finishWriting();
        const QString folder = crashed.folders.recoveryFolder();
        QCOMPARE(modeOf(folder), 0700);
        for (const QString &name : QDir(folder).entryList(QDir::Files))
            QVERIFY2(modeOf(folder + u'/' + name) == 0600, qPrintable(name));

        // A file of the folder that its writer never wrote is put aside, not offered and not deleted.
        writeFile(folder + u"/list-9.m3u"_s, "/m/\0\x01\xff"_ba);

        // The next start, over the folders the crashed run never tidied.
        AppContext next({crashed.boxes, crashed.starter, crashed.folders, crashed.drives, crashed.registry});
        RecordingWindowHost host{crashed.journal};
        next.setHost(&host);
        host.onFirstLoad = [&next] { setUpWindowTable(next); };
        host.loadFrame();
        crashed.boxes.answers = {yes ? MessageAnswer::Yes : MessageAnswer::No};
        crashed.boxes.whileOpen = [](const MessageBoxRequest &) { Recovery::holdWriting(true); };
        StartUp::startUpSteps(next);
        const MessageBoxRequest &box = crashed.boxes.shown.last();
        QVERIFY(box.title == u"Recover Play Lists"_s && box.text.contains(named + u"\ran untitled list\r\r"_s));
        QCOMPARE(modeOf(folder + u"/kept"_s), 0700);
        const QStringList aside = QDir(folder + u"/kept"_s).entryList(QDir::Files);
        QVERIFY2(aside.size() == 1 && aside.first().endsWith(u"-list-9.m3u"_s), qPrintable(aside.join(u' ')));
        QCOMPARE(openLists(next), yes ? QStringList({named, u"Untitled 2"_s}) : QStringList());
        // A crash before the lists opened again are kept anew would still find them.
        QByteArray onDisk;
        for (const QString &file : Recovery::leftOver(next))
            onDisk += readFile(file);
        QCOMPARE(onDisk.contains("/m/b.mp3") && onDisk.contains("/c"), yes);
        crashed.boxes.whileOpen = nullptr;
        Recovery::holdWriting(false);
        Recovery::finishWriting();
        QCOMPARE(Recovery::leftOver(next).size(), yes ? 2 : 0);
        if (!yes)
            return;
        QVERIFY(playListAt(next, 2)->isChanged() && playListAt(next, 3)->isChanged());
        QCOMPARE(titlesOf(playListAt(next, 2)->model()), QStringList({u"a"_s, u"b"_s}));
        save(next, *playListAt(next, 2));
        QCOMPARE(readFile(named), "/m/a.mp3\r\n/m/b.mp3\r\n"_ba);
        crashed.boxes.answers = {MessageAnswer::No};
        QVERIFY(queryClose(next, *playListAt(next, 3), false));
        Recovery::finishWriting();
        QVERIFY(Recovery::leftOver(next).isEmpty());
    }

    // A recovery folder that cannot be made costs one line in the log, however often the list changes.
    void recoveryFolderCannotBeWritten()
    {
        TestApp app;
        app.host.loadFrame();
        writeFile(app.folders.recoveryFolder(), "in the way");
        using namespace OpenLists;
        PlayList &list = *playListAt(app.context, newPlayList(app.context));
        const QRegularExpression logged(u"cannot be kept for recovery: .*recovery cannot be made"_s);
        QTest::ignoreMessage(QtWarningMsg, logged);
        QTest::failOnWarning(logged);
        for (int change = 0; change < 3; ++change) {
            list.drop(entriesOf({u"/m/%1.mp3"_s.arg(change)}));
            Recovery::keepNow(app.context, list);
            Recovery::finishWriting();
        }
        QCOMPARE(list.model().count(), 3);
        QCOMPARE(readFile(app.folders.recoveryFolder()), "in the way"_ba);
    }

    // Copies with settings folders of their own share the state folder, never the lists they keep there: a
    // start neither offers nor deletes the live file of a copy of other settings.
    void recoveryOfOtherSettings()
    {
        const QTemporaryDir home;
        qputenv("XDG_STATE_HOME", home.filePath(u"state"_s).toUtf8());
        const auto restore = qScopeGuard([] {
            qunsetenv("XDG_STATE_HOME");
            qunsetenv("XDG_CONFIG_HOME");
        });
        qputenv("XDG_CONFIG_HOME", home.filePath(u"a"_s).toUtf8());
        StandardFolders foldersOfA;
        qputenv("XDG_CONFIG_HOME", home.filePath(u"b"_s).toUtf8());
        StandardFolders foldersOfB;
        TestApp app;
        AppContext copyA({app.boxes, app.starter, foldersOfA, app.drives, app.registry});
        copyA.setHost(&app.host);
        app.host.loadFrame();
        OpenLists::setUpWindowTable(copyA);
        PlayList &list = *OpenLists::playListAt(copyA, OpenLists::newPlayList(copyA));
        list.drop(entriesOf({u"/m/a.mp3"_s}));
        Recovery::keepNow(copyA, list);
        Recovery::finishWriting();

        AppContext copyB({app.boxes, app.starter, foldersOfB, app.drives, app.registry});
        app.boxes.answers = {MessageAnswer::No};
        Recovery::offerLeftOver(copyB);
        QCOMPARE(app.boxes.shown.size(), 0);
        QCOMPARE(Recovery::leftOver(copyA).size(), 1);
        QCOMPARE(modeOf(home.filePath(u"state/tunary/recovery"_s)), 0700);

        // A list an older version kept in the folder all copies shared is offered by the first copy to look.
        writeFile(home.filePath(u"state/tunary/recovery/list-2.m3u"_s), "/m/older.mp3\r\n");
        writeFile(home.filePath(u"state/tunary/recovery/list-2.path"_s), "/m/older.m3u");
        Recovery::offerLeftOver(copyB);
        QCOMPARE(app.boxes.shown.size(), 1);
        QVERIFY(app.boxes.shown.first().text.contains(u"/m/older.m3u"_s));
        QCOMPARE(Recovery::leftOver(copyA).size(), 1);
    }
    void translationFollowsTheDesktopLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        for (const char *locale : {"de_DE", "de_AT", "fr_FR", "en_GB", "C"})
            QTest::newRow(locale) << QString::fromLatin1(locale) << (locale[0] == 'd' ? u"de"_s : QString());
    }

    // The program's texts and Qt's own (a box's buttons) in the desktop's language where there is a translation,
    // else in English; English again once the translations go.
    void translationFollowsTheDesktopLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        const auto texts = [] {
            return QStringList{QCoreApplication::translate("MainWindow", "&File"),
                               QCoreApplication::translate("QPlatformTheme", "&Yes")};
        };
        const QStringList english{u"&File"_s, u"&Yes"_s};
        {
            const Translations translations{QLocale(locale)};
            QCOMPARE(translations.language(), language);
            QCOMPARE(texts(), language.isEmpty() ? english : QStringList({u"&Datei"_s, u"&Ja"_s}));
        }
        QCOMPARE(texts(), english);
    }

    // Turned on, the watch reports a pause of the event loop with its length and the step that made it.
    void pauseWatchReportsAPause()
    {
        static QStringList reports;
        QLoggingCategory::setFilterRules(u"tunary.pause.info=true"_s);
        const QtMessageHandler before =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &at, const QString &text) {
                if (QByteArrayView(at.category) == "tunary.pause")
                    reports.append(text);
            });
        const auto restore = qScopeGuard([before] {
            qInstallMessageHandler(before);
            QLoggingCategory::setFilterRules({});
        });
        PauseWatch::startIfWanted();
        QTimer::singleShot(0, [] {
            const PauseWatch::Step step("a test's step");
            QThread::msleep(150);
        });
        QTRY_VERIFY(!reports.filter(u"step: a test's step"_s).isEmpty());
        const QRegularExpression pause(u"^pause of (\\d+)\\.\\d ms"_s);
        const QString report = reports.filter(u"step: a test's step"_s).first();
        QVERIFY2(pause.match(report).captured(1).toInt() >= 140, qPrintable(report));
    }
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
