#include "console_stdio.hpp"

#include <cstdio>

void console::stdio::line(const char *bytes)
{
	(void)std::puts(bytes);
	(void)std::fflush(stdout);
}

void console::stdio::say(const char *bytes)
{
	(void)std::printf("%s", bytes);
	(void)std::fflush(stdout);
}

void console::stdio::say(const char *format, int value)
{
	// Every format is a constant of ours, the result's with its one %d.
	(void)std::printf(format, value);
	(void)std::fflush(stdout);
}
