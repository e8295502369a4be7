#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/HandOff.h"
#include "app/MDIForm1.h"
#include "app/UiWindowHost.h"
#include "app/WindowPlacement.h"
#include "playlist/FrmPlayList.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;
using namespace PlayListCommands;

namespace {

struct Session
{
    Session()
    {
        app.context.Settings.ListFont = u"Courier New"_s;
        host.loadFrame();
    }

    MDIForm1 *frame() const { return host.frame(); }
    PlayList *newList(bool changed)
    {
        PlayList *list = playListAt(app.context, NewPlayList(app.context));
        app.context.PlayLists.ListSlotAt(list->slot()).Changed = changed;
        return list;
    }
    bool showsFrameMenus() const
    {
        QList<QAction *> own;
        for (QMenu *menu : frame()->frameMenus())
            own.append(menu->menuAction());
        return frame()->menuBar()->actions() == own;
    }
    int shownLists() const
    {
        int count = 0;
        for (QMdiSubWindow *window : frame()->mdiArea()->subWindowList())
            count += window->isVisible() && qobject_cast<FrmPlayList *>(window->widget());
        return count;
    }

    TestApp app;
    UiWindowHost host{app.context};
};

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private slots:

    void frameMenusReturnWhenTheChildGoes_data()
    {
        QTest::addColumn<QString>("child");
        QTest::newRow("settings by Cancel") << u"settings cmdCancel"_s;
        QTest::newRow("settings by OK") << u"settings Cmdok"_s;
        QTest::newRow("help window") << u"help cmdClose"_s;
        QTest::newRow("last list") << u"list"_s;
    }

    void frameMenusReturnWhenTheChildGoes()
    {
        QFETCH(QString, child);
        Session session;
        session.frame()->show();
        QVERIFY(QTest::qWaitForWindowActive(session.frame()));
        const QString button = child.section(u' ', 1);
        if (child.startsWith(u"settings"_s))
            session.host.OpenSettings();
        else if (child.startsWith(u"help"_s))
            session.host.showPlayListHelp();
        else
            session.newList(false);
        QTRY_VERIFY(!session.showsFrameMenus());

        if (button.isEmpty())
            playListAt(session.app.context, 2)->close();
        else
            session.frame()->mdiArea()->currentSubWindow()->findChild<QPushButton *>(button)->click();
        QTRY_VERIFY(session.showsFrameMenus());
        QTRY_COMPARE(session.frame()->mdiArea()->subWindowList().size(), 1); // the hidden list of slot 1 alone

        // Restored from the minimised state, the frame still shows its own menus, not the hidden list's.
        session.frame()->showMinimized();
        session.frame()->showNormal();
        QTest::qWait(10);
        QVERIFY(session.showsFrameMenus());
    }

    // Lists handed over while "Save First?" is open grow the window table behind the box.
    void handOffDuringSaveFirstIsSafe()
    {
        TestApp app;
        setUpWindowTable(app.context);
        const int slot = NewPlayList(app.context);
        app.context.PlayLists.ListSlotAt(slot).Changed = true;
        const QString list = app.folders.root() + u"/two.m3u"_s;
        writeFile(list, "/m/two.mp3\r\n");
        app.boxes.whileOpen = [&app, &list](const MessageBoxRequest &) {
            for (int i = 0; i < 40; ++i)
                LoadPlayList(app.context, list);
        };
        app.boxes.answers = {MessageAnswer::No};
        QVERIFY(Form_QueryUnload(app.context, *playListAt(app.context, slot), true));
        QVERIFY(!app.context.PlayLists.ListSlotAt(slot).Changed);
        QVERIFY(app.context.PlayLists.ListSlotAt(slot).SlotFree);
        QCOMPARE(app.context.PlayLists.size(), 42);
    }

