// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

/** Read access to the system registry; where there is none, every value is "not found". */
class Registry
{
public:
    virtual ~Registry() = default;

    /** Reads one value, such as root "HKEY_LOCAL_MACHINE"; false when the key or value does not exist. */
    virtual bool keyValue(const QString &root, const QString &keyName, const QString &valueName,
                          QString &value) const = 0;
};
