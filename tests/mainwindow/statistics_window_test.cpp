#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>

#include "form_fixture.h"

namespace {

// One flag row: the first `count` of the 30 dives carry its bit.
struct FlagRow {
    const char* caption;
    int32_t Timmersione::*field;
    int32_t bit;
    int count;
    const char* share;
};

const FlagRow flag_rows[] = {
    {"SCR", &Timmersione::gas, 0x02, 6, "20"},
    {"Nitrox", &Timmersione::gas, 0x01, 7, "23"},
    {"In Curva", &Timmersione::tipo_bit, 0x04, 8, "27"},  // 26.7, rounded up
    {"Decompressione", &Timmersione::tipo_bit, 0x08, 9, "30"},
    {"Risalite Multiple", &Timmersione::tipo_bit, 0x20, 10, "33"},
    {"Risalita Unica", &Timmersione::tipo_bit, 0x10, 11, "36"},
    {"Acqua Dolce", &Timmersione::tipo_bit, 0x40, 12, "40"},
    {"Acqua di Mare", &Timmersione::tipo_bit, 0x80, 13, "43"},
    {"Osservazione", &Timmersione::att_bit1, 0x01, 14, "47"},  // 46.7, rounded up
    {"In Gruppo", &Timmersione::att_bit1, 0x02, 16, "53"},
    {"Di Corso", &Timmersione::att_bit1, 0x04, 17, "56"},
    {"Di Addestramento", &Timmersione::att_bit1, 0x08, 18, "60"},
    {"Notturne", &Timmersione::att_bit1, 0x10, 19, "63"},
    {"In Grotta", &Timmersione::att_bit1, 0x20, 20, "66"},
    {"Sotto Ghiaccio", &Timmersione::att_bit1, 0x40, 21, "70"},
    {"Ricerca", &Timmersione::att_bit1, 0x80, 22, "73"},
    {"Relitto", &Timmersione::att_bit2, 0x01, 23, "76"},
    {"Fiume", &Timmersione::att_bit2, 0x02, 24, "80"},
    {"In Corrente", &Timmersione::att_bit2, 0x04, 25, "83"},
    {"Per Foto/Video", &Timmersione::att_bit2, 0x08, 26, "86"},
    {"Altro", &Timmersione::att_bit2, 0x10, 27, "90"},
};

// 30 dives in which every row has a count of its own, dated one per day.
Clogbook thirty_dives() {
    Clogbook lb(30);
    for (int i = 0; i < 30; ++i) {
        Timmersione& d = lb.immersioni[std::size_t(i)];
        d.giorno = i + 1;
        d.mese = 6;
        d.anno = 2021;
        d.nimm = i + 1;
        // Depth classes of 1, 2, 3, 4, 5 and 15 dives.
        d.prof = i < 1 ? 10.0 : i < 3 ? 19.5 : i < 6 ? 20.0 : i < 10 ? 35.0 : i < 15 ? 40.0 : 50.0;
        d.min_int = i < 28 ? 1 : 0;
        for (const FlagRow& r : flag_rows)
            if (i < r.count) d.*r.field |= r.bit;
    }
    lb.immersioni[0].min_dur = 50;
    lb.immersioni[1].ora_dur = 1;
    lb.immersioni[1].min_dur = 15;
    return lb;
}

}  // namespace

class StatisticsWindowTest : public QObject, FormFixture {
    Q_OBJECT

    template <class W>
    W* control(const char* name) {
        W* w = FStat->findChild<W*>(name);
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QString text(const char* name) { return control<QLabel>(name)->text(); }

    // The texts right of a caption on its row, left to right, as the user reads them.
    QStringList row_of(const QString& caption) {
        QLabel* head = nullptr;
        for (QLabel* l : FStat->findChildren<QLabel*>())
            if (l->text() == caption) head = l;
        if (!head) return {"no caption " + caption};
        QList<QLabel*> row;
        for (QLabel* l : FStat->findChildren<QLabel*>())
            if (l->y() == head->y() && l->x() > head->x() && l->x() < head->x() + 260) row << l;
        std::sort(row.begin(), row.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
        QStringList texts;
        for (QLabel* l : row) texts << l->text();
        return texts;
    }

    // QTest::qWaitForWindowActive also accepts the main window while the statistics,
    // its transient, has the focus: wait for the window itself.
    void activate(QWidget* w) {
        w->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), w);
    }

    void show_both() {
        form->show();
        activate(form.get());
        QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(FStat->isVisible());
        activate(FStat);
    }

    void choose(int item) {
        QRadioButton* b = control<QRadioButton>(item == 0 ? "RadioGroup1Item0" : "RadioGroup1Item1");
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }

private slots:
    void init() { set_up(); }
    void cleanup() { tear_down(); }

    void windowAndControls() {
        QCOMPARE(FStat->windowTitle(), QString("Statistiche"));
        QCOMPARE(FStat->size(), QSize(688, 453));
        QCOMPARE(control<QGroupBox>("RadioGroup1")->title(), QString("Scegli"));
        QCOMPARE(control<QRadioButton>("RadioGroup1Item0")->text(), QString("Tutto il logbook"));
        QCOMPARE(control<QRadioButton>("RadioGroup1Item1")->text(), QString("Solo immersioni selezionate"));
        QCOMPARE(FStat->RadioGroup1ItemIndex(), 0);
        auto* close = control<QPushButton>("BitBtn1");
        QCOMPARE(close->text(), QString("&Chiudi"));
        QCOMPARE(close->geometry(), QRect(604, 388, 75, 25));
        QVERIFY(close->isDefault() && !close->icon().isNull());
        QCOMPARE(control<QLabel>("RxLabel7")->geometry().right(), 173);  // captions end at 174
        QCOMPARE(row_of("Tempo Totale").join(' '), QString("0 ore 00 min"));
    }

