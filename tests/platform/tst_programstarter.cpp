#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/ProcessProgramStarter.h"

using namespace Qt::StringLiterals;

class TestProgramStarter : public QObject
{
    Q_OBJECT

private slots:
    void startsWithoutShell_data();
    void startsWithoutShell();
    void unusablePrograms_data();
    void unusablePrograms();

private:
    QTemporaryDir m_dir;
};

void TestProgramStarter::startsWithoutShell_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no argument") << QStringList();
    QTest::newRow("path with blanks") << QStringList{u"/tmp/my play file.m3u"_s};
    QTest::newRow("shell characters stay text") << QStringList{u"$HOME; echo 'x' > y | z"_s};
}

void TestProgramStarter::startsWithoutShell()
{
    QFETCH(QStringList, arguments);
    // A player in a folder with a blank in its name, writing down every argument it receives.
    const QString folder = m_dir.path() + u"/my player"_s;
    QVERIFY(QDir().mkpath(folder));
    const QString output = m_dir.path() + u"/received.txt"_s;
    QFile::remove(output);
    const QString player = folder + u"/player.sh"_s;
    QFile script(player);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" + output.toUtf8() +
                 ".part\"\nmv \"" + output.toUtf8() + ".part\" \"" + output.toUtf8() + "\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    ProcessProgramStarter starter;
    const StartResult result = starter.start(player, arguments);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QTRY_VERIFY(QFile::exists(output));
    QFile received(output);
    QVERIFY(received.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(received.readAll());
    QCOMPARE(text, arguments.isEmpty() ? QString() : arguments.join(u'\n') + u'\n');
}

void TestProgramStarter::unusablePrograms_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("empty") << QString();
    QTest::newRow("missing") << m_dir.path() + u"/nothing-here"_s;
    QTest::newRow("folder") << m_dir.path();
    QTest::newRow("not executable") << m_dir.path() + u"/plain.txt"_s;
    QTest::newRow("unknown bare name") << u"no-such-player-anywhere"_s;
}

void TestProgramStarter::unusablePrograms()
{
    QFETCH(QString, program);
    QFile plain(m_dir.path() + u"/plain.txt"_s);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();

    ProcessProgramStarter starter;
    const StartResult result = starter.start(program, {u"x.m3u"_s});
    QVERIFY(!result.ok());
    QVERIFY(!result.error.isEmpty());
}

QTEST_GUILESS_MAIN(TestProgramStarter)
#include "tst_programstarter.moc"
