// SPDX-License-Identifier: MIT

#include "playlist/M3UFile.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <utility>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSemaphore>
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

// A path as it is written: without the blanks around it, but for a path that would then start with "#" and be
// read back as a comment, which keeps its blanks in front.
QByteArrayView writtenPath(QByteArrayView line)
{
    const QByteArrayView trimmed = trimmedBlanks(line);
    return trimmed.startsWith('#') ? line.first(trimmed.data() + trimmed.size() - line.data()) : trimmed;
}
QString writtenPath(const QString &line)
{
    const QString trimmed = PlayListEntry::trimBlanks(line);
    return trimmed.startsWith(u'#') ? line.first(line.indexOf(u'#') + trimmed.size()) : trimmed;
}

// From this size on, a list file is split on two threads, up to the larger one.
constexpr qsizetype kTwoThreadBytes = 1024LL * 1024;
constexpr qsizetype kTwoThreadMaxBytes = 16LL * 1024 * 1024;
// A file read into memory whose pages are made by a second thread.
constexpr qint64 kPopulateBytes = 1024LL * 1024;
// How far past its middle a list is read before the first half is split, to find a line's end there in.
constexpr qsizetype kMiddleSearchBytes = 64LL * 1024;

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
// whether to go on, and gives false when told to stop. One pass over the bytes, 64 at a time where the
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
    for (; i + 64 <= size; i += 64) {
        // The line ends and the bytes past ASCII of 64 bytes, a bit each.
        quint64 ends = 0;
        quint64 highBytes = 0;
        for (int part = 0; part < 4; ++part) {
            const qsizetype at = i + qsizetype(16) * part;
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + at));
            const __m128i lineEnd = _mm_or_si128(_mm_cmpeq_epi8(block, newline), _mm_cmpeq_epi8(block, carriageReturn));
            ends |= quint64(unsigned(_mm_movemask_epi8(lineEnd))) << (16 * part);
            highBytes |= quint64(unsigned(_mm_movemask_epi8(block))) << (16 * part);
        }
        while (ends != 0) {
            const int bit = std::countr_zero(ends);
            // The line's bytes within these 64: from its start (or theirs) up to its end.
            const int from = int(std::max<qsizetype>(lineStart - i, 0));
            const quint64 within = ((quint64(1) << bit) - 1) & ~((quint64(1) << from) - 1);
            high = high || (highBytes & within) != 0;
            lineEnds(i + bit);
            ends &= ends - 1;
        }
        const int from = int(std::max<qsizetype>(lineStart - i, 0));
        if (from < 64)
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
        entries.append({texts.text(ref), EntryTexts::writtenAsWindows1252(ref), texts.ownTexts(ref)});
    return entries;
}

namespace M3UFile {

bool isListDirective(QByteArrayView line)
{
    for (const QByteArrayView directive : {"#EXTM3U"_ba, "#PLAYLIST:"_ba, "#EXTENC:"_ba}) {
        if (line.size() >= directive.size() && qstrnicmp(line.data(), directive.data(), directive.size()) == 0)
            return true;
    }
    return false;
}

bool isUtf8ListName(const QString &path)
{
    return PlayListEntry::trimBlanks(path).endsWith(u".m3u8"_s, Qt::CaseInsensitive);
}

M3UContent parse(const QByteArray &bytes)
{
    ReadProgress progress;
    return parse(bytes, progress);
}

} // namespace M3UFile

