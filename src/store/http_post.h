#pragma once
// A form posted through the platform's Winhttp.WinHttpRequest.5.1 component: the calling thread
// waits for the answer, for no longer than the time-outs together allow.
#include <optional>
#include <string>

struct HttpTimeouts {
  int resolveMs, connectMs, sendMs, receiveMs;
};

struct HttpPost {
  std::string url;
  std::string contentType;
  std::string body;       // sent as it is (ASCII form fields)
  int urlCodePage = 0;    // the component's option 2; 0 leaves its default
  HttpTimeouts timeouts;
};

// The answer's body bytes for a 2xx answer; nothing for any failure (component missing, no
// connection, time-out, another status).
std::optional<std::string> PostForm(const HttpPost& post);
