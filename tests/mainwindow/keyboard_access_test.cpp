// The program with the keyboard alone and with a screen reader: every control named,
// the flag dialogs and the statistics opened and closed by keys, radio groups chosen
// with Tab and the arrows.

#include <QAccessible>

#include "form_fixture.h"

class KeyboardAccessTest : public FormFixture {
    Q_OBJECT

    // Where a key goes: the focused control of the active window, else the window.
    static QWidget* focused() {
        QWidget* window = QApplication::activeWindow();
        return window && window->focusWidget() ? window->focusWidget() : window;
    }
    // Keys as the user types them.
    static void press(int key, Qt::KeyboardModifiers mods = {}) {
        QVERIFY2(focused(), "no active window");
        QTest::keyClick(focused(), Qt::Key(key), mods);
    }
    static QWidget* tab_until(const std::function<bool(QWidget*)>& found) {
        for (int i = 0; i < 40; ++i) {
            if (found(focused())) return focused();
            QTest::keyClick(focused(), Qt::Key_Tab);
        }
        return nullptr;
    }
    // The offscreen platform leaves the first window active: the others are activated
    // as a window manager would.
    static bool wait_active(QWidget* w) {
        QApplication::setActiveWindow(w);
        return QTest::qWaitForWindowActive(w) && w->isActiveWindow();
    }

private slots:
    // What a screen reader says for each control that takes the focus, in every window.
    void everyControlHasAName() {
        QStringList nameless;
        for (QWidget* window : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(Tipo),
                                static_cast<QWidget*>(att), static_cast<QWidget*>(DialogStampa),
                                static_cast<QWidget*>(FRinumera), static_cast<QWidget*>(FStat)})
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (w->focusPolicy() == Qt::NoFocus || w->window() != window) continue;
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
                if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
                    nameless << window->objectName() + "/" + w->objectName() + ":" + w->metaObject()->className();
            }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(", ")));
        const auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
        QCOMPARE(name(form->prof), QString("Profondità Massima"));
        QCOMPARE(name(form->min_dur->edit()), QString("Durata Immersione, minuti"));
        QCOMPARE(name(form->b_tipo), QString("Tipo di immersione…"));
        QCOMPARE(name(form->b_att), QString("Attività…"));
        QCOMPARE(name(Tipo->RadioGroup3->item(0)), QString("Risalita"));
        QCOMPARE(name(FRinumera->numera), QString("Inserisci il numero iniziale delle immersioni"));
        QCOMPARE(name(att->altro), QString("Altro"));
    }

    // From the tab row to the dive-type button by Tab, to the activities by Alt+A; a choice
    // made with the mouse, then another dive: Tab lands on what that dive holds and Down
    // changes it. Esc closes each dialog and writes into the dive as the close box does.
    void flagDialogsByKeyboard() {
        Clogbook in = dives_on({1, 2});
        in.corrente = 1;
        in.set_tipo(0, 2);
        load(in);
        form->show();
        QVERIFY(wait_active(form.get()));
        form->PageControl2->tabBar()->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Right);
        press(Qt::Key_Right);
        QCOMPARE(form->PageControl2->currentWidget(), form->imm_descrizioni);
        QCOMPARE(tab_until([&](QWidget* w) { return w == form->b_tipo; }), form->b_tipo);
        press(Qt::Key_Space);
        QVERIFY(wait_active(Tipo));
        QTest::mouseClick(Tipo->RadioGroup1->item(1), Qt::LeftButton, {}, QPoint(8, 7));
        QTest::mouseClick(Tipo->RadioGroup2->item(1), Qt::LeftButton, {}, QPoint(8, 7));
        press(Qt::Key_Escape);
        QVERIFY(Tipo->isHidden());
        QCOMPARE(std::pair(dive(0).gas, dive(0).tipo_bit), std::pair(1, 0x04));

        form->show();
        QVERIFY(wait_active(form.get()));
        click_item(1);
        form->PageControl2->setCurrentWidget(form->imm_descrizioni);
        form->b_tipo->setFocus();
        press(Qt::Key_Space);
        QVERIFY(wait_active(Tipo));
        QWidget* gas = tab_until([&](QWidget* w) { return Tipo->RadioGroup1->isAncestorOf(w); });
        QCOMPARE(gas, Tipo->RadioGroup1->item(2));  // SCR, as the dive holds, not the Nitrox clicked before
        press(Qt::Key_Up);
        QCOMPARE(Tipo->RadioGroup1->itemIndex(), 1);
        QCOMPARE(tab_until([&](QWidget* w) { return Tipo->RadioGroup2->isAncestorOf(w); }), Tipo->RadioGroup2->item(0));
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        QCOMPARE(Tipo->RadioGroup2->itemIndex(), 2);
        press(Qt::Key_Escape);
        QCOMPARE(std::pair(dive(1).gas, dive(1).tipo_bit), std::pair(1, 0x08));

        form->show();
        QVERIFY(wait_active(form.get()));
        form->commenti->setFocus();
        press(Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(att->isVisible());  // a mnemonic clicks the button as the eye can follow

        QVERIFY(wait_active(att));
        QCOMPARE(focused(), att->altro);
        QTest::keyClicks(att->altro, "zz");
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(focused(), att->CheckBox[0]);
        press(Qt::Key_Space);
        press(Qt::Key_Escape);
        QVERIFY(att->isHidden());
        QCOMPARE(std::pair(dive(1).att_bit1, dive(1).att_bit2), std::pair(0x01, 0x10));
        QCOMPARE(dive(1).altro, std::string("zz"));
        QVERIFY(errors.messages.empty());
    }

    // Esc closes the statistics; the print dialog's groups keep Tab on their choice too.
    void escClosesStatisticsAndTabFindsTheChoice() {
        form->show();
        QVERIFY(wait_active(form.get()));
        press(Qt::Key_T, Qt::ControlModifier);
        QVERIFY(wait_active(FStat));
        press(Qt::Key_Escape);
        QVERIFY(FStat->isHidden());

        form->show();
        QVERIFY(wait_active(form.get()));
        press(Qt::Key_P, Qt::ControlModifier);
        QVERIFY(wait_active(DialogStampa));
        auto* second = DialogStampa->RadioGroup1->findChildren<QRadioButton*>().at(1);
        second->setChecked(true);  // as a previous showing left it
        QWidget* in_group = tab_until([&](QWidget* w) { return DialogStampa->RadioGroup1->isAncestorOf(w); });
        QCOMPARE(in_group, second);
    }
};

QTEST_MAIN(KeyboardAccessTest)
#include "keyboard_access_test.moc"
