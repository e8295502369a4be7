// SPDX-License-Identifier: MIT

// Finding files: the folder walk, its patterns and results, and saving a list through the file dialog.
#include <unistd.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "core/FolderSearch.h"
#include "core/MusicFiles.h"
#include "files/FileDialog.h"
#include "files/Finder.h"
#include "files/PathListModel.h"
#include "support/TestApp.h"

using namespace Qt::StringLiterals;

namespace {

// Makes the files (and folders, ending in "/") named between blanks under a root.
void makeTree(const QString &root, const QString &paths)
{
    for (const QString &path : paths.split(u' ', Qt::SkipEmptyParts)) {
        if (path.endsWith(u'/'))
            QDir().mkpath(root + u'/' + path);
        else
            writeFile(root + u'/' + path);
    }
}

// The walk's results (for "*.MP3" unless told), one at a time, under the root and without it; onBatch may stop
// the walk.
QString walk(const QString &root, const std::function<void(std::atomic<bool> &)> &onBatch = {},
             FolderWalk::Threads threads = FolderWalk::Threads::One, const QString &pattern = u"*.MP3"_s)
{
    std::atomic<bool> stop{false};
    QStringList found;
    const bool stopped = FolderWalk::search(
        root, pattern, stop,
        [&](const PathBatch &batch) {
            found += batch.toList();
            if (onBatch)
                onBatch(stop);
        },
        threads, 1);
    return found.join(u' ').remove(root + u'/') + (stopped ? u" stopped"_s : QString());
}

// An untitled, changed list of two entries in slot 2, its file dialog open on the folder "lists".
struct Saving : TestApp
{
    Saving()
    {
        host.loadFrame();
        list = OpenLists::playListAt(context, OpenLists::newPlayList(context));
        list->model().appendEntries({{u"/m/a.mp3"_s, false}, {u"/m/b.mp3"_s, false}});
        list->markChanged();
        QDir().mkpath(folder);
        OpenLists::openFileDialog(context, FileDialogPurpose::SaveList, 2);
    }

    bool ok(const QString &name, FileDialogPurpose purpose = FileDialogPurpose::SaveList)
    {
        return FileDialog::accept(context, {purpose, 2, folder, name}).closes;
    }
    bool changed() const { return list->isChanged(); }

