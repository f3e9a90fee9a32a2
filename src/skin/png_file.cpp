#include "skin/png_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "skin/inflate.h"
#include "skin/png_bitmap.h"

namespace {
constexpr std::array<uint8_t, 8> kSignature = {137, 80, 78, 71, 13, 10, 26, 10};

uint32_t BigEndian32(std::span<const uint8_t> bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = at; i < at + 4; ++i) value = (value << 8) | (i < bytes.size() ? bytes[i] : 0);
  return value;
}

uint8_t ByteAt(std::span<const uint8_t> bytes, size_t at) { return at < bytes.size() ? bytes[at] : 0; }

void AppendText(std::string& to, std::span<const uint8_t> bytes) {
  to.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  to.push_back('\0');
}

PngHeader ReadHeader(std::span<const uint8_t> data) {
  PngHeader header;
  header.Width = static_cast<int32_t>(BigEndian32(data, 0));
  header.Height = static_cast<int32_t>(BigEndian32(data, 4));
  header.Bitdepht = ByteAt(data, 8);
  header.ColorType = ByteAt(data, 9);
  header.Compression = ByteAt(data, 10);
  header.Filter = ByteAt(data, 11);
  header.Interlacing = ByteAt(data, 12);
  return header;
}

std::string FormatTime(std::span<const uint8_t> data) {
  char text[64];
  std::snprintf(text, sizeof text, "%02u.%02u.%u %02u:%02u:%02u", ByteAt(data, 3), ByteAt(data, 2),
                (ByteAt(data, 0) << 8) | ByteAt(data, 1), ByteAt(data, 4), ByteAt(data, 5), ByteAt(data, 6));
  return text;
}

// zTXt text is small in practice: past the cap, a bomb of chunks costs no memory and no time.
void AppendCompressedText(PngFile& file, std::span<const uint8_t> data, const PngNotice& notice) {
  if (file.zText.size() >= kMaxCompressedText) return;
  const auto nul = std::find(data.begin(), data.end(), uint8_t{0});
  AppendText(file.zText, {data.begin(), nul});
  // The keyword's NUL, then the compression-method byte, then the zlib stream.
  const size_t skip = std::min<size_t>(static_cast<size_t>(nul - data.begin()) + 2, data.size());
  const auto stream = data.subspan(skip);
  const size_t room = kMaxCompressedText - std::min(kMaxCompressedText, file.zText.size());
  const Bytes text = InflateZlib(stream, room, std::min(room, stream.size() * 4 + 256), notice, &file.treeFailed);
  AppendText(file.zText, text);
}

void HandleChunk(PngFile& file, std::string_view type, std::span<const uint8_t> data, const PngNotice& notice) {
  if (type == "IHDR") {
    file.header = ReadHeader(data);
  } else if (type == "PLTE") {
    file.palette.assign(data.begin(), data.end());
  } else if (type == "IDAT") {
    file.imageData.insert(file.imageData.end(), data.begin(), data.end());
  } else if (type == "bKGD") {
    file.background.assign(data.begin(), data.end());
    file.BkgdColor = BkgdColorOf(file.header, file.palette, file.background);
    file.HasBKGDChunk = true;
  } else if (type == "gAMA") {
    file.gama = BigEndian32(data, 0) / 100000.0;
  } else if (type == "tEXt") {
    AppendText(file.Text, data);
  } else if (type == "zTXt") {
    AppendCompressedText(file, data, notice);
  } else if (type == "tIME") {
    file.ModiTime = FormatTime(data);
  } else if (type == "tRNS") {
    file.transparency.assign(data.begin(), data.end());
    file.HaveTransparence = true;
  }
  // Every other chunk (cHRM, pHYs, sBIT, ... and unknown ones) is skipped.
}
}  // namespace

Bytes InflateZlib(std::span<const uint8_t> stream, size_t capacity, size_t expected, const PngNotice& notice,
                  bool* treeFailed) {
  // The two zlib header bytes are not checked, nor is the Adler-32 at the end.
  InflateOutcome outcome = Inflate(stream.subspan(std::min<size_t>(2, stream.size())), {capacity, expected, false});
  if (outcome.treeFailed && notice) notice(kTreeCreationError);
  if (treeFailed) *treeFailed = outcome.treeFailed;
  return std::move(outcome.data);
}

PngFile ReadPngFile(std::span<const uint8_t> bytes, const PngNotice& notice) {
  PngFile file;
  if (bytes.size() < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), bytes.begin())) {
    file.ErrorNumber = kPngNoSignature;
    return file;
  }
  file.imageData.reserve(bytes.size());  // the image data is most of a file
  size_t at = kSignature.size();
  for (;;) {
    if (bytes.size() - at < 8) {
      file.ErrorNumber = kPngChunkPastEnd;
      return file;
    }
    const uint32_t length = BigEndian32(bytes, at);
    const std::string_view type(reinterpret_cast<const char*>(bytes.data() + at + 4), 4);
    at += 8;
    if (length > bytes.size() - at) {
      file.ErrorNumber = kPngChunkPastEnd;
      return file;
    }
    HandleChunk(file, type, bytes.subspan(at, length), notice);
    if (file.treeFailed) return file;
    at += length;
    at += std::min<size_t>(4, bytes.size() - at);  // the CRC, not verified
    if (type == "IEND") break;
  }
  if (file.imageData.empty()) file.ErrorNumber = kPngNoImageData;
  return file;
}
