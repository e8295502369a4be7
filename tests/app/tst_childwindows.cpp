#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QStyleOptionTitleBar>
#include <QTest>

#include "app/MDIForm1.h"
#include "app/UiWindowHost.h"
#include "files/FrmAddfile.h"
#include "playlist/FrmPlayList.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;
using PlayListCommands::playListAt;

namespace {

// The real frame over the platform doubles, with one untitled list in slot 2.
struct Frame
{
    Frame()
        : windows(app.context)
    {
        windows.loadFrame();
        PlayListCommands::NewPlayList(app.context);
    }
    PlayList *list() const { return playListAt(app.context, 2); }
    QMdiSubWindow *listWindow() const { return qobject_cast<FrmPlayList *>(list()->parent())->subWindow(); }
    QMdiSubWindow *opened(const QString &what)
    {
        if (what == u"settings"_s)
            windows.OpenSettings();
        else
            PlayListCommands::OpenFileDialog(app.context, what, 2);
        QWidget *dialog =
            what == u"settings"_s ? static_cast<QWidget *>(windows.settingsDialog()) : windows.fileDialog();
        return qobject_cast<QMdiSubWindow *>(dialog->parentWidget());
    }

    TestApp app;
    UiWindowHost windows;
};

// A press where the style draws the close box of a sub-window's title bar.
void pressCloseBox(QMdiSubWindow *window)
{
    QStyleOptionTitleBar option;
    option.initFrom(window);
    option.titleBarFlags = window->windowFlags();
    option.subControls = QStyle::SC_All;
    option.rect.setHeight(window->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, window));
    const QPoint box =
        window->style()->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarCloseButton, window).center();
    QTest::mouseMove(window, box - QPoint(1, 1)); // the title bar takes a press where the pointer moved
    QTest::mouseMove(window, box);
    QTest::mouseClick(window, Qt::LeftButton, {}, box);
}

// Remembers where the folder chooser was asked to start.
class StartFolders : public ScriptedMessageBoxes
{
public:
    QString browseForFolderAt(const QString &prompt, const QString &start) override
    {
        starts.append(start);
        return BrowseForFolder(prompt);
    }
    QStringList starts;
};

} // namespace

class TestChildWindows : public QObject
{
    Q_OBJECT

private slots:
    void finderClosesItsWindow_data();
    void finderClosesItsWindow();
    void closeBoxCancels_data();
    void closeBoxCancels();
    void dialogsLeaveTheMaximisedListAndTitle_data() { closeBoxCancels_data(); }
    void dialogsLeaveTheMaximisedListAndTitle();
    void sortIgnoresLetterCase_data();
    void sortIgnoresLetterCase();
    void settingsControlsKeepTheirPlaces();
    void previewShowsTheFrameColour();
    void folderChooserStartsAtTheBoxesFolder();
    void helpWindowShowsWholeTitles();
    void playerPickListsPrograms();
};

void TestChildWindows::finderClosesItsWindow_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("button") << u"cmdClose"_s;
    QTest::newRow("menu") << u"mnuCloseAddFile"_s;
}

void TestChildWindows::finderClosesItsWindow()
{
    QFETCH(QString, command);
    Frame frame;
    frame.app.context.Settings.Mp3Path = frame.app.folders.root();
    frame.windows.OpenFileFinder(1);
    auto *finder = frame.windows.frame()->findChild<FrmAddfile *>();
    QPointer<QWidget> window = finder->parentWidget();
    if (auto *button = finder->findChild<QPushButton *>(command))
        button->click();
    else
        finder->findChild<QAction *>(command)->trigger();
    QTRY_VERIFY(!window);
}

void TestChildWindows::closeBoxCancels_data()
{
    QTest::addColumn<QString>("dialog");
    for (const QString &dialog : {u"settings"_s, u"save"_s, u"save_kill"_s})
        QTest::newRow(qPrintable(dialog)) << dialog;
}

void TestChildWindows::closeBoxCancels()
{
    QFETCH(QString, dialog);
    Frame frame;
    frame.app.context.PlayLists.ListSlotAt(2).Changed = true;
    QPointer<QMdiSubWindow> window = frame.opened(dialog);
    pressCloseBox(window);
    QTRY_VERIFY(!window);
    QVERIFY(!frame.app.context.SettingsOpen && !frame.app.context.FileDialogOpen);
    QVERIFY(!QFile::exists(frame.app.folders.settingsFile()));
    QCOMPARE(frame.list()->caption(), u"Untitled 1"_s);
    QVERIFY(frame.app.context.PlayLists.ListSlotAt(2).Changed);
}

// A dialog opened over maximised lists stays a dialog; the frame's title keeps naming the list.
void TestChildWindows::dialogsLeaveTheMaximisedListAndTitle()
{
    QFETCH(QString, dialog);
    Frame frame;
    frame.listWindow()->showMaximized();
    const QString title = u"TUNARY - [Untitled 1]"_s;
    QCOMPARE(frame.windows.frame()->windowTitle(), title);
    QPointer<QMdiSubWindow> window = frame.opened(dialog);
    QVERIFY(!window->isMaximized());
    QVERIFY(frame.listWindow()->isMaximized());
    QCOMPARE(frame.windows.frame()->windowTitle(), title);
    window->widget()->findChild<QPushButton *>(u"cmdCancel"_s)->click();
    QTRY_VERIFY(!window);
    QCOMPARE(frame.windows.frame()->windowTitle(), title);
}

