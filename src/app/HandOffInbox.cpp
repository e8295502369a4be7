// SPDX-License-Identifier: MIT

#include "app/HandOffInbox.h"

#include <utility>

#include <QFileInfo>
#include <QLoggingCategory>
#include <QPointer>

#include "app/HandOff.h"
#include "app/StartUp.h"
#include "core/AppContext.h"
#include "core/PauseWatch.h"
#include "core/WindowHost.h"
#include "platform/Folders.h"
#include "platform/ProcessTree.h"

Q_LOGGING_CATEGORY(lcHandOff, "tunary.handoff", QtInfoMsg)

namespace {

// While the windows are busy, how often the lists waiting look again whether they may open.
constexpr int kBusyRetryMs = 100;

} // namespace

HandOffInbox::HandOffInbox(AppContext &context, QObject *parent)
    : QObject(parent)
    , m_context(context)
    , m_busy([&context] { return !context.startUpDone || context.frameClosing || context.host().isWaitingForUser(); })
{
    m_next.setSingleShot(true);
    connect(&m_next, &QTimer::timeout, this, &HandOffInbox::deliverNext);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { takeFile(true); });
}

bool HandOffInbox::accepts(const QByteArray &message)
{
    const std::optional<HandOff::Request> request = HandOff::parseRequest(message);
    // Once the program is ending, a later start keeps its list in the hand-off file itself.
    if (!request || m_closed)
        return false;
    // Later, the sender may be gone, and its process number another's.
    constexpr qsizetype kMaxUntaken = 1024;
    if (m_fromOurPlayer.size() >= kMaxUntaken)
        m_fromOurPlayer.clear();
    m_fromOurPlayer.insert(message, ProcessTree::descendsFrom(request->senderPid, m_context.playerProcesses));
    return true;
}

void HandOffInbox::take(const QByteArray &message)
{
    const std::optional<HandOff::Request> request = HandOff::parseRequest(message);
    const bool fromOurPlayer = m_fromOurPlayer.take(message);
    if (!request)
        return;
    if (m_closed) {
        // Said yes to just before the end: kept for the next start.
        if (!request->list.isEmpty())
            HandOff::append(m_context.platform.folders.handOffFile(), {request->list});
        return;
    }
    if (!request->list.isEmpty()) {
        // A player that hands its list back to this program would otherwise start itself again and again.
        if (fromOurPlayer)
            qCInfo(lcHandOff) << "a list handed over by a player of ours is opened, not played";
        m_waiting.append({request->list, !fromOurPlayer});
        deliverSoon();
    }
    emit frontRequested();
}

SingleInstance::MessageHandler HandOffInbox::messageHandler()
{
    return {[this](const QByteArray &message) { return accepts(message); },
            [this](const QByteArray &message) { take(message); }};
}

void HandOffInbox::watchFile()
{
    const QString file = m_context.platform.folders.handOffFile();
    m_watcher.addPath(QFileInfo(file).absolutePath());
    takeFile(false);
}

void HandOffInbox::takeFile(bool play)
{
    const QString file = m_context.platform.folders.handOffFile();
    if (m_closed || !HandOff::isWaiting(file))
        return;
    const QByteArrayList lists = HandOff::take(file);
    for (const QByteArray &list : lists)
        m_waiting.append({list, play});
    if (!lists.isEmpty()) {
        deliverSoon();
        if (play)
            emit frontRequested();
    }
}

QString HandOffInbox::close()
{
    m_closed = true;
    m_next.stop();
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    QByteArrayList lists;
    // A list still being read may not open before the program ends: it is kept with the others.
    if (!m_opening.isNull())
        lists.append(std::exchange(m_opening, {}));
    if (lists.isEmpty() && m_waiting.isEmpty())
        return {};
    for (const Waiting &waiting : std::as_const(m_waiting))
        lists.append(waiting.list);
    m_waiting.clear();
    QString fault = HandOff::append(m_context.platform.folders.handOffFile(), lists);
    if (!fault.isEmpty())
        qCWarning(lcHandOff).noquote() << "lists handed over but not opened cannot be kept:" << fault;
    return fault;
}

void HandOffInbox::deliverSoon()
{
    if (!m_next.isActive())
        m_next.start(0);
}

void HandOffInbox::deliverNext()
{
    const PauseWatch::Step step("opening a handed-over list");
    // One list at a time: the next waits until this one has been read.
    if (m_closed || m_waiting.isEmpty() || !m_opening.isNull())
        return;
    if (m_busy && m_busy()) {
        m_next.start(kBusyRetryMs);
        return;
    }
    const Waiting next = m_waiting.takeFirst();
    m_opening = next.list;
    StartUp::openHandedOver(m_context, next.list, next.play, [inbox = QPointer(this)] {
        if (!inbox)
            return;
        inbox->m_opening.clear();
        if (!inbox->m_waiting.isEmpty())
            inbox->deliverSoon();
    });
}