    PlayList *list = nullptr;
    QString folder = folders.root() + u"/lists"_s;
};

const QByteArray kSaved = "/m/a.mp3\r\n/m/b.mp3\r\n"_ba;

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void walkOrder_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("found");
        QTest::newRow("subfolders last to first, own files after")
            << u"A/a.mp3 B/b.mp3 m.mp3"_s << u"B/b.mp3 A/a.mp3 m.mp3"_s;
        QTest::newRow("deeper, names in order, letter case ignored")
            << u"A/x/1.mp3 A/y/2.mp3 A/3.mp3 b/4.MP3 b/notes.txt c/ 6.mp3 5.Mp3"_s
            << u"b/4.MP3 A/y/2.mp3 A/x/1.mp3 A/3.mp3 5.Mp3 6.mp3"_s;
        QTest::newRow("ASCII folded to lower case, others by Qt, then exact case")
            << u"_x.mp3 B.mp3 a\u00c9.mp3 a\u00e9.mp3 \u00c4b.mp3 zz.mp3 ab.mp3 \u00c9b.mp3 \u00e9a.mp3"_s
            << u"_x.mp3 ab.mp3 a\u00c9.mp3 a\u00e9.mp3 B.mp3 zz.mp3 \u00c4b.mp3 \u00e9a.mp3 \u00c9b.mp3"_s;
        // Wide enough that the second thread lists much of it from the other end.
        QString wide, wideFound;
        for (int folder = 39; folder >= 0; --folder) {
            const QString name = u"f%1/"_s.arg(folder, 2, 10, QChar(u'0'));
            for (int sub = 2; sub >= 0; --sub) {
                wide += u"%1s%2/x.mp3 "_s.arg(name).arg(sub);
                wideFound += u"%1s%2/x.mp3 "_s.arg(name).arg(sub);
            }
            wide += name + u"own.mp3 "_s;
            wideFound += name + u"own.mp3 "_s;
        }
        QTest::newRow("forty folders of three") << wide << wideFound.trimmed();
        QTest::newRow("nothing matches") << u"a.wav x/"_s << QString();
        const QString deep = u"d/"_s.repeated(200) + u"deep.mp3"_s;
        QTest::newRow("200 folders deep") << deep << deep;
    }

    void walkOrder()
    {
        QFETCH(QString, tree);
        QFETCH(QString, found);
        QTemporaryDir dir;
        makeTree(dir.path(), tree);
        QCOMPARE(walk(dir.path()), found);
        QCOMPARE(walk(dir.path(), {}, FolderWalk::Threads::Two), found);
    }

    void walkPassesOverLinksAndUnreadableFolders()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        makeTree(root, u"A/a.mp3 B/b.mp3 closed/c.mp3"_s);
        QVERIFY(QFile::link(root, root + u"/A/loop"_s));
        QVERIFY(QFile::link(root + u"/A/a.mp3"_s, root + u"/A/link.mp3"_s));
        QFile::setPermissions(root + u"/closed"_s, QFileDevice::Permissions());
        // Only root reads a folder closed to everyone.
        QCOMPARE(walk(root), (::geteuid() == 0 ? u"closed/c.mp3 "_s : QString()) + u"B/b.mp3 A/a.mp3 A/link.mp3"_s);
        QFile::setPermissions(root + u"/closed"_s, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // B is walked before A; while its file is reported, A (listed but not yet walked) disappears.
        const auto removeA = [&root](auto &) { QDir(root + u"/A"_s).removeRecursively(); };
        QVERIFY(walk(root, removeA).endsWith(u"B/b.mp3"_s));
        // Walked with a second thread listing ahead, it reports those of A's files listed before, in order.
        makeTree(root, u"A/a.mp3"_s);
        QVERIFY(QFile::link(root + u"/A/a.mp3"_s, root + u"/A/link.mp3"_s));
        const QString afterRemoval = walk(root, removeA, FolderWalk::Threads::Two);
        const QString fromA = afterRemoval.section(u"B/b.mp3"_s, 1).trimmed();
        QVERIFY2(afterRemoval.contains(u"B/b.mp3"_s) &&
                     QStringList({QString(), u"A/a.mp3"_s, u"A/link.mp3"_s, u"A/a.mp3 A/link.mp3"_s}).contains(fromA),
                 qPrintable(afterRemoval));
    }

    void stopKeepsWhatWasFound()
    {
        QTemporaryDir dir;
        makeTree(dir.path(), u"A/1.mp3 A/2.mp3 B/3.mp3 B/4.mp3 5.mp3"_s);
        QCOMPARE(walk(dir.path(), [](std::atomic<bool> &stop) { stop = true; }), u"B/3.mp3 B/4.mp3 stopped"_s);
    }

    void patterns_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("listed");
        QTest::newRow("lists in any case") << u"*.m3u ; *.M3U"_s << u"a.m3u B.M3u"_s;
        QTest::newRow("every file") << u"*.*"_s << u"a.m3u B.M3u notes song.mp3 winamp.exe"_s;
        QTest::newRow("the player") << u"Winamp.exe ; WINAMP.EXE "_s << u"winamp.exe"_s;
    }

    void patterns()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, listed);
        QTemporaryDir dir;
        makeTree(dir.path(), u"song.mp3 a.m3u B.M3u winamp.exe notes folder.m3u/"_s);
        QCOMPARE(FolderWalk::matchingFiles(dir.path(), pattern).join(u' '), listed);
    }

    // What the finder looks for in each of its modes, and what a drop takes, over a tree: letter case is ignored,
    // other files and folders named like music are left out.
    void findersAndDropsPatterns_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("found");
        const QString all = u"sub/b.MP3 sub/c.FLAC sub/f.Opus a.mp3 d.ogg e.oga g.m4a h.aac i.wav j.WMA k.aif "
                            u"l.aiff m.ape n.wv o.mpc"_s;
        QTest::newRow("MP3 only") << Finder::patternFor(FinderMode::Mp3Files, MusicFiles::Mp3Only)
                                  << u"sub/b.MP3 a.mp3"_s;
        QTest::newRow("all music") << Finder::patternFor(FinderMode::Mp3Files, MusicFiles::AllFormats) << all;
        QTest::newRow("drops") << MusicPatterns::forDrops() << all;
        QTest::newRow("lists") << Finder::patternFor(FinderMode::Lists, MusicFiles::Mp3Only) << u"sub/Y.M3U8 x.m3u"_s;
    }

    void findersAndDropsPatterns()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, found);
        QTemporaryDir dir;
        makeTree(dir.path(),
                 u"a.mp3 sub/b.MP3 sub/c.FLAC d.ogg e.oga sub/f.Opus g.m4a h.aac i.wav j.WMA k.aif l.aiff "
                 u"m.ape n.wv o.mpc x.m3u sub/Y.M3U8 notes.txt cover.jpg song.mp3.txt mix.m3u8.bak clip.mp4 "
                 u"folder.flac/"_s);
        QCOMPARE(walk(dir.path(), {}, FolderWalk::Threads::One, pattern), found);
    }

    // The program's own options live beside TUNARY.INI, come back in a later run, and leave TUNARY.INI alone.
    void optionsAreKeptBesideTheSettingsFile()
    {
        TestApp app;
        const QByteArray settings = "/opt/player\r\n/music\r\n/lists\r\n255\r\n 255 \r\n 0 \r\n 0 \r\nCourier New\r\n"
                                    "False\r\nFalse\r\n(Enter M3U here)\r\n"_ba;
        app.writeProgramFile(u"TUNARY.INI"_s, settings);
        QCOMPARE(app.context.options.musicFiles(), MusicFiles::Mp3Only);
        QCOMPARE(app.context.options.setMusicFiles(MusicFiles::AllFormats), std::nullopt);
        QVERIFY(!app.readProgramFile(u"tunary-options.ini"_s).isEmpty());
        AppContext later({app.boxes, app.starter, app.folders, app.drives, app.registry});
        QCOMPARE(Finder::setupFor(later, FinderMode::Mp3Files).pattern,
                 Finder::patternFor(FinderMode::Mp3Files, MusicFiles::AllFormats));
        QCOMPARE(later.options.setMusicFiles(MusicFiles::Mp3Only), std::nullopt);
        QCOMPARE(app.context.options.musicFiles(), MusicFiles::Mp3Only);
        QCOMPARE(app.readProgramFile(u"TUNARY.INI"_s), settings);
    }

    // A damaged file is written afresh; one that cannot be written says so, and where it is.
    void storingOptions_data()
    {
        QTest::addColumn<QByteArray>("existing"); // null: a folder in the file's place
        QTest::addColumn<bool>("stored");
        QTest::newRow("damaged") << "[Finder\nMusicFiles=Mp3Only\n\x01\n"_ba << true;
        QTest::newRow("cannot be written") << QByteArray() << false;
    }

    void storingOptions()
    {
        QFETCH(QByteArray, existing);
        QFETCH(bool, stored);
        TestApp app;
        const QString path = app.context.options.path();
        if (existing.isNull())
            QVERIFY(QDir().mkpath(path));
        else
            writeFile(path, existing);
        const std::optional<QString> fault = app.context.options.setMusicFiles(MusicFiles::AllFormats);
        QCOMPARE(!fault, stored);
        QVERIFY(stored || fault->contains(path));
        QCOMPARE(app.context.options.musicFiles(), stored ? MusicFiles::AllFormats : MusicFiles::Mp3Only);
    }

    // The file dialog, the folder walk and its batches join alike: a root does not double its separator.
    void joins()
    {
        const QStringList folders{u"/"_s, u"C:\\"_s, u"/músic/日本/"_s};
        const QStringList joined{u"/a.mp3"_s, u"C:\\a.mp3"_s, u"/músic/日本/a.mp3"_s};
        PathBatch batch;
        for (int i = 0; i < folders.size(); ++i) {
            QCOMPARE(FolderWalk::join(folders[i], u"a.mp3"_s), joined[i]);
            batch.append(folders[i], u"a.mp3"_s);
        }
        QCOMPARE(batch.toList(), joined);
        QCOMPARE(batch.last(), joined.last());
    }

    void resultsSpanSeveralBatches()
    {
        PathListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (const QStringList &batch : {QStringList{u"/1"_s, u"/2"_s}, QStringList{}, QStringList{u"/3"_s, u"/4"_s}})
            model.appendPaths(PathBatch::fromList(batch));
        QCOMPARE(model.paths(), QStringList({u"/1"_s, u"/2"_s, u"/3"_s, u"/4"_s}));
        QCOMPARE(model.data(model.index(2)).toString(), QDir::toNativeSeparators(u"/3"_s));
        QCOMPARE(model.path(4), QString());
        QCOMPARE(PathBatch().last(), QString());
        model.setBatch({}); // a new search
        QCOMPARE(model.rowCount(), 0);
    }

    void saving_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("existing"); // what the folder holds as "old.m3u"; null: nothing
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("savedAs"); // empty: nothing saved, the dialog stays open
        QTest::addColumn<int>("questions");
        const QByteArray old = "/x.mp3\r\n"_ba;
        QTest::newRow("new name completed") << u"party"_s << QByteArray() << MessageAnswer::Ok << u"party.m3u"_s << 0;
        QTest::newRow("name with .M3U") << u"PARTY.M3U"_s << QByteArray() << MessageAnswer::Ok << u"PARTY.M3U"_s << 0;
        QTest::newRow("existing, yes") << u"old.m3u"_s << old << MessageAnswer::Yes << u"old.m3u"_s << 1;
        QTest::newRow("existing, no") << u"old.m3u"_s << old << MessageAnswer::No << QString() << 1;
        QTest::newRow("existing empty, no question") << u"old.m3u"_s << ""_ba << MessageAnswer::Ok << u"old.m3u"_s << 0;
        QTest::newRow("completed name exists, no") << u"old"_s << old << MessageAnswer::No << QString() << 1;
        QTest::newRow("empty name refused") << QString() << QByteArray() << MessageAnswer::Ok << QString() << 0;
    }

    void saving()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, existing);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, savedAs);
        QFETCH(int, questions);
        Saving app;
        const QString old = app.folder + u"/old.m3u"_s;
        if (!existing.isNull())
            writeFile(old, existing);
        app.boxes.answers = {answer};
        QCOMPARE(app.ok(name), !savedAs.isEmpty());
        QCOMPARE(app.boxes.shown.size(), name.isEmpty() ? 1 : questions);
        for (const MessageBoxRequest &box : app.boxes.shown.mid(name.isEmpty() ? 1 : 0)) {
            QCOMPARE(box.title + u'|' + box.text, u"Overwrite|Are you sure you want to over write this file?"_s);
            QCOMPARE(box.buttons, MessageButtons::YesNoCancel);
        }
        QCOMPARE(app.context.fileDialogOpen, savedAs.isEmpty());
        QCOMPARE(app.changed(), savedAs.isEmpty());
        if (savedAs.isEmpty()) {
            QCOMPARE(app.list->caption(), u"Untitled 1"_s);
            QCOMPARE(readFile(old), existing);
            return;
        }
        QCOMPARE(app.list->caption(), app.folder + QDir::separator() + savedAs);
        QCOMPARE(readFile(app.list->caption()), kSaved);
    }

    void failedSaveKeepsTheCaptionAndCancelStopsAClosingFrame()
    {
        Saving app;
        app.context.frameClosing = true;
        QDir().mkpath(app.folder + u"/taken.m3u/inside"_s);
        QVERIFY(!app.ok(u"taken.m3u"_s));
        QCOMPARE(app.journal.filter(u"box"_s), QStringList{u"box Error Number: 6"_s});
        QCOMPARE(app.list->caption(), u"Untitled 1"_s);
        QVERIFY(app.context.fileDialogOpen);
        FileDialog::cancel(app.context);
        QVERIFY(!app.context.fileDialogOpen);
        QVERIFY(!app.context.frameClosing);
        QVERIFY(app.changed());
    }

    void saveAndCloseGoesOnClosingTheFrame()
    {
        Saving app;
        app.context.frameClosing = true;
        QSignalSpy closing(app.list, &PlayList::closeRequested);
        QVERIFY(app.ok(u"kept"_s, FileDialogPurpose::SaveAndCloseList));
        QCOMPARE(readFile(app.folder + u"/kept.m3u"_s), kSaved);
        QCOMPARE(closing.size(), 1);
        QVERIFY(app.context.lists.slotAt(2).isFree);
        QVERIFY(app.journal.contains(u"closeFrame"_s));
    }

    void listClosedMeanwhile()
    {
        Saving app;
        app.host.discardPlayListWindow(app.list);
        QVERIFY(app.ok(u"gone"_s));
        QVERIFY(!app.context.fileDialogOpen);
        QVERIFY(!QFile::exists(app.folder + u"/gone.m3u"_s));
    }

    // A pick hands its path back to whoever opened the dialog, and saves nothing.
    void settingsPicks_data()
    {
        QTest::addColumn<FileDialogPurpose>("purpose");
        QTest::newRow("player") << FileDialogPurpose::ChoosePlayer;
        QTest::newRow("start-up list") << FileDialogPurpose::ChooseStartUpList;
    }

    void settingsPicks()
    {
        QFETCH(FileDialogPurpose, purpose);
        Saving app;
        const FileDialog::Outcome outcome = FileDialog::accept(app.context, {purpose, 2, app.folder, u"mix"_s});
        QVERIFY(outcome.closes);
        const QString path = app.folder + QDir::separator() + u"mix"_s;
        QCOMPARE(outcome.chosenPath, path);
        QVERIFY(!app.context.fileDialogOpen);
        QVERIFY(!QFile::exists(path + u".m3u"_s));
        QCOMPARE(app.list->caption(), u"Untitled 1"_s);
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