void TestChildWindows::sortIgnoresLetterCase_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
}

void TestChildWindows::sortIgnoresLetterCase()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    TestApp app;
    PlayListCommands::setUpWindowTable(app.context);
    PlayListCommands::NewPlayList(app.context);
    PlayList *list = playListAt(app.context, 2);
    list->model().appendEntries({{u"/m/delta.mp3"_s, false},
                                 {u"/m/Charlie.mp3"_s, false},
                                 {u"/m/alpha.mp3"_s, false},
                                 {u"/m/Bravo.mp3"_s, false}});
    PlayListCommands::runEdit(app.context, *list, PlayListCommands::Edit::Sort);
    QCOMPARE(titlesOf(list->model()), QStringList({u"alpha"_s, u"Bravo"_s, u"Charlie"_s, u"delta"_s}));
}

// Slider captions turning into numbers and a long font name in the sample move nothing sideways.
void TestChildWindows::settingsControlsKeepTheirPlaces()
{
    Frame frame;
    frame.windows.OpenSettings();
    frmOptions *dialog = frame.windows.settingsDialog();
    const auto places = [dialog] {
        QList<int> places;
        for (const QString &name : {u"V1"_s, u"V2"_s, u"V3"_s, u"cmb1"_s}) {
            dialog->showPage(name == u"cmb1"_s ? 2 : 3);
            QCoreApplication::processEvents();
            const QWidget *control = dialog->findChild<QWidget *>(name);
            places << control->mapTo(dialog, QPoint()).x() << control->width();
        }
        return places;
    };
    const QList<int> before = places();
    dialog->findChild<QSlider *>(u"V2"_s)->setValue(7);
    auto *fonts = dialog->findChild<QComboBox *>(u"cmb1"_s);
    fonts->lineEdit()->selectAll();
    QTest::keyClicks(fonts->lineEdit(), u"A Very Long Name Of A Font Family Indeed"_s);
    QTest::keyClick(fonts->lineEdit(), Qt::Key_Return);
    QCOMPARE(dialog->findChild<QLabel *>(u"test"_s)->text(), u"A Very Long Name Of A Font Family Indeed"_s);
    QCOMPARE(places(), before);
}

void TestChildWindows::previewShowsTheFrameColour()
{
    Frame frame;
    frame.app.context.Settings.BackColour = u"-2147483633"_s; // the system's button face
    frame.windows.setFrameBackColour(-2147483633);
    frame.windows.OpenSettings();
    const auto *preview = frame.windows.settingsDialog()->findChild<QWidget *>(u"BGC"_s);
    QCOMPARE(preview->palette().color(QPalette::Window), frame.windows.frame()->mdiArea()->background().color());
}

void TestChildWindows::folderChooserStartsAtTheBoxesFolder()
{
    TestApp app;
    StartFolders boxes;
    AppContext context({boxes, app.starter, app.folders, app.drives, app.registry});
    context.Settings.Mp3Path = u"/music"_s;
    context.Settings.M3UPath = u"/music/lists"_s;
    UiWindowHost windows(context);
    windows.OpenSettings();
    for (const QString &browse : {u"CmdBrowse"_s, u"Command3"_s})
        windows.settingsDialog()->findChild<QPushButton *>(browse)->click();
    QCOMPARE(boxes.starts, QStringList({u"/music"_s, u"/music/lists"_s}));
}

void TestChildWindows::helpWindowShowsWholeTitles()
{
    Frame frame;
    frame.windows.showFinderHelp();
    auto *titles = frame.windows.helpWindow()->findChild<QListWidget *>(u"LstMessage"_s);
    for (int row = 0; row < titles->count(); ++row) {
        const QRect shown = titles->visualItemRect(titles->item(row));
        const QRect needed = titles->fontMetrics().boundingRect(shown, Qt::TextWordWrap, titles->item(row)->text());
        QVERIFY2(shown.right() < titles->viewport()->width(), qPrintable(titles->item(row)->text()));
        QVERIFY2(needed.height() <= shown.height(), qPrintable(titles->item(row)->text()));
    }
}

void TestChildWindows::playerPickListsPrograms()
{
#ifdef Q_OS_WIN
    QSKIP("Windows tells programs by their names");
#endif
    TestApp app;
    const QString folder = app.folders.root() + u"/bin"_s;
    writeFile(folder + u"/player"_s, "#!/bin/sh\n");
    writeFile(folder + u"/notes.txt"_s, "x");
    QFile::setPermissions(folder + u"/player"_s, QFile::ReadOwner | QFile::ExeOwner);
    frmFile dialog(app.context, u"opt"_s, 9999);
    dialog.setFolder(folder);
    QCOMPARE(dialog.findChild<QComboBox *>(u"cmbtype"_s)->itemText(0), u"Programs"_s);
    const auto *files = dialog.findChild<QListWidget *>(u"List1"_s);
    QCOMPARE(files->count(), 1);
    QCOMPARE(files->item(0)->text(), u"player"_s);
}

QTEST_MAIN(TestChildWindows)
#include "tst_childwindows.moc"
