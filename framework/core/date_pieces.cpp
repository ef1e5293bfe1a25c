#include "framework/core/date_pieces.h"

#include "framework/core/number_text.h"

namespace {

std::string piece(std::string_view text, std::size_t first, std::size_t count)
{
    if (first >= text.size())
        return {};
    return std::string(text.substr(first, count));
}

std::string slot(int value, std::size_t width)
{
    std::string digits = std::to_string(value);
    if (digits.size() >= width)
        return truncate_text(digits, width);
    return std::string(width - digits.size(), ' ') + digits;
}

} // namespace

DatePieces cut_date_pieces(std::string_view text)
{
    return {piece(text, 0, 2), piece(text, 3, 2), piece(text, 6, 4)};
}

DateNumbers convert_date_pieces(const DatePieces& pieces)
{
    DateNumbers result;
    result.anno = to_integer(pieces.year);
    result.mese = to_integer(pieces.month);
    result.giorno = to_integer(pieces.day);
    return result;
}

std::string date_text(int giorno, int mese, int anno)
{
    return slot(giorno, 2) + "/" + slot(mese, 2) + "/" + slot(anno, 4);
}
