#include "console.hpp"

#include "texts.hpp"

#include <cstdio>
#include <cstdlib>
#include <iterator>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>
#include <langinfo.h>
#include <strings.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace {

// What the console takes: the GBK bytes as they are, the UTF-8 twins, or
// (a Windows console on another code page) UTF-16 through the console API.
enum class form { gbk, utf8, utf16 };
form out = form::gbk;

const char *bytes(const console::text &t)
{
	return out == form::gbk ? t.gbk : t.utf8;
}

void write_utf16(const char *utf8);

} // namespace

void console::line(const text &t)
{
	if (out == form::utf16) {
		write_utf16(t.utf8);
		write_utf16("\n");
	} else {
		(void)std::puts(bytes(t));
	}
	(void)std::fflush(stdout);
}

void console::say(const text &t)
{
	if (out == form::utf16)
		write_utf16(t.utf8);
	else
		(void)std::printf("%s", bytes(t));
	(void)std::fflush(stdout);
}

void console::say(const text &t, int value)
{
	// Every text is a constant of ours; the result's holds one %d.
	if (out == form::utf16) {
		char formatted[96];
		(void)std::snprintf(formatted, sizeof formatted, t.utf8, value);
		write_utf16(formatted);
	} else {
		(void)std::printf(bytes(t), value);
	}
	(void)std::fflush(stdout);
}

#ifdef _WIN32

namespace {

HANDLE console_out;

void write_utf16(const char *utf8)
{
	wchar_t wide[96];
	int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, static_cast<int>(std::size(wide)));
	DWORD written;
	if (n > 1)
		(void)WriteConsoleW(console_out, wide, static_cast<DWORD>(n - 1), &written, nullptr);
}

} // namespace

// The GBK bytes go out unchanged to a console on code page 936 and to
// anything that is not a console (a file or a pipe takes them as they are).
// Another console shows the texts right only in UTF-16.
void console::open()
{
	HANDLE h = GetStdHandle(STD_OUTPUT_HANDLE);
	DWORD mode;
	if (GetConsoleMode(h, &mode) && GetConsoleOutputCP() != 936) {
		console_out = h;
		out = form::utf16;
	}
}

void console::pause()
{
	(void)std::system("pause");
}

#else

namespace {

// The name of the locale that LC_CTYPE takes from the environment.
const char *ctype_locale()
{
	for (const char *var : {"LC_ALL", "LC_CTYPE", "LANG"})
		if (const char *name = std::getenv(var); name != nullptr && *name != '\0')
			return name;
	return "C";
}

// Whether the user's locale takes UTF-8. A name such as en_US.UTF-8 or
// zh_CN.GBK says so itself, installed or not, and costs nothing to read;
// only a name without a codeset (zh_CN) has the locale itself asked.
// LC_CTYPE is left as C, so the reads keep the C locale's rules.
bool locale_is_utf8()
{
	const char *name = ctype_locale();
	if (std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0)
		return false;
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

// The terminal's modes before the pause, put back on every way out.
termios saved;

constexpr int fatal_signals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void restore_and_die(int sig)
{
	(void)tcsetattr(STDIN_FILENO, TCSANOW, &saved);
	(void)std::signal(sig, SIG_DFL);
	(void)std::raise(sig); // delivered, and fatal, when the handler returns
}

ssize_t read_key(unsigned char *buf, std::size_t size)
{
	ssize_t n;
	while ((n = read(STDIN_FILENO, buf, size)) < 0 && errno == EINTR) {
	}
	return n;
}

void write_utf16(const char *)
{
	// Only a Windows console takes UTF-16; out is never form::utf16 here.
}

} // namespace

void console::open()
{
	// A reader that has gone away makes a write fail, as it does on
	// Windows, instead of killing the program.
	(void)std::signal(SIGPIPE, SIG_IGN);
	if (locale_is_utf8())
		out = form::utf8;
}

// POSIX has no pause command: wait here for one key, echo and line editing
// off, as a Windows console's pause does.
void console::pause()
{
	if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &saved) != 0)
		return;

	struct sigaction restore = {};
	struct sigaction old[std::size(fatal_signals)];
	restore.sa_handler = restore_and_die;
	(void)sigemptyset(&restore.sa_mask);
	for (std::size_t k = 0; k < std::size(fatal_signals); ++k)
		(void)sigaction(fatal_signals[k], &restore, &old[k]);

	termios raw = saved;
	raw.c_lflag &= ~tcflag_t(ICANON | ECHO);
	raw.c_cc[VMIN] = 1;
	raw.c_cc[VTIME] = 0;
	// TCSAFLUSH drops what was typed ahead: only a key pressed after the
	// prompt ends the pause.
	if (tcsetattr(STDIN_FILENO, TCSAFLUSH, &raw) == 0) {
		say(texts::press_any_key);
		unsigned char key[32];
		if (read_key(key, sizeof key) > 0) {
			// One key may send several bytes (an arrow sends three);
			// take whatever follows within a tenth of a second so
			// that nothing is left over for the shell.
			raw.c_cc[VMIN] = 0;
			raw.c_cc[VTIME] = 1;
			if (tcsetattr(STDIN_FILENO, TCSANOW, &raw) == 0)
				while (read_key(key, sizeof key) > 0) {
				}
		}
		(void)tcsetattr(STDIN_FILENO, TCSANOW, &saved);
		(void)std::puts("");
		(void)std::fflush(stdout);
	}

	for (std::size_t k = 0; k < std::size(fatal_signals); ++k)
		(void)sigaction(fatal_signals[k], &old[k], nullptr);
}

#endif
