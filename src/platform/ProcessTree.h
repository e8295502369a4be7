// SPDX-License-Identifier: MIT

#pragma once

#include <QList>

/** Which process started which, as far as the system tells. */
namespace ProcessTree {

/** True when the process is one of the given ones, or was started by one of them (at any remove). */
bool descendsFrom(qint64 pid, const QList<qint64> &ancestors);

} // namespace ProcessTree