    void everyRowOfTheWholeLogbook() {
        load(thirty_dives());
        show_both();
        QCOMPARE(row_of("N° di Immersioni Selezionate"), (QStringList{"30", "100", "%"}));
        QCOMPARE(row_of("N° di Immersioni Multiple"), (QStringList{"28", "93", "%"}));
        QCOMPARE(row_of("0..10 mt"), (QStringList{"1", "3", "%"}));
        QCOMPARE(row_of("10..20 mt"), (QStringList{"2", "7", "%"}));  // 6.7, rounded up
        QCOMPARE(row_of("20..30 mt"), (QStringList{"3", "10", "%"}));
        QCOMPARE(row_of("30..40 mt"), (QStringList{"4", "13", "%"}));
        QCOMPARE(row_of("40..50 mt"), (QStringList{"5", "16", "%"}));
        QCOMPARE(row_of(">50 mt"), (QStringList{"15", "50", "%"}));
        for (const FlagRow& r : flag_rows)
            QCOMPARE(row_of(r.caption), (QStringList{QString::number(r.count), r.share, "%"}));
        QCOMPARE(row_of("Tempo Totale"), (QStringList{"2", "ore", "5", "min"}));
        QCOMPARE(row_of("Tempo Medio"), (QStringList{"0", "ore", "4", "min"}));  // 125 / 30
        QVERIFY(errors.messages.empty());
    }

    void selectionFollowedOnReactivation() {
        load(thirty_dives());
        show_both();
        choose(1);
        QCOMPARE(FStat->RadioGroup1ItemIndex(), 1);
        // After loading, the list selects the current dive only.
        QCOMPARE(row_of("N° di Immersioni Selezionate"), (QStringList{"1", "3", "%"}));

        activate(form.get());
        click_item(0);
        click_item(1, Qt::ControlModifier);
        click_item(29, Qt::ControlModifier);
        activate(FStat);
        QCOMPARE(row_of("N° di Immersioni Selezionate"), (QStringList{"3", "10", "%"}));
        QCOMPARE(row_of("N° di Immersioni Multiple"), (QStringList{"2", "66", "%"}));
        QCOMPARE(row_of("10..20 mt"), (QStringList{"1", "34", "%"}));
        QCOMPARE(row_of(">50 mt"), (QStringList{"1", "33", "%"}));
        QCOMPARE(row_of("Tempo Totale"), (QStringList{"2", "ore", "5", "min"}));
        QCOMPARE(row_of("Tempo Medio"), (QStringList{"0", "ore", "41", "min"}));

        // An edit in the main window shows on the next activation too.
        activate(form.get());
        form->logbook().immersioni[29].prof = 12.0;
        activate(FStat);
        QCOMPARE(row_of("10..20 mt"), (QStringList{"2", "67", "%"}));

        // Enter closes; the chosen item stays for the next opening.
        QTest::keyClick(FStat, Qt::Key_Return);
        QVERIFY(FStat->isHidden());
        activate(form.get());
        click_item(3);
        QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(FStat->RadioGroup1ItemIndex(), 1);
        QCOMPARE(row_of("N° di Immersioni Selezionate"), (QStringList{"1", "3", "%"}));

        choose(0);
        QCOMPARE(row_of("N° di Immersioni Selezionate"), (QStringList{"30", "100", "%"}));
    }

    void nothingCountedShowsZeros() {
        load(Clogbook(0));
        QCOMPARE(form->logbook().num_imm, 0u);
        show_both();
        const QStringList zeros{"0", "0", "%"};
        QCOMPARE(row_of("N° di Immersioni Selezionate"), zeros);
        QCOMPARE(row_of("0..10 mt"), zeros);
        QCOMPARE(row_of("Osservazione"), zeros);
        QCOMPARE(row_of("Tempo Medio"), (QStringList{"0", "ore", "0", "min"}));
        choose(1);
        QCOMPARE(row_of("In Curva"), zeros);

        run(&TMainForm::Nuovo1Click);
        activate(form.get());
        form->ListBox1->clearSelection();
        activate(FStat);
        QCOMPARE(row_of("N° di Immersioni Selezionate"), zeros);
        for (QLabel* l : FStat->findChildren<QLabel*>())
            QVERIFY2(!l->text().contains("nan") && !l->text().contains("inf"), qPrintable(l->text()));
    }

    void largeFiguresStayReadable() {
        Clogbook lb(3);
        for (Timmersione& d : lb.immersioni) d.ora_dur = 2000;
        load(lb);
        show_both();
        QLabel* hours = control<QLabel>("RxLabel33");
        QCOMPARE(hours->text(), QString("6000"));
        // It grows to the left and still ends before "ore".
        QVERIFY(hours->fontMetrics().horizontalAdvance(hours->text()) <= hours->width());
        QVERIFY(hours->geometry().right() < control<QLabel>("RxLabel84")->x());
        QVERIFY(hours->x() < 442);

        for (Timmersione& d : lb.immersioni) d.ora_dur = 1;
        load(lb);
        activate(form.get());
        activate(FStat);
        QCOMPARE(hours->pos(), QPoint(442, 6));  // back at its place
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "statistics_window_test.moc"
