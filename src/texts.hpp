#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

// The dialogue's texts, each as GBK bytes and as the same text in UTF-8.
// A unit test converts every GBK form and requires its UTF-8 twin.
// A hex escape swallows every hex digit after it, so a literal is split
// wherever a digit follows an escape.
namespace texts {

// One text in the two forms a console may take: the GBK bytes of a
// Chinese console, and UTF-8.
struct text {
	const char *gbk;
	const char *utf8;
};

// clang-format off

inline constexpr text banner{
	"\n**********Lorvandishemelv2.01*************",
	"\n**********Lorvandishemelv2.01*************",
};

inline constexpr text author{
	"                                    ---by Nusk\xa1\xa2\n",
	"                                    ---by Nusk、\n",
};

inline constexpr text prompt[4]{
	{
		"\xc7\xeb\xca\xe4\xc8\xeb\xb5\xda" "1\xd0\xd0" "4\xb8\xf6\xca\xfd(\xbf\xd5\xb8\xf1\xbc\xfc\xb8\xf4\xbf\xaa):",
		"请输入第1行4个数(空格键隔开):",
	},
	{
		"\xc7\xeb\xca\xe4\xc8\xeb\xb5\xda" "2\xd0\xd0" "4\xb8\xf6\xca\xfd(\xbf\xd5\xb8\xf1\xbc\xfc\xb8\xf4\xbf\xaa):",
		"请输入第2行4个数(空格键隔开):",
	},
	{
		"\xc7\xeb\xca\xe4\xc8\xeb\xb5\xda" "3\xd0\xd0" "4\xb8\xf6\xca\xfd(\xbf\xd5\xb8\xf1\xbc\xfc\xb8\xf4\xbf\xaa):",
		"请输入第3行4个数(空格键隔开):",
	},
	{
		"\xc7\xeb\xca\xe4\xc8\xeb\xb5\xda" "4\xd0\xd0" "4\xb8\xf6\xca\xfd(\xbf\xd5\xb8\xf1\xbc\xfc\xb8\xf4\xbf\xaa):",
		"请输入第4行4个数(空格键隔开):",
	},
};

// The one format that reads a row, the same for all four.
inline constexpr const char *row = "%d %d %d %d";

// The one conversion is the %d of the determinant.
inline constexpr text result{
	"\n\xbe\xad\xbc\xc6\xcb\xe3\xa3\xac\xbd\xe1\xb9\xfb\xce\xaa%d\n\n",
	"\n经计算，结果为%d\n\n",
};

// What a Chinese console's pause says; written where the console layer
// stands in for a pause the platform lacks.
inline constexpr text press_any_key{
	"\xc7\xeb\xb0\xb4\xc8\xce\xd2\xe2\xbc\xfc\xbc\xcc\xd0\xf8. . .",
	"请按任意键继续. . .",
};

// clang-format on

// Every text above, for what must hold of them all.
inline constexpr const text *all[] = {&banner,    &author,    &prompt[0], &prompt[1],
				      &prompt[2], &prompt[3], &result,    &press_any_key};

// The length in bytes of the longest text in UTF-8, with room for the
// 11 characters of -2147483648 where a %d stands.
inline constexpr std::size_t longest_utf8 = [] {
	std::size_t most = 0;
	for (const text *t : all)
		most = std::max(most, std::char_traits<char>::length(t->utf8));
	return most - 2 + 11;
}();

} // namespace texts
