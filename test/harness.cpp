#include "harness.hpp"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <iconv.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

extern char **environ;

#ifndef DET4_WINE // this build has no Windows program to test
#define DET4_WINE "wine64"
#define DET4_WINEPREFIX ""
#define DET4_WINEDLLPATH ""
#endif

namespace harness {

namespace {

using clock = std::chrono::steady_clock;

// The environment for det4: ours without its locale settings, and the
// run's. The Windows program takes no POSIX locale of its own, so under wine
// the run's settings go to wine only at a terminal, where they make the
// console's encoding; elsewhere wine runs in the C locale, where its own
// messages, the pause's among them, stay English.
std::vector<std::string> child_env(const env &settings, bool terminal = false)
{
	std::vector<std::string> all;
	bool wine_locale = windows() && !terminal;
	if (windows())
		all = {"WINEPREFIX=" DET4_WINEPREFIX, "WINEDLLPATH=" DET4_WINEDLLPATH, "WINEDEBUG=-all",
		       "WINEDLLOVERRIDES=mscoree,mshtml="};
	if (wine_locale)
		all.emplace_back("LC_ALL=C");
	// A setting of the run's replaces the variable of the same name.
	auto set_here = [&](std::string_view v) {
		auto name = v.substr(0, v.find('=') + 1);
		return !wine_locale && std::any_of(settings.begin(), settings.end(),
						   [&](const std::string &s) { return s.starts_with(name); });
	};
	for (char **e = environ; *e != nullptr; ++e) {
		std::string_view v(*e);
		if (!v.starts_with("LANG=") && !v.starts_with("LANGUAGE=") && !v.starts_with("LC_") &&
		    !v.starts_with("LOCPATH=") && !set_here(v))
			all.emplace_back(v);
	}
	if (!wine_locale)
		all.insert(all.end(), settings.begin(), settings.end());
	return all;
}

std::vector<char *> pointers(std::vector<std::string> &strings)
{
	std::vector<char *> p;
	for (auto &s : strings)
		p.push_back(s.data());
	p.push_back(nullptr);
	return p;
}

// Forks det4; `setup` runs in the child before exec and may only make
// async-signal-safe calls.
template <class Setup>
pid_t start(const env &settings, Setup setup, bool terminal = false, std::vector<std::string> args = program())
{
	auto vars = child_env(settings, terminal);
	auto argv = pointers(args);
	auto envp = pointers(vars);
	pid_t pid = fork();
	if (pid == 0) {
		(void)std::signal(SIGPIPE, SIG_DFL); // we ignore it; det4 must not inherit that
		setup();
		execve(argv[0], argv.data(), envp.data());
		_exit(127);
	}
	if (pid < 0)
		throw std::runtime_error("fork failed");
	return pid;
}

void ignore_sigpipe()
{
	static bool done = (std::signal(SIGPIPE, SIG_IGN), true);
	(void)done;
}

// Waits for det4 to end, doing `meanwhile` between looks, and kills it if
// it is still running at the deadline.
template <class Meanwhile>
int wait_until(pid_t pid, clock::time_point deadline, bool &timed_out, rusage &usage, Meanwhile meanwhile)
{
	int st = 0;
	while (wait4(pid, &st, WNOHANG, &usage) == 0) {
		if (clock::now() > deadline) {
			(void)kill(pid, SIGKILL);
			(void)wait4(pid, &st, 0, &usage);
			timed_out = true;
			return st;
		}
		meanwhile();
	}
	return st;
}

int ms_until(clock::time_point deadline)
{
	auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - clock::now()).count();
	return static_cast<int>(std::clamp<long long>(left, 0, 60000));
}

} // namespace

std::string det4()
{
	const char *named = std::getenv("DET4");
	return named != nullptr && *named != '\0' ? named : DET4_BUILT;
}

std::string built()
{
	return DET4_BUILT;
}

bool windows()
{
	return det4().ends_with(".exe");
}

std::vector<std::string> program()
{
	if (windows())
		return {DET4_WINE, det4()};
	return {det4()};
}

std::string ending(int st)
{
	if (WIFEXITED(st))
		return "exit " + std::to_string(WEXITSTATUS(st));
	if (WIFSIGNALED(st))
		return "signal " + std::to_string(WTERMSIG(st));
	return "status " + std::to_string(st);
}

std::string convert(std::string_view text, const char *from, const char *to)
{
	iconv_t cd = iconv_open(to, from);
	if (cd == reinterpret_cast<iconv_t>(-1))
		throw std::runtime_error(std::string("no conversion from ") + from + " to " + to);
	std::string in(text), out(text.size() * 4 + 4, '\0');
	char *ip = in.data(), *op = out.data();
	std::size_t il = in.size(), ol = out.size();
	std::size_t r = iconv(cd, &ip, &il, &op, &ol);
	iconv_close(cd);
	if (r == static_cast<std::size_t>(-1))
		throw std::runtime_error(std::string("cannot convert from ") + from + ": " + std::strerror(errno));
	out.resize(out.size() - ol);
	return out;
}

