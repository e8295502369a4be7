#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "files/FileDialog.h"
#include "files/FolderSearch.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;

namespace {

// An untitled list of two entries in slot 2, its file dialog open.
struct Saving : TestApp
{
    Saving()
    {
        host.loadFrame();
        slot = PlayListCommands::NewPlayList(context);
        list = PlayListCommands::playListAt(context, slot);
        list->model().appendEntries({{u"/m/a.mp3"_s, false}, {u"/m/b.mp3"_s, false}});
        context.PlayLists.ListSlotAt(slot).Changed = true;
        folder = folders.root() + u"/lists"_s;
        QDir().mkpath(folder);
        PlayListCommands::OpenFileDialog(context, u"save"_s, slot);
    }

    int slot = 0;
    PlayList *list = nullptr;
    QString folder;
};

const QByteArray kSaved = "/m/a.mp3\r\n/m/b.mp3\r\n"_ba;

} // namespace

class TestFileDialog : public QObject
{
    Q_OBJECT

private slots:
    void modes();
    void patterns_data();
    void patterns();
    void rootFolderDoesNotDoubleItsSeparator();
    void saving_data();
    void saving();
    void failedSaveKeepsTheCaption();
    void saveAndCloseFreesTheSlotAndGoesOnClosingTheFrame();
    void settingsPicks_data();
    void settingsPicks();
    void listClosedMeanwhile();
    void cancelStopsAClosingFrame();
    void oneDialogAtATime();
};

void TestFileDialog::modes()
{
    QCOMPARE(FileDialog::modeFor(u"save"_s)->caption, u"Save List"_s);
    QCOMPARE(FileDialog::modeFor(u"save_kill"_s)->caption, u"Save and Close List"_s);
    QCOMPARE(FileDialog::modeFor(u"opt2"_s)->items, QStringList({u"*.M3U"_s, u"*.*"_s}));
    QCOMPARE(FileDialog::modeFor(u"opt"_s)->comboText, u"Winamp.exe"_s);
    QVERIFY(!FileDialog::modeFor(u"opt"_s)->startsInM3UPath);
    QVERIFY(!FileDialog::modeFor(u"open"_s));
}

void TestFileDialog::patterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("lists in any case") << u"*.m3u ; *.M3U"_s << QStringList{u"a.m3u"_s, u"B.M3u"_s};
    QTest::newRow("every file") << u"*.*"_s
                                << QStringList{u"a.m3u"_s, u"B.M3u"_s, u"notes"_s, u"song.mp3"_s, u"winamp.exe"_s};
    QTest::newRow("the player") << u"Winamp.exe ; WINAMP.EXE "_s << QStringList{u"winamp.exe"_s};
}

void TestFileDialog::patterns()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, listed);
    QTemporaryDir dir;
    for (const QString &name : {u"song.mp3"_s, u"a.m3u"_s, u"B.M3u"_s, u"winamp.exe"_s, u"notes"_s})
        writeFile(dir.path() + u'/' + name, "x");
    QDir(dir.path()).mkdir(u"folder.m3u"_s);
    QCOMPARE(FolderWalk::matchingFiles(dir.path(), pattern), listed);
}

void TestFileDialog::rootFolderDoesNotDoubleItsSeparator()
{
    QCOMPARE(FileDialog::formPath(u"/"_s, u"a.m3u"_s), u"/a.m3u"_s);
    QCOMPARE(FileDialog::formPath(u"D:\\"_s, u"a.m3u"_s), u"D:\\a.m3u"_s);
    QCOMPARE(FileDialog::formPath(u"/music"_s, u"a.m3u"_s), u"/music"_s + QDir::separator() + u"a.m3u"_s);
}

void TestFileDialog::saving_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("existing"); // what the folder holds under "existing"; null: nothing
    QTest::addColumn<QString>("existingName");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QString>("savedAs"); // empty: nothing saved, the dialog stays open
    QTest::addColumn<int>("questions");

    QTest::newRow("new name completed") << u"party"_s << QByteArray() << QString() << MessageAnswer::Ok
                                        << u"party.m3u"_s << 0;
    QTest::newRow("name with .m3u") << u"party.m3u"_s << QByteArray() << QString() << MessageAnswer::Ok
                                    << u"party.m3u"_s << 0;
    QTest::newRow("name with .M3U") << u"PARTY.M3U"_s << QByteArray() << QString() << MessageAnswer::Ok
                                    << u"PARTY.M3U"_s << 0;
    QTest::newRow("existing, yes") << u"old.m3u"_s << "/x.mp3\r\n"_ba << u"old.m3u"_s << MessageAnswer::Yes
                                   << u"old.m3u"_s << 1;
    QTest::newRow("existing, no") << u"old.m3u"_s << "/x.mp3\r\n"_ba << u"old.m3u"_s << MessageAnswer::No << QString()
                                  << 1;
    QTest::newRow("existing, cancel") << u"old.m3u"_s << "/x.mp3\r\n"_ba << u"old.m3u"_s << MessageAnswer::Cancel
                                      << QString() << 1;
    QTest::newRow("existing empty, no question")
        << u"old.m3u"_s << ""_ba << u"old.m3u"_s << MessageAnswer::Ok << u"old.m3u"_s << 0;
    QTest::newRow("completed name exists, no")
        << u"old"_s << "/x.mp3\r\n"_ba << u"old.m3u"_s << MessageAnswer::No << QString() << 1;
    QTest::newRow("completed name exists, yes")
        << u"old"_s << "/x.mp3\r\n"_ba << u"old.m3u"_s << MessageAnswer::Yes << u"old.m3u"_s << 1;
    QTest::newRow("empty name refused") << QString() << QByteArray() << QString() << MessageAnswer::Ok << QString()
                                        << 0;
}

