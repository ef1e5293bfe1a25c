// The editor's three tabs, placed at their design size (each panel 474 x 456).

#include <QFrame>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "framework/accessible_names.h"
#include "framework/combo_field.h"
#include "framework/date_field.h"
#include "framework/spin_field.h"
#include "framework/text_fields.h"
#include "logbook/list_text.h"
#include "mainwindow/TMainForm.h"

namespace {

QLabel* caption(QWidget* panel, const QString& text, int left, int top) {
    auto* l = new QLabel(text, panel);
    l->move(left, top);
    return l;
}

// A caption over an hours field and a minutes field: the hours are its buddy.
void name_hours_minutes(QLabel* caption, QWidget* hours, QWidget* minutes) {
    caption->setBuddy(hours);
    name_field(hours, caption->text() + ", ore");
    name_field(minutes, caption->text() + ", minuti");
}

template <class Field>
Field* placed(Field* field, const char* name, int left, int top, int width, int height) {
    field->setObjectName(name);
    field->setGeometry(left, top, width, height);
    return field;
}

SpinField* spin(QWidget* panel, SpinField::Kind kind, const char* name, double minimum, double maximum, int left,
                int top, int width) {
    auto* f = placed(new SpinField(kind, panel), name, left, top, width, 24);
    f->setRange(minimum, maximum);
    return f;
}

SpinField* whole(QWidget* panel, const char* name, int minimum, int maximum, int left, int top, int width) {
    return spin(panel, SpinField::Kind::Integer, name, minimum, maximum, left, top, width);
}

SpinField* decimal(QWidget* panel, const char* name, double minimum, double maximum, int left, int top, int width) {
    return spin(panel, SpinField::Kind::Decimal, name, minimum, maximum, left, top, width);
}

ComboField* combo(QWidget* panel, const char* name, const QStringList& entries, int left, int top, int width) {
    auto* c = placed(new ComboField(panel), name, left, top, width, 24);
    c->addItems(entries);
    return c;
}

template <std::size_t N>
QStringList lista(const std::array<const char*, N>& voci) {
    QStringList l;
    for (const char* v : voci) l << QString::fromUtf8(v);
    return l;
}

QLabel* value_label(QWidget* panel, const char* name, const QString& text, int left, int top, int width,
                    int height) {
    auto* l = placed(new QLabel(text, panel), name, left, top, width, height);
    l->setAlignment(Qt::AlignCenter);
    l->setAutoFillBackground(true);
    l->setBackgroundRole(QPalette::Button);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

void line(QWidget* panel, QFrame::Shape shape, int left, int top, int width, int height) {
    auto* f = new QFrame(panel);
    f->setFrameShape(shape);
    f->setFrameShadow(QFrame::Sunken);
    f->setGeometry(left, top, width, height);
}

}  // namespace

void TMainForm::build_editor() {
    build_data_e_luogo();
    build_dati_immersione();
    build_descrizioni();
    // The fields stand where they are placed: a smaller window must not cut them off.
    for (QWidget* p : {Panel2, Panel3}) p->setMinimumHeight(p->childrenRect().bottom() + 4);
    connect_editor();
}

void TMainForm::build_data_e_luogo() {
    QWidget* p = Panel2;
    QLabel* c = caption(p, "Immersione n°", 12, 4);
    nimm = whole(p, "nimm", 0, 0, 12, 24, 71);
    nimm->setEnabled(false);
    name_after_caption(c, nimm);
    c = caption(p, "Data Immersione", 104, 4);
    Data = placed(new DateField(p), "Data", 104, 24, 129, 24);
    name_after_caption(c, Data);
    c = caption(p, "Ora Immersione", 248, 4);
    ora_imm = whole(p, "ora_imm", 0, 24, 248, 24, 45);
    caption(p, "h", 297, 28);
    min_imm = whole(p, "min_imm", 0, 59, 310, 24, 43);
    caption(p, "m", 357, 28);
    name_hours_minutes(c, ora_imm, min_imm);

    c = caption(p, "Luogo dell'Immersione", 4, 58);
    posto = placed(new TextField(p), "posto", 4, 79, 466, 24);
    name_after_caption(c, posto);
    c = caption(p, "Punto dell'Immersione", 6, 108);
    punto = placed(new TextField(p), "punto", 6, 129, 466, 24);
    name_after_caption(c, punto);
    c = caption(p, "Compagni d'Immersione", 5, 163);
    compagni = placed(new TextMemo(p), "compagni", 5, 184, 466, 139);
    name_after_caption(c, compagni);

    caption(p, "N° di serie del computer :", 12, 330);
    RxLabel29 = value_label(p, "RxLabel29", "0", 26, 346, 109, 27);
    caption(p, "Tipo di Computer", 226, 330);
    RxLabel40 = value_label(p, "RxLabel40", "Sconosciuto", 208, 350, 131, 27);
}

void TMainForm::build_dati_immersione() {
    QWidget* p = Panel3;
    QLabel* c = caption(p, "Intervallo di Superfice", 12, 1);
    ora_int = whole(p, "ora_int", 0, 24, 12, 20, 45);
    caption(p, "h", 62, 24);
    min_int = whole(p, "min_int", 0, 59, 80, 20, 47);
    caption(p, "m", 131, 24);
    name_hours_minutes(c, ora_int, min_int);
    c = caption(p, "Durata Immersione", 202, 1);
    ora_dur = whole(p, "ora_dur", 0, 24, 202, 18, 45);
    caption(p, "h", 251, 22);
    min_dur = whole(p, "min_dur", 0, 59, 262, 18, 47);
    caption(p, "m", 313, 22);
    name_hours_minutes(c, ora_dur, min_dur);
    line(p, QFrame::HLine, 0, 43, 474, 3);

    c = caption(p, "Bombola Lt.", 16, 52);
    lbomb = whole(p, "lbomb", 0, 99, 16, 70, 47);
    name_after_caption(c, lbomb);
    c = caption(p, "Bar Consumati", 134, 52);
    bar = whole(p, "bar", 0, 400, 134, 70, 47);
    name_after_caption(c, bar);
    c = caption(p, "Profondità Massima", 264, 52);
    prof = decimal(p, "prof", 0, 99, 264, 70, 51);
    prof->setMaxTypedLength(4);
    caption(p, "mt", 319, 74);
    name_after_caption(c, prof);
    line(p, QFrame::HLine, 0, 95, 474, 3);

    c = caption(p, "Temperatura Acqua(C°)", 20, 110);
    t_acqua = decimal(p, "t_acqua", -99, 99, 52, 126, 53);
    name_after_caption(c, t_acqua);
    c = caption(p, "Temperatura Aria(C°)", 224, 110);
    t_aria = decimal(p, "t_aria", -99, 99, 254, 126, 55);
    t_aria->setMaxTypedLength(4);
    name_after_caption(c, t_aria);
    line(p, QFrame::HLine, 0, 153, 474, 3);

    c = caption(p, "Muta usata", 42, 168);
    muta = combo(p, "muta", lista(voci_muta), 42, 187, 99);
    name_after_caption(c, muta);
    c = caption(p, "Altezza sul livello del mare", 14, 222);
    alt = combo(p, "alt", lista(voci_alt), 40, 245, 112);
    name_after_caption(c, alt);
    c = caption(p, "Condizioni Meteo", 38, 274);
    meteo = combo(p, "meteo", lista(voci_meteo), 38, 301, 112);
    name_after_caption(c, meteo);
    line(p, QFrame::VLine, 187, 158, 3, 175);
    line(p, QFrame::HLine, 0, 327, 189, 3);
}

void TMainForm::build_descrizioni() {
    auto* column = new QVBoxLayout(Panel4);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    // A caption row; its picture button (if any) stands at the row's right end. The
    // button's text is not shown: it names the button and gives its Alt+ letter.
    auto caption_row = [&](const QString& text, int height, QToolButton** button, const char* name, int button_height,
                           const QString& button_text = {}) {
        auto* row = new QWidget(Panel4);
        row->setFixedHeight(height);
        QLabel* c = caption(row, text, 4, height - 18);
        if (button) {
            *button = placed(new QToolButton(row), name, 444, 4, 26, button_height);
            (*button)->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
            (*button)->setText(button_text);
            (*button)->setToolButtonStyle(Qt::ToolButtonIconOnly);
            (*button)->setFocusPolicy(Qt::StrongFocus);
        }
        column->addWidget(row);
        return c;
    };
    auto memo = [&](QLabel* c, const char* name, int height, bool read_only) {
        auto* m = new TextMemo(Panel4);
        name_after_caption(c, m);
        m->setObjectName(name);
        m->setReadOnly(read_only);
        if (read_only) m->setBackgroundColour(palette().color(QPalette::Base));  // shows only
        m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        if (height > 0) m->setFixedHeight(height);
        column->addWidget(m, height > 0 ? 0 : 1);
        return m;
    };
    QLabel* c = caption_row("Tipo di Immersione", 38, &b_tipo, "b_tipo", 26, "&Tipo di immersione…");
    tipo = memo(c, "tipo", 36, true);
    c = caption_row("Attività svolte", 34, &b_att, "b_att", 27, "&Attività…");
    attivita = memo(c, "attivita", 44, true);
    c = caption_row("Allarmi", 26, nullptr, nullptr, 0);
    allarmi = memo(c, "allarmi", 26, true);
    c = caption_row("Commenti", 28, nullptr, nullptr, 0);
    commenti = memo(c, "commenti", 0, false);
}
