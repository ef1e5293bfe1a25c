// The program with the keyboard alone and with a screen reader.

#include <QAccessible>

#include "form_fixture.h"

class KeyboardAccessTest : public FormFixture {
    Q_OBJECT

    // Where a key goes: the focused control of the active window, else the window.
    static QWidget* focused() {
        QWidget* window = QApplication::activeWindow();
        return window && window->focusWidget() ? window->focusWidget() : window;
    }
    static void press(int key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(focused(), Qt::Key(key), mods); }
    static QWidget* tab_into(const QWidget* area) {
        for (int i = 0; i < 40 && !area->isAncestorOf(focused()) && focused() != area; ++i) press(Qt::Key_Tab);
        return focused();
    }
    // The offscreen platform leaves the first window active: the others are activated
    // as a window manager would.
    static bool activate(QWidget* w) {
        QApplication::setActiveWindow(w);
        return QTest::qWaitForWindowActive(w) && w->isActiveWindow();
    }

private slots:
    // Every control that takes the focus, in every window, has a name to be read by.
    void everyControlHasAName() {
        const auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
        QStringList nameless;
        for (QWidget* window : QList<QWidget*>{form.get(), Tipo, att, DialogStampa, FRinumera, FStat})
            for (QWidget* w : window->findChildren<QWidget*>())
                if (w->focusPolicy() != Qt::NoFocus && w->window() == window && name(w).trimmed().isEmpty())
                    nameless << w->objectName() + ":" + w->metaObject()->className();
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(", ")));
        QCOMPARE(QStringList({name(form->min_dur->edit()), name(form->b_att), name(Tipo->RadioGroup3->item(0)),
                              name(FRinumera->numera)}),
                 QStringList({"Durata Immersione, minuti", "Attività…", "Risalita",
                              "Inserisci il numero iniziale delle immersioni"}));
    }

    // The dive-type button by Tab and Space; a choice made with the mouse, then another
    // dive: Tab lands on what that dive holds and the arrows change it. The activities by
    // Alt+A. Esc closes each dialog, writing into the dive as the close box does, and
    // closes the statistics; the print dialog's groups keep Tab on their choice too.
    void everyWindowByKeyboard() {
        Clogbook in = dives_on({1, 2});
        in.corrente = 1;
        in.set_tipo(0, 2);
        load(in);
        form->show();
        for (int dive_shown : {0, 1}) {
            QVERIFY(activate(form.get()));
            if (dive_shown == 1) click_item(1);
            form->PageControl2->setCurrentWidget(form->imm_descrizioni);
            form->PageControl2->tabBar()->setFocus(Qt::TabFocusReason);
            QCOMPARE(tab_into(form->b_tipo), form->b_tipo);
            press(Qt::Key_Space);
            QVERIFY(Tipo->isVisible() && activate(Tipo));
            if (dive_shown == 0) {
                QTest::mouseClick(Tipo->RadioGroup1->item(1), Qt::LeftButton, {}, QPoint(8, 7));
            } else {
                QCOMPARE(tab_into(Tipo->RadioGroup1), Tipo->RadioGroup1->item(2));  // SCR, not Nitrox clicked before
                press(Qt::Key_Up);
                QCOMPARE(tab_into(Tipo->RadioGroup2), Tipo->RadioGroup2->item(0));
                press(Qt::Key_Down);
            }
            press(Qt::Key_Escape);
            QVERIFY(Tipo->isHidden());
        }
        QCOMPARE(std::pair(dive(0).gas, dive(1).gas), std::pair(1, 1));
        QCOMPARE(dive(1).tipo_bit, 0x04);

        QVERIFY(activate(form.get()));
        press(Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(att->isVisible());  // a mnemonic clicks the button as the eye can follow
        QVERIFY(activate(att));
        QTest::keyClicks(focused(), "zz");
        press(Qt::Key_Escape);
        QCOMPARE(std::pair(dive(1).altro, dive(1).att_bit2), std::pair(std::string("zz"), 0x10));

        QVERIFY(activate(form.get()));
        press(Qt::Key_T, Qt::ControlModifier);
        QVERIFY(activate(FStat));
        press(Qt::Key_Escape);
        QVERIFY(FStat->isHidden());
        QVERIFY(activate(form.get()));
        press(Qt::Key_P, Qt::ControlModifier);
        auto* second = DialogStampa->RadioGroup1->findChildren<QRadioButton*>().at(1);
        second->setChecked(true);  // as a previous showing left it
        QVERIFY(activate(DialogStampa));
        QCOMPARE(tab_into(DialogStampa->RadioGroup1), second);
        QVERIFY(errors.messages.empty());
    }
};

QTEST_MAIN(KeyboardAccessTest)
#include "keyboard_access_test.moc"
