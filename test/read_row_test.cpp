// One row read from a stream, as msvcrt.dll's scanf reads "%d %d %d %d":
// what it fills, and what it leaves unread for the next row.

#include "cases.hpp"
#include "unix/read_row.hpp"

#include <array>
#include <climits>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace std::string_literals;

constexpr int untouched = 7; // what every entry holds before the read

struct row_case {
	const char *name;
	std::string input;
	int count;              // what read_row returns
	std::array<int, 4> row; // the entries after it
	std::string rest;       // what is left unread
};

void PrintTo(const row_case &c, std::ostream *os)
{
	*os << c.name;
}

class ReadRow : public testing::TestWithParam<row_case> {};

TEST_P(ReadRow, FillsWhatItReadsAndLeavesTheRest)
{
	const auto &c = GetParam();
	std::FILE *in = std::tmpfile();
	ASSERT_NE(in, nullptr);
	ASSERT_EQ(std::fwrite(c.input.data(), 1, c.input.size(), in), c.input.size());
	std::rewind(in);
	int row[4] = {untouched, untouched, untouched, untouched};
	EXPECT_EQ(read_row(in, row), c.count);
	EXPECT_EQ(std::to_array(row), c.row);
	std::string rest;
	for (int ch; (ch = std::getc(in)) != EOF;)
		rest += static_cast<char>(ch);
	EXPECT_EQ(rest, c.rest);
	(void)std::fclose(in);
}

constexpr int u = untouched;

INSTANTIATE_TEST_SUITE_P(
	Numbers, ReadRow,
	testing::Values(row_case{"Plain", "1 2 3 4\n5", 4, {1, 2, 3, 4}, "\n5"},
			row_case{"Signs", "-1 +2 -0 +0", 4, {-1, 2, 0, 0}, ""},
			row_case{"EdgesOfInt",
				 "2147483647 -2147483648 2147483648 -2147483649",
				 4,
				 {INT_MAX, INT_MIN, INT_MIN, INT_MAX},
				 ""},
			row_case{
				"AroundTwoTo32", "4294967295 4294967296 4294967297 -4294967297", 4, {-1, 0, 1, -1}, ""},
			row_case{"AroundTwoTo63",
				 "9223372036854775807 9223372036854775808 9223372036854775811 "
				 "-9223372036854775809",
				 4,
				 {-1, 0, 3, -1},
				 ""},
			row_case{"AroundTwoTo64",
				 "18446744073709551615 18446744073709551616 18446744073709551621 "
				 "-18446744073709551621",
				 4,
				 {-1, 0, 5, -5},
				 ""},
			row_case{"ThirtyDigits",
				 "123456789012345678901234567890 99999999999999999999 "
				 "-000000000000000000000000000012 000000000000000000000000000000",
				 4,
				 {1312754386, 1661992959, -12, 0},
				 ""},
			row_case{"EveryWhiteSpace", " \t1\n\r\n2\v3\f\r4\r\n", 4, {1, 2, 3, 4}, "\r\n"}),
	by_name);

INSTANTIATE_TEST_SUITE_P(Failures, ReadRow,
			 testing::Values(row_case{"EmptyInput", "", EOF, {u, u, u, u}, ""},
					 row_case{"OnlyWhiteSpace", " \n\t ", EOF, {u, u, u, u}, ""},
					 row_case{"EndsWithinTheRow", "1 2", 2, {1, 2, u, u}, ""},
					 row_case{"CommaStopsTheRead", "1,2,3,4", 1, {1, u, u, u}, ",2,3,4"},
					 row_case{"LetterAfterDigits", "12abc 5", 1, {12, u, u, u}, "abc 5"},
					 row_case{"HexIsNotRead", "0x10 1 2 3", 1, {0, u, u, u}, "x10 1 2 3"},
					 row_case{"LoneSignIsTaken", "1 - 3 4", 1, {1, u, u, u}, " 3 4"},
					 row_case{"SignThenSign", "+-3 4", 0, {u, u, u, u}, "-3 4"},
					 row_case{"SignAtTheEnd", "1 2 3 -", 3, {1, 2, 3, u}, ""},
					 row_case{"NulStops", "1\0 2 3 4"s, 1, {1, u, u, u}, "\0 2 3 4"s},
					 row_case{"NonAsciiIsNoSpace", "1\xa0 2 3 4", 1, {1, u, u, u}, "\xa0 2 3 4"}),
			 by_name);

} // namespace
