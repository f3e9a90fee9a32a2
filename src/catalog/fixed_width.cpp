#include "catalog/fixed_width.h"

std::string FixedWidth(std::string_view utf8, size_t width) {
  size_t characters = 0, end = 0;
  while (end < utf8.size() && characters < width) {
    ++end;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
    ++characters;
  }
  std::string field(utf8.substr(0, end));
  field.append(width - characters, ' ');
  return field;
}
