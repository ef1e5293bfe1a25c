#include <QLineEdit>
#include <QListView>
#include <QTabWidget>
#include <QtTest>
#include <cmath>

#include "form_fixture.h"
#include "framework/paint_box.h"
#include "framework/status_bar.h"
#include "import_writers.h"
#include "profile_bytes.h"

namespace {

// Dives on consecutive days, so that sorting keeps the file's order.
DataTrakDive dive_on(uint32_t day, const std::string& profile) {
    DataTrakDive d;
    d.giorni = 154000 + day;
    d.nimm = uint16_t(day + 1);
    d.posto = "Elba";
    d.computer = 30;
    d.profilo = profile;
    return d;
}

std::string flat_profile(std::size_t samples, double depth) {
    return profile_bytes(std::vector<ProfileSample>(samples, ProfileSample{depth, 0}));
}

}  // namespace

class GraphTabTest : public QObject, FormFixture {
    Q_OBJECT

    QString panel(int number) const { return form->StatusBar1->panel(number - 1)->text(); }

    void move_mouse(int x) {
        QTest::mouseMove(form->figura, QPoint(x, 100));
        QCoreApplication::processEvents();
    }

    // The import of four dives, the third without profile; the save is declined.
    void import_logbook() {
        DataTrakDive first = dive_on(0, flat_profile(150, 10.0));  // 50 minutes at 10 m
        first.prof = 1000;
        first.lbomb = 1200;
        first.bar = 15000;
        first.durata = 50;
        DataTrakDive second = dive_on(1, profile_bytes(realistic_dive(135, 28.0)));
        second.prof = 2850;
        const DataTrakDive third = dive_on(2, "");
        const DataTrakDive fourth = dive_on(3, flat_profile(30, 5.0));
        write_bytes(*dir / "dt.log", datatrak_bytes({}, {first, second, third, fourth}));
        script.apri = {q(*dir / "dt.log")};
        script.salva = {std::nullopt};
        run(&TMainForm::ConvertidaDataTrak1Click);
        QCOMPARE(items(), (QStringList{"* 1 - Elba", "* 2 - Elba", " 3 - Elba", "* 4 - Elba"}));
    }

