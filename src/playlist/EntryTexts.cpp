// SPDX-License-Identifier: MIT

#include "playlist/EntryTexts.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include <QStringDecoder>
#include <QtEndian>

#include "platform/EightBitText.h"

namespace {

constexpr EntryTexts::Ref kOffset = EntryTexts::kWrittenAsWindows1252 - 1;

// A text's length before it, seven bits a byte, lowest first.
void appendLength(QByteArray &block, qsizetype length)
{
    auto value = quint64(length);
    while (value >= 0x80) {
        block.append(char(0x80 | (value & 0x7F)));
        value >>= 7;
    }
    block.append(char(value));
}

qsizetype lengthSize(qsizetype length)
{
    qsizetype size = 1;
    for (auto value = quint64(length); value >= 0x80; value >>= 7)
        ++size;
    return size;
}

} // namespace

const EntryTexts::Block &EntryTexts::blockOf(Ref offset) const
{
    // The last block whose start is not past the offset.
    const auto after = std::upper_bound(m_blocks.cbegin(), m_blocks.cend(), offset,
                                        [](Ref value, const Block &block) { return value < block.start; });
    Q_ASSERT(after != m_blocks.cbegin());
    return *(after - 1);
}

quint64 EntryTexts::readLength(const char *&at)
{
    quint64 length = 0;
    int shift = 0;
    auto byte = static_cast<unsigned char>(*at++);
    for (; byte & 0x80; byte = static_cast<unsigned char>(*at++), shift += 7)
        length |= quint64(byte & 0x7F) << shift;
    return length | (quint64(byte) << shift);
}

// An added text starts with a number: its length times two, or, for an entry with own lines, their count times
// two plus one, then each own line and the path after their lengths.
EntryTexts::Span EntryTexts::spanAt(Ref ref) const
{
    const Ref offset = ref & kOffset;
    const Block &block = blockOf(offset);
    const char *begin = block.bytes.constData() + (offset - block.start);
    if (!block.counted)
        return {begin, block.bytes.constData() + block.bytes.size(), false};
    const quint64 head = readLength(begin);
    if ((head & 1) == 0)
        return {begin, begin + head / 2, true, 0, begin};
    const int ownCount = int(head / 2);
    const char *at = begin;
    for (int own = 0; own < ownCount; ++own) {
        const quint64 length = readLength(at);
        at += length;
    }
    const char *pathBegin = at;
    const quint64 length = readLength(at);
    return {begin, at + length, true, ownCount, pathBegin};
}

QByteArrayView EntryTexts::lineFrom(const char *begin, const char *end)
{
    // The line ends at its first CR or LF; it is looked for a stretch at a time, as a file of lone CRs has
    // no LF to look for.
    for (const char *from = begin; from != end;) {
        const qsizetype stretch = std::min<qsizetype>(end - from, 256);
        const auto *newline = static_cast<const char *>(std::memchr(from, '\n', size_t(stretch)));
        const qsizetype before = newline ? newline - from : stretch;
        if (const auto *cr = static_cast<const char *>(std::memchr(from, '\r', size_t(before))))
            return {begin, cr - begin};
        if (newline)
            return {begin, newline - begin};
        from += stretch;
    }
    return {begin, end - begin};
}

const char *EntryTexts::nextLine(const char *begin, const char *end)
{
    const char *next = begin + lineFrom(begin, end).size();
    while (next != end && (*next == '\r' || *next == '\n'))
        ++next;
    return next;
}

QByteArrayView EntryTexts::line(Ref ref) const
{
    const Span span = spanAt(ref);
    return span.counted ? bytes(ref) : lineFrom(span.begin, span.end);
}

QByteArrayView EntryTexts::bytes(Ref ref) const
{
    return visit(ref, [](QByteArrayView) {});
}

QList<QByteArrayView> EntryTexts::ownLines(Ref ref) const
{
    QList<QByteArrayView> lines;
    visit(ref, [&lines](QByteArrayView line) { lines.append(line); });
    return lines;
}

QList<QString> EntryTexts::ownTexts(Ref ref) const
{
    QList<QString> texts;
    for (const QByteArrayView line : ownLines(ref))
        texts.append(EightBitText::decode(line));
    return texts;
}

namespace {

QString decodeLine(QByteArrayView line, bool windows1252)
{
    if (windows1252)
        return EightBitText::decode(line);
    // fromUtf8() would drop a mark that starts the line; it is part of the entry.
    if (line.startsWith("\xEF\xBB\xBF")) {
        QStringDecoder utf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        return utf8.decode(line);
    }
    return QString::fromUtf8(line);
}

} // namespace

QString EntryTexts::text(Ref ref) const
{
    return decodeLine(bytes(ref), ref & kWindows1252Bytes);
}

