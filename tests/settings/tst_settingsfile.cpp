#include <csignal>
#include <sys/resource.h>

#include <QFile>
#include <QTest>

#include "settings/FrameColour.h"
#include "settings/SettingsFile.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;

namespace {

const QByteArray kExampleFile = "C:\\Program Files\\Winamp\\winamp.exe\r\n"
                                "C:\\MP3\\\r\n"
                                "C:\\MP3\\Lists\\\r\n"
                                "16744576\r\n"
                                " 128 \r\n"
                                " 128 \r\n"
                                " 255 \r\n"
                                "Courier New\r\n"
                                "False\r\n"
                                "True\r\n"
                                "C:\\MP3\\Lists\\evening.m3u\r\n"_ba;

SettingsValues exampleValues()
{
    SettingsValues values;
    values.WinampPath = u"C:\\Program Files\\Winamp\\winamp.exe"_s;
    values.Mp3Path = u"C:\\MP3\\"_s;
    values.M3UPath = u"C:\\MP3\\Lists\\"_s;
    values.BackColour = u"16744576"_s;
    values.ColourRed = 128;
    values.ColourGreen = 128;
    values.ColourBlue = 255;
    values.ListFont = u"Courier New"_s;
    values.AlwaysSort = false;
    values.OpenAndPlay = true;
    values.OpenAndPlayFile = u"C:\\MP3\\Lists\\evening.m3u"_s;
    return values;
}

QByteArray withLineEnds(const QByteArray &crlfText, const QByteArray &end)
{
    QByteArray text = crlfText;
    return text.replace("\r\n", end);
}

int errorBoxes(const TestApp &app, int number)
{
    int count = 0;
    for (const MessageBoxRequest &box : app.boxes.shown)
        count += box.title == u"Error Number: "_s + QString::number(number);
    return count;
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void savedFileIsExact();
    void integersKeepTheirBlanks_data();
    void integersKeepTheirBlanks();
    void roundTrip();
    void lineEnds_data();
    void lineEnds();
    void linesAfterTheEleventhAreIgnored();
    void missingLinesKeepPreviousValues();
    void missingSettings_data();
    void missingSettings();
    void failedSaveIsReportedAndKeepsTheOldFile();
    void failedSaveWithoutOldFileGivesErrorOneOnReload();
    void openAndPlayCheck_data();
    void openAndPlayCheck();
    void backColour_data();
    void backColour();
    void colourValues_data();
    void colourValues();
    void startUpStepsOnlyAtStartUp();
};

void TestSettingsFile::savedFileIsExact()
{
    TestApp app;
    SaveSettings(app.context, exampleValues());
    QCOMPARE(app.readProgramFile(u"TUNARY.INI"_s), kExampleFile);
    QVERIFY(app.boxes.shown.isEmpty());
}

void TestSettingsFile::integersKeepTheirBlanks_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("zero") << 0 << " 0 "_ba;
    QTest::newRow("255") << 255 << " 255 "_ba;
    QTest::newRow("negative") << -5 << "-5 "_ba;
    QTest::newRow("largest") << 32767 << " 32767 "_ba;
    QTest::newRow("smallest") << -32768 << "-32768 "_ba;
}

void TestSettingsFile::integersKeepTheirBlanks()
{
    QFETCH(int, value);
    QFETCH(QByteArray, line);
    SettingsValues values;
    values.ColourGreen = qint16(value);
    const QList<QByteArray> lines = formatSettings(values).split('\n');
    QCOMPARE(lines.at(5), line + '\r');
}

void TestSettingsFile::roundTrip()
{
    TestApp app;
    SettingsValues values = exampleValues();
    values.WinampPath = u"/opt/players/my player/winamp"_s;
    values.ListFont = u"DejaVu Sans Mono"_s;
    values.OpenAndPlayFile = u"/home/me/Müsik/Café del Mar.m3u"_s;
    SaveSettings(app.context, values);
    LoadSettings(app.context, u"no"_s);

    const SettingsRecord &read = app.context.Settings;
    QCOMPARE(read.WinampPath, values.WinampPath);
    QCOMPARE(read.Mp3Path, values.Mp3Path);
    QCOMPARE(read.M3UPath, values.M3UPath);
    QCOMPARE(read.BackColour, u"16744576"_s);
    QCOMPARE(read.ColourRed, u" 128 "_s);
    QCOMPARE(read.ColourGreen, u" 128 "_s);
    QCOMPARE(read.ColourBlue, u" 255 "_s);
    QCOMPARE(read.ListFont, values.ListFont);
    QCOMPARE(read.AlwaysSort, u"False"_s);
    QCOMPARE(read.OpenAndPlay, u"True"_s);
    QCOMPARE(read.OpenAndPlayFile, values.OpenAndPlayFile);
}

void TestSettingsFile::lineEnds_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("CR LF") << kExampleFile;
    QTest::newRow("CR") << withLineEnds(kExampleFile, "\r");
    QTest::newRow("LF") << withLineEnds(kExampleFile, "\n");
    QTest::newRow("last line without end") << kExampleFile.chopped(2);
    QByteArray mixed = kExampleFile;
    mixed.replace("16744576\r\n", "16744576\n").replace("True\r\n", "True\r");
    QTest::newRow("mixed") << mixed;
    QTest::newRow("CR LF split over a read") << QByteArray(64 * 1024 - 1, 'w') + kExampleFile.mid(34);
}

