#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "playlist/M3UFile.h"

using namespace Qt::StringLiterals;

namespace {

QStringList lines(const M3UContent &content)
{
    QStringList result;
    for (const PlayListModel::Entry &entry : content.entries)
        result.append(entry.line);
    return result;
}

} // namespace

class TestM3UFile : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void savedUnchanged_data();
    void savedUnchanged();
    void missingFile();
};

void TestM3UFile::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<ListEncoding>("encoding");
    const auto eight = ListEncoding::EightBit;

    QTest::newRow("extended header kept")
        << "#EXTM3U\r\n#EXTINF:123,Artist - A\r\nD:\\MP3\\A.mp3\r\n"_ba
        << QStringList{u"#EXTM3U"_s, u"#EXTINF:123,Artist - A"_s, u"D:\\MP3\\A.mp3"_s} << eight;
    QTest::newRow("LF ends") << "/a/1.mp3\n/a/2.mp3\n"_ba << QStringList{u"/a/1.mp3"_s, u"/a/2.mp3"_s} << eight;
    QTest::newRow("CR ends") << "/a/1.mp3\r/a/2.mp3"_ba << QStringList{u"/a/1.mp3"_s, u"/a/2.mp3"_s} << eight;
    QTest::newRow("blank lines skipped, nothing lost")
        << "/a/1.mp3\r\n\r\n\n/a/2.mp3\r\n\r\n"_ba << QStringList{u"/a/1.mp3"_s, u"/a/2.mp3"_s} << eight;
    QTest::newRow("short lines kept") << "ab\r\n/a/2.mp3\r\n"_ba << QStringList{u"ab"_s, u"/a/2.mp3"_s} << eight;
    QTest::newRow("blanks kept on reading") << "  /a/1.mp3 \r\n"_ba << QStringList{u"  /a/1.mp3 "_s} << eight;
    QTest::newRow("windows-1252") << "D:\\Caf\xe9\\\x93Hi\x94.mp3\r\n"_ba << QStringList{u"D:\\Café\\“Hi”.mp3"_s}
                                  << eight;
    QTest::newRow("utf-8 mark not in the first entry")
        << "\xEF\xBB\xBF/a/Caf\xC3\xA9.mp3\r\n"_ba << QStringList{u"/a/Café.mp3"_s} << ListEncoding::Utf8WithMark;
    QTest::newRow("utf-16 little endian") << "\xFF\xFE/\0a\0.\0m\0p\x00"
                                             "3\0\r\0\n\0"_ba
                                          << QStringList{u"/a.mp3"_s} << ListEncoding::Utf16LittleEndian;
    QTest::newRow("NUL bytes stay in the line") << "/a/\0x.mp3\r\n"_ba << QStringList{u"/a/\0x.mp3"_s} << eight;
    QTest::newRow("empty file") << QByteArray() << QStringList{} << eight;
}

void TestM3UFile::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFETCH(ListEncoding, encoding);
    const M3UContent content = M3UFile::parse(bytes);
    QCOMPARE(::lines(content), lines);
    QCOMPARE(content.encoding, encoding);
}

// A list read and written back unchanged gives the same bytes, apart from CR LF ends, dropped empty lines and
// blanks trimmed around paths.
void TestM3UFile::savedUnchanged_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("utf-8") << "/m/Caf\xC3\xA9/\xD0\x96.mp3\r\n#EXTINF:1,x\r\n"_ba
                           << "/m/Caf\xC3\xA9/\xD0\x96.mp3\r\n#EXTINF:1,x\r\n"_ba;
    QTest::newRow("windows-1252 beside utf-8") << "D:\\Caf\xe9.mp3\r\n/m/\xC3\xA9.mp3\r\n"_ba
                                               << "D:\\Caf\xe9.mp3\r\n/m/\xC3\xA9.mp3\r\n"_ba;
    QTest::newRow("invalid bytes") << "/m/\x81\x8d\x8f\x90\x9d\xff.mp3\n"_ba
                                   << "/m/\x81\x8d\x8f\x90\x9d\xff.mp3\r\n"_ba;
    QTest::newRow("mark kept") << "\xEF\xBB\xBF/a.mp3\n\n/b.mp3"_ba
                               << "\xEF\xBB\xBF/a.mp3\r\n/b.mp3\r\n"_ba;
    QTest::newRow("utf-16 big endian") << "\xFE\xFF\0/\0a\0\r\0\n\0 \0b\0\n"_ba
                                       << "\xFE\xFF\0/\0a\0\r\0\n\0b\0\r\0\n"_ba;
    QTest::newRow("blanks trimmed") << "  /a.mp3  \r\n"_ba
                                    << "/a.mp3\r\n"_ba;
    QTest::newRow("entry of blanks alone left out") << "   \r\n/a.mp3\r\n"_ba
                                                    << "/a.mp3\r\n"_ba;
    QTest::newRow("first line starting like a mark stays plain") << "\r\xfe\xff\xfe.mp3\r\n"_ba
                                                                 << "\r\n\xfe\xff\xfe.mp3\r\n"_ba;
    QTest::newRow("mark inside the list kept") << "/a.mp3\r\n\xef\xbb\xbf/b.mp3\r\n"_ba
                                               << "/a.mp3\r\n\xef\xbb\xbf/b.mp3\r\n"_ba;
    QTest::newRow("one line of a megabyte") << "/" + QByteArray(1 << 20, 'x') + ".mp3"_ba
                                            << "/" + QByteArray(1 << 20, 'x') + ".mp3\r\n"_ba;
}

void TestM3UFile::savedUnchanged()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, saved);
    const M3UContent content = M3UFile::parse(file);
    PlayListModel model;
    model.setEntries(content.entries);
    QCOMPARE(M3UFile::format(model, content.encoding), saved);
}

void TestM3UFile::missingFile()
{
    QTemporaryDir dir;
    M3UContent content;
    QVERIFY(!M3UFile::read(dir.path() + u"/none.m3u"_s, content).isEmpty());
    QVERIFY(!M3UFile::read(dir.path(), content).isEmpty());
}

QTEST_GUILESS_MAIN(TestM3UFile)
#include "tst_m3ufile.moc"
