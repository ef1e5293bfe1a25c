#include "framework/combo_field.h"
#include "framework/spin_field.h"
#include "user_wheel.h"
#include "widget_tests.h"

#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>

class FocusedWheelTest : public QObject {
    Q_OBJECT
private slots:
    void wheelTurnsAFieldOnlyWhileItHasTheFocusAndElseScrolls()
    {
        QScrollArea area;
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        auto* other = new QLineEdit;
        auto* spin = new SpinField(SpinField::Kind::Integer);
        spin->setRange(0, 99);
        auto* combo = new ComboField;
        combo->addItems({"Nessuna", "Mutino", "Monopezzo"});
        layout->addSpacing(1000);
        for (QWidget* w : {static_cast<QWidget*>(other), static_cast<QWidget*>(spin), static_cast<QWidget*>(combo)})
            layout->addWidget(w);
        layout->addSpacing(1000);
        area.setWidget(page);
        area.resize(300, 400);
        area.show();
        QVERIFY(QTest::qWaitForWindowActive(&area));
        area.ensureWidgetVisible(spin, 0, 150);
        spin->fill(15);
        combo->fill(1);
        other->setFocus();
        QSignalSpy spinChanges(spin, &SpinField::changedByUser);
        QSignalSpy comboChanges(combo, &ComboField::changedByUser);
        QScrollBar* scroll = area.verticalScrollBar();

        // Over fields the user is not in, the wheel scrolls the page and edits nothing.
        for (QWidget* field : {static_cast<QWidget*>(spin), static_cast<QWidget*>(combo)}) {
            const int before = scroll->value();
            user_wheel(field, 1);
            QVERIFY2(scroll->value() < before, field->metaObject()->className());
            QVERIFY(other->hasFocus());
        }
        QCOMPARE(spin->text() + "|" + combo->currentText(), QString("15|Mutino"));
        QCOMPARE(spinChanges.count() + comboChanges.count(), 0);

        // In the field the user works in, the wheel steps it, and the page stays.
        const int before = scroll->value();
        spin->setFocus();
        user_wheel(spin, 1);
        combo->setFocus();
        user_wheel(combo, 1);
        QCOMPARE(spin->text() + "|" + combo->currentText(), QString("16|Nessuna"));
        QCOMPARE(spinChanges.count() + comboChanges.count(), 2);
        QCOMPARE(scroll->value(), before);
    }
};

static RegisterWidgetTest<FocusedWheelTest> registered;

#include "focused_wheel_test.moc"
