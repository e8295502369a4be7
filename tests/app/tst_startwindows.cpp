#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTest>

#include "app/MDIForm1.h"
#include "app/UiWindowHost.h"
#include "app/frmSplash.h"
#include "playlist/FrmPlayList.h"
#include "playlist/PlayList.h"
#include "settings/SettingsFile.h"
#include "support/TestApp.h"

using namespace Qt::StringLiterals;

namespace {

SettingsValues playerSettings(const QString &player)
{
    SettingsValues values;
    values.WinampPath = player;
    values.BackColour = u"255"_s;
    values.ListFont = u"Courier New"_s;
    return values;
}

} // namespace

class TestStartWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void frameLoadsWithHiddenFirstSlot();
    void frameTakesTheBackColour();
    void splashCloses_data();
    void splashCloses();
    void splashStaysFor_data();
    void splashStaysFor();
    void splashClosesByItself();
    void playerStartedOnceWithoutArguments_data();
    void playerStartedOnceWithoutArguments();
    void frameUnloadRemovesThePlayFile();
    void activationRestoresTheFrame();
};

void TestStartWindows::initTestCase()
{
    QCoreApplication::setApplicationName(u"TUNARY"_s);
    QCoreApplication::setApplicationVersion(u"1.2.6"_s);
}

void TestStartWindows::frameLoadsWithHiddenFirstSlot()
{
    TestApp app;
    UiWindowHost windows(app.context);
    windows.loadFrame();
    windows.loadFrame();

    MDIForm1 *frame = windows.frame();
    QVERIFY(frame);
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->windowTitle(), u"TUNARY"_s);
    QCOMPARE(frame->mdiArea()->background().color(), QColor(Qt::white));
    QCOMPARE(app.context.PlayLists.size(), 1);
    auto *slotOne = qobject_cast<PlayList *>(app.context.PlayLists.PlayListAt(1));
    QVERIFY(slotOne);
    auto *window = qobject_cast<FrmPlayList *>(slotOne->parent());
    QVERIFY(window);
    QVERIFY(!window->isVisible());
    QCOMPARE(slotOne->tag(), u"1"_s);
    QVERIFY(!app.context.PlayLists.ListSlotAt(1).Changed);
    QVERIFY(!app.context.PlayLists.ListSlotAt(1).SlotFree);
    // The first list the user opens gets slot 2.
    QCOMPARE(app.context.PlayLists.AllocListSlot(), 2);
}

void TestStartWindows::frameTakesTheBackColour()
{
    TestApp app;
    UiWindowHost windows(app.context);
    SaveSettings(app.context, playerSettings(QString()));
    LoadSettings(app.context, u"no"_s);
    QCOMPARE(windows.frame()->mdiArea()->background().color(), QColor(255, 0, 0));
}

void TestStartWindows::splashCloses_data()
{
    QTest::addColumn<QString>("clicked"); // empty: a key is pressed
    QTest::addColumn<bool>("noAutoPlay");
    QTest::newRow("key") << QString() << false;
    QTest::newRow("frame") << u"Frame1"_s << false;
    QTest::newRow("product name") << u"lblProductName"_s << false;
    QTest::newRow("company") << u"lblCompanyProduct"_s << false;
    QTest::newRow("licence") << u"lblLicenseTo"_s << false;
    QTest::newRow("logo") << u"imgLogo"_s << true;
}

void TestStartWindows::splashCloses()
{
    QFETCH(QString, clicked);
    QFETCH(bool, noAutoPlay);
    TestApp app;
    SaveSettings(app.context, playerSettings(QString()));
    UiWindowHost windows(app.context);
    windows.showSplash(u"/music/a.m3u"_s);
    frmSplash *splash = windows.splash();
    QVERIFY(splash->isVisible());

    if (clicked.isEmpty()) {
        QTest::keyClick(splash, Qt::Key_Space);
    } else {
        auto *target = splash->findChild<QWidget *>(clicked);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, 2));
    }
    QVERIFY(!splash->isVisible());
    QTRY_VERIFY(windows.frame());
    QCOMPARE(app.context.NoAutoPlay, noAutoPlay);
    QCOMPARE(app.context.CommandLine, u"/music/a.m3u"_s);
    // The list named is missing: playing it fails with error 5, unless the logo said not to play.
    QCOMPARE(app.boxes.shown.size(), noAutoPlay ? 0 : 1);
}

