#pragma once

#include <cstdio>

// Reads one row as msvcrt.dll's scanf reads "%d %d %d %d" into four ints.
// Each number skips white space, takes an optional sign and then digits,
// and leaves the first character that cannot continue it unread; a number
// of any length is taken modulo 2^32. A read that fails leaves the entries
// after it as they are, with the character that stopped it still unread
// (a sign before it is gone). Returns the count of entries filled, or EOF
// where the input ended before the first number.
int read_row(std::FILE *in, int (&row)[4]);
