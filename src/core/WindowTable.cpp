// SPDX-License-Identifier: MIT

#include "core/WindowTable.h"

void WindowTable::resetToOneSlot()
{
    m_slots = QList<Row>(1);
}

int WindowTable::allocateSlot()
{
    for (qsizetype i = 0; i < m_slots.size(); ++i) {
        if (m_slots[i].state.isFree) {
            m_slots[i].state.isFree = false;
            return int(i) + 1;
        }
    }
    m_slots.append(Row{});
    return int(m_slots.size());
}

ListSlot &WindowTable::slotAt(int slot)
{
    Q_ASSERT(slot >= 1 && slot <= size());
    return m_slots[slot - 1].state;
}

const ListSlot &WindowTable::slotAt(int slot) const
{
    Q_ASSERT(slot >= 1 && slot <= size());
    return m_slots[slot - 1].state;
}

QObject *WindowTable::windowAt(int slot) const
{
    if (slot < 1 || slot > size())
        return nullptr;
    return m_slots[slot - 1].window;
}

void WindowTable::setPlayList(int slot, QObject *window)
{
    Q_ASSERT(slot >= 1 && slot <= size());
    m_slots[slot - 1].window = window;
}
