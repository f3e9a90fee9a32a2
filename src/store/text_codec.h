#pragma once
// The one place where text changes encoding: UTF-8 inside the program, UTF-16 at Win32 calls,
// the system ANSI code page in files and in copy-data records.
#include <string>
#include <string_view>

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// File bytes in the ANSI code page to UTF-8 and back. Bytes that are not valid in the code
// page become the code page's replacement character; nothing is dropped silently.
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);
// Text in the OEM code page (ZIP entry names without the UTF-8 flag) to UTF-8.
std::string OemToUtf8(std::string_view oem);

// How many bytes the text takes in the ANSI code page.
size_t AnsiByteCount(std::wstring_view wide);
// The text in the ANSI code page, cut after the last whole character that fits maxBytes (a
// double-byte character is never split).
std::string Utf8ToAnsiWithin(std::string_view utf8, size_t maxBytes);
