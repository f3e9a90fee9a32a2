#pragma once
// The world of one in-process test: a fresh App whose program folder is a new temporary folder,
// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE redirected to private keys, and recorders on the
// message-box and launch seams. Everything is removed afterwards.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "support/recorders.h"

// A new empty folder under the temporary folder (or the given one), removed with everything in
// it on destruction.
class TempFolder {
 public:
  TempFolder();
  explicit TempFolder(std::string_view parent);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string operator/(std::string_view name) const;

 private:
  std::string path_;
};

// Sets a value of this process's environment for one test and puts the old one back.
class ScopedEnvironmentValue {
 public:
  ScopedEnvironmentValue(const wchar_t* name, const std::string& value);
  ~ScopedEnvironmentValue();
  ScopedEnvironmentValue(const ScopedEnvironmentValue&) = delete;
  ScopedEnvironmentValue& operator=(const ScopedEnvironmentValue&) = delete;

 private:
  const wchar_t* name_;
  std::optional<std::wstring> old_;
};

class TesselTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Path of a file in the program folder.
  std::string Path(std::string_view name) const { return folder / name; }
  // Writes raw bytes (no conversion), for files as other programs leave them.
  void WriteBytes(std::string_view name, std::string_view bytes) const;
  std::string ReadBytes(std::string_view name) const;

  TempFolder folder;
  MessageBoxRecorder boxes;
  LaunchRecorder launches;

 private:
  std::string registryRoot_;
};
