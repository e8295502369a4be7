// SPDX-License-Identifier: MIT

#pragma once

#include <QLockFile>
#include <QObject>

#include "platform/SingleInstance.h"

class QLocalServer;
class QLocalSocket;

/**
 * One running copy per program folder: a lock file and a local socket on which the running copy hears later
 * copies, both in the user's runtime folder (the lock stays beside the settings on Windows, and where there is
 * no runtime folder; the socket then goes to a folder of the user's alone). A copy runs when its socket
 * answers, or when its lock names a live process of this user on this machine running this program. Any
 * other lock (left by a crash or a power cut, damaged, written on another machine) is stale and taken over,
 * unless a live process still holds it open: then this copy cannot tell, and says why.
 *
 * A later copy's message is one line; the running copy answers "1" (it will take it) or "0", and takes it once
 * the later copy has answered "ok", so a later copy that gave up waiting never has its message taken.
 */
class LocalSingleInstance : public QObject, public SingleInstance
{
    Q_OBJECT

public:
    /** runtimeFolder: the user's private folder for what lasts one run; empty where the system has none. */
    LocalSingleInstance(const QString &programFolder, const QString &runtimeFolder, QObject *parent = nullptr);
    ~LocalSingleInstance() override;

    QString lockPath() const { return m_lockPath; }
    /** Where the running copy listens; empty when no private place could be found for it. */
    QString serverName() const { return m_serverName; }
    /** How long a later copy tries to deliver a message before it gives up (10 s unless set). */
    void setDeliveryTime(int milliseconds) { m_deliveryMs = milliseconds; }

    bool tryBecomePrimary() override;
    QString undecidedReason() const override { return m_undecidedReason; }
    Delivery send(const QByteArray &message) override;
    void setMessageHandler(MessageHandler handler) override;
    void stopListening() override;

private:
    /** Unsettled: missing, or unreadable and so young that a copy may be writing it right now. */
    enum class LockState { RunningCopy, Stale, OtherMachine, Unsettled };

    LockState lockState() const;
    bool runningCopyAnswers() const;
    void listen();
    void hear(QLocalSocket *socket);

    QString m_lockPath;
    QLockFile m_lock;
    QString m_serverName;
    QLocalServer *m_server = nullptr;
    MessageHandler m_handler;
    int m_deliveryMs = 10000;
    QString m_undecidedReason;
};
