// SPDX-License-Identifier: MIT

#include "platform/ProcessTree.h"

#include <QFile>

namespace {

// Far more than any chain of shells and wrappers between a player and what it starts.
constexpr int kMaxDepth = 64;

// The parent named in /proc/<pid>/stat: the fourth field, after the program's name in parentheses (which may
// itself hold blanks and parentheses); 0 where it cannot be read.
qint64 parentOf(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.read(4096);
    const qsizetype nameEnd = line.lastIndexOf(')');
    if (nameEnd < 0)
        return 0;
    const QList<QByteArray> fields = line.mid(nameEnd + 2).split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() : 0;
}

} // namespace

namespace ProcessTree {

bool descendsFrom(qint64 pid, const QList<qint64> &ancestors)
{
    for (int depth = 0; depth < kMaxDepth && pid > 1; ++depth) {
        if (ancestors.contains(pid))
            return true;
        pid = parentOf(pid);
    }
    return false;
}

} // namespace ProcessTree
