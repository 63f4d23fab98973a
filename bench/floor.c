/*
 * The floor: the least that a C program doing det4's work costs. The same
 * texts and writes (each flushed, as det4 flushes them for scripts and
 * terminals), the same four reads, the same wrapping arithmetic, and
 * nothing else: no locale, no signals, no pause.
 */
#include <stdint.h>
#include <stdio.h>

static const char *const prompt[4] = {
	"\xc7\xeb\xca\xe4\xc8\xeb\xb5\xda"
	"1\xd0\xd0"
	"4\xb8\xf6\xca\xfd(\xbf\xd5\xb8\xf1\xbc\xfc\xb8\xf4\xbf\xaa):",
	"\xc7\xeb\xca\xe4\xc8\xeb\xb5\xda"
	"2\xd0\xd0"
	"4\xb8\xf6\xca\xfd(\xbf\xd5\xb8\xf1\xbc\xfc\xb8\xf4\xbf\xaa):",
	"\xc7\xeb\xca\xe4\xc8\xeb\xb5\xda"
	"3\xd0\xd0"
	"4\xb8\xf6\xca\xfd(\xbf\xd5\xb8\xf1\xbc\xfc\xb8\xf4\xbf\xaa):",
	"\xc7\xeb\xca\xe4\xc8\xeb\xb5\xda"
	"4\xd0\xd0"
	"4\xb8\xf6\xca\xfd(\xbf\xd5\xb8\xf1\xbc\xfc\xb8\xf4\xbf\xaa):",
};

static uint32_t det3(uint32_t a, uint32_t b, uint32_t c, uint32_t d, uint32_t e, uint32_t f, uint32_t g, uint32_t h,
		     uint32_t i)
{
	return a * (e * i - f * h) + b * (f * g - d * i) + c * (d * h - e * g);
}

int main(void)
{
	int m[4][4] = {{0}};
	uint32_t det;
	int r;

	puts("\n**********Lorvandishemelv2.01*************");
	fflush(stdout);
	puts("                                    ---by Nusk\xa1\xa2\n");
	fflush(stdout);
	for (r = 0; r < 4; r++) {
		printf("%s", prompt[r]);
		fflush(stdout);
		(void)!scanf("%d %d %d %d", &m[r][0], &m[r][1], &m[r][2], &m[r][3]);
	}
#define U(r, c) ((uint32_t)m[r][c])
	det = det3(U(1, 1), U(1, 2), U(1, 3), U(2, 1), U(2, 2), U(2, 3), U(3, 1), U(3, 2), U(3, 3)) * U(0, 0);
	det -= det3(U(1, 0), U(1, 2), U(1, 3), U(2, 0), U(2, 2), U(2, 3), U(3, 0), U(3, 2), U(3, 3)) * U(0, 1);
	det += det3(U(1, 0), U(1, 1), U(1, 3), U(2, 0), U(2, 1), U(2, 3), U(3, 0), U(3, 1), U(3, 3)) * U(0, 2);
	det -= det3(U(1, 0), U(1, 1), U(1, 2), U(2, 0), U(2, 1), U(2, 2), U(3, 0), U(3, 1), U(3, 2)) * U(0, 3);
	printf("\n\xbe\xad\xbc\xc6\xcb\xe3\xa3\xac\xbd\xe1\xb9\xfb\xce\xaa%d\n\n", (int)det);
	fflush(stdout);
	return 0;
}
