#include "vdenc/vdenc.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "cipher_key.h"
#include "component_library.h"
#include "store/text_codec.h"

namespace {
class VdEncTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(library.loaded()) << "VdEnc.dll beside the test program";
    setKey = library.Function<VdEncSetEncKeyFunction>("SetEncKey");
    encrypt = library.Function<VdEncCipherFunction>("Encrypt");
    decrypt = library.Function<VdEncCipherFunction>("Decrypt");
    ASSERT_TRUE(setKey && encrypt && decrypt) << "the three exports";
  }

  struct Result {
    int code;
    std::string text;
  };
  // Calls one of the two with a buffer of `size` characters and a guard byte behind it.
  static Result Call(VdEncCipherFunction function, const std::string& text, int size = kCipherBufferSize) {
    std::string buffer(static_cast<size_t>(size) + 1, 'x');
    buffer.back() = '#';
    const int code = function(text.c_str(), buffer.data(), size);
    EXPECT_EQ(buffer.back(), '#') << "written past the buffer";
    return {code, size > 0 ? std::string(buffer.c_str()) : std::string()};
  }
  std::string Enciphered(const std::string& plain) {
    const Result result = Call(encrypt, plain);
    EXPECT_GE(result.code, 0) << plain;
    return result.text;
  }

  ComponentLibrary library{L"VdEnc.dll"};
  VdEncSetEncKeyFunction setKey = nullptr;
  VdEncCipherFunction encrypt = nullptr;
  VdEncCipherFunction decrypt = nullptr;
};

bool IsBase64(const std::string& text) {
  return text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/=") ==
         std::string::npos;
}

TEST_F(VdEncTest, TextsComeBackByteForByte) {
  ASSERT_EQ(GetACP(), 949u) << "the tests run with the Korean code page";
  ASSERT_EQ(setKey(kCipherKey), 0);
  const std::string korean = Utf8ToAnsi("관리자 비밀번호 ①");
  ASSERT_NE(AnsiToUtf8(korean), "") << "the code page knows the text";
  const std::string cases[] = {"", "a", "admin1234", korean, " blanks kept ", std::string(736, 'z'),
                               "=+/[]<>,;\"'\t"};
  for (const std::string& plain : cases) {
    const Result enciphered = Call(encrypt, plain);
    ASSERT_EQ(enciphered.code, static_cast<int>(enciphered.text.size())) << plain;
    EXPECT_EQ(enciphered.text.size(), (plain.size() + 29 + 2) / 3 * 4) << plain;
    EXPECT_TRUE(IsBase64(enciphered.text)) << enciphered.text;
    EXPECT_LT(enciphered.text.size(), static_cast<size_t>(kCipherBufferSize)) << plain;
    const Result deciphered = Call(decrypt, enciphered.text);
    EXPECT_EQ(deciphered.code, static_cast<int>(plain.size())) << plain;
    EXPECT_EQ(deciphered.text, plain);
  }
  EXPECT_EQ(AnsiToUtf8(Call(decrypt, Enciphered(korean)).text), "관리자 비밀번호 ①");
  EXPECT_NE(Enciphered("same text"), Enciphered("same text")) << "a fresh nonce each time";
}

TEST_F(VdEncTest, ATextFromAnEarlierBuildStillDeciphers) {
  // Made outside this code (Python's hashlib and cryptography) from the documented format, so a
  // change of key, salt, rounds or layout cannot go unnoticed: stored passwords depend on them.
  ASSERT_EQ(setKey(kCipherKey), 0);
  const Result result = Call(decrypt, "AQECAwQFBgcICQoLDEhj97RWJLTFyESBIRpre9J+WiSHZiSJKddN4q1Co4k4HfEG");
  EXPECT_EQ(AnsiToUtf8(result.text), "관리자 암호 admin-7");
}

TEST_F(VdEncTest, RefusesAnythingThisKeyDidNotMakeAndAnotherKeyCannotRead) {
  ASSERT_EQ(setKey(kCipherKey), 0);
  const std::string good = Enciphered("owner's secret");
  const struct {
    std::string text;
    const char* why;
  } cases[] = {
      {"", "empty"},
      {"owner's secret", "plain text"},
      {good.substr(0, good.size() - 4), "last group cut off"},
      {good.substr(0, good.size() - 1), "not a whole group"},
      {good.substr(0, 40), "only version and nonce"},
      {good + "\r\n", "line break"},
  };
  for (const auto& c : cases) {
    const Result result = Call(decrypt, c.text);
    EXPECT_EQ(result.code, VDENC_REFUSED) << c.why;
    EXPECT_EQ(result.text, "") << c.why;
  }
  // Any one changed character: the version byte, the nonce, the body or the tag.
  for (size_t i = 0; i < good.size(); ++i) {
    std::string changed = good;
    changed[i] = changed[i] == 'Q' ? 'R' : 'Q';
    const Result result = Call(decrypt, changed);
    EXPECT_EQ(result.code, VDENC_REFUSED) << "character " << i;
    EXPECT_EQ(result.text, "") << "character " << i;
  }
  ASSERT_EQ(setKey("1234"), 0);
  EXPECT_EQ(Call(decrypt, good).code, VDENC_REFUSED) << "another key";
  ASSERT_EQ(setKey(kCipherKey), 0);
  EXPECT_EQ(Call(decrypt, good).text, "owner's secret") << "the first key again";
}

TEST_F(VdEncTest, ResultsMustFitTheBufferWithTheirNul) {
  ASSERT_EQ(setKey(kCipherKey), 0);
  const std::string text = Enciphered("twelve chars");
  const int length = static_cast<int>(text.size());
  EXPECT_EQ(Call(encrypt, "twelve chars", length).code, VDENC_SHORT_BUFFER);
  EXPECT_EQ(Call(encrypt, "twelve chars", length).text, "");
  EXPECT_EQ(Call(encrypt, "twelve chars", length + 1).code, length);
  EXPECT_EQ(Call(decrypt, text, 12).code, VDENC_SHORT_BUFFER);
  EXPECT_EQ(Call(decrypt, text, 12).text, "");
  EXPECT_EQ(Call(decrypt, text, 13).text, "twelve chars");
  EXPECT_EQ(Call(encrypt, std::string(737, 'z')).code, VDENC_SHORT_BUFFER) << "737 bytes need 1024 characters";
}

TEST_F(VdEncTest, BadCallsFailWithoutTouchingMemory) {
  char buffer[64] = "untouched";
  EXPECT_EQ(encrypt("text", buffer, sizeof buffer), VDENC_NO_KEY) << "a fresh copy of the library has no key";
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(decrypt("text", buffer, sizeof buffer), VDENC_NO_KEY);
  EXPECT_EQ(setKey(nullptr), VDENC_BAD_ARGUMENT);
  EXPECT_EQ(setKey(""), VDENC_BAD_ARGUMENT);
  ASSERT_EQ(setKey(kCipherKey), 0);
  EXPECT_EQ(encrypt(nullptr, buffer, sizeof buffer), VDENC_BAD_ARGUMENT);
  EXPECT_EQ(encrypt("text", nullptr, 64), VDENC_BAD_ARGUMENT);
  EXPECT_EQ(decrypt("text", buffer, 0), VDENC_BAD_ARGUMENT);
  EXPECT_EQ(decrypt(nullptr, nullptr, 0), VDENC_BAD_ARGUMENT);
}
}  // namespace
