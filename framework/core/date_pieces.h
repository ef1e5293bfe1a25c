#pragma once

// The date field's text "DD/MM/YYYY": cut into pieces by position, converted to
// numbers, and built back from a stored date.

#include <string>
#include <string_view>

struct DatePieces {
    std::string day;   // characters 1-2
    std::string month; // characters 4-5
    std::string year;  // characters 7-10
};

struct DateNumbers {
    int giorno = 0;
    int mese = 0;
    int anno = 0;
};

// A shorter text gives shorter (possibly empty) pieces.
DatePieces cut_date_pieces(std::string_view text);

// Year first, then month, then day, so a failure names the first bad piece in that
// order. Throws InvalidInteger.
DateNumbers convert_date_pieces(const DatePieces& pieces);

// The ten-character text for a stored date: each part right-aligned in its slot with
// blanks for missing leading digits (1/2/1999 -> " 1/ 2/1999"); a part too long for its
// slot is cut to the slot's first characters.
std::string date_text(int giorno, int mese, int anno);
