// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Registry.h"

/** The operating system's registry: the Windows registry, or nothing at all elsewhere. */
class SystemRegistry : public Registry
{
public:
    bool keyValue(const QString &root, const QString &keyName, const QString &valueName, QString &value) const override;
};
