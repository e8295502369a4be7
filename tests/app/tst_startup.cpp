#include <QDir>
#include <QFile>
#include <QTest>

#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "settings/SettingsFile.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;

namespace {} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void startUpList_data();
    void startUpList();
    void noSettingsOpensNothing();
    void missingOpenAndPlayListGivesOneMessage();
};

void TestStartUp::startUpList_data()
{
    QTest::addColumn<QStringList>("arguments"); // as the program was started, from the folder "lists"
    QTest::addColumn<bool>("openAndPlay");
    QTest::addColumn<bool>("logoClicked");
    QTest::addColumn<QString>("opened"); // the list file opened, by name; empty: none
    QTest::addColumn<bool>("played");
    QTest::addColumn<int>("errorTen");

    QTest::newRow("no list") << QStringList() << false << false << QString() << false << 0;
    QTest::newRow("command line") << QStringList{u"$/evening.m3u"_s} << false << false << u"evening.m3u"_s << true << 0;
    QTest::newRow("capital M3U") << QStringList{u"$/LOUD.M3U"_s} << false << false << u"LOUD.M3U"_s << true << 0;
    QTest::newRow("m3u8") << QStringList{u"$/utf.m3u8"_s} << false << false << u"utf.m3u8"_s << true << 0;
    QTest::newRow("quoted with blanks") << QStringList{u"\"$/late night.m3u\""_s} << false << false
                                        << u"late night.m3u"_s << true << 0;
    QTest::newRow("relative") << QStringList{u"evening.m3u"_s} << false << false << u"evening.m3u"_s << true << 0;
    QTest::newRow("not a list") << QStringList{u"$/song.mp3"_s} << false << false << QString() << false << 1;
    QTest::newRow("open and play") << QStringList() << true << false << u"morning.m3u"_s << true << 0;
    QTest::newRow("command line wins over open and play")
        << QStringList{u"$/evening.m3u"_s} << true << false << u"evening.m3u"_s << true << 0;
    QTest::newRow("logo clicked") << QStringList{u"$/evening.m3u"_s} << false << true << u"evening.m3u"_s << false << 0;
}

void TestStartUp::startUpList()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, openAndPlay);
    QFETCH(bool, logoClicked);
    QFETCH(QString, opened);
    QFETCH(bool, played);
    QFETCH(int, errorTen);

    TestApp app;
    const QString lists = app.folders.root() + u"/lists"_s;
    for (const QString &name :
         {u"evening.m3u"_s, u"LOUD.M3U"_s, u"utf.m3u8"_s, u"late night.m3u"_s, u"morning.m3u"_s, u"song.mp3"_s})
        writeFile(lists + u'/' + name, "/m/" + name.toUtf8() + ".mp3\r\n");
    SettingsValues settings;
    settings.WinampPath = u"/opt/player/play"_s;
    settings.BackColour = u"16777215"_s;
    settings.OpenAndPlay = openAndPlay;
    settings.OpenAndPlayFile = lists + u"/morning.m3u"_s;
    SaveSettings(app.context, settings);

    arguments.replaceInStrings(u"$"_s, lists);
    app.context.NoAutoPlay = logoClicked;
    StartUp::splashUnloading(app.context, CommandLine::fromArguments(arguments, lists));

    PlayList *list = PlayListCommands::playListAt(app.context, 2);
    QCOMPARE(list ? list->caption() : QString(), opened.isEmpty() ? QString() : lists + u'/' + opened);
    // The player starts once on its own, and once more with the play file when the list is played.
    QCOMPARE(app.starter.calls.size(), played ? 2 : 1);
    QVERIFY(app.starter.calls.last().arguments.isEmpty());
    if (played) {
        QCOMPARE(app.starter.calls.first().arguments, QStringList{app.folders.playFile()});
        QCOMPARE(readFile(app.folders.playFile()), "/m/" + opened.toUtf8() + ".mp3\r\n");
    }
    QCOMPARE(app.boxes.shown.size(), errorTen);
    if (errorTen) {
        QCOMPARE(app.boxes.shown.first().title, u"Error Number: 10"_s);
        QCOMPARE(app.boxes.shown.first().text, u"Bad file format\r\r"_s + lists +
                                                   u"/song.mp3 is not a .M3U file and can not be opened\r\rError "
                                                   u"rised: "_s);
    }
}

void TestStartUp::noSettingsOpensNothing()
{
    TestApp app;
    StartUp::splashUnloading(app.context, QString());
    QCOMPARE(app.boxes.shown.size(), 1);
    QCOMPARE(app.boxes.shown.first().title, u"Error Number: 1"_s);
    QCOMPARE(app.context.PlayLists.size(), 1);
    QVERIFY(app.starter.calls.isEmpty());
}

void TestStartUp::missingOpenAndPlayListGivesOneMessage()
{
    TestApp app;
    SettingsValues settings;
    settings.WinampPath = u"/opt/player/play"_s;
    settings.BackColour = u"255"_s;
    settings.OpenAndPlay = true;
    settings.OpenAndPlayFile = app.folders.root() + u"/gone.m3u"_s;
    SaveSettings(app.context, settings);
    StartUp::splashUnloading(app.context, QString());

    QCOMPARE(app.boxes.shown.size(), 1);
    QCOMPARE(app.boxes.shown.first().title, u"Error Number: 8"_s);
    QVERIFY(!app.context.SkipNextPlayError);
    QVERIFY(!PlayListCommands::playListAt(app.context, 2));
}

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
