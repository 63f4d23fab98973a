#pragma once

#include "texts.hpp"

// The console the dialogue talks to. Each platform writes each text in the
// form its console takes and stands in for what the platform lacks. Every
// output is on the console when its call returns.
namespace console {

// Chooses the form of the texts for this console; call once, before any
// output.
void open();
// Line output: the text, then a line feed.
void line(const texts::text &t);
// Formatted output of a text that holds no conversion.
void say(const texts::text &t);
// Formatted output of a text whose one conversion is %d.
void say(const texts::text &t, int value);
// Formatted input of one row with texts::row, each number taken modulo
// 2^32 as msvcrt.dll takes it; an entry whose read fails keeps its value.
void read(int (&row)[4]);
// The command interpreter's pause: waits for a key where a person can
// press one, returns at once where nobody can.
void pause();

} // namespace console
