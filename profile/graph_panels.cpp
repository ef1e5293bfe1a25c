#include "profile/graph_panels.h"

#include "framework/core/number_text.h"

std::array<std::string, 6> graph_panel_texts(const GraphPanelValues& v, char decimal_separator) {
    return {
        v.testo_tempo,
        v.testo_prof,
        "Prof.Max:" + format_general(v.prof, decimal_separator),
        "Prof.Media:" + v.testo_media,
        "Consumo Aria: " + v.testo_consumo,
        "Imm.n\xB0:" + unsigned_text(v.nimm),
    };
}
