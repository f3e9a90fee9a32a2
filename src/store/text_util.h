#pragma once
// Small text helpers shared by every reader of the program's files. Portable: no windows.h.
#include <string>
#include <string_view>
#include <vector>

// Blanks are spaces and tabs, as the hand-written file readers trim them.
std::string Trim(std::string_view text);
std::string TrimSpaces(std::string_view text);

// Leading-number parse: optional blanks, sign, digits; stops at the first other character.
// "1abc" gives 1, "x" and "" give 0. Saturates instead of overflowing.
long long ParseLeadingNumber(std::string_view text);

std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoreCaseAscii(std::string_view a, std::string_view b);
bool StartsWith(std::string_view text, std::string_view prefix);
bool EndsWith(std::string_view text, std::string_view suffix);

// Splits file text into lines at CR LF, LF or CR; a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// Splits at every occurrence of the separator; "" gives one empty field.
std::vector<std::string> Split(std::string_view text, char separator);

// Removes NUL characters, as many readers do with values they got from the system.
std::string RemoveNuls(std::string_view text);
