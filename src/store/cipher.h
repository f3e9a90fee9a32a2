#pragma once
// The cipher wrapper: texts enciphered and deciphered by the outside component VdEnc.dll with the
// program's fixed key, through a 1024-character buffer, NULs removed and the result trimmed. It
// protects the administrator password, module-setting passwords and the client settings file.
#include <string>

// "" when the component is missing or refuses (a text too long for the buffer).
std::string EncipherText(const std::string& text);
// "" when the component is missing or the text is not one it enciphered with this key.
std::string DecipherText(const std::string& text);
