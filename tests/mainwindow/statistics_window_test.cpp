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

using T = Timmersione;
const FlagRow flag_rows[] = {
    {"SCR", &T::gas, 0x02, 6, "20"}, {"Nitrox", &T::gas, 0x01, 7, "23"},
    {"In Curva", &T::tipo_bit, 0x04, 8, "27"},  // 26.7, rounded up
    {"Decompressione", &T::tipo_bit, 0x08, 9, "30"}, {"Risalite Multiple", &T::tipo_bit, 0x20, 10, "33"},
    {"Risalita Unica", &T::tipo_bit, 0x10, 11, "36"}, {"Acqua Dolce", &T::tipo_bit, 0x40, 12, "40"},
    {"Acqua di Mare", &T::tipo_bit, 0x80, 13, "43"}, {"Osservazione", &T::att_bit1, 0x01, 14, "47"},
    {"In Gruppo", &T::att_bit1, 0x02, 16, "53"}, {"Di Corso", &T::att_bit1, 0x04, 17, "56"},
    {"Di Addestramento", &T::att_bit1, 0x08, 18, "60"}, {"Notturne", &T::att_bit1, 0x10, 19, "63"},
    {"In Grotta", &T::att_bit1, 0x20, 20, "66"}, {"Sotto Ghiaccio", &T::att_bit1, 0x40, 21, "70"},
    {"Ricerca", &T::att_bit1, 0x80, 22, "73"}, {"Relitto", &T::att_bit2, 0x01, 23, "76"},
    {"Fiume", &T::att_bit2, 0x02, 24, "80"}, {"In Corrente", &T::att_bit2, 0x04, 25, "83"},
    {"Per Foto/Video", &T::att_bit2, 0x08, 26, "86"}, {"Altro", &T::att_bit2, 0x10, 27, "90"},
};

// 30 dives in which every row has a count of its own: depth classes of 1, 2, 3, 4, 5
// and 15 dives, 28 repeat dives, 125 minutes in all.
Clogbook thirty_dives() {
    Clogbook lb(30);
    for (int i = 0; i < 30; ++i) {
        Timmersione& d = lb.immersioni[std::size_t(i)];
        d.giorno = i + 1;
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

    // The texts right of a caption on its row, left to right, as the user reads them.
    QStringList row_of(const QString& caption) {
        const QList<QLabel*> labels = FStat->findChildren<QLabel*>();
        const auto head = std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == caption; });
        if (head == labels.end()) return {"no caption " + caption};
        QList<QLabel*> row;
        for (QLabel* l : labels)
            if (l->y() == (*head)->y() && l->x() > (*head)->x() && l->x() < (*head)->x() + 260) row << l;
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
        activate(FStat);
    }

    void choose(const char* item) {
        auto* b = FStat->findChild<QRadioButton*>(item);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }

private slots:
    void init() { set_up(); }
    void cleanup() { tear_down(); }

    void everyRowThenTheSelectionFollowedOnReactivation() {
        load(thirty_dives());
        show_both();
        QCOMPARE(row_of("N° di Immersioni Selezionate"), (QStringList{"30", "100", "%"}));
        QCOMPARE(row_of("N° di Immersioni Multiple"), (QStringList{"28", "93", "%"}));
        const char* depths[][3] = {{"0..10 mt", "1", "3"},   {"10..20 mt", "2", "7"},  {"20..30 mt", "3", "10"},
                                   {"30..40 mt", "4", "13"}, {"40..50 mt", "5", "16"}, {">50 mt", "15", "50"}};
        for (auto [caption, count, share] : depths) QCOMPARE(row_of(caption), (QStringList{count, share, "%"}));
        for (const FlagRow& r : flag_rows)
            QCOMPARE(row_of(r.caption), (QStringList{QString::number(r.count), r.share, "%"}));
        QCOMPARE(row_of("Tempo Totale"), (QStringList{"2", "ore", "5", "min"}));
        QCOMPARE(row_of("Tempo Medio"), (QStringList{"0", "ore", "4", "min"}));  // 125 / 30

        // The selection and edits made in the main window show when the statistics come
        // back to the front; Enter closes and the chosen item stays for the next opening.
        choose("RadioGroup1Item1");
        QCOMPARE(row_of("N° di Immersioni Selezionate"), (QStringList{"1", "3", "%"}));
        activate(form.get());
        click_item(1);
        click_item(29, Qt::ControlModifier);
        form->logbook().immersioni[29].prof = 12.0;
        activate(FStat);
        QCOMPARE(row_of("N° di Immersioni Selezionate"), (QStringList{"2", "6", "%"}));  // 6.7, cut
        QCOMPARE(row_of("10..20 mt"), (QStringList{"2", "100", "%"}));
        QCOMPARE(row_of("Tempo Medio"), (QStringList{"0", "ore", "37", "min"}));
        QTest::keyClick(FStat, Qt::Key_Return);
        QVERIFY(FStat->isHidden());
        activate(form.get());
        QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(row_of("N° di Immersioni Selezionate"), (QStringList{"2", "6", "%"}));  // 6.7, cut
        choose("RadioGroup1Item0");
        QCOMPARE(row_of("N° di Immersioni Selezionate"), (QStringList{"30", "100", "%"}));
    }

    // A large figure grows to the left and still ends before its unit; a small one is back
    // at its place.
    void largeFiguresStayReadable() {
        Clogbook lb(3);
        for (Timmersione& d : lb.immersioni) d.ora_dur = 2000;
        load(lb);
        show_both();
        QLabel* hours = FStat->findChild<QLabel*>("RxLabel33");
        QCOMPARE(hours->text(), QString("6000"));
        QVERIFY(hours->fontMetrics().horizontalAdvance(hours->text()) <= hours->width());
        QVERIFY(hours->geometry().right() < FStat->findChild<QLabel*>("RxLabel84")->x());
        const QPoint grown = hours->pos();
        for (Timmersione& d : lb.immersioni) d.ora_dur = 1;
        load(lb);
        activate(form.get());
        activate(FStat);
        QVERIFY(hours->x() > grown.x());
        QCOMPARE(hours->y(), grown.y());
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "statistics_window_test.moc"
