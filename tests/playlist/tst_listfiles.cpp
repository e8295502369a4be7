#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;
using namespace PlayListCommands;

class TestListFiles : public QObject
{
    Q_OBJECT

private slots:
    void onlyRegularFilesAreOpened_data();
    void onlyRegularFilesAreOpened();

private:
    QTemporaryDir m_dir;
};

void TestListFiles::onlyRegularFilesAreOpened_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("opened");
    const QString dir = m_dir.path();
    writeFile(dir + u"/list.m3u"_s, "/m/a.mp3\r\n");
    QFile::link(dir + u"/list.m3u"_s, dir + u"/link.m3u"_s);
    QFile::link(u"/dev/zero"_s, dir + u"/zero.m3u"_s);
    mkfifo(QFile::encodeName(dir + u"/pipe.m3u"_s).constData(), 0600);
    QFile large(dir + u"/large.m3u"_s);
    QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(512LL * 1024 * 1024 + 1));
    QTest::newRow("link to a list") << dir + u"/link.m3u"_s << true;
    QTest::newRow("pipe") << dir + u"/pipe.m3u"_s << false;
    QTest::newRow("link to a device") << dir + u"/zero.m3u"_s << false;
    QTest::newRow("past 512 MB") << dir + u"/large.m3u"_s << false;
}

void TestListFiles::onlyRegularFilesAreOpened()
{
    QFETCH(QString, path);
    QFETCH(bool, opened);
    TestApp app;
    app.host.loadFrame();
    // Should opening wait on a pipe, a writer comes along after a while: a failed check rather than a hang.
    std::atomic_bool done = false;
    std::thread writer([&] {
        for (int i = 0; i < 200 && !done; ++i)
            QThread::msleep(10);
        if (!done)
            ::close(::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK));
    });
    const bool loaded = LoadPlayList(app.context, path);
    done = true;
    writer.join();
    QCOMPARE(loaded, opened);
    const bool large = QFileInfo(path).size() > 512LL * 1024 * 1024;
    QCOMPARE(app.boxes.shown.size(), large ? 1 : 0);
    if (large)
        QVERIFY(app.boxes.shown.first().text.contains(path) && app.boxes.shown.first().text.contains(u"512 MB"_s));
}

QTEST_MAIN(TestListFiles)
#include "tst_listfiles.moc"
