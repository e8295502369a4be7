#include <QDir>
#include <QFile>
#include <QTest>

#include "app/HandOff.h"
#include "app/StartUp.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;

namespace {} // namespace

class TestHandOff : public QObject
{
    Q_OBJECT

private slots:
    void takeHandOff_data();
    void takeHandOff();
    void laterHandOffsStillArrive();
};

void TestHandOff::takeHandOff_data()
{
    QTest::addColumn<QByteArray>("handOff"); // null: no file; "$" stands for the folder of the lists
    QTest::addColumn<bool>("waiting");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<bool>("fileLeft");

    QTest::newRow("no file") << QByteArray() << false << QStringList() << false;
    QTest::newRow("empty file left alone") << ""_ba << false << QStringList() << true;
    QTest::newRow("empty first line") << "\r\n"_ba << true << QStringList() << false;
    QTest::newRow("one list") << "$/one.m3u\r\n"_ba << true << QStringList{u"one.m3u"_s} << false;
    QTest::newRow("missing list dropped") << "$/gone.m3u\r\n"_ba << true << QStringList() << false;
    QTest::newRow("quoted name dropped") << "\"$/one.m3u\"\r\n"_ba << true << QStringList() << false;
    QTest::newRow("two back to back, in order")
        << "$/two.m3u\r\n$/one.m3u\r\n"_ba << true << QStringList{u"two.m3u"_s, u"one.m3u"_s} << false;
    QTest::newRow("missing between two") << "$/one.m3u\n$/gone.m3u\n$/two.m3u"_ba << true
                                         << QStringList{u"one.m3u"_s, u"two.m3u"_s} << false;
}

void TestHandOff::takeHandOff()
{
    QFETCH(QByteArray, handOff);
    QFETCH(bool, waiting);
    QFETCH(QStringList, opened);
    QFETCH(bool, fileLeft);

    TestApp app;
    app.host.loadFrame();
    app.context.Settings.WinampPath = u"/opt/player/play"_s;
    const QString lists = app.folders.root() + u"/lists"_s;
    writeFile(lists + u"/one.m3u"_s, "/m/1.mp3\r\n");
    writeFile(lists + u"/two.m3u"_s, "/m/2.mp3\r\n");
    const QString handOffFile = app.folders.handOffFile();
    if (!handOff.isNull())
        writeFile(handOffFile, handOff.replace('$', lists.toUtf8()));

    QCOMPARE(HandOff::isWaiting(handOffFile), waiting);
    if (waiting)
        StartUp::TakeHandOff(app.context);

    QStringList captions;
    for (int slot = 2; slot <= app.context.PlayLists.size(); ++slot) {
        if (PlayList *list = PlayListCommands::playListAt(app.context, slot))
            captions.append(list->caption());
    }
    opened.replaceInStrings(QRegularExpression(u"^"_s), lists + u'/');
    QCOMPARE(captions, opened);
    // Each list opened is played whole: the player gets the play file once per list.
    QCOMPARE(app.starter.calls.size(), opened.size());
    QVERIFY(app.boxes.shown.isEmpty());
    QCOMPARE(QFile::exists(handOffFile), fileLeft);
}

void TestHandOff::laterHandOffsStillArrive()
{
    TestApp app;
    app.host.loadFrame();
    const QString list = app.folders.root() + u"/one.m3u"_s;
    writeFile(list, "/m/1.mp3\r\n");
    QVERIFY(HandOff::append(app.folders.handOffFile(), app.folders.root() + u"/gone.m3u"_s).isEmpty());
    StartUp::TakeHandOff(app.context);
    QVERIFY(HandOff::append(app.folders.handOffFile(), list).isEmpty());
    QVERIFY(HandOff::isWaiting(app.folders.handOffFile()));
    StartUp::TakeHandOff(app.context);
    QCOMPARE(PlayListCommands::playListAt(app.context, app.context.LoadingSlot)->caption(), list);
    QCOMPARE(readFile(app.folders.playFile()), "/m/1.mp3\r\n"_ba);
}

QTEST_GUILESS_MAIN(TestHandOff)
#include "tst_handoff.moc"
