// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace CommandLine {

EightBitText::Path fromArguments(const QByteArrayList &arguments, const QByteArray &startFolder)
{
    QByteArray bytes = arguments.join(' ');
    if (bytes.size() >= 2 && bytes.startsWith('"') && bytes.endsWith('"'))
        bytes = bytes.mid(1, bytes.size() - 2);
    if (bytes.isEmpty())
        return {};
    // A file name on the command line follows this system's rules, not a list's: "#a.m3u" and "b:a.m3u" are
    // names like any other. Qt takes a name starting with ":" for one of its resources, so that one is
    // joined by hand. The folder is joined as bytes, so the name keeps its own whatever they are.
    const EightBitText::Path given = EightBitText::Path::fromBytes(bytes);
    const bool relative = given.text.startsWith(u':') || QDir::isRelativePath(given.text);
    const EightBitText::Path path =
        relative ? EightBitText::Path::fromBytes(QByteArray(startFolder + '/' + bytes)) : given;
    // Read as Windows-1252, every byte is one character: cleaning the text keeps the other bytes as they are.
    // What is left may be UTF-8 after all ("\xcd/.."), so it is read once more from its bytes.
    return EightBitText::Path{QDir::cleanPath(path.text), path.windows1252}.normalized();
}

bool isPlayListName(const QString &commandLine)
{
    return commandLine.endsWith(u"m3u"_s, Qt::CaseInsensitive) || commandLine.endsWith(u"m3u8"_s, Qt::CaseInsensitive);
}

} // namespace CommandLine
