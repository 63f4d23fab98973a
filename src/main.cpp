// det4: the determinant of a 4x4 integer matrix, typed in row by row.

#include "console.hpp"
#include "sj.hpp"
#include "texts.hpp"

#include <cstdint>

int main()
{
	console::open();
	console::line(texts::banner);
	console::line(texts::author);

	// m[r][c] is the entry in row r + 1, column c + 1. An entry whose read
	// fails is left as it is, so it enters the expansion as 0.
	int m[4][4] = {};
	for (int r = 0; r < 4; ++r) {
		console::say(texts::prompt[r]);
		console::read(m[r]);
	}

	// Expansion along the first row, wrapping modulo 2^32 as sj does.
	using u = std::uint32_t;
	u det = u(sj(m[1][1], m[1][2], m[1][3], m[2][1], m[2][2], m[2][3], m[3][1], m[3][2], m[3][3])) * u(m[0][0]);
	det = det - u(sj(m[1][0], m[1][2], m[1][3], m[2][0], m[2][2], m[2][3], m[3][0], m[3][2], m[3][3])) * u(m[0][1]);
	det = det + u(sj(m[1][0], m[1][1], m[1][3], m[2][0], m[2][1], m[2][3], m[3][0], m[3][1], m[3][3])) * u(m[0][2]);
	det = det - u(sj(m[1][0], m[1][1], m[1][2], m[2][0], m[2][1], m[2][2], m[3][0], m[3][1], m[3][2])) * u(m[0][3]);

	console::say(texts::result, static_cast<int>(det));
	console::pause();
	return 0;
}
