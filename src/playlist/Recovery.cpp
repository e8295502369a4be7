// SPDX-License-Identifier: MIT

#include "playlist/Recovery.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutex>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include "core/AppContext.h"
#include "core/ApplicationWorker.h"
#include "platform/Folders.h"
#include "platform/MessageBoxes.h"
#include "platform/SafeWrite.h"
#include "playlist/M3UFile.h"
#include "playlist/OpenLists.h"
#include "playlist/PlayList.h"

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcRecovery, "tunary.recovery", QtInfoMsg)

namespace Recovery {

namespace {

// A change is on disk within two seconds: the first change of a burst waits this long for the rest.
constexpr int kDelayMs = 1500;

// The worker that writes and removes kept lists, owned by the application, whose end waits for its last task.
// One thread, so that the writes and removals of a list happen in the order they were asked for.
class Writer : public ApplicationWorker
{
public:
    static constexpr auto kName = "recoveryWriter";

    explicit Writer(QObject *application)
        : ApplicationWorker(application, kName)
    {}
    // The tasks use this object's members: they end before those go.
    ~Writer() override { m_pool.waitForDone(); }

    template <typename Task>
    void run(Task task)
    {
        // The future is not kept: finish() waits on the pool, since waiting on a future may run a task not yet
        // started on the waiting thread, ahead of its turn.
        (void)QtConcurrent::run(&m_pool, [this, task = std::move(task)] {
            const QMutexLocker held(&m_held);
            task();
        });
    }
    void finish() { m_pool.waitForDone(); }
    void hold(bool held) { held ? m_held.lock() : m_held.unlock(); }

    // Keeping is a safety net: a folder that cannot be written is worth a line in the log, once per fault, and
    // never a box. Only tasks call this.
    void reportFault(const QString &fault)
    {
        if (fault.isEmpty() || fault == m_lastFault)
            return;
        m_lastFault = fault;
        qCWarning(lcRecovery).noquote() << "changed lists cannot be kept for recovery:" << fault;
    }

private:
    QMutex m_held;
    QString m_lastFault;
};

Writer &writer()
{
    return ApplicationWorker::of<Writer>(QCoreApplication::instance());
}

QString listFile(const AppContext &context, int slot)
{
    return context.platform.folders.recoveryFolder() + u"/list-%1.m3u"_s.arg(slot);
}

// Beside each kept list, the file it belongs to; empty for an untitled list.
QString pathFileOf(const QString &listFile)
{
    return listFile.chopped(4) + u".path"_s;
}

QString originalPath(const QString &listFile)
{
    QFile file(pathFileOf(listFile));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.read(64LL * 1024)) : QString();
}

// Writes a list to the recovery folder when the list changes, a little later.
class Keeper : public QObject
{
public:
    static constexpr auto kName = "recoveryKeeper";

    Keeper(AppContext &context, PlayList &list)
        : QObject(&list)
    {
        setObjectName(kName);
        m_timer.setSingleShot(true);
        m_timer.setInterval(kDelayMs);
        connect(&m_timer, &QTimer::timeout, this, [&context, &list] { keepNow(context, list); });
        const auto changed = [this] {
            if (!m_timer.isActive())
                m_timer.start();
        };
        PlayListModel *model = &list.model();
        connect(model, &QAbstractItemModel::rowsInserted, this, changed);
        connect(model, &QAbstractItemModel::rowsRemoved, this, changed);
        connect(model, &QAbstractItemModel::modelReset, this, changed);
        // The grey of a missing file is no change to the list: only changes to the entries themselves count.
        connect(model, &QAbstractItemModel::dataChanged, this,
                [changed](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                    if (!roles.contains(Qt::ForegroundRole))
                        changed();
                });
    }

private:
    QTimer m_timer;
};

// Writes a list to its slot's file. Once that is written, the files of `replaced` (the kept list it was opened
// from) go: until then they still hold it.
void keep(AppContext &context, PlayList &list, const QString &replaced)
{
    // The texts and references are shared with the list, not copied; the worker formats them.
    const QString file = listFile(context, list.slot());
    const QString folder = context.platform.folders.recoveryFolder();
    Writer &worker = writer();
    worker.run([&worker, file, folder, replaced, texts = list.model().texts(), refs = list.model().refs(),
                options = M3UFile::FormatOptions{list.model().head(), list.model().tail(), {}, false},
                encoding = list.encoding, path = list.path()] {
        if (!makePrivateFolder(folder)) {
            worker.reportFault(QCoreApplication::translate("Recovery", "%1 cannot be made").arg(folder));
            return;
        }
        QString fault = writeFileAtomically(pathFileOf(file), path.toUtf8(), FileAccess::OwnerOnly);
        if (fault.isEmpty())
            fault = writeFileAtomically(file, M3UFile::format(texts, refs, encoding, options), FileAccess::OwnerOnly);
        worker.reportFault(fault.isEmpty() ? QString() : u"%1: %2"_s.arg(file, fault));
        if (fault.isEmpty() && !replaced.isEmpty()) {
            QFile::remove(replaced);
            QFile::remove(pathFileOf(replaced));
        }
    });
}

} // namespace

void watch(AppContext &context, PlayList &list)
{
    if (!list.findChild<QObject *>(QString::fromLatin1(Keeper::kName), Qt::FindDirectChildrenOnly))
        new Keeper(context, list);
}

void keepNow(AppContext &context, PlayList &list)
{
    const int slot = list.slot();
    // Slot 1 holds the hidden list, which the user never edits.
    if (slot < 2 || slot > context.lists.size())
        return;
    if (!list.isChanged()) {
        forget(context, slot);
        return;
    }
    keep(context, list, QString());
}

