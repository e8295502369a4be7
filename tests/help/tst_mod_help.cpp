#include <QDir>
#include <QFile>
#include <QTest>

#include "app/Taskbar.h"
#include "help/Mod_Help.h"
#include "help/SysInfo.h"
#include "platform/NotificationIcon.h"
#include "support/TestApp.h"

using namespace Qt::StringLiterals;

namespace {

// Records what the notification area is asked to do; a left click is simulated by the test.
class RecordingIcon : public NotificationIcon
{
public:
    bool isAvailable() const override { return available; }
    void show(const QString &tip) override
    {
        ++shown;
        this->tip = tip;
    }
    void hide() override { ++hidden; }
    void setLeftClickHandler(std::function<void()> handler) override { click = std::move(handler); }

    bool available = true;
    int shown = 0;
    int hidden = 0;
    QString tip;
    std::function<void()> click;
};

} // namespace

class TestModHelp : public QObject
{
    Q_OBJECT

private slots:
    void topics_data();
    void topics();
    void topicsWithoutHelp_data();
    void topicsWithoutHelp();
    void subjects();
    void systemInformation_data();
    void systemInformation();
    void notificationArea();
    void noNotificationArea();
};

void TestModHelp::topics_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("message");
    QTest::newRow("10")
        << 10
        << u"Options\r\rFrom Here you can do four things:\r\rMake a New MP3 play list\rOpen an Existing "
           u"MP3 Play list\rExit TUNARY\rEdit Settings\r\rThese items can be found in the File Menu"_s;
    QTest::newRow("11")
        << 11
        << u"Opening Play lists \r\rJust click on the Play list you wish to open and a new window will "
           u"open with that play list.\r\rWhen you have opened all the files you require, Press Close."_s;
    QTest::newRow("12") << 12
                        << u"Adding MP3 Files (1) \r\rDrag the MP3 files from the Add file window to the required play "
                           u"list window \r\r"_s;
    QTest::newRow("13") << 13
                        << u"Searching\r\rTo search press the search button, the program will then search from the "
                           u"current directory for any files of the type you are looking for."_s;
    QTest::newRow("14") << 14 << u"Help for Help\r\rJust click on a the subject you require help on."_s;
    QTest::newRow("15") << 15 << u"INI Update\r\rNext time you start TUNARY these settings will be used."_s;
    QTest::newRow("16")
        << 16
        << u"Changing player path\r\rTunary requires a MP3 player to play m3p files.\r\rClick on "
           u"Change to look for it your self, or click on the search Tab and TUNARY will look for you."_s;
    QTest::newRow("17")
        << 17
        << u"Changing MP3 path\r\rHere you can select you directory that holds your MP3 files (if "
           u"Applicable) doing this will speed up the process of making play list.\r\rIf you do not "
           u"have one set place that your holds your MP3 files, please Enter a sutible path (C:\\) this "
           u"is were TUNARY will start looking when you add a MP3 to a play list."_s;
    QTest::newRow("18") << 18
                        << u"Why does it always start there?\r\rTUNARY will look in the directory you have set as you "
                           u"MP3 collection directory. to change this enter the setting by selecting 'settings' form "
                           u"the menu."_s;
    QTest::newRow("19") << 19
                        << u"I can't select all the MP3's at once.\r\rJust right click your mouse over the MP3 file "
                           u"list and click select all, in order to drag these files to a play list hold down <SHIFT> "
                           u"and <CTRL> on the keyboard and drag."_s;
    QTest::newRow("20")
        << 20
        << u"Moving items up and down the play list.\r\rHold down <Ctrl> and press the up/down arrow to "
           u"move the Items up and down the list."_s;
    QTest::newRow("21") << 21 << u"Playing the files\r\rJust double click the file to play it."_s;
    QTest::newRow("22") << 22
                        << u"Changing the TUNARY Colour\r\rUse the slider bars to make a new color or click on one of "
                           u"the default colours, the background colour will change when the 'OK' button is pressed."_s;
    QTest::newRow("23") << 23
                        << u"Changing the M3U path\r\rhere you can state where the program looks for M3U files first, "
                           u"the setting should be set to speed loading and saving."_s;
    QTest::newRow("24") << 24
                        << u"Moving a whole list\r\rIn order to move a whole list to another Select all the MP3 and "
                           u"hold down <SHIFT> and <CTRL> then drag the files to the required list."_s;
    QTest::newRow("25") << 25
                        << u"Move ratter then copy option\r\rWhen draging files from one playlist to another this "
                           u"option selects whether the song is deleted from the source list or not."_s;
    QTest::newRow("26") << 26
                        << u"Playing a default list\r\rUse can use this option to play a list when Tunary starts."_s;
    QTest::newRow("27")
        << 27 << u"always sort option\r\ruse can use this option to sort a playlist when it is FIRST opened"_s;
}

