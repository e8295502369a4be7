#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

/**
 * Text files of the program are 8-bit text. Bytes that form valid UTF-8 are read as UTF-8; anything else is
 * read as the Windows Western code page (Windows-1252), which is what lists and settings made on older
 * Windows systems hold.
 */
namespace EightBitText {

QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);

/** Splits bytes into lines; CR LF, a lone CR and a lone LF each end a line. A last line without an end counts. */
QList<QByteArray> splitLines(const QByteArray &bytes);

} // namespace EightBitText
