// What the environment's locale name says of the character set the texts
// go out in.

#include "cases.hpp"
#include "unix/locale_name.hpp"

#include <gtest/gtest.h>

namespace {

struct name_case {
	const char *name;
	const char *lc_all, *lc_ctype, *lang;
	locale_name says;
};

void PrintTo(const name_case &c, std::ostream *os)
{
	*os << c.name;
}

class LocaleName : public testing::TestWithParam<name_case> {};

TEST_P(LocaleName, SaysItsCharacterSet)
{
	const auto &c = GetParam();
	EXPECT_EQ(locale_name_says(c.lc_all, c.lc_ctype, c.lang), c.says);
}

using enum locale_name;

INSTANTIATE_TEST_SUITE_P(Environment, LocaleName,
			 testing::Values(name_case{"NothingSet", nullptr, nullptr, nullptr, plain},
					 name_case{"AllOverridesCtypeAndLang", "C", "C.UTF-8", "zh_CN.GBK", plain},
					 name_case{"EmptyAllFallsToCtype", "", "C.UTF-8", "C", utf8},
					 name_case{"EmptyAllAndCtypeFallToLang", "", "", "zh_CN.GBK", other},
					 name_case{"AllEmpty", "", "", "", plain}),
			 by_name);

INSTANTIATE_TEST_SUITE_P(Names, LocaleName,
			 testing::Values(name_case{"C", nullptr, nullptr, "C", plain},
					 name_case{"Posix", nullptr, nullptr, "POSIX", plain},
					 name_case{"NoCodeset", nullptr, nullptr, "zh_CN", no_codeset},
					 name_case{"NoCodesetWithModifier", nullptr, nullptr, "de_DE@euro", no_codeset},
					 name_case{"Utf8Upper", nullptr, nullptr, "en_US.UTF-8", utf8},
					 name_case{"Utf8Lower", nullptr, nullptr, "en_US.utf-8", utf8},
					 name_case{"Utf8NoDash", nullptr, nullptr, "en_US.utf8", utf8},
					 name_case{"Utf8NoDashUpper", nullptr, nullptr, "en_US.UTF8", utf8},
					 name_case{"CUtf8", nullptr, nullptr, "C.UTF-8", utf8},
					 name_case{"Utf8WithModifier", nullptr, nullptr, "de_DE.utf8@euro", utf8},
					 name_case{"ModifierNotCodeset", nullptr, nullptr, "de_DE.ISO-8859-15@euro",
						   other},
					 name_case{"Utf7", nullptr, nullptr, "xx_YY.UTF-7", other},
					 name_case{"Utf8Prefix", nullptr, nullptr, "xx_YY.UTF-80", other},
					 name_case{"Gb18030", nullptr, nullptr, "zh_CN.GB18030", other},
					 name_case{"Gbk", nullptr, nullptr, "zh_CN.GBK", other}),
			 by_name);

} // namespace
