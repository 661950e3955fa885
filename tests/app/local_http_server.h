// A small HTTP server on 127.0.0.1 for the probe tests: answers every request with one fixed
// response and records the request lines. Serves on its own thread; set it up on the test's.
#pragma once
#include <windows.h>
#include <winsock2.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

class LocalHttpServer {
 public:
  LocalHttpServer(std::string status, std::string body, std::string contentType = "text/html")
      : status_(std::move(status)), body_(std::move(body)), contentType_(std::move(contentType)) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    listen(listener_, 8);
    int length = sizeof a;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &length);
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~LocalHttpServer() {
    stop_ = true;
    thread_.join();
    closesocket(listener_);
    WSACleanup();
  }
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  int port() const { return port_; }
  std::vector<std::string> requests() const {
    std::lock_guard<std::mutex> guard(lock_);
    return requests_;
  }

 private:
  void Serve() {
    while (!stop_) {
      fd_set readable;
      FD_ZERO(&readable);
      FD_SET(listener_, &readable);
      timeval wait{0, 50000};
      if (select(0, &readable, nullptr, nullptr, &wait) != 1) continue;
      SOCKET client = accept(listener_, nullptr, nullptr);
      if (client == INVALID_SOCKET) continue;
      Answer(client);
      closesocket(client);
    }
  }
  void Answer(SOCKET client) {
    std::string request;
    char buffer[2048];
    while (request.find("\r\n\r\n") == std::string::npos) {
      int got = recv(client, buffer, sizeof buffer, 0);
      if (got <= 0) return;
      request.append(buffer, static_cast<size_t>(got));
    }
    {
      std::lock_guard<std::mutex> guard(lock_);
      requests_.push_back(request.substr(0, request.find("\r\n")));
    }
    std::string response = "HTTP/1.1 " + status_ + "\r\nContent-Type: " + contentType_ +
                           "\r\nContent-Length: " + std::to_string(body_.size()) +
                           "\r\nConnection: close\r\n\r\n" + body_;
    send(client, response.data(), static_cast<int>(response.size()), 0);
    shutdown(client, SD_SEND);
  }

  std::string status_, body_, contentType_;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex lock_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// A local port on which nothing listens (bound once, then released).
inline int ClosedLocalPort() {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
  int length = sizeof a;
  getsockname(s, reinterpret_cast<sockaddr*>(&a), &length);
  closesocket(s);
  WSACleanup();
  return ntohs(a.sin_port);
}

}  // namespace testing_support
