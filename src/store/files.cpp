#include "store/files.h"

#include <windows.h>

#include <algorithm>

#include "store/text_codec.h"
#include "store/text_util.h"

namespace {
struct FileHandle {
  HANDLE h;
  explicit FileHandle(HANDLE handle) : h(handle) {}
  ~FileHandle() {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool ok() const { return h != INVALID_HANDLE_VALUE; }
};

// Asks for the attributes alone: looking a name up by pattern reads the whole folder on some
// file systems, and menus test hundreds of names in one folder.
DWORD AttributesOf(const std::string& path) {
  return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(Widen(path).c_str());
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

bool AppendBytes(const std::string& path, std::string_view bytes) {
  FileHandle file(CreateFileW(Widen(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.ok() && WriteAll(file.h, bytes);
}

// True when the file's last byte is not a line end (an empty or missing file ends no line).
bool EndsInsideALine(const std::string& path) {
  FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file.ok() || !GetFileSizeEx(file.h, &size) || size.QuadPart == 0) return false;
  LARGE_INTEGER last{};
  last.QuadPart = size.QuadPart - 1;
  char byte = 0;
  DWORD read = 0;
  return SetFilePointerEx(file.h, last, nullptr, FILE_BEGIN) && ReadFile(file.h, &byte, 1, &read, nullptr) &&
         read == 1 && byte != '\n' && byte != '\r';
}
}  // namespace

bool AppendLines(const std::string& path, std::string_view text) {
  std::string bytes = Utf8ToAnsi(text);
  if (EndsInsideALine(path)) bytes.insert(0, "\r\n");
  return AppendBytes(path, bytes);
}

bool ReplaceFileBytes(const std::string& path, std::string_view bytes) {
  std::string temporary = path + ".tmp-" + std::to_string(GetCurrentProcessId());
  {
    FileHandle file(CreateFileW(Widen(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return false;
    if (!WriteAll(file.h, bytes) || !FlushFileBuffers(file.h)) {
      CloseHandle(file.h);
      file.h = INVALID_HANDLE_VALUE;
      DeleteFileW(Widen(temporary).c_str());
      return false;
    }
  }
  if (MoveFileExW(Widen(temporary).c_str(), Widen(path).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileW(Widen(temporary).c_str());
  return false;
}

bool PathExists(const std::string& path) { return AttributesOf(path) != INVALID_FILE_ATTRIBUTES; }

bool FileExists(const std::string& path) {
  DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WriteTextFile(const std::string& path, std::string_view text, bool append, bool newline) {
  std::string bytes = Utf8ToAnsi(text);
  if (newline) bytes += "\r\n";
  return append ? AppendBytes(path, bytes) : ReplaceFileBytes(path, bytes);
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  if (path.empty()) return std::nullopt;
  FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.h, &size) || size.QuadPart > (1LL << 30)) return std::nullopt;
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() && !ReadFile(file.h, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
    return std::nullopt;
  bytes.resize(read);
  return bytes;
}

std::optional<std::string> ReadTextFile(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return AnsiToUtf8(*bytes);
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  auto text = ReadTextFile(path);
  if (!text) return std::nullopt;
  return SplitLines(*text);
}

bool RemoveFile(const std::string& path) { return !path.empty() && DeleteFileW(Widen(path).c_str()); }

bool MoveFileOver(const std::string& from, const std::string& target) {
  return MoveFileExW(Widen(from).c_str(), Widen(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED);
}

bool CreateFolders(const std::string& path) {
  if (path.empty()) return false;
  if (FolderExists(path)) return true;
  size_t cut = path.find_last_of('\\');
  if (cut != std::string::npos && cut > 0 && path[cut - 1] != ':') CreateFolders(path.substr(0, cut));
  CreateDirectoryW(Widen(path).c_str(), nullptr);
  return FolderExists(path);
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\') path += '\\';
  path += name;
  return path;
}
