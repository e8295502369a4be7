#pragma once

#include <QLockFile>
#include <QObject>

#include "platform/SingleInstance.h"

class QLocalServer;

/**
 * One running copy per program folder: a lock file beside the settings (a lock left by a copy that crashed
 * is recognised and taken over) and a local socket on which the running copy hears "come to the front".
 */
class LocalSingleInstance : public QObject, public SingleInstance
{
    Q_OBJECT

public:
    explicit LocalSingleInstance(const QString &programFolder, QObject *parent = nullptr);
    ~LocalSingleInstance() override;

    bool tryBecomePrimary() override;
    void activateRunningCopy() override;
    void setActivationHandler(std::function<void()> handler) override;

private:
    void listen();

    QLockFile m_lock;
    QString m_serverName;
    QLocalServer *m_server = nullptr;
    std::function<void()> m_handler;
};
