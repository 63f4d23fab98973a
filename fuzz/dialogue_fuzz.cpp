// libFuzzer target: arbitrary bytes as the standard input of the whole
// dialogue. Besides crashes, hangs and sanitizer reports it catches any run
// that does not write the banner, the four prompts and one result line, or
// whose result is not the determinant, modulo 2^32, of what the reads filled.

#include "expected.hpp"
#include "harness.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdio_ext.h>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

int det4_main(); // det4's main, built into this target under that name

namespace {

void put(int fd, const std::uint8_t *data, std::size_t size)
{
	(void)ftruncate(fd, 0);
	(void)lseek(fd, 0, SEEK_SET);
	while (size > 0) {
		ssize_t n = write(fd, data, size);
		if (n <= 0)
			std::abort();
		data += n;
		size -= static_cast<std::size_t>(n);
	}
	(void)lseek(fd, 0, SEEK_SET);
}

std::string take(int fd)
{
	std::string all;
	char buf[4096];
	ssize_t n;
	(void)lseek(fd, 0, SEEK_SET);
	while ((n = read(fd, buf, sizeof buf)) > 0)
		all.append(buf, static_cast<std::size_t>(n));
	return all;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
	(void)setenv("LC_ALL", "C.UTF-8", 1);
	return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
	static const int in = memfd_create("det4-stdin", 0);
	static const int out = memfd_create("det4-stdout", 0);

	// A fresh standard input holding this input, and an empty standard
	// output; stdin's buffer may still hold the last input's leftovers.
	put(in, data, size);
	put(out, nullptr, 0);
	(void)dup2(in, STDIN_FILENO);
	(void)dup2(out, STDOUT_FILENO);
	__fpurge(stdin);
	clearerr(stdin);

	if (det4_main() != 0)
		std::abort();
	(void)std::fflush(stdout);

	std::string_view input(reinterpret_cast<const char *>(data), size);
	std::string want = expected::transcript(harness::reference(input));
	std::string got = take(out);
	if (got != want) {
		std::fprintf(stderr, "det4 wrote:\n%s\nbut should have written:\n%s\n", got.c_str(), want.c_str());
		std::abort();
	}
	return 0;
}
