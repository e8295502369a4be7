// SPDX-License-Identifier: MIT

// Lists as players write them: every "#" line travels with the path after it, through every edit.
#include <memory>

#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "playlist/EntryMime.h"
#include "playlist/M3UFile.h"
#include "support/TestApp.h"

using namespace Qt::StringLiterals;
using namespace OpenLists;
using Edit = PlayList::Edit;

namespace {

// A list file as its pieces: the lines before the entries, each entry's own lines with its path, the lines
// after them. Read here line by line, apart from the program's reader.
struct Pieces
{
    QByteArrayList head;
    QList<QByteArrayList> entries;
    QByteArrayList tail;
};

Pieces piecesOf(const QByteArray &bytes, int headLines)
{
    Pieces pieces;
    QByteArrayList own;
    for (const QByteArray &line : QByteArray(bytes).replace("\r\n", "\n").replace('\r', '\n').split('\n')) {
        if (line.isEmpty())
            continue;
        if (pieces.head.size() < headLines)
            pieces.head.append(line);
        else if (line.startsWith('#'))
            own.append(line);
        else
            pieces.entries.append(own << line), own.clear();
    }
    pieces.tail = own;
    return pieces;
}

// The edits, each run on a list whose entry 1 is selected and holds the caret.
enum class Step { Sort, MoveDown, RemoveSelected, RemoveDuplicates, ClearAndUndo, DragCopy };

} // namespace

