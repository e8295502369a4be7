// SPDX-License-Identifier: MIT

#include "playlist/M3UFile.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtConcurrent/QtConcurrentRun>

#include "platform/EightBitText.h"
#include "platform/RegularFile.h"
#include "playlist/PlayListEntry.h"
#include "playlist/RelativePath.h"

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

// The blanks (spaces) around a path; for UTF-8 and Windows-1252 bytes alike, a space is the byte 0x20.
QByteArrayView trimmedBlanks(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && bytes.front() == ' ')
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && bytes.back() == ' ')
        bytes.chop(1);
    return bytes;
}

// From this size on, a list file is split on two threads, up to the larger one.
constexpr qsizetype kTwoThreadBytes = 1024LL * 1024;
constexpr qsizetype kTwoThreadMaxBytes = 16LL * 1024 * 1024;

// Joined to a clean folder, a relative path of no empty, "." or ".." part and no backslash is clean as it is.
bool joinsCleanly(QByteArrayView relative)
{
    if (relative.isEmpty() || relative.back() == '/' || relative.contains('\\'))
        return false;
    for (qsizetype start = 0; start <= relative.size();) {
        const auto *slash =
            static_cast<const char *>(std::memchr(relative.data() + start, '/', size_t(relative.size() - start)));
        const qsizetype end = slash ? slash - relative.data() : relative.size();
        const QByteArrayView part = relative.sliced(start, end - start);
        if (part.isEmpty() || part == "." || part == "..")
            return false;
        start = end + 1;
    }
    return true;
}

// How often a long parse looks whether it was stopped.
constexpr qsizetype kStopCheckBytes = 1024LL * 1024;

// Calls onLine(offset, length, ascii) for every line of the text that is not empty, where CR LF, a lone CR and a
// lone LF each end a line; ascii tells a line of ASCII bytes alone. Every megabyte or so it asks proceed(offset)
// whether to go on, and gives false when told to stop. One pass over the bytes, sixteen at a time where the
// processor has the instructions for it.
template <typename OnLine, typename Proceed>
bool splitLines(QByteArrayView text, OnLine onLine, Proceed proceed)
{
    const auto *data = reinterpret_cast<const unsigned char *>(text.data());
    const qsizetype size = text.size();
    qsizetype lineStart = 0;
    bool high = false; // a byte of the current line is past ASCII
    const auto lineEnds = [&](qsizetype at) {
        if (at > lineStart)
            onLine(lineStart, at - lineStart, !high);
        lineStart = at + 1;
        high = false;
    };
    qsizetype i = 0;
    qsizetype asked = 0;
#if defined(__SSE2__) || defined(_M_X64)
    const __m128i newline = _mm_set1_epi8('\n');
    const __m128i carriageReturn = _mm_set1_epi8('\r');
    for (; i + 16 <= size; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        auto ends = unsigned(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, newline), _mm_cmpeq_epi8(block, carriageReturn))));
        const auto highBytes = unsigned(_mm_movemask_epi8(block));
        while (ends != 0) {
            const int bit = std::countr_zero(ends);
            // The line's bytes within this block: from its start (or the block's) up to its end.
            const int from = int(std::max<qsizetype>(lineStart - i, 0));
            const unsigned within = ((1U << bit) - 1) & ~((1U << from) - 1);
            high = high || (highBytes & within) != 0;
            lineEnds(i + bit);
            ends &= ends - 1;
        }
        const int from = int(std::max<qsizetype>(lineStart - i, 0));
        if (from < 16)
            high = high || (highBytes >> from) != 0;
        if (i - asked >= kStopCheckBytes) {
            asked = i;
            if (!proceed(i))
                return false;
        }
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == '\n' || data[i] == '\r')
            lineEnds(i);
        else if (data[i] >= 0x80)
            high = true;
    }
    if (size > lineStart)
        onLine(lineStart, size - lineStart, !high);
    return proceed(size);
}

} // namespace

