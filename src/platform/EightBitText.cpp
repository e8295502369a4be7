// SPDX-License-Identifier: MIT

#include "platform/EightBitText.h"

#include <QFile>
#include <QStringDecoder>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned bytes keep their Latin-1 value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(kCp1252High[byte - 0x80]) : QChar(char16_t(byte));
    }
    return text;
}

} // namespace

namespace EightBitText {

QString decode(QByteArrayView bytes)
{
    bool windows1252 = false;
    return decode(bytes, windows1252);
}

QString decode(QByteArrayView bytes, bool &windows1252)
{
    windows1252 = false;
    // Most lines are plain ASCII: no decoder needed.
    bool ascii = true;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return QString::fromLatin1(bytes);
    // A mark inside the text is a character like any other: the file's own mark is handled by its reader.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    windows1252 = true;
    return decodeCp1252(bytes);
}

QByteArray encodeWindows1252(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        char byte = '?';
        if (c < 0x80 || (c >= 0xA0 && c < 0x100)) {
            byte = char(c);
        } else {
            for (int high = 0; high < 32; ++high) {
                if (kCp1252High[high] == c) {
                    byte = char(0x80 + high);
                    break;
                }
            }
        }
        bytes[i] = byte;
    }
    return bytes;
}

QByteArray encode(const QString &text)
{
    return text.toUtf8();
}

QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

Path Path::fromBytes(QByteArrayView bytes)
{
    Path path;
    path.text = decode(bytes, path.windows1252);
    return path;
}

QUrl Path::url() const
{
    const QByteArray native = bytes();
    if (!windows1252 || !native.startsWith('/'))
        return QUrl::fromLocalFile(text);
    // Percent-encoded, the bytes reach the other program as they are.
    return QUrl::fromEncoded("file://" + native.toPercentEncoding("/"));
}

} // namespace EightBitText
