#include <functional>

#include "form_fixture.h"

using Flags = std::pair<int32_t, int32_t>;

class DialogsTest : public FormFixture {
    Q_OBJECT

    void key_click(Qt::Key k, Qt::KeyboardModifiers mods) { QTest::keyClick(form->ListBox1, k, mods); }
    // On the glyph end, where a radio item or check box takes the click whatever its width.
    void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }

private slots:
    // Insert appends and shows the new dive whatever was current.
    void deleteScatteredSelectionInsertThenDeleteEverything() {
        Clogbook lb = dives_on({1, 2, 3, 4, 5});
        lb.base_num = 20;
        load(lb);
        show_active();
        click_item(1);
        click_item(3, Qt::ControlModifier);
        key_click(Qt::Key_F10, Qt::ControlModifier);
        QCOMPARE(form->posto->text(), QString("1"));
        key_click(Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(items(), (QStringList{" 21 - 1", " 22 - 3", " 23 - 5", " 24 - "}));
        QCOMPARE(form->logbook().corrente, 3u);
        QCOMPARE(form->ListBox1->currentIndex().row(), 3);

        // Everything: the dialog buttons are disabled, their handlers do nothing, a second
        // Delete neither; Insert numbers from base_num again.
        form->ListBox1->setFocus();
        key_click(Qt::Key_A, Qt::ControlModifier);
        key_click(Qt::Key_F10, Qt::ControlModifier);
        QVERIFY(items().isEmpty());
        form->posto->setText("x");  // no dive to write to
        form->b_tipoClick();
        form->b_attClick();
        QVERIFY(Tipo->isHidden() && att->isHidden());
        form->Cancella1->trigger();
        form->Inserisci1->trigger();
        QCOMPARE(items(), QStringList{" 21 - "});
        QVERIFY(errors.messages.empty());
    }

    // OK renumbers in date order. However the dialog is confirmed, a text that is no number
    // starts from 0 and a number out of range from the nearest bound, which the field then shows.
    void renumberFromTheDialog() {
        load(dives_on({9, 3, 7, 1, 10, 5, 2, 8, 4, 6}));
        show_active();
        const std::pair<const char*, std::function<void(const QString&)>> confirmations[] = {
            {"Enter", [&](const QString&) { QTest::keyClick(FRinumera->numera, Qt::Key_Return); }},
            {"Tab, OK",
             [&](const QString& shown) {
                 QTest::keyClick(FRinumera->numera, Qt::Key_Tab);
                 QCOMPARE(FRinumera->numera->text(), shown);
                 QTest::keyClick(FRinumera->BitBtn1, Qt::Key_Return);
             }},
            {"click on OK", [&](const QString&) { QTest::mouseClick(FRinumera->BitBtn1, Qt::LeftButton); }},
        };
        const std::pair<const char*, int32_t> starts[] = {
            {"100", 100}, {"", 0}, {"abc", 0}, {"2147483648", INT32_MAX}, {"-2147483649", INT32_MIN + 1}};
        for (const auto& [how, confirm] : confirmations)
            for (const auto& [typed, first] : starts) {
                qInfo() << how << typed;
                form->Rinumera1->trigger();
                QApplication::setActiveWindow(FRinumera);  // offscreen, the main window may still hold it
                for (auto [key, mods] : {std::pair{Qt::Key_End, Qt::NoModifier}, {Qt::Key_Home, Qt::ShiftModifier},
                                         {Qt::Key_Backspace, Qt::NoModifier}})
                    QTest::keyClick(FRinumera->numera->edit(), key, mods);
                QTest::keyClicks(FRinumera->numera->edit(), typed);
                confirm(QString::number(first));
                QVERIFY(FRinumera->isHidden());
                QCOMPARE(FRinumera->numera->text(), QString::number(first));
                QCOMPARE(form->logbook().base_num, first - 1);
                QCOMPARE(items().first(), QString(" %1 - 1").arg(uint32_t(first)));
                QCOMPARE(items().last(), QString(" %1 - 10").arg(uint32_t(first) + 9));
            }
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
