// SPDX-License-Identifier: MIT

#include "playlist/RelativePath.h"

#include <QDir>
#include <QStringView>

namespace {

// One rule for a path as text or as bytes: only ASCII units decide, so UTF-8 and Windows-1252 bytes are read
// the same as the text they stand for.
template <typename View, typename Unit>
bool isRelative(View path, Unit unit)
{
    if (path.isEmpty())
        return false;
    const char32_t first = unit(path[0]);
    if (first == '#' || first == '/' || first == '\\')
        return false;
    const auto asciiLetter = [](char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (path.size() >= 2 && unit(path[1]) == ':' && asciiLetter(first))
        return false;
    // A URL: a letter, then letters, digits, "+", "." or "-", then "://".
    if (!asciiLetter(first))
        return true;
    qsizetype at = 1;
    for (; at < path.size(); ++at) {
        const char32_t c = unit(path[at]);
        if (!asciiLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '.' && c != '-')
            break;
    }
    return !(at + 2 < path.size() && unit(path[at]) == ':' && unit(path[at + 1]) == '/' && unit(path[at + 2]) == '/');
}

} // namespace

bool isRelativeEntry(QByteArrayView path)
{
    return isRelative(path, [](char c) { return char32_t(static_cast<unsigned char>(c)); });
}

bool isRelativeEntry(const QString &path)
{
    return isRelative(QStringView(path), [](QChar c) { return char32_t(c.unicode()); });
}

QString fileNamedBy(const QString &folder, const QString &path)
{
    if (path.startsWith(u'#') || path.contains(QLatin1String("://")))
        return {};
    if (!isRelativeEntry(path))
        return path;
    if (folder.isEmpty())
        return {};
    QString relative = path;
    relative.replace(u'\\', u'/');
    return QDir::toNativeSeparators(QDir::cleanPath(folder + u'/' + relative));
}