    void handOffWaitsForAModalBox()
    {
        Session session;
        const QString list = session.app.folders.root() + u"/two.m3u"_s;
        writeFile(list, "/m/two.mp3\r\n");
        session.app.folders.ensureProgramFolder();
        QVERIFY(HandOff::append(session.app.folders.handOffFile(), list).isEmpty());
        QDialog box(session.frame());
        int listsWhileOpen = -1;
        QTimer::singleShot(0, &box, [&] {
            session.host.activateFrame();
            listsWhileOpen = session.shownLists();
            box.reject();
        });
        box.exec();
        QCOMPARE(listsWhileOpen, 0);
        session.frame()->shell_timer_Timer();
        QCOMPARE(session.shownLists(), 1);
    }

    // The list a save dialog was opened for is closed, and a new list takes its slot, before OK is pressed.
    void saveDialogOutlivesItsList()
    {
        Session session;
        session.app.context.Settings.M3UPath = session.app.folders.root();
        PlayList *first = session.newList(true);
        MnuSaveAs_Click(session.app.context, *first);
        QVERIFY(session.host.fileDialog());
        session.app.boxes.answers = {MessageAnswer::No};
        first->close();
        PlayList *second = session.newList(true);
        QVERIFY(second != first);
        session.host.fileDialog()->findChild<QLineEdit *>(u"txtname"_s)->setText(u"saved.m3u"_s);
        session.host.fileDialog()->findChild<QPushButton *>(u"Cmdok"_s)->click();
        QVERIFY(!QFile::exists(session.app.folders.root() + u"/saved.m3u"_s));
        QCOMPARE(second->caption(), u"Untitled 1"_s);
        QVERIFY(!session.app.context.FileDialogOpen);
    }

    void cascadeKeepsUsableSizes_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<QRect>>("places");
        const QSize minimum = MDIForm1::cascadeMinimum();
        QTest::newRow("shrunk to a title bar") << QRect(0, 0, 660, 520) << QSize(120, 25)
                                               << QList<QRect>{{QPoint(0, 0), minimum}, {QPoint(20, 20), minimum}};
        QTest::newRow("larger than the frame")
            << QRect(0, 0, 300, 400) << QSize(900, 900) << QList<QRect>{{0, 0, 300, 400}, {20, 20, 280, 380}};
        QTest::newRow("steps start again")
            << QRect(0, 0, 260, 400) << minimum << QList<QRect>{{QPoint(0, 0), minimum}, {QPoint(0, 0), minimum}};
    }

    void cascadeKeepsUsableSizes()
    {
        QFETCH(QRect, area);
        QFETCH(QSize, size);
        QFETCH(QList<QRect>, places);
        QCOMPARE(WindowPlacement::cascade(area, {size, size}, MDIForm1::cascadeMinimum(), 20), places);

        // New lists open inside the frame; its own cascade keeps them there, none a bare title bar.
        Session session;
        session.frame()->resize(area.size() + QSize(0, session.frame()->menuBar()->sizeHint().height()));
        session.frame()->show();
        const QRect inside = session.frame()->mdiArea()->viewport()->rect();
        const auto check = [&](const QSize &least) {
            for (QMdiSubWindow *window : session.frame()->mdiArea()->subWindowList()) {
                QVERIFY(!window->isVisible() || inside.contains(window->geometry()));
                QVERIFY(!window->isVisible() || window->width() >= std::min(least.width(), inside.width()));
            }
        };
        for (int i = 0; i < 4; ++i)
            session.newList(false);
        check({});
        for (QMdiSubWindow *window : session.frame()->mdiArea()->subWindowList())
            window->resize(size);
        session.frame()->arrange(MDIForm1::Cascade);
        check(MDIForm1::cascadeMinimum());
    }

    void frameRemembersItsPlace()
    {
        TestApp app;
        const QString state = app.folders.frameStateFile();
        {
            UiWindowHost host(app.context);
            host.loadFrame();
            host.frame()->setGeometry(40, 50, 700, 600);
            QVERIFY(host.frame()->close());
        }
        QVERIFY(QFile::exists(state));
        {
            UiWindowHost host(app.context);
            host.loadFrame();
            QCOMPARE(host.frame()->size(), QSize(700, 600));
        }
        // Garbage in the state file is passed over: the frame opens at its first size.
        writeFile(state, QByteArray(5000, '\xff'));
        UiWindowHost host(app.context);
        host.loadFrame();
        QVERIFY(host.frame()->width() >= 660);
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