class TestExtendedLists : public QObject
{
    Q_OBJECT

private slots:
    void editsKeepEachEntrysLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("headLines");
        QTest::addColumn<QString>("sortedTitles");
        QTest::addColumn<int>("step");
        const QList<std::tuple<const char *, QByteArray, int, QString>> lists{
            {"players' list, CR LF",
             "#EXTM3U\r\n#EXTINF:1,Zeta - Last song\r\n/m/plain.mp3\r\n#EXTINF:1,Alpha - First song\r\n/m/01.mp3\r\n"
             "#EXTGRP:rock\r\n# picked by Ann\r\n#EXTINF:5\r\n/m/b.mp3\r\n# the end\r\n"_ba,
             1, u"Alpha - First song|b|Zeta - Last song"_s},
            {"LF, Windows-1252 beside UTF-8, list name",
             "#EXTM3U\n#PLAYLIST:Mix\n#EXTINF:2,Caf\xe9\n/m/caf\xe9.mp3\n/m/plain2.mp3\n\n#EXTINF:3,\xc3\x89t\xc3\xa9\n"
             "/m/\xc3\xa9t\xc3\xa9.mp3\n"_ba,
             2, u"Café|Été|plain2"_s},
            {"no header, comments between, a duplicate",
             "/m/z.mp3\r\n# note for y\r\n/m/y.mp3\r\n#EXTVLCOPT:start-time=3\r\n#EXTINF:4 tvg-name=\"a,b\" "
             "x=\"1,2\",Beta\r\n"
             "/m/x.mp3\r\n#EXTINF:9,Again\r\n/m/z.mp3\r\n"_ba,
             0, u"Again|Beta|y|z"_s},
        };
        for (const auto &[name, file, headLines, sorted] : lists) {
            for (const Step step : {Step::Sort, Step::MoveDown, Step::RemoveSelected, Step::RemoveDuplicates,
                                    Step::ClearAndUndo, Step::DragCopy})
                QTest::addRow("%s, step %d", name, int(step)) << file << headLines << sorted << int(step);
        }
    }

    void editsKeepEachEntrysLines()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, headLines);
        QFETCH(QString, sortedTitles);
        QFETCH(int, step);
        TestApp app;
        setUpWindowTable(app.context);
        const QString path = app.folders.root() + u"/lists/a.m3u"_s;
        writeFile(path, file);
        PlayList *list = openRead(app.context, path);
        QVERIFY(list);
        const Pieces before = piecesOf(file, headLines);
        // Unchanged, the list saves as it was read, each line ended by CR LF.
        QByteArrayList lines = QByteArray(file).replace("\r\n", "\n").split('\n');
        lines.removeAll(QByteArray());
        QCOMPARE(M3UFile::format(list->model(), list->encoding), lines.join("\r\n") + "\r\n");
        QCOMPARE(list->model().count(), before.entries.size());

        PlayListModel &model = list->model();
        model.selectionModel()->select(model.index(1), QItemSelectionModel::Select);
        model.selectionModel()->setCurrentIndex(model.index(1), QItemSelectionModel::NoUpdate);
        PlayList *saved = list;
        switch (Step(step)) {
        case Step::Sort:
            list->edit(Edit::Sort);
            QCOMPARE(titlesOf(model).join(u'|'), sortedTitles);
            break;
        case Step::MoveDown:
            list->edit(Edit::MoveDown);
            break;
        case Step::RemoveSelected:
            list->edit(Edit::RemoveSelected);
            break;
        case Step::RemoveDuplicates:
            list->edit(Edit::RemoveDuplicates);
            break;
        case Step::ClearAndUndo:
            list->edit(Edit::Clear);
            QCOMPARE(piecesOf(M3UFile::format(model, list->encoding), headLines).head, before.head);
            list->undo();
            break;
        case Step::DragCopy: {
            // A copy dropped on another list carries the entries' own lines.
            std::unique_ptr<QMimeData> data(model.mimeData({model.index(2), model.index(0)}));
            saved = playListAt(app.context, newPlayList(app.context));
            QVERIFY(saved->drop(EntryMime::entries(data.get())));
            break;
        }
        }
        const Pieces after = piecesOf(M3UFile::format(saved->model(), saved->encoding), saved == list ? headLines : 0);
        QCOMPARE(after.entries.size(), saved->model().count());
        if (saved == list) {
            QCOMPARE(after.head, before.head);
            QCOMPARE(after.tail, before.tail);
        }
        // Every entry written is one of the list's, whole; what the step leaves, in its order.
        QList<QByteArrayList> left = before.entries;
        for (const QByteArrayList &entry : after.entries)
            QVERIFY2(left.removeOne(entry), entry.join('|').constData());
        const qsizetype removed = before.entries.size() - after.entries.size();
        QCOMPARE(removed, Step(step) == Step::RemoveSelected                       ? 1
                          : Step(step) == Step::DragCopy                           ? before.entries.size() - 2
                          : Step(step) == Step::RemoveDuplicates && headLines == 0 ? 1
                                                                                   : 0);
    }

    // Titles from Tags gives every readable file its tags' #EXTINF line, in place of the one it had; other lines
    // stay, as do the entries whose file is missing or no music; the list becomes extended; one step undoes it.
    void titlesFromTags()
    {
        TestApp app;
        setUpWindowTable(app.context);
        const QString folder = app.folders.root() + u"/lists"_s;
        writeFile(folder + u"/a.wav"_s, silentWav(2000));
        QVERIFY(tagFile(folder + u"/a.wav"_s, u"Ann"_s, u"Song"_s));
        writeFile(folder + u"/b.wav"_s, silentWav(1000));
        writeFile(folder + u"/c.mp3"_s, "no music");
        const QByteArray file = "/m/gone.mp3\r\n#EXTINF:9,Old\r\n#EXTGRP:g\r\na.wav\r\n" + folder.toUtf8() +
                                "/b.wav\r\n#EXTINF:7,Kept\r\nc.mp3\r\nhttp://radio/s.mp3\r\n";
        writeFile(folder + u"/mix.m3u"_s, file);
        PlayList *list = openRead(app.context, folder + u"/mix.m3u"_s);
        QVERIFY(list);
        list->titlesFromTags();
        QVERIFY(list->isReadingTags());
        QTRY_VERIFY(!list->isReadingTags());
        const QByteArray tagged = "#EXTM3U\r\n/m/gone.mp3\r\n#EXTINF:2,Ann - Song\r\n#EXTGRP:g\r\na.wav\r\n"
                                  "#EXTINF:1,b\r\n" +
                                  folder.toUtf8() + "/b.wav\r\n#EXTINF:7,Kept\r\nc.mp3\r\nhttp://radio/s.mp3\r\n";
        QCOMPARE(M3UFile::format(list->model(), list->encoding), tagged);
        QCOMPARE(titlesOf(list->model()).join(u'|'), u"gone|Ann - Song|b|Kept|s"_s);
        QVERIFY(list->isChanged());
        list->undo();
        QCOMPARE(M3UFile::format(list->model(), list->encoding), file);
        QVERIFY(!list->isChanged());
        list->redo();
        QCOMPARE(M3UFile::format(list->model(), list->encoding), tagged);
    }

    // Files dropped on an extended list come with their tags' #EXTINF lines, in the order they were dropped;
    // entries that bring lines of their own keep them; a plain list takes them as they are.
    void dropsOnExtendedListsAreTagged()
    {
        TestApp app;
        setUpWindowTable(app.context);
        const QString a = app.folders.root() + u"/m/a.wav"_s, b = app.folders.root() + u"/m/b.wav"_s;
        writeFile(a, silentWav(3000));
        QVERIFY(tagFile(a, QString(), u"Only a title"_s));
        writeFile(b, silentWav(1000));
        for (const bool extended : {true, false}) {
            PlayList &list = *playListAt(app.context, newPlayList(app.context));
            if (extended) {
                const M3UContent header = M3UFile::parse("#EXTM3U\n"_ba);
                list.model().setContent(header.texts, {}, header.head);
            }
            QVERIFY(list.drop(entriesOf({a})));
            QVERIFY(list.drop({{b, false, {u"#EXTINF:5,Mine"_s}}}));
            QVERIFY(list.drop(entriesOf({b})));
            QTRY_COMPARE(list.model().count(), 3);
            const QList<QList<QString>> own{list.model().entry(0).ownLines, list.model().entry(1).ownLines,
                                            list.model().entry(2).ownLines};
            using Lines = QList<QList<QString>>;
            const Lines tagged{{u"#EXTINF:3,Only a title"_s}, {u"#EXTINF:5,Mine"_s}, {u"#EXTINF:1,b"_s}};
            const Lines plain{{}, {u"#EXTINF:5,Mine"_s}, {}};
            QCOMPARE(own, extended ? tagged : plain);
        }
    }

    // Entries whose file moved are pointed at the file of the same name under the music folder whose folders
    // match best, keeping their own lines, as one step; an entry taken out meanwhile is left alone.
    void movedFilesAreFollowed()
    {
        TestApp app;
        setUpWindowTable(app.context);
        const QString root = app.folders.root();
        for (const char *file : {"/music/new/Ann/Live/01.mp3", "/music/new/Bo/Live/01.mp3", "/music/x/02.mp3",
                                 "/music/y/03.mp3", "/here.mp3"})
            writeFile(root + QString::fromUtf8(file), "x");
        const QString list = u"#EXTM3U\n#EXTINF:1,One\n#EXTGRP:g\n%1/old/Ann/Live/01.mp3\n%1/here.mp3\n/gone/02.mp3\n"
                             u"/gone/03.mp3\n"_s.arg(root);
        writeFile(root + u"/lists/a.m3u"_s, list.toUtf8());
        PlayList *opened = openRead(app.context, root + u"/lists/a.m3u"_s);
        QVERIFY(opened);
        QSignalSpy found(opened, &PlayList::movedFilesFound);
        opened->findMovedFiles({root + u"/music"_s, false});
        QVERIFY(found.wait());
        const auto moved = found.first().at(0).value<QList<MovedFile>>();
        QCOMPARE(found.first().at(2).toInt(), 3);
        QCOMPARE(moved.size(), 3);
        QCOMPARE(moved.first().newPath, root + u"/music/new/Ann/Live/01.mp3"_s);
        QCOMPARE(moved.first().others, QStringList{root + u"/music/new/Bo/Live/01.mp3"_s});
        // The last entry goes before the user says OK.
        opened->model().selectionModel()->setCurrentIndex(opened->model().index(3), QItemSelectionModel::NoUpdate);
        opened->edit(Edit::RemoveOne);
        const QByteArray before = M3UFile::format(opened->model(), opened->encoding);
        opened->pointAtMovedFiles(moved);
        const QByteArray after =
            u"#EXTM3U\r\n#EXTINF:1,One\r\n#EXTGRP:g\r\n%1/music/new/Ann/Live/01.mp3\r\n%1/here.mp3\r\n"
            u"%1/music/x/02.mp3\r\n"_s.arg(root)
                .toUtf8();
        QCOMPARE(M3UFile::format(opened->model(), opened->encoding), after);
        opened->undo();
        QCOMPARE(M3UFile::format(opened->model(), opened->encoding), before);
    }

    // A UTF-8 list (M3U8) writes every entry it was given in UTF-8; bytes it read as Windows-1252 stay as read.
    void utf8ListsWriteUtf8()
    {
        const M3UContent content = M3UFile::parse("#EXTINF:1,\xe9\r\n/m/\xe9.mp3\r\n"_ba);
        PlayListModel model;
        model.setContent(content.texts, content.refs, content.head, content.tail);
        model.appendEntries({{u"/m/é2.mp3"_s, true, {u"#EXTINF:2,É"_s}}});
        const QByteArray read = "#EXTINF:1,\xe9\r\n/m/\xe9.mp3\r\n"_ba;
        QCOMPARE(M3UFile::format(model, ListEncoding::EightBit, true), read + "#EXTINF:2,\xc3\x89\r\n/m/\xc3\xa9"
                                                                              "2.mp3\r\n");
        QCOMPARE(M3UFile::format(model, ListEncoding::EightBit, false), read + "#EXTINF:2,\xc9\r\n/m/\xe9"
                                                                               "2.mp3\r\n");
        QVERIFY(M3UFile::isUtf8ListName(u"/m/Mix.M3U8"_s));
        QVERIFY(!M3UFile::isUtf8ListName(u"/m/Mix.m3u"_s));
    }
};

QTEST_GUILESS_MAIN(TestExtendedLists)
#include "tst_extendedlists.moc"
