#include "store/shell_files.h"

#include <windows.h>
#include <shellapi.h>

#include "store/text_codec.h"
#include "store/wait.h"

namespace {
constexpr FILEOP_FLAGS kQuiet = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_NOCONFIRMMKDIR;

// The shell wants lists ended by two NULs.
std::wstring PathList(const std::string& path) { return Widen(path) + L'\0'; }

void Run(UINT operation, const std::string& from, const std::string& to) {
  if (from.empty()) return;
  std::wstring source = PathList(from), target = PathList(to);
  SHFILEOPSTRUCTW request{};
  request.wFunc = operation;
  request.pFrom = source.c_str();
  request.pTo = to.empty() ? nullptr : target.c_str();
  request.fFlags = kQuiet;
  SHFileOperationW(&request);
}
}  // namespace

bool DeleteFiles(const std::string& pattern) {
  Run(FO_DELETE, pattern, {});
  DoEvents();
  return true;
}

void CopyFiles(const std::string& from, const std::string& to) { Run(FO_COPY, from, to); }
