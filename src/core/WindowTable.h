// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

/** The per-slot state of one play-list window. */
struct ListSlot
{
    bool isFree = false;
};

/**
 * The table of open play-list windows, numbered by slot from 1. Slot 1 holds a hidden window, so the first
 * list the user sees has slot 2.
 */
class WindowTable
{
public:
    /** Number of slots; slots run from 1 to this. */
    int size() const { return int(m_slots.size()); }

    /** Makes the table exactly one slot long, with an empty record. */
    void resetToOneSlot();

    /** The lowest free slot, taken; or a new slot at the end when none is free. */
    int allocateSlot();

    ListSlot &slotAt(int slot);
    const ListSlot &slotAt(int slot) const;

    QObject *windowAt(int slot) const;
    void setPlayList(int slot, QObject *window);

private:
    struct Row
    {
        ListSlot state;
        QPointer<QObject> window;
    };
    QList<Row> m_slots;
};
