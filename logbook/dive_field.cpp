#include "logbook/dive_field.h"

#include <utility>

namespace {

// Calls `f` with pointers to the members that hold the field, so that every operation
// below is written once for all fields.
template <class F>
decltype(auto) with_members(DiveField field, F&& f) {
    using D = Timmersione;
    switch (field) {
    case DiveField::data: return f(&D::giorno, &D::mese, &D::anno);
    case DiveField::ora_imm: return f(&D::ora_imm);
    case DiveField::min_imm: return f(&D::min_imm);
    case DiveField::ora_int: return f(&D::ora_int);
    case DiveField::min_int: return f(&D::min_int);
    case DiveField::ora_dur: return f(&D::ora_dur);
    case DiveField::min_dur: return f(&D::min_dur);
    case DiveField::lbomb: return f(&D::lbomb);
    case DiveField::bar: return f(&D::bar);
    case DiveField::prof: return f(&D::prof);
    case DiveField::t_acqua: return f(&D::t_acqua);
    case DiveField::t_aria: return f(&D::t_aria);
    case DiveField::muta: return f(&D::muta);
    case DiveField::alt: return f(&D::alt);
    case DiveField::meteo: return f(&D::meteo);
    case DiveField::posto: return f(&D::posto, &D::lung_posto);
    case DiveField::punto: return f(&D::punto, &D::lung_punto);
    case DiveField::compagni: return f(&D::compagni, &D::lung_compagni);
    case DiveField::commenti: return f(&D::commenti, &D::lung_commenti);
    case DiveField::tipo: return f(&D::tipo_bit, &D::gas);
    case DiveField::attivita: return f(&D::att_bit1, &D::att_bit2, &D::altro, &D::lung_altro);
    }
    return f();
}

size_t heap_bytes(const std::string& s) { return s.capacity() + 1; }
template <class T>
size_t heap_bytes(const T&) {
    return 0;
}

}  // namespace

const char* field_caption(DiveField field) {
    switch (field) {
    case DiveField::data: return "Data Immersione";
    case DiveField::ora_imm:
    case DiveField::min_imm: return "Ora Immersione";
    case DiveField::ora_int:
    case DiveField::min_int: return "Intervallo di Superfice";
    case DiveField::ora_dur:
    case DiveField::min_dur: return "Durata Immersione";
    case DiveField::lbomb: return "Bombola Lt.";
    case DiveField::bar: return "Bar Consumati";
    case DiveField::prof: return "Profondità Massima";
    case DiveField::t_acqua: return "Temperatura Acqua(C°)";
    case DiveField::t_aria: return "Temperatura Aria(C°)";
    case DiveField::muta: return "Muta usata";
    case DiveField::alt: return "Altezza sul livello del mare";
    case DiveField::meteo: return "Condizioni Meteo";
    case DiveField::posto: return "Luogo dell'Immersione";
    case DiveField::punto: return "Punto dell'Immersione";
    case DiveField::compagni: return "Compagni d'Immersione";
    case DiveField::commenti: return "Commenti";
    case DiveField::tipo: return "Tipo di Immersione";
    case DiveField::attivita: return "Attività svolte";
    }
    return "";
}

void copy_field(DiveField field, const Timmersione& from, Timmersione& to) {
    with_members(field, [&](auto... m) { ((to.*m = from.*m), ...); });
}

void swap_field(DiveField field, Timmersione& a, Timmersione& b) {
    with_members(field, [&](auto... m) { (std::swap(a.*m, b.*m), ...); });
}

bool same_field(DiveField field, const Timmersione& a, const Timmersione& b) {
    return with_members(field, [&](auto... m) { return ((a.*m == b.*m) && ...); });
}

size_t field_text_bytes(DiveField field, const Timmersione& d) {
    return with_members(field, [&](auto... m) { return (size_t(0) + ... + heap_bytes(d.*m)); });
}