void TestModHelp::topics()
{
    QFETCH(int, topic);
    QFETCH(QString, message);
    TestApp app;
    Mod_Help::ShowHelp(app.context, topic);
    QCOMPARE(app.boxes.shown.size(), 1);
    const MessageBoxRequest &box = app.boxes.shown.first();
    QCOMPARE(box.title, u"Help Number: "_s + QString::number(topic));
    QCOMPARE(box.text, message);
    QCOMPARE(box.icon, MessageIcon::Information);
    QCOMPARE(box.buttons, MessageButtons::Ok);
}

void TestModHelp::topicsWithoutHelp_data()
{
    QTest::addColumn<int>("topic");
    QTest::newRow("9") << 9;
    QTest::newRow("28") << 28;
    QTest::newRow("0") << 0;
}

void TestModHelp::topicsWithoutHelp()
{
    QFETCH(int, topic);
    TestApp app;
    Mod_Help::ShowHelp(app.context, topic);
    QCOMPARE(app.boxes.shown.first().title, u"Help Number: "_s + QString::number(topic));
    QCOMPARE(app.boxes.shown.first().text, u"There is no help for this topic."_s);
}

void TestModHelp::subjects()
{
    using Mod_Help::Subject;
    QCOMPARE(Mod_Help::playListSubjects(),
             QList<Subject>({{u"Moving items up/down a list."_s, 20}, {u"Playing Files."_s, 21}}));
    QCOMPARE(Mod_Help::settingsSubjects().size(), 6);
    QCOMPARE(Mod_Help::settingsSubjects().at(2), (Subject{u"Changing Default 'TUNARY' Colour"_s, 22}));
    QCOMPARE(Mod_Help::settingsSubjects().at(4), (Subject{u"playing a defult list"_s, 26}));
    QCOMPARE(Mod_Help::finderSubjects().at(1), (Subject{u"Adding MP3 files to a play list "_s, 12}));
    QCOMPARE(Mod_Help::finderSubjects().last(), (Subject{u"I cant select all the files at once."_s, 19}));
}

void TestModHelp::systemInformation_data()
{
    QTest::addColumn<bool>("pathKey");
    QTest::addColumn<bool>("locationKey");
    QTest::addColumn<bool>("programThere");
    QTest::addColumn<QString>("started"); // empty: the "unavailable" box
    QTest::newRow("first key") << true << true << true << u"C:/msinfo/msinfo32.exe"_s;
    QTest::newRow("second key with the program") << false << true << true << u"$/MSINFO32.EXE"_s;
    QTest::newRow("second key without the program") << false << true << false << QString();
    QTest::newRow("no keys") << false << false << false << QString();
}

void TestModHelp::systemInformation()
{
    QFETCH(bool, pathKey);
    QFETCH(bool, locationKey);
    QFETCH(bool, programThere);
    QFETCH(QString, started);
    TestApp app;
    // The folder named by the second key is the test's own; the program is looked for with a "\" before it.
    const QString folder = app.folders.root();
    if (pathKey)
        app.registry.values.insert(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO\\PATH"_s,
                                   u"C:/msinfo/msinfo32.exe"_s);
    if (locationKey)
        app.registry.values.insert(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location\\MSINFO"_s, folder);
    if (programThere) {
        QFile program(folder + u"\\MSINFO32.EXE"_s);
        QVERIFY(program.open(QIODevice::WriteOnly));
    }
    SysInfo::StartSysInfo(app.context);
    if (started.isEmpty()) {
        QVERIFY(app.starter.calls.isEmpty());
        QCOMPARE(app.boxes.shown.size(), 1);
        QCOMPARE(app.boxes.shown.first().text, u"System Information Is Unavailable At This Time"_s);
        QCOMPARE(app.boxes.shown.first().icon, MessageIcon::None);
        return;
    }
    QCOMPARE(app.starter.calls.size(), 1);
    QCOMPARE(app.starter.calls.first().program, started.replace(u"$/"_s, folder + u"\\"_s));
    QVERIFY(app.boxes.shown.isEmpty());
}

void TestModHelp::notificationArea()
{
    RecordingIcon icon;
    int hides = 0;
    int restores = 0;
    Taskbar taskbar(
        icon, [&hides] { ++hides; }, [&restores] { ++restores; });
    for (int round = 1; round <= 3; ++round) {
        taskbar.MDIForm_Resize();
        QVERIFY(taskbar.inTray());
        QCOMPARE(icon.shown, round);
        QCOMPARE(icon.tip, u"TUNARY"_s);
        QCOMPARE(hides, round);
        icon.click();
        QVERIFY(!taskbar.inTray());
        QCOMPARE(icon.hidden, round);
        QCOMPARE(restores, round);
    }
    icon.click(); // a click with no icon shown changes nothing
    QCOMPARE(restores, 3);
}

void TestModHelp::noNotificationArea()
{
    RecordingIcon icon;
    icon.available = false;
    int hides = 0;
    Taskbar taskbar(
        icon, [&hides] { ++hides; }, [] {});
    taskbar.MDIForm_Resize();
    QVERIFY(!taskbar.inTray());
    QCOMPARE(icon.shown, 0);
    QCOMPARE(hides, 0);
}

QTEST_GUILESS_MAIN(TestModHelp)
#include "tst_mod_help.moc"
