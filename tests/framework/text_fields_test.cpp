#include "framework/codec.h"
#include "framework/text_fields.h"
#include "widget_tests.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

class TextFieldsTest : public QObject {
    Q_OBJECT

    static void paste(QWidget* into, const char* utf8)
    {
        QApplication::clipboard()->setText(QString::fromUtf8(utf8));
        QMetaObject::invokeMethod(into, "paste");
    }

private slots:
    void codecRoundTripsEveryByteAndTellsWhatItCannotHold()
    {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all.push_back(char(b)); // the zero byte too
        const QString text = decode_1252(all);
        QCOMPARE(text.size(), 256);
        QVERIFY(encode_1252(text) == all);
        QVERIFY(representable_1252(text) && representable_1252(QString()));
        QCOMPARE(text.mid(0x80, 1) + text[0x92] + text[0x9f] + text[0xe0],
                 QString::fromUtf8("€’Ÿà"));
        for (const char* outside : {"a\u0100", "\u4e2d", "\U0001F600"})
            QVERIFY(!representable_1252(QString::fromUtf8(outside)));
    }

    void fieldRefusesCharactersOutsideTheCodePage()
    {
        TextField field;
        field.show();
        QVERIFY(QTest::qWaitForWindowActive(&field));
        QSignalSpy spy(&field, &TextField::changedByUser);
        field.fill("Portofino \x80");
        QCOMPARE(field.text(), QString::fromUtf8("Portofino €"));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(field.cursorPosition(), 0); // a long text shows its start
        field.end(false);
        type_text(&field, QString::fromUtf8(" Āè"));
        QVERIFY(field.bytes() == "Portofino \x80 \xe8");
        QCOMPARE(spy.count(), 2); // pasting goes through the same validator
    }

    void memoKeepsCrLfAndNoBreakSpacesAndRefusesTheRest()
    {
        TextMemo memo;
        memo.show();
        QVERIFY(QTest::qWaitForWindowActive(&memo));
        QSignalSpy spy(&memo, &TextMemo::changedByUser);
        const std::string stored = "Luca\r\nAnna\xa0M.\r\n";
        memo.fill(stored);
        QVERIFY(memo.bytes() == stored);
        QCOMPARE(spy.count(), 0);

        memo.moveCursor(QTextCursor::End);
        type_text(&memo, QString::fromUtf8("oĀk"));
        QTest::keyClick(&memo, Qt::Key_Return);
        QTest::keyClicks(&memo, QStringLiteral("2"));
        QVERIFY(memo.bytes() == stored + "ok\r\n2");
        QCOMPARE(spy.count(), 4);
        paste(&memo, "€ Ā");
        QVERIFY(memo.bytes() == stored + "ok\r\n2");
        paste(&memo, "€");
        QVERIFY(memo.bytes() == stored + "ok\r\n2\x80");
        QCOMPARE(spy.count(), 5);
    }
};

static RegisterWidgetTest<TextFieldsTest> registered;

#include "text_fields_test.moc"
