#include "framework/net/Http.h"

#include <gtest/gtest.h>

#include "tests/support/LoopbackHttpServer.h"

namespace {
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
  TLoopbackHttpServer server("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nSet-Cookie: a=b\r\n\r\nVER. 1.001");
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
    TLoopbackHttpServer server("HTTP/1.0 404 Not Found\r\n\r\nmissing");
    THttpResponse r = client.Get(Req(server.Url("/x")));
    EXPECT_TRUE(r.Ok);
    EXPECT_EQ(r.Status, 404);
  }
  {
    TLoopbackHttpServer server("\x01\x02 this is no HTTP at all\r\n\r\n");
    THttpResponse r = client.Get(Req(server.Url("/x")));
    EXPECT_FALSE(r.Ok);
    EXPECT_FALSE(r.Error.empty());
    EXPECT_TRUE(r.Body.empty());
  }
}

TEST(Http, ASilentServerTimesOutInsteadOfHanging) {
  TLoopbackHttpServer server("", true);
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
    TLoopbackHttpServer closed("x");
    port = std::stoi(closed.Url("").substr(17));
  }
  EXPECT_FALSE(client.Get(Req("http://127.0.0.1:" + std::to_string(port) + "/")).Ok);
  EXPECT_FALSE(client.Get(Req("file:///etc/passwd")).Ok);
  EXPECT_EQ(UrlEncode("a b&c/\xC3\xA9"), "a%20b%26c%2F%C3%A9");
}
