// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

/** How the program's arguments become the list it was asked to open. */
namespace CommandLine {

/**
 * The arguments joined into one text; a surrounding pair of quotes is removed and a relative path is made
 * absolute against the folder the program was started in.
 */
QString fromArguments(const QStringList &arguments, const QString &startFolder);

/** True for a name the program opens as a play list: it ends in "m3u" or "m3u8", in any letter case. */
bool isPlayListName(const QString &commandLine);

} // namespace CommandLine
