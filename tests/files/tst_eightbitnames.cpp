// SPDX-License-Identifier: MIT

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLabel>
#include <QListView>
#include <QSignalSpy>
#include <QTest>

#include "app/ui/UiWindowHost.h"
#include "files/ui/FinderWindow.h"
#include "files/ui/FolderList.h"
#include "playlist/EntryMime.h"
#include "playlist/OpenLists.h"
#include "playlist/Player.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsForm.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;

namespace {

// Names in Latin-1, as collections copied from older systems have them.
const QByteArray kFolder = "/D\xe9j\xe0 Vu"_ba;
const QByteArray kLine = "/music" + kFolder;
const QByteArray kSettings = "/usr/bin/player\r\n/music\r\n" + kLine +
                             "\r\n16744576\r\n 128 \r\n 128 \r\n 255 \r\nCourier New\r\nFalse\r\nFalse\r\nx\r\n";

// Made, and removed again, with the C library: Qt can do neither with such names. A folder ends in "/".
struct ByteNames
{
    QList<QByteArray> made;
    ~ByteNames()
    {
        std::for_each(made.rbegin(), made.rend(), [](auto &path) { ::remove(path.constData()); });
    }
    void make(const QByteArray &path)
    {
        made.append(path);
        QVERIFY((path.endsWith('/') ? mkdir(path, 0755) : close(open(path, O_CREAT | O_WRONLY, 0644))) == 0);
    }
};

} // namespace

class TestEightBitNames : public QObject
{
    Q_OBJECT

private slots:
    void settingsKeepTheirCodePage_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("unchanged") << u"/music/Déjà Vu"_s << kLine;
        QTest::newRow("typed anew") << u"/music/Déjà Vu 2"_s << "/music/D\xc3\xa9j\xc3\xa0 Vu 2"_ba;
    }

    void settingsKeepTheirCodePage()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, line);
        TestApp app;
        app.writeProgramFile(u"TUNARY.INI"_s, kSettings);
        loadSettings(app.context);
        SettingsValues state = SettingsForm::valuesFromSettings(app.context.settings);
        state.m3uFolder = typed;
        QVERIFY(!SettingsForm::accept(app.context, state));
        QCOMPARE(app.readProgramFile(u"TUNARY.INI"_s), QByteArray(kSettings).replace(kLine, line));
    }

    void finderShowsDragsAndPlaysNamesByTheirBytes()
    {
        TestApp app;
        UiWindowHost windows(app.context);
        const QByteArray music = app.folders.root().toUtf8() + kFolder;
        ByteNames names;
        for (const char *name : {"/", "/Caf\xe9 Latin.mp3", "/CD\xb2/", "/CD\xb2/b.mp3"})
            names.make(music + name);
        app.writeProgramFile(u"TUNARY.INI"_s, QByteArray(kSettings).replace("/music\r\n", QByteArray(music + "\r\n")));
        readSettingsFile(app.folders.settingsFile(), app.context.settings);
        windows.loadFrame();
        windows.openFinder(FinderMode::Mp3Files);
        auto *finder = windows.frame()->findChild<FinderWindow *>();
        const QString shown = app.folders.root() + u"/Déjà Vu"_s;
        QCOMPARE(finder->results(), QStringList{shown + u"/Café Latin.mp3"_s});
        FolderList *folders = finder->folderList();
        QCOMPARE(folders->currentItem()->text().trimmed(), u"Déjà Vu"_s);
        QCOMPARE(folders->item(folders->count() - 1)->text().trimmed(), u"CD²"_s);
        QSignalSpy done(finder, &FinderWindow::searchFinished);
        finder->searchOrStop();
        QVERIFY(done.wait());
        QCOMPARE(finder->results(), QStringList({shown + u"/CD²/b.mp3"_s, shown + u"/Café Latin.mp3"_s}));
        QCOMPARE(finder->findChild<QLabel *>(u"LblFound"_s)->text(), u"2 files found"_s);
        QAbstractItemView *results = finder->resultList();
        results->selectAll();
        std::unique_ptr<QMimeData> drag(results->model()->mimeData(results->selectionModel()->selectedIndexes()));
        QVERIFY(drag->urls().first().toEncoded().endsWith("/D%E9j%E0%20Vu/CD%B2/b.mp3"));
        PlayList *list = OpenLists::playListAt(app.context, OpenLists::newPlayList(app.context));
        QVERIFY(list->drop(EntryMime::entries(drag.get())));
        Player::play(app.context, *list, Player::PlayMode::All);
        QCOMPARE(readFile(app.starter.calls.last().arguments.first()),
                 music + "/CD\xb2/b.mp3\r\n" + music + "/Caf\xe9 Latin.mp3\r\n");
    }
};

QTEST_MAIN(TestEightBitNames)
#include "tst_eightbitnames.moc"
