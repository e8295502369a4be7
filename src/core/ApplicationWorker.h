// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QThreadPool>

/**
 * A worker thread owned by the application, one for each name: its tasks run one after another, in the order
 * they were given, and the application's end waits for the last.
 */
class ApplicationWorker : public QObject
{
public:
    ~ApplicationWorker() override { m_pool.waitForDone(); }

    /** The application's worker of the kind, named Worker::kName, made when first asked for. */
    template <typename Worker>
    static Worker &of(QObject *application)
    {
        const QString name = QString::fromLatin1(Worker::kName);
        auto *worker = application->findChild<Worker *>(name, Qt::FindDirectChildrenOnly);
        return worker ? *worker : *new Worker(application);
    }

protected:
    ApplicationWorker(QObject *application, const char *name)
        : QObject(application)
    {
        setObjectName(QString::fromLatin1(name));
        m_pool.setMaxThreadCount(1);
    }

    QThreadPool m_pool;
};
