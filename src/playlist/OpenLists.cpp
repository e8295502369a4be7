// SPDX-License-Identifier: MIT

#include "playlist/OpenLists.h"

#include <memory>
#include <utility>

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include "core/AppContext.h"
#include "core/ErrorMessages.h"
#include "core/PauseWatch.h"
#include "core/WindowHost.h"
#include "platform/MessageBoxes.h"
#include "playlist/PlayListEntry.h"
#include "playlist/Recovery.h"

using namespace Qt::StringLiterals;

namespace OpenLists {

namespace {

// A new or loaded list window's size, in twips.
constexpr int kWindowWidth = 3675;
constexpr int kWindowHeight = 5680;

// Where there are no windows, lists live here.
QObject *windowlessLists()
{
    static QObject lists;
    return &lists;
}

PlayList &windowForSlot(AppContext &context, int slot)
{
    PlayList *list = playListAt(context, slot);
    if (!list) {
        list = context.host().createPlayListWindow();
        if (!list)
            list = new PlayList(windowlessLists());
        context.lists.setPlayList(slot, list);
    }
    return *list;
}

// The list may be in the middle of telling what became of its file: it goes once that is done.
void discardWindow(AppContext &context, PlayList &list)
{
    if (list.parent() == windowlessLists())
        list.deleteLater();
    else
        context.host().discardPlayListWindow(&list);
}

// Sets a window up from scratch for a list in its slot, with its file (none for a new list).
void setUp(AppContext &context, PlayList &list, int slot, const QString &path)
{
    list.setSlot(slot);
    list.setSizeTwips(kWindowWidth, kWindowHeight);
    list.setPath(path);
    list.setListFont(context.settings.listFont);
    list.playerPath = context.settings.playerPath;
    list.encoding = ListEncoding::EightBit;
    list.model().setEntries({});
    list.resetHistory();
    Recovery::watch(context, list);
}

// A list past the limit would take the memory of the whole machine: the user is told why it stays closed.
void reportTooLarge(AppContext &context, const QString &path)
{
    const QString text =
        QCoreApplication::translate("PlayList", "%1 is larger than %2 MB and can not be opened")
            .arg(QDir::toNativeSeparators(path), QString::number(M3UFile::kMaxFileSize / (1024LL * 1024)));
    context.platform.messageBoxes.show(
        {QCoreApplication::translate("PlayList", "List Too Large"), text, MessageIcon::Warning, MessageButtons::Ok});
}

} // namespace

PlayList *playListAt(const AppContext &context, int slot)
{
    return qobject_cast<PlayList *>(context.lists.windowAt(slot));
}

void setUpWindowTable(AppContext &context)
{
    context.lists.resetToOneSlot();
    PlayList &hidden = windowForSlot(context, 1);
    hidden.setSlot(1);
}

int newPlayList(AppContext &context)
{
    const int slot = context.lists.allocateSlot();
    PlayList &list = windowForSlot(context, slot);
    setUp(context, list, slot, QString());
    list.show();
    return slot;
}

namespace {

// A list read within this time shows as soon as it is read, with no progress shown.
int quietReadMs = 25;

// The read list shows, sorted when the settings say so; a list that cannot be read is taken off its slot.
void takeRead(AppContext &context, PlayList &list, OpenOutcome outcome)
{
    const int slot = list.slot();
    // Other lists may have opened while this one was read.
    context.loadingSlot = slot;
    if (outcome != OpenOutcome::Read) {
        if (outcome == OpenOutcome::TooLarge)
            reportTooLarge(context, list.path());
        // Nothing is shown for a list that cannot be read, and its slot goes to the next list.
        context.lists.slotAt(slot).isFree = true;
        context.lists.setPlayList(slot, nullptr);
        discardWindow(context, list);
        return;
    }
    list.show();
    list.checkMissing();
}

} // namespace

void setQuietReadTime(int milliseconds)
{
    quietReadMs = milliseconds;
}

void openListFile(AppContext &context, const QString &path, WhenRead whenRead, OpenFor openFor)
{
    // The file is read while the list's window is made.
    const std::shared_ptr<PlayList::Read> read = PlayList::beginRead(path);
    const int slot = context.lists.allocateSlot();
    context.loadingSlot = slot;
    PlayList &list = windowForSlot(context, slot);
    setUp(context, list, slot, path);
    PlayList::AfterReads afterRead = PlayList::AfterRead::Show;
    afterRead.setFlag(PlayList::AfterRead::Sort, context.settings.alwaysSort == u"True"_s);
    afterRead.setFlag(PlayList::AfterRead::Play, openFor == OpenFor::Playing);
    list.readFile(read, quietReadMs, afterRead,
                  [&context, whenRead = std::move(whenRead)](OpenOutcome outcome, PlayList *read) {
                      // A list closed while it was read has gone with its window.
                      if (read)
                          takeRead(context, *read, outcome);
                      if (whenRead)
                          whenRead(outcome, outcome == OpenOutcome::Read ? read : nullptr);
                  });
}

QString busyText(const PlayList &list)
{
    switch (list.work()) {
    case PlayList::Work::Sorting:
        return QCoreApplication::translate("PlayList", "The list is still being sorted.");
    case PlayList::Work::Saving:
        return QCoreApplication::translate("PlayList", "The list is still being saved.");
    default:
        return QCoreApplication::translate("PlayList", "The list is still being read.");
    }
}

void saveList(AppContext &context, PlayList &list, WhenSaved whenSaved)
{
    const PauseWatch::Step step("saving a list");
    // Saved now, a list still being read would be saved empty over its file.
    if (list.isBusy()) {
        whenSaved(busyText(list), false);
        return;
    }
    list.saveFile([&context, &list, whenSaved = std::move(whenSaved)](const QString &fault, bool cancelled) {
        // The list tells only while it lives.
        if (fault.isEmpty() && !cancelled) {
            list.markClean();
            Recovery::forget(context, list.slot());
            PauseWatch::done("list saved");
        }
        whenSaved(fault, cancelled);
    });
}

void save(AppContext &context, PlayList &list)
{
    if (list.isBusy())
        return;
    if (list.isUntitled()) {
        openFileDialog(context, FileDialogPurpose::SaveList, list.slot());
        return;
    }
    // A failed save keeps the list marked changed, so nothing is lost on closing.
    saveList(context, list, [&context](const QString &fault, bool) {
        if (!fault.isEmpty())
            ErrorMessages::showError(context, ErrorNumber::CannotWrite, fault);
    });
}

void saveAs(AppContext &context, PlayList &list)
{
    if (list.isBusy())
        return;
    openFileDialog(context, FileDialogPurpose::SaveList, list.slot());
}

void openFileDialog(AppContext &context, FileDialogPurpose purpose, int slot, WindowHost::PathChosen whenChosen)
{
    if (context.fileDialogOpen)
        return;
    context.fileDialogOpen = true;
    context.host().openFileDialog(purpose, slot, std::move(whenChosen));
}

void saveAndCloseList(AppContext &context, int slot)
{
    PlayList *list = playListAt(context, slot);
    if (!list)
        return;
    // Dropped with the window, should it be gone before the events waiting now have run.
    QTimer::singleShot(0, list,
                       [&context, slot] { openFileDialog(context, FileDialogPurpose::SaveAndCloseList, slot); });
}

bool queryClose(AppContext &context, PlayList &list, bool frameClosing)
{
    if (frameClosing)
        context.frameClosing = true;
    const int slot = list.slot();
    if (list.work() == PlayList::Work::Saving) {
        // A list closed while it is saved closes once saved (or asks again, should the save fail), as does the
        // frame; from the event loop, once the list knows it is saved.
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(
            &list, &PlayList::workChanged, &list,
            [&context, &list, connection](PlayList::Work work) {
                if (work != PlayList::Work::None)
                    return;
                QObject::disconnect(*connection);
                if (context.frameClosing)
                    context.host().closeFrame();
                else
                    list.close();
            },
            Qt::QueuedConnection);
        return false;
    }
    if (!list.isChanged())
        return true;

    // While the box is open, lists may be opened or closed: the table is looked up again afterwards.
    const QPointer<PlayList> guard(&list);
    const MessageAnswer answer = context.platform.messageBoxes.show(
        {QCoreApplication::translate("PlayList", "Save First?"),
         QCoreApplication::translate("PlayList", "Save Changes to %1?").arg(list.caption()), MessageIcon::None,
         MessageButtons::YesNoCancel});
    if (!guard)
        return false;
    switch (answer) {
    case MessageAnswer::Yes:
        // The file dialog saves the list and closes it (and the frame, when it was closing) afterwards.
        saveAndCloseList(context, slot);
        return false;
    case MessageAnswer::No:
        guard->markClean();
        context.lists.slotAt(slot).isFree = true;
        Recovery::forget(context, slot);
        return true;
    default:
        // A refused close of the frame is over: a later save must not end the program.
        context.frameClosing = false;
        return false;
    }
}

} // namespace OpenLists