    void double_click(int row) {
        QListView* list = form->ListBox1;
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        // A double click is a click and then the double click itself.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
    }

private slots:
    void init() {
        set_up();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { tear_down(); }

    void doubleClickShowsTheDiveWithItsStatusPanels() {
        import_logbook();
        double_click(2);  // no profile: the data tab stays
        QCOMPARE(form->PageControl1->currentWidget(), form->dati);

        double_click(0);
        QCOMPARE(form->PageControl1->currentWidget(), form->grafico);
        QVERIFY(!form->StatusBar1->simplePanel());
        QCOMPARE(form->profilo_grafico.n, size_t(150));
        QCOMPARE(panel(1), QString("Tempo:"));
        QCOMPARE(panel(2), QString("Prof:"));
        QCOMPARE(panel(3), QString("Prof.Max:10"));
        QCOMPARE(panel(4), QString("Prof.Media:10"));
        QCOMPARE(panel(5), QString("Consumo Aria: 18"));  // 12 l x 150 bar / 50 min / 2 atm
        QCOMPARE(panel(6), QString("Imm.n°:1"));

        // The paint area fills the tab; the marker stands at its design place until the
        // mouse moves, as high as the graph; Edit1 holds the focus.
        QCOMPARE(form->figura->size(), form->grafico->size());
        QCOMPARE(form->figura->cursor().shape(), Qt::UpArrowCursor);
        QCOMPARE(form->indicatore->geometry(), QRect(452, 0, 2, form->figura->height()));
        QCOMPARE(form->focusWidget(), static_cast<QWidget*>(form->Edit1));
        QCOMPARE(form->X15, (form->figura->width() - 50) / 150.0 * 15.0);
    }

    void readoutFollowsTheMouseAndOutlivesDiveAndTab() {
        import_logbook();
        double_click(0);
        const int edge = form->figura->width() - 50;

        move_mouse(0);
        QCOMPARE(panel(1), QString("Tempo:0:0"));
        QCOMPARE(panel(2), QString("Prof:0"));
        QCOMPARE(form->indicatore->x(), 0);

        // Right of the frame: its edge, sample N (50 minutes at 10 m).
        move_mouse(edge + 40);
        QCOMPARE(form->indicatore->x(), edge);
        QCOMPARE(panel(1), QString("Tempo:50:0"));
        QCOMPARE(panel(2), QString("Prof:10"));

        // The next dive keeps the texts until the mouse moves again.
        QTest::keyClick(form->Edit1, Qt::Key_Down);
        QCOMPARE(form->logbook().corrente, 1u);
        QCOMPARE(form->imm_grafico, 1u);
        form->figura->repaint();
        QCOMPARE(panel(1), QString("Tempo:50:0"));
        QCOMPARE(panel(3), QString("Prof.Max:28.5"));

        QTabBar* bar = form->PageControl1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        QVERIFY(form->StatusBar1->simplePanel());
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(form->PageControl1->currentWidget(), form->grafico);
        QCOMPARE(panel(2), QString("Prof:10"));
    }

    void arrowKeysStopAtANeighbourWithoutProfile() {
        import_logbook();
        double_click(1);
        QTest::keyClick(form->Edit1, Qt::Key_Down);  // dive 3 has no profile
        QCOMPARE(form->logbook().corrente, 1u);
        QCOMPARE(form->imm_grafico, 1u);
        QTest::keyClick(form->Edit1, Qt::Key_Up);
        QCOMPARE(form->logbook().corrente, 0u);
        QCOMPARE(panel(6), QString("Imm.n°:1"));
        QTest::keyClick(form->Edit1, Qt::Key_Up);  // the first dive
        QCOMPARE(form->logbook().corrente, 0u);
        QCOMPARE(form->ListBox1->currentIndex().row(), 0);
    }

    void resizedWindowDrawsAtTheNewSize() {
        import_logbook();
        double_click(0);
        const int before = form->figura->width();
        form->resize(1100, 750);
        QTRY_VERIFY(form->figura->width() > before + 300);
        QTRY_COMPARE(form->indicatore->height(), form->figura->height());
        QCOMPARE(form->X15, (form->figura->width() - 50) / 150.0 * 15.0);
        move_mouse(form->figura->width() - 5);
        QCOMPARE(form->indicatore->x(), form->figura->width() - 50);
        QCOMPARE(panel(1), QString("Tempo:50:0"));
    }

    void filesThatCannotBeDrawnStillPaint() {
        // A profile no longer than its header, a NaN maximum depth, no minutes.
        form->logbook().set_profilo(std::string(10, '\x05'));
        form->logbook().set_prof(std::nan(""));
        form->logbook().set_bar(150.0);
        form->logbook().set_lbomb(12);
        QTabBar* bar = form->PageControl1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(form->PageControl1->currentWidget(), form->grafico);
        QCOMPARE(form->profilo_grafico.n, size_t(0));
        QCOMPARE(panel(4), QString("Prof.Media:0"));
        QCOMPARE(panel(5), QString("Consumo Aria: 0"));
        QCOMPARE(form->X15, 0.0);
        move_mouse(200);
        QCOMPARE(panel(1), QString("Tempo:0:0"));
        QCOMPARE(panel(2), QString("Prof:0"));

        // A full DataTrak profile of 28,000 samples: every sample kept and drawn.
        form->logbook().set_profilo(flat_profile(28000, 12.5));
        form->logbook().set_prof(12.5);
        QTest::keyClick(form->Edit1, Qt::Key_Down);  // no neighbour: nothing happens
        form->PageControl1Change();
        QCOMPARE(form->profilo_grafico.n, size_t(28000));
        move_mouse(form->figura->width() - 5);
        QCOMPARE(panel(2), QString("Prof:12.5"));
        QCOMPARE(panel(1), QString("Tempo:9333:2"));  // 9333:20 cut to 12
    }
};

QTEST_MAIN(GraphTabTest)
#include "graph_tab_test.moc"
