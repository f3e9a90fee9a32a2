#pragma once
// The client settings file info.ini as the PCs read it from Tessel.Pwk: first line the
// enciphered "<" + password, then [DNS] with cnt, pc, sm, gw, dns1, dns2, then [IP] with one
// "<PC number>=<IP address>,<five enciphered CD keys>" line a PC (an empty key stays empty).
// ANSI text with CR LF line ends.
#include <optional>
#include <string>

#include "pack/cafe_description.h"
#include "vdenc/text_cipher.h"

// Nothing when a text is too long for the PCs' cipher buffer or the platform fails; `error` says which.
std::optional<std::string> MakeSettingsFile(const CafeSettings& cafe, const TextCipher& cipher, std::string& error);
