// SPDX-License-Identifier: MIT

#include "platform/SystemRegistry.h"

bool SystemRegistry::keyValue(const QString &, const QString &, const QString &, QString &) const
{
    return false;
}
