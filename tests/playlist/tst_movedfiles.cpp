// SPDX-License-Identifier: MIT

#include <fcntl.h>
#include <unistd.h>

#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "playlist/MovedFiles.h"
#include "playlist/ui/MovedFilesDialog.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;

namespace {

// A tree of empty files, named relative to its root.
struct Tree
{
    QTemporaryDir dir;
    explicit Tree(const QStringList &files)
    {
        for (const QString &file : files)
            writeFile(path(file));
    }
    QString path(const QString &file) const { return dir.path() + u'/' + file; }
    EightBitText::Path root() const { return {dir.path(), false}; }
};

// A result as one line, so a failure shows what was found.
QStringList described(const QList<MovedFile> &results, const QString &root)
{
    QStringList lines;
    for (const MovedFile &file : results) {
        lines.append(u"%1 %2 -> %3 | %4"_s.arg(file.ref)
                         .arg(file.oldPath, file.newPath, file.others.join(u", "_s))
                         .replace(root + u'/', QString()));
    }
    return lines;
}

} // namespace

class TestMovedFiles : public QObject
{
    Q_OBJECT

private slots:
    void bestCandidateComesFirst_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("oldPath");
        QTest::addColumn<QStringList>("expected"); // best first

        const QStringList albums{u"Artist/Album/01.mp3"_s, u"Other/Album/01.mp3"_s, u"Compilations/01.mp3"_s};
        QTest::newRow("folders shared from the end")
            << QStringList{albums[2], albums[1], albums[0]} << u"/music/Artist/Album/01.mp3"_s << albums;
        QTest::newRow("backslashes end folders")
            << QStringList{albums[2], albums[1], albums[0]} << u"C:\\Music\\Artist\\Album\\01.mp3"_s << albums;
        QTest::newRow("folder names in any letter case") << albums << u"/music/ARTIST/album/01.mp3"_s << albums;
        QTest::newRow("folders shared from the end before those shared anywhere")
            << QStringList{u"Pop/Live/Artist/Extra/01.mp3"_s, u"New/Artist/Live/01.mp3"_s}
            << u"/old/Pop/Artist/Live/01.mp3"_s
            << QStringList{u"New/Artist/Live/01.mp3"_s, u"Pop/Live/Artist/Extra/01.mp3"_s};
        QTest::newRow("a folder shared anywhere beats a shorter path")
            << QStringList{u"Z/x.mp3"_s, u"Artist/Live/x.mp3"_s} << u"/old/Artist/Studio/x.mp3"_s
            << QStringList{u"Artist/Live/x.mp3"_s, u"Z/x.mp3"_s};
        QTest::newRow("the name in its own letter case beats a shorter path")
            << QStringList{u"C/song.mp3"_s, u"BB/Song.mp3"_s} << u"/old/A/Song.mp3"_s
            << QStringList{u"BB/Song.mp3"_s, u"C/song.mp3"_s};
        QTest::newRow("then the shorter path") << QStringList{u"A/x.mp3"_s, u"Zzz/x.mp3"_s} << u"/old/x.mp3"_s
                                               << QStringList{u"A/x.mp3"_s, u"Zzz/x.mp3"_s};
        QTest::newRow("a name in another letter case")
            << QStringList{u"Sub/song.mp3"_s} << u"/old/Sub/SONG.MP3"_s << QStringList{u"Sub/song.mp3"_s};
        QTest::newRow("a name in another letter case beyond ASCII")
            << QStringList{u"b/ÉTÉ.mp3"_s} << u"/old/été.mp3"_s << QStringList{u"b/ÉTÉ.mp3"_s};
        QTest::newRow("a name without an extension")
            << QStringList{u"a/README"_s, u"b/x.mp3"_s} << u"/old/readme"_s << QStringList{u"a/README"_s};
    }

    void bestCandidateComesFirst()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, oldPath);
        QFETCH(QStringList, expected);
        const Tree tree(files);
        MovedFileProgress progress;
        const QList<MovedFile> results = MovedFiles::find({{7, oldPath}}, tree.root(), progress);
        QCOMPARE(results.size(), 1);
        QCOMPARE(results[0].ref, 7U);
        QCOMPARE(results[0].oldPath, oldPath);
        QCOMPARE(results[0].newPath, tree.path(expected.takeFirst()));
        QStringList others;
        for (const QString &file : std::as_const(expected))
            others.append(tree.path(file));
        QCOMPARE(results[0].others, others);
        QVERIFY(!results[0].newPathWindows1252);
    }

    void oneWalkServesEveryEntry()
    {
        const Tree tree({u"Rock/A/01.mp3"_s, u"Jazz/B/01.mp3"_s, u"Jazz/B/cover.jpg"_s, u"Jazz/solo.mp3"_s,
                         u"Live/solo.mp3"_s, u"Jazz/B/02.mp3"_s});
        const QList<MissingEntry> missing{{1, u"/old/Jazz/B/01.mp3"_s},
                                          {2, u"/old/gone.mp3"_s},
                                          {3, u"/old/Live/solo.mp3"_s},
                                          {4, u"/old/Rock/A/01.mp3"_s}};
        MovedFileProgress progress;
        const QList<MovedFile> results = MovedFiles::find(missing, tree.root(), progress);
        const QStringList expected{u"1 /old/Jazz/B/01.mp3 -> Jazz/B/01.mp3 | Rock/A/01.mp3"_s,
                                   u"3 /old/Live/solo.mp3 -> Live/solo.mp3 | Jazz/solo.mp3"_s,
                                   u"4 /old/Rock/A/01.mp3 -> Rock/A/01.mp3 | Jazz/B/01.mp3"_s};
        QCOMPARE(described(results, tree.dir.path()), expected);
        // The cover and the other song are passed over by their extension or name; each file counts once.
        QCOMPARE(progress.files.load(), qint64(5));
        QCOMPARE(progress.found.load(), qint64(4));
        QCOMPARE(progress.folders.load(), qint64(4));
    }

    void aCommonNameNamesOnlyTheBestOthers()
    {
        QStringList files{u"Artist/Album/01.mp3"_s};
        for (int folder = 0; folder <= MovedFiles::kMostOthers; ++folder)
            files.append(u"Other %1/01.mp3"_s.arg(folder));
        const Tree tree(files);
        MovedFileProgress progress;
        const QList<MovedFile> results = MovedFiles::find({{1, u"/old/Artist/Album/01.mp3"_s}}, tree.root(), progress);
        QCOMPARE(results.size(), 1);
        QCOMPARE(results[0].newPath, tree.path(files[0]));
        QCOMPARE(results[0].others.size(), MovedFiles::kMostOthers);
    }

    void nameThatIsNotUtf8IsFoundByItsBytes()
    {
        const Tree tree(QStringList{});
        const QByteArray name = tree.dir.path().toUtf8() + "/D\xe9j\xe0.mp3";
        QVERIFY(::close(::open(name.constData(), O_CREAT | O_WRONLY, 0644)) == 0);
        const auto removed = qScopeGuard([&name] { ::remove(name.constData()); }); // Qt cannot name it
        MovedFileProgress progress;
        const QList<MovedFile> results =
            MovedFiles::find({{1, EightBitText::decode("/old/D\xe9j\xe0.mp3")}}, tree.root(), progress);
        QCOMPARE(results.size(), 1);
        QVERIFY(results[0].newPathWindows1252);
        QCOMPARE((EightBitText::Path{results[0].newPath, true}.bytes()), name);
    }

    void stoppedSearchEndsAtOnce()
    {
        const Tree tree({u"a/x.mp3"_s});
        MovedFileProgress progress;
        progress.stop = true;
        QVERIFY(MovedFiles::find({{1, u"/old/x.mp3"_s}}, tree.root(), progress).isEmpty());
        QCOMPARE(progress.files.load(), qint64(0));
    }

    void dialogHandsOnTheCheckedFiles()
    {
        const QPointer dialog = new MovedFilesDialog(nullptr);
        QSignalSpy chosen(dialog.get(), &MovedFilesDialog::chosen);
        auto progress = std::make_shared<MovedFileProgress>();
        dialog->showSearching(progress);
        dialog->findChild<QPushButton *>(u"cmdStop"_s)->click();
        QVERIFY(progress->stop);

        const QList<MovedFile> results{{1, u"/a/x.mp3"_s, u"/b/x.mp3"_s, false, {u"/c/x.mp3"_s, u"/d/x.mp3"_s}},
                                       {2, u"/a/y.mp3"_s, u"/b/y.mp3"_s, false, {}}};
        dialog->showResults(results, true, 3);
        auto *list = dialog->findChild<QTreeWidget *>(u"lstMoved"_s);
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(2), u"/c/x.mp3; /d/x.mp3"_s);
        list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        dialog->findChild<QPushButton *>(u"cmdOK"_s)->click();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen[0][0].value<QList<MovedFile>>(), results.mid(1));
        QVERIFY(dialog->result() == QDialog::Accepted);
        delete dialog.get();
    }
};

QTEST_MAIN(TestMovedFiles)
#include "tst_movedfiles.moc"
