#pragma once
// The notice line: texts the owner puts in env.mts as NOTE keys of section ENV, shown in turn.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct NoticeTexts {
  std::vector<std::string> texts;  // in key order
  std::optional<COLORREF> color;   // NOTECOLOR, "R,G,B"
};

NoticeTexts ReadNotice();
