// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

#include <QString>

/** Keeps one copy of the program running per user and lets a later copy bring it to the front. */
class SingleInstance
{
public:
    virtual ~SingleInstance() = default;

    /** True when no other copy runs; this copy then stays the running one until it ends. */
    virtual bool tryBecomePrimary() = 0;
    /**
     * After tryBecomePrimary() said no: empty when a running copy was seen, else why this copy cannot tell
     * whether one runs (a text for the user).
     */
    virtual QString undecidedReason() const { return {}; }
    /** Asks the running copy to come to the front, without waiting for it. */
    virtual void activateRunningCopy() = 0;
    /** What the running copy does when a later copy asks it to come to the front. */
    virtual void setActivationHandler(std::function<void()> handler) = 0;
};
