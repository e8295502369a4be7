#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "platform/StandardFolders.h"
#include "platform/StorageDrives.h"
#include "platform/SystemRegistry.h"

using namespace Qt::StringLiterals;

class TestPlatformServices : public QObject
{
    Q_OBJECT

private slots:
    void foldersFollowTheUsersConfiguration();
    void playFileIsPrivateToTheUser();
    void drivesOfferTheRoot();
    void registryFindsNothingWithoutOne();
};

void TestPlatformServices::foldersFollowTheUsersConfiguration()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const StandardFolders folders;
    QCOMPARE(folders.programFolder(), config.path() + u"/tunary"_s);
    QCOMPARE(folders.settingsFile(), config.path() + u"/tunary/TUNARY.INI"_s);
    QCOMPARE(folders.handOffFile(), config.path() + u"/tunary/_tunary.$$$"_s);
    QVERIFY(!QDir(folders.programFolder()).exists());
    QVERIFY(folders.ensureProgramFolder());
    QVERIFY(QDir(folders.programFolder()).exists());
}

void TestPlatformServices::playFileIsPrivateToTheUser()
{
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const StandardFolders folders;
    QCOMPARE(folders.playFile(), runtime.path() + u"/$TMPM3U$$.m3u"_s);
}

void TestPlatformServices::drivesOfferTheRoot()
{
    QStringList drives = StorageDrives().drives();
    QVERIFY(!drives.isEmpty());
    QCOMPARE(drives.first(), QDir::rootPath());
    QCOMPARE(drives.removeDuplicates(), 0);
}

void TestPlatformServices::registryFindsNothingWithoutOne()
{
    QString value = u"untouched"_s;
    QVERIFY(!SystemRegistry().GetKeyValue(u"HKEY_LOCAL_MACHINE"_s, u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s,
                                          u"PATH"_s, value));
    QCOMPARE(value, u"untouched"_s);
}

QTEST_GUILESS_MAIN(TestPlatformServices)
#include "tst_platformservices.moc"
