#pragma once
// Desktop upkeep at shutdown: emptying the desktops, setting which standard icons show, and
// bringing back the desktop the owner captured. Every step ignores errors.
#include <string>

// Empties both desktops, writes the icon visibility from DFList.MTS and copies Skin\RDir back.
void RestoreDesktop();
// Deletes desktop files by DelOption mode: "1"/"9" all, "2" game titles, "3" all but game titles.
void CleanDesktop(const std::string& folder, const std::string& mode);
// The desktop folder of the default user.
std::string GetUserDesktopFolder();
// USERPROFILE with its last part replaced by the default user name (when they differ) + "\바탕 화면".
std::string DefaultUserDesktop(const std::string& userProfile, const std::string& defaultUserName);

// The six visibility digits of the standard desktop icons, for this Windows or the one named.
std::string ReadDesktopIconState();
std::string ReadDesktopIconState(bool windows7);
// Writes one value per digit under both HideDesktopIcons keys.
void WriteDesktopIconState(const std::string& digits, bool windows7);
// DFList.MTS [DESKTOP] Desk: six digits, four read with "01" appended, else "000001".
std::string DesktopIconDigits();
