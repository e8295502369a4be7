// SPDX-License-Identifier: MIT

// The program's windows over the platform doubles.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "app/HandOff.h"
#include "app/HandOffInbox.h"
#include "app/WindowPlacement.h"
#include "app/ui/MainWindow.h"
#include "app/ui/SplashScreen.h"
#include "app/ui/UiWindowHost.h"
#include "core/PlayerCommand.h"
#include "files/ui/FinderWindow.h"
#include "files/ui/FolderList.h"
#include "platform/ui/QtMessageBoxes.h"
#include "playlist/ui/PlayListWindow.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsForm.h"
#include "settings/ui/SettingsDialog.h"
#include "support/TestApp.h"
#include "widgets/UniformListView.h"

using namespace Qt::StringLiterals;
using namespace OpenLists;
using Edit = PlayList::Edit;

namespace {

const QByteArray kSettings = "/opt/player/play\r\n$/music\r\n$/lists\r\n16744576\r\n 128 \r\n 128 \r\n 255 \r\n"
                             "Courier New\r\nTrue\r\nTrue\r\n(Enter M3U here)\r\n"_ba;

// The frame loaded on these settings ("$": the test's folder), a music folder and a lists folder.
struct Windows
{
    explicit Windows(const QByteArray &settings = kSettings)
        : host(app.context)
    {
        for (const QString &path : {u"A/a.mp3"_s, u"B/b.mp3"_s, u"m.mp3"_s, u"cover.jpg"_s})
            writeFile(music + u'/' + path, "x");
        for (const QString &name : {u"one"_s, u"two"_s, u"three"_s})
            writeFile(lists + u'/' + name + u".m3u"_s, "/m/" + name.toUtf8() + ".mp3\r\n");
        app.writeProgramFile(u"TUNARY.INI"_s, QByteArray(settings).replace('$', app.folders.root().toUtf8()));
        loadSettings(app.context);
    }

    SettingsDialog *settingsDialog()
    {
        host.openSettings();
        return host.settingsDialog();
    }
    FinderWindow *finder(FinderMode mode)
    {
        host.openFinder(mode);
        const QList<FinderWindow *> finders = host.frame()->findChildren<FinderWindow *>();
        return finders.isEmpty() ? nullptr : finders.last();
    }
    MainWindow *frame() const { return host.frame(); }
    // A new list window holding entries named 0, 1, 2 ...
    PlayListWindow *newList(int entries, bool changed = false)
    {
        PlayList *list = playListAt(app.context, newPlayList(app.context));
        for (int i = 0; i < entries; ++i)
            list->model().appendEntries(entriesOf({u"/m/"_s + QString::number(i) + u".mp3"_s}));
        if (changed)
            list->markChanged();
        return qobject_cast<PlayListWindow *>(list->parent());
    }
    bool showsFrameMenus() const
    {
        QStringList shown;
        for (const QAction *menu : frame()->menuBar()->actions())
            shown.append(menu->menu()->objectName());
        return shown == QStringList({u"CmdFile"_s, u"mnuSetting"_s, u"mnuWindow"_s, u"MnuHelp"_s});
    }
    int shownLists() const
    {
        int count = 0;
        for (QMdiSubWindow *window : frame()->mdiArea()->subWindowList())
            count += window->isVisible() && qobject_cast<PlayListWindow *>(window->widget());
        return count;
    }
    bool changed(PlayListWindow *window) const { return window->playList()->isChanged(); }
    // As the desktop delivers it: the drag of the source's selection enters the list, then is dropped there.
    static void drop(PlayListWindow *target, QAbstractItemView *source)
    {
        std::unique_ptr<QMimeData> data(source->model()->mimeData(source->selectionModel()->selectedIndexes()));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target->list()->viewport(), &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target->list()->viewport(), &drop);
    }
    static QString titles(PlayListWindow *window) { return namesOf(window->playList()->model()); }

