#pragma once
// One HTTP GET, as the version check makes it: HTTP/1.0, the caller's
// User-Agent and Accept, no cookies, no authentication, redirects not
// followed. Connect and total time-outs are always set, so a server that
// never answers cannot hang the caller. Behind an interface so that callers
// can be tested with a fake.
#include <cstddef>
#include <memory>
#include <string>

struct THttpRequest {
  std::string Url;
  std::string UserAgent;
  std::string Accept = "text/html, */*";
  int ConnectTimeoutMs = 5000;
  int TimeoutMs = 10000;
  // A longer body is refused (the answer is a short text).
  std::size_t MaxBodyBytes = 1 << 20;
};

struct THttpResponse {
  // True when an HTTP answer came, whatever its status.
  bool Ok = false;
  long Status = 0;
  std::string Body;
  bool TimedOut = false;
  // Why no answer came.
  std::string Error;
};

class IHttpClient {
 public:
  virtual ~IHttpClient() = default;
  virtual THttpResponse Get(const THttpRequest& Request) = 0;
};

// The client over libcurl; only http and https URLs are fetched.
class TCurlHttpClient : public IHttpClient {
 public:
  THttpResponse Get(const THttpRequest& Request) override;
};

// Percent-encodes a query value (letters, digits and "-_.~" stay).
std::string UrlEncode(const std::string& Value);
