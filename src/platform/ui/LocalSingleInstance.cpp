// SPDX-License-Identifier: MIT

#include "platform/ui/LocalSingleInstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>

#include "platform/Folders.h"
#include "platform/SafeWrite.h"

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

constexpr int kConnectWaitMs = 500;
// A copy writes its lock right after making it: an unreadable lock younger than this may be one on its way.
constexpr int kSettleMs = 1000;
// How long a later copy looks at a lock it can neither take nor tell apart from a running copy's.
constexpr int kDecideMs = 2000;
constexpr int kLookAgainMs = 50;
// A later copy may find the lock taken a moment before the running copy listens.
constexpr int kFindServerMs = 2000;
// No later copy's line is longer than a few names; a longer one is no message of ours.
constexpr qint64 kMaxMessage = 1024LL * 1024;

// One name per program folder, so copies with settings of their own (another XDG_CONFIG_HOME) run side by side.
QString instanceName(const QString &programFolder)
{
    return u"tunary-"_s + folderKey(programFolder);
}

// Socket paths are short on every system that has them.
constexpr qsizetype kMaxSocketPath = 100;

#ifndef Q_OS_WIN
// A folder only this user may enter, and no link that could lead elsewhere.
bool isPrivateFolder(const QString &folder)
{
    const QFileInfo info(folder);
    constexpr QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                 QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                 QFileDevice::WriteOther | QFileDevice::ExeOther;
    return info.isDir() && !info.isSymLink() && info.ownerId() == ::getuid() && !(info.permissions() & kOthers);
}

// Where a socket may go when the runtime folder cannot take it: the settings folder, or else this user's own
// folder in the temporary folder, made private. Never a name in a folder that everybody can write to.
QString privateSocketFolder(const QString &programFolder)
{
    if (programFolder.size() + 30 < kMaxSocketPath && makePrivateFolder(programFolder) &&
        isPrivateFolder(programFolder))
        return programFolder;
    const QString own = QDir::tempPath() + u"/tunary-"_s + QString::number(::getuid());
    QDir().mkdir(own);
    QFile::setPermissions(own, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return isPrivateFolder(own) ? own : QString();
}
#endif

QString serverNameFor(const QString &programFolder, const QString &runtimeFolder)
{
    const QString name = instanceName(programFolder);
#ifdef Q_OS_WIN
    // A named pipe, in no folder; the server lets this user alone connect.
    Q_UNUSED(runtimeFolder)
    return name;
#else
    // The user's private runtime folder keeps other users away from the socket.
    QString inRuntime = runtimeFolder + u'/' + name;
    if (!runtimeFolder.isEmpty() && inRuntime.size() < kMaxSocketPath)
        return inRuntime;
    const QString folder = privateSocketFolder(programFolder);
    return folder.isEmpty() ? QString() : folder + u'/' + name + u".socket"_s;
#endif
}

// Beside the socket, in the user's private runtime folder. On Windows the socket is a named pipe, in no folder:
// the lock stays beside the settings there.
QString lockPathFor(const QString &programFolder, const QString &runtimeFolder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(runtimeFolder)
    return programFolder + u"/tunary.lock"_s;
#else
    if (runtimeFolder.isEmpty())
        return programFolder + u"/tunary.lock"_s;
    return runtimeFolder + u'/' + instanceName(programFolder) + u".lock"_s;
#endif
}

// A process of this user that runs a program of this one's name. Where the system has no /proc, no process
// can be shown to be one; the running copy's socket and its hold on the lock file decide there.
bool isRunningCopy(qint64 pid)
{
    const QString process = u"/proc/"_s + QString::number(pid);
    const QFileInfo info(process);
    if (!info.exists() || info.ownerId() != QFileInfo(u"/proc/self"_s).ownerId())
        return false;
    QString program = QFileInfo(process + u"/exe"_s).symLinkTarget();
    // A program replaced on disk while it runs (rebuilt, updated) is still that program.
    const QString replaced = u" (deleted)"_s;
    if (program.endsWith(replaced))
        program.chop(replaced.size());
    return !program.isEmpty() &&
           QFileInfo(program).fileName() == QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

} // namespace

LocalSingleInstance::LocalSingleInstance(const QString &programFolder, const QString &runtimeFolder, QObject *parent)
    : QObject(parent)
    , m_lockPath(lockPathFor(programFolder, runtimeFolder))
    , m_lock(m_lockPath)
    , m_serverName(serverNameFor(programFolder, runtimeFolder))
{
    // The running copy holds the lock for its whole life: it must never look stale because it is old.
    m_lock.setStaleLockTime(0);
}

LocalSingleInstance::~LocalSingleInstance() = default;

bool LocalSingleInstance::tryBecomePrimary()
{
    m_undecidedReason.clear();
    if (m_lock.isLocked())
        return true;
    // True when the lock is ours, or when the folder cannot hold one: then this copy runs rather than none.
    const auto takeLock = [this] { return m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError; };
    QElapsedTimer looking;
    looking.start();
    bool primary = takeLock();
    while (!primary) {
        if (runningCopyAnswers())
            return false;
        const LockState seen = lockState();
        if (seen == LockState::RunningCopy)
            return false;
        if (seen != LockState::Unsettled) {
            // Two copies must not remove it at once: the later one would remove the lock the first just took.
            QLockFile removing(m_lockPath + u".rmlock"_s);
            const LockState state = removing.tryLock(kLookAgainMs) ? lockState() : LockState::Unsettled;
            if (state == LockState::Stale || state == LockState::OtherMachine) {
                // A lock its owner still holds open is not removed; one held from another machine (a shared
                // home folder) does not stop this one: one copy per machine, and none runs here.
                primary = m_lock.removeStaleLockFile() ? takeLock() : state == LockState::OtherMachine;
                if (primary)
                    break;
            }
        }
        if (looking.hasExpired(kDecideMs)) {
            m_undecidedReason =
                QCoreApplication::translate("LocalSingleInstance",
                                            "TUNARY cannot tell whether it is already running: the lock file %1 is "
                                            "in use but names no running copy. If no TUNARY window is open, delete "
                                            "that file and start TUNARY again.")
                    .arg(QDir::toNativeSeparators(m_lockPath));
            return false;
        }
        QThread::msleep(kLookAgainMs);
    }
    listen();
    return true;
}

LocalSingleInstance::LockState LocalSingleInstance::lockState() const
{
    qint64 pid = 0;
    QString host;
    QString program;
    if (m_lock.getLockInfo(&pid, &host, &program)) {
        if (host != QSysInfo::machineHostName())
            return LockState::OtherMachine;
        return isRunningCopy(pid) ? LockState::RunningCopy : LockState::Stale;
    }
    const QFileInfo file(m_lockPath);
    if (!file.exists())
        return LockState::Unsettled;
    const qint64 age = file.lastModified().msecsTo(QDateTime::currentDateTimeUtc());
    return qAbs(age) < kSettleMs ? LockState::Unsettled : LockState::Stale;
}

bool LocalSingleInstance::runningCopyAnswers() const
{
    if (m_serverName.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    const bool answers = socket.waitForConnected(kConnectWaitMs);
    socket.abort();
    return answers;
}

void LocalSingleInstance::listen()
{
    if (m_server || m_serverName.isEmpty())
        return;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Many later copies may knock at once (a file manager opening a hundred lists): none is turned away.
    m_server->setListenBacklogSize(512);
    m_server->setMaxPendingConnections(512);
    // A socket left by a copy that crashed would block the name; the lock says it is ours now.
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName))
        return;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            // What came before the end is heard first: a later copy may say "ok" and end at once.
            connect(socket, &QLocalSocket::disconnected, socket, [this, socket] {
                hear(socket);
                socket->deleteLater();
            });
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { hear(socket); });
            hear(socket);
        }
    });
}