void TestStartWindows::splashStaysFor_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("boxes");
    QTest::newRow("version notes") << u"lblVersion"_s << 1;
    QTest::newRow("warning") << u"lblWarning"_s << 0;
    QTest::newRow("platform") << u"lblPlatform"_s << 0;
}

void TestStartWindows::splashStaysFor()
{
    QFETCH(QString, clicked);
    QFETCH(int, boxes);
    TestApp app;
    UiWindowHost windows(app.context);
    windows.showSplash(QString());
    frmSplash *splash = windows.splash();
    QCOMPARE(splash->findChild<QLabel *>(u"lblVersion"_s)->text(), u"Version 1.2.6"_s);

    QTest::mouseClick(splash->findChild<QWidget *>(clicked), Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(splash->isVisible());
    QVERIFY(!windows.frame());
    QCOMPARE(app.boxes.shown.size(), boxes);
    if (boxes) {
        const MessageBoxRequest &notes = app.boxes.shown.first();
        QCOMPARE(notes.title, u"TUNARY"_s);
        QCOMPARE(notes.icon, MessageIcon::None);
        QCOMPARE(notes.text, u"Notes one this version:\r\rThis version has the auto save fixed and has a command "
                             u"line reader."_s);
    }
}

void TestStartWindows::splashClosesByItself()
{
    TestApp app;
    UiWindowHost windows(app.context);
    windows.showSplash(QString());
    QVERIFY(windows.splash()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(windows.frame(), frmSplash::kShowMs * 3);
    QVERIFY(!windows.splash()->isVisible());
    // Without settings: error 1, with the settings dialog asked for first.
    QCOMPARE(app.boxes.shown.size(), 1);
    QCOMPARE(app.boxes.shown.first().title, u"Error Number: 1"_s);
    QCOMPARE(windows.settingsRequests(), 1);
}

void TestStartWindows::playerStartedOnceWithoutArguments_data()
{
    QTest::addColumn<QString>("player");
    QTest::addColumn<int>("starts");
    QTest::newRow("player set") << u"/opt/winamp/winamp"_s << 1;
    QTest::newRow("no player") << QString() << 0;
    QTest::newRow("blank player") << u"   "_s << 0;
}

void TestStartWindows::playerStartedOnceWithoutArguments()
{
    QFETCH(QString, player);
    QFETCH(int, starts);
    TestApp app;
    app.starter.failWith = u"not there"_s; // a failing start is passed over
    SaveSettings(app.context, playerSettings(player));
    UiWindowHost windows(app.context);
    windows.showSplash(QString());
    QTest::keyClick(windows.splash(), Qt::Key_Escape);
    QTRY_VERIFY(windows.frame());
    QCOMPARE(app.starter.calls.size(), starts);
    if (starts) {
        QCOMPARE(app.starter.calls.first().program, player);
        QVERIFY(app.starter.calls.first().arguments.isEmpty());
    }
    QVERIFY(app.boxes.shown.isEmpty());
}

void TestStartWindows::frameUnloadRemovesThePlayFile()
{
    TestApp app;
    UiWindowHost windows(app.context);
    QSignalSpy unloaded(&windows, &UiWindowHost::frameUnloaded);
    windows.loadFrame();
    QDir().mkpath(QFileInfo(app.folders.playFile()).path());
    QFile play(app.folders.playFile());
    QVERIFY(play.open(QIODevice::WriteOnly));
    play.close();

    windows.frame()->close();
    QVERIFY(!QFile::exists(app.folders.playFile()));
    QCOMPARE(unloaded.size(), 1);
}

void TestStartWindows::activationRestoresTheFrame()
{
    TestApp app;
    UiWindowHost windows(app.context);
    windows.loadFrame();
    windows.frame()->showMinimized();
    windows.activateFrame();
    QVERIFY(!windows.frame()->isMinimized());
    QVERIFY(windows.frame()->isVisible());
}

QTEST_MAIN(TestStartWindows)
#include "tst_startwindows.moc"
