#include "framework/text_fields.h"
#include "widget_tests.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

class TextFieldsTest : public QObject {
    Q_OBJECT
private slots:
    void fieldShowsAndReturnsBytes()
    {
        TextField field;
        QSignalSpy spy(&field, &TextField::changedByUser);
        field.fill("Portofino \x80");
        QCOMPARE(field.text(), QString::fromUtf8("Portofino €"));
        QVERIFY(field.bytes() == "Portofino \x80");
        QCOMPARE(spy.count(), 0);
    }

    void fieldRefusesCharactersOutsideTheCodePage()
    {
        TextField field;
        field.show();
        QVERIFY(QTest::qWaitForWindowActive(&field));
        field.fill("");
        QSignalSpy spy(&field, &TextField::changedByUser);
        type_text(&field, QString::fromUtf8("aĀè"));
        QCOMPARE(field.text(), QString::fromUtf8("aè"));
        QVERIFY(field.bytes() == "a\xe8");
        QCOMPARE(spy.count(), 2);

        QApplication::clipboard()->setText(QString::fromUtf8("x中"));
        field.paste();
        QCOMPARE(field.text(), QString::fromUtf8("aè"));
        QApplication::clipboard()->setText(QStringLiteral("xy"));
        field.paste();
        QCOMPARE(field.text(), QString::fromUtf8("aèxy"));
        QCOMPARE(spy.count(), 3);
    }

    void memoKeepsLineBreaksAsCrLfAndNoBreakSpaces()
    {
        TextMemo memo;
        QSignalSpy spy(&memo, &TextMemo::changedByUser);
        const std::string stored = "Luca\r\nAnna\xa0M.\r\n";
        memo.fill(stored);
        QVERIFY(memo.bytes() == stored);
        QCOMPARE(spy.count(), 0);
    }

    void memoRefusesTypedAndPastedCharacters()
    {
        TextMemo memo;
        memo.show();
        QVERIFY(QTest::qWaitForWindowActive(&memo));
        memo.fill("");
        QSignalSpy spy(&memo, &TextMemo::changedByUser);
        type_text(&memo, QString::fromUtf8("oĀk"));
        QTest::keyClick(&memo, Qt::Key_Return);
        QTest::keyClicks(&memo, QStringLiteral("2"));
        QVERIFY(memo.bytes() == "ok\r\n2");
        QCOMPARE(spy.count(), 4);

        QApplication::clipboard()->setText(QString::fromUtf8("€ Ā"));
        memo.paste();
        QVERIFY(memo.bytes() == "ok\r\n2");
        QApplication::clipboard()->setText(QString::fromUtf8("€"));
        memo.paste();
        QVERIFY(memo.bytes() == "ok\r\n2\x80");
        QCOMPARE(spy.count(), 5);
    }
};

static RegisterWidgetTest<TextFieldsTest> registered;

#include "text_fields_test.moc"
