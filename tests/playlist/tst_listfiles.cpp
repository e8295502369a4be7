// SPDX-License-Identifier: MIT

#include <sys/stat.h>

#include <QDir>
#include <QTest>

#include "app/MainWindow.h"
#include "app/UiWindowHost.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;
using namespace PlayListCommands;

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
        QCOMPARE(openListFile(app.context, path), opened);
        QCOMPARE(app.boxes.shown.size(), box.isEmpty() ? 0 : 1);
        if (!box.isEmpty())
            QVERIFY(app.boxes.shown.first().text.contains(path) && app.boxes.shown.first().text.contains(box));
    }

    void eachPlayHasAFileOfItsOwn()
    {
        TestApp app;
        UiWindowHost windows(app.context);
        windows.loadFrame();
        PlayList &list = *playListAt(app.context, newPlayList(app.context));
        for (int play = 0; play < 12; ++play) {
            list.model().clear();
            list.model().appendEntries({{u"/m/%1.mp3"_s.arg(play), false}});
            PlayListCommands::play(app.context, list, PlayMode::All);
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

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestListFiles)
#include "tst_listfiles.moc"
