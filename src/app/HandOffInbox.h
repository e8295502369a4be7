// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTimer>

#include "platform/SingleInstance.h"

class AppContext;

/**
 * The running copy's side of the hand-off: the lists later starts hand over, kept in memory as they arrive
 * and opened and played one at a time once the windows are free (no box or dialog open, the start-up list
 * taken care of). Lists left in the hand-off file, by a later start that got no answer or by a run that ended
 * before it could open them, are taken too. Whatever is still waiting when the program ends goes back to the
 * hand-off file for the next start.
 */
class HandOffInbox : public QObject
{
    Q_OBJECT

public:
    explicit HandOffInbox(AppContext &context, QObject *parent = nullptr);

    /** Whether the windows are busy (unless set: the start not done, or a box open); lists wait meanwhile. */
    void setBusyCheck(std::function<bool()> busy) { m_busy = std::move(busy); }

    /**
     * Whether a later start's message is taken: a request, while the program is not ending. Who sent it is
     * looked at now, while that start still waits for the answer.
     */
    bool accepts(const QByteArray &message);
    /** A message accepted: its list is opened (or, once the program is ending, kept in the hand-off file). */
    void take(const QByteArray &message);
    /** accepts() and take(), for the running copy's socket. */
    SingleInstance::MessageHandler messageHandler();
    /**
     * Takes the lists waiting in the hand-off file, and from now on whenever that file changes. Those found now
     * were left by a start while no copy answered: they open, but only those that come later are played.
     */
    void watchFile();
    /** The program is ending: nothing more opens, and what waits (or comes) goes to the hand-off file. */
    QString close();

    int waiting() const { return int(m_waiting.size()); }

signals:
    /** A later start asked for the running copy: the frame comes to the front. */
    void frontRequested();

private:
    struct Waiting
    {
        QByteArray list;
        bool play = true;
    };

    void takeFile(bool play);
    void deliverSoon();
    void deliverNext();

    AppContext &m_context;
    std::function<bool()> m_busy;
    QList<Waiting> m_waiting;
    /** The messages accepted but not yet taken, and whether a player of ours sent each. */
    QHash<QByteArray, bool> m_fromOurPlayer;
    // The list being opened now, until it has been read; null when none is.
    QByteArray m_opening;
    QTimer m_next;
    QFileSystemWatcher m_watcher;
    bool m_closed = false;
};
