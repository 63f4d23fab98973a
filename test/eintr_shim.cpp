// Loaded into det4 with LD_PRELOAD: the first tcsetattr that waits for the
// output to drain (TCSAFLUSH) fails with EINTR, as it does when a signal
// comes while a stopped terminal (Ctrl-S) holds the output back. A pseudo-
// terminal never holds it back, so the shim stands in. The signal named by
// number in DET4_SHIM_SIGNAL is raised first, for det4's handler to note.
// With DET4_SHIM_CALL=TCSANOW the signal comes instead at the first call
// that does not wait, which then goes through. The file DET4_SHIM_FIRED is
// made when the signal is raised, so that a test knows the shim was there.

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

extern "C" int tcsetattr(int fd, int when, const termios *modes) noexcept
{
	using function = int (*)(int, int, const termios *);
	static auto real = reinterpret_cast<function>(dlsym(RTLD_NEXT, "tcsetattr"));
	static bool raised = false;
	const char *sig = std::getenv("DET4_SHIM_SIGNAL");
	const char *call = std::getenv("DET4_SHIM_CALL");
	int at = call != nullptr && std::strcmp(call, "TCSANOW") == 0 ? TCSANOW : TCSAFLUSH;
	if (sig != nullptr && when == at && !raised) {
		raised = true;
		if (const char *fired = std::getenv("DET4_SHIM_FIRED"); fired != nullptr)
			(void)close(open(fired, O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
		(void)std::raise(std::atoi(sig));
		if (when == TCSAFLUSH) {
			errno = EINTR;
			return -1;
		}
	}
	return real(fd, when, modes);
}
