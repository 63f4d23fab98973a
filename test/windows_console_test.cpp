// The Windows program at a console whose code page is not 936: wine's
// console on a UTF-8 terminal takes code page 437, so the Chinese texts
// can only show if det4.exe writes them as UTF-16 through the console.

#include "expected.hpp"
#include "harness.hpp"

#include <gtest/gtest.h>
#include <termios.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Wine's console takes the terminal out of line mode when it first reads;
// what is typed before that is lost, as no person types so fast.
bool console_reading(const harness::session &det4)
{
	for (int tries = 0; tries < 1000; ++tries) {
		if ((det4.modes().c_lflag & ICANON) == 0)
			return true;
		std::this_thread::sleep_for(10ms);
	}
	return false;
}

TEST(WindowsConsole, ShowsTheChineseTextsAndWaitsAtThePause)
{
	harness::session det4(harness::session::kind::terminal, {"LC_ALL=C.UTF-8"});
	const char *rows[] = {"1 2 3 4\r", "5 6 7 8\r", "2 6 4 8\r", "3 1 1 2\r"}; // Enter sends CR
	for (int r = 1; r <= 4; ++r) {
		ASSERT_TRUE(det4.expect(expected::prompt(r))) << det4.output;
		ASSERT_TRUE(console_reading(det4));
		det4.send(rows[r - 1]);
	}
	ASSERT_TRUE(det4.expect("经计算，结果为72")) << det4.output;
	ASSERT_TRUE(det4.expect("Press any key to continue")) << det4.output;
	ASSERT_TRUE(det4.waits_for(500ms)) << det4.output;
	det4.send("x");
	EXPECT_EQ(det4.finish(), "exit 0");
}

} // namespace
