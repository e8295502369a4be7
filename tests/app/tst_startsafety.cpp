#include <QTest>

#include "app/CommandLine.h"

using namespace Qt::StringLiterals;

/** What a later start does with a lock it finds, and how names reach the running copy whole. */
class TestStartSafety : public QObject
{
    Q_OBJECT

private slots:
    void commandLineNamesFollowTheSystem();
};

void TestStartSafety::commandLineNamesFollowTheSystem()
{
    QCOMPARE(CommandLine::fromArguments({u"#party.m3u"_s}, u"/home/me"_s), u"/home/me/#party.m3u"_s);
    QCOMPARE(CommandLine::fromArguments({u"b:list.m3u"_s}, u"/home/me"_s), u"/home/me/b:list.m3u"_s);
}

QTEST_GUILESS_MAIN(TestStartSafety)
#include "tst_startsafety.moc"
