#pragma once
// Archives for the archive component's tests, honest or hostile, built with the components' own
// writer so that only the part under test differs from a good archive.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "zip/zip_writer.h"

// A stored file entry sealed with the password.
ZipRecord StoredRecord(const std::string& name, std::string_view bytes, std::string_view password);
// A deflated entry: the raw deflate stream sealed as it is, with whatever size it claims.
ZipRecord DeflatedRecord(const std::string& name, std::string_view stream, uint32_t claimedSize,
                         std::string_view password);
std::string Archive(const std::vector<ZipRecord>& records);

// Clears the UTF-8 name flag of every header, as archivers that write the OEM code page leave it.
void ClearUtf8Flags(std::string& archive);

// Every file under the folder by its relative path (backslashes, UTF-8), with its bytes; folders
// map to "<folder>".
std::map<std::string, std::string> TreeOf(const std::string& folder);
