// SPDX-License-Identifier: MIT

#pragma once

#include <QStringList>

/** The drives, or mount points, offered in drive lists. */
class Drives
{
public:
    virtual ~Drives() = default;

    virtual QStringList drives() const = 0;
};
