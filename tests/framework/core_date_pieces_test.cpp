#include "framework/core/date_pieces.h"
#include "framework/core/errors.h"

#include <gtest/gtest.h>

// Cut by position, converted year first, then month, then day, so that a failure names
// the first bad piece in that order; built back from a stored date.
TEST(DatePieces, CutConvertedAndBuiltBack) {
    const DatePieces shortText = cut_date_pieces("12/0");
    EXPECT_EQ(shortText.day + "|" + shortText.month + "|" + shortText.year, "12|0|");
    const DateNumbers d = convert_date_pieces(cut_date_pieces(" 1/ 2/   0"));
    EXPECT_EQ(std::vector<int>({d.giorno, d.mese, d.anno}), std::vector<int>({1, 2, 0}));
    const std::pair<const char*, const char*> bad[] = {
        {"1 /2 /199 ", "'199 '"}, {"1 /2 /1999", "'2 '"}, {"1 / 2/1999", "'1 '"}, {"12/10", "''"}};
    for (const auto& [text, named] : bad) {
        try {
            convert_date_pieces(cut_date_pieces(text));
            ADD_FAILURE() << "accepted " << text;
        } catch (const InvalidInteger& e) {
            EXPECT_EQ(e.what(), std::string(named) + " is not a valid integer value");
        }
    }
    EXPECT_EQ(date_text(123, 5, 12345), "12/ 5/1234"); // parts too long for their slot are cut
}
