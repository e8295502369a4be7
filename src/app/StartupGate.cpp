// SPDX-License-Identifier: MIT

#include "app/StartupGate.h"

#include "app/HandOff.h"
#include "platform/Folders.h"
#include "platform/SingleInstance.h"

StartupGate::StartupGate(Folders &folders, SingleInstance &instance)
    : m_folders(folders)
    , m_instance(instance)
{}

StartupGate::Outcome StartupGate::decide(const QString &commandLine)
{
    m_folders.ensureProgramFolder();

    if (m_instance.tryBecomePrimary()) {
        // Only the first copy clears a leftover: a later copy would delete a hand-off still waiting.
        HandOff::removeLeftover(m_folders.handOffFile());
        return Outcome::ShowSplash;
    }

    // Handing off when no copy may run would lose the list without a word.
    m_fault = m_instance.undecidedReason();
    if (!m_fault.isEmpty())
        return Outcome::CannotTell;

    if (!commandLine.isEmpty()) {
        HandOff::append(m_folders.handOffFile(), commandLine);
        m_instance.activateRunningCopy();
    }
    return Outcome::End;
}
