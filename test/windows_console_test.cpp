// The Windows program at wine's console, which takes its code page from the
// locale: 936 in a Chinese one, 437 in C.UTF-8. Whatever the code page,
// the Chinese texts must show as written, and the pause must wait.

#include "cases.hpp"
#include "expected.hpp"
#include "harness.hpp"

#include <gtest/gtest.h>
#include <termios.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Wine's console takes the terminal out of line mode when it first reads;
// what is typed before that is lost, as no person types so fast. (In an
// emulated machine wine may take its time.)
bool console_reading(const harness::session &det4)
{
	for (int tries = 0; tries < 6000; ++tries) {
		if ((det4.modes().c_lflag & ICANON) == 0)
			return true;
		std::this_thread::sleep_for(10ms);
	}
	return false;
}

struct console_case {
	const char *name;
	harness::env settings;
	const char *pause;              // what wine's command interpreter says at the pause
	const char *compiled = nullptr; // a locale that the tests compile
};

void PrintTo(const console_case &c, std::ostream *os)
{
	*os << c.name;
}

class WindowsConsole : public testing::TestWithParam<console_case> {};

TEST_P(WindowsConsole, ShowsTheChineseTextsAndWaitsAtThePause)
{
	const auto &c = GetParam();
	harness::session det4(harness::session::kind::terminal, harness::case_locale(c.settings, c.compiled));
	const char *rows[] = {"1 2 3 4\r", "5 6 7 8\r", "2 6 4 8\r", "3 1 1 2\r"}; // Enter sends CR
	ASSERT_TRUE(det4.expect("---by Nusk、")) << det4.output;
	for (int r = 1; r <= 4; ++r) {
		ASSERT_TRUE(det4.expect(expected::prompt(r))) << det4.output;
		ASSERT_TRUE(console_reading(det4));
		det4.send(rows[r - 1]);
	}
	ASSERT_TRUE(det4.expect("经计算，结果为72")) << det4.output;
	ASSERT_TRUE(det4.expect(c.pause)) << det4.output;
	ASSERT_TRUE(det4.waits_for(500ms)) << det4.output;
	det4.send("x");
	EXPECT_EQ(det4.finish(), "exit 0");
}

INSTANTIATE_TEST_SUITE_P(CodePage, WindowsConsole,
			 testing::Values(console_case{"Cp936", {}, "请按任意键继续", "zh_CN.UTF-8"},
					 console_case{"Cp437", {"LC_ALL=C.UTF-8"}, "Press any key to continue"}),
			 by_name);

} // namespace
