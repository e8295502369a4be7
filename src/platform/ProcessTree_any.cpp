// SPDX-License-Identifier: MIT

#include "platform/ProcessTree.h"

// Where the system gives no parent of a process cheaply, only the process itself is recognised.
namespace ProcessTree {

bool descendsFrom(qint64 pid, const QList<qint64> &ancestors)
{
    return pid > 0 && ancestors.contains(pid);
}

} // namespace ProcessTree
