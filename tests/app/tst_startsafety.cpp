#include <QTest>

#include "app/CommandLine.h"
#include "app/HandOff.h"
#include "support/TestDoubles.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;

/** What a later start does with a lock it finds, and how names reach the running copy whole. */
class TestStartSafety : public QObject
{
    Q_OBJECT

private slots:
    void commandLineNamesFollowTheSystem();
    void handOffCarriesNamesWhole();
};

void TestStartSafety::commandLineNamesFollowTheSystem()
{
    QCOMPARE(CommandLine::fromArguments({u"#party.m3u"_s}, u"/home/me"_s), u"/home/me/#party.m3u"_s);
    QCOMPARE(CommandLine::fromArguments({u"b:list.m3u"_s}, u"/home/me"_s), u"/home/me/b:list.m3u"_s);
}

void TestStartSafety::handOffCarriesNamesWhole()
{
    TempFolders folders;
    folders.ensureProgramFolder();
    writeFile(folders.handOffFile(), "/a/one.m3u\r\n"_ba); // an older copy's, one name a line
    const QStringList names{u"x\n/abs/evil.m3u"_s, u"/a/100%25\r%0A.m3u"_s};
    for (const QString &name : names)
        QVERIFY(HandOff::append(folders.handOffFile(), name).isEmpty());
    QCOMPARE(HandOff::take(folders.handOffFile()), QStringList{u"/a/one.m3u"_s} + names);
}

QTEST_GUILESS_MAIN(TestStartSafety)
#include "tst_startsafety.moc"
