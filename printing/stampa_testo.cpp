#include "printing/stampa_testo.h"

#include <string>

namespace {

constexpr std::size_t kLineCharacters = 80;
constexpr int kTextOffset = 50;

bool is_break(char c) {
    switch (c) {
    case ' ': case ',': case ';': case ':': case '?': case '.':
    case '\r': case '\n': case '-': case '!': case '(': case ')':
        return true;
    default:
        return false;
    }
}

void append_printable(std::string& line, char c) {
    if (c != '\r' && c != '\n') line += c;
}

}  // namespace

int Stampa_Testo(Canvas& canvas, const PageMetrics& m, std::string_view text, int row) {
    int64_t at_row = row;
    int count = 0;
    std::string line;
    auto print = [&] {
        const int64_t top = row_top(m, at_row, kTextOffset);
        // Past the bottom of the page nothing can be seen: only the count matters.
        if (top < m.page_height) canvas.textOut(m.M + 20, static_cast<int>(top), line);
        ++at_row;
        ++count;
    };

    std::size_t p = 0;
    while (text.size() - p >= kLineCharacters) {
        line = " ";
        for (std::size_t end = p + kLineCharacters; p < end; ++p) append_printable(line, text[p]);
        while (!is_break(text[p - 1]) && p < text.size()) append_printable(line, text[p++]);
        print();
    }
    line = " ";
    for (; p < text.size(); ++p) append_printable(line, text[p]);
    print();
    return count;
}