env compiled_locale(const char *name)
{
	// The locales test compiles them, once per test run, for every test
	// that needs them.
	std::filesystem::path folder = DET4_LOCALES;
	if (!std::filesystem::exists(folder / name))
		throw std::runtime_error(std::string("no compiled locale ") + name + " in " + folder.string() +
					 "; run the locales test first (ctest -R '^locales$')");
	return {"LOCPATH=" + folder.string(), std::string("LC_ALL=") + name};
}

env case_locale(const env &settings, const char *compiled)
{
	return compiled != nullptr ? compiled_locale(compiled) : settings;
}

long long reference(std::string_view in, int *filled)
{
	// The reads, modelled on the text itself: a position in it and the
	// wrap rule, not the C library.
	int m[4][4] = {};
	int count = 0;
	std::size_t at = 0;
	auto blank = [&] { return at < in.size() && std::string_view(" \t\n\v\f\r").find(in[at]) != in.npos; };
	auto digit = [&] { return at < in.size() && in[at] >= '0' && in[at] <= '9'; };
	for (auto &row : m) {
		for (int &entry : row) {
			while (blank())
				++at;
			bool negative = at < in.size() && in[at] == '-';
			if (at < in.size() && (in[at] == '-' || in[at] == '+'))
				++at; // gone, even where no digit follows
			if (!digit())
				break; // this row ends here; the next starts where it stopped
			std::uint64_t value = 0;
			for (; digit(); ++at)
				value = (value * 10 + static_cast<std::uint64_t>(in[at] - '0')) %
					(std::uint64_t(1) << 32);
			entry = static_cast<std::int32_t>(
				static_cast<std::uint32_t>(negative ? (1ull << 32) - value : value));
			++count;
		}
	}
	if (filled != nullptr)
		*filled = count;

	std::uint32_t det = 0;
	int p[4] = {0, 1, 2, 3};
	do {
		int inversions = 0;
		for (int i = 0; i < 4; ++i)
			for (int j = i + 1; j < 4; ++j)
				inversions += p[i] > p[j];
		std::uint32_t term = inversions % 2 ? ~0u : 1u;
		for (int r = 0; r < 4; ++r)
			term *= static_cast<std::uint32_t>(m[r][p[r]]);
		det += term;
	} while (std::next_permutation(p, p + 4));
	return static_cast<std::int32_t>(det);
}

result run(std::string_view in, const env &settings, input how_in, output how_out, std::vector<std::string> command)
{
	ignore_sigpipe();
	int inp[2], outp[2];
	if (pipe2(inp, O_CLOEXEC) != 0 || pipe2(outp, O_CLOEXEC) != 0)
		throw std::runtime_error("pipe failed");
	if (how_out == output::no_reader)
		close(outp[0]);

	std::string path(how_in == input::file ? in : "");
	pid_t pid = start(
		settings,
		[&] {
			switch (how_in) {
			case input::pipe:
				(void)dup2(inp[0], 0);
				break;
			case input::file: {
				int f = open(path.c_str(), O_RDONLY | O_CLOEXEC);
				(void)dup2(f, 0);
				break;
			}
			case input::closed:
				(void)close(0);
				break;
			case input::directory: {
				int d = open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
				(void)dup2(d, 0);
				break;
			}
			}
			switch (how_out) {
			case output::pipe:
			case output::no_reader:
				(void)dup2(outp[1], 1);
				break;
			case output::closed:
				(void)close(1);
				break;
			case output::dev_full: {
				int f = open("/dev/full", O_WRONLY | O_CLOEXEC);
				(void)dup2(f, 1);
				break;
			}
			}
		},
		false, std::move(command));
	close(inp[0]);
	close(outp[1]);
	int w = inp[1];
	int r = how_out == output::no_reader ? -1 : outp[0];
	if (how_in != input::pipe) {
		close(w);
		w = -1;
	}
	if (w >= 0)
		(void)fcntl(w, F_SETFL, O_NONBLOCK);

	result res;
	auto deadline = clock::now() + 120s;
	bool timed_out = false;
	std::size_t sent = 0;
	while ((w >= 0 || r >= 0) && !timed_out) {
		pollfd fds[2] = {{w, POLLOUT, 0}, {r, POLLIN, 0}};
		int n = poll(fds, 2, ms_until(deadline));
		if (n == 0) {
			timed_out = true;
			break;
		}
		if (n < 0)
			continue;
		if (w >= 0 && fds[0].revents != 0) {
			ssize_t k = write(w, in.data() + sent, std::min<std::size_t>(in.size() - sent, 1 << 16));
			if (k > 0)
				sent += static_cast<std::size_t>(k);
			if ((k < 0 && errno != EAGAIN) || sent == in.size()) {
				close(w);
				w = -1;
			}
		}
		if (r >= 0 && fds[1].revents != 0) {
			char buf[4096];
			ssize_t k = read(r, buf, sizeof buf);
			if (k > 0)
				res.out.append(buf, static_cast<std::size_t>(k));
			else if (k == 0 || errno != EINTR) {
				close(r);
				r = -1;
			}
		}
	}
	if (w >= 0)
		close(w);
	if (r >= 0)
		close(r);
	if (timed_out)
		deadline = clock::now();
	rusage usage{};
	int st = wait_until(pid, deadline + 10s, timed_out, usage, [] { std::this_thread::sleep_for(5ms); });
	res.ended = timed_out ? "timeout" : ending(st);
	res.peak_kib = usage.ru_maxrss;
	return res;
}