void TestSettingsFile::lineEnds()
{
    QFETCH(QByteArray, file);
    TestApp app;
    app.writeProgramFile(u"TUNARY.INI"_s, file);
    SettingsRecord record;
    const SettingsRead read = readSettingsFile(app.folders.settingsFile(), record);
    QCOMPARE(read.linesRead, 11);
    QVERIFY(read.fault.isEmpty());
    QCOMPARE(record.Mp3Path, u"C:\\MP3\\"_s);
    QCOMPARE(record.BackColour, u"16744576"_s);
    QCOMPARE(record.ColourBlue, u" 255 "_s);
    QCOMPARE(record.OpenAndPlay, u"True"_s);
    QCOMPARE(record.OpenAndPlayFile, u"C:\\MP3\\Lists\\evening.m3u"_s);
}

void TestSettingsFile::linesAfterTheEleventhAreIgnored()
{
    TestApp app;
    app.writeProgramFile(u"TUNARY.INI"_s, kExampleFile + "extra\r\nmore\r\n"_ba);
    SettingsRecord record;
    QCOMPARE(readSettingsFile(app.folders.settingsFile(), record).linesRead, 11);
    QCOMPARE(record.OpenAndPlayFile, u"C:\\MP3\\Lists\\evening.m3u"_s);
}

void TestSettingsFile::missingLinesKeepPreviousValues()
{
    TestApp app;
    app.context.Settings.ListFont = u"Earlier Font"_s;
    app.context.Settings.BackColour = u"255"_s;
    app.writeProgramFile(u"TUNARY.INI"_s, "/usr/bin/player\r\n/music\r\n"_ba);
    LoadSettings(app.context, u"no"_s);
    QCOMPARE(app.context.Settings.WinampPath, u"/usr/bin/player"_s);
    QCOMPARE(app.context.Settings.ListFont, u"Earlier Font"_s);
    QCOMPARE(app.context.Settings.BackColour, u"255"_s);
    QCOMPARE(errorBoxes(app, 1), 0);
}

void TestSettingsFile::missingSettings_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("faultQuoted"); // the box ends with a description of what went wrong
    QByteArray emptyFourth = kExampleFile;
    emptyFourth.replace("16744576", "").replace("\r\nTrue\r\n", "\r\nFalse\r\n");
    QTest::newRow("no file") << false << QByteArray() << true;
    QTest::newRow("empty file") << true << QByteArray() << true;
    QTest::newRow("three lines") << true << "a\r\nb\r\nc\r\n"_ba << true;
    QTest::newRow("empty fourth line") << true << emptyFourth << false;
}

void TestSettingsFile::missingSettings()
{
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, file);
    QFETCH(bool, faultQuoted);
    TestApp app;
    if (fileExists)
        app.writeProgramFile(u"TUNARY.INI"_s, file);
    LoadSettings(app.context, u"yes"_s);

    QCOMPARE(errorBoxes(app, 1), 1);
    // The settings dialog opens behind the box, and the frame still loads, keeping its white background.
    QCOMPARE(app.journal.mid(0, 3), QStringList({u"OpenSettings"_s, u"box Error Number: 1"_s, u"loadFrame"_s}));
    QVERIFY(app.host.colours.isEmpty());
    QCOMPARE(!app.boxes.shown.first().text.endsWith(u"Error rised: "_s), faultQuoted);
}

void TestSettingsFile::failedSaveIsReportedAndKeepsTheOldFile()
{
    TestApp app;
    app.writeProgramFile(u"TUNARY.INI"_s, kExampleFile);
    SettingsValues values = exampleValues();
    values.WinampPath = QString(4096, u'x');
    {
        FullDisk disk(1024);
        SaveSettings(app.context, values);
    }
    QCOMPARE(errorBoxes(app, 6), 1);
    QVERIFY(app.boxes.shown.first().text.startsWith(
        u"The disk is write protected. The Setting were not saved.\r\rError rised: "_s));
    QVERIFY(!app.boxes.shown.first().text.endsWith(u"Error rised: "_s));
    QCOMPARE(app.readProgramFile(u"TUNARY.INI"_s), kExampleFile);
}

void TestSettingsFile::failedSaveWithoutOldFileGivesErrorOneOnReload()
{
    TestApp app;
    // The program folder's name is taken by a file, so nothing can be written into it.
    const QString blocked = app.folders.root() + u"/blocked"_s;
    QFile blocker(blocked);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    app.folders.setProgramFolder(blocked);

    SaveSettings(app.context, exampleValues());
    LoadSettings(app.context, u"no"_s);
    QCOMPARE(errorBoxes(app, 6), 1);
    QCOMPARE(errorBoxes(app, 1), 1);
}

