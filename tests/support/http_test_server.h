#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for tests that download: it answers each path with a canned
// response, one connection at a time on its own thread, and keeps the path of every request it saw.
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
  };

  static Response Ok(std::string body) { return {200, std::move(body)}; }
  static Response NotFound() { return {404, "not found"}; }
  static Response Truncated(std::string body) { return {200, body, body.size() * 2 + 16}; }

  HttpTestServer();  // listening on an ephemeral port once constructed
  ~HttpTestServer();
  HttpTestServer(const HttpTestServer&) = delete;
  HttpTestServer& operator=(const HttpTestServer&) = delete;

  // Paths not given a response are answered 404.
  void Serve(const std::string& path, Response response);
  std::string BaseUrl() const;  // "http://127.0.0.1:<port>"
  std::vector<std::string> Requests() const;

  // An address on which nothing listens: connections are refused.
  static std::string RefusingBaseUrl();

 private:
  void Answer(std::uintptr_t client);

  std::uintptr_t listener_;
  unsigned short port_ = 0;
  mutable std::mutex mutex_;
  std::map<std::string, Response> responses_;
  std::vector<std::string> requests_;
  std::thread thread_;
};
