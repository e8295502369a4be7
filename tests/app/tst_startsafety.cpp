// SPDX-License-Identifier: MIT

#include <unistd.h>

#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTest>

#include "app/CommandLine.h"
#include "app/HandOff.h"
#include "app/StartUp.h"
#include "app/StartupGate.h"
#include "platform/LocalSingleInstance.h"
#include "platform/PlayFiles.h"
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

        StartupGate loader(folders, instance);
        QCOMPARE(loader.decide(u"/music/x.m3u"_s), outcome);
        QCOMPARE(QFile::exists(folders.handOffFile()), outcome == Outcome::End);
        QCOMPARE(loader.fault().contains(lockPath), outcome == Outcome::CannotTell);
    }

    void commandLineNamesFollowTheSystem_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("relative with dots") << QStringList{u"../a.m3u"_s} << u"/home/a.m3u"_s;
        QTest::newRow("quoted relative") << QStringList{u"\"my list.m3u\""_s} << u"/home/me/my list.m3u"_s;
        QTest::newRow("split by the shell") << QStringList{u"/music/my"_s, u"list.m3u"_s} << u"/music/my list.m3u"_s;
        QTest::newRow("# is no fragment") << QStringList{u"#party.m3u"_s} << u"/home/me/#party.m3u"_s;
        QTest::newRow("a colon is no drive") << QStringList{u"b:list.m3u"_s} << u"/home/me/b:list.m3u"_s;
    }

    void commandLineNamesFollowTheSystem()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, commandLine);
        QCOMPARE(CommandLine::fromArguments(arguments, u"/home/me"_s), commandLine);
    }

    void handOffCarriesNamesWhole()
    {
        TempFolders folders;
        folders.ensureProgramFolder();
        writeFile(folders.handOffFile(), "/a/one.m3u\r\n"_ba); // an older copy's, one name a line
        const QStringList names{u"x\n/abs/evil.m3u"_s, u"/a/100%25\r%0A.m3u"_s};
        for (const QString &name : names)
            QVERIFY(HandOff::append(folders.handOffFile(), name).isEmpty());
        QCOMPARE(HandOff::take(folders.handOffFile()), QStringList{u"/a/one.m3u"_s} + names);
    }

    // A player that hands its play file back, twice, is named once and plays nothing; nor does TUNARY itself as
    // the player.
    void noPlayLoop()
    {
        TestApp app;
        app.host.loadFrame();
        app.context.settings.playerPath = u"/opt/player"_s;
        const QString own = PlayFiles::make(app.folders.playFile(), "/m/a.mp3\r\n").path;
        for (int i = 0; i < 2; ++i) {
            QVERIFY(HandOff::append(app.folders.handOffFile(), own).isEmpty());
            StartUp::takeHandOff(app.context);
        }
        QVERIFY(openLists(app.context).isEmpty() && app.starter.calls.isEmpty());
        QCOMPARE(app.boxes.shown.size(), 1);
        QVERIFY(app.boxes.shown.first().text.contains(u"(/opt/player)"_s));

        app.context.settings.playerPath = QCoreApplication::applicationFilePath();
        writeFile(app.folders.root() + u"/l.m3u"_s, "/m/a.mp3\r\n");
        QVERIFY(OpenLists::openListFile(app.context, app.folders.root() + u"/l.m3u"_s));
        Player::play(app.context, *OpenLists::playListAt(app.context, 2), Player::PlayMode::All);
        QVERIFY(app.starter.calls.isEmpty());
        QCOMPARE(app.boxes.shown.last().title, u"Error Number: 2"_s);
    }
};

QTEST_GUILESS_MAIN(TestStartSafety)
#include "tst_startsafety.moc"
