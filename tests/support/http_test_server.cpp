#include <winsock2.h>

#include "support/http_test_server.h"

#include "store/text_util.h"

namespace {
struct WinsockUser {
  WinsockUser() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
  ~WinsockUser() { WSACleanup(); }
};

WinsockUser& Winsock() {
  static WinsockUser user;
  return user;
}

SOCKET ListenOnLoopback(unsigned short port, unsigned short& boundPort) {
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return s;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  int size = sizeof(address);
  if (bind(s, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    closesocket(s);
    return INVALID_SOCKET;
  }
  boundPort = ntohs(address.sin_port);
  return s;
}

const char* Reason(int status) {
  switch (status) {
    case 200: return "OK";
    case 404: return "Not Found";
    default: return "Status";
  }
}

void SendAll(SOCKET s, const std::string& bytes) {
  for (size_t sent = 0; sent < bytes.size();) {
    int n = send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
}

// Reads the head and, when it announces one, the body of one request.
HttpTestServer::Request ReadRequest(SOCKET client) {
  std::string data;
  char buffer[4096];
  size_t headEnd;
  while ((headEnd = data.find("\r\n\r\n")) == std::string::npos) {
    int n = recv(client, buffer, sizeof(buffer), 0);
    if (n <= 0) return {};
    data.append(buffer, static_cast<size_t>(n));
  }
  HttpTestServer::Request request;
  std::vector<std::string> lines = SplitLines(data.substr(0, headEnd));
  std::vector<std::string> first = Split(lines.empty() ? "" : lines[0], ' ');
  request.method = first[0];
  if (first.size() > 1) request.path = first[1];
  size_t length = 0;
  for (const auto& line : lines)
    if (EqualsIgnoreCaseAscii(line.substr(0, 15), "content-length:"))
      length = static_cast<size_t>(ParseLeadingNumber(line.substr(15)));
  request.body = data.substr(headEnd + 4);
  while (request.body.size() < length) {
    int n = recv(client, buffer, sizeof(buffer), 0);
    if (n <= 0) break;
    request.body.append(buffer, static_cast<size_t>(n));
  }
  return request;
}
}  // namespace

HttpTestServer::HttpTestServer() {
  Winsock();
  listener_ = ListenOnLoopback(0, port_);
  if (listener_ != INVALID_SOCKET && listen(listener_, SOMAXCONN) == 0)
    thread_ = std::thread([this] { Run(); });
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

std::vector<HttpTestServer::Request> HttpTestServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::string HttpTestServer::RefusingBaseUrl() {
  Winsock();
  unsigned short port = 0;
  SOCKET s = ListenOnLoopback(0, port);  // bound but never listening, then released
  if (s != INVALID_SOCKET) closesocket(s);
  return "http://127.0.0.1:" + std::to_string(port);
}

void HttpTestServer::Run() {
  while (!stopping_) {
    SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) break;
    Answer(client);
    shutdown(client, SD_SEND);
    closesocket(client);
  }
}

void HttpTestServer::Answer(std::uintptr_t client) {
  Request request = ReadRequest(client);
  Response response = NotFound();
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
    if (auto found = responses_.find(request.path); found != responses_.end()) response = found->second;
  }
  size_t length = response.announcedLength == std::string::npos ? response.body.size() : response.announcedLength;
  SendAll(client, "HTTP/1.1 " + std::to_string(response.status) + " " + Reason(response.status) +
                      "\r\nContent-Type: application/octet-stream\r\nContent-Length: " + std::to_string(length) +
                      "\r\nCache-Control: no-cache\r\nConnection: close\r\n\r\n" + response.body);
}
