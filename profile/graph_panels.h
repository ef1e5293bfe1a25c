#pragma once

// The texts of status panels 1 to 6 while the graph is shown, as Windows-1252 bytes.

#include <array>
#include <cstdint>
#include <string>

struct GraphPanelValues {
    std::string testo_tempo;    // the readout's time text
    std::string testo_prof;     // the readout's depth text
    double prof = 0;            // maximum depth of the dive drawn
    std::string testo_media;    // mean depth, already cut
    std::string testo_consumo;  // air consumption, already cut
    int32_t nimm = 0;           // dive number
};

std::array<std::string, 6> graph_panel_texts(const GraphPanelValues& values, char decimal_separator);
