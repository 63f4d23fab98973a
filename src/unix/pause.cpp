// POSIX has no pause command: wait here for one key, echo and line editing
// off, as a Windows console's pause does. The terminal's modes are put back
// on every way out: the key, Ctrl-C, a signal that ends det4, and a stop
// (Ctrl-Z), after which the pause takes the terminal again and asks again.

#include "console.hpp"
#include "console_stdio.hpp"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

termios saved; // the terminal's modes before the pause
termios raw;   // the pause's own: no echo, no line editing

// A signal's handler only notes the signal in this pipe; the wait reads it
// and acts, free to do what a handler may not.
int wake[2] = {-1, -1};

bool open_wake()
{
	if (pipe(wake) != 0)
		return false;
	for (int fd : wake) {
		(void)fcntl(fd, F_SETFD, FD_CLOEXEC);
		(void)fcntl(fd, F_SETFL, O_NONBLOCK);
	}
	return true;
}

constexpr int handled[] = {SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGTSTP, SIGCONT};

extern "C" void note(int sig)
{
	int was = errno;
	auto byte = static_cast<unsigned char>(sig);
	(void)!write(wake[1], &byte, 1);
	errno = was;
}

void handle(int sig, void (*handler)(int))
{
	struct sigaction action = {};
	action.sa_handler = handler;
	(void)sigemptyset(&action.sa_mask);
	(void)sigaction(sig, &action, nullptr);
}

// tcsetattr, again while a signal interrupts it: TCSAFLUSH waits for the
// output to drain, which lasts as long as the terminal is stopped (Ctrl-S).
bool set_modes(int when, const termios &modes)
{
	int r;
	while ((r = tcsetattr(STDIN_FILENO, when, &modes)) != 0 && errno == EINTR) {
	}
	return r == 0;
}

// Takes the terminal for the pause and asks for the key. TCSAFLUSH drops
// what was typed ahead: only a key pressed after the prompt ends the pause.
bool take()
{
	if (!set_modes(TCSAFLUSH, raw))
		return false;
	console::say(texts::press_any_key);
	return true;
}

// Whether the terminal is still the pause's: whoever used it meanwhile, a
// shell while det4 was stopped, will have put echo or line editing back on.
bool still_ours()
{
	termios now;
	return tcgetattr(STDIN_FILENO, &now) == 0 && (now.c_lflag & (ICANON | ECHO)) == 0;
}

void act(int sig)
{
	switch (sig) {
	case SIGTSTP:
		// Stop with the modes put back, so that the shell taking over
		// shows what is typed to it, and with the prompt's line ended.
		(void)set_modes(TCSANOW, saved);
		console::stdio::line("");
		handle(SIGTSTP, SIG_DFL);
		(void)std::raise(SIGTSTP);
		// Continued, or never stopped (an orphaned process group may
		// not stop): take the terminal again and ask again. The
		// SIGCONT that continued us then finds the terminal ours.
		handle(SIGTSTP, note);
		(void)take();
		break;
	case SIGCONT:
		// Continued without a stop of our own: by SIGSTOP, which we
		// cannot catch, or with no stop at all. The prompt stands
		// unless someone else has used the terminal meanwhile.
		if (!still_ours()) {
			console::stdio::line("");
			(void)take();
		}
		break;
	default:
		// Ends det4, by the same signal, once the modes are back.
		(void)set_modes(TCSANOW, saved);
		handle(sig, SIG_DFL);
		(void)std::raise(sig);
	}
}

// Waits until the terminal has input, or until `ms` milliseconds have
// passed (-1: no limit), acting on signals meanwhile.
bool input_within(int ms)
{
	for (;;) {
		pollfd fds[] = {{STDIN_FILENO, POLLIN, 0}, {wake[0], POLLIN, 0}};
		int n = poll(fds, std::size(fds), ms);
		if (n < 0 && errno == EINTR)
			continue;
		if (n <= 0)
			return false;
		if ((fds[1].revents & POLLIN) != 0) {
			unsigned char sig;
			while (read(wake[0], &sig, 1) == 1)
				act(sig);
			continue;
		}
		return true; // input, or a hang-up that the read will report
	}
}

bool read_key()
{
	unsigned char buf[32];
	ssize_t n;
	while ((n = read(STDIN_FILENO, buf, sizeof buf)) < 0 && errno == EINTR) {
	}
	return n > 0;
}

} // namespace

void console::pause()
{
	if (tcgetattr(STDIN_FILENO, &saved) != 0 || !open_wake())
		return;

	// A signal that det4 was started with ignored (trap '' INT, say) stays
	// ignored at the pause too.
	struct sigaction old[std::size(handled)];
	for (std::size_t k = 0; k < std::size(handled); ++k) {
		(void)sigaction(handled[k], nullptr, &old[k]);
		if (old[k].sa_handler != SIG_IGN)
			handle(handled[k], note);
	}

	raw = saved;
	raw.c_lflag &= ~tcflag_t(ICANON | ECHO);
	raw.c_cc[VMIN] = 1;
	raw.c_cc[VTIME] = 0;
	if (take()) {
		// One key may send several bytes (an arrow sends three); take
		// whatever follows within a tenth of a second, so that nothing
		// is left over for the shell.
		if (input_within(-1) && read_key())
			while (input_within(100) && read_key()) {
			}
		(void)set_modes(TCSANOW, saved);
		stdio::line("");
	}

	for (std::size_t k = 0; k < std::size(handled); ++k)
		(void)sigaction(handled[k], &old[k], nullptr);
	// A signal noted after the last look at the pipe, or while the pause
	// could not take the terminal, now does what it does outside the
	// pause: a Ctrl-C still ends det4, with the modes back already.
	unsigned char sig;
	while (::read(wake[0], &sig, 1) == 1)
		(void)std::raise(sig);
	(void)close(wake[0]);
	(void)close(wake[1]);
}
