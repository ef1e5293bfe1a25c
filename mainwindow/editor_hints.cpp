// Hints: the field under the mouse puts its hint into the status bar's simple text;
// the bare panels of the first two tabs empty it; other controls leave it standing.

#include <QListView>
#include <QMouseEvent>

#include "framework/combo_field.h"
#include "framework/date_field.h"
#include "framework/spin_field.h"
#include "framework/status_bar.h"
#include "framework/text_fields.h"
#include "mainwindow/TMainForm.h"

void TMainForm::connect_hints() {
    // Mouse moves reach a control's inner parts (a spin field's edit, a memo's
    // viewport), so every part carries the control's hint.
    auto hint = [this](QWidget* control, const QString& text) {
        QList<QWidget*> parts = control->findChildren<QWidget*>();
        parts << control;
        for (QWidget* w : parts) {
            w->setMouseTracking(true);
            w->installEventFilter(this);
            hints_.insert(w, text);
        }
    };
    hint(ListBox1, "Scegli l'immersione da esaminare");
    hint(Data, "Inserisci la data dell'immersione");
    hint(posto, "Inserisci la località dell'immersione");
    hint(punto, "Inserisci il punto esatto dell'immersione");
    hint(compagni, "Inserisci i tuoi compagni di immersione");
    hint(ora_imm, "Inserisci l'ora dell'immersione");
    hint(min_imm, "Inserisci l'ora dell'immersione");
    hint(ora_int, "Inserisci la durata dell'intervallo di superfice");
    hint(min_int, "Inserisci la durata dell'intervallo di superfice");
    hint(ora_dur, "Inserisci la durata dell'immersione");
    hint(min_dur, "Inserisci la durata dell'immersione");
    hint(lbomb, "Inserisci la capacità della bombola in litri");
    hint(bar, "Inserisci la quantità d'aria consumata in bar");
    hint(prof, "Inserisci la profondità massima in metri");
    hint(t_acqua, "Inserisci la temperatura minima dell'acqua in C°");
    hint(t_aria, "Inserisci la temperatura massima dell'aria in C°");
    for (TextMemo* memo : {tipo, attivita, allarmi, commenti}) hint(memo, QString());
    for (QWidget* panel : {Panel2, Panel3}) {
        panel->setMouseTracking(true);
        panel->installEventFilter(this);
    }
}

void TMainForm::hint_for_mouse_move(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove) return;
    if (auto it = hints_.constFind(watched); it != hints_.constEnd()) {
        StatusBar1->setSimpleText(*it);
        return;
    }
    // A move over a label or a control without a hint arrives here too; only the
    // panel's own surface empties the text.
    if (watched == Panel2 || watched == Panel3) {
        auto* panel = static_cast<QWidget*>(watched);
        if (!panel->childAt(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            StatusBar1->setSimpleText(QString());
        }
    }
}
