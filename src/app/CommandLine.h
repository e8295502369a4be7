// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include "platform/EightBitText.h"

/** How the program's arguments become the list it was asked to open. */
namespace CommandLine {

/**
 * The arguments, as the bytes the system passed them, joined into one name; a surrounding pair of quotes is
 * removed and a relative path is made absolute against the folder the program was started in. A name that is
 * not UTF-8 keeps its bytes, as the finder keeps such names.
 */
EightBitText::Path fromArguments(const QByteArrayList &arguments, const QByteArray &startFolder);

/** True for a name the program opens as a play list: it ends in "m3u" or "m3u8", in any letter case. */
bool isPlayListName(const QString &commandLine);

} // namespace CommandLine
