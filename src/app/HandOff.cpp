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

constexpr int kLockWaitMs = 3000;
constexpr char kFirstLine[] = "TUNARY hand-off 2";

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

QByteArray format(const QStringList &commandLines)
{
    QByteArray content = QByteArray(kFirstLine) + "\r\n";
    for (const QString &commandLine : commandLines)
        content += escape(EightBitText::encode(commandLine)) + "\r\n";
    return content;
}

QStringList parse(const QByteArray &content)
{
    QList<QByteArray> lines = EightBitText::splitLines(content);
    const bool escaped = !lines.isEmpty() && lines.first() == kFirstLine;
    if (escaped)
        lines.removeFirst();
    QStringList commandLines;
    for (const QByteArray &line : std::as_const(lines)) {
        if (!line.isEmpty())
            commandLines.append(EightBitText::decode(escaped ? unescape(line) : line));
    }
    return commandLines;
}

QString append(const QString &handOffPath, const QString &commandLine)
{
    QLockFile lock(lockPath(handOffPath));
    if (!lock.tryLock(kLockWaitMs))
        return QCoreApplication::translate("HandOff", "The hand-off file is in use.");

    QStringList commandLines;
    QFile pending(handOffPath);
    if (pending.exists()) {
        if (!pending.open(QIODevice::ReadOnly))
            return pending.errorString();
        commandLines = parse(pending.readAll());
        pending.close();
    }
    commandLines.append(commandLine);
    return writeFileAtomically(handOffPath, format(commandLines));
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
    QFile::remove(handOffPath);
    return parse(content);
}

void removeLeftover(const QString &handOffPath)
{
    QFile::remove(handOffPath);
}

} // namespace HandOff