    TestApp app;
    UiWindowHost host;
    QString music = app.folders.root() + u"/music"_s;
    QString lists = app.folders.root() + u"/lists"_s;
};

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationVersion(u"1.2.6"_s); }

    void splash_data()
    {
        QTest::addColumn<QString>("clicked"); // a control's name, "key" for a key, empty for nothing
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("boxes");
        QTest::newRow("by itself") << QString() << true << 1;
        QTest::newRow("key") << u"key"_s << true << 1;
        QTest::newRow("frame") << u"Frame1"_s << true << 1;
        QTest::newRow("product name") << u"lblProductName"_s << true << 1;
        QTest::newRow("company") << u"lblCompanyProduct"_s << true << 1;
        QTest::newRow("licence") << u"lblLicenseTo"_s << true << 1;
        QTest::newRow("logo: nothing played") << u"imgLogo"_s << true << 0;
        QTest::newRow("version notes") << u"lblVersion"_s << false << 1;
        QTest::newRow("warning") << u"lblWarning"_s << false << 0;
    }

    void splash()
    {
        QFETCH(QString, clicked);
        QFETCH(bool, closes);
        QFETCH(int, boxes);
        TestApp app;
        app.writeProgramFile(u"TUNARY.INI"_s, "\r\n\r\n\r\n255\r\n"_ba);
        UiWindowHost windows(app.context);
        windows.showSplash(u"/music/a.m3u"_s);
        SplashScreen *splash = windows.splash();
        QCOMPARE(splash->findChild<QLabel *>(u"lblVersion"_s)->text(), u"Version 1.2.6"_s);
        if (clicked == u"key")
            QTest::keyClick(splash, Qt::Key_Space);
        else if (!clicked.isEmpty())
            QTest::mouseClick(splash->findChild<QWidget *>(clicked), Qt::LeftButton, {}, QPoint(2, 2));
        if (closes) {
            QTRY_VERIFY_WITH_TIMEOUT(windows.frame(), SplashScreen::kShowMs * 3);
            QCOMPARE(app.context.commandLine, u"/music/a.m3u"_s);
        }
        QCOMPARE(splash->isVisible(), !closes);
        QCOMPARE(windows.frame() != nullptr, closes);
        // The list named is missing: playing it fails with error 5, unless the logo said not to play.
        QCOMPARE(app.boxes.shown.size(), boxes);
        QVERIFY(app.starter.calls.isEmpty()); // no player set, none started
        if (boxes)
            QVERIFY(app.boxes.shown.first().text.startsWith(closes ? u"There are no MP3"_s : u"Notes one this"_s));
    }

    void frameComesBackOnActivation()
    {
        Windows windows;
        windows.host.frame()->showMinimized();
        windows.host.activateFrame();
        QVERIFY(!windows.host.frame()->isMinimized());
    }

    void settingsDialogRefusesThenSavesExactly()
    {
        Windows windows;
        const QByteArray before = windows.app.readProgramFile(u"TUNARY.INI"_s);
        SettingsDialog *dialog = windows.settingsDialog();
        QCOMPARE(windows.settingsDialog(), dialog); // one at a time
        auto *list = dialog->findChild<QLineEdit *>(u"opensong"_s);
        auto *font = dialog->findChild<QLabel *>(u"test"_s);
        // Open and play without a list, then no font: refused, the file as it was; the font's page is shown.
        list->clear();
        dialog->accept();
        QVERIFY(dialog->currentPage() != 2);
        list->setText(u"(Enter M3U here)"_s);
        font->clear();
        dialog->accept();
        QCOMPARE(dialog->currentPage(), 2);
        QCOMPARE(windows.app.journal.filter(u"box"_s),
                 QStringList({u"box Error Number: 8"_s, u"box Error Number: 9"_s}));
        QCOMPARE(windows.app.readProgramFile(u"TUNARY.INI"_s), before);
        QVERIFY(windows.app.context.settingsOpen);

        font->setText(u"Courier New"_s);
        dialog->chooseSwatch(10);
        QSignalSpy finished(dialog, &SettingsDialog::finished);
        dialog->accept();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(windows.app.readProgramFile(u"TUNARY.INI"_s),
                 QByteArray(before).replace("16744576\r\n 128 \r\n 128 \r\n 255", "8421631\r\n 255 \r\n 128 \r\n 128"));
        QCOMPARE(windows.host.frame()->mdiArea()->background().color(), QColor(255, 128, 128));
        QVERIFY(!windows.app.context.settingsOpen);
    }

    void playerSearch_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("found"); // empty: error 3
        // drive/ is searched; bin/ is PATH, looked at when the drive holds no player.
        QTest::newRow("in a subfolder, name as on disk")
            << u"drive/Prog/Winamp/WINAMP.EXE bin/vlc"_s << u"drive/Prog/Winamp/WINAMP.EXE"_s;
        QTest::newRow("the last one the walk meets")
            << u"drive/A/winamp.exe drive/B/x/winamp.exe drive/A/b.exe"_s << u"drive/A/winamp.exe"_s;
        QTest::newRow("a player of this system") << u"drive/A/b.exe bin/mpv bin/vlc bin/notes"_s << u"bin/vlc"_s;
        QTest::newRow("none") << u"drive/A/b.exe bin/notes"_s << QString();
    }

    void playerSearch()
    {
        QFETCH(QString, tree);
        QFETCH(QString, found);
        Windows windows;
        const QString root = windows.app.folders.root() + u'/';
        const QString drive = root + u"drive/"_s;
        for (const QString &path : tree.split(u' ')) {
            writeFile(root + path);
            if (path != u"bin/notes"_s)
                QFile::setPermissions(root + path, QFile::ReadOwner | QFile::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        const auto restorePath = qScopeGuard([path] { qputenv("PATH", path); });
        qputenv("PATH", QFile::encodeName(root + u"bin"_s));
        SettingsDialog *dialog = windows.settingsDialog();
        auto *drives = dialog->findChild<QComboBox *>(u"DrvList"_s);
        drives->addItem(drive);
        drives->setCurrentIndex(drives->count() - 1);
        QSignalSpy done(dialog, &SettingsDialog::searchFinished);
        dialog->searchForPlayer();
        QVERIFY(dialog->isSearching());
        QVERIFY(done.wait());
        // A player from PATH comes with the switches it wants for a list.
        const auto command = [&root](const QString &found) {
            return found.startsWith(u"bin/"_s) ? PlayerCommand::presetFor(root + found) : root + found;
        };
        QCOMPARE(dialog->findChild<QLineEdit *>(u"TxtPath"_s)->text(), found.isEmpty() ? QString() : command(found));
        // A first start, without any settings, offers the player of this system.
        QCOMPARE(SettingsForm::valuesFromSettings({}).playerPath,
                 tree.contains(u"bin/vlc"_s) ? command(u"bin/vlc"_s) : QString());
        QCOMPARE(windows.app.journal.filter(u"box"_s),
                 found.isEmpty() ? QStringList{u"box Error Number: 3"_s} : QStringList());
        QVERIFY(dialog->findChild<QPushButton *>(u"CmdSearch"_s)->isVisibleTo(dialog));
    }

    // Down twice from the second entry: only Ctrl alone moves the entry with the caret.
    void arrows_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("none") << Qt::KeyboardModifiers(Qt::NoModifier);
        QTest::newRow("ctrl+shift") << (Qt::ControlModifier | Qt::ShiftModifier);
    }

    void arrows()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        Windows windows;
        PlayListWindow *window = windows.newList(4);
        UniformListView *list = window->list();
        list->setCurrentIndex(list->model()->index(1, 0));
        QTest::keyClick(list, Qt::Key_Down, modifiers);
        QTest::keyClick(list, Qt::Key_Down, modifiers);
        const bool moved = modifiers == Qt::ControlModifier;
        QCOMPARE(windows.titles(window), moved ? u"0 2 3 1"_s : u"0 1 2 3"_s);
        QCOMPARE(windows.changed(window), moved);
        if (moved)
            QCOMPARE(list->currentIndex().row(), 3);
    }

    // Cancel at any list keeps every window open, the unchanged lists asked before it included.
    void frameCloseAsksEachChangedList()
    {
        Windows windows;
        QSignalSpy unloaded(&windows.host, &UiWindowHost::frameUnloaded);
        windows.newList(1);
        for (int i = 0; i < 2; ++i)
            windows.newList(1)->playList()->edit(Edit::Clear);
        windows.app.boxes.answers = {MessageAnswer::No, MessageAnswer::Cancel};
        QVERIFY(!windows.host.frame()->close());
        QCOMPARE(windows.app.boxes.shown.size(), 2);
        QTRY_COMPARE(windows.host.frame()->mdiArea()->subWindowList().size(), 3);
        QVERIFY(!windows.app.context.frameClosing);
        windows.app.boxes.answers = {MessageAnswer::No};
        QVERIFY(windows.host.frame()->close());
        QCOMPARE(windows.app.boxes.shown.size(), 3);
        QCOMPARE(unloaded.size(), 1);
    }

    // A request to end from outside asks as File > Exit does, the frame hidden behind its icon too; one made
    // while the question is open is dropped. A changed list that may not be asked about keeps the session going.
    void endFromOutsideAsksAsExitDoes()
    {
        Windows windows;
        QSignalSpy unloaded(&windows.host, &UiWindowHost::frameUnloaded);
        windows.newList(1, true);
        windows.frame()->hide();
        QVERIFY(!windows.host.endWithSession([] { return false; }));
        windows.app.boxes.answers = {MessageAnswer::Cancel, MessageAnswer::No};
        windows.app.boxes.whileOpen = [&windows](const MessageBoxRequest &) {
            QDialog box;
            box.setWindowModality(Qt::ApplicationModal);
            box.show();
            windows.host.requestEnd();
        };
        windows.host.requestEnd();
        QTest::qWait(300);
        QCOMPARE(windows.app.boxes.shown.size(), 1);
        QVERIFY(windows.host.endWithSession([] { return true; }));
        QCOMPARE(windows.app.boxes.shown.size(), 2);
        QCOMPARE(unloaded.size(), 1);
    }

    void fileManagerDropAddsFilesAndFolders()
    {
        QTemporaryDir dir;
        for (const QString &name : {u"F/A/a.mp3"_s, u"F/B/b.MP3"_s, u"F/m.mp3"_s, u"F/c.flac"_s, u"F/x.txt"_s,
                                    u"z.mp3"_s, u"y.txt"_s, u"w.OGG"_s})
            writeFile(dir.path() + u'/' + name);
        Windows windows;
        PlayListWindow *window = windows.newList(1);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(dir.path() + u"/z.mp3"_s), QUrl::fromLocalFile(dir.path() + u"/y.txt"_s),
                      QUrl::fromLocalFile(dir.path() + u"/w.OGG"_s), QUrl::fromLocalFile(dir.path() + u"/F"_s)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window->list()->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window->list()->viewport(), &drop);
        // The files arrive in the order dropped, a folder's in the finder's order; music of every kind is taken,
        // whatever the finder looks for, and other files are left out.
        const PlayListModel &model = window->playList()->model();
        QTRY_COMPARE(model.rowCount(), 7);
        QStringList paths;
        for (int row = 1; row < model.rowCount(); ++row)
            paths.append(model.entryPath(row).remove(dir.path()));
        QCOMPARE(paths.join(u' '), u"/z.mp3 /w.OGG /F/B/b.MP3 /F/A/a.mp3 /F/c.flac /F/m.mp3"_s);
        QVERIFY(windows.changed(window));
    }
    void missingFolderGivesErrorFour()
    {
        Windows windows;
        windows.app.context.settings.mp3Folder = windows.music + u"/gone"_s;
        windows.app.context.settings.m3uFolder.clear();
        QVERIFY(!windows.finder(FinderMode::Lists));
        QVERIFY(windows.finder(FinderMode::Mp3Files)); // the MP3 finder opens all the same
        QCOMPARE(windows.app.journal.filter(u"box"_s), QStringList(2, u"box Error Number: 4"_s));
        QCOMPARE(windows.host.settingsRequests(), 2);
    }

    void finderOpensTheSelectedListsInListOrderAndSearchesTheHighlightedFolder()
    {
        Windows windows;
        FinderWindow *finder = windows.finder(FinderMode::Lists);
        const QStringList lists{windows.lists + u"/one.m3u"_s, windows.lists + u"/three.m3u"_s,
                                windows.lists + u"/two.m3u"_s};
        QCOMPARE(finder->results(), lists);
        for (int row : {2, 0, 1})
            finder->resultList()->selectionModel()->select(finder->resultList()->model()->index(row, 0),
                                                           QItemSelectionModel::Select);
        QPointer<FinderWindow> gone(finder);
        finder->openSelectedLists();
        QCOMPARE(openLists(windows.app.context), lists);
        QTRY_VERIFY(!gone);

        finder = windows.finder(FinderMode::Mp3Files);
        QCOMPARE(finder->results(), QStringList{windows.music + u"/m.mp3"_s});
        FolderList *folders = finder->folderList();
        QCOMPARE(folders->item(folders->count() - 2)->text().trimmed(), u"A"_s);
        emit folders->itemClicked(folders->item(folders->count() - 2));
        finder->searchOrStop(); // the highlighted folder opens first, and is searched
        QCOMPARE(folders->folder(), windows.music + u"/A"_s);
        QCOMPARE(finder->results(), QStringList{windows.music + u"/A/a.mp3"_s});
    }

    // A search's results come in batches and show at most ten times a second; once it ends, every one shows, and
    // is counted.
    void finderShowsEveryResultOfABigSearch()
    {
        Windows windows;
        const QString tree = windows.music + u"/Big"_s;
        QSet<QString> expected;
        for (int file = 0; file < 6000; ++file) {
            expected.insert(tree + u"/%1/%2.mp3"_s.arg(file % 3).arg(file));
            writeFile(*expected.constFind(tree + u"/%1/%2.mp3"_s.arg(file % 3).arg(file)));
        }
        windows.app.context.settings.mp3Folder = tree;
        FinderWindow *finder = windows.finder(FinderMode::Mp3Files);
        QSignalSpy finished(finder, &FinderWindow::searchFinished);
        finder->searchOrStop();
        QVERIFY(finished.wait(20000));
        const QStringList results = finder->results();
        QCOMPARE(results.size(), expected.size());
        QCOMPARE(QSet<QString>(results.cbegin(), results.cend()), expected);
        QCOMPARE(finder->findChild<QLabel *>(u"LblFound"_s)->text(), u"6,000 files found"_s);
    }

    // The MP3 finder looks for MP3 files alone or all music files, as the user chose last; the list finder also
    // lists M3U8 lists.
    void finderRemembersWhichMusicFilesItLooksFor()
    {
        Windows windows;
        writeFile(windows.music + u"/c.flac"_s);
        writeFile(windows.lists + u"/four.m3u8"_s);
        FinderWindow *lists = windows.finder(FinderMode::Lists);
        QVERIFY(lists->results().contains(windows.lists + u"/four.m3u8"_s));
        QVERIFY(!lists->findChild<QCheckBox *>(u"chkAllMusic"_s)->isVisibleTo(lists));
        FinderWindow *finder = windows.finder(FinderMode::Mp3Files);
        auto *allMusic = finder->findChild<QCheckBox *>(u"chkAllMusic"_s);
        QSet<QString> mnemonics;
        for (const QAbstractButton *button : finder->findChildren<QAbstractButton *>()) {
            if (button->isVisibleTo(finder))
                mnemonics.insert(button->text().section(u'&', 1).left(1).toLower());
        }
        QCOMPARE(mnemonics.size(), 4); // the box and Search, Close, Help
        const QStringList mp3 = {windows.music + u"/m.mp3"_s};
        const QStringList all = {windows.music + u"/c.flac"_s, windows.music + u"/m.mp3"_s};
        QCOMPARE(finder->results(), mp3);
        QVERIFY(!allMusic->isChecked());
        allMusic->click();
        QCOMPARE(finder->results(), all);
        FinderWindow *next = windows.finder(FinderMode::Mp3Files);
        QVERIFY(next->findChild<QCheckBox *>(u"chkAllMusic"_s)->isChecked());
        QCOMPARE(next->results(), all);
        QVERIFY(windows.app.boxes.shown.isEmpty());

        // A choice that cannot be kept is said, and holds in this finder all the same.
        const QString options = windows.app.context.options.path();
        QVERIFY(QFile::remove(options) && QDir().mkpath(options));
        allMusic->click();
        QCOMPARE(finder->results(), mp3);
        QCOMPARE(windows.app.boxes.shown.size(), 1);
        QVERIFY(windows.app.boxes.shown.first().text.contains(options));
    }

    void dropsFromTheFinderAndBetweenLists()
    {
        Windows windows;
        PlayListWindow *first = windows.newList(0);
        PlayListWindow *second = windows.newList(0);
        FinderWindow *finder = windows.finder(FinderMode::Mp3Files);
        finder->folderList()->setFolder(windows.music + u"/A"_s);
        finder->resultList()->selectAll();
        Windows::drop(first, finder->resultList());
        QCOMPARE(Windows::titles(first), u"a"_s);
        QVERIFY(windows.changed(first));
        QCOMPARE(finder->results().size(), 1);

        // From one list onto another: a copy; the source keeps its entries and its state.
        first->playList()->model().appendEntries({{u"/m/b.mp3"_s, false}, {u"/m/c.mp3"_s, false}});
        first->playList()->markClean();
        for (int row : {2, 0})
            first->list()->selectionModel()->select(first->list()->model()->index(row, 0), QItemSelectionModel::Select);
        Windows::drop(second, first->list());
        QCOMPARE(Windows::titles(second), u"a c"_s);
        QCOMPARE(Windows::titles(first), u"a b c"_s);
        QVERIFY(!windows.changed(first));
        QVERIFY(windows.changed(second));
    }

    // Enter on the MP3 finder's results, or its Ctrl+Enter command, adds the selected files in the finder's order
    // to the list the finder was opened from, else to the list used last, else to a new one; each add is one step.
    void keyboardAddsTheSelectedFiles()
    {
        Windows windows;
        for (const QString &name : {u"y"_s, u"z"_s})
            writeFile(windows.music + u"/C/"_s + name + u".mp3"_s, "x");
        PlayListWindow *first = windows.newList(0);
        PlayListWindow *second = windows.newList(1);
        windows.frame()->mdiArea()->setActiveSubWindow(first->subWindow());
        FinderWindow *finder = windows.finder(FinderMode::Mp3Files);
        finder->folderList()->setFolder(windows.music + u"/C"_s);
        QAbstractItemView *results = finder->resultList();
        for (int row : {1, 0})
            results->selectionModel()->select(results->model()->index(row, 0), QItemSelectionModel::Select);
        QTest::keyClick(results, Qt::Key_Return);
        QCOMPARE(Windows::titles(first), u"y z"_s);
        first->playList()->undo();
        QCOMPARE(Windows::titles(first), QString());
        // With nothing selected, Enter takes the file at the caret.
        results->clearSelection();
        results->selectionModel()->setCurrentIndex(results->model()->index(1, 0), QItemSelectionModel::NoUpdate);
        QTest::keyClick(results, Qt::Key_Return);
        QCOMPARE(Windows::titles(first), u"z"_s);

        auto *add = finder->findChild<QAction *>(u"mnuAddToList"_s);
        delete first->subWindow();
        add->trigger();
        QCOMPARE(Windows::titles(second), u"0 z"_s);
        delete second->subWindow();
        add->trigger();
        QCOMPARE(windows.shownLists(), 1);
        QVERIFY(windows.app.boxes.shown.isEmpty());
    }

    void quickClickAddsNothingHeldPressCopies()
    {
        Windows windows;
        PlayListWindow *window = windows.newList(2);
        UniformListView *view = window->list();
        const QPoint onFirst = view->visualRect(view->model()->index(0, 0)).center();
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, onFirst);
        Windows::drop(window, view);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, onFirst);
        QCOMPARE(Windows::titles(window), u"0 1"_s);
        QVERIFY(!windows.changed(window));

        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, onFirst);
        QTRY_VERIFY_WITH_TIMEOUT(window->playList()->takesDrops(), 3000);
        Windows::drop(window, view);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, onFirst);
        QCOMPARE(Windows::titles(window), u"0 1 0"_s);
        QVERIFY(windows.changed(window));
    }

    // A right press leaves the selection and the caret alone; its release pops the menu up, whose commands act on
    // the entries the user selected.
    void rightPressKeepsTheSelection()
    {
        Windows windows;
        PlayListWindow *window = windows.newList(5);
        UniformListView *view = window->list();
        PlayListModel &model = window->playList()->model();
        for (int row : {0, 2})
            view->selectionModel()->select(model.index(row), QItemSelectionModel::Select);
        view->selectionModel()->setCurrentIndex(model.index(2), QItemSelectionModel::NoUpdate);
        const QPoint onFifth = view->visualRect(model.index(4)).center();
        QTest::mousePress(view->viewport(), Qt::RightButton, {}, onFifth);
        QCOMPARE(model.selectedRows(), (QList<int>{0, 2}));
        QCOMPARE(model.currentIndex(), 2);
        QTest::mouseRelease(view->viewport(), Qt::RightButton, {}, onFifth);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QApplication::activePopupWidget()->close();
        Player::play(windows.app.context, *window->playList(), Player::PlayMode::Selected);
        QCOMPARE(windows.app.starter.calls.size(), 1);
        QCOMPARE(readFile(windows.app.starter.calls.first().arguments.last()), "/m/0.mp3\r\n/m/2.mp3\r\n"_ba);
    }

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
        Windows windows;
        windows.frame()->show();
        QVERIFY(QTest::qWaitForWindowActive(windows.frame()));
        const QString button = child.section(u' ', 1);
        if (child.startsWith(u"settings"_s))
            windows.host.openSettings();
        else if (child.startsWith(u"help"_s))
            windows.host.showPlayListHelp();
        else
            windows.newList(0);
        QTRY_VERIFY(!windows.showsFrameMenus());

        if (button.isEmpty())
            playListAt(windows.app.context, 2)->close();
        else
            windows.frame()->mdiArea()->currentSubWindow()->findChild<QPushButton *>(button)->click();
        QTRY_VERIFY(windows.showsFrameMenus());
        QTRY_COMPARE(windows.frame()->mdiArea()->subWindowList().size(), 1); // the hidden list of slot 1 alone

        // Restored from the minimised state, the frame still shows its own menus, not the hidden list's.
        windows.frame()->showMinimized();
        windows.frame()->showNormal();
        QTest::qWait(10);
        QVERIFY(windows.showsFrameMenus());
    }

    // Lists handed over while "Save First?" is open grow the window table behind the box.
    void handOffDuringSaveFirstIsSafe()
    {
        TestApp app;
        setUpWindowTable(app.context);
        const int slot = newPlayList(app.context);
        playListAt(app.context, slot)->markChanged();
        const QString list = app.folders.root() + u"/two.m3u"_s;
        writeFile(list, "/m/two.mp3\r\n");
        app.boxes.whileOpen = [&app, &list](const MessageBoxRequest &) {
            for (int i = 0; i < 40; ++i)
                openListFile(app.context, list);
        };
        app.boxes.answers = {MessageAnswer::No};
        QVERIFY(queryClose(app.context, *playListAt(app.context, slot), true));
        QVERIFY(!playListAt(app.context, slot)->isChanged());
        QVERIFY(app.context.lists.slotAt(slot).isFree);
        QCOMPARE(app.context.lists.size(), 42);
    }

    void handOffWaitsForAModalBox()
    {
        Windows windows;
        const QString list = windows.app.folders.root() + u"/two.m3u"_s;
        writeFile(list, "/m/two.mp3\r\n");
        windows.app.context.startUpDone = true;
        HandOffInbox inbox(windows.app.context);
        QDialog box(windows.frame());
        int listsWhileOpen = -1;
        QTimer::singleShot(0, &box, [&] {
            QVERIFY(handOver(inbox, HandOff::formatRequest({list.toUtf8(), 1})));
            QTest::qWait(300);
            listsWhileOpen = windows.shownLists();
            box.reject();
        });
        box.exec();
        QCOMPARE(listsWhileOpen, 0);
        QTRY_COMPARE(windows.shownLists(), 1);
    }

    // The box that tells why a start ends goes by itself, for a script may have started it with nobody there.
    void faultBoxGoesByItself()
    {
        QtMessageBoxes boxes;
        MessageBoxRequest box{u"TUNARY"_s, u"cannot tell"_s, MessageIcon::Critical, MessageButtons::Ok};
        box.closeAfterMs = 50;
        QCOMPARE(boxes.show(box), MessageAnswer::Ok);
    }

    // Browse in the settings hands the file dialog's pick back into the player's field; a pick made after the
    // settings closed goes nowhere.
    void settingsBrowseTakesThePick()
    {
        Windows windows;
        for (const bool closeSettingsFirst : {false, true}) {
            SettingsDialog *dialog = windows.settingsDialog();
            const QPointer<QLineEdit> player = dialog->findChild<QLineEdit *>(u"TxtPath"_s);
            dialog->findChild<QPushButton *>(u"Command2"_s)->click();
            QVERIFY(windows.host.fileDialog());
            windows.host.fileDialog()->setFolder(windows.app.folders.root());
            windows.host.fileDialog()->findChild<QLineEdit *>(u"txtname"_s)->setText(u"player"_s);
            if (closeSettingsFirst) {
                dialog->reject();
                QTRY_VERIFY(!player);
            }
            windows.host.fileDialog()->findChild<QPushButton *>(u"Cmdok"_s)->click();
            QVERIFY(!windows.app.context.fileDialogOpen);
            if (!closeSettingsFirst)
                QCOMPARE(player->text(), windows.app.folders.root() + QDir::separator() + u"player"_s);
        }
    }

    // The list a save dialog was opened for is closed, and a new list takes its slot, before OK is pressed.
    void saveDialogOutlivesItsList()
    {
        Windows windows;
        windows.app.context.settings.m3uFolder = windows.app.folders.root();
        PlayList *first = windows.newList(0, true)->playList();
        saveAs(windows.app.context, *first);
        QVERIFY(windows.host.fileDialog());
        windows.app.boxes.answers = {MessageAnswer::No};
        first->close();
        PlayList *second = windows.newList(0, true)->playList();
        QVERIFY(second != first);
        windows.host.fileDialog()->findChild<QLineEdit *>(u"txtname"_s)->setText(u"saved.m3u"_s);
        windows.host.fileDialog()->findChild<QPushButton *>(u"Cmdok"_s)->click();
        QVERIFY(!QFile::exists(windows.app.folders.root() + u"/saved.m3u"_s));
        QCOMPARE(second->caption(), u"Untitled 1"_s);
        QVERIFY(!windows.app.context.fileDialogOpen);
    }

    void cascadeKeepsUsableSizes_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<QRect>>("places");
        const QSize minimum = MainWindow::cascadeMinimum();
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
        QCOMPARE(WindowPlacement::cascade(area, {size, size}, MainWindow::cascadeMinimum(), 20), places);

        // New lists open inside the frame; its own cascade keeps them there, none a bare title bar.
        Windows windows;
        windows.frame()->resize(area.size() + QSize(0, windows.frame()->menuBar()->sizeHint().height()));
        windows.frame()->show();
        const QRect inside = windows.frame()->mdiArea()->viewport()->rect();
        const auto check = [&](const QSize &least) {
            for (QMdiSubWindow *window : windows.frame()->mdiArea()->subWindowList()) {
                QVERIFY(!window->isVisible() || inside.contains(window->geometry()));
                QVERIFY(!window->isVisible() || window->width() >= std::min(least.width(), inside.width()));
            }
        };
        for (int i = 0; i < 4; ++i)
            windows.newList(0);
        check({});
        for (QMdiSubWindow *window : windows.frame()->mdiArea()->subWindowList())
            window->resize(size);
        windows.frame()->arrange(Arrangement::Cascade);
        check(MainWindow::cascadeMinimum());
    }

    // The frame opens where it was closed, but never larger than the screen, whatever the state file says.
    void frameRemembersItsPlace()
    {
        TestApp app;
        const QString state = app.folders.frameStateFile();
        const auto closeAt = [&app](const QRect &place) {
            UiWindowHost host(app.context);
            host.loadFrame();
            host.frame()->setGeometry(place);
            QVERIFY(host.frame()->close());
        };
        const auto reopened = [&app] {
            UiWindowHost host(app.context);
            host.loadFrame();
            return std::pair(host.frame()->geometry(), host.frame()->frameGeometry());
        };
        closeAt(QRect(40, 50, 500, 400));
        QVERIFY(QFile::exists(state));
        QCOMPARE(reopened().first.size(), QSize(500, 400));
        closeAt(QRect(-300, 50, 5000, 4000));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(reopened().second));
        // Garbage in the state file is passed over: the frame opens at its first size.
        writeFile(state, QByteArray(5000, '\xff'));
        QVERIFY(reopened().first.width() >= 660);
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
