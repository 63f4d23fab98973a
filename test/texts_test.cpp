#include "cases.hpp"
#include "harness.hpp"
#include "texts.hpp"

#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>

namespace {

struct text_case {
	const char *name;
	texts::text text;
	std::size_t gbk_bytes;
};

void PrintTo(const text_case &c, std::ostream *os)
{
	*os << c.name;
}

class Texts : public testing::TestWithParam<text_case> {};

// The GBK bytes are what a Chinese console shows; the UTF-8 twin must be
// the very same text.
TEST_P(Texts, GbkBytesAreTheUtf8TwinInGbk)
{
	const auto &[name, text, bytes] = GetParam();
	EXPECT_EQ(std::strlen(text.gbk), bytes);
	EXPECT_EQ(harness::convert(text.gbk, "GBK", "UTF-8"), text.utf8);
}

INSTANTIATE_TEST_SUITE_P(
	Every, Texts,
	testing::Values(text_case{"Banner", texts::banner, 43}, text_case{"Author", texts::author, 49},
			text_case{"Prompt1", texts::prompt[0], 29}, text_case{"Prompt2", texts::prompt[1], 29},
			text_case{"Prompt3", texts::prompt[2], 29}, text_case{"Prompt4", texts::prompt[3], 29},
			text_case{"Result", texts::result, 19}, text_case{"PressAnyKey", texts::press_any_key, 19}),
	by_name);

// The Windows console's buffers are sized by longest_utf8: every text,
// formatted with the longest int, must fit.
TEST(Texts, EveryOneFitsTheLongest)
{
	for (const texts::text *t : texts::all) {
		char formatted[256];
		int n = std::snprintf(formatted, sizeof formatted, t->utf8, -2147483647 - 1);
		EXPECT_LE(static_cast<std::size_t>(n), texts::longest_utf8) << t->utf8;
	}
}

} // namespace