void forget(AppContext &context, int slot)
{
    const QString file = listFile(context, slot);
    writer().run([file] {
        QFile::remove(file);
        QFile::remove(pathFileOf(file));
    });
}

void finishWriting()
{
    writer().finish();
}

void holdWriting(bool held)
{
    writer().hold(held);
}

namespace {

// A kept list being opened again is renamed to one of these, out of the way of the names lists are kept under.
const QString kRecoveredPrefix = u"recovered-"_s;

// Lists kept by an older version lie in the recovery folder itself, which every copy shared then: the first copy
// to look takes them as its own, each moved under a name of its folder that no list is kept under, so that none
// is lost in the update.
void adoptSharedLeftovers(const QString &folder)
{
    const QDir shared(QFileInfo(folder).absolutePath());
    if (shared.dirName() != u"recovery"_s)
        return;
    const QStringList older = shared.entryList({u"list-*.m3u"_s}, QDir::Files, QDir::Name);
    if (older.isEmpty() || !makePrivateFolder(folder))
        return;
    int number = 0;
    for (const QString &name : older) {
        QString target;
        do
            target = QDir(folder).filePath(u"%1older-%2.m3u"_s.arg(kRecoveredPrefix).arg(++number));
        while (QFileInfo::exists(target));
        const QString file = shared.filePath(name);
        if (QFile::rename(file, target))
            QFile::rename(pathFileOf(file), pathFileOf(target));
    }
}

} // namespace

QStringList leftOver(const AppContext &context)
{
    const QDir folder(context.platform.folders.recoveryFolder());
    QStringList files;
    for (const QString &name : folder.entryList({u"list-*.m3u"_s, kRecoveredPrefix + u"*.m3u"_s}, QDir::Files))
        files.append(folder.filePath(name));
    return files;
}

namespace {

// A kept list is damaged when it cannot be read, or holds bytes its writer never writes.
bool isDamaged(const QString &file)
{
    M3UContent content;
    if (!M3UFile::read(file, content).isEmpty())
        return true;
    QFile check(file);
    return content.encoding != ListEncoding::Utf16LittleEndian && content.encoding != ListEncoding::Utf16BigEndian &&
           (!check.open(QIODevice::ReadOnly) || check.readAll().contains('\0'));
}

// Moves a kept list that is not opened (damaged, or its reading cancelled) out of the way, into a folder of
// its own, where nothing deletes it.
void putAside(const QString &file)
{
    const QFileInfo info(file);
    const QString folder = info.absolutePath() + u"/kept"_s;
    makePrivateFolder(folder);
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-hhmmss-zzz"_s);
    const QString target = u"%1/%2-%3"_s.arg(folder, stamp, info.fileName());
    if (QFile::rename(file, target)) {
        QFile::rename(pathFileOf(file), pathFileOf(target));
        qCWarning(lcRecovery).noquote() << "a recovery file that was not opened was put aside as" << target;
    } else {
        qCWarning(lcRecovery).noquote() << "a recovery file that was not opened cannot be put aside:" << file;
    }
}

// Renames a kept list about to be opened again to a name no list is kept under, so that keeping the lists
// opened from it and its neighbours anew overwrites none of them before it is written again.
QString setApart(const QString &file)
{
    const QFileInfo info(file);
    if (info.fileName().startsWith(kRecoveredPrefix))
        return file;
    for (int number = 1;; ++number) {
        QString target = info.dir().filePath(u"%1%2.m3u"_s.arg(kRecoveredPrefix).arg(number));
        if (QFileInfo::exists(target) || QFileInfo::exists(pathFileOf(target)))
            continue;
        if (!QFile::rename(file, target))
            return file;
        QFile::rename(pathFileOf(file), pathFileOf(target));
        return target;
    }
}

} // namespace

void offerLeftOver(AppContext &context)
{
    finishWriting();
    adoptSharedLeftovers(context.platform.folders.recoveryFolder());
    QStringList files;
    for (const QString &file : leftOver(context)) {
        if (isDamaged(file))
            putAside(file);
        else
            files.append(file);
    }
    if (files.isEmpty())
        return;
    QStringList names;
    for (const QString &file : files) {
        const QString path = originalPath(file);
        names.append(path.isEmpty() ? QCoreApplication::translate("Recovery", "an untitled list") : path);
    }
    const QString text =
        QCoreApplication::translate("Recovery", "TUNARY did not end properly last time. These play lists had "
                                                "changes that were not saved:\r\r%1\r\rOpen them again?")
            .arg(names.join(u'\r'));
    const MessageAnswer answer =
        context.platform.messageBoxes.show({QCoreApplication::translate("Recovery", "Recover Play Lists"), text,
                                            MessageIcon::Question, MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes) {
        for (const QString &file : std::as_const(files)) {
            QFile::remove(file);
            QFile::remove(pathFileOf(file));
        }
        return;
    }
    // Every file is set apart before any list is kept anew, which may be under an old file's name.
    for (QString &file : files)
        file = setApart(file);
    for (const QString &file : std::as_const(files)) {
        OpenLists::openListFile(context, file,
                                [&context, file, path = originalPath(file)](OpenLists::OpenOutcome, PlayList *list) {
                                    // A list that is not opened (its reading cancelled, say) is kept aside, not
                                    // deleted unasked.
                                    if (!list) {
                                        putAside(file);
                                        return;
                                    }
                                    // Opened again, a list is kept under its slot; its old file goes once that is
                                    // written.
                                    list->setPath(path);
                                    list->markChanged();
                                    keep(context, *list, file);
                                });
    }
}

} // namespace Recovery
