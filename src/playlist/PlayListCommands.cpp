// SPDX-License-Identifier: MIT

#include "playlist/PlayListCommands.h"

#include <memory>
#include <numeric>
#include <utility>

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSemaphore>
#include <QSet>
#include <QStandardPaths>
#include <QThreadPool>
#include <QTimer>

#include "core/AppContext.h"
#include "core/WindowHost.h"
#include "help/ErrorMessages.h"
#include "platform/Folders.h"
#include "platform/MessageBoxes.h"
#include "platform/PlayFiles.h"
#include "platform/ProgramStarter.h"
#include "platform/SafeWrite.h"
#include "playlist/ListEdits.h"
#include "playlist/PlayList.h"
#include "playlist/PlayListEntry.h"
#include "playlist/Recovery.h"
#include "playlist/RelativePath.h"

using namespace Qt::StringLiterals;

namespace PlayListCommands {

namespace {

// A new or loaded list window's size, in twips.
constexpr int kWindowWidth = 3675;
constexpr int kWindowHeight = 5680;
// How long after a list opens or comes to the front its files are looked for.
constexpr int kMissingCheckDelayMs = 300;

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

void discardWindow(AppContext &context, PlayList &list)
{
    if (list.parent() == windowlessLists())
        delete &list;
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
    list.model().clear();
    list.undoStack().clear();
    Recovery::watch(context, list);
}

// An edit already done goes onto the list's undo stack.
void pushDone(PlayList &list, QUndoCommand *command)
{
    list.undoStack().push(command);
}

using ListEdits::EntriesCommand;

// The user's collation, letter case ignored. The C (POSIX) locale has no collation of its own: Qt's sort keys
// there are the bare code points, capitals before small letters, so it gets the root order, which English uses
// untailored.
QCollator listCollator()
{
    const QLocale locale;
    QCollator collator(locale.language() == QLocale::C ? QLocale(QLocale::English) : locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

std::vector<int> sortList(PlayList &list)
{
    return list.model().sortEntries(listCollator());
}

// A relative entry is played from the list file's folder, since the play file lives elsewhere.
QString playablePath(const PlayList &list, const QString &path)
{
    if (list.isUntitled() || !isRelativeEntry(path))
        return path;
    QString relative = path;
    relative.replace(u'\\', u'/');
    const QString folder = QFileInfo(PlayListEntry::trimBlanks(list.path())).absolutePath();
    return QDir::toNativeSeparators(QDir::cleanPath(folder + u'/' + relative));
}

// Comments and directives ("#...") and addresses of streams ("scheme://...") name no file of this system.
bool namesAFile(const QString &path)
{
    return !path.startsWith(u'#') && !path.contains(u"://"_s);
}

// The file an entry names, resolved against the list's folder as for playing; empty where that cannot be told
// (a relative entry of an untitled list, whose folder is empty). Safe on any thread.
QString fileNamedBy(const QString &folder, const QString &path)
{
    if (!namesAFile(path))
        return {};
    if (!isRelativeEntry(path))
        return path;
    if (folder.isEmpty())
        return {};
    QString relative = path;
    relative.replace(u'\\', u'/');
    return QDir::toNativeSeparators(QDir::cleanPath(folder + u'/' + relative));
}

QString listFolder(const PlayList &list)
{
    return list.isUntitled() ? QString() : QFileInfo(PlayListEntry::trimBlanks(list.path())).absolutePath();
}

// Two entries name the same file when their resolved paths match; a Windows path with a drive letter in any
// letter case, as that system does.
QString sameFileKey(const QString &file)
{
    QString key = QDir::cleanPath(QString(file).replace(u'\\', u'/'));
    const bool drivePath = key.size() >= 2 && key[1] == u':' && key[0].isLetter();
    if (!drivePath)
        return key;
    // Most paths are plain ASCII, lowered here without the Unicode tables; the others are lowered in full.
    for (QChar &c : key) {
        if (c.unicode() >= 128)
            return key.toLower();
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return key;
}

std::vector<int> missingRows(const PlayList &list)
{
    std::vector<int> rows;
    const QString folder = listFolder(list);
    for (int row = 0; row < list.model().count(); ++row) {
        const QString file = fileNamedBy(folder, list.model().entryPath(row));
        if (!file.isEmpty() && !QFileInfo::exists(file))
            rows.push_back(row);
    }
    return rows;
}

std::vector<int> duplicateRows(const PlayList &list)
{
    std::vector<int> rows;
    QSet<QString> seen;
    const QString folder = listFolder(list);
    for (int row = 0; row < list.model().count(); ++row) {
        const QString path = list.model().entryPath(row);
        if (path.startsWith(u'#'))
            continue;
        const QString file = fileNamedBy(folder, path);
        const qsizetype before = seen.size();
        seen.insert(file.isEmpty() ? path : sameFileKey(file));
        if (seen.size() == before)
            rows.push_back(row);
    }
    return rows;
}

} // namespace

// The files are looked for a little after the list shows or comes to the front, so that showing it and
// working in it come first; a list closed by then is not looked at.
void checkMissing(PlayList &list)
{
    QTimer::singleShot(kMissingCheckDelayMs, &list, [guard = QPointer<PlayList>(&list)] {
        if (guard)
            lookForMissing(*guard);
    });
}

void lookForMissing(PlayList &list)
{
    // The worker is given the texts and references, which it shares with the list rather than copies; the
    // marks are taken only if the entries are still those looked at.
    PlayListModel &model = list.model();
    QThreadPool::globalInstance()->start([model = QPointer<PlayListModel>(&model), texts = model.texts(),
                                          refs = model.refs(), folder = listFolder(list), stopped = model.beginLook()] {
        std::vector<bool> missing(size_t(refs.size()), false);
        for (qsizetype i = 0; i < refs.size(); ++i) {
            if (*stopped)
                return;
            const QString file = fileNamedBy(folder, PlayListEntry::trimBlanks(texts.text(refs[i])));
            missing[size_t(i)] = !file.isEmpty() && !QFileInfo::exists(file);
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [model, size = texts.size(), refs, missing = std::move(missing)]() mutable {
                if (model && model->texts().size() == size && model->refs() == refs)
                    model->setMissing(std::move(missing));
            },
            Qt::QueuedConnection);
    });
}

namespace {

// Rewrites entries between relative and absolute; a named list only, as relative paths need its folder.
bool changePaths(PlayList &list, bool relative)
{
    PlayListModel &model = list.model();
    if (list.isUntitled())
        return false;
    const QDir folder = QFileInfo(PlayListEntry::trimBlanks(list.path())).absoluteDir();
    std::vector<int> rows;
    QList<PlayListModel::Entry> after;
    for (int row = 0; row < model.count(); ++row) {
        const QString path = model.entryPath(row);
        if (!namesAFile(path) || isRelativeEntry(path) == relative)
            continue;
        QString changed;
        if (relative) {
            const QString inside = folder.relativeFilePath(QDir::fromNativeSeparators(path));
            if (inside.startsWith(u"../"_s) || inside == u".."_s || QDir::isAbsolutePath(inside))
                continue;
            changed = QDir::toNativeSeparators(inside);
        } else {
            changed = playablePath(list, path);
        }
        rows.push_back(row);
        after.append({changed, EntryTexts::writtenAsWindows1252(model.refs().at(row))});
    }
    if (rows.empty())
        return false;
    // Keeping the new texts may renumber the old ones: the old references are taken after it.
    const QList<EntryTexts::Ref> added = model.addTexts(after);
    if (added.isEmpty())
        return false;
    std::vector<EntryTexts::Ref> before;
    before.reserve(rows.size());
    for (const int row : rows)
        before.push_back(model.refs().at(row));
    std::vector<EntryTexts::Ref> newRefs(added.cbegin(), added.cend());
    model.replaceEntries(rows, newRefs);
    pushDone(list, new ListEdits::ChangeCommand(model, std::move(rows), std::move(before), std::move(newRefs)));
    return true;
}

// A list past the limit would take the memory of the whole machine: the user is told why it stays closed.
void reportTooLarge(AppContext &context, const QString &path)
{
    const QString text = u"%1 is larger than %2 MB and can not be opened"_s.arg(
        QDir::toNativeSeparators(path), QString::number(M3UFile::kMaxFileSize / (1024LL * 1024)));
    context.platform.messageBoxes.show({u"List Too Large"_s, text, MessageIcon::Warning, MessageButtons::Ok});
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
    context.lists.slotAt(1).changed = false;
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

// Lists are read by workers of their own, so that a look for missing files never holds one up.
QThreadPool &listReaders()
{
    static QThreadPool pool;
    pool.setMaxThreadCount(2);
    return pool;
}

// A list file read by a worker; the interface thread takes it once finished is released.
struct ListRead
{
    M3UFile::ReadProgress progress;
    M3UContent content;
    QString fault;
    bool tooLarge = false;
    QSemaphore finished;

    bool done() const { return finished.available() > 0; }
};

// A list read within this time shows as soon as it is read, with no progress shown.
int quietReadMs = 25;
constexpr int kProgressIntervalMs = 50;

enum class ReadOutcome { Read, Failed, Cancelled };

// Starts reading a list's file in a worker; its window is made meanwhile.
std::shared_ptr<ListRead> startReading(const QString &path)
{
    auto read = std::make_shared<ListRead>();
    listReaders().start([read, path] {
        read->fault = M3UFile::read(path, read->content, &read->tooLarge, read->progress);
        read->finished.release();
    });
    return read;
}

// Waits for the read. The interface waits a moment for it; a longer read shows the window with its progress
// and a way to cancel, and the interface goes on meanwhile. The list may be closed while it is read: that
// cancels the read.
ReadOutcome finishReading(PlayList &list, const std::shared_ptr<ListRead> &read)
{
    if (!read->finished.tryAcquire(1, quietReadMs)) {
        const QPointer<PlayList> guard(&list);
        QEventLoop loop;
        QTimer tick;
        const auto showProgress = [&read, &loop, &guard] {
            if (read->done()) {
                loop.quit();
                return;
            }
            const qint64 total = read->progress.total;
            if (guard && total > 0)
                guard->setLoadProgress(int(std::min<qint64>(999, read->progress.done * 1000 / total)));
        };
        QObject::connect(&tick, &QTimer::timeout, &loop, showProgress);
        QObject::connect(&list, &QObject::destroyed, &loop, &QEventLoop::quit);
        // A cancel may come before the loop runs, as the window shows its progress.
        bool cancelled = false;
        QObject::connect(&list, &PlayList::loadCancelRequested, &loop, [&cancelled, &loop] {
            cancelled = true;
            loop.quit();
        });
        list.setLoadProgress(0);
        list.show();
        tick.start(kProgressIntervalMs);
        if (!cancelled)
            loop.exec();
        if (guard)
            guard->setLoadProgress(-1);
        if (!guard || cancelled || !read->done()) {
            read->progress.stop = true;
            return ReadOutcome::Cancelled;
        }
    }
    return read->fault.isEmpty() ? ReadOutcome::Read : ReadOutcome::Failed;
}

} // namespace

void setQuietReadTime(int milliseconds)
{
    quietReadMs = milliseconds;
}

bool openListFile(AppContext &context, const QString &path, bool *cancelled)
{
    if (cancelled)
        *cancelled = false;
    const std::shared_ptr<ListRead> read = startReading(path);
    const int slot = context.lists.allocateSlot();
    context.loadingSlot = slot;
    PlayList &list = windowForSlot(context, slot);
    setUp(context, list, slot, path);

    const QPointer<PlayList> guard(&list);
    const ReadOutcome outcome = finishReading(list, read);
    // Other lists may have opened while this one was read.
    context.loadingSlot = slot;
    if (outcome != ReadOutcome::Read) {
        if (outcome == ReadOutcome::Failed && read->tooLarge)
            reportTooLarge(context, path);
        if (cancelled)
            *cancelled = outcome == ReadOutcome::Cancelled;
        // Nothing is shown for a list that cannot be read, and its slot goes to the next list.
        if (guard) {
            context.lists.slotAt(slot).isFree = true;
            context.lists.setPlayList(slot, nullptr);
            discardWindow(context, *guard);
        }
        return false;
    }
    list.encoding = read->content.encoding;
    list.model().setContent(std::move(read->content.texts), std::move(read->content.refs));
    list.show();
    checkMissing(list);
    if (context.settings.alwaysSort == u"True"_s) {
        // The window may be closed while the waiting events run.
        const QPointer<PlayList> guard(&list);
        QCoreApplication::processEvents();
        if (guard)
            sortList(*guard);
        // The list as opened, sorted, is where undoing stops.
        if (guard)
            guard->undoStack().clear();
    }
    return true;
}

QString saveList(AppContext &context, PlayList &list)
{
    // Saved now, a list still being read would be saved empty over its file.
    if (list.isLoading())
        return QCoreApplication::translate("PlayList", "The list is still being read.");
    const QString fileName = PlayListEntry::trimBlanks(list.path());
    QString fault = writeFileAtomically(fileName, M3UFile::format(list.model(), list.encoding));
    if (!fault.isEmpty())
        return fault;
    context.lists.slotAt(list.slot()).changed = false;
    list.undoStack().setClean();
    Recovery::forget(context, list.slot());
    return {};
}

void save(AppContext &context, PlayList &list)
{
    if (list.isLoading())
        return;
    if (list.isUntitled()) {
        openFileDialog(context, FileDialogPurpose::SaveList, list.slot());
        return;
    }
    // A failed save keeps the list marked changed, so nothing is lost on closing.
    const QString fault = saveList(context, list);
    if (!fault.isEmpty())
        ErrorMessages::showError(context, ErrorNumber::CannotWrite, fault);
}

void saveAs(AppContext &context, PlayList &list)
{
    if (list.isLoading())
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

void runEdit(AppContext &context, PlayList &list, Edit edit)
{
    // A list being read takes its entries from its file alone.
    if (list.isLoading())
        return;
    PlayListModel &model = list.model();
    bool changed = true;
    switch (edit) {
    case Edit::RemoveOne: {
        changed = model.currentIndex() >= 0;
        PlayListModel::Removal removed = model.removeOne();
        if (!removed.rows.empty())
            pushDone(list, new EntriesCommand(model, EntriesCommand::Kind::Removed, std::move(removed)));
        break;
    }
    case Edit::RemoveSelected:
    case Edit::DeleteKey: {
        PlayListModel::Removal removed = model.removeSelected();
        if (!removed.rows.empty())
            pushDone(list, new EntriesCommand(model, EntriesCommand::Kind::Removed, std::move(removed)));
        break;
    }
    case Edit::MoveUp:
    case Edit::MoveDown: {
        const int caret = model.currentIndex();
        const bool up = edit == Edit::MoveUp;
        if (up ? model.moveUp() : model.moveDown())
            pushDone(list, new ListEdits::MoveCommand(model, caret, up ? caret - 1 : caret + 1));
        break;
    }
    case Edit::Clear: {
        PlayListModel::Removal removed = model.clear();
        if (!removed.rows.empty())
            pushDone(list, new EntriesCommand(model, EntriesCommand::Kind::Removed, std::move(removed)));
        break;
    }
    case Edit::SelectAll:
        model.selectAll();
        changed = false;
        break;
    case Edit::Sort:
        pushDone(list, new ListEdits::SortCommand(model, sortList(list)));
        changed = false;
        break;
    case Edit::RemoveMissing:
    case Edit::RemoveDuplicates: {
        PlayListModel::Removal removed =
            model.takeRows(edit == Edit::RemoveMissing ? missingRows(list) : duplicateRows(list));
        changed = !removed.rows.empty();
        if (changed)
            pushDone(list, new EntriesCommand(model, EntriesCommand::Kind::Removed, std::move(removed)));
        break;
    }
    case Edit::MakeRelative:
    case Edit::MakeAbsolute:
        changed = changePaths(list, edit == Edit::MakeRelative);
        break;
    }
    if (changed)
        context.lists.slotAt(list.slot()).changed = true;
}

void reportPlayFailure(AppContext &context, int count, const QString &fault)
{
    if (context.skipNextPlayError) {
        context.skipNextPlayError = false;
        return;
    }
    ErrorMessages::showError(context, count == 0 ? ErrorNumber::NoMp3InList : ErrorNumber::PlayerMissing, fault);
}

void play(AppContext &context, PlayList &list, PlayMode mode)
{
    if (list.isLoading())
        return;
    const PlayListModel &model = list.model();
    const int count = model.count();
    if (count == 0) {
        reportPlayFailure(context, count, QString());
        return;
    }
    if (mode == PlayMode::Current && model.currentIndex() < 0)
        return;

    // The entries to play, as references into the list's texts: playing them all shares the list's own.
    QList<EntryTexts::Ref> toPlay;
    switch (mode) {
    case PlayMode::Current:
        toPlay.append(model.refs().at(model.currentIndex()));
        break;
    case PlayMode::Selected:
        for (const int row : model.selectedRows())
            toPlay.append(model.refs().at(row));
        break;
    case PlayMode::All:
        toPlay = model.refs();
        break;
    }

    if (isThisProgram(list.playerPath)) {
        reportPlayFailure(context, count,
                          QCoreApplication::translate("PlayList", "The player is TUNARY itself: choose another one "
                                                                  "in Settings > Configuration."));
        return;
    }
    // Each play has a file of its own: a player that reads its file late still gets this play's list.
    const PlayFiles::Made playFile =
        PlayFiles::make(context.platform.folders.playFile(),
                        M3UFile::format(model.texts(), toPlay, ListEncoding::EightBit, listFolder(list)));
    QString fault = playFile.fault;
    if (fault.isEmpty()) {
        const QString argument = QDir::toNativeSeparators(playFile.path);
        const StartResult started = context.platform.programStarter.start(list.playerPath, {argument});
        fault = started.error;
        if (fault.isEmpty()) {
            context.rememberPlayer(started.pid);
            return;
        }
        QFile::remove(playFile.path); // no player will read it
    }
    reportPlayFailure(context, count, fault);
}

bool isThisProgram(const QString &player)
{
    QString path = player.trimmed();
    if (path.isEmpty())
        return false;
    if (!QFileInfo(path).isAbsolute())
        path = QStandardPaths::findExecutable(path);
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    return !path.isEmpty() && QFileInfo(path).canonicalFilePath() == self;
}

bool refuseOwnPlayFile(AppContext &context, const QString &path)
{
    if (!PlayFiles::isPlayFile(context.platform.folders.playFile(), path))
        return false;
    if (!std::exchange(context.playLoopReported, true)) {
        const QString text =
            QCoreApplication::translate("PlayList", "TUNARY was handed back one of its own play files:\r%1\r\r"
                                                    "The player in Settings > Configuration (%2) seems to give its "
                                                    "lists back to TUNARY, so they are not played again. Please "
                                                    "choose another player.")
                .arg(path, context.settings.playerPath);
        context.platform.messageBoxes.show({u"TUNARY"_s, text, MessageIcon::Warning, MessageButtons::Ok});
    }
    return true;
}

void listPressed(AppContext &context, PlayList &list)
{
    context.lists.slotAt(list.slot()).dropReady = false;
}

void dropTimeout(AppContext &context, PlayList &list)
{
    context.lists.slotAt(list.slot()).dropReady = true;
}

void appendUndoably(PlayList &list, const QList<PlayListModel::Entry> &entries, int dropBatch)
{
    PlayListModel &model = list.model();
    const int before = model.count();
    model.appendEntries(entries);
    if (model.count() == before)
        return;
    PlayListModel::Removal added;
    added.rows.resize(size_t(model.count() - before));
    std::iota(added.rows.begin(), added.rows.end(), before);
    pushDone(list, new EntriesCommand(model, EntriesCommand::Kind::Added, std::move(added), dropBatch));
}

void undo(AppContext &context, PlayList &list)
{
    list.undoStack().undo();
    context.lists.slotAt(list.slot()).changed = !list.undoStack().isClean();
    // Entries that come back are looked for again, as their marks went with them.
    checkMissing(list);
}

void redo(AppContext &context, PlayList &list)
{
    list.undoStack().redo();
    context.lists.slotAt(list.slot()).changed = !list.undoStack().isClean();
    checkMissing(list);
}

bool dropEntries(AppContext &context, PlayList &target, const QList<PlayListModel::Entry> &entries)
{
    ListSlot &state = context.lists.slotAt(target.slot());
    if (!state.dropReady || target.isLoading())
        return false;
    state.changed = true;
    appendUndoably(target, entries);
    return true;
}

bool queryClose(AppContext &context, PlayList &list, bool frameClosing)
{
    if (frameClosing)
        context.frameClosing = true;
    const int slot = list.slot();
    if (!context.lists.slotAt(slot).changed)
        return true;

    // While the box is open, lists may be opened or closed: the table is looked up again afterwards.
    const QPointer<PlayList> guard(&list);
    const MessageAnswer answer =
        context.platform.messageBoxes.show({u"Save First?"_s, u"Save Changes to "_s + list.caption() + u'?',
                                            MessageIcon::None, MessageButtons::YesNoCancel});
    if (!guard)
        return false;
    switch (answer) {
    case MessageAnswer::Yes:
        // The file dialog saves the list and closes it (and the frame, when it was closing) afterwards.
        saveAndCloseList(context, slot);
        return false;
    case MessageAnswer::No: {
        ListSlot &state = context.lists.slotAt(slot);
        state.changed = false;
        state.isFree = true;
        Recovery::forget(context, slot);
        return true;
    }
    default:
        // A refused close of the frame is over: a later save must not end the program.
        context.frameClosing = false;
        return false;
    }
}

} // namespace PlayListCommands
