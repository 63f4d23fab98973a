#pragma once

// What det4 writes, typed out here in UTF-8 independently of the program's
// own tables.

#include <string>

namespace expected {

inline const std::string banner = "\n**********Lorvandishemelv2.01*************\n";
inline const std::string author = std::string(36, ' ') + "---by Nusk、\n\n";
inline const std::string press_any_key = "请按任意键继续. . .";

inline std::string prompt(int row)
{
	return "请输入第" + std::to_string(row) + "行4个数(空格键隔开):";
}

inline std::string result(long long det)
{
	return "\n经计算，结果为" + std::to_string(det) + "\n\n";
}

// The whole dialogue where nobody is at a terminal: no pause text.
inline std::string transcript(long long det)
{
	return banner + author + prompt(1) + prompt(2) + prompt(3) + prompt(4) + result(det);
}

// As a terminal shows it: each line feed goes out as CR LF.
inline std::string crlf(const std::string &text)
{
	std::string out;
	for (char c : text)
		out += c == '\n' ? std::string("\r\n") : std::string(1, c);
	return out;
}

// What wine's command interpreter writes for "pause", in the C locale.
inline const std::string wine_pause = "Press any key to continue... ";

} // namespace expected