// A later copy that only looks whether this one runs says nothing. One with a message is answered "1" when
// there is somebody to take it, and the message is taken only once the later copy says "ok": a later copy
// that gave up waiting (this copy was stopped, say) keeps its list in the hand-off file instead, and a list
// is never taken twice.
void LocalSingleInstance::hear(QLocalSocket *socket)
{
    while (socket->canReadLine()) {
        QByteArray line = socket->readLine(kMaxMessage);
        line.chop(1);
        const QByteArray message = socket->property("message").toByteArray();
        if (message.isNull()) {
            socket->setProperty("message", line.isNull() ? QByteArray("") : line);
            const bool accepted = m_handler.accepts && m_handler.accepts(line);
            socket->write(accepted ? "1\n" : "0\n");
            socket->flush();
            if (!accepted) {
                socket->disconnectFromServer();
                return;
            }
        } else {
            if (line == "ok" && m_handler.take)
                m_handler.take(message);
            socket->disconnectFromServer();
            return;
        }
    }
    if (socket->bytesAvailable() > kMaxMessage)
        socket->abort();
}

SingleInstance::Delivery LocalSingleInstance::send(const QByteArray &message)
{
    if (m_serverName.isEmpty())
        return Delivery::NoAnswer;
    QElapsedTimer clock;
    clock.start();
    const auto left = [this, &clock] { return int(qMax<qint64>(0, m_deliveryMs - clock.elapsed())); };
    QLocalSocket socket;
    // A busy copy's queue of connections may be full for a moment, or its socket not made yet: knock again.
    for (;;) {
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(qMin(left(), kConnectWaitMs)))
            break;
        const bool notThere = socket.error() == QLocalSocket::ServerNotFoundError;
        socket.abort();
        if (left() == 0 || (notThere && clock.elapsed() > kFindServerMs))
            return Delivery::NoAnswer;
        QThread::msleep(kLookAgainMs);
    }
    const auto writeAll = [&socket, &left] {
        while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(left())) {
        }
        return socket.bytesToWrite() == 0 && socket.state() == QLocalSocket::ConnectedState;
    };
    socket.write(message + '\n');
    writeAll();
    while (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState && left() > 0)
        socket.waitForReadyRead(left());
    if (!socket.canReadLine()) {
        socket.abort();
        return Delivery::NoAnswer;
    }
    if (socket.readLine().trimmed() != "1") {
        socket.abort();
        return Delivery::Refused;
    }
    // Past this word the running copy has the message; without it, it drops it.
    socket.write("ok\n");
    const bool confirmed = writeAll();
    if (confirmed)
        socket.disconnectFromServer();
    else
        socket.abort();
    return confirmed ? Delivery::Kept : Delivery::NoAnswer;
}

void LocalSingleInstance::setMessageHandler(MessageHandler handler)
{
    m_handler = std::move(handler);
}

void LocalSingleInstance::stopListening()
{
    if (!m_server)
        return;
    m_server->close();
    // A later copy that heard the yes has said "ok", or is about to: its line is taken before this copy goes.
    constexpr int kLastWordMs = 500;
    for (QLocalSocket *socket : m_server->findChildren<QLocalSocket *>()) {
        if (socket->property("message").isNull() || socket->state() != QLocalSocket::ConnectedState)
            continue;
        if (!socket->canReadLine())
            socket->waitForReadyRead(kLastWordMs);
        hear(socket);
    }
}
