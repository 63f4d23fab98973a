#pragma once

// Text in the bytes given, through the C library's standard output: the
// way out on every platform but a Windows console. Each text is flushed,
// so it is on its way by the time the call returns.
namespace console::stdio {

// puts: the bytes, then a line feed.
void line(const char *bytes);
// printf of bytes that hold no conversion.
void say(const char *bytes);
// printf of a format whose one conversion is %d.
void say(const char *format, int value);

} // namespace console::stdio
