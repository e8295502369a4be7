// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QStackedWidget>
#include <QStyleOptionTitleBar>
#include <QTest>

#include "app/Translations.h"
#include "app/ui/MainWindow.h"
#include "app/ui/UiWindowHost.h"
#include "playlist/OpenLists.h"
#include "playlist/PlayList.h"
#include "playlist/ui/MovedFilesDialog.h"
#include "playlist/ui/PlayListWindow.h"
#include "settings/ui/SettingsDialog.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;

namespace {

// The real frame over the platform doubles, with one untitled list in slot 2.
struct Frame : TestApp
{
    Frame()
    {
        windows.loadFrame();
        OpenLists::newPlayList(context);
    }
    PlayList *list() const { return OpenLists::playListAt(context, 2); }

    UiWindowHost windows{context};
};

// A press where the style draws the close box of a sub-window's title bar.
void pressCloseBox(QMdiSubWindow *window)
{
    QStyleOptionTitleBar option;
    option.initFrom(window);
    option.titleBarFlags = window->windowFlags();
    option.subControls = QStyle::SC_All;
    option.rect.setHeight(window->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, window));
    const QPoint box =
        window->style()->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarCloseButton, window).center();
    QTest::mouseMove(window, box - QPoint(1, 1)); // the title bar takes a press where the pointer moved
    QTest::mouseMove(window, box);
    QTest::mouseClick(window, Qt::LeftButton, {}, box);
}

} // namespace

class TestChildWindows : public QObject
{
    Q_OBJECT

private slots:
    void finderClosesItsWindow()
    {
        for (const QString &command : {u"cmdClose"_s, u"mnuCloseAddFile"_s}) {
            Frame frame;
            frame.context.settings.mp3Folder = frame.folders.root();
            frame.windows.openFinder(FinderMode::Mp3Files);
            QPointer<QMdiSubWindow> window = frame.windows.frame()->mdiArea()->subWindowList().last();
            if (auto *button = window->widget()->findChild<QPushButton *>(command))
                button->click();
            else
                window->widget()->findChild<QAction *>(command)->trigger();
            QTRY_VERIFY2(!window, qPrintable(command));
        }
    }

    void dialogOverMaximisedListCancelsByItsCloseBox_data()
    {
        QTest::addColumn<QString>("dialog");
        for (const QString &dialog :
             {u"settings"_s, u"save"_s, u"save_kill"_s, u"settings Escape"_s, u"save Escape"_s, u"about Escape"_s})
            QTest::newRow(qPrintable(dialog)) << dialog;
    }

    // The dialog opens as it is over the maximised list, whose name stays in the frame's title; its close box
    // or Escape cancels it.
    void dialogOverMaximisedListCancelsByItsCloseBox()
    {
        QFETCH(QString, dialog);
        Frame frame;
        frame.list()->markChanged();
        QMdiSubWindow *listWindow = qobject_cast<PlayListWindow *>(frame.list()->parent())->subWindow();
        listWindow->showMaximized();
        const QString kind = dialog.section(u' ', 0, 0);
        if (kind == u"settings"_s)
            frame.windows.openSettings();
        else if (kind == u"about"_s)
            frame.windows.showAbout();
        else
            OpenLists::openFileDialog(
                frame.context, kind == u"save"_s ? FileDialogPurpose::SaveList : FileDialogPurpose::SaveAndCloseList,
                2);
        QPointer<QMdiSubWindow> window = frame.windows.frame()->mdiArea()->subWindowList().last();
        QVERIFY(!window->isMaximized() && listWindow->isMaximized());
        QCOMPARE(frame.windows.frame()->windowTitle(), u"TUNARY - [Untitled 1]"_s);
        if (dialog.endsWith(u"Escape"_s)) {
            frame.windows.frame()->show();
            QVERIFY(QTest::qWaitForWindowActive(frame.windows.frame()));
            window->widget()->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else {
            pressCloseBox(window);
        }
        QTRY_VERIFY(!window);
        QCOMPARE(frame.windows.frame()->windowTitle(), u"TUNARY - [Untitled 1]"_s);
        QVERIFY(!frame.context.settingsOpen && !frame.context.fileDialogOpen);
        QVERIFY(!QFile::exists(frame.folders.settingsFile()));
        QVERIFY(frame.list()->caption() == u"Untitled 1"_s && frame.list()->isChanged());
    }

    void tabFollowsWhatIsSeen_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("stops");
        const auto row = [](const char *window, const QString &stops) {
            QTest::newRow(window) << QString::fromLatin1(window) << stops.split(u' ');
        };
        row("settings", u"o1 o4 O3 O2 Command1 TxtPath Command2 DrvList CmdSearch chkStartPlayer cmdCancel Cmdok"_s);
        row("save", u"Drv1 Dir1 List1 txtname Cmdok cmbtype cmdCancel"_s);
        row("finder", u"LstFiles CmdOpen CmdSearch cmdClose CmdHelp Drv Dir1"_s);
        row("help", u"LstMessage CmdHelp cmdClose"_s);
    }

