#include "framework/combo_field.h"
#include "widget_tests.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class ComboFieldTest : public QObject {
    Q_OBJECT

    static void addWeather(ComboField& box)
    {
        box.addItems({"Sereno", "Nuvolo", "Nebbia", "Pioggia", "Tempesta", "Neve"});
    }

private slots:
    void fillSelectsWithoutChange()
    {
        ComboField box;
        addWeather(box);
        QSignalSpy spy(&box, &ComboField::changedByUser);
        box.fill(3);
        QCOMPARE(box.currentText(), QString("Pioggia"));
        QCOMPARE(box.index(), 3);
        for (int outside : {-1, 6, 1000}) {
            box.fill(outside);
            QCOMPARE(box.currentText(), QString());
            QCOMPARE(box.index(), -1);
        }
        QCOMPARE(spy.count(), 0);
    }

    void typedTextIsNoEntryUnlessExact()
    {
        ComboField box;
        addWeather(box);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        box.fill(0);
        QSignalSpy spy(&box, &ComboField::changedByUser);
        box.lineEdit()->selectAll();
        QTest::keyClicks(box.lineEdit(), "Nev");
        QCOMPARE(box.currentText(), QString("Nev"));
        QCOMPARE(box.index(), -1);
        QTest::keyClicks(box.lineEdit(), "e");
        QCOMPARE(box.index(), 5);
        QCOMPARE(spy.count(), 4);
        QTest::keyClick(box.lineEdit(), Qt::Key_Return);
        QCOMPARE(box.count(), 6); // Enter adds no entry
        QCOMPARE(spy.count(), 4);
    }

    void pickingAnEntryIsAUserChange()
    {
        ComboField box;
        addWeather(box);
        box.fill(0);
        QSignalSpy spy(&box, &ComboField::changedByUser);
        box.setCurrentIndex(2); // what the drop-down list does
        QCOMPARE(box.index(), 2);
        QCOMPARE(spy.count(), 1);
    }
};

static RegisterWidgetTest<ComboFieldTest> registered;

#include "combo_field_test.moc"