namespace {

// How a read may go on: to the file's end, moving the bytes to more memory if the file grew, or only as far as
// they reach where they lie (while another thread splits the first of them).
enum class ReadOn { Rest, InPlace };
// Has at least the first `until` bytes of a list there, fewer at the end of its file; gives how many are there,
// or -1 when they could not all be read (a fault, or a stop).
using ReadTo = std::function<qsizetype(qsizetype until, ReadOn how)>;

// A list's lines from its bytes, some of which may still be coming (as readTo tells); `expected` is how many
// there were to come when the reading began. The bytes are taken into the content once they are all there.
// Progress is told past `before`. A list of some megabytes is split in two
// halves on two threads; the second thread, which is given its own work to do first (`helperFirst`), splits the
// first half while the rest of the bytes are read here, and this one splits the second half once they are.
M3UContent parseBytes(QByteArray &bytes, qsizetype expected, const ReadTo &readTo, qint64 before,
                      M3UFile::ReadProgress &progress, const std::function<void()> &helperFirst = {})
{
    using M3UFile::isListDirective;
    M3UContent content;
    const bool inHalves = expected >= kTwoThreadBytes && expected <= kTwoThreadMaxBytes;
    // The first half, once it is known; nothing when there is none.
    std::function<void()> firstHalfWork;
    QSemaphore halvesKnown;
    QFuture<void> helper;
    if (helperFirst || inHalves) {
        helper = QtConcurrent::run([&] {
            if (helperFirst)
                helperFirst();
            halvesKnown.acquire();
            if (firstHalfWork)
                firstHalfWork();
        });
    }
    // Whatever way this ends, the helper is told the halves first, so that waiting for it (which runs it here
    // when no thread has begun it) never waits for them.
    bool halvesTold = false;
    const auto tellHalves = [&] {
        if (!std::exchange(halvesTold, true))
            halvesKnown.release();
    };
    const auto joinHelper = qScopeGuard([&] {
        tellHalves();
        helper.waitForFinished();
    });
    qsizetype size = readTo(3, ReadOn::Rest);
    if (size < 0)
        return {};
    // The bytes past those read are not the file's.
    const auto startsWith = [&bytes, &size](const QByteArray &mark) {
        return QByteArrayView(bytes).first(size).startsWith(mark);
    };
    if (startsWith(kUtf16LeMark) || startsWith(kUtf16BeMark)) {
        size = readTo(std::numeric_limits<qsizetype>::max(), ReadOn::Rest);
        if (size < 0)
            return {};
        bytes.truncate(size);
        const bool little = bytes.startsWith(kUtf16LeMark);
        content.encoding = little ? ListEncoding::Utf16LittleEndian : ListEncoding::Utf16BigEndian;
        QStringDecoder decoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::ConvertInitialBom);
        const QString text = decoder.decode(QByteArrayView(bytes).sliced(2));
        // The head's lines, the entries (each with its own lines) and the tail's lines, in one block.
        QList<QString> texts;
        QList<QList<QString>> ownLines;
        qsizetype headLines = 0;
        qsizetype entryCount = 0;
        QList<QString> own;
        forEachLine(QStringView(text), [&](QStringView line) {
            if (texts.size() == headLines && own.isEmpty() && isListDirective(line.toUtf8())) {
                texts.append(line.toString());
                ownLines.append(QList<QString>());
                ++headLines;
            } else if (line.startsWith(u'#')) {
                own.append(line.toString());
            } else {
                texts.append(line.toString());
                ownLines.append(std::exchange(own, {}));
                ++entryCount;
            }
        });
        texts.append(own);
        if (progress.stop || !content.texts.hasRoomFor(EntryTexts::blockSize(texts, ownLines)))
            return content;
        const QList<EntryTexts::Ref> refs = content.texts.addLines(texts, {}, ownLines);
        content.head = refs.first(headLines);
        content.refs = refs.sliced(headLines, entryCount);
        content.tail = refs.sliced(headLines + entryCount);
        return content;
    }

