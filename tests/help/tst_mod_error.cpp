#include <QDir>
#include <QTest>

#include "help/Mod_Error.h"
#include "support/TestApp.h"

using namespace Qt::StringLiterals;

class TestModError : public QObject
{
    Q_OBJECT

private slots:
    void everyNumber_data();
    void everyNumber();
    void settingsOpenBeforeTheBox();
    void errorEightTwiceKeepsTheFlagSet();
    void displayedWithEmptyLineBetweenParts();
};

void TestModError::everyNumber_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("opensSettings");

    const QString tail = u"\r\rError rised: "_s;
    QTest::newRow("2") << 2 << u"gone"_s
                       << u"Can't find Winamp!\r\rPlease enter the path for Winamp in to the settings box.\r\rIf you "
                          u"do not have Winamp then this program will not be able to play Mp3, however M3U list can "
                          u"stil be edited and or created"_s +
                              tail + u"gone"_s
                       << true;
    QTest::newRow("3") << 3 << u"x"_s
                       << u"Can't find Winamp!\r\rWinamp was not found on this drive, please select another drive "
                          u"to search"_s +
                              tail + u"x"_s
                       << false;
    QTest::newRow("4") << 4 << u"x"_s << u"Can't find Directory\r\rPlease fill in settings box."_s + tail + u"x"_s
                       << true;
    QTest::newRow("5") << 5 << u"x"_s << u"There are no MP3 in the list."_s + tail + u"x"_s << false;
    QTest::newRow("6") << 6 << u"Read-only file system"_s
                       << u"The disk is write protected. The Setting were not saved."_s + tail +
                              u"Read-only file system"_s
                       << false;
    QTest::newRow("7") << 7 << u"x"_s
                       << u"Can't find Path\r\rPlease Enter a valid path in the settings box"_s + tail + u"x"_s << true;
    QTest::newRow("8") << 8 << u"x"_s
                       << u"No M3U File\r\rThe file :/music/evening.m3u Can not be found.\r\r Please Enter a valid "
                          u"M3U file in to the 'open and play' box"_s +
                              tail + u"x"_s
                       << false;
    QTest::newRow("9") << 9 << u"x"_s << u"No Font\r\rPlease select a Font for TUNARY to use."_s + tail + u"x"_s
                       << false;
    QTest::newRow("10 with empty text")
        << 10 << QString() << u"Bad file format\r\r/home/me/list.M3U is not a .M3U file and can not be opened"_s + tail
        << false;
    QTest::newRow("0") << 0 << u"x"_s << tail + u"x"_s << false;
    QTest::newRow("11") << 11 << u"x"_s << tail + u"x"_s << false;
    QTest::newRow("-1") << -1 << u"x"_s << tail + u"x"_s << false;
}

void TestModError::everyNumber()
{
    QFETCH(int, number);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(bool, opensSettings);

    TestApp app;
    app.context.Settings.OpenAndPlayFile = u"/music/evening.m3u"_s;
    app.context.CommandLine = u"/home/me/list.M3U"_s;
    Mod_Error::ShowError(app.context, number, text);

    QCOMPARE(app.boxes.shown.size(), 1);
    const MessageBoxRequest &box = app.boxes.shown.first();
    QCOMPARE(box.title, u"Error Number: "_s + QString::number(number));
    QCOMPARE(box.text, message);
    QCOMPARE(box.icon, MessageIcon::Critical);
    QCOMPARE(box.buttons, MessageButtons::Ok);
    QCOMPARE(app.host.calls.contains(u"OpenSettings"_s), opensSettings);
    QCOMPARE(app.context.SkipNextPlayError, number == 8);
}

void TestModError::settingsOpenBeforeTheBox()
{
    TestApp app;
    Mod_Error::ShowError(app.context, 1, u"No such file or directory"_s);

    QCOMPARE(app.journal, QStringList({u"OpenSettings"_s, u"box Error Number: 1"_s}));
    const QString folder = QDir::toNativeSeparators(app.folders.programFolder());
    QCOMPARE(app.boxes.shown.first().text,
             u"Can't find Settings file "_s + folder +
                 u"\r\rThe INI (settings) file is missing, maybe this is the first time you have run the program, "
                 u"you will not be able to play files with out this.\r\rPlease enter your settings  to correct this "
                 u"problem.\r\rError rised: No such file or directory"_s);
}

void TestModError::errorEightTwiceKeepsTheFlagSet()
{
    TestApp app;
    Mod_Error::ShowError(app.context, 8, QString());
    Mod_Error::ShowError(app.context, 8, QString());
    QVERIFY(app.context.SkipNextPlayError);
    QCOMPARE(app.boxes.shown.size(), 2);
}

void TestModError::displayedWithEmptyLineBetweenParts()
{
    TestApp app;
    Mod_Error::ShowError(app.context, 4, u"why"_s);
    QCOMPARE(messageDisplayText(app.boxes.shown.first().text),
             u"Can't find Directory\n\nPlease fill in settings box.\n\nError rised: why"_s);
}

QTEST_GUILESS_MAIN(TestModError)
#include "tst_mod_error.moc"
