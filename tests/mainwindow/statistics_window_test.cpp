#include <algorithm>

#include "form_fixture.h"

namespace {

using T = Timmersione;
// Every flag row in the window's order; the i-th is set on the first 6 + i dives, so that
// each row has a count of its own and a figure written on the wrong row shows.
const std::tuple<const char*, int32_t T::*, int32_t> flag_rows[] = {
    {"SCR", &T::gas, 0x02}, {"Nitrox", &T::gas, 0x01}, {"In Curva", &T::tipo_bit, 0x04},
    {"Decompressione", &T::tipo_bit, 0x08}, {"Risalite Multiple", &T::tipo_bit, 0x20},
    {"Risalita Unica", &T::tipo_bit, 0x10}, {"Acqua Dolce", &T::tipo_bit, 0x40}, {"Acqua di Mare", &T::tipo_bit, 0x80},
    {"Osservazione", &T::att_bit1, 0x01}, {"In Gruppo", &T::att_bit1, 0x02}, {"Di Corso", &T::att_bit1, 0x04},
    {"Di Addestramento", &T::att_bit1, 0x08}, {"Notturne", &T::att_bit1, 0x10}, {"In Grotta", &T::att_bit1, 0x20},
    {"Sotto Ghiaccio", &T::att_bit1, 0x40}, {"Ricerca", &T::att_bit1, 0x80}, {"Relitto", &T::att_bit2, 0x01},
    {"Fiume", &T::att_bit2, 0x02}, {"In Corrente", &T::att_bit2, 0x04}, {"Per Foto/Video", &T::att_bit2, 0x08},
    {"Altro", &T::att_bit2, 0x10}};
const char* const depth_rows[] = {"0..10 mt", "10..20 mt", "20..30 mt", "30..40 mt", "40..50 mt", ">50 mt"};

// 45 dives: depth classes of 1, 2, 3, 4, 5 and 30 dives, 28 repeat dives, 125 minutes.
Clogbook forty_five_dives() {
    Clogbook lb(45);
    for (int i = 0; i < 45; ++i) {
        Timmersione& d = lb.immersioni[std::size_t(i)];
        d.giorno = i + 1;
        d.prof = i < 1 ? 10.0 : i < 3 ? 19.5 : i < 6 ? 20.0 : i < 10 ? 35.0 : i < 15 ? 40.0 : 50.0;
        d.min_int = i < 28 ? 1 : 0;
        for (int r = 0; r < 21; ++r)
            if (i < 6 + r) d.*std::get<1>(flag_rows[r]) |= std::get<2>(flag_rows[r]);
    }
    lb.immersioni[0].min_dur = 50;
    lb.immersioni[1].min_dur = 75;
    return lb;
}

}  // namespace

class StatisticsWindowTest : public FormFixture {
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

private slots:
    void everyRowThenTheSelectedDives() {
        load(forty_five_dives());
        form->show();
        run(&TMainForm::Statistiche1Click);
        QCOMPARE(row_of("N° di Immersioni Selezionate"), (QStringList{"45", "100", "%"}));
        QCOMPARE(row_of("N° di Immersioni Multiple"), (QStringList{"28", "62", "%"}));
        for (int r = 0; r < 6; ++r) QCOMPARE(row_of(depth_rows[r]).first(), QString::number(r < 5 ? r + 1 : 30));
        for (int r = 0; r < 21; ++r) QCOMPARE(row_of(std::get<0>(flag_rows[r])).first(), QString::number(6 + r));
        // 7 / 45 = 15.6 % is cut, 8 / 45 = 17.8 % rounded up as in the other rows of the curve.
        QCOMPARE(row_of("Nitrox") + row_of("In Curva") + row_of("10..20 mt"),
                 (QStringList{"7", "15", "%", "8", "18", "%", "2", "5", "%"}));
        QCOMPARE(row_of("Tempo Totale") + row_of("Tempo Medio"), (QStringList{"2", "ore", "5", "min", "0", "ore", "2", "min"}));

        // The choice of the dives selected in the list.
        QTest::mouseClick(FStat->findChild<QRadioButton*>("RadioGroup1Item1"), Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(row_of("N° di Immersioni Selezionate") + row_of("Tempo Medio"),
                 (QStringList{"1", "2", "%", "0", "ore", "50", "min"}));  // 2.2 % cut
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "statistics_window_test.moc"
