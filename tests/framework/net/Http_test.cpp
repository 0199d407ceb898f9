#include "framework/net/Http.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace {
// A one-connection-at-a-time server on 127.0.0.1 that answers every request
// with the given bytes, or holds the connection open without a word.
class TLoopbackServer {
 public:
  explicit TLoopbackServer(std::string answer, bool silent = false)
      : answer_(std::move(answer)), silent_(silent) {
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
  ~TLoopbackServer() {
    stop_ = true;
    thread_.join();
    ::close(fd_);
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
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

THttpRequest Req(const std::string& url) {
  THttpRequest r;
  r.Url = url;
  r.UserAgent = "Mozilla/3.0 (compatible; Indy Library)";
  r.ConnectTimeoutMs = 1000;
  r.TimeoutMs = 1500;
  return r;
}
}  // namespace

TEST(Http, GetsTheBodyOverHttp10WithTheGivenHeaders) {
  TLoopbackServer server("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nSet-Cookie: a=b\r\n\r\nVER. 1.001");
  TCurlHttpClient client;
  THttpResponse r =
      client.Get(Req(server.Url("/home/download/GetversionSW.asp?nomesw=" + UrlEncode("CF30406"))));
  ASSERT_TRUE(r.Ok) << r.Error;
  EXPECT_EQ(r.Status, 200);
  EXPECT_EQ(r.Body, "VER. 1.001");
  std::string req = server.Request();
  EXPECT_EQ(req.rfind("GET /home/download/GetversionSW.asp?nomesw=CF30406 HTTP/1.0\r\n", 0), 0u) << req;
  EXPECT_NE(req.find("User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"), std::string::npos);
  EXPECT_NE(req.find("Accept: text/html, */*\r\n"), std::string::npos);
  EXPECT_EQ(req.find("Cookie"), std::string::npos);
}

TEST(Http, ErrorStatusIsAnAnswerGarbageIsNot) {
  TCurlHttpClient client;
  {
    TLoopbackServer server("HTTP/1.0 404 Not Found\r\n\r\nmissing");
    THttpResponse r = client.Get(Req(server.Url("/x")));
    EXPECT_TRUE(r.Ok);
    EXPECT_EQ(r.Status, 404);
  }
  {
    TLoopbackServer server("\x01\x02 this is no HTTP at all\r\n\r\n");
    THttpResponse r = client.Get(Req(server.Url("/x")));
    EXPECT_FALSE(r.Ok);
    EXPECT_FALSE(r.Error.empty());
    EXPECT_TRUE(r.Body.empty());
  }
}

TEST(Http, ASilentServerTimesOutInsteadOfHanging) {
  TLoopbackServer server("", true);
  TCurlHttpClient client;
  THttpRequest req = Req(server.Url("/x"));
  req.TimeoutMs = 300;
  auto start = std::chrono::steady_clock::now();
  THttpResponse r = client.Get(req);
  auto took = std::chrono::steady_clock::now() - start;
  EXPECT_FALSE(r.Ok);
  EXPECT_TRUE(r.TimedOut);
  EXPECT_LT(took, std::chrono::seconds(5));
}

TEST(Http, RefusedConnectionAndOtherSchemesFail) {
  TCurlHttpClient client;
  int port = 0;
  {
    TLoopbackServer closed("x");
    port = std::stoi(closed.Url("").substr(17));
  }
  EXPECT_FALSE(client.Get(Req("http://127.0.0.1:" + std::to_string(port) + "/")).Ok);
  EXPECT_FALSE(client.Get(Req("file:///etc/passwd")).Ok);
  EXPECT_EQ(UrlEncode("a b&c/\xC3\xA9"), "a%20b%26c%2F%C3%A9");
}
