#include "platform/LocalSingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

constexpr int kConnectWaitMs = 500;

QString serverNameFor(const QString &programFolder)
{
    const QByteArray hash = QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha1).toHex();
    const QString name = u"tunary-"_s + QString::fromLatin1(hash.left(16));
    // The user's private runtime folder keeps other users away from the socket; socket paths are short.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString inRuntime = runtime + u'/' + name;
    return (!runtime.isEmpty() && inRuntime.size() < 100) ? inRuntime : name;
}

} // namespace

LocalSingleInstance::LocalSingleInstance(const QString &programFolder, QObject *parent)
    : QObject(parent)
    , m_lock(programFolder + u"/tunary.lock"_s)
    , m_serverName(serverNameFor(programFolder))
{
    // The running copy holds the lock for its whole life: it must never look stale because it is old.
    m_lock.setStaleLockTime(0);
}

LocalSingleInstance::~LocalSingleInstance() = default;

bool LocalSingleInstance::tryBecomePrimary()
{
    if (m_lock.isLocked())
        return true;
    if (!m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError)
        return false;
    // Either the lock is ours, or the folder cannot hold one: then this copy runs rather than none.
    listen();
    return true;
}

void LocalSingleInstance::listen()
{
    if (m_server)
        return;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a copy that crashed would block the name; the lock says it is ours now.
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName))
        return;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
            if (m_handler)
                m_handler();
        }
    });
}

void LocalSingleInstance::activateRunningCopy()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kConnectWaitMs))
        return;
    socket.write("activate\n");
    socket.waitForBytesWritten(kConnectWaitMs);
    socket.disconnectFromServer();
}

void LocalSingleInstance::setActivationHandler(std::function<void()> handler)
{
    m_handler = std::move(handler);
}
