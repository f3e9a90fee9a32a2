#include <gtest/gtest.h>

#include "store/archive.h"
#include "store/cipher.h"
#include "store/component_library.h"
#include "store/files.h"
#include "store/text_util.h"
#include "support/test_env.h"

namespace {
class ComponentsTest : public TesselTest {
 protected:
  void TearDown() override {
    SetComponentFolder("");
    TesselTest::TearDown();
  }
};
}  // namespace

// The component's own tests prove the cipher; here, what the wrapper makes of its answers.
TEST_F(ComponentsTest, TextsGoThroughTheCipherComponentAndComeBackTrimmed) {
  for (std::string text : {"관리자 비밀번호", " 앞뒤 공백 "}) EXPECT_EQ(DecipherText(EncipherText(text)), Trim(text));
  std::string enciphered = EncipherText("비밀");
  enciphered[4] = enciphered[4] == 'A' ? 'B' : 'A';
  EXPECT_EQ(DecipherText(enciphered), "") << "changed on the way";
  EXPECT_EQ(EncipherText(std::string(800, 'x')), "") << "too long for the buffer";
}

TEST_F(ComponentsTest, WithoutTheComponentsEveryCallFailsQuietly) {
  SetComponentFolder(folder.path());
  EXPECT_EQ(EncipherText("비밀"), "");
  EXPECT_EQ(DecipherText("AAAA"), "");
  EXPECT_EQ(DeCab(Path("out"), Path("any.zip"), "pw"), kArchiveComponentMissing);
  SetComponentFolder("");
  EXPECT_NE(EncipherText("비밀"), "") << "found again once they are back";
  EXPECT_LT(DeCab(Path("out"), Path("missing.zip"), "pw"), 0);
  EXPECT_NE(DeCab(Path("out"), Path("missing.zip"), "pw"), kArchiveComponentMissing);
}
