#pragma once
// The passwords of the program's two archives (vdCab's DeCab). The client and tessel-pack must
// use the same ones; an owner who knows them can also open the archives with 7-Zip.

// Skin\htm\Ziriv.dll, the patch descriptor archive: seven lower-case letters.
inline constexpr char kDescriptorArchivePassword[] = "valroke";
// Tessel.Pwk, the client settings archive: ten characters.
inline constexpr char kSettingsArchivePassword[] = "Pw7kTs2Qm9";
