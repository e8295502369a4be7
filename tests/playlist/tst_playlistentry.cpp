#include <QTest>

#include "playlist/PlayListEntry.h"

using namespace Qt::StringLiterals;
using namespace PlayListEntry;

class TestPlayListEntry : public QObject
{
    Q_OBJECT

private slots:
    void titles_data();
    void titles();
    void entryTextAndPathBack_data();
    void entryTextAndPathBack();
};

void TestPlayListEntry::titles_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("title");
    QTest::newRow("windows path") << u"D:\\Music\\Live\\Track 01.mp3"_s << u"Track 01"_s;
    QTest::newRow("posix path") << u"/home/me/Music/Björk/Jóga.mp3"_s << u"Jóga"_s;
    QTest::newRow("no folder") << u"Track.mp3"_s << u"Track"_s;
    QTest::newRow("four-letter extension keeps the dot") << u"Song.mpeg"_s << u"Song."_s;
    QTest::newRow("extended header") << u"#EXTM3U"_s << u"#EX"_s;
    QTest::newRow("nothing after the last separator") << u"C:\\a\\b.mp"_s << QString();
    QTest::newRow("short line is its own title") << u"ab"_s << u"ab"_s;
    QTest::newRow("exactly four") << u"a.mp"_s << QString();
    QTest::newRow("blanks kept") << u"  D:\\x\\ song .mp3  "_s << u" song .m"_s;
}

void TestPlayListEntry::titles()
{
    QFETCH(QString, line);
    QFETCH(QString, title);
    QCOMPARE(titleOf(line), title);
}

void TestPlayListEntry::entryTextAndPathBack_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("pathBack");
    QTest::newRow("short") << u"A"_s << u"D:\\MP3\\A.mp3"_s << u"D:\\MP3\\A.mp3"_s;
    QTest::newRow("blanks around the path") << u"A"_s << u"  /m/A.mp3 "_s << u"/m/A.mp3"_s;
    QTest::newRow("398 characters") << u"x"_s << QString(394, u'p') + u".mp3"_s << QString(394, u'p') + u".mp3"_s;
    QTest::newRow("long path survives whole")
        << u"x"_s << u"/"_s + QString(1200, u'q') + u".mp3"_s << u"/"_s + QString(1200, u'q') + u".mp3"_s;
    QTest::newRow("title of 400") << QString(400, u't') << u"/m/t.mp3"_s << u"/m/t.mp3"_s;
    QTest::newRow("title of 450") << QString(450, u't') << u"/m/t.mp3"_s << u"/m/t.mp3"_s;
    QTest::newRow("bar in the path") << u"a"_s << u"/m/a|b.mp3"_s << u"/m/a|b.mp3"_s;
}

void TestPlayListEntry::entryTextAndPathBack()
{
    QFETCH(QString, title);
    QFETCH(QString, path);
    QFETCH(QString, pathBack);
    const QString text = MakeEntry(title, path);
    const qsizetype bar = std::max<qsizetype>(title.size(), kTitleWidth);
    QCOMPARE(text.size(), bar + 1 + path.size());
    QCOMPARE(text[bar], u'|');
    QCOMPARE(text.left(title.size()), title);
    QCOMPARE(EntryPath(text), pathBack);
}

QTEST_GUILESS_MAIN(TestPlayListEntry)
#include "tst_playlistentry.moc"
