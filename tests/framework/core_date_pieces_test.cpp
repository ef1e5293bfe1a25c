#include "framework/core/date_pieces.h"
#include "framework/core/errors.h"

#include <gtest/gtest.h>

TEST(DatePieces, CutByPosition)
{
    const DatePieces p = cut_date_pieces(" 1/12/1999");
    EXPECT_EQ(p.day, " 1");
    EXPECT_EQ(p.month, "12");
    EXPECT_EQ(p.year, "1999");

    const DatePieces shortText = cut_date_pieces("12/0");
    EXPECT_EQ(shortText.day, "12");
    EXPECT_EQ(shortText.month, "0");
    EXPECT_EQ(shortText.year, "");
}

TEST(DatePieces, ConvertsWithLeadingBlanks)
{
    const DateNumbers d = convert_date_pieces(cut_date_pieces(" 1/ 2/   0"));
    EXPECT_EQ(d.giorno, 1);
    EXPECT_EQ(d.mese, 2);
    EXPECT_EQ(d.anno, 0);
}

TEST(DatePieces, YearFailsFirstThenMonthThenDay)
{
    auto message = [](const char* text) {
        try {
            convert_date_pieces(cut_date_pieces(text));
        } catch (const InvalidInteger& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(message("1 /2 /199 "), "'199 ' is not a valid integer value");
    EXPECT_EQ(message("1 /2 /1999"), "'2 ' is not a valid integer value");
    EXPECT_EQ(message("1 / 2/1999"), "'1 ' is not a valid integer value");
    EXPECT_EQ(message("  / 2/1999"), "'  ' is not a valid integer value");
    EXPECT_EQ(message("12/10"), "'' is not a valid integer value");
}

TEST(DatePieces, TextForStoredDate)
{
    EXPECT_EQ(date_text(1, 2, 1999), " 1/ 2/1999");
    EXPECT_EQ(date_text(31, 12, 2024), "31/12/2024");
    EXPECT_EQ(date_text(0, 0, 0), " 0/ 0/   0");
    EXPECT_EQ(date_text(123, 5, 12345), "12/ 5/1234");
    EXPECT_EQ(cut_date_pieces(date_text(7, 9, 85)).year, "  85");
}