    // Tab goes down the left of a window before its right, and from the top of each side to its bottom.
    void tabFollowsWhatIsSeen()
    {
        QFETCH(QString, window);
        Frame frame;
        frame.context.settings.m3uFolder = frame.folders.root();
        if (window == u"settings"_s)
            frame.windows.openSettings();
        else if (window == u"finder"_s)
            frame.windows.openFinder(FinderMode::Lists);
        else if (window == u"help"_s)
            frame.windows.showFinderHelp();
        else
            OpenLists::openFileDialog(frame.context, FileDialogPurpose::SaveList, 2);
        QMdiSubWindow *subWindow = frame.windows.frame()->mdiArea()->subWindowList().last();
        QWidget *dialog = subWindow->widget();
        // The window fits the dialog, with no empty band beside it.
        const int border = subWindow->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, subWindow);
        QCOMPARE(subWindow->width(), dialog->width() + 2 * border);
        QStringList stops;
        for (QWidget *next = dialog->nextInFocusChain(); next != dialog; next = next->nextInFocusChain()) {
            if (dialog->isAncestorOf(next) && next->isVisibleTo(dialog) && (next->focusPolicy() & Qt::TabFocus) &&
                !next->focusProxy())
                stops << next->objectName();
        }
        QTEST(stops, "stops");
    }

    void sortIgnoresLetterCaseInTheCLocale()
    {
        QLocale::setDefault(QLocale::c());
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
        Frame frame;
        frame.list()->model().appendEntries(
            {{u"/m/bravo.mp3"_s, false}, {u"/m/Charlie.mp3"_s, false}, {u"/m/Alpha.mp3"_s, false}});
        frame.list()->edit(PlayList::Edit::Sort);
        QCOMPARE(titlesOf(frame.list()->model()), QStringList({u"Alpha"_s, u"bravo"_s, u"Charlie"_s}));
    }

    // The preview shows a system colour as the frame does, the folder choosers start at their boxes' folders, and
    // slider captions turning into numbers or a long font name in the sample move nothing sideways.
    void settingsDialog()
    {
        Frame frame;
        frame.context.settings.backColour = u"-2147483633"_s; // the system's button face
        frame.context.settings.mp3Folder = u"/music"_s;
        frame.context.settings.m3uFolder = u"/music/lists"_s;
        frame.windows.setFrameBackColour(-2147483633);
        frame.windows.openSettings();
        SettingsDialog *dialog = frame.windows.settingsDialog();
        QCOMPARE(dialog->findChild<QWidget *>(u"BGC"_s)->palette().color(QPalette::Window),
                 frame.windows.frame()->mdiArea()->background().color());
        for (const QString &browse : {u"CmdBrowse"_s, u"Command3"_s})
            dialog->findChild<QPushButton *>(browse)->click();
        QCOMPARE(frame.boxes.folderStarts, QStringList({u"/music"_s, u"/music/lists"_s}));

        const auto places = [dialog] {
            QList<QRect> places;
            for (const QString &name : {u"V1"_s, u"V2"_s, u"V3"_s, u"cmb1"_s}) {
                dialog->showPage(name == u"cmb1"_s ? 2 : 3);
                QCoreApplication::processEvents();
                places << dialog->findChild<QWidget *>(name)->geometry();
            }
            return places;
        };
        const QList<QRect> before = places();
        dialog->findChild<QSlider *>(u"V2"_s)->setValue(7);
        QLineEdit *font = dialog->findChild<QComboBox *>(u"cmb1"_s)->lineEdit();
        font->selectAll();
        QTest::keyClicks(font, u"A Very Long Name Of A Font Family Indeed"_s);
        QTest::keyClick(font, Qt::Key_Return);
        QCOMPARE(places(), before);

        // A family name shows whole in its own font.
        if (const int family = dialog->findChild<QComboBox *>(u"cmb1"_s)->findText(u"DejaVu Sans Mono"_s);
            family >= 0) {
            emit dialog->findChild<QComboBox *>(u"cmb1"_s)->activated(family);
            QCoreApplication::processEvents();
            const auto *sample = dialog->findChild<QLabel *>(u"test"_s);
            QVERIFY(sample->width() >= sample->fontMetrics().horizontalAdvance(sample->text()));
        }
    }

    void helpWindowShowsWholeTitles()
    {
        Frame frame;
        frame.windows.showFinderHelp();
        auto *titles = frame.windows.helpWindow()->findChild<QListWidget *>(u"LstMessage"_s);
        for (int row = 0; row < titles->count(); ++row)
            QVERIFY2(titles->visualItemRect(titles->item(row)).right() < titles->viewport()->width(),
                     qPrintable(titles->item(row)->text()));
    }

    void playerPickListsPrograms()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows tells programs by their names");
