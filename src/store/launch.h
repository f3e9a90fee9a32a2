#pragma once
// Every program the client starts goes through here, so tests can see what was started.
#include <functional>
#include <optional>
#include <string>

struct LaunchRequest {
  enum class Road { Shell, Direct };  // ShellExecuteW or CreateProcessW
  Road road = Road::Shell;
  std::string file;        // Shell: file or address; Direct: the whole command line
  std::string arguments;   // Shell only
  std::string folder;      // working folder, "" for the caller's
  std::string verb = "open";
  int show = 1;            // SW_SHOWNORMAL
};

// Starts it; true when the system accepted the request.
bool Launch(const LaunchRequest& request);
// The shell's "open", shown normally.
bool ShellOpen(const std::string& file, const std::string& arguments = {}, const std::string& folder = {});

// Starts the command line (the Direct road) and waits for its end while window messages run; its
// exit code, or nothing when it could not start. Under an observer, its answer true reads as 0.
std::optional<unsigned long> RunToCompletion(const LaunchRequest& request);

// Tests: when set, the observer is asked instead of the system and its answer is returned.
using LaunchObserver = std::function<bool(const LaunchRequest&)>;
void SetLaunchObserver(LaunchObserver observer);
