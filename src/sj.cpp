#include "sj.hpp"

#include <cstdint>

// Unsigned arithmetic wraps where signed overflow would be undefined, and
// the conversion back to int is modular (C++20); both need a 32-bit int.
static_assert(sizeof(int) == sizeof(std::uint32_t));

int sj(int a, int b, int c, int d, int e, int f, int g, int h, int i)
{
	using u = std::uint32_t;
	// clang-format off
	return static_cast<int>(u(a) * (u(e) * u(i) - u(f) * u(h)) +
	                        u(b) * (u(f) * u(g) - u(d) * u(i)) +
	                        u(c) * (u(d) * u(h) - u(e) * u(g)));
	// clang-format on
}
