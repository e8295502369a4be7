// SPDX-License-Identifier: MIT

#include "app/HandOff.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include "platform/EightBitText.h"
#include "platform/SafeWrite.h"

using namespace Qt::StringLiterals;

namespace {

// A later start that got no answer waits this long for others to finish writing the file. Each writer holds the
// lock only for one small synced write, but a file manager opening hundreds of lists on a loaded machine queues
// them all behind one another.
constexpr int kLockWaitMs = 30000;
constexpr char kFirstLine[] = "TUNARY hand-off 2";
constexpr char kRequestStart[] = "TUNARY request 1 ";

QString lockPath(const QString &handOffPath)
{
    return handOffPath + u".lock"_s;
}

bool isEscaped(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7F || byte == '%';
}

QByteArray escape(const QByteArray &bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    QByteArray line;
    line.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (isEscaped(byte))
            line.append('%').append(kHex[byte >> 4]).append(kHex[byte & 0xF]);
        else
            line.append(c);
    }
    return line;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A "%" not followed by two hex digits is kept as it stands.
QByteArray unescape(const QByteArray &line)
{
    QByteArray bytes;
    bytes.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const int high = line[i] == '%' && i + 2 < line.size() ? hexValue(line[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(line[i + 2]) : -1;
        if (low >= 0) {
            bytes.append(char(high << 4 | low));
            i += 2;
        } else {
            bytes.append(line[i]);
        }
    }
    return bytes;
}

} // namespace

namespace HandOff {

QByteArray formatRequest(const Request &request)
{
    return kRequestStart + QByteArray::number(request.senderPid) + ' ' + escape(request.list);
}

std::optional<Request> parseRequest(const QByteArray &line)
{
    if (!line.startsWith(kRequestStart))
        return std::nullopt;
    const qsizetype start = qsizetype(sizeof(kRequestStart)) - 1;
    const qsizetype blank = line.indexOf(' ', start);
    if (blank < 0)
        return std::nullopt;
    bool isNumber = false;
    const qint64 pid = line.mid(start, blank - start).toLongLong(&isNumber);
    if (!isNumber || pid < 0)
        return std::nullopt;
    return Request{unescape(line.mid(blank + 1)), pid};
}

QByteArray format(const QByteArrayList &lists)
{
    QByteArray content = QByteArray(kFirstLine) + "\r\n";
    for (const QByteArray &list : lists)
        content += escape(list) + "\r\n";
    return content;
}

QByteArrayList parse(const QByteArray &content)
{
    QList<QByteArray> lines = EightBitText::splitLines(content);
    const bool escaped = !lines.isEmpty() && lines.first() == kFirstLine;
    if (escaped)
        lines.removeFirst();
    QByteArrayList lists;
    for (const QByteArray &line : std::as_const(lines)) {
        if (!line.isEmpty())
            lists.append(escaped ? unescape(line) : line);
    }
    return lists;
}

QString append(const QString &handOffPath, const QByteArrayList &lists)
{
    // The folder holds names of the user's lists: the user's alone.
    makePrivateFolder(QFileInfo(handOffPath).absolutePath());
    QLockFile lock(lockPath(handOffPath));
    if (!lock.tryLock(kLockWaitMs))
        return QCoreApplication::translate("HandOff", "The hand-off file %1 is in use.").arg(handOffPath);

    QByteArrayList waiting;
    QFile pending(handOffPath);
    if (pending.exists()) {
        if (!pending.open(QIODevice::ReadOnly))
            return u"%1: %2"_s.arg(handOffPath, pending.errorString());
        waiting = parse(pending.readAll());
        pending.close();
    }
    const QString fault = writeFileAtomically(handOffPath, format(waiting + lists), FileAccess::OwnerOnly);
    return fault.isEmpty() ? fault : u"%1: %2"_s.arg(handOffPath, fault);
}

bool isWaiting(const QString &handOffPath)
{
    const QFileInfo info(handOffPath);
    return info.isFile() && info.size() > 0;
}

QByteArrayList take(const QString &handOffPath)
{
    // Never waited for: a writer lets go of the lock within moments, and its going is seen as a change too.
    QLockFile lock(lockPath(handOffPath));
    if (!lock.tryLock(0))
        return {};
    if (!QFileInfo(handOffPath).isFile())
        return {};
    // Moved aside before it is read: lists that stayed in the file would be taken again at its next change.
    const QString taking = handOffPath + u".taking"_s;
    QFile::remove(taking);
    if (!QFile::rename(handOffPath, taking))
        return {};
    QFile file(taking);
    if (!file.open(QIODevice::ReadOnly)) {
        QFile::rename(taking, handOffPath);
        return {};
    }
    const QByteArray content = file.readAll();
    file.close();
    QFile::remove(taking);
    return parse(content);
}

} // namespace HandOff
