#include "console.hpp"
#include "console_stdio.hpp"

#include <cstdio>
#include <cstdlib>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

// The console that standard output writes to; null where it is a file or
// a pipe, which take the GBK bytes through msvcrt's stdio as they are.
HANDLE screen = nullptr;

// Room for any text, formatted; no text has more UTF-16 units than UTF-8
// bytes.
constexpr std::size_t room = texts::longest_utf8 + 1;

// A console shows the texts right whatever its code page when they come
// as UTF-16 through the console API. (Bytes through msvcrt depend on the
// code page, and on wine also on the C runtime's locale.)
void write_wide(const char *utf8)
{
	wchar_t wide[room];
	int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, static_cast<int>(room));
	DWORD written;
	if (n > 1)
		(void)WriteConsoleW(screen, wide, static_cast<DWORD>(n - 1), &written, nullptr);
}

} // namespace

void console::open()
{
	HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
	DWORD mode;
	if (GetConsoleMode(out, &mode))
		screen = out;
}

void console::line(const texts::text &t)
{
	if (screen == nullptr)
		return stdio::line(t.gbk);
	write_wide(t.utf8);
	write_wide("\n");
}

void console::say(const texts::text &t)
{
	if (screen == nullptr)
		return stdio::say(t.gbk);
	write_wide(t.utf8);
}

void console::say(const texts::text &t, int value)
{
	if (screen == nullptr)
		return stdio::say(t.gbk, value);
	char formatted[room];
	(void)std::snprintf(formatted, sizeof formatted, t.utf8, value);
	write_wide(formatted);
}

void console::read(int (&row)[4])
{
	// msvcrt's own scanf, which takes every number modulo 2^32. The count
	// read is not needed (a hardened libc insists it be looked at, hence
	// the !).
	(void)!std::scanf(texts::row, &row[0], &row[1], &row[2], &row[3]);
}

void console::pause()
{
	(void)std::system("pause");
}
