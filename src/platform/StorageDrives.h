// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Drives.h"

/** The mounted, ready filesystems, the root first. */
class StorageDrives : public Drives
{
public:
    QStringList drives() const override;
};
