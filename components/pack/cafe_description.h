#pragma once
// The plain description of one cafe from which tessel-pack makes Tessel.Pwk:
//
//   password=<the settings-file password the owner types on the PC>
//   [DNS]
//   pc=<computer name prefix>
//   sm=<subnet mask>
//   gw=<default gateway>
//   dns1=<preferred DNS>
//   dns2=<alternate DNS; may be left out>
//   cnt=<number of PCs; may be left out for the highest PC number>
//   [IP]
//   <PC number>=<IP address>,<StarCraft>,<Warcraft III>,<Frozen Throne>,<Diablo II>,<Diablo II expansion>
//
// One "key=value" a line, keys in any case, blanks around keys and values ignored, a line
// starting with ";" or "#" is a comment. CD keys may be left empty or out. Text in the ANSI code
// page (what the PCs read); a file starting with a UTF-8 byte order mark is converted to it.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CafePc {
  int number = 0;
  std::string ip;
  std::array<std::string, 5> keys;  // in the order above
};

struct CafeSettings {
  std::string password, prefix, mask, gateway, dns1, dns2;
  int count = 0;
  std::vector<CafePc> pcs;  // by PC number
};

// Nothing when the description is incomplete or wrong; `error` then says where and why.
std::optional<CafeSettings> ReadCafeDescription(std::string_view text, std::string& error);