void TestFileDialog::saving()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, existing);
    QFETCH(QString, existingName);
    QFETCH(MessageAnswer, answer);
    QFETCH(QString, savedAs);
    QFETCH(int, questions);

    Saving app;
    if (!existing.isNull())
        writeFile(app.folder + u'/' + existingName, existing);
    app.boxes.answers = {answer};
    const bool closed = FileDialog::Cmdok_Click(app.context, {u"Save List"_s, app.slot, app.folder, name});

    int overwriteQuestions = 0;
    for (const MessageBoxRequest &box : app.boxes.shown) {
        if (box.title == u"Overwrite"_s) {
            ++overwriteQuestions;
            QCOMPARE(box.text, u"Are you sure you want to over write this file?"_s);
            QCOMPARE(box.buttons, MessageButtons::YesNoCancel);
            QCOMPARE(box.icon, MessageIcon::Question);
        }
    }
    QCOMPARE(overwriteQuestions, questions);
    QCOMPARE(closed, !savedAs.isEmpty());
    QCOMPARE(app.context.FileDialogOpen, savedAs.isEmpty());
    if (savedAs.isEmpty()) {
        QCOMPARE(app.list->caption(), u"Untitled 1"_s);
        QVERIFY(app.context.PlayLists.ListSlotAt(app.slot).Changed);
        if (!existing.isNull())
            QCOMPARE(readFile(app.folder + u'/' + existingName), existing);
        if (name.isEmpty())
            QCOMPARE(app.boxes.shown.size(), 1);
        return;
    }
    const QString path = app.folder + QDir::separator() + savedAs;
    QCOMPARE(app.list->caption(), path);
    QCOMPARE(readFile(path), kSaved);
    QCOMPARE(app.context.ChosenPath, app.folder + QDir::separator() + name);
    QVERIFY(!app.context.PlayLists.ListSlotAt(app.slot).Changed);
}

void TestFileDialog::failedSaveKeepsTheCaption()
{
    Saving app;
    QDir().mkpath(app.folder + u"/taken.m3u/inside"_s);
    QVERIFY(!FileDialog::Cmdok_Click(app.context, {u"Save List"_s, app.slot, app.folder, u"taken.m3u"_s}));
    QCOMPARE(app.boxes.shown.last().title, u"Error Number: 6"_s);
    QCOMPARE(app.list->caption(), u"Untitled 1"_s);
    QVERIFY(app.context.PlayLists.ListSlotAt(app.slot).Changed);
    QVERIFY(app.context.FileDialogOpen);
}

void TestFileDialog::saveAndCloseFreesTheSlotAndGoesOnClosingTheFrame()
{
    Saving app;
    app.context.FrameClosing = true;
    QSignalSpy closing(app.list, &PlayList::closeRequested);
    QVERIFY(FileDialog::Cmdok_Click(app.context, {u"Save and Close List"_s, app.slot, app.folder, u"kept"_s}));
    QCOMPARE(readFile(app.folder + u"/kept.m3u"_s), kSaved);
    QCOMPARE(closing.size(), 1);
    QVERIFY(app.context.PlayLists.ListSlotAt(app.slot).SlotFree);
    QVERIFY(app.host.calls.contains(u"closeFrame"_s));
}

void TestFileDialog::settingsPicks_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("box");
    QTest::newRow("player") << u"Open MP3 Player"_s << u"TxtPath"_s;
    QTest::newRow("start-up list") << u"Select default M3U"_s << u"opensong"_s;
}

void TestFileDialog::settingsPicks()
{
    QFETCH(QString, caption);
    QFETCH(QString, box);
    TestApp app;
    app.context.FileDialogOpen = true;
    QVERIFY(FileDialog::Cmdok_Click(app.context, {caption, 9999, u"/lists"_s, u"mix"_s}));
    const QString path = u"/lists"_s + QDir::separator() + u"mix"_s;
    QCOMPARE(app.host.calls, QStringList{u"setSettingsBox "_s + box + u' ' + path});
    QVERIFY(!app.context.FileDialogOpen);
    QVERIFY(!QFile::exists(path + u".m3u"_s));
}

void TestFileDialog::listClosedMeanwhile()
{
    Saving app;
    app.host.discardPlayListWindow(app.list);
    app.context.PlayLists.setPlayList(app.slot, nullptr);
    QVERIFY(FileDialog::Cmdok_Click(app.context, {u"Save List"_s, app.slot, app.folder, u"gone"_s}));
    QVERIFY(!app.context.FileDialogOpen);
    QVERIFY(!QFile::exists(app.folder + u"/gone.m3u"_s));
}

void TestFileDialog::cancelStopsAClosingFrame()
{
    Saving app;
    app.context.FrameClosing = true;
    FileDialog::cmdCancel_Click(app.context);
    QVERIFY(!app.context.FileDialogOpen);
    QVERIFY(!app.context.FrameClosing);
    QVERIFY(app.context.PlayLists.ListSlotAt(app.slot).Changed);
}

void TestFileDialog::oneDialogAtATime()
{
    Saving app;
    // The close-time save asks for the dialog, which is open already: nothing happens, the list stays.
    app.boxes.answers = {MessageAnswer::Yes};
    QVERIFY(!PlayListCommands::Form_QueryUnload(app.context, *app.list, false));
    QCoreApplication::processEvents();
    PlayListCommands::MnuSaveAs_Click(app.context, *app.list);
    QCOMPARE(app.host.calls.filter(u"OpenFileDialog"_s), QStringList{u"OpenFileDialog save 2"_s});
}

QTEST_GUILESS_MAIN(TestFileDialog)
#include "tst_filedialog.moc"
