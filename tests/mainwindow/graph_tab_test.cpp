#include <QScreen>
#include <cmath>
#include <utility>

#include "form_fixture.h"
#include "profile_bytes.h"

class GraphTabTest : public FormFixture {
    Q_OBJECT

    QStringList panels() const {
        QStringList texts;
        for (int i = 0; i < 6; ++i) texts << form->StatusBar1->panel(i)->text();
        return texts;
    }

    void move_mouse(int x) {
        QTest::mouseMove(form->figura, QPoint(x, 100));
        QCoreApplication::processEvents();
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
        FormFixture::init();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    // Down goes to the neighbour with a profile, stops before one without, and the list
    // follows. The readout stops at the frame's edge.
    void doubleClickArrowKeysAndTheReadout() {
        // The first dive is 50 minutes at 10 m (150 samples) on 150 bar of a 12 l tank.
        Clogbook lb = dives_on({1, 2, 3, 4});
        for (std::size_t samples : {150, 135, 0, 30}) {
            lb.set_computer(30);
            lb.set_profilo(samples ? profile_bytes(std::vector<ProfileSample>(samples, {10.0, 0})) : std::string());
            ++lb.corrente;
        }
        lb.corrente = 0;
        lb.set_prof(10.0);
        lb.set_lbomb(12);
        lb.set_bar(150.0);
        lb.set_durata(0, 50);
        load(lb);
        double_click(2);  // no profile: the data tab stays
        QCOMPARE(form->PageControl1->currentWidget(), form->dati);
        double_click(0);
        QCOMPARE(form->PageControl1->currentWidget(), form->grafico);
        // 12 l x 150 bar / 50 min / 2 atm
        QCOMPARE(panels(), (QStringList{"Tempo:", "Prof:", "Prof.Max:10", "Prof.Media:10", "Consumo Aria: 18",
                                        QString("Imm.n°:1")}));
        move_mouse(0);
        QCOMPARE(panels().mid(0, 2), (QStringList{"Tempo:0:0", "Prof:0"}));
        move_mouse(form->figura->width() - 10);
        QCOMPARE(form->indicatore->x(), form->figura->width() - 50);
        QCOMPARE(panels().mid(0, 2), (QStringList{"Tempo:50:0", "Prof:10"}));
        for (int i = 0; i < 2; ++i) QTest::keyClick(form->focusWidget(), Qt::Key_Down);
        QCOMPARE(form->imm_grafico, 1u);
        QCOMPARE(form->ListBox1->currentIndex().row(), 1);
    }

    // What the window shows of the graph, the marker included.
    QImage shown_graph() const {
        const QRect area(form->figura->mapTo(form.get(), QPoint()), form->figura->size());
        return form->screen()->grabWindow(form->winId()).toImage().copy(area);
    }

    // Marker moves repaint strips from the kept picture; the screen then holds what a
    // whole paint of the graph puts there, also after the window changes size.
    void keptPictureShowsWhatAWholePaintDraws() {
        Clogbook lb(1);
        lb.set_computer(30);
        lb.set_profilo(profile_bytes(realistic_dive(600, 31.0)));
        lb.set_prof(31.0);
        load(lb);
        double_click(0);
        for (QSize size : {form->size(), form->size() + QSize(130, 70)}) {
            form->resize(size);
            QCoreApplication::processEvents();
            for (int x : {40, 300, 41, 500}) move_mouse(x);
            const QImage kept = shown_graph();
            const auto key = std::exchange(form->figura->pictureKey, nullptr);
            form->figura->repaint();
            QCOMPARE(shown_graph(), kept);
            form->figura->pictureKey = key;
        }
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
        QCOMPARE(form->X15, 0.0);
        QCOMPARE(panels().mid(3, 2), (QStringList{"Prof.Media:0", "Consumo Aria: 0"}));
        move_mouse(200);
        QCOMPARE(panels().mid(0, 2), (QStringList{"Tempo:0:0", "Prof:0"}));
        form->figura->repaint();
    }
};

QTEST_MAIN(GraphTabTest)
#include "graph_tab_test.moc"
