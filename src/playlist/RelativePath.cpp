// SPDX-License-Identifier: MIT

#include "playlist/RelativePath.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

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
