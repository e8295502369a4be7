// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Folders.h"

/** The desktop's folders: the executable's folder on Windows, the per-user configuration folder elsewhere. */
class StandardFolders : public Folders
{
public:
    StandardFolders();

    QString programFolder() const override { return m_programFolder; }
    bool ensureProgramFolder() const override;
    QString playFile() const override { return m_playFile; }
    QString frameStateFile() const override;
    QString recoveryFolder() const override;
    /**
     * The user's private folder for what lasts one run: the running copy's socket, and off Windows its lock
     * and the play files. Empty where the system has none.
     */
    QString runtimeFolder() const;

private:
    QString m_programFolder;
    QString m_playFile;
};
