#include "locale_name.hpp"

#include <cstring>
#include <initializer_list>
#include <strings.h>

locale_name locale_name_says(const char *lc_all, const char *lc_ctype, const char *lang)
{
	const char *name = "C";
	for (const char *set : {lc_all, lc_ctype, lang}) {
		if (set != nullptr && *set != '\0') {
			name = set;
			break;
		}
	}
	if (std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0)
		return locale_name::plain;

	std::size_t language = std::strcspn(name, ".@");
	if (name[language] != '.')
		return locale_name::no_codeset;
	const char *codeset = name + language + 1;
	std::size_t length = std::strcspn(codeset, "@");
	auto is = [&](const char *spelling) {
		return length == std::strlen(spelling) && strncasecmp(codeset, spelling, length) == 0;
	};
	return is("UTF-8") || is("utf8") ? locale_name::utf8 : locale_name::other;
}
