#include "console.hpp"
#include "console_stdio.hpp"

#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <initializer_list>
#include <langinfo.h>
#include <strings.h>
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

// Whether the texts should go out as UTF-8. The C and POSIX locales say
// nothing about the terminal's encoding: a terminal today takes UTF-8,
// while a file or a pipe gets the GBK bytes, so that scripts read the
// texts as they are. A name such as en_US.UTF-8 or zh_CN.GBK says itself,
// installed or not, and costs nothing to read; only a name without a
// codeset (zh_CN) has the locale itself asked. LC_CTYPE is left as C, so
// the reads keep the C locale's rules.
bool wants_utf8()
{
	const char *name = ctype_locale();
	if (std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0)
		return isatty(STDOUT_FILENO) == 1;
	if (const char *dot = std::strchr(name, '.'); dot != nullptr) {
		std::size_t n = std::strcspn(++dot, "@");
		return (n == 5 && strncasecmp(dot, "utf-8", n) == 0) || (n == 4 && strncasecmp(dot, "utf8", n) == 0);
	}
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
