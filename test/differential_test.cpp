// The same input must give the same transcript from every build of det4:
// the program under test (another architecture's, or the Windows program)
// against this build's own, and both against the reading that msvcrt.dll
// does, with every number taken modulo 2^32. The inputs hold numbers of
// every size, signs and leading zeros, the reads' stumbling blocks, and
// every kind of white space.

#include "cases.hpp"
#include "expected.hpp"
#include "harness.hpp"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct input_case {
	std::string name;
	std::string text;
};

void PrintTo(const input_case &c, std::ostream *os)
{
	*os << c.name;
}

// Numbers near every edge a reader may have: 2^31, 2^32, 2^63 and 2^64,
// and thirty digits.
const char *const numbers[] = {
	"0",
	"1",
	"7",
	"65536",
	"2147483646",
	"2147483647",
	"2147483648",
	"2147483649",
	"4294967295",
	"4294967296",
	"4294967297",
	"9223372036854775807",
	"9223372036854775808",
	"9223372036854775809",
	"18446744073709551615",
	"18446744073709551616",
	"18446744073709551621",
	"123456789012345678901234567890",
	"999999999999999999999999999999",
};
const char *const signs[] = {"", "", "-", "+"};
const char *const blanks[] = {" ", "\t", "\n", "\r\n", "\v", "\f", " \t\r\n\v\f "};
// What stops a read: lone signs, a sign before a sign, characters that
// cannot start a number, and a number with something stuck to it.
const char *const stumbles[] = {"-", "+", "+-3", "-+3", "--3", "x", ",", ";", "\xa3\xac", "7x", "0x1f", "- 5", "+\n"};

std::vector<input_case> inputs()
{
	std::mt19937 gen(20261210);
	auto pick = [&](const auto &from) { return from[gen() % std::size(from)]; };
	std::vector<input_case> all;
	for (int k = 0; k < 30; ++k) {
		// Sixteen numbers; from the eleventh input on, one stumbling
		// block among them somewhere.
		int stumble_at = k < 10 ? -1 : static_cast<int>(gen() % 16);
		std::string text;
		for (int n = 0; n < 16; ++n) {
			if (n == stumble_at)
				text += pick(stumbles) + std::string(pick(blanks));
			text += pick(signs) + std::string(gen() % 3 == 0 ? gen() % 4 : 0, '0') + pick(numbers);
			text += pick(blanks);
		}
		all.push_back({(stumble_at < 0 ? "Numbers"s : "Stumble"s) + std::to_string(k), text});
	}
	return all;
}

// A transcript up to and including its result line, with each CR LF taken
// as LF: the Windows program writes CR LF, and its command interpreter's
// pause follows.
std::string dialogue(std::string out)
{
	std::string folded;
	for (std::size_t k = 0; k < out.size(); ++k)
		if (!(out[k] == '\r' && k + 1 < out.size() && out[k + 1] == '\n'))
			folded += out[k];
	auto result = folded.find(harness::convert("\n经计算，结果为", "UTF-8", "GBK"));
	auto end = result == std::string::npos ? result : folded.find("\n\n", result + 1);
	return end == std::string::npos ? folded : folded.substr(0, end + 2);
}

class Differential : public testing::TestWithParam<input_case> {};

TEST_P(Differential, EveryBuildWritesTheSameTranscript)
{
	const std::string &in = GetParam().text;
	// The C locale and a pipe: GBK from every build.
	auto tested = harness::run(in, {"LC_ALL=C"});
	auto ours = harness::run(in, {"LC_ALL=C"}, harness::input::pipe, harness::output::pipe, {harness::built()});
	EXPECT_EQ(tested.ended, "exit 0");
	EXPECT_EQ(dialogue(tested.out), dialogue(ours.out)) << harness::det4() << " against " << harness::built();
	EXPECT_EQ(dialogue(ours.out), harness::convert(expected::transcript(harness::reference(in)), "UTF-8", "GBK"));
}

INSTANTIATE_TEST_SUITE_P(Inputs, Differential, testing::ValuesIn(inputs()), by_name);

} // namespace
