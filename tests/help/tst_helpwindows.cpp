#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

#include "app/MDIForm1.h"
#include "app/UiWindowHost.h"
#include "help/FrmHelpSub.h"
#include "help/frmAbout.h"
#include "support/TestApp.h"

using namespace Qt::StringLiterals;

namespace {

QStringList titles(const FrmHelpSub *help)
{
    QStringList result;
    const auto *list = help->findChild<QListWidget *>(u"LstMessage"_s);
    for (int i = 0; i < list->count(); ++i)
        result.append(list->item(i)->text());
    return result;
}

} // namespace

class TestHelpWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(u"TUNARY"_s);
        QCoreApplication::setApplicationVersion(u"1.2.6"_s);
    }
    void oneHelpWindowAtATime();
    void subjectsShowTheirTopics();
    void frameShowsTopicTenOnF1();
    void oneAboutBox();
};

void TestHelpWindows::oneHelpWindowAtATime()
{
    TestApp app;
    UiWindowHost windows(app.context);
    windows.showPlayListHelp();
    FrmHelpSub *help = windows.helpWindow();
    QCOMPARE(help->windowTitle(), u"Help Menu"_s);
    QCOMPARE(titles(help), QStringList({u"Moving items up/down a list."_s, u"Playing Files."_s}));
    windows.showSettingsHelp();
    QCOMPARE(windows.helpWindow(), help);
    QCOMPARE(titles(help).size(), 2);

    help->findChild<QPushButton *>(u"cmdClose"_s)->click();
    QVERIFY(!app.context.HelpOpen);
    QTRY_VERIFY(!windows.helpWindow());
    windows.showSettingsHelp();
    QCOMPARE(titles(windows.helpWindow()).size(), 6);
}

void TestHelpWindows::subjectsShowTheirTopics()
{
    TestApp app;
    UiWindowHost windows(app.context);
    windows.showFinderHelp();
    auto *list = windows.helpWindow()->findChild<QListWidget *>(u"LstMessage"_s);
    emit list->itemClicked(list->item(2));
    windows.helpWindow()->findChild<QPushButton *>(u"CmdHelp"_s)->click();
    QCOMPARE(app.boxes.shown.size(), 2);
    QCOMPARE(app.boxes.shown.at(0).title, u"Help Number: 13"_s);
    QCOMPARE(app.boxes.shown.at(1).title, u"Help Number: 14"_s);
}

void TestHelpWindows::frameShowsTopicTenOnF1()
{
    TestApp app;
    UiWindowHost windows(app.context);
    windows.loadFrame();
    auto *action = windows.frame()->findChild<QAction *>(u"MnuHelpme"_s);
    QCOMPARE(action->text(), u"Help  &What do I do Next "_s);
    QCOMPARE(action->shortcut(), QKeySequence(Qt::Key_F1));
    action->trigger();
    QCOMPARE(app.boxes.shown.first().title, u"Help Number: 10"_s);
}

void TestHelpWindows::oneAboutBox()
{
    TestApp app;
    UiWindowHost windows(app.context);
    windows.showAbout();
    windows.showAbout();
    QCOMPARE(windows.frame()->findChildren<frmAbout *>().size(), 1);
    frmAbout *about = windows.aboutBox();
    QCOMPARE(about->windowTitle(), u"About TUNARY"_s);
    QCOMPARE(about->findChild<QLabel *>(u"lblVersion"_s)->text(), u"Version 1.2.6"_s);
    about->findChild<QPushButton *>(u"cmdSysInfo"_s)->click();
    QCOMPARE(app.boxes.shown.first().text, u"System Information Is Unavailable At This Time"_s);
    about->findChild<QPushButton *>(u"Command1"_s)->click();
    QTRY_VERIFY(!windows.aboutBox());
    windows.showAbout();
    QVERIFY(windows.aboutBox());
}

QTEST_MAIN(TestHelpWindows)
#include "tst_helpwindows.moc"
