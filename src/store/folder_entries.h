#pragma once
// The entries of one folder, "." and ".." left out.
#include <cstdint>
#include <string>
#include <vector>

struct FolderEntry {
  std::string name;
  unsigned long attributes = 0;
  std::uint64_t size = 0;
  bool IsFolder() const { return (attributes & 0x10) != 0; }  // FILE_ATTRIBUTE_DIRECTORY
};

// Entries of folder matching pattern; empty when the folder cannot be listed.
std::vector<FolderEntry> ListFolder(const std::string& folder, const std::string& pattern = "*.*");
