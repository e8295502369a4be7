#include "app/HandOff.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include "platform/EightBitText.h"
#include "platform/SafeWrite.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kLockWaitMs = 3000;

QString lockPath(const QString &handOffPath)
{
    return handOffPath + u".lock"_s;
}

} // namespace

namespace HandOff {

QString append(const QString &handOffPath, const QString &commandLine)
{
    QLockFile lock(lockPath(handOffPath));
    if (!lock.tryLock(kLockWaitMs))
        return QCoreApplication::translate("HandOff", "The hand-off file is in use.");

    QByteArray content;
    QFile pending(handOffPath);
    if (pending.exists()) {
        if (!pending.open(QIODevice::ReadOnly))
            return pending.errorString();
        content = pending.readAll();
        pending.close();
        if (!content.isEmpty() && !content.endsWith('\n') && !content.endsWith('\r'))
            content += "\r\n"_ba;
    }
    content += EightBitText::encode(commandLine) + "\r\n"_ba;
    return writeFileAtomically(handOffPath, content);
}

bool isWaiting(const QString &handOffPath)
{
    const QFileInfo info(handOffPath);
    return info.isFile() && info.size() > 0;
}

QStringList take(const QString &handOffPath)
{
    QLockFile lock(lockPath(handOffPath));
    if (!lock.tryLock(kLockWaitMs))
        return {};
    QFile file(handOffPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray content = file.readAll();
    file.close();
    QStringList commandLines;
    for (const QByteArray &line : EightBitText::splitLines(content)) {
        if (!line.isEmpty())
            commandLines.append(EightBitText::decode(line));
    }
    QFile::remove(handOffPath);
    return commandLines;
}

void removeLeftover(const QString &handOffPath)
{
    QFile::remove(handOffPath);
}

} // namespace HandOff
