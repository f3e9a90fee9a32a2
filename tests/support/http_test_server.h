#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for tests that download or post: it answers each path with a
// canned response, one connection at a time on its own thread, and keeps every request it saw.
#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class HttpTestServer {
 public:
  struct Response {
    int status = 200;
    std::string body;
    // The Content-Length announced; more than the body makes a truncated answer.
    size_t announcedLength = std::string::npos;
    // Milliseconds to hold the connection before answering (a stalled server).
    unsigned stallMs = 0;
    // Close the connection without any answer.
    bool hangUp = false;
  };

  struct Request {
    std::string method, path;
    std::string head;  // the request line and headers as sent, up to the empty line
    std::string body;  // Content-Length bytes
    // The value of the first header of that name (case ignored), or "".
    std::string Header(const std::string& name) const;
  };

  static Response Ok(std::string body) { return {200, std::move(body)}; }
  static Response NotFound() { return {404, "not found"}; }
  static Response Truncated(std::string body) { return {200, body, body.size() * 2 + 16}; }
  static Response ServerError() { return {500, "error"}; }
  static Response Stalled(unsigned ms, std::string body = {}) { return {200, std::move(body), std::string::npos, ms}; }
  static Response HangUp() { return {200, {}, std::string::npos, 0, true}; }

  HttpTestServer();  // listening on an ephemeral port once constructed
  ~HttpTestServer();
  HttpTestServer(const HttpTestServer&) = delete;
  HttpTestServer& operator=(const HttpTestServer&) = delete;

  // Paths not given a response are answered 404.
  void Serve(const std::string& path, Response response);
  std::string BaseUrl() const;  // "http://127.0.0.1:<port>"
  std::vector<std::string> Requests() const;  // the paths
  std::vector<Request> Received() const;

  // An address on which nothing listens: connections are refused.
  static std::string RefusingBaseUrl();

 private:
  void Answer(std::uintptr_t client);

  std::uintptr_t listener_;
  unsigned short port_ = 0;
  mutable std::mutex mutex_;
  std::map<std::string, Response> responses_;
  std::vector<Request> requests_;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};
