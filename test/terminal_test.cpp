// det4 at a terminal, as a person uses it: a pseudo-terminal whose other
// side this test types into and reads from.

#include "cases.hpp"
#include "expected.hpp"
#include "harness.hpp"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <string_view>
#include <thread>
#include <unistd.h>

namespace {

using harness::session;
using namespace std::chrono_literals;

// A word for the shell that stands for `text` as it is, blanks and all.
std::string quoted(const std::string &text)
{
	std::string word = "'";
	for (char c : text)
		word += c == '\'' ? std::string("'\\''") : std::string(1, c);
	return word + "'";
}

class Terminal : public testing::Test {
protected:
	explicit Terminal(const harness::env &settings = {"LC_ALL=C.UTF-8"}) : det4{session::kind::terminal, settings}
	{
	}

	session det4;
	termios before = det4.modes();

	// Answers the four prompts, each once it is on the screen, sending
	// `extra` with the last row, and waits for the pause.
	void answer(const char *extra = "")
	{
		const std::string rows[] = {"1 2 3 4\n", "5 6 7 8\n", "2 6 4 8\n", "3 1 1 2\n"};
		for (int r = 1; r <= 4; ++r) {
			ASSERT_TRUE(det4.expect(expected::prompt(r))) << det4.output;
			det4.send(r < 4 ? rows[r - 1] : rows[r - 1] + extra);
		}
		ASSERT_TRUE(det4.expect(expected::crlf(expected::result(72)) + expected::press_any_key)) << det4.output;
	}