    // The lines stay in the file's bytes; an entry is where its line starts, and how its bytes are read. The
    // bytes join the texts once they are whole; until then they are not shared, so that reading into them
    // never copies them.
    const QByteArray &text = bytes;
    qsizetype start = 0;
    if (startsWith(kUtf8Mark)) {
        content.encoding = ListEncoding::Utf8WithMark;
        start = kUtf8Mark.size();
    }
    const auto base = EntryTexts::Ref(content.texts.size());
    const auto lineRef = [&text, base](qsizetype offset, qsizetype length, bool ascii) {
        return (base + EntryTexts::Ref(offset)) |
               (ascii ? 0 : EntryTexts::flagsFor(QByteArrayView(text.constData() + offset, length)));
    };
    // The list's own directives at its top.
    for (qsizetype at = start;;) {
        while (at < size && (text[at] == '\r' || text[at] == '\n'))
            ++at;
        qsizetype end = at;
        while (end < size && text[end] != '\r' && text[end] != '\n')
            ++end;
        // A line that reaches the bytes there may go on in those to come.
        if (end == size && size > 0 && (size = readTo(std::numeric_limits<qsizetype>::max(), ReadOn::Rest)) != end) {
            if (size < 0)
                return {};
            continue;
        }
        if (at == end || !isListDirective(QByteArrayView(text).sliced(at, end - at)))
            break;
        content.head.append(lineRef(at, end - at, false));
        start = at = end;
    }
    // The lines of an entry's own ("#...") lie before its path; the entry starts at the first of them. Those
    // after the last path are the tail.
    const auto splitInto = [&text, &lineRef, &progress, before](qsizetype from, qsizetype to,
                                                                QList<EntryTexts::Ref> &refs, qsizetype &pending,
                                                                bool tells) {
        // A line of a list takes some 60 bytes; the references grow past that where lines are shorter.
        refs.reserve(refs.size() + (to - from) / 64 + 1);
        // Whether an own line waiting for its path has bytes past ASCII.
        bool pendingHigh = false;
        return splitLines(
            QByteArrayView(text).sliced(from, to - from),
            [&](qsizetype at, qsizetype length, bool ascii) {
                const qsizetype offset = from + at;
                if (text[offset] == '#') {
                    if (pending < 0)
                        pending = offset;
                    pendingHigh = pendingHigh || !ascii;
                    return;
                }
                const EntryTexts::Ref ref = lineRef(offset, length, ascii);
                if (pending < 0) {
                    refs.append(ref);
                    return;
                }
                // The entry starts at its first own line, and is read as its path is; a path of ASCII alone reads
                // the same either way, and goes as its own lines do, so that they are written back as they came.
                constexpr EntryTexts::Ref kFlags = EntryTexts::kWindows1252Bytes | EntryTexts::kWrittenAsWindows1252;
                EntryTexts::Ref flags = ref & kFlags;
                if (ascii && pendingHigh)
                    flags = EntryTexts::flagsFor(QByteArrayView(text.constData() + pending, offset - pending));
                refs.append(flags | lineRef(pending, 0, true));
                pending = -1;
                pendingHigh = false;
            },
            [&](qsizetype done) {
                if (tells)
                    progress.done = before + from + done;
                return !progress.stop;
            });
    };
    // The halves meet at a line's end. A bigger list stays on one thread: the second half's references, held apart
    // until they are joined, would add half of all the references to its memory.
    qsizetype middle = -1;
    if (inHalves) {
        // Some bytes past the middle, to find a line's end after a path in.
        const qsizetype half = start + (expected - start) / 2;
        size = readTo(half + kMiddleSearchBytes, ReadOn::Rest);
        if (size < 0)
            return {};
        // The halves meet after a path, so that no entry's own lines lie in the first half and its path in the
        // second.
        const auto afterOwnLine = [&text, start](qsizetype at) {
            qsizetype end = at;
            while (end > start && (text[end - 1] == '\r' || text[end - 1] == '\n'))
                --end;
            qsizetype begin = end;
            while (begin > start && text[begin - 1] != '\r' && text[begin - 1] != '\n')
                --begin;
            return end > begin && text[begin] == '#';
        };
        const auto lineEndFrom = [&text, size](qsizetype at) {
            const auto *newline =
                at < size ? static_cast<const char *>(std::memchr(text.constData() + at, '\n', size_t(size - at)))
                          : nullptr;
            return newline ? newline - text.constData() + 1 : -1;
        };
        for (middle = lineEndFrom(half); middle >= 0 && afterOwnLine(middle);)
            middle = lineEndFrom(middle);
    }
    QList<EntryTexts::Ref> second;
    // Where the own lines start that no path has followed yet; those left at the end are the tail.
    qsizetype firstPending = -1, secondPending = -1;
    bool firstFinished = true;
    if (middle >= 0) {
        content.refs.reserve((expected - start) / 64 + 1);
        firstHalfWork = [&, middle] { firstFinished = splitInto(start, middle, content.refs, firstPending, false); };
        tellHalves();
        // The first half's bytes stay where they are while it is split.
        size = readTo(std::numeric_limits<qsizetype>::max(), ReadOn::InPlace);
    }
    tellHalves();
    // A file that grew past its room is read on once the first half is done.
    if (middle < 0) {
        size = readTo(std::numeric_limits<qsizetype>::max(), ReadOn::Rest);
    } else if (size == bytes.size()) {
        helper.waitForFinished();
        size = readTo(std::numeric_limits<qsizetype>::max(), ReadOn::Rest);
    }
    const bool finished = size >= 0 && (middle < 0 ? splitInto(start, size, content.refs, firstPending, true)
                                                   : splitInto(middle, size, second, secondPending, true));
    helper.waitForFinished();
    if (!finished || !firstFinished)
        return {};
    content.refs.append(second);
    const qsizetype tail = middle >= 0 ? secondPending : firstPending;
    for (qsizetype at = tail; at >= 0 && at < size;) {
        const qsizetype length = EntryTexts::lineFrom(text.constData() + at, text.constData() + size).size();
        content.tail.append(lineRef(at, length, false));
        at += length;
        while (at < size && (text[at] == '\r' || text[at] == '\n'))
            ++at;
    }
    bytes.truncate(size);
    const EntryTexts::Ref added = content.texts.addBlock(bytes);
    Q_ASSERT(added == base);
    return content;
}

} // namespace

