// SPDX-License-Identifier: MIT

#pragma once

#include <QLockFile>
#include <QObject>

#include "platform/SingleInstance.h"

class QLocalServer;

/**
 * One running copy per program folder: a lock file and a local socket on which the running copy hears "come to
 * the front", both in the user's runtime folder (the lock stays beside the settings on Windows, and where there
 * is no runtime folder). A copy runs when its socket answers, or when its lock names a live
 * process of this user on this machine running this program. Any other lock (left by a crash or a power cut,
 * damaged, written on another machine) is stale and taken over, unless a live process still holds it open:
 * then this copy cannot tell, and says why.
 */
class LocalSingleInstance : public QObject, public SingleInstance
{
    Q_OBJECT

public:
    /** runtimeFolder: the user's private folder for what lasts one run; empty where the system has none. */
    LocalSingleInstance(const QString &programFolder, const QString &runtimeFolder, QObject *parent = nullptr);
    ~LocalSingleInstance() override;

    QString lockPath() const { return m_lockPath; }

    bool tryBecomePrimary() override;
    QString undecidedReason() const override { return m_undecidedReason; }
    void activateRunningCopy() override;
    void setActivationHandler(std::function<void()> handler) override;

private:
    /** Unsettled: missing, or unreadable and so young that a copy may be writing it right now. */
    enum class LockState { RunningCopy, Stale, OtherMachine, Unsettled };

    LockState lockState() const;
    bool runningCopyAnswers() const;
    void listen();

    QString m_lockPath;
    QLockFile m_lock;
    QString m_serverName;
    QLocalServer *m_server = nullptr;
    std::function<void()> m_handler;
    QString m_undecidedReason;
};
