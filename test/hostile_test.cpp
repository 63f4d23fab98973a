// Input that no person would type: det4 must still end by itself with
// status 0 and write the whole transcript, its result the determinant of
// whatever the reads filled.

#include "cases.hpp"
#include "expected.hpp"
#include "harness.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <unistd.h>

namespace {

const harness::env utf8 = {"LC_ALL=C.UTF-8"};

void expect_transcript(std::string_view input)
{
	auto got = harness::run(input, utf8);
	EXPECT_EQ(got.ended, "exit 0");
	EXPECT_EQ(got.out, expected::transcript(harness::reference(input)));
}

// Input ends after the first k numbers of a matrix, at any k.
class EndOfInput : public testing::TestWithParam<int> {};

TEST_P(EndOfInput, AfterKNumbers)
{
	const int numbers[16] = {3, 1, 4, 1, 5, 9, 2, 6, 5, 3, 5, 8, 9, 7, 9, 3};
	std::string input;
	for (int k = 0; k < GetParam(); ++k)
		input += std::to_string(numbers[k]) + (k % 4 == 3 ? "\n" : " ");
	expect_transcript(input);
}

INSTANTIATE_TEST_SUITE_P(Hostile, EndOfInput, testing::Range(0, 17));

struct bytes_case {
	const char *name;
	std::string input;
	std::optional<long long> det; // what the reads make of it, where that is ours to say
};

void PrintTo(const bytes_case &c, std::ostream *os)
{
	*os << c.name;
}

class Bytes : public testing::TestWithParam<bytes_case> {};

TEST_P(Bytes, AreReadAsMsvcrtReadsThem)
{
	if (GetParam().det) {
		ASSERT_EQ(harness::reference(GetParam().input), *GetParam().det);
	}
	expect_transcript(GetParam().input);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
	Hostile, Bytes,
	testing::Values(bytes_case{"CrLfLineEnds", "1 2 3 4\r\n5 6 7 8\r\n2 6 4 8\r\n3 1 1 2\r\n", 72},
			bytes_case{"NulStopsTheReads", "2 0 0 0\n0 3\0 0 0\n0 0 4 0\n0 0 0 5\n"s, 0},
			bytes_case{"NulAfterTheMatrix", "2 0 0 0\n0 3 0 0\n0 0 4 0\n0 0 0 5\0\n"s, 120},
			bytes_case{"Utf8ByteOrderMark",
				   "\xef\xbb\xbf"
				   "1 2 3 4\n5 6 7 8\n2 6 4 8\n3 1 1 2\n",
				   0},
			bytes_case{"GbkTextForNumbers", "\xd2\xbb \xb6\xfe \xc8\xfd \xcb\xc4\n", 0},
			bytes_case{"BeyondThirtyTwoBits",
				   "99999999999999999999 -99999999999999999999 0 0\n0 1 0 0\n0 0 1 0\n0 0 0 1\n",
				   1661992959}),
	by_name);

// Random bytes, drawn so that they hold numbers among the white space,
// signs and arbitrary bytes around them: the reads fill some entries and
// stumble somewhere.
class RandomBytes : public testing::TestWithParam<unsigned> {};

TEST_P(RandomBytes, AreReadAsMsvcrtReadsThem)
{
	std::mt19937 gen(GetParam());
	const std::string digits = "0123456789", signs = "+-", blanks = " \t\n\v\f\r";
	std::string input(4096, '\0');
	for (auto &c : input) {
		auto kind = gen() % 1000;
		if (kind < 600)
			c = digits[gen() % digits.size()];
		else if (kind < 640)
			c = signs[gen() % signs.size()];
		else if (kind < 995)
			c = blanks[gen() % blanks.size()];
		else
			c = static_cast<char>(gen());
	}
	int filled = 0;
	(void)harness::reference(input, &filled);
	ASSERT_GE(filled, 8) << "the input should hold numbers";
	expect_transcript(input);
}

INSTANTIATE_TEST_SUITE_P(Hostile, RandomBytes, testing::Range(1u, 9u));

// Skipping white space takes no memory: a run with 30 MB of it before the
// numbers stays as small as one without. The input is written out a
// megabyte at a time, so that this test's own size (which a child shares
// until it execs) stays small too.
TEST(Hostile, ThirtyMegabytesOfWhiteSpace)
{
	const std::string rows = "1 2 3 4\n5 6 7 8\n2 6 4 8\n3 1 1 2\n";
	auto path = std::filesystem::temp_directory_path() / ("det4-blanks-" + std::to_string(getpid()));
	{
		std::ofstream blanks(path, std::ios::binary);
		const std::string megabyte(1 << 20, ' ');
		for (int k = 0; k < 30; ++k)
			blanks << megabyte;
		blanks << rows;
	}
	auto small = harness::run(rows, utf8);
	auto big = harness::run(path.string(), utf8, harness::input::file);
	std::filesystem::remove(path);
	EXPECT_EQ(big.ended, "exit 0");
	EXPECT_EQ(big.out, expected::transcript(72));
	EXPECT_LT(big.peak_kib, small.peak_kib + 1024) << "small run: " << small.peak_kib << " KiB";
}

// Only sixteen are read; det4 ends without waiting for the rest.
TEST(Hostile, AMillionNumbersOnOneLine)
{
	std::string input;
	for (int n = 1; n <= 1'000'000; ++n)
		input += std::to_string(n % 7 * n) + ' ';
	expect_transcript(input);
}

} // namespace
