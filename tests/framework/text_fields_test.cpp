#include "framework/codec.h"
#include "framework/text_fields.h"
#include "widget_tests.h"

#include <QClipboard>
#include <QKeyEvent>

TEST(Codec, RoundTripsEveryByteAndTellsWhatItCannotHold) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(char(b)); // the zero byte too
    const QString text = decode_1252(all);
    EXPECT_EQ(encode_1252(text), all);
    EXPECT_EQ(text.mid(0x80, 1) + text[0x9f] + text[0xe0], QString::fromUtf8("€Ÿà"));
    EXPECT_TRUE(representable_1252(text));
    for (const char* outside : {"a\u0100", "\U0001F600"})
        EXPECT_FALSE(representable_1252(QString::fromUtf8(outside))) << outside;
}

// Typed keys, Enter and pasted text each take their own way into the memo.
TEST(TextMemo, KeepsCrLfAndNoBreakSpacesAndRefusesTheRest) {
    TextMemo memo;
    memo.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&memo));
    QSignalSpy spy(&memo, &TextMemo::changedByUser);
    const std::string stored = "Luca\r\nAnna\xa0M.\r\n";
    memo.fill(stored);
    memo.moveCursor(QTextCursor::End);
    for (const QChar c : QString::fromUtf8("oĀk")) { // Ā has no key of its own
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&memo, &press);
    }
    QTest::keyClick(&memo, Qt::Key_Return);
    for (const char* pasted : {"€ Ā", "€"}) {
        QApplication::clipboard()->setText(QString::fromUtf8(pasted));
        memo.paste();
    }
    EXPECT_EQ(memo.bytes(), stored + "ok\r\n\x80");
    EXPECT_EQ(spy.count(), 4);
}
