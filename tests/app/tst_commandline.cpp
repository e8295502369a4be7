#include <QTest>

#include "app/CommandLine.h"

using namespace Qt::StringLiterals;

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void fromArguments_data();
    void fromArguments();
    void isPlayListName_data();
    void isPlayListName();
};

void TestCommandLine::fromArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("commandLine");

    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("absolute") << QStringList{u"/music/a.m3u"_s} << u"/music/a.m3u"_s;
    QTest::newRow("relative") << QStringList{u"lists/a.m3u"_s} << u"/home/me/lists/a.m3u"_s;
    QTest::newRow("relative with dots") << QStringList{u"../a.m3u"_s} << u"/home/a.m3u"_s;
    QTest::newRow("quoted") << QStringList{u"\"/music/my list.m3u\""_s} << u"/music/my list.m3u"_s;
    QTest::newRow("quoted relative") << QStringList{u"\"my list.m3u\""_s} << u"/home/me/my list.m3u"_s;
    QTest::newRow("unquoted blanks split by the shell")
        << QStringList{u"/music/my"_s, u"list.m3u"_s} << u"/music/my list.m3u"_s;
    QTest::newRow("a lone quote stays") << QStringList{u"\""_s} << u"/home/me/\""_s;
    QTest::newRow("drive path kept") << QStringList{u"D:\\Lists\\a.m3u"_s} << u"D:\\Lists\\a.m3u"_s;
    QTest::newRow("url kept") << QStringList{u"http://radio/a.m3u"_s} << u"http://radio/a.m3u"_s;
    QTest::newRow("name starting with a colon") << QStringList{u":odd.m3u"_s} << u"/home/me/:odd.m3u"_s;
}

void TestCommandLine::fromArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, commandLine);
    QCOMPARE(CommandLine::fromArguments(arguments, u"/home/me"_s), commandLine);
}

void TestCommandLine::isPlayListName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("playList");
    QTest::newRow("m3u") << u"/a/list.m3u"_s << true;
    QTest::newRow("capital M3U") << u"/a/LIST.M3U"_s << true;
    QTest::newRow("m3u8") << u"/a/list.m3u8"_s << true;
    QTest::newRow("mp3") << u"/a/song.mp3"_s << false;
    QTest::newRow("trailing quote") << u"/a/list.m3u\""_s << false;
    QTest::newRow("empty") << QString() << false;
}

void TestCommandLine::isPlayListName()
{
    QFETCH(QString, name);
    QFETCH(bool, playList);
    QCOMPARE(CommandLine::isPlayListName(name), playList);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
