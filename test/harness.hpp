#pragma once

// Runs the built det4 the way its users do: through pipes, with hostile
// standard streams, or at a pseudo-terminal, in a chosen locale.

#include <chrono>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <termios.h>
#include <vector>

namespace harness {

using namespace std::chrono_literals;
using env = std::vector<std::string>; // NAME=value settings for one run

// The program under test: $DET4, or else the det4 of this build. A Windows
// program (a .exe) runs under wine64, in this build's wine prefix, with the
// i386 Windows DLLs that a 32-bit one needs.
std::string det4();
bool windows();
// This build's own det4, whatever DET4 names.
std::string built();
std::vector<std::string> program();

// How a run ended, as a word for assertions: "exit 0", "signal 2", "timeout".
std::string ending(int wait_status);

// Text converted between two encodings with iconv; throws if it can't be.
std::string convert(std::string_view text, const char *from, const char *to);

// Settings for one of the locales that the locales test compiles into a
// folder of this build (test/locales.sh): zh_CN.GBK, zh_CN.UTF-8, and two
// whose names give no codeset, zh_CN in UTF-8 and zh_SG in GBK.
env compiled_locale(const char *name);
// The settings of a test case: those of the compiled locale it names, if
// any, else its own. (A locale is compiled only when a case needs it.)
env case_locale(const env &settings, const char *compiled);

// The determinant, reduced modulo 2^32, of the matrix that four reads of
// "%d %d %d %d" fill from `in`, as msvcrt.dll reads them: each number
// taken modulo 2^32, entries not filled 0. Both the reading and the
// arithmetic (the 24-term Leibniz sum) are independent of det4's.
// `filled`, where given, gets the count of entries the reads filled.
long long reference(std::string_view in, int *filled = nullptr);

// With input::file, `in` names the file that is standard input.
enum class input { pipe, file, closed, directory };
enum class output { pipe, closed, dev_full, no_reader };

struct result {
	std::string out;
	std::string ended;
	long peak_kib = 0; // det4's peak resident set size
};

// One whole run of `command` with `in` on standard input.
result run(std::string_view in, const env &settings, input = input::pipe, output = output::pipe,
	   std::vector<std::string> command = program());

// A det4 driven step by step, as a person or a script would.
class session {
public:
	enum class kind { pipes, terminal };

	// How a terminal session starts, beyond the locale.
	struct options {
		// What runs at the terminal: det4 itself, or a shell that the
		// test has start det4.
		std::vector<std::string> command = program();
		// The terminal's open file is left non-blocking, as a program
		// that crashed may leave it.
		bool nonblocking = false;
	};

	session(kind how, const env &settings);
	session(kind how, const env &settings, const options &how_to_start);
	~session();
	session(const session &) = delete;
	session &operator=(const session &) = delete;

	void send(std::string_view bytes);
	void close_input(); // pipes only: the end of standard input
	// Reads until `text` appears after what earlier calls matched.
	bool expect(std::string_view text, std::chrono::milliseconds limit = 30s);
	// True if det4 is still running (and has written nothing more) after `wait`.
	bool waits_for(std::chrono::milliseconds wait);
	// Waits for det4 to end and reads what is left; returns ending().
	std::string finish();
	void signal(int sig) const;

	// Terminal only: the terminal's modes now, and the input left in
	// its queue that no one has read.
	termios modes() const;
	std::string unread() const;

	std::string output; // everything det4 wrote so far

private:
	bool read_some(std::chrono::milliseconds limit);
	bool reaped(); // whether det4 has ended; collects its status once

	pid_t pid = -1; // -1 once det4 has ended and been reaped
	int to = -1;    // det4's standard input
	int from = -1;  // det4's standard output
	int slave = -1; // the terminal's own side, kept open to inspect it
	std::size_t matched = 0;
	int status = 0;
};

bool same_modes(const termios &a, const termios &b);

} // namespace harness
