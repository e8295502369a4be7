#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include "app/MDIForm1.h"
#include "app/UiWindowHost.h"
#include "settings/Options.h"
#include "settings/SettingsFile.h"
#include "settings/frmOptions.h"
#include "support/TestApp.h"

using namespace Qt::StringLiterals;

namespace {

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write test file");
}

// The real windows over the platform doubles, with settings in the record.
struct Dialog
{
    explicit Dialog(const SettingsValues &values = {})
        : windows(app.context)
    {
        SaveSettings(app.context, values);
        LoadSettings(app.context, u"no"_s);
        app.boxes.shown.clear();
        windows.OpenSettings();
    }

    frmOptions *dialog() const { return windows.settingsDialog(); }
    template <typename Widget>
    Widget *control(const QString &name) const
    {
        return dialog()->findChild<Widget *>(name);
    }

    TestApp app;
    UiWindowHost windows;
};

SettingsValues filled()
{
    SettingsValues values;
    values.WinampPath = u"/opt/player/play"_s;
    values.Mp3Path = u"/music"_s;
    values.M3UPath = u"/music/lists"_s;
    values.BackColour = u"16744576"_s;
    values.ColourRed = 128;
    values.ColourGreen = 128;
    values.ColourBlue = 255;
    values.ListFont = u"Courier New"_s;
    values.AlwaysSort = true;
    values.OpenAndPlay = true;
    values.OpenAndPlayFile = u"(Enter M3U here)"_s;
    return values;
}

} // namespace

class TestFrmOptions : public QObject
{
    Q_OBJECT

private slots:
    void opensFilledFromTheSettings();
    void opensWithoutAColour();
    void openAndPlayBoxFollowsItsCheck();
    void swatchThenOkSavesExactly();
    void okRefused_data();
    void okRefused();
    void cancelKeepsOnlyTheFolderOfThePick();
    void onlyOneDialog();
    void playerSearch_data();
    void playerSearch();
};

void TestFrmOptions::opensFilledFromTheSettings()
{
    Dialog open(filled());
    QCOMPARE(open.dialog()->windowTitle(), u"Options"_s);
    QCOMPARE(open.control<QLineEdit>(u"TxtPath"_s)->text(), u"/opt/player/play"_s);
    QCOMPARE(open.control<QLineEdit>(u"M3UPathtxt"_s)->text(), u"/music/lists"_s);
    QCOMPARE(open.control<QSlider>(u"V3"_s)->value(), 255);
    QCOMPARE(open.control<QLabel>(u"test"_s)->text(), u"Courier New"_s);
    QVERIFY(open.control<QCheckBox>(u"cc2"_s)->isChecked());
    QVERIFY(open.control<QCheckBox>(u"cc3"_s)->isChecked());
    QVERIFY(open.control<QLineEdit>(u"opensong"_s)->isEnabled());
    QCOMPARE(open.control<QLineEdit>(u"opensong"_s)->text(), u"(Enter M3U here)"_s);
    QCOMPARE(open.control<QComboBox>(u"cmb1"_s)->currentText(), u"Select Playlist Font"_s);
    QCOMPARE(open.dialog()->state().preview, 16744576);
}

void TestFrmOptions::opensWithoutAColour()
{
    SettingsValues values = filled();
    values.BackColour.clear();
    Dialog open(values);
    const Options::OptionsState state = open.dialog()->state();
    QCOMPARE(state.V1 + state.V2 + state.V3, 0);
    QCOMPARE(state.preview, 0xFFFFFF);
}

void TestFrmOptions::openAndPlayBoxFollowsItsCheck()
{
    Dialog open(filled());
    auto *check = open.control<QCheckBox>(u"cc3"_s);
    auto *box = open.control<QLineEdit>(u"opensong"_s);
    check->click();
    QVERIFY(!box->isEnabled());
    QCOMPARE(box->text(), u"(Enter M3U here)"_s);
    check->click();
    QVERIFY(box->isEnabled());
    QVERIFY(box->text().isEmpty());
}

void TestFrmOptions::swatchThenOkSavesExactly()
{
    Dialog open(filled());
    open.dialog()->Picture2_Click(10);
    QSignalSpy finished(open.dialog(), &frmOptions::finished);
    open.dialog()->Cmdok_Click();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(open.app.readProgramFile(u"TUNARY.INI"_s), "/opt/player/play\r\n/music\r\n/music/lists\r\n8421631\r\n"
                                                        " 255 \r\n 128 \r\n 128 \r\nCourier New\r\nTrue\r\nTrue\r\n"
                                                        "(Enter M3U here)\r\n"_ba);
    QCOMPARE(open.windows.frame()->mdiArea()->background().color(), QColor(255, 128, 128));
    QVERIFY(!open.app.context.SettingsOpen);
}

