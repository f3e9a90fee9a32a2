#pragma once
// The program's fixed key for the cipher component (VdEnc's SetEncKey). The client and
// tessel-pack must use the same one: texts enciphered on the server are deciphered on the PCs.
inline constexpr char kCipherKey[] = "4829";

// The client reads enciphered and deciphered texts through a buffer of this many characters
// (the terminating NUL included): texts made for it must fit.
inline constexpr int kCipherBufferSize = 1024;
