// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

#include <QByteArray>
#include <QString>

/** Keeps one copy of the program running per user and settings folder, and carries a later copy's word to it. */
class SingleInstance
{
public:
    /** What became of a message a later copy sent. */
    enum class Delivery {
        /** The running copy answered that it keeps it. */
        Kept,
        /** The running copy answered that it takes no messages. */
        Refused,
        /** No copy answered in time. */
        NoAnswer,
    };

    virtual ~SingleInstance() = default;

    /** True when no other copy runs; this copy then stays the running one until it ends. */
    virtual bool tryBecomePrimary() = 0;
    /**
     * After tryBecomePrimary() said no: empty when a running copy was seen, else why this copy cannot tell
     * whether one runs (a text for the user).
     */
    virtual QString undecidedReason() const { return {}; }
    /** A later copy: hands one line (no line break) to the running copy and waits a while at most for its answer. */
    virtual Delivery send(const QByteArray &message) = 0;
    /**
     * How the running copy hears later copies: whether it takes a line, asked while the later copy waits (no
     * answers "0", and the later copy keeps its list itself), and what it does with the line once the later
     * copy has heard the yes.
     */
    struct MessageHandler
    {
        std::function<bool(const QByteArray &)> accepts;
        std::function<void(const QByteArray &)> take;
    };
    virtual void setMessageHandler(MessageHandler handler) = 0;
    /** The running copy is ending: no later copy is heard any more, and lines already said yes to are taken now. */
    virtual void stopListening() {}
};
