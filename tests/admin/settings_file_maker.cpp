#include "admin/settings_file_maker.h"

#include <gtest/gtest.h>

#include "archive_passwords.h"
#include "store/cipher.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "zip/zip_writer.h"

std::string SettingsInfoText(const std::string& password, const std::string& body) {
  std::string text = EncipherText("<" + password) + "\r\n";
  for (size_t at = 0; at < body.size();) {
    size_t open = body.find('{', at), close = open == std::string::npos ? open : body.find('}', open);
    if (close == std::string::npos) {
      text += body.substr(at);
      break;
    }
    text += body.substr(at, open - at) + EncipherText(body.substr(open + 1, close - open - 1));
    at = close + 1;
  }
  return text;
}

void WriteSettingsArchive(const std::string& path, const std::string& info) {
  auto archive = WriteAesZip({{"info.ini", Utf8ToAnsi(info)}}, kSettingsArchivePassword);
  ASSERT_TRUE(archive);
  ASSERT_TRUE(ReplaceFileBytes(path, *archive));
}
