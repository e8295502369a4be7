#include <signal.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include "platform/LocalSingleInstance.h"

using namespace Qt::StringLiterals;

class TestLocalSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondCopySeesTheFirst();
    void laterCopyBringsTheRunningOneToTheFront();
    void lockLeftByACrashedCopyIsTakenOver();
    void separateProgramFoldersDoNotMeet();
};

void TestLocalSingleInstance::secondCopySeesTheFirst()
{
    QTemporaryDir dir;
    LocalSingleInstance first(dir.path());
    LocalSingleInstance second(dir.path());
    QVERIFY(first.tryBecomePrimary());
    QVERIFY(first.tryBecomePrimary());
    QVERIFY(!second.tryBecomePrimary());
}

void TestLocalSingleInstance::laterCopyBringsTheRunningOneToTheFront()
{
    QTemporaryDir dir;
    LocalSingleInstance running(dir.path());
    int activations = 0;
    running.setActivationHandler([&activations] { ++activations; });
    QVERIFY(running.tryBecomePrimary());

    LocalSingleInstance later(dir.path());
    QVERIFY(!later.tryBecomePrimary());
    later.activateRunningCopy();
    QTRY_COMPARE(activations, 1);
    later.activateRunningCopy();
    QTRY_COMPARE(activations, 2);
}

void TestLocalSingleInstance::lockLeftByACrashedCopyIsTakenOver()
{
    QTemporaryDir dir;
    // A process that has ended stands for a copy that crashed while holding the lock.
    qint64 deadPid = 0;
    QVERIFY(QProcess::startDetached(u"true"_s, {}, QString(), &deadPid));
    QTRY_VERIFY(::kill(pid_t(deadPid), 0) != 0);
    QFile lock(dir.path() + u"/tunary.lock"_s);
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + "\ntunary\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();

    LocalSingleInstance next(dir.path());
    QVERIFY(next.tryBecomePrimary());
}

void TestLocalSingleInstance::separateProgramFoldersDoNotMeet()
{
    QTemporaryDir one;
    QTemporaryDir two;
    LocalSingleInstance first(one.path());
    LocalSingleInstance second(two.path());
    QVERIFY(first.tryBecomePrimary());
    QVERIFY(second.tryBecomePrimary());
}

QTEST_GUILESS_MAIN(TestLocalSingleInstance)
#include "tst_localsingleinstance.moc"
