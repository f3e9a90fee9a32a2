#pragma once
// Drives the real tslc.exe from outside: a copy in a temporary program folder, started as its
// own process, watched through its windows and the registry of the Wine prefix.
#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "support/test_env.h"

// Asks every 50 ms until the condition holds (true) or timeoutMs have passed (false).
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// A window of the given class that belongs to the process, message-only windows included;
// waits up to timeoutMs for it to appear. Null when it does not.
HWND WaitForWindow(const std::string& className, DWORD processId, DWORD timeoutMs = 10000);

// Runs the command line to its end; its exit code, or STILL_ACTIVE when it did not start or end in time.
DWORD Run(const std::string& commandLine, DWORD timeoutMs = 20000);

struct RunOutput {
  DWORD code = STILL_ACTIVE;  // as Run's result
  std::string out, err;       // the bytes written to standard output and standard error
};
// Runs a console program to its end, reading what it writes.
RunOutput RunReading(const std::string& commandLine, DWORD timeoutMs = 20000);

// A program started from where it lies, as its own process, watched from outside.
class RunningProgram {
 public:
  explicit RunningProgram(std::string exePath) : exe_(std::move(exePath)) {}
  ~RunningProgram();  // ends the process if it still runs
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  DWORD processId() const { return process_.dwProcessId; }

  bool Start(const std::string& arguments = {});
  // True once the program has finished its start-up (its menu, if any, is open).
  bool WaitUntilReady(DWORD timeoutMs = 10000);
  // The exit code, or STILL_ACTIVE when it has not ended within timeoutMs.
  DWORD WaitForExit(DWORD timeoutMs = 10000);
  // Asks the tray window to unload, as a clean end; returns the exit code.
  DWORD End();

 protected:
  void SetProgram(std::string exePath) { exe_ = std::move(exePath); }
  void Stop();  // ends the process if it still runs

 private:
  std::string exe_;
  PROCESS_INFORMATION process_{};
};

// tslc.exe and its components copied into a fresh program folder.
class ProgramUnderTest : public RunningProgram {
 public:
  ProgramUnderTest();
  ~ProgramUnderTest() { Stop(); }  // before the folder goes

  const TempFolder& folder() const { return folder_; }

 private:
  TempFolder folder_;
};
