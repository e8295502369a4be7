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

private:
    QString m_programFolder;
    QString m_playFile;
};
