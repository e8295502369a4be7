// SPDX-License-Identifier: MIT

#include <cstdio>
#include <unistd.h>

#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTest>

#include "app/CommandLine.h"
#include "app/HandOff.h"
#include "app/HandOffInbox.h"
#include "app/StartUp.h"
#include "app/StartupGate.h"
#include "platform/PlayFiles.h"
#include "platform/ui/LocalSingleInstance.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;
using Outcome = StartupGate::Outcome;

/** What a later start does with a lock it finds, and how names reach the running copy whole. */
class TestStartSafety : public QObject
{
    Q_OBJECT

private slots:

    void lockFoundAtStart_data()
    {
        // In the lock, "$me" is this process, which stands for a running copy; "$parent" is a live program of ours.
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<bool>("heldNow");
        QTest::addColumn<Outcome>("outcome");
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        QTest::newRow("empty, left by a power cut") << ""_ba << false << Outcome::ShowSplash;
        QTest::newRow("garbage") << "\x01\xff garbage\n"_ba << false << Outcome::ShowSplash;
        QTest::newRow("another machine's") << "$me\ntst_startsafety\nelsewhere\n"_ba << false << Outcome::ShowSplash;
        QTest::newRow("another program's") << "$parent\nsh\n" + host + '\n' << false << Outcome::ShowSplash;
        QTest::newRow("a running copy's") << "$me\ntst_startsafety\n" + host + '\n' << false << Outcome::End;
        QTest::newRow("held, unreadable") << "garbage"_ba << true << Outcome::CannotTell;
    }

    void lockFoundAtStart()
    {
        QFETCH(QByteArray, lock);
        QFETCH(bool, heldNow);
        QFETCH(Outcome, outcome);
        TempFolders folders;
        folders.ensureProgramFolder();
        LocalSingleInstance instance(folders.programFolder(), folders.root());
        const QString lockPath = instance.lockPath();
        QLockFile holder(lockPath);
        QVERIFY(!heldNow || holder.tryLock(0));
        writeFile(lockPath, lock.replace("$me", QByteArray::number(QCoreApplication::applicationPid()))
                                .replace("$parent", QByteArray::number(::getppid())));
        // A lock left by an earlier run is old; one held now is as fresh as a copy starting this moment makes it.
        QFile file(lockPath);
        QVERIFY(heldNow ||
                (file.open(QIODevice::Append) &&
                 file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFile::FileModificationTime)));

