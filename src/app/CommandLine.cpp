// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace CommandLine {

QString fromArguments(const QStringList &arguments, const QString &startFolder)
{
    QString text = arguments.join(u' ');
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2);
    // A file name on the command line follows this system's rules, not a list's: "#a.m3u" and "b:a.m3u" are
    // names like any other. Qt takes a name starting with ":" for one of its resources, so that one is
    // joined by hand.
    if (!text.isEmpty() && (text.startsWith(u':') || QDir::isRelativePath(text)))
        text = QDir::cleanPath(startFolder + u'/' + text);
    return text;
}

bool isPlayListName(const QString &commandLine)
{
    return commandLine.endsWith(u"m3u"_s, Qt::CaseInsensitive) || commandLine.endsWith(u"m3u8"_s, Qt::CaseInsensitive);
}

} // namespace CommandLine
