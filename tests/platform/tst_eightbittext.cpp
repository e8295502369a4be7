#include <QTest>

#include "platform/EightBitText.h"

using namespace Qt::StringLiterals;

class TestEightBitText : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void splitLines_data();
    void splitLines();
};

void TestEightBitText::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << "C:\\MP3\\a.mp3"_ba << u"C:\\MP3\\a.mp3"_s;
    QTest::newRow("utf-8") << "Caf\xc3\xa9 \xd0\x96"_ba << u"Café Ж"_s;
    QTest::newRow("windows-1252") << "Caf\xe9 \x80 \x93x\x94"_ba << u"Café € “x”"_s;
    QTest::newRow("unassigned 1252 byte") << "a\x81"_ba << u"a\u0081"_s;
    QTest::newRow("cut utf-8 sequence") << "ab\xc3"_ba << u"ab\u00c3"_s;
}

void TestEightBitText::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(EightBitText::decode(bytes), text);
}

void TestEightBitText::splitLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::newRow("CR LF") << "a\r\nb\r\n"_ba << QList<QByteArray>{"a", "b"};
    QTest::newRow("CR") << "a\rb\r"_ba << QList<QByteArray>{"a", "b"};
    QTest::newRow("LF") << "a\nb"_ba << QList<QByteArray>{"a", "b"};
    QTest::newRow("LF CR is two ends") << "a\n\rb"_ba << QList<QByteArray>{"a", "", "b"};
    QTest::newRow("empty lines kept") << "\r\n\r\nx"_ba << QList<QByteArray>{"", "", "x"};
    QTest::newRow("nothing") << ""_ba << QList<QByteArray>{};
}

void TestEightBitText::splitLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QByteArray>, lines);
    QCOMPARE(EightBitText::splitLines(bytes), lines);
}

QTEST_GUILESS_MAIN(TestEightBitText)
#include "tst_eightbittext.moc"
