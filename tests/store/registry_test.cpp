#include "store/registry.h"

#include <gtest/gtest.h>

#include "support/test_env.h"

namespace {
constexpr const char* kKey = "SOFTWARE\\Orbix\\Tessel";

class RegistryTest : public TesselTest {
 protected:
  // A value as another program may leave it.
  void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Orbix\\Tessel", name, type, data, bytes), ERROR_SUCCESS);
  }
  std::string Read(const char* name, const char* fallback = "d") {
    return RegReadString(HKEY_CURRENT_USER, kKey, name, fallback);
  }
};
}  // namespace

TEST_F(RegistryTest, StringsRoundTripAndOddValuesReadAsTheDefault) {
  RegWriteString(HKEY_CURRENT_USER, kKey, "Skin", "기본 스킨");
  RegWriteString(HKEY_CURRENT_USER, kKey, "Empty", "");
  RegWriteDword(HKEY_CURRENT_USER, kKey, "dwNumber", 7);
  const wchar_t expand[] = L"%TEMP%", embedded[] = L"first\0second", unterminated[] = {L'a', L'b', L'c'};
  SetRaw(L"Expand", REG_EXPAND_SZ, expand, sizeof(expand));
  SetRaw(L"Embedded", REG_SZ, embedded, sizeof(embedded));
  SetRaw(L"Unterminated", REG_SZ, unterminated, sizeof(unterminated));

  EXPECT_EQ(Read("Skin"), "기본 스킨");
  EXPECT_EQ(Read("Empty"), "");
  EXPECT_EQ(Read("dwNumber"), "d") << "not a string";
  EXPECT_EQ(Read("Expand"), "d") << "not a plain string";
  EXPECT_EQ(Read("Missing", ""), "");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "SOFTWARE\\Nowhere", "x", "d"), "d");
  EXPECT_EQ(Read("Embedded"), "first") << "up to the first NUL";
  EXPECT_EQ(Read("Unterminated"), "abc");
  EXPECT_EQ(RegReadDword(HKEY_CURRENT_USER, kKey, "dwNumber", 9), 7u);
  EXPECT_EQ(RegReadDword(HKEY_CURRENT_USER, kKey, "Skin", 9), 9u) << "not a number";
}

TEST_F(RegistryTest, DeletingCreatesAMissingKeyAndListsStopAtAnOversizedValue) {
  RegWriteString(HKEY_CURRENT_USER, kKey, "szDir", "C:\\x");
  RegDeleteValue(HKEY_CURRENT_USER, kKey, "szDir");
  EXPECT_EQ(Read("szDir", "gone"), "gone");
  EXPECT_TRUE(RegListValues(HKEY_CURRENT_USER, "SOFTWARE\\Fresh").empty());
  RegDeleteValue(HKEY_CURRENT_USER, "SOFTWARE\\Fresh", "x");
  HKEY key;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Fresh", 0, KEY_READ | KEY_WOW64_32KEY, &key), ERROR_SUCCESS);
  RegCloseKey(key);

  // Names in creation order are also in name order: Wine enumerates by name, Windows by creation.
  // The limit is 4000 bytes of data in the ANSI code page, as the agent's tools count it.
  std::string korean;
  for (int i = 0; i < 1999; ++i) korean += "가";
  RegWriteString(HKEY_CURRENT_USER, kKey, "a-first", "1");
  RegWriteDword(HKEY_CURRENT_USER, kKey, "b-second", 2);
  RegWriteString(HKEY_CURRENT_USER, kKey, "c-ascii", std::string(3999, 'x'));  // 7998 bytes as UTF-16
  RegWriteString(HKEY_CURRENT_USER, kKey, "d-korean", korean);                 // 3998 bytes in code page 949
  RegWriteString(HKEY_CURRENT_USER, kKey, "e-big", korean + "가가");
  RegWriteString(HKEY_CURRENT_USER, kKey, "f-after", "3");
  auto values = RegListValues(HKEY_CURRENT_USER, kKey);
  std::vector<std::string> names;
  for (const auto& value : values) names.push_back(value.name);
  EXPECT_EQ(names, (std::vector<std::string>{"a-first", "b-second", "c-ascii", "d-korean"}));
  ASSERT_EQ(values.size(), 4u);
  EXPECT_EQ(values[0].type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(values[1].type, static_cast<DWORD>(REG_DWORD));
}
