#pragma once
// The files the customer clicks: program shortcuts (.LNK) through the shell link objects,
// internet shortcuts (.URL) and folder icons (Desktop.ini). Nothing here throws.
#include <string>

struct ShortcutInfo {
  std::string TargetPath, Arguments, WorkingDirectory;
  std::string IconLocation;  // "<icon file>,<index>", or "" without an icon
};

// Empty fields when the file is missing or not a shortcut. The target and working folder come with
// environment values (%ProgramFiles%) expanded.
ShortcutInfo ReadShortcut(const std::string& path);

// Creates or replaces the shortcut. With neither icon nor target, the icon is \Bmp\Foldesr.ico.
// icon may carry an index after a comma ("app.exe,2"). True when the file was saved.
bool WriteShortcut(const std::string& path, const std::string& target, const std::string& workDir,
                   const std::string& args, const std::string& icon);

// Replaces path with an internet shortcut; false without a path or an address.
bool WriteUrlFile(const std::string& path, const std::string& address, const std::string& icon);

// Marks the folder as system and appends an icon block to its Desktop.ini (hidden and system).
void WriteFolderIcon(const std::string& folder, const std::string& iconFile, const std::string& iconIndex);
