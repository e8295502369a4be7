// SPDX-License-Identifier: MIT

#include "playlist/M3UFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "platform/EightBitText.h"
#include "platform/RegularFile.h"
#include "playlist/PlayListEntry.h"

using namespace Qt::StringLiterals;

namespace {

const QByteArray kUtf8Mark = "\xEF\xBB\xBF"_ba;
const QByteArray kUtf16LeMark = "\xFF\xFE"_ba;
const QByteArray kUtf16BeMark = "\xFE\xFF"_ba;

template <typename Line, typename View>
void forEachLine(View text, Line onLine)
{
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const auto c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        if (i > start)
            onLine(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        onLine(text.sliced(start));
}

QByteArray encodeLine(const QString &path, bool windows1252, ListEncoding encoding)
{
    switch (encoding) {
    case ListEncoding::EightBit:
    case ListEncoding::Utf8WithMark:
        return windows1252 ? EightBitText::encodeWindows1252(path) : path.toUtf8();
    case ListEncoding::Utf16LittleEndian: {
        QStringEncoder encoder(QStringEncoder::Utf16LE);
        return encoder.encode(path);
    }
    case ListEncoding::Utf16BigEndian: {
        QStringEncoder encoder(QStringEncoder::Utf16BE);
        return encoder.encode(path);
    }
    }
    return path.toUtf8();
}

QByteArray lineEnd(ListEncoding encoding)
{
    switch (encoding) {
    case ListEncoding::Utf16LittleEndian:
        return "\r\0\n\0"_ba;
    case ListEncoding::Utf16BigEndian:
        return "\0\r\0\n"_ba;
    default:
        return "\r\n"_ba;
    }
}

QByteArray mark(ListEncoding encoding)
{
    switch (encoding) {
    case ListEncoding::Utf8WithMark:
        return kUtf8Mark;
    case ListEncoding::Utf16LittleEndian:
        return kUtf16LeMark;
    case ListEncoding::Utf16BigEndian:
        return kUtf16BeMark;
    default:
        return {};
    }
}

// A plain list whose first path begins with the bytes of a byte-order mark would be read back in another
// encoding; an empty line in front, which reading skips, keeps it plain.
QByteArray keptPlain(QByteArray bytes, ListEncoding encoding)
{
    if (encoding == ListEncoding::EightBit &&
        (bytes.startsWith(kUtf8Mark) || bytes.startsWith(kUtf16LeMark) || bytes.startsWith(kUtf16BeMark)))
        bytes.prepend("\r\n");
    return bytes;
}

} // namespace

namespace M3UFile {

M3UContent parse(const QByteArray &bytes)
{
    M3UContent content;
    if (bytes.startsWith(kUtf16LeMark) || bytes.startsWith(kUtf16BeMark)) {
        const bool little = bytes.startsWith(kUtf16LeMark);
        content.encoding = little ? ListEncoding::Utf16LittleEndian : ListEncoding::Utf16BigEndian;
        QStringDecoder decoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::ConvertInitialBom);
        const QString text = decoder.decode(QByteArrayView(bytes).sliced(2));
        forEachLine(QStringView(text), [&content](QStringView line) {
            content.entries.append({line.toString(), false});
        });
        return content;
    }

    QByteArrayView text(bytes);
    if (bytes.startsWith(kUtf8Mark)) {
        content.encoding = ListEncoding::Utf8WithMark;
        text = text.sliced(kUtf8Mark.size());
    }
    forEachLine(text, [&content](QByteArrayView line) {
        bool windows1252 = false;
        QString decoded = EightBitText::decode(line, windows1252);
        content.entries.append({std::move(decoded), windows1252});
    });
    return content;
}

QString read(const QString &path, M3UContent &content, bool *tooLarge)
{
    if (tooLarge)
        *tooLarge = false;
    QFile file;
    if (QString fault = openRegularFile(path, file); !fault.isEmpty())
        return fault;

    // Read in pieces up to one byte past the limit: the file may grow while it is read.
    constexpr qint64 kPiece = 1024LL * 1024;
    const qint64 size = file.size();
    QByteArray bytes;
    if (size <= kMaxFileSize) {
        bytes.reserve(size);
        while (bytes.size() <= kMaxFileSize) {
            const QByteArray piece = file.read(qMin<qint64>(kPiece, kMaxFileSize + 1 - bytes.size()));
            if (piece.isEmpty())
                break;
            bytes += piece;
        }
        if (file.error() != QFileDevice::NoError)
            return file.errorString();
    }
    if (size > kMaxFileSize || bytes.size() > kMaxFileSize) {
        if (tooLarge)
            *tooLarge = true;
        return QCoreApplication::translate("M3UFile", "The file is larger than %1 MB.")
            .arg(kMaxFileSize / (1024LL * 1024));
    }
    content = parse(bytes);
    return {};
}

QByteArray format(const QList<PlayListModel::Entry> &entries, ListEncoding encoding)
{
    QByteArray bytes = mark(encoding);
    const QByteArray end = lineEnd(encoding);
    for (const PlayListModel::Entry &entry : entries) {
        const QString path = PlayListEntry::trimBlanks(entry.line);
        if (path.isEmpty())
            continue;
        bytes += encodeLine(path, entry.windows1252, encoding);
        bytes += end;
    }
    return keptPlain(bytes, encoding);
}

QByteArray format(const PlayListModel &model, ListEncoding encoding)
{
    QByteArray bytes = mark(encoding);
    bytes.reserve(bytes.size() + qsizetype(model.count()) * 64);
    const QByteArray end = lineEnd(encoding);
    for (int row = 0; row < model.count(); ++row) {
        // An entry of blanks alone names nothing; an empty line would not be read back.
        const QString path = model.entryPath(row);
        if (path.isEmpty())
            continue;
        bytes += encodeLine(path, model.entry(row).windows1252, encoding);
        bytes += end;
    }
    return keptPlain(bytes, encoding);
}

} // namespace M3UFile
