// SPDX-License-Identifier: MIT

#include "support/TestFiles.h"

#include <csignal>
#include <memory>
#include <mpegfile.h>
#include <wavfile.h>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file");
}

FullDisk::FullDisk(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit limit = m_old;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FullDisk::~FullDisk()
{
    setrlimit(RLIMIT_FSIZE, &m_old);
}

QStringList titlesOf(const PlayListModel &model)
{
    QStringList titles;
    for (int row = 0; row < model.count(); ++row)
        titles.append(model.title(row));
    return titles;
}

QList<PlayListModel::Entry> entriesOf(const QStringList &paths)
{
    QList<PlayListModel::Entry> entries;
    for (const QString &path : paths)
        entries.append({path, false});
    return entries;
}

QByteArray silentWav(int milliseconds)
{
    const quint32 samples = 8 * milliseconds;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(8000) << quint16(1) << quint16(8);
    out.writeRawData("data", 4);
    out << samples;
    return bytes + QByteArray(samples, char(0x80));
}

bool tagFile(const QString &path, const QString &artist, const QString &title)
{
    const QByteArray name = QFile::encodeName(path);
    std::unique_ptr<TagLib::File> file;
    TagLib::Tag *id3 = nullptr;
    if (path.endsWith(QLatin1String(".wav"))) {
        auto wave = std::make_unique<TagLib::RIFF::WAV::File>(name.constData());
        id3 = wave->ID3v2Tag();
        file = std::move(wave);
    } else {
        auto mpeg = std::make_unique<TagLib::MPEG::File>(name.constData());
        id3 = mpeg->ID3v2Tag(true);
        file = std::move(mpeg);
    }
    if (!artist.isNull())
        id3->setArtist(TagLib::String(artist.toUtf8().constData(), TagLib::String::UTF8));
    if (!title.isNull())
        id3->setTitle(TagLib::String(title.toUtf8().constData(), TagLib::String::UTF8));
    return file->isValid() && file->save();
}