namespace M3UFile {

M3UContent parse(const QByteArray &bytes, ReadProgress &progress)
{
    // All of the bytes are there.
    QByteArray whole = bytes;
    const ReadTo readTo = [&whole](qsizetype, ReadOn) { return whole.size(); };
    return parseBytes(whole, whole.size(), readTo, progress.done, progress);
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
    const auto tooLargeFault = [tooLarge] {
        if (tooLarge)
            *tooLarge = true;
        return QCoreApplication::translate("M3UFile", "The file is larger than %1 MB.")
            .arg(kMaxFileSize / (1024LL * 1024));
    };
    const qint64 size = file.size();
    if (size > kMaxFileSize)
        return tooLargeFault();
    progress.total = 2 * size;

    // Read in pieces up to one byte past the limit: the file may grow while it is read.
    constexpr qint64 kPiece = 4LL * 1024 * 1024;
    constexpr qint64 kLeastPiece = 64LL * 1024;
    QByteArray bytes(size + 1, Qt::Uninitialized);
    // Fresh memory costs the system a fault per page as it is first written, more than the reading itself
    // takes. The second thread has the pages of the second half made in one go while this one reads into the
    // first; then it splits the first half while this one reads the second.
    std::function<void()> populating;
    if (size >= kPopulateBytes)
        populating = [data = bytes.data(), size] { populatePages(data + size / 2, size - size / 2 + 1); };
    // Bytes outgrown by a file that grew while it was read, kept while their pages may still be being made.
    QByteArray outgrown;
    qint64 done = 0;
    bool ended = false;
    const ReadTo readTo = [&](qsizetype until, ReadOn how) -> qsizetype {
        while (!ended && done < until) {
            if (done == bytes.size()) {
                if (how == ReadOn::InPlace || done > kMaxFileSize)
                    break;
                if (outgrown.isNull())
                    outgrown = bytes;
                bytes.resize(qMin(bytes.size() * 2 + kPiece, kMaxFileSize + 1));
            }
            // No more than asked for, so that splitting may begin as soon as it can.
            const qint64 wanted =
                until == std::numeric_limits<qsizetype>::max() ? kPiece : qMax(until - done, kLeastPiece);
            const qint64 got = file.read(bytes.data() + done, std::min({kPiece, wanted, qint64(bytes.size() - done)}));
            if (got <= 0 || progress.stop) {
                ended = true;
                break;
            }
            done += got;
            progress.done = qMin(done, size);
        }
        return file.error() != QFileDevice::NoError || progress.stop || done > kMaxFileSize ? -1 : done;
    };
    content = parseBytes(bytes, size, readTo, size, progress, populating);
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    if (progress.stop)
        return QCoreApplication::translate("M3UFile", "Stopped.");
    if (done > kMaxFileSize)
        return tooLargeFault();
    return {};
}

namespace {

// What format() makes, handed to flush whenever it holds pieceSize bytes or more, and at the end. The bytes are
// taken by flush (it may leave them, or clear them to be filled again); false from flush stops the writing.
template <typename Flush>
bool formatInto(QByteArray &bytes, const EntryTexts &texts, const QList<EntryTexts::Ref> &refs, ListEncoding encoding,
                const FormatOptions &options, qsizetype pieceSize, Flush flush)
{
    bytes = mark(encoding);
    const QByteArray end = lineEnd(encoding);
    const bool eightBit = encoding == ListEncoding::EightBit || encoding == ListEncoding::Utf8WithMark;
    const QString &relativeTo = options.relativeTo;
    // A clean folder of this system's separator, as the bytes that go before a relative entry's own.
    QByteArray folderBytes, folderBytes1252;
    if (!relativeTo.isEmpty() && QDir::separator() == u'/' && QDir::cleanPath(relativeTo) == relativeTo) {
        const QString prefix = relativeTo.endsWith(u'/') ? relativeTo : relativeTo + u'/';
        folderBytes = prefix.toUtf8();
        folderBytes1252 = EightBitText::encodeWindows1252(prefix);
    }
    // Room for the texts the entries come from, with a CR for each line; a few entries of a big list get a little.
    const qsizetype reserve = std::min<qsizetype>(texts.size() + 2 * refs.size(), 512 * refs.size()) +
                              128 * (options.head.size() + options.tail.size());
    // Written a piece at a time, no more than a piece and the entry that ends it.
    const qsizetype room = eightBit ? reserve : reserve * 2;
    bytes.reserve(pieceSize < room ? pieceSize + 64LL * 1024 : room);
    // The bytes a plain list starts with are looked at once, in the first piece.
    bool first = true;
    const auto flushPiece = [&] {
        if (std::exchange(first, false))
            bytes = keptPlain(std::move(bytes), encoding);
        return flush(bytes);
    };

    const auto writtenAsWindows1252 = [&options](EntryTexts::Ref ref) {
        return EntryTexts::writtenAsWindows1252(ref) && (!options.utf8 || (ref & EntryTexts::kWindows1252Bytes));
    };
    // Bytes that are already what a line is written as go out as they are: an entry's own lines and the lines
    // around the entries, which are not paths, as they stand.
    const auto asRead = [&](EntryTexts::Ref ref) {
        return eightBit && ((ref & EntryTexts::kWindows1252Bytes) != 0) == writtenAsWindows1252(ref);
    };
    const auto writeLine = [&](QByteArrayView line, EntryTexts::Ref ref) {
        if (asRead(ref)) {
            bytes += line;
        } else {
            // A line that Windows-1252 cannot hold whole is written in UTF-8: it is no path, and keeps its text.
            const QString text = EightBitText::decode(line);
            QByteArray encoded = encodeLine(text, writtenAsWindows1252(ref), encoding);
            if (eightBit && writtenAsWindows1252(ref) && EightBitText::decode(encoded) != text)
                encoded = text.toUtf8();
            bytes += encoded;
        }
        bytes += end;
    };
    for (const EntryTexts::Ref ref : options.head)
        writeLine(texts.line(ref), ref);
    for (const EntryTexts::Ref ref : refs) {
        if (bytes.size() >= pieceSize && !flushPiece())
            return false;
        const bool pathAsRead = asRead(ref);
        // Own lines read from a file and ended by CR LF there go out as one run, with their path where it follows.
        const char *runBegin = nullptr;
        const char *runEnd = nullptr;
        const auto endRun = [&] {
            if (runBegin)
                bytes.append(runBegin, runEnd - runBegin);
            runBegin = nullptr;
        };
        const QByteArrayView line = texts.visit(ref, [&](QByteArrayView own) {
            if (!pathAsRead) {
                writeLine(own, ref);
                return;
            }
            if (own.data() != runEnd)
                endRun();
            // Something follows every own line: its path at least.
            const char *after = own.data() + own.size();
            if (eightBit && after[0] == '\r' && after[1] == '\n') {
                runBegin = runBegin ? runBegin : own.data();
                runEnd = after + 2;
            } else {
                endRun();
                bytes += own;
                bytes += end;
            }
        });
        // A path of blanks alone names nothing; an empty line would not be read back.
        const QByteArrayView path = writtenPath(line);
        if (runBegin && path.size() == line.size() && line.data() == runEnd && relativeTo.isEmpty()) {
            bytes.append(runBegin, line.data() + line.size() - runBegin);
            bytes += end;
            continue;
        }
        endRun();
        if (path.isEmpty())
            continue;
        const bool windows1252 = writtenAsWindows1252(ref);
        if (!relativeTo.isEmpty() && isRelativeEntry(trimmedBlanks(path)) && pathAsRead && !folderBytes.isEmpty() &&
            joinsCleanly(path)) {
            bytes += windows1252 ? folderBytes1252 : folderBytes;
            bytes += path;
        } else if (!relativeTo.isEmpty() && isRelativeEntry(trimmedBlanks(path))) {
            QString relative = PlayListEntry::trimBlanks(texts.text(ref));
            relative.replace(u'\\', u'/');
            const QString resolved = QDir::toNativeSeparators(QDir::cleanPath(relativeTo + u'/' + relative));
            bytes += encodeLine(resolved, windows1252, encoding);
        } else if (pathAsRead)
            bytes += path;
        else
            bytes += encodeLine(writtenPath(texts.text(ref)), windows1252, encoding);
        bytes += end;
    }
    for (const EntryTexts::Ref ref : options.tail)
        writeLine(texts.line(ref), ref);
    return flushPiece();
}

} // namespace

QByteArray format(const EntryTexts &texts, const QList<EntryTexts::Ref> &refs, ListEncoding encoding,
                  const FormatOptions &options)
{
    QByteArray bytes;
    formatInto(bytes, texts, refs, encoding, options, std::numeric_limits<qsizetype>::max(),
               [](const QByteArray &) { return true; });
    return bytes;
}

bool formatInPieces(const EntryTexts &texts, const QList<EntryTexts::Ref> &refs, ListEncoding encoding,
                    const FormatOptions &options, const std::function<bool(QByteArrayView piece)> &write)
{
    constexpr qsizetype kPieceSize = 1024LL * 1024;
    QByteArray bytes;
    return formatInto(bytes, texts, refs, encoding, options, kPieceSize, [&write](QByteArray &piece) {
        const bool written = write(piece);
        piece.resize(0);
        return written;
    });
}

QByteArray format(const PlayListModel &model, ListEncoding encoding, bool utf8)
{
    return format(model.texts(), model.refs(), encoding, {model.head(), model.tail(), {}, utf8});
}

} // namespace M3UFile
