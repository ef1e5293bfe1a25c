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

    // Enter renumbers in date order; the lowest start is kept within 32 bits and shown unsigned.
    void renumberFromTheDialog() {
        load(dives_on({9, 3, 7, 1, 10, 5, 2, 8, 4, 6}));
        show_active();
        const auto renumber = [&](const char* start, Qt::Key key) {
            key_click(Qt::Key_R, Qt::ControlModifier);
            retype(FRinumera->numera->edit(), start);
            QTest::keyClick(FRinumera->numera, key);
        };
        renumber("100", Qt::Key_Return);
        QVERIFY(FRinumera->isHidden());
        for (int i = 0; i < 10; ++i) QCOMPARE(items()[i], QString(" %1 - %2").arg(100 + i).arg(i + 1));
        renumber("-2147483648", Qt::Key_Enter);
        QCOMPARE(items().first(), QString(" 2147483649 - 1"));
    }

    // Each dialog shows the current dive's flags and writes them back on Enter or its close
    // box, into the dive current at that moment; a logbook emptied meanwhile gets nothing.
    void flagDialogsLoadAndWriteIntoTheCurrentDive() {
        Clogbook in = dives_on({1, 2, 3});
        in.set_tipo(0x08, 0);
        in.set_attivita(0x80, 0x01);
        in.set_altro("ab");
        load(in);
        show_active();
        click(form->b_tipo);
        click(form->b_att);
        QCOMPARE(Tipo->scelta(), (TypeChoice{0, 2, 0, 0}));
        QVERIFY(att->CheckBox[7]->isChecked() && att->CheckBox[8]->isChecked() && !att->CheckBox[9]->isChecked());
        click(Tipo->RadioGroup1->item(2));
        click(Tipo->RadioGroup4->item(2));
        QTest::keyClick(Tipo->RadioGroup4->item(2), Qt::Key_Return);
        QVERIFY(Tipo->isHidden());
        QCOMPARE(Flags(dive(0).tipo_bit, dive(0).gas), Flags(0x88, 2));
        QCOMPARE(form->tipo->toPlainText(), QString::fromStdString(Clogbook::Testo_Tipo(0x88, 2)));
        click(att->CheckBox[0]);
        QTest::keyClick(att->altro, Qt::Key_End);
        QTest::keyClicks(att->altro, "c");
        form->activateWindow();
        click_item(2);
        QVERIFY(att->close());
        QCOMPARE(Flags(dive(0).att_bit1, dive(0).att_bit2), Flags(0x80, 0x01));
        QCOMPARE(Flags(dive(2).att_bit1, dive(2).att_bit2), Flags(0x81, 0x11));  // two characters set "Altro"
        QCOMPARE(dive(2).altro, std::string("abc"));
        QVERIFY(form->attivita->toPlainText().startsWith("abc, Osservazione, "));

        click(form->b_tipo);
        click(form->b_att);
        click(Tipo->RadioGroup3->item(1));
        QTest::keyClicks(att->altro, "zz");
        form->ListBox1->selectAll();
        form->Cancella1->trigger();
        QVERIFY(Tipo->close() && att->close());
        QCOMPARE(form->logbook().num_imm, 0u);
        QVERIFY(errors.messages.empty());
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