#endif
        TestApp app;
        const QString folder = app.folders.root() + u"/bin"_s;
        writeFile(folder + u"/player"_s, "#!/bin/sh\n");
        writeFile(folder + u"/notes.txt"_s, "x");
        QFile::setPermissions(folder + u"/player"_s, QFile::ReadOwner | QFile::ExeOwner);
        FileDialogWindow dialog(app.context, FileDialogPurpose::ChoosePlayer, 0);
        dialog.setFolder(folder);
        QCOMPARE(dialog.findChild<QComboBox *>(u"cmbtype"_s)->itemText(0), u"Programs"_s);
        const auto *files = dialog.findChild<QListWidget *>(u"List1"_s);
        QVERIFY(files->count() == 1 && files->item(0)->text() == u"player"_s);
    }
    void mnemonicsAreUnique_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de"}) {
            for (const char *window : {"frame", "list", "finder 0", "finder 1", "settings 0", "settings 1",
                                       "settings 2", "settings 3", "save", "help", "about", "moved"})
                QTest::addRow("%s %s", window, language)
                    << QString::fromLatin1(window) << QString::fromLatin1(language);
        }
    }

    // One Alt+letter, one target: among the menu bar's titles and the buttons of the window (one settings page at a
    // time), and among the items of each menu; in English and in every translation.
    void mnemonicsAreUnique()
    {
        QFETCH(QString, window);
        QFETCH(QString, language);
        const Translations translations{QLocale(language)};
        TestApp app;
        app.context.settings.m3uFolder = app.context.settings.mp3Folder = app.folders.root();
        UiWindowHost windows{app.context};
        windows.loadFrame();
        const QString kind = window.section(u' ', 0, 0);
        const int number = window.section(u' ', 1).toInt();
        MovedFilesDialog moved(nullptr);
        QWidget *shown = kind == u"moved"_s ? &moved : nullptr;
        if (!shown && kind != u"frame"_s) {
            OpenLists::newPlayList(app.context);
            if (kind == u"finder"_s)
                windows.openFinder(number ? FinderMode::Mp3Files : FinderMode::Lists);
            if (kind == u"settings"_s)
                windows.openSettings();
            if (kind == u"save"_s)
                OpenLists::openFileDialog(app.context, FileDialogPurpose::SaveList, 2);
            if (kind == u"help"_s || kind == u"about"_s)
                kind == u"help"_s ? windows.showFinderHelp() : windows.showAbout();
            shown = windows.frame()->mdiArea()->subWindowList().last()->widget();
        }
        if (kind == u"settings"_s)
            windows.settingsDialog()->showPage(number);
        QList<QMenu *> menus = windows.frame()->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly);
        if (const auto *withMenus = dynamic_cast<HasMenus *>(shown))
            menus = withMenus->menus();
        QList<QStringList> scopes(1);
        for (QMenu *menu : shown == &moved ? QList<QMenu *>() : menus)
            scopes[0] << menu->title();
        for (QAbstractButton *button : shown ? shown->findChildren<QAbstractButton *>() : QList<QAbstractButton *>()) {
            const auto *page = qobject_cast<QStackedWidget *>(button->parentWidget()->parentWidget());
            if (!page || page->currentWidget() == button->parentWidget())
                scopes[0] << button->text();
        }
        for (QList<QMenu *> pending = menus; !pending.isEmpty();) {
            QMenu *menu = pending.takeFirst();
            emit menu->aboutToShow();
            scopes.append(QStringList());
            for (QAction *action : menu->actions()) {
                scopes.last() << action->text();
                if (action->menu())
                    pending << action->menu();
            }
        }
        QStringList clashes;
        for (const QStringList &scope : std::as_const(scopes)) {
            QHash<int, QString> taken;
            for (const QString &caption : scope) {
                const int key = QKeySequence::mnemonic(caption)[0].toCombined();
                if (key && taken.contains(key))
                    clashes << taken[key] + u" / "_s + caption;
                taken.insert(key, caption);
            }
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
    }
};

QTEST_MAIN(TestChildWindows)
#include "tst_childwindows.moc"
