#include <winsock2.h>

#include "support/http_test_server.h"

#include <chrono>

#include "store/text_util.h"

namespace {
// A socket bound to an ephemeral loopback port, and that port.
SOCKET BindLoopback(unsigned short& port) {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  SOCKET s = started ? socket(AF_INET, SOCK_STREAM, IPPROTO_TCP) : INVALID_SOCKET;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int size = sizeof(address);
  if (s != INVALID_SOCKET && (bind(s, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
                              getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) != 0)) {
    closesocket(s);
    return INVALID_SOCKET;
  }
  port = ntohs(address.sin_port);
  return s;
}
}  // namespace

HttpTestServer::HttpTestServer() {
  listener_ = BindLoopback(port_);
  if (listener_ == INVALID_SOCKET || listen(listener_, SOMAXCONN) != 0) return;
  thread_ = std::thread([this] {
    // Closing the listener in the destructor ends accept and the loop.
    for (SOCKET client; (client = accept(listener_, nullptr, nullptr)) != INVALID_SOCKET;) {
      Answer(client);
      shutdown(client, SD_SEND);
      closesocket(client);
    }
  });
}

HttpTestServer::~HttpTestServer() {
  stopping_ = true;
  if (listener_ != INVALID_SOCKET) closesocket(listener_);
  if (thread_.joinable()) thread_.join();
}

void HttpTestServer::Serve(const std::string& path, Response response) {
  std::lock_guard lock(mutex_);
  responses_[path] = std::move(response);
}

std::string HttpTestServer::BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }

std::vector<std::string> HttpTestServer::Requests() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> paths;
  for (const Request& request : requests_) paths.push_back(request.path);
  return paths;
}

std::vector<HttpTestServer::Request> HttpTestServer::Received() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::string HttpTestServer::Request::Header(const std::string& name) const {
  for (const std::string& line : SplitLines(head)) {
    size_t colon = line.find(':');
    if (colon != std::string::npos && EqualsIgnoreCaseAscii(Trim(line.substr(0, colon)), name))
      return Trim(line.substr(colon + 1));
  }
  return {};
}

std::string HttpTestServer::RefusingBaseUrl() {
  unsigned short port = 0;
  SOCKET s = BindLoopback(port);  // bound but never listening, then released
  if (s != INVALID_SOCKET) closesocket(s);
  return "http://127.0.0.1:" + std::to_string(port);
}

void HttpTestServer::Answer(std::uintptr_t client) {
  std::string received;
  char buffer[4096];
  for (int n; received.find("\r\n\r\n") == std::string::npos; received.append(buffer, static_cast<size_t>(n)))
    if ((n = recv(client, buffer, sizeof(buffer), 0)) <= 0) return;
  Request request;
  size_t headEnd = received.find("\r\n\r\n");
  request.head = received.substr(0, headEnd);
  request.body = received.substr(headEnd + 4);
  request.method = request.head.substr(0, request.head.find(' '));
  size_t start = request.head.find(' ') + 1;  // "GET /path HTTP/1.1"
  request.path = request.head.substr(start, request.head.find(' ', start) - start);
  size_t wanted = static_cast<size_t>(ParseLeadingNumber(request.Header("Content-Length")));
  for (int n; request.body.size() < wanted; request.body.append(buffer, static_cast<size_t>(n)))
    if ((n = recv(client, buffer, sizeof(buffer), 0)) <= 0) break;
  Response response = NotFound();
  {
    std::lock_guard lock(mutex_);
    if (auto found = responses_.find(request.path); found != responses_.end()) response = found->second;
    requests_.push_back(std::move(request));
  }
  auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(response.stallMs);
  while (!stopping_ && std::chrono::steady_clock::now() < until) Sleep(20);
  if (response.hangUp || stopping_) return;
  size_t length = response.announcedLength == std::string::npos ? response.body.size() : response.announcedLength;
  const char* reason = response.status == 200 ? " OK" : response.status == 404 ? " Not Found" : " Error";
  std::string bytes = "HTTP/1.1 " + std::to_string(response.status) + reason +
                      "\r\nContent-Type: application/octet-stream\r\nContent-Length: " + std::to_string(length) +
                      "\r\nCache-Control: no-cache\r\nConnection: close\r\n\r\n" + response.body;
  for (int sent = 0, n; sent < static_cast<int>(bytes.size()); sent += n)
    if ((n = send(client, bytes.data() + sent, static_cast<int>(bytes.size()) - sent, 0)) <= 0) return;
}
