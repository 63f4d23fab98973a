#include "cases.hpp"
#include "sj.hpp"

#include <array>
#include <climits>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>

namespace {

__extension__ typedef __int128 i128; // exact for any 3x3 determinant of ints

struct case3 {
	const char *name;
	std::array<int, 9> m; // row by row
	int det;
};

void PrintTo(const case3 &c, std::ostream *os)
{
	*os << c.name;
}

class Sj : public testing::TestWithParam<case3> {};

TEST_P(Sj, GivesTheDeterminantModulo2To32)
{
	const auto &m = GetParam().m;
	EXPECT_EQ(sj(m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7], m[8]), GetParam().det);
}

constexpr int p15 = 1 << 15, p16 = 1 << 16;

INSTANTIATE_TEST_SUITE_P(
	Cases, Sj,
	testing::Values(case3{"Mixed", {1, 2, 3, 4, 5, 6, 7, 8, 10}, -3},
			case3{"EveryTermCounts", {2, -3, 1, 2, 0, -1, 1, 4, 5}, 49},
			case3{"Identity", {1, 0, 0, 0, 1, 0, 0, 0, 1}, 1},
			case3{"RowsExchanged", {0, 1, 0, 1, 0, 0, 0, 0, 1}, -1},
			case3{"EqualRows", {4, 5, 6, 7, 8, 9, 4, 5, 6}, 0},
			case3{"TwoTo32WrapsToZero", {p16, 0, 0, 0, p16, 0, 0, 0, 1}, 0},
			case3{"TwoTo31WrapsToMostNegative", {p16, 0, 0, 0, p15, 0, 0, 0, 1}, INT_MIN},
			case3{"ExactThoughAProductOverflows", {p16, p16, 0, p16, p16 + 1, 0, 0, 0, 1}, p16},
			case3{"LargestSquaredWrapsToOne", {INT_MAX, 0, 0, 0, INT_MAX, 0, 0, 0, 1}, 1},
			case3{"MostNegativeNegated", {INT_MIN, 0, 0, 0, -1, 0, 0, 0, 1}, INT_MIN}),
	by_name);

// Against the six-term Leibniz sum, computed exactly in 128 bits and then
// reduced modulo 2^32, over full-range entries.
TEST(Sj, MatchesTheExactDeterminantReducedModulo2To32)
{
	std::mt19937 gen(20261210);
	std::uniform_int_distribution<int> any(INT_MIN, INT_MAX);
	for (int n = 0; n < 10000; ++n) {
		std::array<i128, 9> e;
		for (auto &x : e)
			x = any(gen);
		i128 exact = e[0] * e[4] * e[8] + e[1] * e[5] * e[6] + e[2] * e[3] * e[7] - e[2] * e[4] * e[6] -
			     e[1] * e[3] * e[8] - e[0] * e[5] * e[7];
		auto want = static_cast<int>(static_cast<std::uint32_t>(exact));
		auto i = [&](int k) { return static_cast<int>(e[static_cast<std::size_t>(k)]); };
		ASSERT_EQ(sj(i(0), i(1), i(2), i(3), i(4), i(5), i(6), i(7), i(8)), want) << "matrix " << n;
	}
}

} // namespace
