#pragma once
// Reading one of the catalog's INI-style files as they are stored (ANSI code page): the reader
// sees every line, and only what it keeps is decoded to UTF-8.
#include <optional>
#include <string>

#include "catalog/section_reader.h"

// The file's bytes after the reader went through them; nothing when the file cannot be read.
std::optional<std::string> ReadCatalogFile(const std::string& path, decltype(SectionReader::section) section,
                                           decltype(SectionReader::keyValue) keyValue);
