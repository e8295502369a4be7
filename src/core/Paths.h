// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringView>

namespace Paths {

/** The folder and the name joined; a root folder ("/", "C:\") does not double its separator. */
QString join(const QString &folder, const QString &name);
/** True when a name can follow the folder directly: it ends in a separator, as a root does. */
bool endsInSeparator(QStringView folder);

} // namespace Paths
