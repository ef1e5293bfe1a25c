// The tab "Grafico dell'immersione": the profile graph of the current dive and the
// readout under the mouse.

#include <QEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cstring>

#include "framework/codec.h"
#include "framework/decimal_separator.h"
#include "framework/error_box.h"
#include "framework/paint_box.h"
#include "framework/status_bar.h"
#include "mainwindow/TMainForm.h"
#include "profile/graph_panels.h"
#include "profile/profile_graph.h"
#include "profile/profile_readout.h"

namespace {
// Stands in for a dive that is not there: no profile, nothing to draw but the frame.
const Timmersione no_dive{};
}  // namespace

void TMainForm::build_grafico() {
    auto* layout = new QVBoxLayout(grafico);
    layout->setContentsMargins(0, 0, 0, 0);

    // Behind the graph: it only keeps the arrow keys from the tab bar.
    Edit1 = new QLineEdit(grafico);
    Edit1->setObjectName("Edit1");
    Edit1->setFrame(false);
    Edit1->setGeometry(736, 508, 1, 24);
    Edit1->setAccessibleName("Grafico dell'immersione");  // it holds the focus for the graph

    figura = new PaintBox(grafico);
    figura->setObjectName("figura");
    figura->setCursor(Qt::UpArrowCursor);
    figura->setAccessibleName("Profilo dell'immersione");
    figura->onPaint = [this](Canvas& canvas) { graficoEnter(canvas); };
    figura->onPainted = [this] { grafico_dipinto(); };
    // The picture changes with the prepared dive (Prepara_Grafico forgets it), the
    // size, and the maximum depth and decimal separator that each paint reads anew.
    figura->pictureKey = [this] {
        const double prof = dive_del_grafico().prof;
        std::string key(sizeof prof, '\0');
        std::memcpy(key.data(), &prof, sizeof prof);
        return key + system_decimal_separator();
    };
    figura->onMouseMove = [this](int x, int y) { run_reporting_errors([&] { figuraMouseMove(x, y); }); };
    layout->addWidget(figura);

    indicatore = new QWidget(grafico);
    indicatore->setObjectName("indicatore");
    indicatore->setGeometry(452, 0, 2, 487);
    QPalette maroon = indicatore->palette();
    maroon.setColor(QPalette::Window, QColor(128, 0, 0));
    indicatore->setPalette(maroon);
    indicatore->setAutoFillBackground(true);
    // The mouse over the marker is still over the graph.
    indicatore->setAttribute(Qt::WA_TransparentForMouseEvents);
    indicatore->raise();

    grafico->installEventFilter(this);
}

const Timmersione& TMainForm::dive_del_grafico() const {
    return imm_grafico < logbook_->num_imm ? logbook_->immersioni[imm_grafico] : no_dive;
}

void TMainForm::Prepara_Grafico() {
    figura->forget_picture();
    imm_grafico = logbook_->corrente;
    const Timmersione& dive = ha_immersioni() ? logbook_->attuale() : no_dive;
    decode_profile(dive, profilo_grafico);
    const char separator = system_decimal_separator();
    testo_media = mean_depth_text(profilo_grafico, separator);
    testo_consumo = consumption_text(dive, profilo_grafico, separator);
}

void TMainForm::mostra_grafico() {
    Prepara_Grafico();
    figura->repaint();
}

void TMainForm::graficoShow() {
    if (ha_immersioni()) mostra_grafico();
}

void TMainForm::graficoEnter(Canvas& canvas) {
    const GraphScales scales = draw_profile_graph(canvas, figura->width(), figura->height(), profilo_grafico,
                                                  dive_del_grafico().prof, system_decimal_separator());
    X15 = scales.x15;
    Y2 = scales.y2;
}

void TMainForm::grafico_dipinto() {
    const int h = figura->height();
    if (indicatore->height() != h) indicatore->resize(indicatore->width(), h);
    const Timmersione& dive = dive_del_grafico();
    const char separator = system_decimal_separator();
    const auto panels =
        graph_panel_texts({testo_tempo, testo_prof, dive.prof, testo_media, testo_consumo, dive.nimm}, separator);
    for (int i = 0; i < int(panels.size()); ++i) StatusBar1->panel(i)->setText(decode_1252(panels[size_t(i)]));
    Edit1->setFocus();
}

void TMainForm::figuraMouseMove(int x, int) {
    if (!ha_immersioni() || logbook_->attuale().lung_profilo == 0) return;
    const ProfileReadout r = read_profile_at(x, figura->width(), X15, profilo_grafico, system_decimal_separator());
    testo_tempo = r.testo_tempo;
    testo_prof = r.testo_prof;
    StatusBar1->panel(0)->setText(decode_1252(testo_tempo));
    StatusBar1->panel(1)->setText(decode_1252(testo_prof));
    // Qt repaints the graph where the marker was.
    indicatore->move(figura->x() + r.x, figura->y());
}
