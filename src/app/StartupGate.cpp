// SPDX-License-Identifier: MIT

#include "app/StartupGate.h"

#include <QCoreApplication>

#include "app/HandOff.h"
#include "platform/Folders.h"
#include "platform/SingleInstance.h"

StartupGate::StartupGate(Folders &folders, SingleInstance &instance)
    : m_folders(folders)
    , m_instance(instance)
{}

StartupGate::Outcome StartupGate::decide(const QByteArray &list)
{
    m_fault.clear();
    m_keptInFile = false;
    m_folders.ensureProgramFolder();

    // A hand-off file left waiting is not touched here: the running copy, this one included, takes it.
    if (m_instance.tryBecomePrimary())
        return Outcome::ShowSplash;

    // Handing off when no copy may run would lose the list without a word.
    m_fault = m_instance.undecidedReason();
    if (!m_fault.isEmpty())
        return Outcome::CannotTell;

    const HandOff::Request request{list, QCoreApplication::applicationPid()};
    switch (m_instance.send(HandOff::formatRequest(request))) {
    case SingleInstance::Delivery::Kept:
        return Outcome::End;
    case SingleInstance::Delivery::Refused:
    case SingleInstance::Delivery::NoAnswer:
        break;
    }
    // Without a list there is nothing to keep: the running copy just did not come to the front.
    if (list.isEmpty())
        return Outcome::End;
    // The running copy, or else the next start, takes it from the file.
    const QString fault = HandOff::append(m_folders.handOffFile(), {list});
    if (!fault.isEmpty()) {
        m_fault = QCoreApplication::translate("StartupGate",
                                              "TUNARY is running but did not answer, and the list could not be "
                                              "left for it: %1")
                      .arg(fault);
        return Outcome::CannotHandOver;
    }
    m_keptInFile = true;
    return Outcome::End;
}
