#pragma once

// What the name of the locale that LC_CTYPE takes from the environment
// says of its character set.
enum class locale_name {
	plain,      // C or POSIX (or nothing set): no character set to speak of
	utf8,       // a codeset spelt UTF-8 or utf8, in either case
	other,      // any other codeset: GBK, GB18030, ISO-8859-1, UTF-7...
	no_codeset, // a name such as zh_CN, which only the locale itself can tell
};

// The name is the first of LC_ALL, LC_CTYPE and LANG that is set and not
// empty; its codeset comes after its dot and before any @modifier
// (en_US.UTF-8, de_DE.utf8@euro). Pass the variables' values, or null.
locale_name locale_name_says(const char *lc_all, const char *lc_ctype, const char *lang);
