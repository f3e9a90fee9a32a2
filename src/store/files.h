#pragma once
// File and folder helpers. Paths and texts are UTF-8; file contents are ANSI code page bytes.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// True when the path names a file or a folder.
bool PathExists(const std::string& path);
// True when the path exists and is not a folder; any error (illegal characters too) reads as false.
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// Appends to or replaces the file, writing the text in the ANSI code page and CR LF when asked.
// A replaced file is written beside the old one and moved over it, so it is never half written.
bool WriteTextFile(const std::string& path, std::string_view text, bool append, bool newline);

// Appends text that begins a line of its own: when the file's last line has no line end yet, one
// is written first, so the text is never glued onto that line.
bool AppendLines(const std::string& path, std::string_view text);

// Replaces the file with these bytes, written beside it and moved over it.
bool ReplaceFileBytes(const std::string& path, std::string_view bytes);

// The whole file as it is stored (up to 1 GiB), or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);
// The whole file as UTF-8, or nothing when it cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);
// The file's lines (CR LF, LF or CR), or nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

// Deletes one file; false when it is missing, a folder or in use.
bool RemoveFile(const std::string& path);
// Moves the file over target, replacing it in one step; false leaves both as they were.
bool MoveFileOver(const std::string& from, const std::string& target);

// Creates the folder and every missing folder above it; true when it exists afterwards.
bool CreateFolders(const std::string& path);

// folder + "\" + name, without doubling a backslash the folder already ends with.
std::string JoinPath(std::string_view folder, std::string_view name);