QList<PlayListModel::Entry> M3UContent::entries() const
{
    QList<PlayListModel::Entry> entries;
    entries.reserve(refs.size());
    for (const EntryTexts::Ref ref : refs)
        entries.append({texts.text(ref), EntryTexts::writtenAsWindows1252(ref)});
    return entries;
}

namespace M3UFile {

M3UContent parse(const QByteArray &bytes)
{
    ReadProgress progress;
    return parse(bytes, progress);
}

M3UContent parse(const QByteArray &bytes, ReadProgress &progress)
{
    const qint64 before = progress.done;
    M3UContent content;
    if (bytes.startsWith(kUtf16LeMark) || bytes.startsWith(kUtf16BeMark)) {
        const bool little = bytes.startsWith(kUtf16LeMark);
        content.encoding = little ? ListEncoding::Utf16LittleEndian : ListEncoding::Utf16BigEndian;
        QStringDecoder decoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::ConvertInitialBom);
        const QString text = decoder.decode(QByteArrayView(bytes).sliced(2));
        QList<QString> lines;
        forEachLine(QStringView(text), [&lines](QStringView line) { lines.append(line.toString()); });
        if (!progress.stop && content.texts.hasRoomFor(EntryTexts::blockSize(lines)))
            content.refs = content.texts.addLines(lines, {});
        return content;
    }

    // The lines stay in the file's bytes; an entry is where its line starts, and how its bytes are read.
    qsizetype start = 0;
    if (bytes.startsWith(kUtf8Mark)) {
        content.encoding = ListEncoding::Utf8WithMark;
        start = kUtf8Mark.size();
    }
    const EntryTexts::Ref base = content.texts.addBlock(bytes);
    const auto splitInto = [&bytes, base, &progress, before](qsizetype from, qsizetype to, QList<EntryTexts::Ref> &refs,
                                                             bool tells) {
        // A line of a list takes some 60 bytes; the references grow past that where lines are shorter.
        refs.reserve((to - from) / 64 + 1);
        return splitLines(
            QByteArrayView(bytes).sliced(from, to - from),
            [&](qsizetype at, qsizetype length, bool ascii) {
                const qsizetype offset = from + at;
                const QByteArrayView line(bytes.constData() + offset, length);
                refs.append((base + EntryTexts::Ref(offset)) | (ascii ? 0 : EntryTexts::flagsFor(line)));
            },
            [&](qsizetype done) {
                if (tells)
                    progress.done = before + from + done;
                return !progress.stop;
            });
    };
    // A list of some megabytes is split in two halves at a line's end, the second on a thread of its own.
    // A bigger one stays on one thread: the second half's references, held apart until they are joined,
    // would add half of all the references to its memory.
    const qsizetype size = bytes.size();
    qsizetype middle = size;
    if (size - start >= kTwoThreadBytes && size - start <= kTwoThreadMaxBytes) {
        const auto *newline = static_cast<const char *>(std::memchr(bytes.constData() + start + (size - start) / 2,
                                                                    '\n', size_t(size - start - (size - start) / 2)));
        if (newline)
            middle = newline - bytes.constData() + 1;
    }
    QList<EntryTexts::Ref> second;
    bool secondFinished = true;
    // Waiting for a half that no thread has begun runs it here, so a busy pool never holds the split up.
    QFuture<void> secondHalf;
    if (middle < size)
        secondHalf = QtConcurrent::run([&] { secondFinished = splitInto(middle, size, second, false); });
    const bool finished = splitInto(start, middle, content.refs, true);
    secondHalf.waitForFinished();
    if (!finished || !secondFinished)
        return {};
    content.refs.append(second);
    return content;
}

QString read(const QString &path, M3UContent &content, bool *tooLarge)
{
    ReadProgress progress;
    return read(path, content, tooLarge, progress);
}

