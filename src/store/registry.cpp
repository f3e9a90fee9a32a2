#include "store/registry.h"

#include "store/text_codec.h"

namespace {
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
    BYTE data[4000];
    DWORD nameChars = 255, dataBytes = sizeof(data), type = 0;
    if (RegEnumValueW(key.get(), index, name, &nameChars, nullptr, &type, data, &dataBytes) != ERROR_SUCCESS)
      break;
    std::wstring_view cut(name, nameChars);
    values.push_back({Narrow(cut.substr(0, cut.find(L'\0'))), type});
  }
  return values;
}
