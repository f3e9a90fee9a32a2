#include "catalog/catalog_file.h"

#include "store/files.h"
#include "store/text_codec.h"

std::optional<std::string> ReadCatalogFile(const std::string& path, decltype(SectionReader::section) section,
                                           decltype(SectionReader::keyValue) keyValue) {
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (bytes) SectionReader{std::move(section), std::move(keyValue), AnsiToUtf8}.Read(*bytes);
  return bytes;
}
