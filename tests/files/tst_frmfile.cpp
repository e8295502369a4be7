#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTest>

#include "app/MDIForm1.h"
#include "app/UiWindowHost.h"
#include "files/frmFile.h"
#include "playlist/FrmPlayList.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListCommands.h"
#include "support/TestApp.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;

namespace {

QStringList items(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

} // namespace

class TestFrmFile : public QObject
{
    Q_OBJECT

private slots:
    void listsFollowFolderAndType();
    void exitSavesTheFirstListAndDropsTheSecond();
};

void TestFrmFile::listsFollowFolderAndType()
{
    TestApp app;
    const QString lists = app.folders.root() + u"/lists"_s;
    writeFile(lists + u"/b.M3U"_s, "x");
    writeFile(lists + u"/a.m3u"_s, "x");
    writeFile(lists + u"/notes.txt"_s, "x");
    writeFile(lists + u"/old/c.m3u"_s, "x");
    app.context.Settings.M3UPath = lists;
    frmFile dialog(app.context, u"save"_s, 2);
    QCOMPARE(dialog.windowTitle(), u"Save List"_s);
    QCOMPARE(dialog.findChild<QComboBox *>(u"cmbtype"_s)->currentText(), u"*.M3U"_s);

    auto *files = dialog.findChild<QListWidget *>(u"List1"_s);
    QCOMPARE(items(files), QStringList({u"a.m3u"_s, u"b.M3U"_s}));
    auto *type = dialog.findChild<QComboBox *>(u"cmbtype"_s);
    type->setCurrentIndex(1);
    emit type->activated(1);
    QCOMPARE(items(files), QStringList({u"a.m3u"_s, u"b.M3U"_s, u"notes.txt"_s}));

    auto *folders = dialog.findChild<QListWidget *>(u"Dir1"_s);
    QCOMPARE(folders->currentItem()->data(Qt::UserRole).toString(), lists);
    QCOMPARE(folders->item(0)->text(), QDir::rootPath());
    QCOMPARE(folders->item(folders->count() - 1)->text().trimmed(), u"old"_s);
    emit folders->itemDoubleClicked(folders->item(folders->count() - 1));
    QCOMPARE(items(files), QStringList({u"c.m3u"_s}));
    QCOMPARE(dialog.folder(), lists + u"/old"_s);
    emit folders->itemDoubleClicked(folders->item(0));
    QCOMPARE(dialog.folder(), QDir::rootPath());
    dialog.setFolder(lists + u"/old"_s);
    emit files->itemClicked(files->item(0));
    QCOMPARE(dialog.findChild<QLineEdit *>(u"txtname"_s)->text(), u"c.m3u"_s);
}

void TestFrmFile::exitSavesTheFirstListAndDropsTheSecond()
{
    TestApp app;
    UiWindowHost windows(app.context);
    QSignalSpy unloaded(&windows, &UiWindowHost::frameUnloaded);
    windows.loadFrame();
    const QString lists = app.folders.root() + u"/lists"_s;
    QDir().mkpath(lists);
    app.context.Settings.M3UPath = lists;
    for (int i = 0; i < 2; ++i) {
        const int slot = PlayListCommands::NewPlayList(app.context);
        PlayList *list = PlayListCommands::playListAt(app.context, slot);
        list->model().appendEntries({{u"/m/"_s + QString::number(i) + u".mp3"_s, false}});
        app.context.PlayLists.ListSlotAt(slot).Changed = true;
    }

    app.boxes.answers = {MessageAnswer::Yes, MessageAnswer::No};
    QVERIFY(!windows.frame()->close());
    QTRY_VERIFY(windows.fileDialog());
    frmFile *dialog = windows.fileDialog();
    QCOMPARE(dialog->windowTitle(), u"Save and Close List"_s);
    QCOMPARE(dialog->folder(), lists);
    // A second request while the dialog is open does nothing.
    PlayListCommands::MnuSaveAs_Click(app.context, *PlayListCommands::playListAt(app.context, 3));
    QCOMPARE(windows.fileDialog(), dialog);

    auto *name = dialog->findChild<QLineEdit *>(u"txtname"_s);
    name->setText(u"first"_s);
    QTest::keyClick(name, Qt::Key_Return);

    QFile saved(lists + u"/first.m3u"_s);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), "/m/0.mp3\r\n"_ba);
    QTRY_COMPARE(unloaded.size(), 1);
    QCOMPARE(app.boxes.shown.size(), 2);
    QCOMPARE(app.boxes.shown.at(1).text, u"Save Changes to Untitled 2?"_s);
}

QTEST_MAIN(TestFrmFile)
#include "tst_frmfile.moc"
