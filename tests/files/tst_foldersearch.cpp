#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "files/FolderSearch.h"
#include "files/PathListModel.h"

using namespace Qt::StringLiterals;

namespace {

// Makes the files (folders end in "/") under a root; returns the root.
void makeTree(const QString &root, const QStringList &paths)
{
    for (const QString &path : paths) {
        if (path.endsWith(u'/')) {
            QDir().mkpath(root + u'/' + path);
            continue;
        }
        QDir().mkpath(QFileInfo(root + u'/' + path).path());
        QFile file(root + u'/' + path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot make test tree");
    }
}

QStringList walk(const QString &root, const QString &pattern = u"*.MP3"_s)
{
    std::atomic<bool> stop{false};
    QStringList found;
    FolderWalk::search(
        root, pattern, stop, [&found](const PathBatch &batch) { found += batch.toList(); }, 2);
    return found;
}

} // namespace

class TestFolderSearch : public QObject
{
    Q_OBJECT

private slots:
    void order_data();
    void order();
    void rootDoesNotDoubleItsSeparator();
    void linkLoopIsNotFollowed();
    void unreadableFolderIsPassedOver();
    void stopKeepsWhatWasFound();
    void searchRunsBesideTheInterface();
    void batchJoinsLikeJoin_data();
    void batchJoinsLikeJoin();
    void resultsSpanSeveralBatches();
};

void TestFolderSearch::order_data()
{
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("subfolders last to first, own files after")
        << QStringList{u"A/a.mp3"_s, u"B/b.mp3"_s, u"m.mp3"_s} << QStringList{u"B/b.mp3"_s, u"A/a.mp3"_s, u"m.mp3"_s};
    QTest::newRow("deeper") << QStringList{u"A/x/1.mp3"_s,   u"A/y/2.mp3"_s, u"A/3.mp3"_s, u"b/4.MP3"_s,
                                           u"b/notes.txt"_s, u"5.Mp3"_s,     u"c/"_s}
                            << QStringList{u"b/4.MP3"_s, u"A/y/2.mp3"_s, u"A/x/1.mp3"_s, u"A/3.mp3"_s, u"5.Mp3"_s};
    QTest::newRow("names in order, letter case ignored")
        << QStringList{u"b.mp3"_s, u"A.mp3"_s, u"c.mp3"_s} << QStringList{u"A.mp3"_s, u"b.mp3"_s, u"c.mp3"_s};
    QTest::newRow("nothing matches") << QStringList{u"a.wav"_s, u"x/"_s} << QStringList{};
}

void TestFolderSearch::order()
{
    QFETCH(QStringList, tree);
    QFETCH(QStringList, found);
    QTemporaryDir dir;
    makeTree(dir.path(), tree);
    found.replaceInStrings(QRegularExpression(u"^"_s), dir.path() + u'/');
    QCOMPARE(walk(dir.path()), found);
}

void TestFolderSearch::rootDoesNotDoubleItsSeparator()
{
    QCOMPARE(FolderWalk::join(u"/"_s, u"a.mp3"_s), u"/a.mp3"_s);
    QCOMPARE(FolderWalk::join(u"C:\\"_s, u"a.mp3"_s), u"C:\\a.mp3"_s);
}

void TestFolderSearch::linkLoopIsNotFollowed()
{
    QTemporaryDir dir;
    makeTree(dir.path(), {u"A/a.mp3"_s});
    QVERIFY(QFile::link(dir.path(), dir.path() + u"/A/loop"_s));
    QVERIFY(QFile::link(dir.path() + u"/A/a.mp3"_s, dir.path() + u"/A/link.mp3"_s));
    QCOMPARE(walk(dir.path()), QStringList({dir.path() + u"/A/a.mp3"_s, dir.path() + u"/A/link.mp3"_s}));
}

void TestFolderSearch::unreadableFolderIsPassedOver()
{
    if (::geteuid() == 0)
        QSKIP("every folder can be read by root");
    QTemporaryDir dir;
    makeTree(dir.path(), {u"closed/a.mp3"_s, u"open/b.mp3"_s});
    QFile::setPermissions(dir.path() + u"/closed"_s, QFileDevice::Permissions());
    QCOMPARE(walk(dir.path()), QStringList{dir.path() + u"/open/b.mp3"_s});
    QFile::setPermissions(dir.path() + u"/closed"_s,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestFolderSearch::stopKeepsWhatWasFound()
{
    QTemporaryDir dir;
    makeTree(dir.path(), {u"A/1.mp3"_s, u"A/2.mp3"_s, u"B/3.mp3"_s, u"B/4.mp3"_s, u"5.mp3"_s});
    std::atomic<bool> stop{false};
    QStringList found;
    const bool stopped = FolderWalk::search(
        dir.path(), u"*.mp3"_s, stop,
        [&](const PathBatch &batch) {
            found += batch.toList();
            stop = true;
        },
        1);
    QVERIFY(stopped);
    QCOMPARE(found, QStringList({dir.path() + u"/B/3.mp3"_s, dir.path() + u"/B/4.mp3"_s}));
}

void TestFolderSearch::searchRunsBesideTheInterface()
{
    QTemporaryDir dir;
    makeTree(dir.path(), {u"A/a.mp3"_s, u"B/b.mp3"_s, u"m.mp3"_s, u"x.m3u"_s});
    FolderSearch search;
    QSignalSpy finished(&search, &FolderSearch::finished);
    QStringList found;
    connect(&search, &FolderSearch::found, this, [&found](const PathBatch &batch) { found += batch.toList(); });
    search.startMany({dir.path() + u"/x.m3u"_s, dir.path() + u"/m.mp3"_s, dir.path() + u"/A"_s}, u"*.mp3"_s);
    QVERIFY(finished.wait());
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(found, QStringList({dir.path() + u"/m.mp3"_s, dir.path() + u"/A/a.mp3"_s}));
}

void TestFolderSearch::batchJoinsLikeJoin_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::newRow("folder") << u"/music"_s << u"a.mp3"_s;
    QTest::newRow("root") << u"/"_s << u"a.mp3"_s;
    QTest::newRow("drive root") << u"C:\\"_s << u"a.mp3"_s;
    QTest::newRow("folder with a closing separator") << u"/music/"_s << u"a.mp3"_s;
    QTest::newRow("non-Latin names") << u"/músic/日本"_s << u"Ω.mp3"_s;
}

void TestFolderSearch::batchJoinsLikeJoin()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    PathBatch batch;
    batch.append(u"/first/x.mp3"_s);
    batch.append(folder, name);
    batch.append(folder, QString());
    batch.squeeze();
    QCOMPARE(batch.size(), 3);
    QCOMPARE(batch.at(0).toString(), u"/first/x.mp3"_s);
    QCOMPARE(batch.at(1).toString(), FolderWalk::join(folder, name));
    QCOMPARE(batch.last(), FolderWalk::join(folder, QString()));
    QCOMPARE(batch.toList(),
             QStringList({u"/first/x.mp3"_s, FolderWalk::join(folder, name), FolderWalk::join(folder, QString())}));
}

void TestFolderSearch::resultsSpanSeveralBatches()
{
    QCOMPARE(PathBatch().last(), QString());
    PathListModel model;
    model.appendPaths(PathBatch::fromList({u"/a/1.mp3"_s, u"/a/2.mp3"_s}));
    model.appendPaths(PathBatch());
    model.appendPaths(PathBatch::fromList({u"/b/3.mp3"_s}));
    model.appendPaths(PathBatch::fromList({u"/c/4.mp3"_s, u"/c/5.mp3"_s, u"/c/6.mp3"_s}));
    const QStringList all{u"/a/1.mp3"_s, u"/a/2.mp3"_s, u"/b/3.mp3"_s, u"/c/4.mp3"_s, u"/c/5.mp3"_s, u"/c/6.mp3"_s};
    QCOMPARE(model.rowCount(), 6);
    QCOMPARE(model.paths(), all);
    for (int row = 0; row < all.size(); ++row) {
        QCOMPARE(model.path(row), all[row]);
        QCOMPARE(model.data(model.index(row)).toString(), QDir::toNativeSeparators(all[row]));
    }
    QCOMPARE(model.path(-1), QString());
    QCOMPARE(model.path(6), QString());

    model.setPaths({u"/d/7.mp3"_s});
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.path(0), u"/d/7.mp3"_s);
    model.setPaths({});
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.paths(), QStringList());
}

QTEST_GUILESS_MAIN(TestFolderSearch)
#include "tst_foldersearch.moc"
