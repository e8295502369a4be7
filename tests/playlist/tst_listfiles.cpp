// SPDX-License-Identifier: MIT

#include <algorithm>
#include <optional>
#include <sys/stat.h>

#include <QDir>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "app/ui/MainWindow.h"
#include "app/ui/UiWindowHost.h"
#include "playlist/M3UFile.h"
#include "playlist/OpenLists.h"
#include "playlist/PlayList.h"
#include "playlist/Player.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;
using namespace OpenLists;
using namespace Player;
using Edit = PlayList::Edit;
using Work = PlayList::Work;

class TestListFiles : public QObject
{
    Q_OBJECT

private slots:

    void onlyRegularFilesAreOpened_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("box"); // what a box says besides the file's name; none when empty
        const QString dir = m_dir.path();
        writeFile(dir + u"/list.m3u"_s, "/m/a.mp3\r\n");
        QFile::link(dir + u"/list.m3u"_s, dir + u"/link.m3u"_s);
        QFile::link(u"/dev/zero"_s, dir + u"/zero.m3u"_s);
        mkfifo(QFile::encodeName(dir + u"/pipe.m3u"_s).constData(), 0600);
        QFile large(dir + u"/large.m3u"_s);
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(512LL * 1024 * 1024 + 1));
        QTest::newRow("link to a list") << dir + u"/link.m3u"_s << true << QString();
        QTest::newRow("pipe") << dir + u"/pipe.m3u"_s << false << QString();
        QTest::newRow("link to a device") << dir + u"/zero.m3u"_s << false << QString();
        QTest::newRow("past 512 MB") << dir + u"/large.m3u"_s << false << u"512 MB"_s;
    }

    void onlyRegularFilesAreOpened()
    {
        QFETCH(QString, path);
        QFETCH(bool, opened);
        QFETCH(QString, box);
        TestApp app;
        // Opening a pipe must not wait for a writer: none ever comes.
        std::optional<OpenOutcome> outcome;
        openListFile(app.context, path, [&outcome](OpenOutcome read, PlayList *) { outcome = read; });
        QVERIFY(outcome);
        const OpenOutcome failed = box.isEmpty() ? OpenOutcome::Failed : OpenOutcome::TooLarge;
        QCOMPARE(int(*outcome), int(opened ? OpenOutcome::Read : failed));
        QCOMPARE(app.boxes.shown.size(), box.isEmpty() ? 0 : 1);
        if (!box.isEmpty())
            QVERIFY(app.boxes.shown.first().text.contains(path) && app.boxes.shown.first().text.contains(box));
    }

    void bigListIsReadWhileTheWindowWaits_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("read to the end") << QString();
        QTest::newRow("cancelled") << u"cancel"_s;
        QTest::newRow("window closed") << u"close"_s;
    }

    // A list that takes longer than a moment to read shows its progress at once, and the caller goes on while it
    // is read: what follows comes from the event loop. Meanwhile the list takes no edit and saves nothing over its
    // file, and cancelled or closed it opens nothing.
    void bigListIsReadWhileTheWindowWaits()
    {
        QFETCH(QString, how);
        const QString path = m_dir.filePath(u"big.m3u"_s);
        if (!QFile::exists(path)) {
            QByteArray lines;
            for (int line = 0; line < 1000000; ++line)
                lines += "/music/" + QByteArray::number(line) + ".mp3\r\n";
            writeFile(path, lines);
        }
        const QByteArray file = readFile(path);
        TestApp app;
        app.host.loadFrame();
        setQuietReadTime(0);
        QList<int> shown;
        QList<Work> works;
        QObject watcher;
        bool returned = false;
        std::optional<bool> returnedBeforeTheLoopRan;
        const int slot = app.context.lists.allocateSlot();
        app.context.lists.slotAt(slot).isFree = true; // the slot the list will take
        app.host.onPlayListCreated = [&](PlayList &list) {
            QObject::connect(&list, &PlayList::workChanged, &watcher, [&, list = &list](Work work, int thousandths) {
                shown.append(thousandths);
                works.append(work);
                if (thousandths != 0)
                    return;
                QTimer::singleShot(0, &watcher, [&] { returnedBeforeTheLoopRan = returned; });
                save(app.context, *list);
                list->edit(Edit::Clear);
                list->setPath(m_dir.filePath(u"other.m3u"_s));
                QVERIFY(!saveSmallList(app.context, *list).isEmpty());
                list->setPath(path);
                if (how == u"cancel"_s)
                    list->cancelWork();
                else if (how == u"close"_s)
                    list->deleteLater(); // as its window does when it closes
            });
        };
        std::optional<OpenOutcome> outcome;
        PlayList *opened = nullptr;
        openListFile(app.context, path, [&](OpenOutcome read, PlayList *list) {
            outcome = read;
            opened = list;
        });
        returned = true;
        if (how.isEmpty()) {
            // Nothing waited for the file: it is still being read.
            QVERIFY(!outcome);
            QVERIFY(playListAt(app.context, slot)->isBusy());
        }
        QTRY_VERIFY(outcome && returnedBeforeTheLoopRan);
        QVERIFY(*returnedBeforeTheLoopRan);
        QCOMPARE(int(*outcome), int(how.isEmpty() ? OpenOutcome::Read : OpenOutcome::Cancelled));
        // The window of a list closed while it was read is gone with its progress.
        QVERIFY(!shown.isEmpty() && shown.first() == 0 && (shown.last() == -1) == (how != u"close"_s));
        // The bar goes only forward, reading and then splitting, until it goes.
        const qsizetype working = shown.size() - (shown.last() == -1 ? 1 : 0);
        QVERIFY(std::is_sorted(shown.cbegin(), shown.cbegin() + working));
        QVERIFY(std::is_sorted(works.cbegin(), works.cbegin() + working));
        QCOMPARE(works.first(), Work::Reading);
        QVERIFY(app.boxes.shown.isEmpty());
        QCOMPARE(readFile(path), file);
        QVERIFY(!QFile::exists(m_dir.filePath(u"other.m3u"_s)));
        PlayList *list = playListAt(app.context, slot);
        QCOMPARE(list, opened);
        if (how == u"cancel"_s)
            QVERIFY(app.context.lists.slotAt(slot).isFree);
        if (opened) {
            QCOMPARE(list->model().count(), 1000000);
            QCOMPARE(list->model().line(999999), u"/music/999999.mp3"_s);
            QVERIFY(!list->isChanged() && !list->isBusy());
        }
    }

    void eachPlayHasAFileOfItsOwn()
    {
        TestApp app;
        UiWindowHost windows(app.context);
        windows.loadFrame();
        PlayList &list = *playListAt(app.context, newPlayList(app.context));
        for (int play = 0; play < 12; ++play) {
            list.model().setEntries({});
            list.model().appendEntries({{u"/m/%1.mp3"_s.arg(play), false}});
            Player::play(app.context, list, PlayMode::All);
        }
        for (int play = 0; play < 12; ++play)
            QCOMPARE(readFile(app.starter.calls.value(play).arguments.value(0)), u"/m/%1.mp3\r\n"_s.arg(play).toUtf8());
        // Files the player has had a while to read go, but for the newest few.
        const auto plays = [&app] { return QDir(QFileInfo(app.folders.playFile()).path()).entryInfoList(QDir::Files); };
        for (const QFileInfo &file : plays()) {
            QFile old(file.filePath());
            QVERIFY(old.open(QIODevice::ReadWrite) &&
                    old.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
        }
        play(app.context, list, PlayMode::All);
        QCOMPARE(plays().size(), 8);
        QVERIFY(plays().contains(QFileInfo(app.starter.calls.last().arguments.value(0))));
        windows.frame()->close();
        QVERIFY(plays().isEmpty());
    }

    // A big play's file is written by a worker, and the player starts once it is whole; a play asked for later
    // that starts first wins, and the earlier one is dropped.
    void aBigPlayIsWrittenAsideAndALaterPlayWins()
    {
        TestApp app;
        UiWindowHost windows(app.context);
        windows.loadFrame();
        PlayList &big = *playListAt(app.context, newPlayList(app.context));
        QStringList paths;
        for (int i = 0; i < 30000; ++i)
            paths.append(u"/m/%1.mp3"_s.arg(i));
        big.model().appendEntries(entriesOf(paths));
        PlayList &small = *playListAt(app.context, newPlayList(app.context));
        small.model().appendEntries(entriesOf({u"/m/small.mp3"_s}));
        Player::play(app.context, big, PlayMode::All);
        QTRY_COMPARE(app.starter.calls.size(), 1);
        const QByteArray first = M3UFile::format(big.model(), ListEncoding::EightBit);
        Player::play(app.context, big, PlayMode::All);
        Player::play(app.context, small, PlayMode::All);
        big.model().appendEntries(entriesOf({u"/m/last.mp3"_s}));
        Player::play(app.context, big, PlayMode::All);
        QTRY_COMPARE(app.starter.calls.size(), 3);
        const auto played = [&app](int play) { return readFile(app.starter.calls.at(play).arguments.value(0)); };
        QCOMPARE(played(0), first);
        QCOMPARE(played(1), "/m/small.mp3\r\n"_ba);
        QCOMPARE(played(2), first + "/m/last.mp3\r\n");
        QCOMPARE(QDir(QFileInfo(app.folders.playFile()).path()).entryList(QDir::Files).size(), 3);
        // Cancelled from the list's bar, a play reaches no player, and nothing is said of it.
        Player::play(app.context, big, PlayMode::All);
        big.cancelWork();
        big.model().appendEntries(entriesOf({u"/m/later.mp3"_s}));
        Player::play(app.context, big, PlayMode::All);
        QTRY_COMPARE(app.starter.calls.size(), 4);
        QVERIFY(played(3).endsWith("/m/last.mp3\r\n/m/later.mp3\r\n"));
        QVERIFY(app.boxes.shown.isEmpty());
    }

    // A big list is sorted and saved by a worker while it is busy, taking no edits. Cancelled, the sort leaves the
    // order as it was, and the save the file; a list closed while it is saved closes once it is saved.
    void bigListIsSortedAndSavedInTheBackground_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("done") << false;
        QTest::newRow("cancelled") << true;
    }

    void bigListIsSortedAndSavedInTheBackground()
    {
        QFETCH(bool, cancel);
        TestApp app;
        UiWindowHost windows(app.context);
        windows.loadFrame();
        const QPointer<PlayList> list = playListAt(app.context, newPlayList(app.context));
        QStringList paths;
        for (int i = 200000; i > 0; --i)
            paths.append(u"/m/%1.mp3"_s.arg(i, 6, 10, QChar(u'0')));
        list->model().appendEntries(entriesOf(paths));
        const QString path = m_dir.filePath(u"big.m3u"_s);
        writeFile(path, "old\r\n");
        list->setPath(path);

        list->edit(Edit::Sort);
        QCOMPARE(list->work(), Work::Sorting);
        list->edit(Edit::Clear);
        if (cancel)
            list->cancelWork();
        QTRY_VERIFY(!list->isBusy());
        QCOMPARE(list->model().count(), paths.size());
        QCOMPARE(list->model().entryPath(0), cancel ? paths.first() : paths.last());
        QCOMPARE(list->undoStack().count(), cancel ? 0 : 1);

        list->markChanged();
        const QByteArray whole = M3UFile::format(list->model(), ListEncoding::EightBit);
        std::optional<bool> cancelled;
        saveList(app.context, *list, [&cancelled](const QString &fault, bool stopped) {
            QVERIFY(fault.isEmpty());
            cancelled = stopped;
        });
        QVERIFY(!cancelled);
        QCOMPARE(list->work(), Work::Saving);
        list->edit(Edit::Clear);
        if (cancel)
            list->cancelWork();
        else
            list->close();
        QTRY_VERIFY(cancelled);
        // A Cancel may come once the file is whole: then it was saved.
        QCOMPARE(readFile(path) == "old\r\n", *cancelled);
        QTRY_COMPARE(list.isNull(), !cancel);
        if (*cancelled)
            QVERIFY(list->isChanged());
        else
            QCOMPARE(readFile(path), whole);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestListFiles)
#include "tst_listfiles.moc"