void TestFrmOptions::okRefused_data()
{
    QTest::addColumn<bool>("emptyList");
    QTest::addColumn<QString>("font");
    QTest::addColumn<int>("error");
    QTest::newRow("open and play without a list") << true << u"Courier New"_s << 8;
    QTest::newRow("no font") << false << QString() << 9;
}

void TestFrmOptions::okRefused()
{
    QFETCH(bool, emptyList);
    QFETCH(QString, font);
    QFETCH(int, error);
    SettingsValues values = filled();
    values.ListFont = font;
    Dialog open(values);
    const QByteArray before = open.app.readProgramFile(u"TUNARY.INI"_s);
    if (emptyList)
        open.control<QLineEdit>(u"opensong"_s)->clear();
    open.dialog()->Cmdok_Click();
    QCOMPARE(open.app.boxes.shown.size(), 1);
    QCOMPARE(open.app.boxes.shown.first().title, u"Error Number: "_s + QString::number(error));
    QCOMPARE(open.app.readProgramFile(u"TUNARY.INI"_s), before);
    QVERIFY(open.app.context.SettingsOpen);
    QCOMPARE(open.dialog()->currentPage() == 2, error == 9);
}

void TestFrmOptions::cancelKeepsOnlyTheFolderOfThePick()
{
    Dialog open(filled());
    open.control<QLineEdit>(u"M3UPathtxt"_s)->setText(u"/elsewhere"_s);
    open.control<QLineEdit>(u"TxtPath"_s)->setText(u"/changed"_s);
    open.control<QPushButton>(u"cmdb4"_s)->click();
    QCOMPARE(open.windows.fileDialog()->windowTitle(), u"Select default M3U"_s);
    open.dialog()->cmdCancel_Click();
    QCOMPARE(open.app.context.Settings.M3UPath, u"/elsewhere"_s);
    QCOMPARE(open.app.context.Settings.WinampPath, u"/opt/player/play"_s);
    QVERIFY(!open.app.context.SettingsOpen);
}

void TestFrmOptions::onlyOneDialog()
{
    Dialog open(filled());
    frmOptions *first = open.dialog();
    open.windows.OpenSettings();
    QCOMPARE(open.dialog(), first);
    QCOMPARE(open.windows.frame()->findChildren<frmOptions *>().size(), 1);
}

void TestFrmOptions::playerSearch_data()
{
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QString>("found"); // empty: error 3
    QTest::newRow("in the root") << QStringList{u"winamp.exe"_s, u"A/other.exe"_s} << u"winamp.exe"_s;
    QTest::newRow("in a subfolder, name as on disk")
        << QStringList{u"Prog/Winamp/WINAMP.EXE"_s} << u"Prog/Winamp/WINAMP.EXE"_s;
    QTest::newRow("the last one the walk meets")
        << QStringList{u"A/winamp.exe"_s, u"B/x/winamp.exe"_s} << u"A/winamp.exe"_s;
    QTest::newRow("none") << QStringList{u"A/b.exe"_s} << QString();
}

void TestFrmOptions::playerSearch()
{
    QFETCH(QStringList, tree);
    QFETCH(QString, found);
    Dialog open(filled());
    const QString drive = open.app.folders.root() + u"/drive/"_s;
    for (const QString &path : tree)
        touch(drive + path);
    auto *drives = open.control<QComboBox>(u"DrvList"_s);
    drives->addItem(drive);
    drives->setCurrentIndex(drives->count() - 1);
    QSignalSpy done(open.dialog(), &frmOptions::searchFinished);
    open.dialog()->CmdSearch_Click();
    QVERIFY(open.dialog()->isSearching());
    QVERIFY(done.wait());
    QCOMPARE(open.control<QLineEdit>(u"TxtPath"_s)->text(), found.isEmpty() ? QString() : drive + found);
    QCOMPARE(open.app.boxes.shown.size(), found.isEmpty() ? 1 : 0);
    if (found.isEmpty())
        QCOMPARE(open.app.boxes.shown.first().title, u"Error Number: 3"_s);
    QVERIFY(open.control<QPushButton>(u"CmdSearch"_s)->isVisibleTo(open.dialog()));
}

QTEST_MAIN(TestFrmOptions)
#include "tst_frmoptions.moc"
