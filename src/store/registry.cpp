#include "store/registry.h"

#include "store/text_codec.h"

namespace {
constexpr DWORD kListDataBytes = 4000;

// Whether the value's data fits the list's 4000-byte buffer, counted as the agent's tools count
// it: texts in the ANSI code page.
bool FitsListBuffer(HKEY key, const wchar_t* name, DWORD type, DWORD bytes) {
  if (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ) return bytes <= kListDataBytes;
  if (bytes / sizeof(wchar_t) > kListDataBytes) return false;  // no character takes less than a byte
  std::wstring text(bytes / sizeof(wchar_t), L'\0');
  DWORD read = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()), &read) != ERROR_SUCCESS)
    return false;
  text.resize(read / sizeof(wchar_t));
  return AnsiByteCount(text) <= kListDataBytes;
}

class Key {
 public:
  Key(HKEY hive, std::string_view subkey, REGSAM access, bool create) {
    std::wstring path = Widen(subkey);
    access |= KEY_WOW64_32KEY;
    LONG result = create ? RegCreateKeyExW(hive, path.c_str(), 0, nullptr, 0, access, nullptr, &key_, nullptr)
                         : RegOpenKeyExW(hive, path.c_str(), 0, access, &key_);
    if (result != ERROR_SUCCESS) key_ = nullptr;
  }
  ~Key() {
    if (key_) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  explicit operator bool() const { return key_ != nullptr; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};
}  // namespace

std::string RegReadString(HKEY hive, std::string_view subkey, std::string_view name,
                          std::string_view defaultValue) {
  Key key(hive, subkey, KEY_QUERY_VALUE, false);
  if (!key) return std::string(defaultValue);
  std::wstring valueName = Widen(name);
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return std::string(defaultValue);
  std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
  if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return std::string(defaultValue);
  buffer.resize(size / sizeof(wchar_t));
  return Narrow(buffer.substr(0, buffer.find(L'\0')));
}

DWORD RegReadDword(HKEY hive, std::string_view subkey, std::string_view name, DWORD defaultValue) {
  Key key(hive, subkey, KEY_QUERY_VALUE, false);
  if (!key) return defaultValue;
  DWORD type = 0, value = 0, size = sizeof(value);
  if (RegQueryValueExW(key.get(), Widen(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                       &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof(value))
    return defaultValue;
  return value;
}

void RegWriteString(HKEY hive, std::string_view subkey, std::string_view name, std::string_view text) {
  Key key(hive, subkey, KEY_SET_VALUE, true);
  if (!key) return;
  std::wstring data = Widen(text);
  // The terminating zero is not counted, as the agent's own writer does.
  RegSetValueExW(key.get(), Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                 static_cast<DWORD>(data.size() * sizeof(wchar_t)));
}

void RegWriteDword(HKEY hive, std::string_view subkey, std::string_view name, DWORD value) {
  Key key(hive, subkey, KEY_SET_VALUE, true);
  if (!key) return;
  RegSetValueExW(key.get(), Widen(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                 sizeof(value));
}

void RegDeleteValue(HKEY hive, std::string_view subkey, std::string_view name) {
  Key key(hive, subkey, KEY_ALL_ACCESS, true);
  if (key) RegDeleteValueW(key.get(), Widen(name).c_str());
}

std::vector<RegValueInfo> RegListValues(HKEY hive, std::string_view subkey) {
  std::vector<RegValueInfo> values;
  Key key(hive, subkey, KEY_QUERY_VALUE, false);
  if (!key) return values;
  for (DWORD index = 0;; ++index) {
    wchar_t name[255] = {};
    DWORD nameChars = 255, dataBytes = 0, type = 0;
    if (RegEnumValueW(key.get(), index, name, &nameChars, nullptr, &type, nullptr, &dataBytes) != ERROR_SUCCESS ||
        !FitsListBuffer(key.get(), name, type, dataBytes))
      break;
    std::wstring_view cut(name, nameChars);
    values.push_back({Narrow(cut.substr(0, cut.find(L'\0'))), type});
  }
  return values;
}
