// SPDX-License-Identifier: MIT

#include "core/Paths.h"

#include <QDir>

namespace Paths {

bool endsInSeparator(QStringView folder)
{
    return folder.endsWith(u'/') || folder.endsWith(u'\\');
}

QString join(const QString &folder, const QString &name)
{
    if (endsInSeparator(folder))
        return folder + name;
    return folder + QDir::separator() + name;
}

} // namespace Paths