QString read(const QString &path, M3UContent &content, bool *tooLarge, ReadProgress &progress)
{
    if (tooLarge)
        *tooLarge = false;
    QFile file;
    if (QString fault = openRegularFile(path, file); !fault.isEmpty())
        return fault;

    // Read in pieces up to one byte past the limit: the file may grow while it is read.
    constexpr qint64 kPiece = 4LL * 1024 * 1024;
    const qint64 size = file.size();
    progress.total = 2 * size;
    QByteArray bytes;
    if (size <= kMaxFileSize) {
        bytes.resize(size + 1);
        qint64 done = 0;
        for (;;) {
            if (done == bytes.size())
                bytes.resize(qMin(bytes.size() * 2 + kPiece, kMaxFileSize + 1));
            const qint64 got = file.read(bytes.data() + done, qMin(kPiece, bytes.size() - done));
            if (got <= 0 || progress.stop)
                break;
            done += got;
            progress.done = done;
            if (done > kMaxFileSize)
                break;
        }
        if (file.error() != QFileDevice::NoError)
            return file.errorString();
        bytes.truncate(done);
    }
    if (progress.stop)
        return QCoreApplication::translate("M3UFile", "Stopped.");
    if (size > kMaxFileSize || bytes.size() > kMaxFileSize) {
        if (tooLarge)
            *tooLarge = true;
        return QCoreApplication::translate("M3UFile", "The file is larger than %1 MB.")
            .arg(kMaxFileSize / (1024LL * 1024));
    }
    content = parse(bytes, progress);
    if (progress.stop)
        return QCoreApplication::translate("M3UFile", "Stopped.");
    return {};
}

QByteArray format(const EntryTexts &texts, const QList<EntryTexts::Ref> &refs, ListEncoding encoding,
                  const QString &relativeTo)
{
    QByteArray bytes = mark(encoding);
    const QByteArray end = lineEnd(encoding);
    const bool eightBit = encoding == ListEncoding::EightBit || encoding == ListEncoding::Utf8WithMark;
    // A clean folder of this system's separator, as the bytes that go before a relative entry's own.
    QByteArray folderBytes, folderBytes1252;
    if (!relativeTo.isEmpty() && QDir::separator() == u'/' && QDir::cleanPath(relativeTo) == relativeTo) {
        const QString prefix = relativeTo.endsWith(u'/') ? relativeTo : relativeTo + u'/';
        folderBytes = prefix.toUtf8();
        folderBytes1252 = EightBitText::encodeWindows1252(prefix);
    }
    qsizetype reserve = bytes.size();
    for (const EntryTexts::Ref ref : refs)
        reserve += texts.bytes(ref).size() + end.size();
    bytes.reserve(eightBit ? reserve : reserve * 2);
    for (const EntryTexts::Ref ref : refs) {
        // An entry of blanks alone names nothing; an empty line would not be read back.
        const QByteArrayView path = trimmedBlanks(texts.bytes(ref));
        if (path.isEmpty())
            continue;
        // Bytes that are already what the entry is written as go out as they are.
        const bool windows1252Bytes = (ref & EntryTexts::kWindows1252Bytes) != 0;
        const bool asRead = eightBit && windows1252Bytes == EntryTexts::writtenAsWindows1252(ref);
        if (!relativeTo.isEmpty() && isRelativeEntry(path) && asRead && !folderBytes.isEmpty() && joinsCleanly(path)) {
            bytes += EntryTexts::writtenAsWindows1252(ref) ? folderBytes1252 : folderBytes;
            bytes += path;
        } else if (!relativeTo.isEmpty() && isRelativeEntry(path)) {
            QString relative = PlayListEntry::trimBlanks(texts.text(ref));
            relative.replace(u'\\', u'/');
            const QString resolved = QDir::toNativeSeparators(QDir::cleanPath(relativeTo + u'/' + relative));
            bytes += encodeLine(resolved, EntryTexts::writtenAsWindows1252(ref), encoding);
        } else if (asRead)
            bytes += path;
        else
            bytes +=
                encodeLine(PlayListEntry::trimBlanks(texts.text(ref)), EntryTexts::writtenAsWindows1252(ref), encoding);
        bytes += end;
    }
    return keptPlain(bytes, encoding);
}

QByteArray format(const PlayListModel &model, ListEncoding encoding)
{
    return format(model.texts(), model.refs(), encoding);
}

} // namespace M3UFile
