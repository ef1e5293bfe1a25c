#include "framework/core/errors.h"
#include "framework/core/number_text.h"

#include <gtest/gtest.h>

TEST(FormatGeneral, FifteenSignificantDigitsShortestFormReadBackAlike) {
    const std::pair<double, const char*> cases[] = {
        {12.5, "12,5"}, {-99.0, "-99"}, {0.1 + 0.2, "0,3"}, {-0.0, "0"}, {1.0 / 3.0, "0,333333333333333"},
        {0.0001, "0,0001"}, {1e-5, "1e-05"}, {123456789012345.0, "123456789012345"},
        {123456789012345678.0, "1,23456789012346e+17"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(format_general(value, ','), text) << value;
        const auto back = parse_number(text, ',');
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(format_general(*back, ','), text);
    }
    EXPECT_EQ(format_general(12.5, '.'), "12.5");
}

TEST(ParseNumber, AcceptedAndRejectedForms) {
    EXPECT_EQ(parse_number("  -3,25 ", ','), -3.25);
    EXPECT_EQ(parse_number(",5", ','), 0.5);
    EXPECT_EQ(parse_number("+7,", ','), 7.0);
    EXPECT_EQ(parse_number("1E2", '.'), 100.0);
    for (const char* text : {"", "-", ",", "12.5", "1,2,3", "12a", "1e+", "inf", "nan", "1 2", "--1", "1e999"})
        EXPECT_FALSE(parse_number(text, ',').has_value()) << '"' << text << '"';
}

TEST(WholeNumbers, ParseWholeAllowsBlanksAroundToIntegerOnlyLeading) {
    EXPECT_EQ(parse_whole(" -2147483648 "), -2147483647 - 1);
    for (const char* text : {"2147483648", "12,5", "", "+"})
        EXPECT_FALSE(parse_whole(text)) << text;
    // Out of 32 bits, however long, is a number at the nearest bound; anything else is none.
    for (auto [text, value] : {std::pair{" 2147483648", INT32_MAX}, {"-2147483649 ", INT32_MIN},
                               {"-000000000000000000000000000007", -7}, {"99999999999999999999999", INT32_MAX}})
        EXPECT_EQ(parse_whole_clamped(text), value) << text;
    for (const char* text : {"", "abc", "9999999999x", "+-1"})
        EXPECT_FALSE(parse_whole_clamped(text)) << text;

    EXPECT_EQ(to_integer("  -7"), -7);
    for (const char* text : {"", "5 ", "1a", "99999999999"})
        EXPECT_THROW(to_integer(text), InvalidInteger) << '"' << text << '"';
}
