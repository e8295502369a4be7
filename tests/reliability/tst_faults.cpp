// SPDX-License-Identifier: MIT

// Faults: the numbered error boxes, what the user sees and what is on disk after; the platform's own parts.
#include <atomic>
#include <signal.h>
#include <thread>

#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTest>

#include "app/HandOff.h"
#include "core/ErrorMessages.h"
#include "platform/ProcessProgramStarter.h"
#include "platform/TerminationSignals.h"
#include "platform/ui/LocalSingleInstance.h"
#include "support/TestApp.h"

using namespace Qt::StringLiterals;
using namespace OpenLists;
using namespace Player;

class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    // Every numbered error: its number in the title, a text of its own before the caller's reason, the stop
    // sign and OK; the errors mended in the settings open the dialog first, behind the box. The three texts that
    // quote a value quote it.
    void errors()
    {
        const QSet<ErrorNumber> mendedInSettings{ErrorNumber::NoSettingsFile, ErrorNumber::PlayerMissing,
                                                 ErrorNumber::FolderMissing, ErrorNumber::PathMissing};
        const QMap<ErrorNumber, QString> quoting{{ErrorNumber::NoSettingsFile, u"<folder>"_s},
                                                 {ErrorNumber::OpenAndPlayListMissing, u"/music/evening.m3u"_s},
                                                 {ErrorNumber::NotAListFile, u"/home/me/list.M3U"_s}};
        QSet<QString> texts;
        for (int number = 1; number <= 10; ++number) {
            const auto error = ErrorNumber(number);
            TestApp app;
            app.context.settings.openAndPlayFile = u"/music/evening.m3u"_s;
            app.context.commandLine = u"/home/me/list.M3U"_s;
            ErrorMessages::showError(app.context, error, u"why"_s);
            const QString box = u"box Error Number: "_s + QString::number(number);
            QCOMPARE(app.journal,
                     mendedInSettings.contains(error) ? QStringList({u"OpenSettings"_s, box}) : QStringList{box});
            const MessageBoxRequest &shown = app.boxes.shown.first();
            QVERIFY(shown.icon == MessageIcon::Critical && shown.buttons == MessageButtons::Ok);
            QVERIFY2(shown.text.endsWith(u"\r\rError rised: why"_s), qPrintable(shown.text));
            texts.insert(shown.text);
            const QString quoted =
                quoting.value(error).replace(u"<folder>"_s, QDir::toNativeSeparators(app.folders.programFolder()));
            QVERIFY2(shown.text.contains(quoted) && !shown.text.contains(u'<'), qPrintable(shown.text));
            QCOMPARE(app.context.skipNextPlayError, error == ErrorNumber::OpenAndPlayListMissing);
        }
        QCOMPARE(texts.size(), 10);
    }

    void boxTextShowsEmptyLines() { QCOMPARE(messageDisplayText(u"a\r\rb\r\nc"_s), u"a\n\nb\nc"_s); }

    void listSaveOntoAFullDisk()
    {
        TestApp app;
        app.host.loadFrame();
        const QString path = app.folders.root() + u"/list.m3u"_s;
        writeFile(path, "/m/old.mp3\r\n");
        QVERIFY(openRead(app.context, path));
        PlayList &list = *playListAt(app.context, 2);
        for (int i = 0; i < 200; ++i)
            list.drop({{u"/m/new-"_s + QString::number(i) + u".mp3"_s, false}});
        {
            FullDisk disk(1024);
            save(app.context, list);
        }
        QCOMPARE(app.journal.filter(u"box"_s), QStringList{u"box Error Number: 6"_s});
        QCOMPARE(readFile(path), "/m/old.mp3\r\n"_ba);
        QVERIFY(playListAt(app.context, 2)->isChanged());
        QCOMPARE(QDir(app.folders.root()).entryList(QDir::Files), QStringList{u"list.m3u"_s});
    }

    // The player started for real, without a shell: the play file's name, "$" signs and all, arrives as its one
    // argument; a player that cannot start gives error 2 with the system's description.
    void playerStartedForReal_data()
    {
        QTest::addColumn<QString>("player"); // "$" is the test's folder
        QTest::newRow("in a folder with a blank") << u"$/my player/player.sh"_s;
        QTest::newRow("missing") << u"$/no-player"_s;
        QTest::newRow("not executable") << u"$/plain.txt"_s;
        QTest::newRow("a folder") << u"$"_s;
        QTest::newRow("empty") << QString();
        QTest::newRow("unknown bare name") << u"no-such-player-anywhere"_s;
    }

    void playerStartedForReal()
    {
        QFETCH(QString, player);
        TestApp app;
        ProcessProgramStarter starter;
        AppContext context({app.boxes, starter, app.folders, app.drives, app.registry});
        context.setHost(&app.host);
        setUpWindowTable(context);
        const QString root = app.folders.root();
        writeFile(
            root + u"/my player/player.sh"_s,
            "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.part\"\nmv \"$0.part\" \"$0.txt\"\n");
        QFile::setPermissions(root + u"/my player/player.sh"_s, QFile::ReadOwner | QFile::ExeOwner);
        writeFile(root + u"/plain.txt"_s, "x");
        context.settings.playerPath = player.replace(u"$"_s, root);
        PlayList &list = *playListAt(context, newPlayList(context));
        list.model().appendEntries(entriesOf({u"/m/a.mp3"_s}));
        play(context, list, PlayMode::All);
        if (player.endsWith(u".sh"_s)) {
            QTRY_VERIFY(QFile::exists(player + u".txt"_s));
            const QByteArray argument = readFile(player + u".txt"_s).chopped(1);
            QCOMPARE(readFile(QString::fromUtf8(argument)), "/m/a.mp3\r\n"_ba);
            QVERIFY(app.boxes.shown.isEmpty());
            return;
        }
        QCOMPARE(app.journal.filter(u"box"_s), QStringList{u"box Error Number: 2"_s});
        QVERIFY(!app.boxes.shown.first().text.endsWith(u"Error rised: "_s));
    }

    void racingHandOffs()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + u"/_tunary.$$$"_s;
        std::atomic<int> faults = 0;
        auto second = [&path, &faults](int copy) {
            for (int i = 0; i < 40; ++i) {
                const QByteArray list = "/lists/" + QByteArray::number(copy) + '-' + QByteArray::number(i) + ".m3u";
                if (!HandOff::append(path, {list}).isEmpty())
                    ++faults;
            }
        };
        QByteArrayList received;
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
        // Every list arrives once, each copy's in the order it handed them over.
        QCOMPARE(received.size(), 80);
        QCOMPARE(faults, 0);
        for (const QByteArray &copy : {"/lists/1-"_ba, "/lists/2-"_ba}) {
            QByteArrayList own;
            for (const QByteArray &list : std::as_const(received)) {
                if (list.startsWith(copy))
                    own.append(list);
            }
            for (int i = 0; i < 40; ++i)
                QCOMPARE(own.value(i), copy + QByteArray::number(i) + ".m3u");
        }
    }

    // A later copy's line reaches the running copy over its socket, once; one refused, or whose copy gave up
    // waiting (the running copy was busy), is not taken, as that copy keeps its list elsewhere; one said yes to
    // just before the running copy ends is still taken. Without a runtime folder the socket goes to a folder of
    // the user's alone, never to a name others could take first.
    void messagesReachTheRunningCopy_data()
    {
        QTest::addColumn<bool>("runtimeFolder");
        QTest::newRow("in the runtime folder") << true;
        QTest::newRow("no runtime folder") << false;
    }

    void messagesReachTheRunningCopy()
    {
        QFETCH(bool, runtimeFolder);
        QTemporaryDir dir;
        const QString program = dir.path() + u"/config"_s;
        const QString runtime = runtimeFolder ? dir.path() : QString();
        LocalSingleInstance running(program, runtime);
        LocalSingleInstance later(program, runtime);
        QVERIFY(running.tryBecomePrimary());
        const QString folder = QFileInfo(running.serverName()).absolutePath();
        QCOMPARE(folder, runtimeFolder ? runtime : program);
        QVERIFY(!(QFile::permissions(folder) & (QFile::ReadOther | QFile::WriteOther | QFile::WriteGroup)));
        QByteArrayList heard;
        std::atomic<int> accepted = 0;
        running.setMessageHandler({[&accepted](const QByteArray &message) {
                                       ++accepted;
                                       return message != "refused";
                                   },
                                   [&heard](const QByteArray &message) { heard.append(message); }});
        std::atomic<bool> done = false;
        bool primary = true;
        QList<SingleInstance::Delivery> deliveries;
        std::thread sender([&] {
            primary = later.tryBecomePrimary();
            deliveries = {later.send("a list"), later.send("refused")};
            done = true;
        });
        QTRY_VERIFY(done);
        sender.join();
        QVERIFY(!primary);
        // Not heard in time: the later copy gives up, and the line it sent is never taken.
        later.setDeliveryTime(200);
        std::thread impatient([&] { deliveries.append(later.send("given up")); });
        impatient.join();
        QTest::qWait(200);
        // Said yes to, then the running copy ends before it has read the "ok".
        later.setDeliveryTime(10000);
        std::thread last([&] { deliveries.append(later.send("just in time")); });
        // One pass of the event loop at a time, so that the yes goes out and the "ok" is left unread.
        while (accepted < 4)
            QCoreApplication::processEvents();
        last.join();
        running.stopListening();
        QCOMPARE(heard, (QByteArrayList{"a list", "just in time"}));
        using Delivery = SingleInstance::Delivery;
        QCOMPARE(deliveries, (QList{Delivery::Kept, Delivery::Refused, Delivery::NoAnswer, Delivery::Kept}));
    }

    void lockLeftByACrashedCopyIsTakenOver()
    {
        QTemporaryDir dir;
        // A process that has ended stands for a copy that crashed while holding the lock.
        qint64 deadPid = 0;
        QVERIFY(QProcess::startDetached(u"true"_s, {}, QString(), &deadPid));
        QTRY_VERIFY(::kill(pid_t(deadPid), 0) != 0);
        LocalSingleInstance instance(dir.path(), dir.path());
        writeFile(instance.lockPath(),
                  QByteArray::number(deadPid) + "\ntunary\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        QVERIFY(instance.tryBecomePrimary());
    }

    // Each request to end reaches the event loop once, and kills nothing; a signal ignored at the start (as
    // nohup leaves SIGHUP) stays ignored.
    void terminationSignalsReachTheEventLoop()
    {
        ::signal(SIGHUP, SIG_IGN);
        TerminationSignals termination;
        int requests = 0;
        termination.setHandler([&requests] { ++requests; });
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            ::raise(signal);
            QTest::qWait(50);
        }
        QCOMPARE(requests, 2);
        ::signal(SIGHUP, SIG_DFL);
    }
};

QTEST_GUILESS_MAIN(TestFaults)
#include "tst_faults.moc"
