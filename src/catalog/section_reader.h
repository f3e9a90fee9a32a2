#pragma once
// The hand-written reader of the catalog's INI-style files (Vdcate.ini, Game.mts, GameLst.ini):
// lines trimmed, empty ones skipped; a line starting with "[" opens a section named by the line
// without any "[" or "]"; other lines split at their first "=" into a trimmed key and value; a
// line without "=" is ignored. Portable: no windows.h.
#include <functional>
#include <string>
#include <string_view>

struct SectionReader {
  std::function<void(std::string name)> section;
  // key is lower-cased (ASCII).
  std::function<void(std::string_view key, std::string_view value)> keyValue;
  // Turns a section line or value holding bytes above 127 into UTF-8: given the file's bytes as
  // they are stored, only what is kept is decoded (every byte the reader looks for is ASCII and
  // is never part of a double-byte character). None: the text is UTF-8 already.
  std::function<std::string(std::string_view bytes)> decode;

  void Read(std::string_view text) const;
};

// How many sections Read finds in the text.
size_t CountSections(std::string_view text);

