// The whole dialogue, driving det4 through pipes as a script would.

#include "cases.hpp"
#include "expected.hpp"
#include "harness.hpp"

#include <gtest/gtest.h>

namespace {

using harness::env;

// Text as the program under test writes it into a pipe, in a locale that
// takes UTF-8 or one that does not. The Windows program writes GBK either
// way, with CR LF line ends from its text-mode output.
std::string piped(const std::string &utf8_text, bool utf8 = true)
{
	auto t = !utf8 || harness::windows() ? harness::convert(utf8_text, "UTF-8", "GBK") : utf8_text;
	return harness::windows() ? expected::crlf(t) : t;
}

// A whole run; on Windows the command interpreter's pause has its say
// after the result.
std::string transcript(long long det, bool utf8 = true)
{
	return piped(expected::transcript(det), utf8) + (harness::windows() ? expected::wine_pause : "");
}

const char *const rows72 = "1 2 3 4\n5 6 7 8\n2 6 4 8\n3 1 1 2\n";

// The texts go out as GBK bytes unless the locale asks for UTF-8; a
// UTF-8 locale that is not installed still asks for it by its name, and a
// name without a codeset is looked up.
struct locale_case {
	const char *name;
	env settings;
	bool utf8;
	const char *compiled = nullptr; // a locale that the tests compile
};

void PrintTo(const locale_case &c, std::ostream *os)
{
	*os << c.name;
}

class Locale : public testing::TestWithParam<locale_case> {};

TEST_P(Locale, WritesTheWholeTranscriptInItsEncoding)
{
	// The Windows program reads no POSIX locale: one case shows that it
	// writes the GBK bytes into a pipe even where the locale is UTF-8.
	if (harness::windows() && std::string_view(GetParam().name) != "CUtf8")
		GTEST_SKIP() << "det4.exe reads no locale; the CUtf8 case shows what it writes in every one";
	auto got = harness::run(rows72, harness::case_locale(GetParam().settings, GetParam().compiled));
	EXPECT_EQ(got.out, transcript(72, GetParam().utf8));
	EXPECT_EQ(got.ended, "exit 0");
}

INSTANTIATE_TEST_SUITE_P(Dialogue, Locale,
			 testing::Values(locale_case{"Unset", {}, false}, locale_case{"C", {"LC_ALL=C"}, false},
					 locale_case{"Posix", {"LANG=POSIX"}, false},
					 locale_case{"ZhCnGbk", {}, false, "zh_CN.GBK"},
					 locale_case{"NoCodesetInNameUtf8", {}, true, "zh_CN"},
					 locale_case{"NoCodesetInNameGbk", {}, false, "zh_SG"},
					 locale_case{"NoCodesetNotInstalled", {"LANG=xx_YY"}, false},
					 locale_case{"CUtf8", {"LC_ALL=C.UTF-8"}, true},
					 locale_case{"CtypeOverridesLang", {"LANG=C", "LC_CTYPE=C.UTF-8"}, true},
					 locale_case{"AllOverridesCtype", {"LC_ALL=C", "LC_CTYPE=C.UTF-8"}, false},
					 locale_case{"Utf8NotInstalled", {"LANG=xx_YY.utf8"}, true},
					 locale_case{"Utf8WithModifier", {"LANG=xx_YY.UTF-8@euro"}, true},
					 locale_case{"Utf7NotUtf8", {"LANG=xx_YY.UTF-7"}, false},
					 locale_case{"Latin1NotInstalled", {"LANG=xx_YY.ISO-8859-1"}, false}),
			 by_name);

// Arithmetic and input, each judged by the whole transcript it produces.
struct result_case {
	const char *name;
	const char *input;
	long long det;
};

void PrintTo(const result_case &c, std::ostream *os)
{
	*os << c.name;
}

class Result : public testing::TestWithParam<result_case> {};

TEST_P(Result, IsTheDeterminantOfWhatWasRead)
{
	auto got = harness::run(GetParam().input, {"LC_ALL=C.UTF-8"});
	EXPECT_EQ(got.out, transcript(GetParam().det));
	EXPECT_EQ(got.ended, "exit 0");
}

INSTANTIATE_TEST_SUITE_P(
	Expansion, Result,
	testing::Values(result_case{"Identity", "1 0 0 0\n0 1 0 0\n0 0 1 0\n0 0 0 1\n", 1},
			result_case{"Diagonal", "2 0 0 0\n0 3 0 0\n0 0 4 0\n0 0 0 5\n", 120},
			result_case{"Mixed", rows72, 72},
			result_case{"RowsOneAndTwoExchanged", "0 1 0 0\n1 0 0 0\n0 0 1 0\n0 0 0 1\n", -1},
			result_case{"AntiDiagonal", "0 0 0 1\n0 0 1 0\n0 1 0 0\n1 0 0 0\n", 1},
			result_case{"FirstRowZero", "0 0 0 0\n5 6 7 8\n2 6 4 8\n3 1 1 2\n", 0},
			result_case{"TwoEqualRows", "1 2 3 4\n5 6 7 8\n1 2 3 4\n3 1 1 2\n", 0},
			result_case{"TwoTo32WrapsToZero", "65536 0 0 0\n0 65536 0 0\n0 0 1 0\n0 0 0 1\n", 0},
			result_case{"TwoTo31WrapsToMostNegative", "65536 0 0 0\n0 32768 0 0\n0 0 1 0\n0 0 0 1\n",
				    -2147483648LL},
			result_case{"ExactThoughAProductOverflows",
				    "65536 65536 0 0\n65536 65537 0 0\n0 0 1 0\n0 0 0 1\n", 65536},
			result_case{"LargestSquaredWrapsToOne",
				    "2147483647 0 0 0\n0 2147483647 0 0\n0 0 1 0\n0 0 0 1\n", 1},
			result_case{"LastColumnCounts", "0 0 0 2\n0 0 3 0\n0 5 0 0\n7 0 0 0\n", 210}),
	by_name);

INSTANTIATE_TEST_SUITE_P(
	Input, Result,
	testing::Values(
		result_case{"EightNumbersOnOneLine", "1 2 3 4 5 6 7 8\n2 6 4 8\n3 1 1 2\n", 72},
		result_case{"OneNumberPerLine", "1\n2\n3\n4\n5\n6\n7\n8\n2\n6\n4\n8\n3\n1\n1\n2\n", 72},
		result_case{"TabsAndBlankLines", "\t1\t2  3 4\n\n\n5 6 7 8\n  2 6 4 8\n3 1 1 2", 72},
		result_case{"Signs", "-1 0 0 0\n0 +1 0 0\n0 0 +1 0\n0 0 0 1\n", -1},
		result_case{"CommasStopEveryRead", "1,2,3,4\n5 6 7 8\n2 6 4 8\n3 1 1 2\n", 0},
		result_case{"LettersAfterTheMatrixAreLeft", "1 2 3 4\n5 6 7 8\n2 6 4 8\n3 1 1 2 x,y\n", 72},
		result_case{"NoLineEndAfterTheLastNumber", "1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1", 1},
		result_case{"InputEndsAfterSixNumbers", "2 0 0 0 0 3", 0}, result_case{"EmptyInput", "", 0},
		// Every number is taken modulo 2^32, whatever its size.
		result_case{"BeyondSixtyFourBitsWrap",
			    "99999999999999999999 99999999999999999998 0 0\n1 1 0 0\n0 0 1 0\n0 0 0 1\n", 1},
		result_case{"TwoTo64PlusFiveIsFive", "18446744073709551621 0 0 0\n0 1 0 0\n0 0 1 0\n0 0 0 1\n", 5},
		result_case{"MinusTwoTo32MinusOneIsMinusOne", "-4294967297 0 0 0\n0 1 0 0\n0 0 1 0\n0 0 0 1\n", -1},
		// A sign is taken even where no digit follows it; what
		// stopped the read may start the next row's.
		result_case{"SignThenSign", "0 1 0 0\n0 0 0 1\n0 0 1 +-3 0 0 0\n", -3}),
	by_name);

// A script answering through pipes sees each prompt before det4 waits for
// the row, so it can answer prompt by prompt.
TEST(Dialogue, EachPromptArrivesBeforeItsReadWaits)
{
	harness::session det4(harness::session::kind::pipes, {"LC_ALL=C.UTF-8"});
	const char *rows[] = {"1 2 3 4\n", "5 6 7 8\n", "2 6 4 8\n", "3 1 1 2\n"};
	for (int r = 1; r <= 4; ++r) {
		ASSERT_TRUE(det4.expect(piped(expected::prompt(r)))) << det4.output;
		det4.send(rows[r - 1]);
	}
	EXPECT_TRUE(det4.expect(piped(expected::result(72)))) << det4.output;
	det4.close_input(); // for Windows: the pause reads from a pipe too
	EXPECT_EQ(det4.finish(), "exit 0");
}

// Whatever the standard streams are, det4 ends by itself with status 0.
struct streams_case {
	const char *name;
	harness::input in;
	harness::output out;
};

void PrintTo(const streams_case &c, std::ostream *os)
{
	*os << c.name;
}

class Streams : public testing::TestWithParam<streams_case> {};

TEST_P(Streams, EndWithStatusZero)
{
	auto got = harness::run(rows72, {"LC_ALL=C"}, GetParam().in, GetParam().out);
	EXPECT_EQ(got.ended, "exit 0");
	// Where standard input has nothing to give, the dialogue still runs
	// to its end, with every entry 0.
	if (GetParam().in != harness::input::pipe) {
		EXPECT_EQ(got.out, transcript(0, false));
	}
}

using harness::input;
using harness::output;

INSTANTIATE_TEST_SUITE_P(Hostile, Streams,
			 testing::Values(streams_case{"StdinClosed", input::closed, output::pipe},
					 streams_case{"StdinADirectory", input::directory, output::pipe},
					 streams_case{"StdoutClosed", input::pipe, output::closed},
					 streams_case{"StdoutDevFull", input::pipe, output::dev_full},
					 streams_case{"StdoutPipeWithoutReader", input::pipe, output::no_reader}),
			 by_name);

} // namespace
