#pragma once
// A small HTTP server on 127.0.0.1: it answers every request with the given
// bytes, or holds the connection without a word (a service that never answers).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

class TLoopbackHttpServer {
 public:
  explicit TLoopbackHttpServer(std::string Answer, bool Silent = false)
      : answer_(std::move(Answer)), silent_(Silent) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(fd_, 4);
    socklen_t len = sizeof a;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~TLoopbackHttpServer() {
    stop_ = true;
    thread_.join();
    ::close(fd_);
  }
  TLoopbackHttpServer(const TLoopbackHttpServer&) = delete;
  TLoopbackHttpServer& operator=(const TLoopbackHttpServer&) = delete;

  // "http://127.0.0.1:<port>"
  std::string Host() const { return "http://127.0.0.1:" + std::to_string(port_); }
  std::string Url(const std::string& Path) const { return Host() + Path; }
  // The last request's head.
  std::string Request() {
    std::lock_guard<std::mutex> l(lock_);
    return request_;
  }

 private:
  void Serve() {
    while (!stop_) {
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, 20) <= 0) continue;
      int c = ::accept(fd_, nullptr, nullptr);
      if (c < 0) continue;
      std::string req;
      char buf[4096];
      while (req.find("\r\n\r\n") == std::string::npos && !stop_) {
        pollfd q{c, POLLIN, 0};
        if (::poll(&q, 1, 20) <= 0) continue;
        ssize_t n = ::recv(c, buf, sizeof buf, 0);
        if (n <= 0) break;
        req.append(buf, static_cast<std::size_t>(n));
      }
      {
        std::lock_guard<std::mutex> l(lock_);
        request_ = req;
      }
      if (silent_) {
        while (!stop_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
      } else {
        ::send(c, answer_.data(), answer_.size(), MSG_NOSIGNAL);
      }
      ::close(c);
    }
  }

  std::string answer_;
  bool silent_;
  int fd_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::mutex lock_;
  std::string request_;
};