	void expect_modes_restored()
	{
		EXPECT_TRUE(harness::same_modes(det4.modes(), before));
	}
};

TEST_F(Terminal, PauseWaitsForOneKeyAndLeavesNothingBehind)
{
	answer();
	ASSERT_TRUE(det4.waits_for(300ms)) << det4.output;
	det4.send("x");
	EXPECT_EQ(det4.finish(), "exit 0");
	EXPECT_TRUE(det4.output.ends_with(expected::press_any_key + "\r\n")) << det4.output;
	EXPECT_EQ(det4.unread(), "");
	expect_modes_restored();
}

TEST_F(Terminal, InputTypedAheadDoesNotEndThePause)
{
	answer("typed ahead\nand more");
	ASSERT_TRUE(det4.waits_for(300ms)) << det4.output;
	det4.send(" ");
	EXPECT_EQ(det4.finish(), "exit 0");
	expect_modes_restored();
}

// SIGCONT with no stop before it (kill -CONT from elsewhere) leaves the
// prompt alone: it is still on the screen, and the pause still waits.
TEST_F(Terminal, ContinuedWithoutAStopAsksNothingMore)
{
	answer();
	det4.signal(SIGCONT);
	ASSERT_TRUE(det4.waits_for(300ms)) << det4.output;
	det4.send("x");
	EXPECT_EQ(det4.finish(), "exit 0");
	EXPECT_TRUE(det4.output.ends_with(expected::crlf(expected::result(72)) + expected::press_any_key + "\r\n"))
		<< det4.output;
	expect_modes_restored();
}

// An arrow key sends three bytes, which a slow link may deliver apart.
TEST_F(Terminal, AnArrowKeyIsTakenWhole)
{
	answer();
	det4.send("\x1b");
	std::this_thread::sleep_for(20ms);
	det4.send("[A");
	EXPECT_EQ(det4.finish(), "exit 0");
	EXPECT_EQ(det4.unread(), "");
	expect_modes_restored();
}

// Eight numbers fill two rows: the second prompt goes by and the third
// follows on the same line, where det4 waits.
TEST_F(Terminal, EightNumbersOnOneLineFillTwoRows)
{
	ASSERT_TRUE(det4.expect(expected::prompt(1)));
	det4.send("1 2 3 4 5 6 7 8\n");
	ASSERT_TRUE(det4.expect("1 2 3 4 5 6 7 8\r\n" + expected::prompt(2) + expected::prompt(3))) << det4.output;
	ASSERT_TRUE(det4.waits_for(300ms)) << det4.output;
	det4.send("2 6 4 8\n");
	ASSERT_TRUE(det4.expect(expected::prompt(4)));
	det4.send("3 1 1 2\n");
	EXPECT_TRUE(det4.expect(expected::crlf(expected::result(72)))) << det4.output;
}

TEST_F(Terminal, ARowOnFourLinesWaitsForTheFourthNumber)
{
	ASSERT_TRUE(det4.expect(expected::prompt(1)));
	det4.send("1\n2\n3\n");
	ASSERT_TRUE(det4.expect("1\r\n2\r\n3\r\n")); // the terminal's echo
	ASSERT_TRUE(det4.waits_for(300ms)) << det4.output;
	det4.send("4\n");
	EXPECT_TRUE(det4.expect(expected::prompt(2))) << det4.output;
}

// No locale, or the C or POSIX locale, says nothing of the terminal's
// encoding: det4 writes UTF-8, as today's terminals take (into a pipe it
// still writes the GBK bytes, as the dialogue tests show). A named locale
// is taken at its word.
struct encoding_case {
	const char *name;
	harness::env settings;
	bool utf8;
	const char *compiled = nullptr; // a locale that the tests compile
};

void PrintTo(const encoding_case &c, std::ostream *os)
{
	*os << c.name;
}

class TerminalEncoding : public testing::TestWithParam<encoding_case> {};

TEST_P(TerminalEncoding, ShowsTheDialogueInIt)
{
	const auto &c = GetParam();
	session det4{session::kind::terminal, harness::case_locale(c.settings, c.compiled)};
	auto shown = [&](const std::string &utf8) {
		return expected::crlf(c.utf8 ? utf8 : harness::convert(utf8, "UTF-8", "GBK"));
	};
	ASSERT_TRUE(det4.expect(shown(expected::banner + expected::author + expected::prompt(1)))) << det4.output;
	det4.send("1 2 3 4 5 6 7 8 2 6 4 8 3 1 1 2\n");
	ASSERT_TRUE(det4.expect(shown(expected::result(72) + expected::press_any_key))) << det4.output;
	det4.send("x");
	EXPECT_EQ(det4.finish(), "exit 0");
}

INSTANTIATE_TEST_SUITE_P(Locale, TerminalEncoding,
			 testing::Values(encoding_case{"Unset", {}, true}, encoding_case{"C", {"LC_ALL=C"}, true},
					 encoding_case{"Posix", {"LANG=POSIX"}, true},
					 encoding_case{"ZhCnGbk", {}, false, "zh_CN.GBK"}),
			 by_name);

// A program before det4 may leave the terminal's open file non-blocking;
// det4 still waits for each row, and for the key.
TEST(TerminalLeftNonBlocking, WaitsForTheRowsAndTheKey)
{
	session det4{session::kind::terminal, {"LC_ALL=C.UTF-8"}, {.nonblocking = true}};
	ASSERT_TRUE(det4.expect(expected::prompt(1))) << det4.output;
	ASSERT_TRUE(det4.waits_for(300ms)) << det4.output;
	det4.send("1 2 3 4\n5 6 7 8\n");
	ASSERT_TRUE(det4.expect(expected::prompt(3))) << det4.output;
	ASSERT_TRUE(det4.waits_for(300ms)) << det4.output;
	det4.send("2 6 4 8\n3 1 1 2\n");
	ASSERT_TRUE(det4.expect(expected::crlf(expected::result(72)) + expected::press_any_key)) << det4.output;
	ASSERT_TRUE(det4.waits_for(300ms)) << det4.output;
	det4.send("x");
	EXPECT_EQ(det4.finish(), "exit 0");
}

// Job control at the pause, under a shell that keeps no terminal modes of
// its own: Ctrl-Z gives the shell back a terminal that echoes, and fg
// brings the pause back, asking again and waiting for its key.
TEST(JobControl, CtrlZAtThePauseThenFg)
{
	const std::string prompt = "sh> ";
	session sh{session::kind::terminal, {"LC_ALL=C.UTF-8", "PS1=" + prompt}, {.command = {"/bin/dash", "-i"}}};
	ASSERT_TRUE(sh.expect(prompt)) << sh.output;
	const termios shell_modes = sh.modes();

	sh.send(quoted(harness::det4()) + "\n");
	ASSERT_TRUE(sh.expect(expected::prompt(1))) << sh.output;
	sh.send("1 2 3 4 5 6 7 8 2 6 4 8 3 1 1 2\n");
	ASSERT_TRUE(sh.expect(expected::crlf(expected::result(72)) + expected::press_any_key)) << sh.output;
	ASSERT_TRUE(sh.waits_for(300ms)) << sh.output;

	sh.send("\x1a"); // Ctrl-Z
	ASSERT_TRUE(sh.expect("Stopped")) << sh.output;
	ASSERT_TRUE(sh.expect(prompt)) << sh.output;
	EXPECT_TRUE(harness::same_modes(sh.modes(), shell_modes));
	sh.send("echo typed\n");
	ASSERT_TRUE(sh.expect("echo typed\r\ntyped\r\n" + prompt)) << sh.output; // echoed, then run

	sh.send("fg\n");
	ASSERT_TRUE(sh.expect(expected::press_any_key)) << sh.output;
	EXPECT_EQ(sh.modes().c_lflag & tcflag_t(ECHO | ICANON), 0u);
	ASSERT_TRUE(sh.waits_for(300ms)) << sh.output;
	sh.send("x");
	ASSERT_TRUE(sh.expect(prompt)) << sh.output;
	sh.send("echo status=$?\n"); // fg's status is det4's
	ASSERT_TRUE(sh.expect("status=0\r\n" + prompt)) << sh.output;
	EXPECT_TRUE(harness::same_modes(sh.modes(), shell_modes));
	sh.send("exit\n");
	EXPECT_EQ(sh.finish(), "exit 0");
}

// A stop that det4 cannot catch, SIGSTOP from elsewhere, after which the
// shell's user puts the terminal's modes back: fg brings the pause back,
// asking again on a line of its own and waiting for its key.
TEST(JobControl, StoppedFromElsewhereThenFg)
{
	const std::string prompt = "sh> ";
	session sh{session::kind::terminal, {"LC_ALL=C.UTF-8", "PS1=" + prompt}, {.command = {"/bin/dash", "-i"}}};
	ASSERT_TRUE(sh.expect(prompt)) << sh.output;

	sh.send("sh -c 'echo det4 is $$; exec \"$0\"' " + quoted(harness::det4()) + "\n");
	ASSERT_TRUE(sh.expect("\r\ndet4 is ")) << sh.output;
	const pid_t det4 = std::stoi(sh.output.substr(sh.output.rfind("det4 is ") + 8));
	ASSERT_TRUE(sh.expect(expected::prompt(1))) << sh.output;
	sh.send("1 2 3 4 5 6 7 8 2 6 4 8 3 1 1 2\n");
	ASSERT_TRUE(sh.expect(expected::crlf(expected::result(72)) + expected::press_any_key)) << sh.output;
	ASSERT_TRUE(sh.waits_for(300ms)) << sh.output;

	ASSERT_EQ(kill(det4, SIGSTOP), 0);
	ASSERT_TRUE(sh.expect("Stopped")) << sh.output;
	ASSERT_TRUE(sh.expect(prompt)) << sh.output;
	sh.send("stty sane\n");
	ASSERT_TRUE(sh.expect(prompt)) << sh.output;

	sh.send("fg\n");
	ASSERT_TRUE(sh.expect("\r\n" + expected::press_any_key)) << sh.output;
	EXPECT_EQ(sh.modes().c_lflag & tcflag_t(ECHO | ICANON), 0u);
	ASSERT_TRUE(sh.waits_for(300ms)) << sh.output;
	sh.send("x");
	ASSERT_TRUE(sh.expect(prompt)) << sh.output;
	sh.send("echo status=$?\n");
	ASSERT_TRUE(sh.expect("status=0\r\n" + prompt)) << sh.output;
	sh.send("exit\n");
	EXPECT_EQ(sh.finish(), "exit 0");
}

// A signal at the pause puts the terminal back before it ends det4.
struct signal_case {
	const char *name;
	int sig;
	const char *keys; // what to type to raise it, or nothing to send it
};

void PrintTo(const signal_case &c, std::ostream *os)
{
	*os << c.name;
}

class TerminalSignal : public Terminal, public testing::WithParamInterface<signal_case> {};

TEST_P(TerminalSignal, AtThePauseRestoresTheTerminal)
{
	answer();
	if (*GetParam().keys != '\0')
		det4.send(GetParam().keys);
	else
		det4.signal(GetParam().sig);
	EXPECT_EQ(det4.finish(), "signal " + std::to_string(GetParam().sig));
	expect_modes_restored();
}

INSTANTIATE_TEST_SUITE_P(Fatal, TerminalSignal,
			 testing::Values(signal_case{"InterruptKey", SIGINT, "\x03"},
					 signal_case{"QuitKey", SIGQUIT, "\x1c"}, signal_case{"Term", SIGTERM, ""},
					 signal_case{"Hangup", SIGHUP, ""}),
			 by_name);

// A signal that det4 was started with ignored (trap '' INT, say) stays
// ignored at the pause: it neither ends det4 nor stops it, and the key still
// ends the pause.
class TerminalSignalIgnored : public testing::TestWithParam<signal_case> {};

TEST_P(TerminalSignalIgnored, AtThePauseDoesNothing)
{
	const auto &c = GetParam();
	const std::string trap = "trap '' " + std::string(sigabbrev_np(c.sig)) + "; exec \"$0\"";
	session det4{
		session::kind::terminal, {"LC_ALL=C.UTF-8"}, {.command = {"/bin/sh", "-c", trap, harness::det4()}}};
	ASSERT_TRUE(det4.expect(expected::prompt(1))) << det4.output;
	det4.send("1 2 3 4 5 6 7 8 2 6 4 8 3 1 1 2\n");
	ASSERT_TRUE(det4.expect(expected::crlf(expected::result(72)) + expected::press_any_key)) << det4.output;
	if (*c.keys != '\0')
		det4.send(c.keys);
	else
		det4.signal(c.sig);
	ASSERT_TRUE(det4.waits_for(300ms)) << det4.output;
	det4.send("x");
	EXPECT_EQ(det4.finish(), "exit 0");
}

INSTANTIATE_TEST_SUITE_P(Ignored, TerminalSignalIgnored,
			 testing::Values(signal_case{"InterruptKey", SIGINT, "\x03"},
					 signal_case{"QuitKey", SIGQUIT, "\x1c"},
					 signal_case{"StopKey", SIGTSTP, "\x1a"}, signal_case{"Hangup", SIGHUP, ""}),
			 by_name);

// A signal that comes while the pause takes the terminal, as tcsetattr
// waits for the output to drain (the terminal stopped by Ctrl-S, say),
// interrupts the call; a shim loaded into det4 stands in for the wait. The
// signal still counts: one that ends det4 ends it, the terminal's modes put
// back, and after any other the pause takes place as ever. So does one that
// comes as the pause puts the modes back, after its last look for signals.
struct interrupted_case {
	const char *name;
	int sig;
	const char *call; // the tcsetattr it comes at
	bool waits;       // whether the pause still waits for its key
	const char *ending;
};

void PrintTo(const interrupted_case &c, std::ostream *os)
{
	*os << c.name;
}

// Why the shim cannot be loaded into the det4 under test, or nothing: it
// must be this build's own (not a Windows program under wine, nor another
// architecture's under its emulator), and the loader splits LD_PRELOAD at
// blanks and colons.
const char *no_shim()
{
	if (harness::det4() != harness::built())
		return "the shim loads only into this build's own det4";
	if (std::string_view(DET4_EINTR_SHIM).find_first_of(" \t:") != std::string_view::npos)
		return "the shim's path holds a blank or a colon, which LD_PRELOAD cannot take";
	return nullptr;
}

// The file that the shim makes when it fires.
std::string fired(const char *name)
{
	return (std::filesystem::temp_directory_path() / ("det4-shim-" + std::to_string(getpid()) + "-" + name))
		.string();
}

harness::env shimmed(const interrupted_case &c)
{
	if (no_shim() != nullptr)
		return {"LC_ALL=C.UTF-8"};
	// AddressSanitizer would have its own library loaded first; its other
	// options stay as the test run set them.
	std::error_code ignored;
	std::filesystem::remove(fired(c.name), ignored); // left by an earlier run
	const char *asan = std::getenv("ASAN_OPTIONS");
	return {"LC_ALL=C.UTF-8",
		"LD_PRELOAD=" DET4_EINTR_SHIM,
		"DET4_SHIM_SIGNAL=" + std::to_string(c.sig),
		std::string("DET4_SHIM_CALL=") + c.call,
		"DET4_SHIM_FIRED=" + fired(c.name),
		std::string("ASAN_OPTIONS=") + (asan != nullptr ? asan : "") + ":verify_asan_link_order=0"};
}

class TerminalInterrupted : public Terminal, public testing::WithParamInterface<interrupted_case> {
protected:
	TerminalInterrupted() : Terminal(shimmed(GetParam()))
	{
	}
};

TEST_P(TerminalInterrupted, AroundThePause)
{
	if (const char *why = no_shim(); why != nullptr)
		GTEST_SKIP() << why;
	ASSERT_TRUE(det4.expect(expected::prompt(1))) << det4.output;
	det4.send("1 2 3 4 5 6 7 8 2 6 4 8 3 1 1 2\n");
	if (GetParam().waits) {
		const auto asked = expected::crlf(expected::result(72)) + expected::press_any_key;
		ASSERT_TRUE(det4.expect(asked, 5s)) << det4.output;
		ASSERT_TRUE(det4.waits_for(300ms)) << det4.output;
		EXPECT_TRUE(det4.output.ends_with(asked)) << det4.output; // asked once
		det4.send("x");
	}
	EXPECT_EQ(det4.finish(), GetParam().ending);
	expect_modes_restored();
	EXPECT_TRUE(std::filesystem::remove(fired(GetParam().name))) << "the shim never fired";
}

INSTANTIATE_TEST_SUITE_P(Shim, TerminalInterrupted,
			 testing::Values(interrupted_case{"InterruptTaking", SIGINT, "TCSAFLUSH", false, "signal 2"},
					 interrupted_case{"ContinueTaking", SIGCONT, "TCSAFLUSH", true, "exit 0"},
					 interrupted_case{"InterruptPuttingBack", SIGINT, "TCSANOW", true, "signal 2"}),
			 by_name);

} // namespace
