#include "read_row.hpp"

#include <cstdint>

// The C library's %d leaves a number beyond the range of int undefined, and
// glibc's answer differs from one architecture to the next; the Windows
// program's msvcrt.dll wraps it. This reader wraps it everywhere.

namespace {

bool space(int c)
{
	return c == ' ' || (c >= '\t' && c <= '\r'); // isspace in the C locale
}

bool digit(int c)
{
	return c >= '0' && c <= '9';
}

// One %d: 1 if it filled `n`, 0 if a character stopped it, EOF if the input
// ended first.
int read_number(std::FILE *in, int &n)
{
	int c;
	do
		c = std::getc(in);
	while (space(c));
	if (c == EOF)
		return EOF;

	bool negative = c == '-';
	if (c == '-' || c == '+')
		c = std::getc(in);
	// Unsigned arithmetic wraps modulo 2^32, as msvcrt's does; the
	// conversion to int is modular (C++20).
	std::uint32_t value = 0;
	bool any = false;
	for (; digit(c); c = std::getc(in)) {
		value = value * 10 + static_cast<std::uint32_t>(c - '0');
		any = true;
	}
	if (c != EOF)
		(void)std::ungetc(c, in);
	if (!any)
		return 0;
	n = static_cast<int>(negative ? 0 - value : value);
	return 1;
}

} // namespace

int read_row(std::FILE *in, int (&row)[4])
{
	int filled = 0;
	for (int &entry : row) {
		int got = read_number(in, entry);
		if (got != 1)
			return filled == 0 && got == EOF ? EOF : filled;
		++filled;
	}
	return filled;
}
