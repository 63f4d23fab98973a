#pragma once

// The console the dialogue talks to. Each text is kept twice, as the GBK
// bytes of a Chinese console and as UTF-8; the console layer writes the
// form the console takes and stands in for what the platform lacks.
// Every output is on the console when its call returns.
namespace console {

struct text {
	const char *gbk;
	const char *utf8;
};

// Chooses the encoding for this console; call once, before any output.
void open();
// Line output: the text, then a line feed.
void line(const text &t);
// Formatted output of a text that holds no conversion.
void say(const text &t);
// Formatted output of a text whose one conversion is %d.
void say(const text &t, int value);
// The command interpreter's pause: waits for a key where a person can
// press one, returns at once where nobody can.
void pause();

} // namespace console
