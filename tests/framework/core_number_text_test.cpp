#include "framework/core/errors.h"
#include "framework/core/number_text.h"

#include <gtest/gtest.h>

TEST(FormatGeneral, ShortestFormWithChosenSeparator)
{
    EXPECT_EQ(format_general(12.5, ','), "12,5");
    EXPECT_EQ(format_general(12.5, '.'), "12.5");
    EXPECT_EQ(format_general(15.0, ','), "15");
    EXPECT_EQ(format_general(-99.0, ','), "-99");
    EXPECT_EQ(format_general(0.1 + 0.2, '.'), "0.3");
    EXPECT_EQ(format_general(123.45, ','), "123,45");
    EXPECT_EQ(format_general(-0.0, ','), "0");
}

TEST(FormatGeneral, FifteenSignificantDigitsAndExponentBounds)
{
    EXPECT_EQ(format_general(1.0 / 3.0, '.'), "0.333333333333333");
    EXPECT_EQ(format_general(0.0001, ','), "0,0001");
    EXPECT_EQ(format_general(1e-5, ','), "1e-05");
    EXPECT_EQ(format_general(123456789012345.0, '.'), "123456789012345");
    EXPECT_EQ(format_general(123456789012345678.0, ','), "1,23456789012346e+17");
}

TEST(ParseNumber, ReadsBackWhatFormatWrites)
{
    for (double v : {12.5, -99.0, 0.0, 1.0 / 3.0, 1e-5, 123456789012345678.0}) {
        const auto back = parse_number(format_general(v, ','), ',');
        ASSERT_TRUE(back.has_value()) << v;
        EXPECT_EQ(format_general(*back, ','), format_general(v, ','));
    }
}

TEST(ParseNumber, AcceptedForms)
{
    EXPECT_EQ(parse_number("12,5", ','), 12.5);
    EXPECT_EQ(parse_number("  -3,25 ", ','), -3.25);
    EXPECT_EQ(parse_number("+4", ','), 4.0);
    EXPECT_EQ(parse_number(",5", ','), 0.5);
    EXPECT_EQ(parse_number("7,", ','), 7.0);
    EXPECT_EQ(parse_number("1E2", '.'), 100.0);
}

TEST(ParseNumber, RejectedForms)
{
    for (const char* text : {"", "   ", "-", ",", "12.5", "1,2,3", "12a", "a12", "1e", "1e+",
                             "inf", "nan", "1 2", "--1", "1e999"})
        EXPECT_FALSE(parse_number(text, ',').has_value()) << '"' << text << '"';
}

TEST(ParseWhole, BlanksAroundAndSignOnly)
{
    EXPECT_EQ(parse_whole(" 30 "), 30);
    EXPECT_EQ(parse_whole("-99"), -99);
    EXPECT_EQ(parse_whole("2147483647"), 2147483647);
    EXPECT_EQ(parse_whole("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(parse_whole("2147483648"));
    EXPECT_FALSE(parse_whole("12,5"));
    EXPECT_FALSE(parse_whole(""));
    EXPECT_FALSE(parse_whole("+"));
}

TEST(ToInteger, LeadingBlanksOnly)
{
    EXPECT_EQ(to_integer("1999"), 1999);
    EXPECT_EQ(to_integer(" 5"), 5);
    EXPECT_EQ(to_integer("  -7"), -7);
    EXPECT_EQ(to_integer("007"), 7);
}

TEST(ToInteger, RejectionCarriesTheText)
{
    for (const char* text : {"", "  ", "5 ", "1a", "x", "1.0", "99999999999"}) {
        try {
            to_integer(text);
            ADD_FAILURE() << "accepted \"" << text << '"';
        } catch (const InvalidInteger& e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(NumberTexts, UnsignedAndTruncation)
{
    EXPECT_EQ(unsigned_text(-1), "4294967295");
    EXPECT_EQ(unsigned_text(42), "42");
    EXPECT_EQ(truncate_text("12,3456", 4), "12,3");
    EXPECT_EQ(truncate_text("19,99", 2), "19");
    EXPECT_EQ(truncate_text("5", 4), "5");
}