        instance.setDeliveryTime(300);
        StartupGate loader(folders, instance);
        QCOMPARE(loader.decide("/music/x.m3u"), outcome);
        QCOMPARE(QFile::exists(folders.handOffFile()), outcome == Outcome::End);
        QCOMPARE(loader.fault().contains(lockPath), outcome == Outcome::CannotTell);
    }

    void commandLineNamesFollowTheSystem_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QByteArray>("name"); // the bytes of the file named
        QTest::newRow("none") << QByteArrayList() << QByteArray();
        QTest::newRow("relative with dots") << QByteArrayList{"../a.m3u"} << "/home/a.m3u"_ba;
        QTest::newRow("quoted relative") << QByteArrayList{"\"my list.m3u\""} << "/home/me/my list.m3u"_ba;
        QTest::newRow("split by the shell") << QByteArrayList{"/music/my", "list.m3u"} << "/music/my list.m3u"_ba;
        QTest::newRow("# is no fragment") << QByteArrayList{"#party.m3u"} << "/home/me/#party.m3u"_ba;
        QTest::newRow("a colon is no drive") << QByteArrayList{"b:list.m3u"} << "/home/me/b:list.m3u"_ba;
        QTest::newRow("not UTF-8, relative") << QByteArrayList{"./Caf\xe9.m3u"} << "/home/me/Caf\xe9.m3u"_ba;
        QTest::newRow("UTF-8") << QByteArrayList{"/m/Caf\xc3\xa9.m3u"} << "/m/Caf\xc3\xa9.m3u"_ba;
    }

    void commandLineNamesFollowTheSystem()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QByteArray, name);
        QCOMPARE(CommandLine::fromArguments(arguments, "/home/me").bytes(), name);
    }

    void handOffCarriesNamesWhole()
    {
        TempFolders folders;
        folders.ensureProgramFolder();
        writeFile(folders.handOffFile(), "/a/one.m3u\r\n"_ba); // an older copy's, one name a line
        const QByteArrayList names{"x\n/abs/evil.m3u", "/a/100%25\r%0A.m3u", "/a/Caf\xe9.m3u"};
        QVERIFY(HandOff::append(folders.handOffFile(), names.mid(0, 1)).isEmpty());
        QVERIFY(HandOff::append(folders.handOffFile(), names.mid(1)).isEmpty());
        // The user's alone: it names the user's lists.
        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
        QVERIFY(!(QFile::permissions(folders.handOffFile()) & others));
        QCOMPARE(HandOff::take(folders.handOffFile()), QByteArrayList{"/a/one.m3u"} + names);
        for (const QByteArray &name : names)
            QCOMPARE(HandOff::parseRequest(HandOff::formatRequest({name, 42})), (HandOff::Request{name, 42}));
    }

    // A player that hands its play file back, twice, is named once and plays nothing; a list handed over by a
    // player of ours (or a program it started) opens but does not play; nor does TUNARY itself as the player.
    // A list whose name is not UTF-8 (from an older system), named on the command line: it opens and plays,
    // and saving writes it under its own name, not under a UTF-8 one.
    void listNamedInWindows1252()
    {
        TestApp app;
        app.context.settings.playerPath = u"/opt/player"_s;
        const QByteArray name = QFile::encodeName(app.folders.root()) + "/Caf\xe9.m3u";
        FILE *file = std::fopen(name.constData(), "wb");
        QVERIFY(file && std::fputs("/m/a.mp3\r\n/m/b.mp3\r\n", file) >= 0 && std::fclose(file) == 0);
        const EightBitText::Path path = CommandLine::fromArguments({name}, "/");
        StartUp::splashUnloading(app.context, path.text);
        QCOMPARE(openLists(app.context), QStringList{path.text});
        QCOMPARE(app.starter.calls.size(), 2); // the list, then the player on its own
        QCOMPARE(readFile(app.starter.calls.first().arguments.last()), "/m/a.mp3\r\n/m/b.mp3\r\n"_ba);

        PlayList &list = *OpenLists::playListAt(app.context, app.context.loadingSlot);
        list.model().selectionModel()->setCurrentIndex(list.model().index(0), QItemSelectionModel::NoUpdate);
        list.edit(PlayList::Edit::RemoveOne);
        QVERIFY(saveSmallList(app.context, list).isEmpty());
        QFile saved;
        QVERIFY(saved.open(std::fopen(name.constData(), "rb"), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
        QCOMPARE(saved.readAll(), "/m/b.mp3\r\n"_ba);
        QVERIFY(!QFile::exists(path.text)); // no file of that name in UTF-8
        std::remove(name.constData());
    }

    void noPlayLoop()
    {
        TestApp app;
        app.host.loadFrame();
        app.context.startUpDone = true;
        app.context.settings.playerPath = u"/opt/player"_s;
        const QString own = PlayFiles::make(app.folders.playFile(), "/m/a.mp3\r\n").path;
        HandOffInbox inbox(app.context);
        for (int i = 0; i < 2; ++i)
            QVERIFY(handOver(inbox, HandOff::formatRequest({own.toUtf8(), 1})));
        QTRY_COMPARE(inbox.waiting(), 0);
        QVERIFY(openLists(app.context).isEmpty() && app.starter.calls.isEmpty());
        QCOMPARE(app.boxes.shown.size(), 1);
        QVERIFY(app.boxes.shown.first().text.contains(u"(/opt/player)"_s));

        // This test stands for the copy a player started, and the program that started the test for the player.
        const QString copy = app.folders.root() + u"/copy.m3u"_s;
        writeFile(copy, "/m/a.mp3\r\n");
        const HandOff::Request fromPlayer{copy.toUtf8(), QCoreApplication::applicationPid()};
        app.context.rememberPlayer(::getpid() + 1);
        QVERIFY(handOver(inbox, HandOff::formatRequest(fromPlayer)));
        QTRY_COMPARE(app.starter.calls.size(), 1);
        app.context.rememberPlayer(::getppid());
        QVERIFY(handOver(inbox, HandOff::formatRequest(fromPlayer)));
        QTRY_COMPARE(openLists(app.context).size(), 2);
        QCOMPARE(app.starter.calls.size(), 1);

        app.context.settings.playerPath = QCoreApplication::applicationFilePath();
        writeFile(app.folders.root() + u"/l.m3u"_s, "/m/a.mp3\r\n");
        PlayList *list = openRead(app.context, app.folders.root() + u"/l.m3u"_s);
        QVERIFY(list);
        Player::play(app.context, *list, Player::PlayMode::All);
        QCOMPARE(app.starter.calls.size(), 1);
        QCOMPARE(app.boxes.shown.last().title, u"Error Number: 2"_s);
    }
};

QTEST_GUILESS_MAIN(TestStartSafety)
#include "tst_startsafety.moc"
