// SPDX-License-Identifier: MIT

#include "playlist/TrackTags.h"

#include <algorithm>
#include <fileref.h>
#include <limits>
#include <tag.h>
#include <taglib.h>
#include <tiostream.h>

#include <QFile>
#include <QFileInfo>

#include "platform/RegularFile.h"

using namespace Qt::StringLiterals;

namespace {

// TagLib 2 widened the stream's positions and sizes.
#if TAGLIB_MAJOR_VERSION >= 2
using StreamOffset = TagLib::offset_t;
using StreamStart = TagLib::offset_t;
using StreamSize = size_t;
#else
using StreamOffset = long;
using StreamStart = unsigned long;
using StreamSize = unsigned long;
#endif

// An open file as TagLib reads it. Every way of changing it does nothing, so no bug of ours or of the library
// can write to a music file; TagLib takes the stream for read-only and never tries.
class ReadOnlyStream : public TagLib::IOStream
{
public:
    // The name only tells TagLib the file's type by its extension.
    ReadOnlyStream(QFile &file, const QString &name)
        : m_file(file)
        , m_name(name.toUtf8())
    {}

    TagLib::FileName name() const override { return m_name.constData(); }
    bool readOnly() const override { return true; }
    bool isOpen() const override { return m_file.isOpen(); }

    TagLib::ByteVector readBlock(StreamSize length) override
    {
        // A damaged header may ask for far more than the file holds.
        const auto wanted = static_cast<unsigned int>(
            std::min({length, StreamSize(m_file.bytesAvailable()), StreamSize(std::numeric_limits<int>::max())}));
        TagLib::ByteVector block(wanted, 0);
        const qint64 got = wanted > 0 ? m_file.read(block.data(), wanted) : 0;
        block.resize(static_cast<unsigned int>(std::max<qint64>(got, 0)));
        return block;
    }
    void seek(StreamOffset offset, Position from) override
    {
        const qint64 base = from == Beginning ? 0 : from == Current ? m_file.pos() : m_file.size();
        // A place before the start leaves the position where it was, as a failed seek on a system file does.
        if (base + offset >= 0)
            m_file.seek(base + offset);
    }
    StreamOffset tell() const override { return StreamOffset(m_file.pos()); }
    StreamOffset length() override { return StreamOffset(m_file.size()); }

    void writeBlock(const TagLib::ByteVector &) override {}
    void insert(const TagLib::ByteVector &, StreamStart, StreamSize) override {}
    void removeBlock(StreamStart, StreamSize) override {}
    void truncate(StreamOffset) override {}

private:
    QFile &m_file;
    QByteArray m_name;
};

// The text on one line: control characters and line breaks become spaces, blanks around it go.
QString oneLine(QString text)
{
    for (QChar &c : text) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            c = u' ';
    }
    return text.trimmed();
}

QString textOf(const TagLib::String &text)
{
    return oneLine(QString::fromStdWString(text.toWString()));
}

} // namespace

namespace TrackTagReader {

std::optional<TrackTags> read(const QString &path)
{
    QFile file;
    if (!openRegularFile(path, file).isEmpty())
        return std::nullopt;
    ReadOnlyStream stream(file, QFileInfo(path).fileName());
    const TagLib::FileRef music(&stream, true, TagLib::AudioProperties::Average);
    if (music.isNull())
        return std::nullopt;

    TrackTags tags;
    if (const TagLib::Tag *tag = music.tag()) {
        tags.artist = textOf(tag->artist());
        tags.title = textOf(tag->title());
    }
    // TagLib takes any file named ".mp3" for MPEG even when it finds no frame in it: music is what has sound or
    // says what it is.
    const TagLib::AudioProperties *audio = music.audioProperties();
    const bool sound = audio && audio->sampleRate() > 0;
    if (!sound && tags.artist.isEmpty() && tags.title.isEmpty())
        return std::nullopt;
    // TagLib reports 0 when it cannot tell.
    if (const int milliseconds = sound ? audio->lengthInMilliseconds() : 0; milliseconds > 0)
        tags.seconds = (milliseconds + 500) / 1000;
    return tags;
}

QString extinfLine(const TrackTags &tags, const QString &path)
{
    QString title = oneLine(tags.title);
    if (title.isEmpty()) {
        const QFileInfo file(path);
        title = oneLine(file.completeBaseName().isEmpty() ? file.fileName() : file.completeBaseName());
    }
    const QString artist = oneLine(tags.artist);
    if (!artist.isEmpty())
        title = artist + u" - "_s + title;
    return u"#EXTINF:"_s + QString::number(tags.seconds) + u',' + title;
}

QString extinfLineFor(const QString &path)
{
    const std::optional<TrackTags> tags = read(path);
    return tags ? extinfLine(*tags, path) : QString();
}

} // namespace TrackTagReader
