#include "store/folder_entries.h"

#include <windows.h>

#include "store/files.h"
#include "store/text_codec.h"

std::vector<FolderEntry> ListFolder(const std::string& folder, const std::string& pattern) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW data{};
  HANDLE find = FindFirstFileW(Widen(JoinPath(folder, pattern)).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    std::wstring_view name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    entries.push_back({Narrow(name), data.dwFileAttributes,
                       (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow});
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return entries;
}
