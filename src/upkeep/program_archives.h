#pragma once
// The program's two password-protected archives, unpacked into Skin\htm: kind 'P' the patch
// descriptor archive Skin\htm\Ziriv.dll, kind 'I' the client settings archive Tessel.Pwk of the
// program folder.

// True when the archive file exists, whatever the unpacking gave (it is tried up to three times);
// false when it does not exist or the kind is unknown. What was unpacked is for the caller to find.
bool ExtractArchive(char kind);