session::session(kind how, const env &settings) : session(how, settings, options{})
{
}

session::session(kind how, const env &settings, const options &how_to_start)
{
	ignore_sigpipe();
	if (how == kind::terminal) {
		int master;
		if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
			throw std::runtime_error("openpty failed");
		(void)fcntl(master, F_SETFD, FD_CLOEXEC);
		(void)fcntl(slave, F_SETFD, FD_CLOEXEC);
		int s = slave;
		bool nonblocking = how_to_start.nonblocking;
		pid = start(
			settings,
			[s, nonblocking] {
				// A session of its own with the terminal as its controlling
				// one, so that ^C reaches it as SIGINT.
				(void)setsid();
				(void)ioctl(s, TIOCSCTTY, 0);
				if (nonblocking)
					(void)fcntl(s, F_SETFL, O_NONBLOCK);
				(void)dup2(s, 0);
				(void)dup2(s, 1);
				(void)dup2(s, 2);
			},
			true, how_to_start.command);
		to = from = master;
		return;
	}
	int inp[2], outp[2];
	if (pipe2(inp, O_CLOEXEC) != 0 || pipe2(outp, O_CLOEXEC) != 0)
		throw std::runtime_error("pipe failed");
	pid = start(settings, [&] {
		(void)dup2(inp[0], 0);
		(void)dup2(outp[1], 1);
	});
	close(inp[0]);
	close(outp[1]);
	to = inp[1];
	from = outp[0];
}

session::~session()
{
	if (pid > 0) {
		(void)kill(pid, SIGKILL);
		(void)waitpid(pid, nullptr, 0);
	}
	if (to >= 0 && to != from)
		close(to);
	close(from);
	if (slave >= 0)
		close(slave);
}

void session::send(std::string_view bytes)
{
	while (!bytes.empty()) {
		ssize_t k = write(to, bytes.data(), bytes.size());
		if (k <= 0)
			return;
		bytes.remove_prefix(static_cast<std::size_t>(k));
	}
}

void session::close_input()
{
	close(to);
	to = -1;
}

bool session::read_some(std::chrono::milliseconds limit)
{
	pollfd p{from, POLLIN, 0};
	if (poll(&p, 1, static_cast<int>(limit.count())) <= 0)
		return false;
	char buf[4096];
	ssize_t k = read(from, buf, sizeof buf);
	if (k <= 0)
		return false;
	output.append(buf, static_cast<std::size_t>(k));
	return true;
}

bool session::expect(std::string_view text, std::chrono::milliseconds limit)
{
	auto deadline = clock::now() + limit;
	for (;;) {
		if (auto at = output.find(text, matched); at != std::string::npos) {
			matched = at + text.size();
			return true;
		}
		if (clock::now() >= deadline || !read_some(std::chrono::milliseconds(ms_until(deadline))))
			return false;
	}
}

bool session::waits_for(std::chrono::milliseconds wait)
{
	auto before = output.size();
	while (read_some(wait)) {
	}
	return output.size() == before && !reaped();
}

bool session::reaped()
{
	if (pid > 0 && waitpid(pid, &status, WNOHANG) == pid)
		pid = -1;
	return pid < 0;
}

std::string session::finish()
{
	bool timed_out = false;
	if (pid > 0) {
		rusage ignored{};
		status = wait_until(pid, clock::now() + 30s, timed_out, ignored, [this] { (void)read_some(10ms); });
		pid = -1;
	}
	while (read_some(slave >= 0 ? 50ms : 5s)) {
	}
	return timed_out ? "timeout" : ending(status);
}

void session::signal(int sig) const
{
	if (pid > 0)
		(void)kill(pid, sig);
}

termios session::modes() const
{
	termios t{};
	(void)tcgetattr(slave, &t);
	return t;
}

std::string session::unread() const
{
	// Non-canonical mode makes a partial line readable too.
	termios was = modes(), now = was;
	now.c_lflag &= ~tcflag_t(ICANON);
	now.c_cc[VMIN] = 0;
	now.c_cc[VTIME] = 0;
	(void)tcsetattr(slave, TCSANOW, &now);
	std::string left;
	char buf[256];
	ssize_t k;
	while ((k = read(slave, buf, sizeof buf)) > 0)
		left.append(buf, static_cast<std::size_t>(k));
	(void)tcsetattr(slave, TCSANOW, &was);
	return left;
}

bool same_modes(const termios &a, const termios &b)
{
	return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag && a.c_lflag == b.c_lflag &&
	       std::equal(std::begin(a.c_cc), std::end(a.c_cc), std::begin(b.c_cc));
}

} // namespace harness
