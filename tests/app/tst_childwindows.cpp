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

} // namespace

class TestChildWindows : public QObject
{
    Q_OBJECT

private slots:
    void finderClosesItsWindow_data();
    void finderClosesItsWindow();
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

QTEST_MAIN(TestChildWindows)
#include "tst_childwindows.moc"
