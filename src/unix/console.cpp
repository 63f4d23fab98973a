#include "console.hpp"
#include "console_stdio.hpp"
#include "read_row.hpp"

#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <initializer_list>
#include <langinfo.h>
#include <termios.h>
#include <unistd.h>

namespace {

bool utf8 = false; // the texts go out as UTF-8, else as the GBK bytes

const char *bytes(const texts::text &t)
{
	return utf8 ? t.utf8 : t.gbk;
}

// The name of the locale that LC_CTYPE takes from the environment.
const char *ctype_locale()
{
	for (const char *var : {"LC_ALL", "LC_CTYPE", "LANG"})
		if (const char *name = std::getenv(var); name != nullptr && *name != '\0')
			return name;
	return "C";
}

// The codeset of a locale name, after its dot and before any @modifier
// (en_US.UTF-8, de_DE.utf8@euro), or nullptr where the name has none.
const char *codeset(const char *name)
{
	for (; *name != '\0' && *name != '@'; ++name)
		if (*name == '.')
			return name + 1;
	return nullptr;
}

// Whether a codeset is UTF-8, spelt UTF-8 or utf8 in either case.
bool is_utf8(const char *set)
{
	auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
	if (lower(set[0]) != 'u' || lower(set[1]) != 't' || lower(set[2]) != 'f')
		return false;
	set += set[3] == '-' ? 4 : 3;
	return set[0] == '8' && (set[1] == '\0' || set[1] == '@');
}

// Whether fd is a terminal, asked as isatty asks it: by its modes.
bool terminal(int fd)
{
	termios modes;
	return tcgetattr(fd, &modes) == 0;
}

// Whether the texts should go out as UTF-8. The C and POSIX locales say
// nothing about the terminal's encoding: a terminal today takes UTF-8,
// while a file or a pipe gets the GBK bytes, so that scripts read the
// texts as they are. A name such as en_US.UTF-8 or zh_CN.GBK says itself,
// installed or not, and costs nothing to read; only a name without a
// codeset (zh_CN) has the locale itself asked. LC_CTYPE is left as C, so
// the reads keep the C locale's rules.
//
// Every library function det4 calls is bound when it starts (-z now), at
// about half a percent of a whole dialogue's cost each, so the name is
// read here by hand rather than with strchr, strcspn and strncasecmp,
// and a terminal is known by tcgetattr, which the pause needs anyway.
bool wants_utf8()
{
	const char *name = ctype_locale();
	if (std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0)
		return terminal(STDOUT_FILENO);
	if (const char *set = codeset(name); set != nullptr)
		return is_utf8(set);
	if (std::setlocale(LC_CTYPE, "") == nullptr)
		return false;
	bool yes = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
	(void)std::setlocale(LC_CTYPE, "C");
	return yes;
}

} // namespace

void console::open()
{
	// A reader that has gone away makes a write fail, as it does on
	// Windows, instead of killing the program.
	struct sigaction ignore = {};
	ignore.sa_handler = SIG_IGN;
	(void)sigaction(SIGPIPE, &ignore, nullptr);
	// A program before us may have left standard input non-blocking (one
	// that crashed, say); every read would then fail at once instead of
	// waiting for the rows. Make it wait again, as a shell does.
	if (int flags = fcntl(STDIN_FILENO, F_GETFL); flags != -1 && (flags & O_NONBLOCK) != 0)
		(void)fcntl(STDIN_FILENO, F_SETFL, flags & ~O_NONBLOCK);
	utf8 = wants_utf8();
}

void console::line(const texts::text &t)
{
	stdio::line(bytes(t));
}

void console::say(const texts::text &t)
{
	stdio::say(bytes(t));
}

void console::say(const texts::text &t, int value)
{
	stdio::say(bytes(t), value);
}

void console::read(int (&row)[4])
{
	(void)read_row(stdin, row);
}
