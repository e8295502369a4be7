// SPDX-License-Identifier: MIT

// Reading titles and lengths from music files' tags, on small files the tests make and tag themselves.
#include <sys/stat.h>

#include <QDataStream>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "playlist/TrackTags.h"
#include "support/TestFiles.h"

using namespace Qt::StringLiterals;

namespace {

int wavSeconds(int milliseconds)
{
    return qRound(milliseconds / 1000.0);
}

// MPEG-1 Layer III frames of 417 bytes at 128 kbit/s and 44.1 kHz, unpadded; each plays 1152 samples.
QByteArray mp3(int frames)
{
    const QByteArray frame = "\xFF\xFB\x90\x64"_ba + QByteArray(417 - 4, '\0');
    return frame.repeated(frames);
}
// TagLib estimates the length from the bit rate; the counts used lie far enough from a half second that its
// estimate and the true length round alike.
int mp3Seconds(int frames)
{
    return qRound(frames * 1152 / 44100.0);
}

} // namespace

class TestTrackTags : public QObject
{
    Q_OBJECT

private slots:
    void extinfLine_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("artist");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("line");
        QTest::newRow("artist and title")
            << 215 << u"Björk"_s << u"Jóga"_s << u"/m/x.mp3"_s << u"#EXTINF:215,Björk - Jóga"_s;
        QTest::newRow("title alone") << 3 << QString() << u"Ærø"_s << u"/m/x.mp3"_s << u"#EXTINF:3,Ærø"_s;
        QTest::newRow("no title: the name") << -1 << QString() << u"  "_s << u"/m/a.b.flac"_s << u"#EXTINF:-1,a.b"_s;
        QTest::newRow("artist, no title") << 7 << u"A"_s << QString() << u"/m/t07.ogg"_s << u"#EXTINF:7,A - t07"_s;
        QTest::newRow("name without extension") << 1 << QString() << QString() << u"/m/song"_s << u"#EXTINF:1,song"_s;
        QTest::newRow("name starting with a dot") << 1 << QString() << QString() << u"/m/.mp3"_s << u"#EXTINF:1,.mp3"_s;
        QTest::newRow("line breaks") << 2 << u" A\r\nB "_s << u"\tT\u2028U\n"_s << u"/m/x.mp3"_s
                                     << u"#EXTINF:2,A  B - T U"_s;
        QTest::newRow("line break in the name")
            << 2 << QString() << QString() << u"/m/two\nlines.mp3"_s << u"#EXTINF:2,two lines"_s;
    }

    void extinfLine()
    {
        QFETCH(int, seconds);
        QFETCH(QString, artist);
        QFETCH(QString, title);
        QFETCH(QString, path);
        QFETCH(QString, line);
        QCOMPARE(TrackTagReader::extinfLine({seconds, artist, title}, path), line);
    }

    void read_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("audio");
        QTest::addColumn<QString>("artist"); // written by the test; null leaves it out, and both null: no tag
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("shown"); // what the #EXTINF line shows after the comma
        QTest::newRow("wav") << u"a.wav"_s << silentWav(2750) << u"Björk"_s << u"Jóga"_s << wavSeconds(2750)
                             << u"Björk - Jóga"_s;
        QTest::newRow("mp3") << u"b.mp3"_s << mp3(230) << u"Ærø"_s << u"Sang"_s << mp3Seconds(230) << u"Ærø - Sang"_s;
        QTest::newRow("title alone") << u"c.mp3"_s << mp3(122) << QString() << u"  Ærø "_s << mp3Seconds(122)
                                     << u"Ærø"_s;
        QTest::newRow("no tags") << u"Ærø.v2.wav"_s << silentWav(1200) << QString() << QString() << wavSeconds(1200)
                                 << u"Ærø.v2"_s;
        // Only the extension tells TagLib to look for MPEG frames past the start.
        QTest::newRow("mp3 after junk") << u"junk.mp3"_s << QByteArray(QByteArray(5000, 'J') + mp3(80)) << QString()
                                        << QString() << mp3Seconds(80) << u"junk"_s;
        QTest::newRow("mp3 without extension")
            << u"track"_s << mp3(80) << QString() << QString() << mp3Seconds(80) << u"track"_s;
        QTest::newRow("no sound") << u"empty.wav"_s << silentWav(0) << QString() << u"T"_s << -1 << u"T"_s;
    }

    void read()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, audio);
        QFETCH(QString, artist);
        QFETCH(QString, title);
        QFETCH(int, seconds);
        QFETCH(QString, shown);
        const QString path = m_dir.filePath(name);
        writeFile(path, audio);
        if (!artist.isNull() || !title.isNull())
            QVERIFY(tagFile(path, artist, title));
        const QByteArray before = readFile(path);

        const std::optional<TrackTags> tags = TrackTagReader::read(path);
        QVERIFY(tags);
        QCOMPARE(tags->seconds, seconds);
        QCOMPARE(tags->artist, artist.trimmed());
        QCOMPARE(tags->title, title.trimmed());
        QCOMPARE(TrackTagReader::extinfLineFor(path), u"#EXTINF:%1,"_s.arg(seconds) + shown);
        QCOMPARE(readFile(path), before);
    }

    void notMusic_data()
    {
        QTest::addColumn<QString>("path");
        const QString dir = m_dir.path();
        writeFile(dir + u"/notes.mp3"_s, "Not a song, just a few words\nover two lines.\n"_ba.repeated(40));
        writeFile(dir + u"/nothing.mp3"_s);
        QDir(dir).mkdir(u"folder.mp3"_s);
        mkfifo(QFile::encodeName(dir + u"/pipe.mp3"_s).constData(), 0600);
        QTest::newRow("text") << dir + u"/notes.mp3"_s;
        QTest::newRow("empty file") << dir + u"/nothing.mp3"_s;
        QTest::newRow("missing") << dir + u"/gone.mp3"_s;
        QTest::newRow("folder") << dir + u"/folder.mp3"_s;
        // Opening a pipe must not wait for a writer: none ever comes.
        QTest::newRow("pipe") << dir + u"/pipe.mp3"_s;
    }

    void notMusic()
    {
        QFETCH(QString, path);
        QVERIFY(!TrackTagReader::read(path));
        QVERIFY(TrackTagReader::extinfLineFor(path).isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestTrackTags)
#include "tst_tracktags.moc"
