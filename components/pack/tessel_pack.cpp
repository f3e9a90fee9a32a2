// tessel-pack: what the cafe's server side makes for the client.
//   tessel-pack encipher TEXT              the program's cipher text of TEXT
//   tessel-pack decipher TEXT              TEXT deciphered
//   tessel-pack pwk OUT INFO               the client settings archive (Tessel.Pwk) from a description
//   tessel-pack descriptor OUT ZIRIV_GPI   the patch descriptor archive (Ziriv.dll)
// Exit status 0 when done, 1 on failure (told on the error stream), 2 for a wrong command line.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "archive_passwords.h"
#include "cipher_key.h"
#include "pack/cafe_description.h"
#include "pack/settings_file.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "vdenc/text_cipher.h"
#include "zip/extraction_plan.h"
#include "zip/zip_writer.h"

namespace {
constexpr int kDone = 0, kFailed = 1, kUsage = 2;

constexpr char kUsageText[] =
    "usage: tessel-pack encipher TEXT\r\n"
    "       tessel-pack decipher TEXT\r\n"
    "       tessel-pack pwk OUT INFO               (Tessel.Pwk from a cafe description)\r\n"
    "       tessel-pack descriptor OUT ZIRIV_GPI   (Ziriv.dll from a patch descriptor)\r\n";

// Texts go out as they are, in the ANSI code page as the console and the PCs' files use it; the
// streams are binary so that a deciphered text keeps its bytes, and lines end in CR LF.
void Write(FILE* stream, const std::string& ansi) { std::fwrite(ansi.data(), 1, ansi.size(), stream); }

int Fail(const std::string& utf8) {
  Write(stderr, Utf8ToAnsi("tessel-pack: " + utf8 + "\r\n"));
  return kFailed;
}

std::optional<TextCipher> ProgramCipher() { return TextCipher::FromKeyText(kCipherKey); }

int Encipher(const std::string& ansi) {
  if (TextCipher::EncipheredLength(ansi.size()) >= static_cast<size_t>(kCipherBufferSize))
    return Fail("the text is too long for the PCs' cipher buffer");
  const auto cipher = ProgramCipher();
  const auto text = cipher ? cipher->Encipher(ansi) : std::nullopt;
  if (!text) return Fail("the platform's cryptography failed");
  Write(stdout, *text + "\r\n");
  return kDone;
}

int Decipher(const std::string& text) {
  const auto cipher = ProgramCipher();
  if (!cipher) return Fail("the platform's cryptography failed");
  const auto plain = cipher->Decipher(text);
  if (!plain) return Fail("not a text enciphered with the program's key");
  Write(stdout, *plain + "\r\n");
  return kDone;
}

// A text file in the ANSI code page; one with a UTF-8 byte order mark is converted to it.
std::optional<std::string> ReadAnsiText(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (bytes && StartsWith(*bytes, "\xEF\xBB\xBF")) return Utf8ToAnsi(std::string_view(*bytes).substr(3));
  return bytes;
}

int WriteArchive(const std::string& out, const std::string& entryName, const std::string& bytes,
                 const char* password) {
  if (bytes.size() > kMaxExtractedBytes) return Fail("more than the PCs unpack from one archive");
  const auto archive = WriteAesZip({{entryName, bytes}}, password);
  if (!archive) return Fail("the platform's cryptography failed");
  if (!ReplaceFileBytes(out, *archive)) return Fail("cannot write " + out);
  return kDone;
}

int MakePwk(const std::string& out, const std::string& info) {
  const auto text = ReadAnsiText(info);
  if (!text) return Fail("cannot read " + info);
  std::string error;
  const auto cafe = ReadCafeDescription(*text, error);
  if (!cafe) return Fail(info + ": " + error);
  const auto cipher = ProgramCipher();
  if (!cipher) return Fail("the platform's cryptography failed");
  const auto file = MakeSettingsFile(*cafe, *cipher, error);
  if (!file) return Fail(info + ": " + error);
  return WriteArchive(out, "info.ini", *file, kSettingsArchivePassword);
}

int MakeDescriptor(const std::string& out, const std::string& descriptor) {
  const auto bytes = ReadFileBytes(descriptor);
  if (!bytes) return Fail("cannot read " + descriptor);
  if (Trim(*bytes).empty()) return Fail(descriptor + " is empty");
  return WriteArchive(out, "ziriv.gpi", *bytes, kDescriptorArchivePassword);
}

int Run(const std::vector<std::string>& args) {
  const std::string command = args.empty() ? "" : ToLowerAscii(args[0]);
  if (command == "encipher" && args.size() == 2) return Encipher(Utf8ToAnsi(args[1]));
  if (command == "decipher" && args.size() == 2) return Decipher(args[1]);
  if (command == "pwk" && args.size() == 3) return MakePwk(args[1], args[2]);
  if (command == "descriptor" && args.size() == 3) return MakeDescriptor(args[1], args[2]);
  Write(stderr, kUsageText);
  return kUsage;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  try {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(Narrow(argv[i]));
    return Run(args);
  } catch (...) {
    return Fail("out of memory");
  }
}
