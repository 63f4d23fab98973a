#include "console.hpp"
#include "console_stdio.hpp"
#include "locale_name.hpp"
#include "read_row.hpp"

#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <langinfo.h>
#include <unistd.h>

namespace {

bool utf8 = false; // the texts go out as UTF-8, else as the GBK bytes

const char *bytes(const texts::text &t)
{
	return utf8 ? t.utf8 : t.gbk;
}

// Whether the texts should go out as UTF-8. The C and POSIX locales say
// nothing about the terminal's encoding: a terminal today takes UTF-8,
// while a file or a pipe gets the GBK bytes, so that scripts read the
// texts as they are. A name such as en_US.UTF-8 or zh_CN.GBK says itself,
// installed or not; only a name without a codeset (zh_CN) has the locale
// itself asked. LC_CTYPE is left as C, so the reads keep the C locale's
// rules.
bool wants_utf8()
{
	switch (locale_name_says(std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), std::getenv("LANG"))) {
	case locale_name::plain:
		return isatty(STDOUT_FILENO) != 0;
	case locale_name::utf8:
		return true;
	case locale_name::other:
		return false;
	case locale_name::no_codeset:
		break;
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

void console::read(int (&row)[4])
{
	// texts::row as msvcrt.dll's scanf reads it; glibc's %d would leave a
	// number beyond int undefined.
	(void)read_row(stdin, row);
}
