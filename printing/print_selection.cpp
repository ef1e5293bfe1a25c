#include "printing/print_selection.h"

std::vector<uint32_t> dives_to_print(uint32_t num_imm, int32_t stampa_quali,
                                     const std::function<bool(uint32_t)>& selected) {
    std::vector<uint32_t> dives;
    for (uint32_t i = 0; i < num_imm; ++i)
        if (stampa_quali == 1 || (stampa_quali == 0 && selected(i))) dives.push_back(i);
    return dives;
}

std::string_view file_name_only(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}
