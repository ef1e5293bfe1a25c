#include "framework/codec.h"
#include "widget_tests.h"

#include <QTest>

class CodecTest : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTrips()
    {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all.push_back(char(b));
        const QString text = decode_1252(all);
        QCOMPARE(text.size(), 256);
        QVERIFY(representable_1252(text));
        QVERIFY(encode_1252(text) == all);
    }

    void upperControlRangeMapsToWindowsCharacters()
    {
        QCOMPARE(decode_1252("\x80"), QString(QChar(0x20AC)));
        QCOMPARE(decode_1252("\x92"), QString(QChar(0x2019)));
        QCOMPARE(decode_1252("\x9f"), QString(QChar(0x0178)));
        QCOMPARE(decode_1252("Profondit\xe0"), QString::fromUtf8("Profondità"));
        QVERIFY(encode_1252(QString::fromUtf8("€è°")) == "\x80\xe8\xb0");
    }

    void zeroBytesSurvive()
    {
        const std::string bytes("a\0b", 3);
        QCOMPARE(decode_1252(bytes).size(), 3);
        QVERIFY(encode_1252(decode_1252(bytes)) == bytes);
    }

    void charactersOutsideTheCodePageAreTold()
    {
        QVERIFY(!representable_1252(QString::fromUtf8("a\u0100")));
        QVERIFY(!representable_1252(QString::fromUtf8("\u4e2d")));
        QVERIFY(!representable_1252(QString::fromUtf8("\U0001F600")));
        QVERIFY(representable_1252(QString()));
    }
};

static RegisterWidgetTest<CodecTest> registered;

#include "codec_test.moc"
