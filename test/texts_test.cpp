#include "cases.hpp"
#include "harness.hpp"
#include "texts.hpp"

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

} // namespace
