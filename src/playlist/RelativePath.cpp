// SPDX-License-Identifier: MIT

#include "playlist/RelativePath.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

bool isRelativeEntry(QByteArrayView path)
{
    if (path.isEmpty())
        return false;
    const char first = path.front();
    if (first == '#' || first == '/' || first == '\\')
        return false;
    const auto asciiLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (path.size() >= 2 && path[1] == ':' && asciiLetter(first))
        return false;
    // A URL: a letter, then letters, digits, "+", "." or "-", then "://".
    if (!asciiLetter(first))
        return true;
    qsizetype at = 1;
    while (at < path.size() && (asciiLetter(path[at]) || (path[at] >= '0' && path[at] <= '9') || path[at] == '+' ||
                                path[at] == '.' || path[at] == '-'))
        ++at;
    return !path.sliced(at).startsWith("://");
}

bool isRelativeEntry(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QChar first = path.front();
    if (first == u'#' || first == u'/' || first == u'\\')
        return false;
    if (path.size() >= 2 && path[1] == u':' && first.isLetter() && first.unicode() < 128)
        return false;
    static const QRegularExpression url(u"^[A-Za-z][A-Za-z0-9+.-]*://"_s);
    return !url.match(path).hasMatch();
}