QString EntryTexts::lineText(Ref ref) const
{
    return decodeLine(line(ref), ref & kWindows1252Bytes);
}

namespace {

// Whether the bytes are UTF-8 that Qt's decoder takes without an error, told quickly for the usual text: the
// two- and three-byte forms of letters. Where the answer is not plain (a form that starts with 0xEF or a
// four-byte form, among which lie the characters a decoder may refuse), Qt's decoder is asked.
enum class Utf8 { Valid, Invalid, Ask };
Utf8 checkUtf8(QByteArrayView line)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(line.data());
    const qsizetype size = line.size();
    for (qsizetype i = 0; i < size;) {
        // ASCII a word at a time, up to the first byte past it.
        if (i + 8 <= size) {
            quint64 word;
            std::memcpy(&word, bytes + i, 8);
            const quint64 high = qFromLittleEndian(word) & 0x8080808080808080ULL;
            if (high == 0) {
                i += 8;
                continue;
            }
            i += std::countr_zero(high) / 8;
        } else if (bytes[i] < 0x80) {
            ++i;
            continue;
        }
        const unsigned char lead = bytes[i];
        const auto follows = [&](qsizetype at) { return at < size && (bytes[at] & 0xC0) == 0x80; };
        if (lead >= 0xC2 && lead <= 0xDF) {
            if (!follows(i + 1))
                return Utf8::Invalid;
            i += 2;
        } else if (lead >= 0xE0 && lead <= 0xEE) {
            if (!follows(i + 1) || !follows(i + 2))
                return Utf8::Invalid;
            // No overlong forms (E0 below A0) and no surrogates (ED from A0).
            if ((lead == 0xE0 && bytes[i + 1] < 0xA0) || (lead == 0xED && bytes[i + 1] >= 0xA0))
                return Utf8::Invalid;
            i += 3;
        } else if (lead == 0xEF || (lead >= 0xF0 && lead <= 0xF4)) {
            return Utf8::Ask;
        } else {
            return Utf8::Invalid;
        }
    }
    return Utf8::Valid;
}

} // namespace

EntryTexts::Ref EntryTexts::flagsFor(QByteArrayView line)
{
    const Utf8 plain = checkUtf8(line);
    if (plain != Utf8::Ask)
        return plain == Utf8::Valid ? 0 : kWindows1252Bytes | kWrittenAsWindows1252;
    // A mark inside the text is a character like any other: the file's own mark is handled by its reader.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString decoded = utf8.decode(line);
    return utf8.hasError() ? kWindows1252Bytes | kWrittenAsWindows1252 : 0;
}

EntryTexts::Ref EntryTexts::addBlock(QByteArray block)
{
    Q_ASSERT(hasRoomFor(block.size()));
    const Ref start = m_end;
    m_end += Ref(block.size());
    m_blocks.append({std::move(block), start, false});
    return start;
}

qsizetype EntryTexts::blockSize(const QList<QString> &lines, const QList<QList<QString>> &ownLines)
{
    // At most three bytes of UTF-8 per UTF-16 unit; counted exactly only when it matters.
    const auto textSize = [](const QString &text) {
        const qsizetype length = text.size() * 3;
        return length + lengthSize(2 * length + 1);
    };
    qsizetype size = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        size += textSize(lines[i]);
        if (i < ownLines.size() && !ownLines[i].isEmpty()) {
            size += lengthSize(2 * ownLines[i].size() + 1);
            for (const QString &own : ownLines[i])
                size += textSize(own);
        }
    }
    return size;
}

QList<EntryTexts::Ref> EntryTexts::addLines(const QList<QString> &lines, const QList<bool> &windows1252,
                                            const QList<QList<QString>> &ownLines)
{
    QByteArray block;
    QList<Ref> refs;
    refs.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        Ref ref = m_end + Ref(block.size());
        if (i < windows1252.size() && windows1252[i])
            ref |= kWrittenAsWindows1252;
        refs.append(ref);
        const QByteArray text = lines[i].toUtf8();
        if (i < ownLines.size() && !ownLines[i].isEmpty()) {
            appendLength(block, 2 * ownLines[i].size() + 1);
            for (const QString &own : ownLines[i]) {
                const QByteArray ownText = own.toUtf8();
                appendLength(block, ownText.size());
                block.append(ownText);
            }
            appendLength(block, text.size());
        } else {
            appendLength(block, 2 * text.size());
        }
        block.append(text);
    }
    Q_ASSERT(hasRoomFor(block.size()));
    const Ref start = m_end;
    m_end += Ref(block.size());
    m_blocks.append({std::move(block), start, true});
    return refs;
}
