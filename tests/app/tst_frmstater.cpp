#include <QFile>
#include <QTest>

#include "app/HandOff.h"
#include "app/frmstater.h"
#include "support/TestDoubles.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestFrmstater : public QObject
{
    Q_OBJECT

private slots:
    void firstCopyRemovesLeftoverHandOff();
    void secondCopyHandsOff_data();
    void secondCopyHandsOff();
    void secondCopyWithoutListJustEnds();
    void pendingHandOffIsKept_data();
    void pendingHandOffIsKept();
};

void TestFrmstater::firstCopyRemovesLeftoverHandOff()
{
    TempFolders folders;
    InstanceHub hub;
    InProcessSingleInstance instance(hub);
    folders.ensureProgramFolder();
    writeAll(folders.handOffFile(), "/music/old.m3u\r\n");

    frmstater loader(folders, instance);
    QCOMPARE(loader.Form_Load(u"/music/new.m3u"_s), frmstater::Outcome::ShowSplash);
    QVERIFY(!QFile::exists(folders.handOffFile()));
    QCOMPARE(hub.activations, 0);
}

void TestFrmstater::secondCopyHandsOff_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QByteArray>("handOff");
    QTest::newRow("plain") << u"/music/evening.m3u"_s << "/music/evening.m3u\r\n"_ba;
    QTest::newRow("blanks") << u"/music/my lists/late night.m3u"_s << "/music/my lists/late night.m3u\r\n"_ba;
    QTest::newRow("accents") << u"/music/Café.m3u"_s << "/music/Caf\xc3\xa9.m3u\r\n"_ba;
    QTest::newRow("not a list") << u"/music/song.mp3"_s << "/music/song.mp3\r\n"_ba;
}

void TestFrmstater::secondCopyHandsOff()
{
    QFETCH(QString, commandLine);
    QFETCH(QByteArray, handOff);
    TempFolders folders;
    InstanceHub hub;
    InProcessSingleInstance first(hub);
    InProcessSingleInstance second(hub);
    frmstater(folders, first).Form_Load(QString());

    frmstater loader(folders, second);
    QCOMPARE(loader.Form_Load(commandLine), frmstater::Outcome::End);
    QCOMPARE(readAll(folders.handOffFile()), handOff);
    QCOMPARE(hub.activations, 1);
}

void TestFrmstater::secondCopyWithoutListJustEnds()
{
    TempFolders folders;
    InstanceHub hub;
    InProcessSingleInstance first(hub);
    InProcessSingleInstance second(hub);
    frmstater(folders, first).Form_Load(QString());

    QCOMPARE(frmstater(folders, second).Form_Load(QString()), frmstater::Outcome::End);
    QVERIFY(!QFile::exists(folders.handOffFile()));
    QCOMPARE(hub.activations, 0);
}

void TestFrmstater::pendingHandOffIsKept_data()
{
    QTest::addColumn<QByteArray>("pending");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("ended line") << "/a/one.m3u\r\n"_ba
                                << "/a/one.m3u\r\n/a/two.m3u\r\n"_ba;
    QTest::newRow("line without end") << "/a/one.m3u"_ba
                                      << "/a/one.m3u\r\n/a/two.m3u\r\n"_ba;
    QTest::newRow("empty file") << ""_ba
                                << "/a/two.m3u\r\n"_ba;
}

void TestFrmstater::pendingHandOffIsKept()
{
    QFETCH(QByteArray, pending);
    QFETCH(QByteArray, after);
    TempFolders folders;
    InstanceHub hub;
    InProcessSingleInstance first(hub);
    InProcessSingleInstance second(hub);
    frmstater(folders, first).Form_Load(QString());
    writeAll(folders.handOffFile(), pending);

    // A second copy never deletes what another second copy left for the running one.
    frmstater(folders, second).Form_Load(u"/a/two.m3u"_s);
    QCOMPARE(readAll(folders.handOffFile()), after);
    QVERIFY(HandOff::append(folders.handOffFile(), u"/a/three.m3u"_s).isEmpty());
    QCOMPARE(readAll(folders.handOffFile()), after + "/a/three.m3u\r\n");
}

QTEST_GUILESS_MAIN(TestFrmstater)
#include "tst_frmstater.moc"
