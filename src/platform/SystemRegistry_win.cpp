// SPDX-License-Identifier: MIT

#include "platform/SystemRegistry.h"

#include <QSettings>

bool SystemRegistry::keyValue(const QString &root, const QString &keyName, const QString &valueName,
                              QString &value) const
{
    QSettings key(root + u'\\' + keyName, QSettings::NativeFormat);
    const QVariant found = key.value(valueName.isEmpty() ? QStringLiteral(".") : valueName);
    if (!found.isValid())
        return false;
    value = found.toString();
    return true;
}
