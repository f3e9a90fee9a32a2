#include "catalog/shell_link_file.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdint>
#include <optional>

#include "store/files.h"
#include "store/text_codec.h"

extern "C" __declspec(dllimport) PIDLIST_ABSOLUTE WINAPI SHSimpleIDListFromPath(PCWSTR path);

namespace {
// Header flags.
constexpr std::uint32_t kHasIdList = 0x1, kHasLinkInfo = 0x2, kHasWorkingDir = 0x10, kHasArguments = 0x20,
                        kHasIconLocation = 0x40, kIsUnicode = 0x80;
constexpr std::uint32_t kHeaderSize = 0x4C, kLinkInfoHeaderSize = 0x1C, kVolumeIdHeaderSize = 0x10;
constexpr std::uint32_t kVolumeIdAndLocalBasePath = 0x1;
constexpr size_t kLongestString = 4096;
// 00021401-0000-0000-C000-000000000046, the shell link class, in its stored byte order.
constexpr unsigned char kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                          0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

// Little-endian fields appended to the file's bytes.
struct Bytes {
  std::string data;
  void U16(std::uint32_t value) { data.append({static_cast<char>(value), static_cast<char>(value >> 8)}); }
  void U32(std::uint32_t value) {
    U16(value & 0xFFFF);
    U16(value >> 16);
  }
  void Raw(const void* bytes, size_t size) { data.append(static_cast<const char*>(bytes), size); }
  // A counted UTF-16 string without terminator.
  void Counted(const std::wstring& text) {
    U16(static_cast<std::uint32_t>(text.size()));
    for (wchar_t c : text) U16(static_cast<std::uint16_t>(c));
  }
};

// The text in the ANSI code page, or nothing when a character has no place there.
std::optional<std::string> ExactAnsi(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  BOOL lossy = FALSE;
  int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), nullptr,
                                 0, nullptr, &lossy);
  if (size <= 0 || lossy) return std::nullopt;
  std::string ansi(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), ansi.data(), size,
                      nullptr, nullptr);
  return ansi;
}

bool IsLocalAbsolute(const std::wstring& path) {
  return path.size() >= 3 && ((path[0] | 0x20) >= L'a' && (path[0] | 0x20) <= L'z') && path[1] == L':' &&
         path[2] == L'\\';
}

// The path as the shell stores a target: made canonical (no "." or "..", one separator).
std::wstring FullPath(const std::wstring& path) {
  wchar_t buffer[MAX_PATH];
  DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, buffer, nullptr);
  return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

// The target's item ID list as the link object builds it, with its size first; "" when none.
std::string IdListOf(const std::wstring& target) {
  PIDLIST_ABSOLUTE list = SHSimpleIDListFromPath(target.c_str());
  if (!list) return {};
  Bytes out;
  UINT size = ILGetSize(list);  // the items and their terminator
  if (size <= 0xFFFF) {
    out.U16(size);
    out.Raw(list, size);
  }
  ILFree(list);
  return out.data;
}

// The location: the target's volume (type, serial number, label) and its local path.
void AppendLinkInfo(Bytes& out, const std::wstring& target, const std::string& ansiTarget) {
  const std::wstring root = target.substr(0, 3);
  wchar_t label[MAX_PATH + 1] = {};
  DWORD serial = 0;
  GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, &serial, nullptr, nullptr, nullptr, 0);
  std::string ansiLabel = ExactAnsi(label).value_or(std::string());
  const std::uint32_t volumeSize = kVolumeIdHeaderSize + static_cast<std::uint32_t>(ansiLabel.size()) + 1;
  const std::uint32_t pathOffset = kLinkInfoHeaderSize + volumeSize;
  const std::uint32_t suffixOffset = pathOffset + static_cast<std::uint32_t>(ansiTarget.size()) + 1;
  out.U32(suffixOffset + 1);  // the whole structure, ending with an empty common path suffix
  out.U32(kLinkInfoHeaderSize);
  out.U32(kVolumeIdAndLocalBasePath);
  out.U32(kLinkInfoHeaderSize);  // the volume follows the header
  out.U32(pathOffset);
  out.U32(0);  // no network location
  out.U32(suffixOffset);
  out.U32(volumeSize);
  out.U32(GetDriveTypeW(root.c_str()));
  out.U32(serial);
  out.U32(kVolumeIdHeaderSize);  // the label follows the volume's fields
  out.Raw(ansiLabel.c_str(), ansiLabel.size() + 1);
  out.Raw(ansiTarget.c_str(), ansiTarget.size() + 1);
  out.Raw("", 1);
}

void AppendHeader(Bytes& out, std::uint32_t flags, const std::wstring& target, int iconIndex) {
  WIN32_FILE_ATTRIBUTE_DATA found{};
  if (target.empty() || !GetFileAttributesExW(target.c_str(), GetFileExInfoStandard, &found)) found = {};
  out.U32(kHeaderSize);
  out.Raw(kLinkClsid, sizeof(kLinkClsid));
  out.U32(flags);
  out.U32(found.dwFileAttributes);
  for (const FILETIME& time : {found.ftCreationTime, found.ftLastAccessTime, found.ftLastWriteTime}) {
    out.U32(time.dwLowDateTime);
    out.U32(time.dwHighDateTime);
  }
  out.U32(found.nFileSizeLow);
  out.U32(static_cast<std::uint32_t>(iconIndex));
  out.U32(SW_SHOWNORMAL);
  out.U16(0);  // no hot key
  out.U16(0);
  out.U32(0);
  out.U32(0);
}
}  // namespace

bool CanWriteShellLinkFile(const std::string& target, const std::string& workDir, const std::string& args,
                           const std::string& iconFile) {
  for (const std::string* text : {&workDir, &args, &iconFile})
    if (text->size() > kLongestString) return false;
  if (target.empty()) return true;
  std::wstring wide = Widen(target);
  return IsLocalAbsolute(wide) && wide.find_first_of(L"\"%") == std::wstring::npos && wide.size() < MAX_PATH &&
         !FullPath(wide).empty() && ExactAnsi(FullPath(wide));
}

bool WriteShellLinkFile(const std::string& path, const std::string& target, const std::string& workDir,
                        const std::string& args, const std::string& iconFile, int iconIndex) {
  if (path.empty() || !CanWriteShellLinkFile(target, workDir, args, iconFile)) return false;
  const std::wstring fullTarget = target.empty() ? std::wstring() : FullPath(Widen(target));
  const std::wstring wideWorkDir = Widen(workDir), wideArgs = Widen(args), wideIcon = Widen(iconFile);
  const std::string idList = fullTarget.empty() ? std::string() : IdListOf(fullTarget);
  std::uint32_t flags = kIsUnicode;
  if (!idList.empty()) flags |= kHasIdList;
  if (!fullTarget.empty()) flags |= kHasLinkInfo;
  if (!wideWorkDir.empty()) flags |= kHasWorkingDir;
  if (!wideArgs.empty()) flags |= kHasArguments;
  if (!wideIcon.empty()) flags |= kHasIconLocation;

  Bytes out;
  AppendHeader(out, flags, fullTarget, wideIcon.empty() ? 0 : iconIndex);
  out.data += idList;
  if (!fullTarget.empty()) AppendLinkInfo(out, fullTarget, *ExactAnsi(fullTarget));
  for (const std::wstring* text : {&wideWorkDir, &wideArgs, &wideIcon})
    if (!text->empty()) out.Counted(*text);
  out.U32(0);  // no extra data blocks
  return ReplaceFileBytes(path, out.data);
}
