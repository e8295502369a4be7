#include "app/CommandLine.h"

#include <QDir>

#include "playlist/RelativePath.h"

using namespace Qt::StringLiterals;

namespace CommandLine {

QString fromArguments(const QStringList &arguments, const QString &startFolder)
{
    QString text = arguments.join(u' ');
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2);
    // Joined by hand: Qt would take a name starting with ":" for one of its resources and leave it relative.
    if (isRelativeEntry(text))
        text = QDir::cleanPath(startFolder + u'/' + text);
    return text;
}

bool isPlayListName(const QString &commandLine)
{
    return commandLine.endsWith(u"m3u"_s, Qt::CaseInsensitive) || commandLine.endsWith(u"m3u8"_s, Qt::CaseInsensitive);
}

} // namespace CommandLine