void TestSettingsFile::openAndPlayCheck_data()
{
    QTest::addColumn<QString>("openAndPlay");
    QTest::addColumn<QString>("listFile");
    QTest::addColumn<QByteArray>("listContent"); // a null array: the file does not exist
    QTest::addColumn<bool>("errorEight");

    QTest::newRow("missing list") << u"True"_s << u"evening.m3u"_s << QByteArray() << true;
    QTest::newRow("empty list") << u"True"_s << u"evening.m3u"_s << ""_ba << true;
    QTest::newRow("list with songs") << u"True"_s << u"evening.m3u"_s << "a.mp3\r\n"_ba << false;
    QTest::newRow("placeholder") << u"True"_s << u"(Enter M3U here)"_s << QByteArray() << false;
    QTest::newRow("nothing named") << u"True"_s << QString() << QByteArray() << true;
    QTest::newRow("switched off") << u"False"_s << u"evening.m3u"_s << QByteArray() << false;
    QTest::newRow("empty setting") << QString() << u"evening.m3u"_s << QByteArray() << false;
    QTest::newRow("only exactly True counts") << u"true"_s << u"evening.m3u"_s << QByteArray() << false;
}

void TestSettingsFile::openAndPlayCheck()
{
    QFETCH(QString, openAndPlay);
    QFETCH(QString, listFile);
    QFETCH(QByteArray, listContent);
    QFETCH(bool, errorEight);

    TestApp app;
    QString named = listFile;
    if (listFile == u"evening.m3u"_s) {
        named = app.folders.root() + u"/evening.m3u"_s;
        if (!listContent.isNull()) {
            QFile list(named);
            QVERIFY(list.open(QIODevice::WriteOnly));
            list.write(listContent);
        }
    }
    SettingsValues values = exampleValues();
    values.OpenAndPlayFile = named;
    const QByteArray openAndPlayLine = "\r\n" + openAndPlay.toUtf8() + "\r\n";
    app.writeProgramFile(u"TUNARY.INI"_s, formatSettings(values).replace("\r\nTrue\r\n", openAndPlayLine));
    LoadSettings(app.context, u"no"_s);

    QCOMPARE(errorBoxes(app, 8), errorEight ? 1 : 0);
    QCOMPARE(app.context.SkipNextPlayError, errorEight);
    if (errorEight) {
        QVERIFY(
            app.boxes.shown.first().text.startsWith(u"No M3U File\r\rThe file :"_s + named + u" Can not be found."_s));
    }
    QVERIFY(app.host.frameLoaded);
}

void TestSettingsFile::backColour_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QList<qint32>>("applied");
    QTest::newRow("white") << "16777215"_ba << QList<qint32>{16777215};
    QTest::newRow("red") << "255"_ba << QList<qint32>{255};
    QTest::newRow("blanks around") << "  255 "_ba << QList<qint32>{255};
    QTest::newRow("system colour") << "-2147483633"_ba << QList<qint32>{-2147483633};
    QTest::newRow("not a number") << "blue"_ba << QList<qint32>{};
    QTest::newRow("number and text") << "255px"_ba << QList<qint32>{};
    QTest::newRow("beyond 32 bits") << "4294967296"_ba << QList<qint32>{};
}

void TestSettingsFile::backColour()
{
    QFETCH(QByteArray, line);
    QFETCH(QList<qint32>, applied);
    TestApp app;
    QByteArray file = kExampleFile;
    app.writeProgramFile(u"TUNARY.INI"_s, file.replace("16744576", line));
    LoadSettings(app.context, u"no"_s);
    QCOMPARE(app.host.colours, applied);
    QVERIFY(app.host.frameLoaded);
    QCOMPARE(errorBoxes(app, 1), 0);
}

void TestSettingsFile::colourValues_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QColor>("colour");
    QPalette palette;
    QTest::newRow("white") << qint32(16777215) << QColor(255, 255, 255);
    QTest::newRow("red") << qint32(255) << QColor(255, 0, 0);
    QTest::newRow("example") << qint32(16744576) << QColor(128, 128, 255);
    QTest::newRow("top byte ignored") << qint32(0x01000080) << QColor(128, 0, 0);
    QTest::newRow("button face") << qint32(0x8000000F) << QColor(1, 2, 3);
    QTest::newRow("application workspace") << qint32(0x8000000C) << QColor(4, 5, 6);
    QTest::newRow("unknown system colour") << qint32(0x800000FF) << QColor(7, 8, 9);
}

void TestSettingsFile::colourValues()
{
    QFETCH(qint32, value);
    QFETCH(QColor, colour);
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Dark, QColor(4, 5, 6));
    palette.setColor(QPalette::Active, QPalette::Window, QColor(7, 8, 9));
    QCOMPARE(frameColour(value, palette), colour);
}

void TestSettingsFile::startUpStepsOnlyAtStartUp()
{
    TestApp app;
    app.writeProgramFile(u"TUNARY.INI"_s, kExampleFile);
    LoadSettings(app.context, u"no"_s);
    QVERIFY(app.host.playerPath.isNull());
    LoadSettings(app.context, u"yes"_s);
    QCOMPARE(app.host.playerPath, u"C:\\Program Files\\Winamp\\winamp.exe"_s);
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
