#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

/**
 * Text files of the program are 8-bit text. Bytes that form valid UTF-8 are read as UTF-8; anything else is
 * read as the Windows Western code page (Windows-1252), which is what lists and settings made on older
 * Windows systems hold.
 */
namespace EightBitText {

QString decode(QByteArrayView bytes);
/** As decode(); tells whether the bytes were read as Windows-1252. */
QString decode(QByteArrayView bytes, bool &windows1252);
QByteArray encode(const QString &text);
/** Back to the bytes decode() read as Windows-1252; characters outside that code page become "?". */
QByteArray encodeWindows1252(const QString &text);

/** Splits bytes into lines; CR LF, a lone CR and a lone LF each end a line. A last line without an end counts. */
QList<QByteArray> splitLines(const QByteArray &bytes);

} // namespace EightBitText
